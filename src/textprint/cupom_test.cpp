#include "textprint/cupom.h"

#include "textdoc_testutil.h"

namespace {

using namespace textdoc;

class CupomTest : public ::testing::Test {
 protected:
  void SetUp() override { openDemo(m); }

  // Prints the sale into a fresh printer file and returns its bytes.
  QByteArray print(const QString& sacod) {
    m.job.SACOD = sacod;
    m.job.LOCALIMPRESSORA = scratchFile("cupom-" + sacod + ".prn");
    QFile::remove(m.job.LOCALIMPRESSORA);
    Cupom(m, ui);
    return testsupport::readFile(m.job.LOCALIMPRESSORA);
  }

  modCnn m;
  ui::ScriptedUi ui;
};

// Sale 4: store lines (54 characters below the command bytes, 64 cut to 56,
// footer blanks trimmed, a null footer skipped), promotion marks, a
// 20-character bar code, names of 58, 84 and 123 characters, item remarks,
// two payments, the exchange and the paper cut. Sale 5: a zero discount still
// printed (total less paid, negative), no payments, no exchange. Sale 50: a
// null discount leaves its line out.
TEST_F(CupomTest, GoldenReceipts) {
  for (const QString sale : {"4", "5", "50"}) {
    SCOPED_TRACE(sale.toStdString());
    expectSameBytes(print(sale), golden("cupom_sale" + sale + ".prn"));
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(CupomTest, NoSaleOpensNothing) {
  m.job.SACOD = QString("999");
  m.job.LOCALIMPRESSORA = scratchFile("no-such-folder/cupom.prn");  // opening it would fail
  EXPECT_NO_THROW(Cupom(m, ui));
  EXPECT_FALSE(QFile::exists(m.job.LOCALIMPRESSORA));
  EXPECT_TRUE(ui.shown.empty());
  m.job.SACOD.reset();
  EXPECT_FALSE(readCupom(m).has_value());
}

// The composer alone, on sales made up here.
CupomItem item(const QString& name, double qtd, double price, bool promotion = false) {
  CupomItem it;
  it.code = "789";
  it.name = name;
  it.quantity = Value::decimal(qtd);
  it.unit = Value::text("UN");
  it.unitPrice = Value::decimal(price);
  it.promotion = promotion;
  return it;
}

CupomSale sale() {
  CupomSale d;
  d.saleNumber = "5";
  d.operatorName = Value::text("PEDRO.D");
  d.date = "19/01/2024";
  d.customerCode = Value::integer(14);
  d.total = Value::decimal(30);
  d.paid = Value::decimal(30);
  d.discount = Value::null();
  return d;
}

// Without store lines the sale header follows the command bytes on the same
// line; no header ruler, no footer.
TEST(CupomCompose, NoStoreLinesPutTheSaleHeaderAfterTheCommand) {
  const QString receipt = composeCupom(sale());
  const QString esc = QString::fromLatin1("\x1B\x21\x01");
  EXPECT_TRUE(receipt.startsWith(esc + "NRO. 5" + QString(5, ' ') + "OPER.PEDRO.D" +
                                 QString(11, ' ') + "19/01/2024\r\nCLI. 14 "))
      << receipt.left(80).toStdString();
  EXPECT_EQ(receipt.count(QString(56, '_')), 3);  // items, totals and payments only
  EXPECT_TRUE(receipt.endsWith("VENDEDOR: \r\n\r\n\r\n\r\n\r\n" +
                               QString::fromLatin1("\x1D\x56\x42\x00", 4)));
}

// A promotion mark before a long name: the line holds 57 columns, the rest
// of the name follows on the next line.
TEST(CupomCompose, PromotionMarkBeforeALongName) {
  CupomSale d = sale();
  d.items = {item(QString(56, 'A') + "0V", 2, 10, true)};
  EXPECT_TRUE(composeCupom(d).contains("\r\n*" + QString(56, 'A') + "\r\n0V\r\n"));
}

TEST(CupomCompose, NullQuantityStopsTheReceipt) {
  CupomSale d = sale();
  d.items = {item("A", 1, 10)};
  d.items[0].quantity = Value::null();
  expectRuntimeError([&] { composeCupom(d); }, "itqtd");
}

}  // namespace
