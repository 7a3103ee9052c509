#include "core/resultcolumns.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/connection.h"
#include "testsupport.h"

// The statement's own description gives what record() gives: names, tables,
// types, and the byte length of text columns (record() reports a NUMERIC
// column's precision there, from the catalogue), for table columns, NUMERIC
// columns and expressions.
TEST(ResultColumns, FirebirdDescriptionMatchesTheDriversRecord) {
  Connection cnn("ResultColumns");
  cnn.open(testsupport::fixtureConnectionString());
  for (const QString& sql :
       {QStringLiteral("select s.*, i.innome as \"Nome do cliente\", s.total * 2 as dobro "
                       "from saida s join interveniente i on i.incod = s.safkinterveniente"),
        QStringLiteral("select cast('a' as char(3)) c, cast(1 as numeric(15,2)) n from rdb$database "
                       "where 1 = 0")}) {
    QSqlQuery q(cnn.database());
    q.setForwardOnly(true);
    ASSERT_TRUE(q.exec(sql));
    const QList<ResultColumn> described = resultColumns(q, true);
    const QSqlRecord record = q.record();
    ASSERT_EQ(described.size(), record.count()) << sql.toStdString();
    for (int i = 0; i < record.count(); ++i) {
      const QSqlField f = record.field(i);
      EXPECT_EQ(described[i].name, f.name());
      EXPECT_EQ(described[i].table, f.tableName());
      EXPECT_EQ(described[i].sqlType, f.typeID());
      if (f.metaType().id() == QMetaType::QString) {
        EXPECT_EQ(described[i].length, f.length());
      }
    }
  }
}
