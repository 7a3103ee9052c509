#include "core/configuration.h"

#include <QDir>
#include <gtest/gtest.h>

#include "core/connection.h"
#include "testsupport.h"

namespace {

// The connection string made of TL.ini's keys: Firebird (the eight pieces in
// order, SERVIDOR and BANCO ignored, empty pieces touching) unless
// TIPO_CONEXAO holds anything, which selects SQL Server (database TALVORA
// unless BANCO names one). No TL.ini: an empty Firebird string.
TEST(Configuration, ConnectionStringFromTheIniKeys) {
  const QString fb = "driver={Firebird/InterBase(r) driver};server=;";
  const QString sql = "driver={SQl Server};server=";
  const struct {
    QList<QPair<QString, QString>> keys;  // empty: no file
    QString expected;
  } cases[] = {
      {{{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"}, {"LOCALBANCO", "srv:/dados/talvora.fdb"},
        {"BANCO", "IGNORADO"}, {"SERVIDOR", "outro"}},
       fb + "uid=SYSDBA;Pwd=masterkey;database=srv:/dados/talvora.fdb"},
      {{{"LOCALBANCO", "/d/x.fdb"}}, fb + "uid=;Pwd=;database=/d/x.fdb"},
      {{}, fb + "uid=;Pwd=;database="},
      {{{"TIPO_CONEXAO", "x"}, {"SERVIDOR", "S"}, {"BANCO", "LOJA2"}},
       sql + "S;uid=;Pwd=;database=LOJA2"},
  };
  const QDir dir(testsupport::scratchDir());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected.toStdString());
    const QString path = c.keys.isEmpty() ? dir.filePath("none/TL.ini")
                                          : testsupport::writeIni(dir.filePath("TL.ini"), c.keys);
    EXPECT_EQ(connectionString(readConfiguration(path)), c.expected);
  }
  for (const QString type : {"sqlserver", "SQLSERVER", "1"}) {
    const auto cfg = readConfiguration(testsupport::writeIni(
        dir.filePath("sql.ini"),
        {{"TIPO_CONEXAO", type}, {"SERVIDOR", "SRV01"}, {"USUARIO", "sa"}, {"SENHA", "s3nha"}}));
    EXPECT_EQ(cfg.TIPO_CONEXAO, type.toUpper());
    EXPECT_EQ(connectionString(cfg), sql + "SRV01;uid=sa;Pwd=s3nha;database=TALVORA");
  }
}

TEST(Connection, ParsesKeyValuePairsWithoutRegardToCase) {
  const auto pairs = Connection::parse("driver={SQl Server};server=S;uid=u;Pwd=p=q;database=D");
  EXPECT_EQ(pairs.value("DRIVER"), "{SQl Server}");
  EXPECT_EQ(pairs.value("PWD"), "p=q");
  EXPECT_TRUE(Connection::isFirebird("DRIVER={firebird/interbase(r) driver};database=x"));
  EXPECT_FALSE(Connection::isFirebird("driver={SQl Server};database=x"));
}

}  // namespace
