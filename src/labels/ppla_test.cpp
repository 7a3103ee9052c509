#include "labels/ppla.h"

#include <gtest/gtest.h>

#include "labels/labels_testutil.h"
#include "startup/cp1252.h"

using namespace labeltest;

namespace {

QByteArray bytes(const QString& s) { return cp1252::encode(s); }

ppla::PriceLabels sample() {
  ppla::PriceLabels job;
  job.company = "LOJA TALVORA LTDA";
  job.productName = "PARAFUSO SEXTAVADO 8";  // 20 characters
  job.barcode = "7891234567895";
  job.price = 12.9;
  job.withPrice = true;
  job.copies = "0002";
  return job;
}

}  // namespace

TEST(PplaPriceLabels, TwentyLinesWithPriceTwoCopies) {
  const QByteArray expected = lines({
      "\x02" "e",
      std::string("\x02" "KI7") + '\0',
      "\x02" "c000",
      "\x02" "L",
      "D11",
      "121100000600035LOJA TALVORA LTDA",
      "111100000500035PARAFUSO SEXTAVADO 8",
      "111100000430035",
      "1211000003000357891234567895",
      "1e5202000050035B7891234567895",
      "121100000300130R$ 12,90",
      "121100000600230LOJA TALVORA LTDA",
      "111100000500230PARAFUSO SEXTAVADO 8",
      "111100000430230",
      "1211000003002307891234567895",
      "1e5202000050230B7891234567895",
      "121100000300310R$ 12,90",
      "\x02" "Q0002",
      "\x02" "E",
      "\x02" "f320",
  });
  const QByteArray got = bytes(ppla::priceLabelJob(sample()));
  EXPECT_EQ(got, expected);
  EXPECT_EQ(got.count("\r\n"), 20);
  EXPECT_EQ(got.count('\0'), 1);
}

TEST(PplaPriceLabels, WithoutPriceLeavesOutOnlyThePriceLines) {
  auto job = sample();
  job.withPrice = false;
  const QByteArray expected =
      startBlock() + lines({
                         "121100000600035LOJA TALVORA LTDA",
                         "111100000500035PARAFUSO SEXTAVADO 8",
                         "111100000430035",
                         "1211000003000357891234567895",
                         "1e5202000050035B7891234567895",
                         "121100000600230LOJA TALVORA LTDA",
                         "111100000500230PARAFUSO SEXTAVADO 8",
                         "111100000430230",
                         "1211000003002307891234567895",
                         "1e5202000050230B7891234567895",
                     }) +
      endBlock("0002");
  EXPECT_EQ(bytes(ppla::priceLabelJob(job)), expected);
}

// Only the two name records of each label, the rest as in the sample.
static QByteArray nameLines(const QString& name, const std::string& line1,
                            const std::string& line2) {
  auto job = sample();
  job.productName = name;
  const QByteArray all = bytes(ppla::priceLabelJob(job));
  const QByteArray expected =
      startBlock() + lines({
                         "121100000600035LOJA TALVORA LTDA",
                         "111100000500035" + line1,
                         "111100000430035" + line2,
                         "1211000003000357891234567895",
                         "1e5202000050035B7891234567895",
                         "121100000300130R$ 12,90",
                         "121100000600230LOJA TALVORA LTDA",
                         "111100000500230" + line1,
                         "111100000430230" + line2,
                         "1211000003002307891234567895",
                         "1e5202000050230B7891234567895",
                         "121100000300310R$ 12,90",
                     }) +
      endBlock("0002");
  EXPECT_EQ(all, expected);
  return all;
}

TEST(PplaPriceLabels, NameOf36CharactersKeepsAnEmptySecondLine) {
  const QString name = "CABO FLEXIVEL 2,5MM AZUL ROLO 100 M.";
  ASSERT_EQ(name.size(), 36);
  nameLines(name, "CABO FLEXIVEL 2,5MM AZUL ROLO 100 M.", "");
}

TEST(PplaPriceLabels, NameOf37CharactersPutsTheLastOneOnTheSecondLine) {
  const QString name = "CABO FLEXIVEL 2,5MM AZUL ROLO 100 M.Ç";
  ASSERT_EQ(name.size(), 37);
  nameLines(name, "CABO FLEXIVEL 2,5MM AZUL ROLO 100 M.", "\xC7");
}

TEST(PplaPriceLabels, NameOf72CharactersFillsBothLines) {
  const QString name = "TORNEIRA DE PAREDE BICA MOVEL 1/2 PLREGISTRO GAVETA BRUTO 3/4 LATAO 0123";
  ASSERT_EQ(name.size(), 72);
  nameLines(name, "TORNEIRA DE PAREDE BICA MOVEL 1/2 PL", "REGISTRO GAVETA BRUTO 3/4 LATAO 0123");
}

TEST(PplaPriceLabels, NameOf90CharactersIsCutAt72) {
  const QString name =
      "TORNEIRA DE PAREDE BICA MOVEL 1/2 PLREGISTRO GAVETA BRUTO 3/4 LATAO 0123SOBRA DE DEZOITO C";
  ASSERT_EQ(name.size(), 90);
  const QByteArray all =
      nameLines(name, "TORNEIRA DE PAREDE BICA MOVEL 1/2 PL", "REGISTRO GAVETA BRUTO 3/4 LATAO 0123");
  EXPECT_FALSE(all.contains("SOBRA"));
}

