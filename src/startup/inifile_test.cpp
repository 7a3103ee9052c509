#include "startup/inifile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

QString writeBytes(const QString& name, const QByteArray& bytes) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(bytes);
  return path;
}

TEST(LEINI, ReadsCrLfAndLfFilesWithoutRegardToCase) {
  for (const QByteArray nl : {QByteArray("\r\n"), QByteArray("\n")}) {
    const QString path = writeBytes("case.ini", "[geral]" + nl + "Relatorio=pedidocupom" + nl +
                                                    "SACOD = 12 " + nl);
    EXPECT_EQ(LEINI("Geral", "RELATORIO", path), "pedidocupom");
    EXPECT_EQ(LEINI("GERAL", "sacod", path), "12");
    EXPECT_EQ(LEINI("Geral", "PRECO", path), "");
    EXPECT_EQ(LEINI("Outra", "SACOD", path), "");
  }
}

TEST(LEINI, DropsBlanksAndOnePairOfQuotes) {
  const QString path = writeBytes("quotes.ini",
                                  "[Geral]\r\nA=  \"C:\\Pasta\\arq.txt\"  \r\nB='x'\r\n"
                                  "C=\"\"dois\"\"\r\nD=\"sem fim\r\nE=  \r\n");
  EXPECT_EQ(LEINI("Geral", "A", path), "C:\\Pasta\\arq.txt");
  EXPECT_EQ(LEINI("Geral", "B", path), "x");
  EXPECT_EQ(LEINI("Geral", "C", path), "\"dois\"");
  EXPECT_EQ(LEINI("Geral", "D", path), "\"sem fim");
  EXPECT_EQ(LEINI("Geral", "E", path), "");
}

TEST(LEINI, DecodesUtf8WithOrWithoutBomAndWindows1252) {
  const QString name = QString::fromUtf8("JOSÉ D'ÁVILA ÇÃO");
  const QString bom = writeBytes("bom.ini", "\xEF\xBB\xBF[Geral]\r\nNOME=" + name.toUtf8() + "\r\n");
  EXPECT_EQ(LEINI("Geral", "NOME", bom), name);
  const QString utf8 = writeBytes("utf8.ini", "[Geral]\nNOME=" + name.toUtf8() + "\n");
  EXPECT_EQ(LEINI("Geral", "NOME", utf8), name);
  const QString ansi = writeBytes("ansi.ini", "[Geral]\r\nNOME=JOS\xC9 D'\xC1VILA \xC7\xC3O \x80\r\n");
  EXPECT_EQ(LEINI("Geral", "NOME", ansi), name + QString::fromUtf8(" €"));
}

TEST(LEINI, ReadsUtf16FilesBehindTheirByteOrderMark) {
  const QString text = QString::fromUtf8("[Geral]\r\nNOMEEMPRESA=AÇÚCAR D'ÁVILA\r\n");
  QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
  for (QChar c : text) {
    le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
  }
  EXPECT_EQ(LEINI("Geral", "NOMEEMPRESA", writeBytes("le.ini", le)),
            QString::fromUtf8("AÇÚCAR D'ÁVILA"));
  EXPECT_EQ(LEINI("Geral", "NOMEEMPRESA", writeBytes("be.ini", be)),
            QString::fromUtf8("AÇÚCAR D'ÁVILA"));
}

TEST(LEINI, ALoneCarriageReturnEndsALine) {
  const QString path = writeBytes("cr.ini", "[Geral]\rSACOD=5\rOSCOD=6\r");
  EXPECT_EQ(LEINI("Geral", "SACOD", path), "5");
  EXPECT_EQ(LEINI("Geral", "OSCOD", path), "6");
}

TEST(LEINI, AnIncompleteUtf8SequenceMeansWindows1252) {
  const QString path = writeBytes("ansi-end.ini", "[Geral]\nNOME=CAF\xC3\n");
  EXPECT_EQ(LEINI("Geral", "NOME", path), QString::fromUtf8("CAFÃ"));
}

TEST(LEINI, SkipsLinesWithoutEqualsAndKeysBeforeAnySection) {
  const QString path = writeBytes("odd.ini",
                                  "SACOD=99\r\n; comentário\r\n[Geral]\r\nlinha sem igual\r\n"
                                  "SACOD=7\r\n");
  EXPECT_EQ(LEINI("Geral", "SACOD", path), "7");
  EXPECT_EQ(LEINI("Geral", "linha sem igual", path), "");
}

TEST(LEINI, FirstOfRepeatedKeysAndSectionsWins) {
  const QString path = writeBytes("repeat.ini",
                                  "[Geral]\r\nSACOD=1\r\nsacod=2\r\n[Outra]\r\nX=1\r\n"
                                  "[GERAL]\r\nSACOD=3\r\nOSCOD=4\r\n");
  EXPECT_EQ(LEINI("Geral", "SACOD", path), "1");
  // Only the first section of a name is searched, as the platform reader does.
  EXPECT_EQ(LEINI("Geral", "OSCOD", path), "");
}

TEST(LEINI, CutsLongValuesTo254Characters) {
  const QByteArray value(300, 'x');
  const QString path = writeBytes("long.ini", "[Geral]\r\nNOMEEMPRESA=" + value + "\r\n");
  EXPECT_EQ(LEINI("Geral", "NOMEEMPRESA", path), QString(254, 'x'));
}

TEST(LEINI, MissingFileGivesEmptyText) {
  EXPECT_EQ(LEINI("Geral", "RELATORIO", QDir(testsupport::scratchDir()).filePath("nada.ini")), "");
  EXPECT_EQ(LEINI("Geral", "RELATORIO", ""), "");
}

}  // namespace
