#include "startup/configuration.h"

#include <QDir>
#include <gtest/gtest.h>

#include "startup/connection.h"
#include "testsupport.h"

namespace {

QString ini(const QString& name, const QList<QPair<QString, QString>>& keys) {
  return testsupport::writeIni(QDir(testsupport::scratchDir()).filePath(name), keys);
}

TEST(Configuration, FirebirdStringHasTheEightPiecesInOrder) {
  const auto cfg = readConfiguration(ini("fb.ini", {{"USUARIO", "SYSDBA"},
                                                    {"SENHA", "masterkey"},
                                                    {"LOCALBANCO", "srv:/dados/talvora.fdb"},
                                                    {"BANCO", "IGNORADO"},
                                                    {"SERVIDOR", "outro"}}));
  EXPECT_EQ(connectionString(cfg),
            "driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;"
            "database=srv:/dados/talvora.fdb");
}

TEST(Configuration, EmptyUserAndPasswordLeaveThePiecesTouching) {
  const auto cfg = readConfiguration(ini("fb2.ini", {{"LOCALBANCO", "/d/x.fdb"}}));
  EXPECT_EQ(connectionString(cfg),
            "driver={Firebird/InterBase(r) driver};server=;uid=;Pwd=;database=/d/x.fdb");
}

TEST(Configuration, AnyConnectionTypeSelectsTheSqlServerString) {
  for (const QString type : {"sqlserver", "SQLSERVER", "1"}) {
    const auto cfg = readConfiguration(ini("sql.ini", {{"TIPO_CONEXAO", type},
                                                       {"SERVIDOR", "SRV01"},
                                                       {"USUARIO", "sa"},
                                                       {"SENHA", "s3nha"}}));
    EXPECT_EQ(cfg.TIPO_CONEXAO, type.toUpper());
    EXPECT_EQ(connectionString(cfg),
              "driver={SQl Server};server=SRV01;uid=sa;Pwd=s3nha;database=TALVORA");
  }
  const auto named = readConfiguration(
      ini("sql2.ini", {{"TIPO_CONEXAO", "x"}, {"SERVIDOR", "S"}, {"BANCO", "LOJA2"}}));
  EXPECT_EQ(connectionString(named), "driver={SQl Server};server=S;uid=;Pwd=;database=LOJA2");
}

TEST(Configuration, MissingFileGivesEmptyFirebirdString) {
  const auto cfg = readConfiguration(QDir(testsupport::scratchDir()).filePath("none/TL.ini"));
  EXPECT_EQ(connectionString(cfg),
            "driver={Firebird/InterBase(r) driver};server=;uid=;Pwd=;database=");
}

TEST(Connection, ParsesKeyValuePairsWithoutRegardToCase) {
  const auto pairs = Connection::parse("driver={SQl Server};server=S;uid=u;Pwd=p=q;database=D");
  EXPECT_EQ(pairs.value("DRIVER"), "{SQl Server}");
  EXPECT_EQ(pairs.value("PWD"), "p=q");
  EXPECT_TRUE(Connection::isFirebird("DRIVER={firebird/interbase(r) driver};database=x"));
  EXPECT_FALSE(Connection::isFirebird("driver={SQl Server};database=x"));
}

}  // namespace
