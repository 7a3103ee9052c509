#include "core/inifile.h"

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

QByteArray utf16(const QString& text, bool littleEndian) {
  QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE", 2) : QByteArray("\xFE\xFF", 2);
  for (QChar c : text) {
    const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
    bytes.append(littleEndian ? lo : hi).append(littleEndian ? hi : lo);
  }
  return bytes;
}

TEST(LEINI, ReadsAKeyOfASection) {
  struct Lookup {
    const char* section;
    const char* key;
    QString expected;
  };
  const QString name = "JOSÉ D'ÁVILA ÇÃO";
  const QString sugar = "[Geral]\r\nNOMEEMPRESA=AÇÚCAR D'ÁVILA\r\n";
  // Sections and keys without regard to case, blanks around the value dropped.
  const std::vector<Lookup> basic = {{"Geral", "RELATORIO", "pedidocupom"},
                                     {"GERAL", "sacod", "12"},
                                     {"Geral", "PRECO", ""},
                                     {"Outra", "SACOD", ""}};
  const struct {
    const char* what;
    QByteArray bytes;
    std::vector<Lookup> lookups;
  } cases[] = {
      {"CR LF", "[geral]\r\nRelatorio=pedidocupom\r\nSACOD = 12 \r\n", basic},
      {"LF", "[geral]\nRelatorio=pedidocupom\nSACOD = 12 \n", basic},
      {"lone CR", "[Geral]\rSACOD=5\rOSCOD=6\r",
       {{"Geral", "SACOD", "5"}, {"Geral", "OSCOD", "6"}}},
      {"blanks and one pair of quotes",
       "[Geral]\r\nA=  \"C:\\Pasta\\arq.txt\"  \r\nB='x'\r\nC=\"\"dois\"\"\r\n"
       "D=\"sem fim\r\nE=  \r\n",
       {{"Geral", "A", "C:\\Pasta\\arq.txt"}, {"Geral", "B", "x"}, {"Geral", "C", "\"dois\""},
        {"Geral", "D", "\"sem fim"}, {"Geral", "E", ""}}},
      {"UTF-8 with BOM", "\xEF\xBB\xBF[Geral]\r\nNOME=" + name.toUtf8() + "\r\n",
       {{"Geral", "NOME", name}}},
      {"UTF-8", "[Geral]\nNOME=" + name.toUtf8() + "\n", {{"Geral", "NOME", name}}},
      {"Windows-1252", "[Geral]\r\nNOME=JOS\xC9 D'\xC1VILA \xC7\xC3O \x80\r\n",
       {{"Geral", "NOME", name + " €"}}},
      {"an incomplete UTF-8 sequence means Windows-1252", "[Geral]\nNOME=CAF\xC3\n",
       {{"Geral", "NOME", "CAFÃ"}}},
      {"UTF-16 LE", utf16(sugar, true), {{"Geral", "NOMEEMPRESA", "AÇÚCAR D'ÁVILA"}}},
      {"UTF-16 BE", utf16(sugar, false), {{"Geral", "NOMEEMPRESA", "AÇÚCAR D'ÁVILA"}}},
      {"lines without '=' and keys before any section are skipped",
       "SACOD=99\r\n; comentário\r\n[Geral]\r\nlinha sem igual\r\nSACOD=7\r\n",
       {{"Geral", "SACOD", "7"}, {"Geral", "linha sem igual", ""}}},
      // Only the first section of a name is searched, as the platform reader does.
      {"the first of repeated keys and sections",
       "[Geral]\r\nSACOD=1\r\nsacod=2\r\n[Outra]\r\nX=1\r\n[GERAL]\r\nSACOD=3\r\nOSCOD=4\r\n",
       {{"Geral", "SACOD", "1"}, {"Geral", "OSCOD", ""}}},
      {"values cut to 254 characters", "[Geral]\r\nNOMEEMPRESA=" + QByteArray(300, 'x') + "\r\n",
       {{"Geral", "NOMEEMPRESA", QString(254, 'x')}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = writeBytes("leini.ini", c.bytes);
    for (const Lookup& l : c.lookups) EXPECT_EQ(LEINI(l.section, l.key, path), l.expected) << l.key;
  }
  // No file: empty text.
  EXPECT_EQ(LEINI("Geral", "RELATORIO", QDir(testsupport::scratchDir()).filePath("nada.ini")), "");
  EXPECT_EQ(LEINI("Geral", "RELATORIO", ""), "");
}

}  // namespace
