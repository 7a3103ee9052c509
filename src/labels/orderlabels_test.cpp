// The order-label job against the demo database: sales 6 to 11 are seeded
// for it (no items; quantities 1,1,1 / 2,2 / 4 / 2,5 / 0,-1,null,1).
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "labels/frm_etiqueta_argox.h"
#include "labels/labeljobs.h"
#include "labels/labels_testutil.h"
#include "startup/errors.h"
#include "testsupport.h"

using namespace labeltest;

namespace {

struct OrderJob {
  modCnn m;
  ui::ScriptedUi ui;
  explicit OrderJob(const std::optional<QString>& sacod, const char* file) {
    m.Cnn.open(testsupport::fixtureConnectionString());
    m.job.RELATORIO = "etiqueta_pedido";
    m.job.NOMEEMPRESA = "BRISA NORTE";
    m.job.SACOD = sacod;
    m.job.IMPRESSORA = QDir(testsupport::scratchDir()).filePath(file);
    QFile::remove(m.job.IMPRESSORA);
  }
  QByteArray run() {
    IMPRIME_ETIQUETA_PEDIDO(m, ui);
    return testsupport::readFile(m.job.IMPRESSORA);
  }
};

}  // namespace

TEST(OrderLabels, AsksOnceWithYesAsDefault) {
  OrderJob job(QString("7"), "question.prn");
  job.run();
  ASSERT_EQ(job.ui.shown.size(), 1u);
  EXPECT_EQ(job.ui.shown[0].text,
            QString("Confirma a impressão das etiquetas com preço de venda?\r\n"
                    "Para imprimir as etiquetas sem preço, clique em Não."));
  EXPECT_EQ(job.ui.shown[0].title, QString("Talvora"));
  EXPECT_EQ(job.ui.shown[0].icon, ui::Icon::None);
  EXPECT_EQ(job.ui.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(job.ui.shown[0].defaultAnswer, ui::Answer::Yes);
  EXPECT_EQ(job.m.Rs.State(), 0);  // closed after the job
}

TEST(OrderLabels, ThreeItemsOfOneShareOneRow) {
  OrderJob job(QString("7"), "sale7.prn");
  EXPECT_EQ(job.run(),
            lines({
                "\x02" "e",
                std::string("\x02" "KI7") + '\0',
                "\x02" "c000",
                "\x02" "L",
                "D11",
                "121100000580045BRISA NORTE",
                "1211000004700307891234500147",
                "121100000360030FILTRO DE AR LAV\xC1VEL ",
                "121100000250030R$     19,90",
                "1e82020000400307891234500147",
                "121100000580180BRISA NORTE",
                "1211000004701657891234500154",
                "121100000360165FILTRO DE AR LAV\xC1VEL ",
                "121100000250165R$     24,90",
                "1e82020000401657891234500154",
                "121100000580320BRISA NORTE",
                "1211000004703057891234500161",
                "121100000360305TERMOSTATO DIGITAL PA",
                "121100000250305R$     189,00",
                "1e82020000403057891234500161",
                "\x02" "Q0001",
                "\x02" "E",
                "\x02" "f320",
            }));
}

TEST(OrderLabels, TwoItemsOfTwoRunOnIntoASecondRowAndTheFileKeepsBoth) {
  OrderJob job(QString("8"), "sale8.prn");
  const QByteArray expected =
      startBlock() +
      lines({
          "121100000580045BRISA NORTE",
          "1211000004700307891234500178",
          "121100000360030VENTILADOR AXIAL PARA",
          "121100000250030R$     349,00",
          "1e82020000400307891234500178",
          "121100000580180BRISA NORTE",
          "1211000004701657891234500178",
          "121100000360165VENTILADOR AXIAL PARA",
          "121100000250165R$     349,00",
          "1e82020000401657891234500178",
          "121100000580320BRISA NORTE",
          "1211000004703057891234500017",
          "121100000360305AR-CONDICIONADO SPLIT",
          "121100000250305R$     1.899,00",
          "1e82020000403057891234500017",
      }) +
      endBlock("0001") + startBlock() +
      lines({
          "121100000580045BRISA NORTE",
          "1211000004700307891234500017",
          "121100000360030AR-CONDICIONADO SPLIT",
          "121100000250030R$     1.899,00",
          "1e82020000400307891234500017",
      }) +
      endBlock("0001");
  EXPECT_EQ(job.run(), expected);
}

TEST(OrderLabels, FourOfOneItemMakeAFullRowAndALeftLabel) {
  OrderJob job(QString("9"), "sale9.prn");
  const QByteArray expected =
      startBlock() +
      lines({
          "121100000580045BRISA NORTE",
          "1211000004700307891234500024",
          "121100000360030AR-CONDICIONADO SPLIT",
          "121100000250030R$     1.234,50",
          "1e82020000400307891234500024",
          "121100000580180BRISA NORTE",
          "1211000004701657891234500024",
          "121100000360165AR-CONDICIONADO SPLIT",
          "121100000250165R$     1.234,50",
          "1e82020000401657891234500024",
          "121100000580320BRISA NORTE",
          "1211000004703057891234500024",
          "121100000360305AR-CONDICIONADO SPLIT",
          "121100000250305R$     1.234,50",
          "1e82020000403057891234500024",
      }) +
      endBlock("0001") + startBlock() +
      lines({
          "121100000580045BRISA NORTE",
          "1211000004700307891234500024",
          "121100000360030AR-CONDICIONADO SPLIT",
          "121100000250030R$     1.234,50",
          "1e82020000400307891234500024",
      }) +
      endBlock("0001");
  EXPECT_EQ(job.run(), expected);
}

TEST(OrderLabels, AnswerNoLeavesOutOnlyThePriceLines) {
  OrderJob job(QString("9"), "sale9-no.prn");
  job.ui.answers.push_back(ui::Answer::No);
  const QByteArray expected =
      startBlock() +
      lines({
          "121100000580045BRISA NORTE",
          "1211000004700307891234500024",
          "121100000360030AR-CONDICIONADO SPLIT",
          "1e82020000400307891234500024",
          "121100000580180BRISA NORTE",
          "1211000004701657891234500024",
          "121100000360165AR-CONDICIONADO SPLIT",
          "1e82020000401657891234500024",
          "121100000580320BRISA NORTE",
          "1211000004703057891234500024",
          "121100000360305AR-CONDICIONADO SPLIT",
          "1e82020000403057891234500024",
      }) +
      endBlock("0001") + startBlock() +
      lines({
          "121100000580045BRISA NORTE",
          "1211000004700307891234500024",
          "121100000360030AR-CONDICIONADO SPLIT",
          "1e82020000400307891234500024",
      }) +
      endBlock("0001");
  EXPECT_EQ(job.run(), expected);
}

TEST(OrderLabels, AFractionalQuantityPrintsTheNextWholeNumber) {
  OrderJob job(QString("10"), "sale10.prn");
  const QByteArray expected = startBlock() + lines({
                                                 "121100000580045BRISA NORTE",
                                                 "121100000470030200003",
                                                 "121100000360030TUBO DE COBRE 1/4 POL",
                                                 "121100000250030R$     18,50",
                                                 "1e8202000040030200003",
                                                 "121100000580180BRISA NORTE",
                                                 "121100000470165200003",
                                                 "121100000360165TUBO DE COBRE 1/4 POL",
                                                 "121100000250165R$     18,50",
                                                 "1e8202000040165200003",
                                                 "121100000580320BRISA NORTE",
                                                 "121100000470305200003",
                                                 "121100000360305TUBO DE COBRE 1/4 POL",
                                                 "121100000250305R$     18,50",
                                                 "1e8202000040305200003",
                                             }) +
                              endBlock("0001");
  EXPECT_EQ(job.run(), expected);
}

TEST(OrderLabels, ZeroNegativeAndNullQuantitiesPrintNone) {
  OrderJob job(QString("11"), "sale11.prn");
  const QByteArray expected = startBlock() + lines({
                                                 "121100000580045BRISA NORTE",
                                                 "121100000470030200007",
                                                 "121100000360030CABO PP 3 X 2,5 MM\xB2 (",
                                                 "121100000250030R$     10,00",
                                                 "1e8202000040030200007",
                                             }) +
                              endBlock("0001");
  EXPECT_EQ(job.run(), expected);
}

TEST(OrderLabels, ASaleWithoutItemsOpensNothing) {
  {
    OrderJob job(QString("6"), "sale6.prn");
    job.run();
    EXPECT_FALSE(QFile::exists(job.m.job.IMPRESSORA));
  }
  // Not even an empty printer path is touched.
  OrderJob empty(QString("6"), "unused.prn");
  empty.m.job.IMPRESSORA.clear();
  EXPECT_NO_THROW(empty.run());
}

TEST(OrderLabels, AMissingSaleCodeFindsNoItems) {
  OrderJob job(std::nullopt, "nosale.prn");
  EXPECT_NO_THROW(job.run());
  EXPECT_FALSE(QFile::exists(job.m.job.IMPRESSORA));
  EXPECT_EQ(job.ui.shown.size(), 1u);
}

// A code without a value goes to SQL as 0: '' is refused by an integer column.
TEST(OrderLabels, TheSaleCodeIsSentAsTheJobFileHeldItOrZero) {
  OrderJob job(QString("7"), "sql.prn");
  job.run();
  EXPECT_TRUE(job.m.Rs.sql().endsWith("where i.itfksacod ='7' order by i.itcod"));
  OrderJob none(std::nullopt, "sql0.prn");
  none.run();
  EXPECT_TRUE(none.m.Rs.sql().endsWith("where i.itfksacod ='0' order by i.itcod"));
}

TEST(OrderLabels, EmptyPrinterPathIsARuntimeError) {
  OrderJob job(QString("7"), "unused.prn");
  job.m.job.IMPRESSORA.clear();
  EXPECT_THROW(job.run(), RuntimeError);
}

TEST(OrderLabels, ADeviceTakesEveryRow) {
  if (!QFile::exists("/dev/null")) GTEST_SKIP() << "no /dev/null";
  OrderJob job(QString("9"), "unused.prn");
  job.m.job.IMPRESSORA = "/dev/null";
  EXPECT_NO_THROW(job.run());
}

TEST(OrderLabels, RowsAreSeparateJobsOnTheWindow) {
  // Each row is its own open-close pair: INICIA_IMP and FINALIZA_IMP on the window.
  OrderJob job(QString("8"), "pairs.prn");
  frm_etiqueta_argox form(job.m, job.ui);
  form.IMPRIME_ETIQUETA_PEDIDO();
  const QByteArray bytes = testsupport::readFile(job.m.job.IMPRESSORA);
  EXPECT_EQ(bytes.count(QByteArray::fromStdString(STX + "KI7" + NUL)), 2);
  EXPECT_EQ(bytes.count("\x02" "Q0001\r\n"), 2);
  EXPECT_FALSE(form.isVisible());
}
