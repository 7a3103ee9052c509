// The order-label job against the demo database: sales 6 to 11 are seeded
// for it (no items; quantities 1,1,1 / 2,2 / 4 / 2,5 / 0,-1,null,1).
#include <QFile>
#include <gtest/gtest.h>

#include "labels/frm_etiqueta_argox.h"
#include "labels/labeljobs.h"
#include "labels/orderlabels.h"
#include "labels/labels_testutil.h"
#include "core/errors.h"

using namespace labeltest;

namespace {

struct OrderJob {
  modCnn m;
  ui::ScriptedUi ui;
  OrderJob(const std::optional<QString>& sacod, const QString& file) {
    m.Cnn.open(testsupport::fixtureConnectionString());
    m.job.NOMEEMPRESA = "BRISA NORTE";
    m.job.SACOD = sacod;
    m.job.IMPRESSORA = freshPath(file);
  }
  void run() { IMPRIME_ETIQUETA_PEDIDO(m, ui); }
};

}  // namespace

// One question (Yes by default); a row takes three labels and is one job, and
// the file keeps every row. A fractional quantity prints the next whole
// number, zero or less none.
TEST(OrderLabels, QuantitiesFillRowsOfThree) {
  const std::string filtro = "FILTRO DE AR LAV\xC1VEL ", ar = "AR-CONDICIONADO SPLIT";
  const auto ar9 = [&](Place p, const char* price) {
    return orderLabel(p, "7891234500024", ar, price);
  };
  const struct {
    const char* sale;
    std::optional<ui::Answer> answer;
    QByteArray want;
  } cases[] = {
      {"7", std::nullopt,
       orderRow(orderLabel(kLeft, "7891234500147", filtro, "19,90") +
                orderLabel(kMiddle, "7891234500154", filtro, "24,90") +
                orderLabel(kRight, "7891234500161", "TERMOSTATO DIGITAL PA", "189,00"))},
      {"9", ui::Answer::Yes,
       orderRow(ar9(kLeft, "1.234,50") + ar9(kMiddle, "1.234,50") + ar9(kRight, "1.234,50")) +
           orderRow(ar9(kLeft, "1.234,50"))},
      {"9", ui::Answer::No,
       orderRow(ar9(kLeft, nullptr) + ar9(kMiddle, nullptr) + ar9(kRight, nullptr)) +
           orderRow(ar9(kLeft, nullptr))},
      {"11", std::nullopt,
       orderRow(orderLabel(kLeft, "200007", "CABO PP 3 X 2,5 MM\xB2 (", "10,00"))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("sale ") + c.sale + (c.answer == ui::Answer::No ? " Não" : ""));
    OrderJob job(QString(c.sale), QString("sale%1.prn").arg(c.sale));
    if (c.answer) job.ui.answers.push_back(*c.answer);
    frm_etiqueta_argox form(job.m, job.ui);  // the job's window is never shown
    form.IMPRIME_ETIQUETA_PEDIDO();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(testsupport::readFile(job.m.job.IMPRESSORA), c.want);
    ASSERT_EQ(job.ui.shown.size(), 1u);
    const auto& shown = job.ui.shown[0];
    EXPECT_EQ(shown.text, "Confirma a impressão das etiquetas com preço de venda?\r\n"
                          "Para imprimir as etiquetas sem preço, clique em Não.");
    EXPECT_EQ(std::tuple(shown.title, shown.icon, shown.buttons, shown.defaultAnswer),
              std::tuple(QString("Talvora"), ui::Icon::None, ui::Buttons::YesNo, ui::Answer::Yes));
  }
}

// The printer path is opened only for a label; a missing sale code goes to
// SQL as 0 ('' is refused by an integer column) and finds no items.
TEST(OrderLabels, ThePrinterPathIsOpenedOnlyForALabel) {
  const std::pair<std::optional<QString>, QString> cases[] = {{QString("6"), "'6'"},
                                                              {std::nullopt, "'0'"}};
  for (const auto& [sacod, key] : cases) {
    SCOPED_TRACE(key.toStdString());
    OrderJob job(sacod, "noitems.prn");
    EXPECT_NO_THROW(job.run());
    EXPECT_FALSE(QFile::exists(job.m.job.IMPRESSORA));
    EXPECT_EQ(job.ui.shown.size(), 1u);
    job.m.job.IMPRESSORA.clear();
    EXPECT_NO_THROW(job.run());
  }
  OrderJob job(QString("7"), "unused.prn");
  job.m.job.IMPRESSORA.clear();
  EXPECT_THROW(job.run(), RuntimeError);
}

// The composer alone: one label per started unit, three to a row, each row
// (the last one perhaps partly filled) a job of one copy.
TEST(OrderLabelRows, OneLabelPerStartedUnitThreeToARow) {
  const auto item = [](const char* code, double quantity) {
    OrderLabelItem it;
    it.label = {"BRISA NORTE", Value::text(code), Value::text("N"), Value::decimal(1), true};
    it.quantity = quantity;
    return it;
  };
  const auto label = [](Place p, const char* code) { return orderLabel(p, code, "N", "1,00"); };
  const auto joined = [](const std::vector<QString>& rows) {
    QByteArray out;
    for (const QString& r : rows) out += r.toLatin1();
    return out;
  };
  const std::vector<QString> rows = composeOrderLabelRows({item("A", 2), item("B", 2)});
  EXPECT_EQ(rows.size(), 2u);
  EXPECT_EQ(joined(rows), orderRow(label(kLeft, "A") + label(kMiddle, "A") + label(kRight, "B")) +
                              orderRow(label(kLeft, "B")));
  EXPECT_EQ(joined(composeOrderLabelRows({item("A", 2.5)})),
            orderRow(label(kLeft, "A") + label(kMiddle, "A") + label(kRight, "A")));
  EXPECT_EQ(joined(composeOrderLabelRows({item("A", 0), item("B", -1), item("C", 1)})),
            orderRow(label(kLeft, "C")));
  EXPECT_TRUE(composeOrderLabelRows({}).empty());
}
