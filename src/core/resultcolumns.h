#pragma once
#include <QList>
#include <QString>

class QSqlQuery;

// A column of an executed query's result.
struct ResultColumn {
  QString name;   // the name the query gives it
  QString table;  // the table it comes from; empty for an expression
  int sqlType = 0;  // the driver's type code, nullable bit included
  int length = 0;   // bytes (of a text column: what the CHAR width is taken from)
};

// The columns of an executed query. On Firebird they are read from the
// statement's own description: QSqlQuery::record() would also run one
// catalogue query per NUMERIC column to learn what no caller here uses. Any
// other driver, or a Firebird client that cannot be reached, goes through
// record().
QList<ResultColumn> resultColumns(const QSqlQuery& q, bool firebird);
