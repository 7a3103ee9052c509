#include "labels/ppla.h"

#include <functional>
#include <gtest/gtest.h>

#include "labels/labels_testutil.h"
#include "core/cp1252.h"

using namespace labeltest;

namespace {

const char* const kCompany = "LOJA TALVORA LTDA";
const char* const kName20 = "PARAFUSO SEXTAVADO 8";
const char* const kCode = "7891234567895";
// The company name is never cut, however long.
const std::string kLongCompany =
    "LOJA TALVORA COMERCIO DE FERRAGENS MATERIAIS ELETRICOS E HIDRAULICOS LTDA - MATRIZ 01";

ppla::PriceLabels sample() { return {kCompany, kName20, kCode, 12.9, true, "0002"}; }

QByteArray bytes(const QString& s) { return cp1252::encode(s); }

}  // namespace

// The sample, then each case changes it in one way; the name goes 36
// characters to a line.
TEST(PplaPriceLabels, Variants) {
  const std::string n36 = "CABO FLEXIVEL 2,5MM AZUL ROLO 100 M.";
  const std::string a36 = "TORNEIRA DE PAREDE BICA MOVEL 1/2 PL";
  const std::string b36 = "REGISTRO GAVETA BRUTO 3/4 LATAO 0123";
  const QString name37 = QString::fromStdString(n36) + "Ç";
  const QString name72 = QString::fromStdString(a36 + b36);
  const QString name90 = name72 + "SOBRA DE DEZOITO C";
  ASSERT_EQ(QList<qsizetype>({name37.size(), name72.size(), name90.size()}),
            QList<qsizetype>({37, 72, 90}));
  const struct {
    const char* what;
    std::function<void(ppla::PriceLabels&)> change;
    PriceRow want;
  } cases[] = {
      {"with price, two copies", [](auto&) {}, {kCompany, kName20, "", kCode, "12,90"}},
      {"SEM PREÇO", [](auto& j) { j.withPrice = false; }, {kCompany, kName20, "", kCode, ""}},
      {"36", [&](auto& j) { j.productName = QString::fromStdString(n36); },
       {kCompany, n36, "", kCode, "12,90"}},
      {"37", [&](auto& j) { j.productName = name37; }, {kCompany, n36, "\xC7", kCode, "12,90"}},
      {"72", [&](auto& j) { j.productName = name72; }, {kCompany, a36, b36, kCode, "12,90"}},
      {"90", [&](auto& j) { j.productName = name90; }, {kCompany, a36, b36, kCode, "12,90"}},
      {"empty CODBARRAS", [](auto& j) { j.barcode = ""; }, {kCompany, kName20, "", "", "12,90"}},
      {"1234.5", [](auto& j) { j.price = 1234.5; }, {kCompany, kName20, "", kCode, "1.234,50"}},
      {"0.5", [](auto& j) { j.price = 0.5; }, {kCompany, kName20, "", kCode, "0,50"}},
      {"long company", [](auto& j) { j.company = QString::fromStdString(kLongCompany); },
       {kLongCompany, kName20, "", kCode, "12,90"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto job = sample();
    c.change(job);
    EXPECT_EQ(bytes(ppla::priceLabelJob(job)), priceJob(c.want, "0002"));
  }
}

TEST(PplaOrderLabels, ThePlacesOfARowAndNullValues) {
  // The bar code is trimmed, the name cut at 21 characters.
  ppla::OrderLabel label{kCompany, Value::text("  7891000100103 "),
                         Value::text("LUVA DE PROCEDIMENTO TAMANHO M"), Value::decimal(1234.5)};
  LineComposer lc;
  ppla::orderLabel(lc, ppla::Place::Left, label);
  ppla::orderLabel(lc, ppla::Place::Middle, label);
  label.withPrice = false;
  label.company = QString::fromStdString(kLongCompany);
  ppla::orderLabel(lc, ppla::Place::Right, label);
  const std::string code = "7891000100103", name = "LUVA DE PROCEDIMENTO ";
  EXPECT_EQ(bytes(lc.text()), orderLabel(kLeft, code, name, "1.234,50", kCompany) +
                                  orderLabel(kMiddle, code, name, "1.234,50", kCompany) +
                                  orderLabel(kRight, code, name, nullptr, kLongCompany));

  LineComposer nulls;
  ppla::orderLabel(nulls, ppla::Place::Middle,
                   {"", Value::null(), Value::null(), Value::null(), true});
  EXPECT_EQ(bytes(nulls.text()), orderLabel(kMiddle, "", "", "", ""));
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
  const QByteArray out = bytes(lc.text());
  EXPECT_TRUE(out.contains("121100000580045LOJA @ E\r\n"));
  EXPECT_TRUE(out.contains("121100000360030CABO   Q0099\r\n"));
  EXPECT_TRUE(out.contains("121100000470030789 \r\n"));
  EXPECT_EQ(out.count('\x02'), 0);  // the order label itself holds no STX command
  EXPECT_EQ(out.count('\r'), out.count("\r\n"));
}
