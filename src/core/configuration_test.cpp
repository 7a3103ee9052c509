#include "core/configuration.h"

#include "core/connection.h"
#include "testsupport.h"

namespace {

// The connection string made of TL.ini's keys: Firebird (the eight pieces in
// order, SERVIDOR and BANCO ignored, empty pieces touching) unless
// TIPO_CONEXAO holds anything, which selects SQL Server (database TALVORA
// unless BANCO names one). No TL.ini: an empty Firebird string.
TEST(Configuration, ConnectionStringFromTheIniKeys) {
  const QString golden = "src/core/testdata/configuration.lines";
  QStringList actual;
  for (const QString& line : testsupport::goldenLines(golden)) {
    const QString keys = line.left(line.indexOf(" => "));
    QList<QPair<QString, QString>> pairs;
    for (const QString& k : keys.split(' ')) pairs << qMakePair(k.section('=', 0, 0), k.section('=', 1));
    const QString path = keys == "-" ? testsupport::scratchFile("none/TL.ini")
                                     : testsupport::writeIni(testsupport::scratchFile("TL.ini"), pairs);
    actual << keys + " => " + connectionString(readConfiguration(path));
  }
  testsupport::expectGoldenLines(actual, golden);
}

TEST(Connection, ParsesKeyValuePairsWithoutRegardToCase) {
  const auto pairs = Connection::parse("driver={SQl Server};server=S;uid=u;Pwd=p=q;database=D");
  EXPECT_EQ(pairs.value("DRIVER"), "{SQl Server}");
  EXPECT_EQ(pairs.value("PWD"), "p=q");
  EXPECT_TRUE(Connection::isFirebird("DRIVER={firebird/interbase(r) driver};database=x"));
  EXPECT_FALSE(Connection::isFirebird("driver={SQl Server};database=x"));
}

}  // namespace
