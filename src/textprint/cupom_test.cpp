#include "textprint/cupom.h"

#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "startup/errors.h"
#include "textdoc_testutil.h"

namespace {

using textdoc::expectSameBytes;
using textdoc::golden;
using textdoc::scratchFile;

class CupomTest : public ::testing::Test {
 protected:
  void SetUp() override { textdoc::openDemo(m); }

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

// Store lines (the 54-character one below the command bytes, a 64-character
// one cut to 56, footer blanks trimmed, a null footer skipped), promotion
// marks, a 20-character bar code, names of 58, 84 and 123 characters, item
// remarks, two payments and the exchange section.
TEST_F(CupomTest, SaleWithExchange) {
  expectSameBytes(print("4"), golden("cupom_sale4.prn"));
  EXPECT_TRUE(ui.shown.empty());
}

// A zero discount still prints its line (total less paid, negative here);
// no payments and no exchange rows.
TEST_F(CupomTest, SaleWithoutPaymentsOrExchange) {
  expectSameBytes(print("5"), golden("cupom_sale5.prn"));
}

// A null discount leaves the "DESCONTO(-)" line out.
TEST_F(CupomTest, NullDiscountHasNoDiscountLine) {
  const QByteArray bytes = print("50");
  expectSameBytes(bytes, golden("cupom_sale50.prn"));
  EXPECT_FALSE(bytes.contains("DESCONTO(-)"));
}

TEST_F(CupomTest, EndsWithThePaperCut) {
  const QByteArray bytes = print("4");
  EXPECT_TRUE(bytes.startsWith("\x1B\x21\x01\r\n"));
  EXPECT_TRUE(bytes.endsWith(QByteArray("\r\n\r\n\r\n\r\n\x1D\x56\x42\x00", 12)));
}

TEST_F(CupomTest, NoSaleRowOpensNothing) {
  m.job.SACOD = QString("999");
  // A path that could not be opened: the receipt must not even try.
  m.job.LOCALIMPRESSORA = scratchFile("no-such-folder/cupom.prn");
  EXPECT_NO_THROW(Cupom(m, ui));
  EXPECT_FALSE(QFile::exists(m.job.LOCALIMPRESSORA));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(m.Rs.State(), 0);
}

TEST_F(CupomTest, MissingSaleCodeOpensNothing) {
  m.job.SACOD.reset();
  EXPECT_FALSE(composeCupom(m).has_value());
}

// Sale 11 has an item whose quantity is null: the sum stops the receipt,
// and what the printer file held before is left alone.
TEST_F(CupomTest, NullQuantityStopsBeforeAnyByte) {
  m.job.SACOD = QString("11");
  m.job.LOCALIMPRESSORA = scratchFile("cupom-11.prn");
  {
    QFile f(m.job.LOCALIMPRESSORA);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("previous");
  }
  try {
    Cupom(m, ui);
    FAIL() << "a null quantity must stop the receipt";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("itqtd")) << e.message().toStdString();
  }
  EXPECT_EQ(testsupport::readFile(m.job.LOCALIMPRESSORA), QByteArray("previous"));
}

TEST_F(CupomTest, UnopenablePrinterIsARuntimeError) {
  m.job.SACOD = QString("5");
  m.job.LOCALIMPRESSORA = scratchFile("no-such-folder/cupom.prn");
  EXPECT_THROW(Cupom(m, ui), RuntimeError);
  m.job.LOCALIMPRESSORA.clear();
  EXPECT_THROW(Cupom(m, ui), RuntimeError);
}

// Without a store row the receipt starts with the command bytes and the sale
// header follows on the same line; no header ruler, no footer. The store is
// hidden inside a transaction that the receipt shares and that is rolled back.
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
