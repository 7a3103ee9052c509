#include "labels/ppla.h"

#include <functional>

#include "labels/labels_testutil.h"

using namespace labeltest;

namespace {

const char* const kCompany = "LOJA TALVORA LTDA";
// The company name is never cut, however long.
const QString kLongCompany =
    "LOJA TALVORA COMERCIO DE FERRAGENS MATERIAIS ELETRICOS E HIDRAULICOS LTDA - MATRIZ 01";

ppla::PriceLabels sample() {
  return {kCompany, "PARAFUSO SEXTAVADO 8", "7891234567895", 12.9, true, "0002"};
}

}  // namespace

// The sample, then each case changes it in one way; the name goes 36
// characters to a line (testdata/ppla_precos.lines).
TEST(PplaPriceLabels, Variants) {
  const QString name37 = "CABO FLEXIVEL 2,5MM AZUL ROLO 100 M.Ç";
  const QString name72 = "TORNEIRA DE PAREDE BICA MOVEL 1/2 PLREGISTRO GAVETA BRUTO 3/4 LATAO 0123";
  const QString name90 = name72 + "SOBRA DE DEZOITO C";
  const struct {
    const char* what;
    std::function<void(ppla::PriceLabels&)> change;
  } cases[] = {
      {"with price, two copies", [](auto&) {}},
      {"SEM PREÇO", [](auto& j) { j.withPrice = false; }},
      {"36", [&](auto& j) { j.productName = name37.left(36); }},
      {"37", [&](auto& j) { j.productName = name37; }},
      {"72", [&](auto& j) { j.productName = name72; }},
      {"90", [&](auto& j) { j.productName = name90; }},
      {"empty CODBARRAS", [](auto& j) { j.barcode = ""; }},
      {"1234.5", [](auto& j) { j.price = 1234.5; }},
      {"0.5", [](auto& j) { j.price = 0.5; }},
      {"long company", [](auto& j) { j.company = kLongCompany; }},
  };
  QStringList actual;
  for (const auto& c : cases) {
    auto job = sample();
    c.change(job);
    actual << QString("= ") + c.what << listing(cp1252::encode(ppla::priceLabelJob(job)));
  }
  testsupport::expectGoldenLines(actual, golden("ppla_precos.lines"));
}

TEST(PplaOrderLabels, ThePlacesOfARowAndNullValues) {
  // The bar code is trimmed, the name cut at 21 characters.
  ppla::OrderLabel label{kCompany, Value::text("  7891000100103 "),
                         Value::text("LUVA DE PROCEDIMENTO TAMANHO M"), Value::decimal(1234.5)};
  LineComposer lc;
  ppla::orderLabel(lc, ppla::Place::Left, label);
  ppla::orderLabel(lc, ppla::Place::Middle, label);
  label.withPrice = false;
  label.company = kLongCompany;
  ppla::orderLabel(lc, ppla::Place::Right, label);
  LineComposer nulls;
  ppla::orderLabel(nulls, ppla::Place::Middle,
                   {"", Value::null(), Value::null(), Value::null(), true});
  testsupport::expectGoldenLines(QStringList("= left, middle, right") +
                                     listing(cp1252::encode(lc.text())) + QStringList("= nulls") +
                                     listing(cp1252::encode(nulls.text())),
                                 golden("ppla_pedido.lines"));
}

// Values are data: a name holding CR LF STX "Q0099" (a print-quantity
// command) or an ESC in the company reaches the printer as blanks.
TEST(PplaOrderLabels, ControlBytesInValuesNeverBecomeCommands) {
  ppla::OrderLabel label;
  label.company = QString::fromLatin1("LOJA\x1B@\x02" "E");
  label.name = Value::text(QString::fromLatin1("CABO\r\n\x02Q0099"));
  label.barcode = Value::text(QString::fromLatin1("789\x7F"));
  label.unitPrice = Value::decimal(1);
  LineComposer lc;
  ppla::orderLabel(lc, ppla::Place::Left, label);
  const QByteArray out = cp1252::encode(lc.text());
  EXPECT_TRUE(out.contains("121100000580045LOJA @ E\r\n"));
  EXPECT_TRUE(out.contains("121100000360030CABO   Q0099\r\n"));
  EXPECT_TRUE(out.contains("121100000470030789 \r\n"));
  EXPECT_EQ(out.count('\x02'), 0);  // the order label itself holds no STX command
  EXPECT_EQ(out.count('\r'), out.count("\r\n"));
}
