// The order-label job against the demo database: sales 6 to 11 are seeded
// for it (no items; quantities 1,1,1 / 2,2 / 4 / 2,5 / 0,-1,null,1).
#include <QFile>

#include "labels/frm_etiqueta_argox.h"
#include "labels/labeljobs.h"
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
  const struct {
    const char* sale;
    std::optional<ui::Answer> answer;
  } cases[] = {
      {"7", std::nullopt}, {"9", ui::Answer::Yes}, {"9", ui::Answer::No}, {"11", std::nullopt}};
  QStringList printed;  // testdata/pedidos.lines
  for (const auto& c : cases) {
    const QString title = QString("sale ") + c.sale + (c.answer == ui::Answer::No ? " Não" : "");
    SCOPED_TRACE(title.toStdString());
    OrderJob job(QString(c.sale), QString("sale%1.prn").arg(c.sale));
    if (c.answer) job.ui.answers.push_back(*c.answer);
    frm_etiqueta_argox form(job.m, job.ui);  // the job's window is never shown
    form.IMPRIME_ETIQUETA_PEDIDO();
    EXPECT_FALSE(form.isVisible());
    printed << "= " + title << listing(testsupport::readFile(job.m.job.IMPRESSORA));
    ASSERT_EQ(job.ui.shown.size(), 1u);
    const auto& shown = job.ui.shown[0];
    EXPECT_EQ(shown.text, "Confirma a impressão das etiquetas com preço de venda?\r\n"
                          "Para imprimir as etiquetas sem preço, clique em Não.");
    EXPECT_EQ(std::tuple(shown.title, shown.icon, shown.buttons, shown.defaultAnswer),
              std::tuple(QString("Talvora"), ui::Icon::None, ui::Buttons::YesNo, ui::Answer::Yes));
  }
  testsupport::expectGoldenLines(printed, golden("pedidos.lines"));
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
