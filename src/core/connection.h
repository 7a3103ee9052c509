#pragma once
#include <QHash>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

// The one shared database connection (Cnn). The connection string is read
// as key=value; pairs: the Firebird driver goes through Qt's QIBASE driver
// (a file path opens the embedded engine, server:path reaches a server), any
// other driver through QODBC with the whole string unchanged.
class Connection {
 public:
  explicit Connection(QString name = QStringLiteral("Cnn"));
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Throws RuntimeError with the driver's reason when the database cannot be opened.
  void open(const QString& connectionString);
  void close();
  // Closes the connection and forgets it: the driver detaches, so that the
  // embedded engine lets go of the database file.
  void release();
  bool isOpen() const;
  QSqlDatabase database() const;
  const QString& name() const { return name_; }

  // Declared widths of the CHAR columns of a table, by column name, read from
  // the catalogue once per run. The driver pads a CHAR value to the byte
  // length it reports: four times the width for a column converted to UTF8,
  // the width itself for character set NONE or OCTETS; only the catalogue
  // tells the two apart.
  const QHash<QString, int>& charColumnWidths(const QString& table) const;

  // key=value; pairs, keys upper-cased.
  static QMap<QString, QString> parse(const QString& connectionString);
  static bool isFirebird(const QString& connectionString);

 private:
  QString name_;
  mutable QHash<QString, QHash<QString, int>> charWidths_;
};
