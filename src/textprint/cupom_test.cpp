#include "textprint/cupom.h"

#include <QSqlQuery>

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
    EXPECT_EQ(m.Rs.State(), 0);
    EXPECT_EQ(m.Rs2.State(), 0);
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
  EXPECT_EQ(m.Rs.State(), 0);
  m.job.SACOD.reset();
  EXPECT_FALSE(composeCupom(m).has_value());
}

// Without a store row the sale header follows the command bytes on the same
// line; no header ruler, no footer. The store is hidden inside a transaction
// that the receipt shares and that is rolled back.
TEST_F(CupomTest, NoStoreRowPutsTheSaleHeaderAfterTheCommand) {
  QSqlDatabase db = m.Cnn.database();
  ASSERT_TRUE(db.transaction());
  QSqlQuery hide(db);
  ASSERT_TRUE(hide.exec("update interveniente set fktipointerveniente=1 where incod=1"));
  m.job.SACOD = QString("5");
  const auto receipt = composeCupom(m);
  db.rollback();
  ASSERT_TRUE(receipt.has_value());
  const QString esc = QString::fromLatin1("\x1B\x21\x01");
  EXPECT_TRUE(receipt->startsWith(esc + "NRO. 5" + QString(5, ' ') + "OPER.PEDRO.D" +
                                  QString(11, ' ') + "19/01/2024\r\nCLI. 14 "))
      << receipt->left(80).toStdString();
  EXPECT_EQ(receipt->count(QString(56, '_')), 3);  // items, totals and payments only
  EXPECT_FALSE(receipt->contains("OBRIGADO"));
  EXPECT_TRUE(receipt->endsWith("PEDRO D'ALMEIDA\r\n\r\n\r\n\r\n\r\n" +
                                QString::fromLatin1("\x1D\x56\x42\x00", 4)));
}

// A promotion mark before a long name: the line holds 57 columns, the rest
// of the name follows on the next line.
TEST_F(CupomTest, PromotionMarkBeforeALongName) {
  QSqlDatabase db = m.Cnn.database();
  ASSERT_TRUE(db.transaction());
  QSqlQuery mark(db);
  ASSERT_TRUE(mark.exec("update itemsaida set tppromocao='1' where itcod=4006"));
  m.job.SACOD = QString("4");
  const auto receipt = composeCupom(m);
  db.rollback();
  ASSERT_TRUE(receipt.has_value());
  EXPECT_TRUE(receipt->contains(
      "\r\n*AR-CONDICIONADO SPLIT 12000 BTUS INVERTER QUENTE/FRIO 22\r\n0V\r\n"));
}

TEST_F(CupomTest, ThirtyItemsCountQuantitiesNotRows) {
  m.job.SACOD = QString("3");
  const auto receipt = composeCupom(m);
  ASSERT_TRUE(receipt.has_value());
  // 30 lines of quantity 1 + (n mod 2): fifteen of 2 and fifteen of 1.
  EXPECT_TRUE(receipt->contains("ITENS" + QString(11, ' ') + "    45" + QString(10, ' ') +
                                "SUB TOTAL:"));
  EXPECT_EQ(receipt->count("\r\n*"), 4);  // promotion marks on lines 7, 14, 21 and 28
  EXPECT_FALSE(receipt->contains("DESCONTO(-)"));
}

}  // namespace
