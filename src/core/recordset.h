#pragma once
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <memory>

#include "core/value.h"

class Connection;

// A read-only, forward record set with the legacy program's idiom: open(sql) closes
// first, EOF, fields by name without regard to case, MoveNext, Close, State.
// Text values of CHAR columns come back cut to their declared width.
class Recordset {
 public:
  Recordset() = default;
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  // Runs the query and fetches the first row; throws RuntimeError naming
  // the purpose (by default the table read) and the driver's reason when
  // the query or any fetch (also MoveNext) fails.
  void open(const QString& sql, const Connection& cnn, const QString& purpose = {});
  bool eof() const { return eof_; }
  void MoveNext();
  void Close();
  int State() const { return query_ ? 1 : 0; }

  // The current row's value of a column; throws RuntimeError for a column the
  // query does not return or when there is no current row.
  Value field(const QString& name) const;
  Value operator[](const QString& name) const { return field(name); }
  // A column looked up once (same rules and error as field(name)), then read
  // by position row after row.
  int column(const QString& name) const { return indexOf(name); }
  Value field(int column) const;
  bool hasField(const QString& name) const;
  QStringList fieldNames() const;
  const QString& sql() const { return sql_; }

 private:
  int indexOf(const QString& name) const;
  void fetch();
  std::unique_ptr<QSqlQuery> query_;
  QStringList names_;  // the columns in the query's order
  QHash<QString, int> columns_;  // upper-cased name -> first column of that name
  QVector<int> charWidths_;  // declared width of CHAR columns, else 0
  bool eof_ = true;
  QString sql_;
  QString purpose_;
};

// The close-if-open idiom; never fails.
inline void closeIfOpen(Recordset& rs) {
  if (rs.State() == 1) rs.Close();
}
