#include "core/recordset.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

#include "core/connection.h"
#include "core/errors.h"
#include "core/masks.h"
#include "core/modcnn.h"
#include "core/sqltext.h"
#include "testsupport.h"

namespace {

class RecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override { m.Cnn.open(testsupport::fixtureConnectionString()); }
  modCnn m;
};

TEST_F(RecordsetTest, QueriesTheDemoDatabaseWithQuotedValues) {
  m.FECHARS();  // never opened: no effect
  m.FECHARS2();
  m.FECHARS3();
  m.Rs.open("select first 1 incod, innome from interveniente where innome like '%''%' "
            "order by incod",
            m.Cnn);
  ASSERT_FALSE(m.Rs.eof());
  const QString name = m.Rs["INNOME"].toText();
  EXPECT_TRUE(name.contains('\''));
  // The same name joined into SQL through the quoting helper finds its row.
  m.Rs.open("select incod from interveniente where innome = '" + sqlQuote(name) + "'", m.Cnn);
  ASSERT_FALSE(m.Rs.eof());
  EXPECT_TRUE(m.Rs["incod"].isNumber());
  m.Rs.MoveNext();
  EXPECT_TRUE(m.Rs.eof());
  m.FECHARS();
  m.FECHARS();  // closing twice is harmless
  EXPECT_EQ(m.Rs.State(), 0);
}

TEST_F(RecordsetTest, CharColumnsAreCutToTheirWidthAndNullNumbersStayNull) {
  m.Rs.open("select cast('ação' as char(6)) as c, cast(null as numeric(15,2)) as n, "
            "cast(2.5 as numeric(15,3)) as q, cast('2024-03-05' as date) as d "
            "from rdb$database",
            m.Cnn);
  EXPECT_EQ(m.Rs["C"].toText(), "ação  ");
  EXPECT_TRUE(m.Rs["n"].isNull());
  EXPECT_FALSE(m.Rs["n"].isPresent());
  EXPECT_EQ(renderPlain(m.Rs["q"]), " 2,5 ");
  EXPECT_EQ(renderPlain(m.Rs["d"]), "05/03/2024");
  EXPECT_THROW(m.Rs["nao_existe"], RuntimeError);
}

// A shop database of character set NONE keeps CHAR(n) at n bytes while a
// converted column is padded to 4n: every CHAR column comes back at its
// declared width, blanks included, whatever its character set.
TEST(RecordsetCharsets, CharColumnsOfAnyCharacterSetKeepTheirDeclaredWidth) {
  const QString copy = QDir(testsupport::scratchDir()).filePath("charsets.fdb");
  QFile::remove(copy);
  ASSERT_TRUE(QFile::copy(testsupport::fixtureDatabase(), copy));
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  const QString cs =
      "driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" + copy;
  {
    Connection setup("charsets_setup");
    setup.open(cs);
    QSqlQuery q(setup.database());
    ASSERT_TRUE(q.exec("create table larguras (a char(10) character set none, "
                       "b char(10) character set win1252, c char(3) character set utf8, "
                       "d char(8) character set octets)"));
    ASSERT_TRUE(q.exec("insert into larguras values ('ABC', 'ÁBÇ', 'É', 'XY')"));
  }
  modCnn m;
  m.Cnn.open(cs);
  m.Rs.open("select l.*, cast('x' as char(5)) as e from larguras l", m.Cnn);
  ASSERT_FALSE(m.Rs.eof());
  EXPECT_EQ(m.Rs["A"].toText(), "ABC       ");
  EXPECT_EQ(m.Rs["B"].toText(), "ÁBÇ       ");
  EXPECT_EQ(m.Rs["C"].toText(), "É  ");
  EXPECT_EQ(m.Rs["D"].toText().size(), 8);
  EXPECT_EQ(m.Rs["E"].toText(), "x    ");
}

TEST_F(RecordsetTest, FailuresAreRuntimeErrorsNamingTheReason) {
  testsupport::expectRuntimeError(
      [&] { m.Rs.open("select * from tabela_que_nao_existe", m.Cnn); }, "TABELA_QUE_NAO_EXISTE");
  EXPECT_EQ(m.Rs.State(), 0);
  for (const QString& db : {testsupport::scratchFile("nao_existe.fdb"), QString()}) {  // missing, empty
    Connection c("failing");
    EXPECT_THROW(c.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=x;database=" + db),
                 RuntimeError);
  }
}

// The other driver path: the whole string goes to ODBC unchanged. The test
// registers the SQLite ODBC driver under the driver name the string uses.
TEST(Connection, OtherDriversGoThroughOdbcWithTheStringUnchanged) {
  const QString dir = testsupport::scratchDir();
  QFile ini(QDir(dir).filePath("odbcinst.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QString driver;  // the SQLite ODBC driver of this machine's architecture
  const QStringList archs = QDir("/usr/lib").entryList({"*-linux-*"}, QDir::Dirs) << QString();
  for (const QString& arch : archs)
    if (QFile::exists("/usr/lib/" + arch + "/odbc/libsqlite3odbc.so") && driver.isEmpty())
      driver = "/usr/lib/" + arch + "/odbc/libsqlite3odbc.so";
  ASSERT_FALSE(driver.isEmpty()) << "libsqliteodbc is not installed";
  ini.write("[SQl Server]\nDescription=test\nDriver=" + driver.toUtf8() + "\n");
  ini.close();
  qputenv("ODBCSYSINI", dir.toLocal8Bit());
  const QString dbFile = QDir(dir).filePath("loja.sqlite");
  QFile::remove(dbFile);
  const QString cs = "driver={SQl Server};server=SRV;uid=;Pwd=;database=" + dbFile;
  {
    Connection setup("odbc_setup");
    setup.open(cs);
    QSqlQuery q(setup.database());
    ASSERT_TRUE(q.exec("create table interveniente (incod integer, innome varchar(60))"));
    ASSERT_TRUE(q.exec("insert into interveniente values (1, 'JOSÉ D''ÁVILA')"));
  }
  modCnn m;
  m.Cnn.open(cs);
  EXPECT_EQ(m.Cnn.database().driverName(), "QODBC");
  const QString name = "JOSÉ D'ÁVILA";
  m.Rs.open("select incod, innome from interveniente where innome = '" + sqlQuote(name) + "'",
            m.Cnn);
  ASSERT_FALSE(m.Rs.eof());
  EXPECT_EQ(m.Rs["INCOD"].toDouble(), 1);
  EXPECT_EQ(m.Rs["innome"].toText(), name);
}

}  // namespace
