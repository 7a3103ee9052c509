#include "core/inifile.h"

#include <QDir>

#include "testsupport.h"

namespace {

// Each lookup of the table in its file of testdata/ini (line ends, quotes,
// encodings, repeated and cut keys) with the value LEINI reads.
TEST(LEINI, ReadsAKeyOfASection) {
  const QString golden = "src/core/testdata/inifile.lines";
  QStringList actual;
  for (const QString& line : testsupport::goldenLines(golden)) {
    const QString lookup = line.left(line.indexOf(" => "));
    const QString file = lookup.section(' ', 0, 0), section = lookup.section('[', 1).section(']', 0, 0);
    const QString key = lookup.section("] ", 1);
    actual << lookup + " => \"" + LEINI(section, key, TL_SOURCE_DIR "/src/core/testdata/ini/" + file) + "\"";
  }
  testsupport::expectGoldenLines(actual, golden);
  // No file: empty text.
  EXPECT_EQ(LEINI("Geral", "RELATORIO", QDir(testsupport::scratchDir()).filePath("nada.ini")), "");
  EXPECT_EQ(LEINI("Geral", "RELATORIO", ""), "");
}

}  // namespace
