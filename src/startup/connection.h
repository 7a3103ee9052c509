#pragma once
#include <QMap>
#include <QSqlDatabase>
#include <QString>

// The one shared database connection (Cnn). The connection string is read
// as key=value; pairs: the Firebird driver goes through Qt's QIBASE driver
// (a file path opens the embedded engine, host:path reaches a server), any
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
  bool isOpen() const;
  QSqlDatabase database() const;
  const QString& name() const { return name_; }

  // key=value; pairs, keys upper-cased.
  static QMap<QString, QString> parse(const QString& connectionString);
  static bool isFirebird(const QString& connectionString);

 private:
  QString name_;
};