TEST(PplaPriceLabels, EmptyBarcodeSendsHeadersAndTheLetterB) {
  auto job = sample();
  job.barcode = "";
  const QByteArray expected = startBlock() + lines({
                                                 "121100000600035LOJA TALVORA LTDA",
                                                 "111100000500035PARAFUSO SEXTAVADO 8",
                                                 "111100000430035",
                                                 "121100000300035",
                                                 "1e5202000050035B",
                                                 "121100000300130R$ 12,90",
                                                 "121100000600230LOJA TALVORA LTDA",
                                                 "111100000500230PARAFUSO SEXTAVADO 8",
                                                 "111100000430230",
                                                 "121100000300230",
                                                 "1e5202000050230B",
                                                 "121100000300310R$ 12,90",
                                             }) +
                              endBlock("0002");
  EXPECT_EQ(bytes(ppla::priceLabelJob(job)), expected);
}

TEST(PplaPriceLabels, PriceIsGroupedWithTwoDecimals) {
  auto job = sample();
  job.price = 1234.5;
  const QByteArray got = bytes(ppla::priceLabelJob(job));
  EXPECT_TRUE(got.contains("\r\n121100000300130R$ 1.234,50\r\n"));
  EXPECT_TRUE(got.contains("\r\n121100000300310R$ 1.234,50\r\n"));
  job.price = 0.5;
  EXPECT_TRUE(bytes(ppla::priceLabelJob(job)).contains("\r\n121100000300130R$ 0,50\r\n"));
}

TEST(PplaPriceLabels, AccentedDataIsWrittenAsSingleBytes) {
  auto job = sample();
  job.company = "CASA SÃO JOÃO";
  job.productName = "CAPACETE DE SEGURANÇA";
  const QByteArray got = bytes(ppla::priceLabelJob(job));
  EXPECT_TRUE(got.contains(QByteArray::fromStdString("\r\n121100000600035" +
                                                     cp("CASA SÃO JOÃO") + "\r\n")));
  EXPECT_TRUE(got.contains(QByteArray::fromStdString("\r\n111100000500230" +
                                                     cp("CAPACETE DE SEGURANÇA") + "\r\n")));
  EXPECT_TRUE(got.contains("SEGURAN\xC7" "A"));
}

TEST(PplaOrderLabels, ThePlacesOfARow) {
  ppla::OrderLabel label;
  label.company = "LOJA TALVORA LTDA";
  label.barcode = Value::text("  7891000100103 ");
  label.name = Value::text("LUVA DE PROCEDIMENTO TAMANHO M");  // cut at 21
  label.unitPrice = Value::decimal(1234.5);
  label.withPrice = true;
  LineComposer lc;
  ppla::orderLabel(lc, ppla::Place::Left, label);
  ppla::orderLabel(lc, ppla::Place::Middle, label);
  label.withPrice = false;
  ppla::orderLabel(lc, ppla::Place::Right, label);
  EXPECT_EQ(bytes(lc.text()), lines({
                                  "121100000580045LOJA TALVORA LTDA",
                                  "1211000004700307891000100103",
                                  "121100000360030LUVA DE PROCEDIMENTO ",
                                  "121100000250030R$     1.234,50",
                                  "1e82020000400307891000100103",
                                  "121100000580180LOJA TALVORA LTDA",
                                  "1211000004701657891000100103",
                                  "121100000360165LUVA DE PROCEDIMENTO ",
                                  "121100000250165R$     1.234,50",
                                  "1e82020000401657891000100103",
                                  "121100000580320LOJA TALVORA LTDA",
                                  "1211000004703057891000100103",
                                  "121100000360305LUVA DE PROCEDIMENTO ",
                                  "1e82020000403057891000100103",
                              }));
}

TEST(PplaOrderLabels, NullValuesSendTheHeadersAlone) {
  ppla::OrderLabel label;
  label.company = "";
  label.barcode = Value::null();
  label.name = Value::null();
  label.unitPrice = Value::null();
  LineComposer lc;
  ppla::orderLabel(lc, ppla::Place::Middle, label);
  EXPECT_EQ(bytes(lc.text()), lines({
                                  "121100000580180",
                                  "121100000470165",
                                  "121100000360165",
                                  "121100000250165R$     ",
                                  "1e8202000040165",
                              }));
}

TEST(PplaBlocks, StartAndEnd) {
  LineComposer lc;
  ppla::startBlock(lc);
  ppla::endBlock(lc, "0001");
  const QByteArray expected("\x02" "e\r\n"
                            "\x02" "KI7\0\r\n"
                            "\x02" "c000\r\n"
                            "\x02" "L\r\n"
                            "D11\r\n"
                            "\x02" "Q0001\r\n"
                            "\x02" "E\r\n"
                            "\x02" "f320\r\n",
                            46);
  EXPECT_EQ(bytes(lc.text()), expected);
}
