// The inquiry window driven as an operator would: keys and clicks under the
// offscreen platform, against the demo database.
#include "commission/frmconscomissaogeral.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "commission/comissao.h"
#include "commission_testutil.h"
#include "core/errors.h"

using namespace commissiontest;

namespace {

const QString kToday = QDate::currentDate().toString("dd/MM/yyyy");

// A shown window with the keyboard focus in it.
struct Shown : Window {
  Shown() {
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
  }
  QWidget* focus() const { return QApplication::focusWidget(); }
  void type(QWidget* target, const QString& keys) { QTest::keyClicks(target, keys); }
  void enter(QWidget* target) { QTest::keyClick(target, Qt::Key_Return); }
  // Types a date into the field that has the focus and presses Enter.
  void dateAndEnter(const QString& digits) {
    QWidget* f = focus();
    if (!digits.isEmpty()) type(f, digits);
    enter(f);
  }
  void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
};

// A rectangle in twips as the window's pixels.
QRect px(const QWidget* w, int x, int y, int width, int height) {
  return QRect(ui::twipsToPixelsX(w, x), ui::twipsToPixelsY(w, y),
               ui::twipsToPixelsX(w, width), ui::twipsToPixelsY(w, height));
}

}  // namespace

// The caption, a few placements, the colours, the initial state and the
// seller list.
TEST(FrmConsComissaoGERAL, CaptionLayoutInitialStateAndSellerList) {
  Window t;
  FrmConsComissaoGERAL& w = *t.w;
  EXPECT_EQ(w.windowTitle(),
            QStringLiteral(" Talvora - Consulta de Comissões NOTAS FISCAIS (PEDIDO DE VENDAS)"));
  EXPECT_EQ(w.pos(), px(&w, 50, 100, 0, 0).topLeft());
  EXPECT_EQ(w.size(), px(&w, 0, 0, 11640, 7455).size());
  EXPECT_EQ(w.controls().COINICIAL->geometry(), px(&w, 480, 360, 1095, 345));
  EXPECT_EQ(w.controls().TABELA->geometry(), px(&w, 120, 1560, 11415, 3015));
  EXPECT_EQ(w.controls().Command2->geometry(), px(&w, 8400, 960, 975, 375));
  EXPECT_EQ(w.controls().LBLCAN->pos(), px(&w, 8760, 7080, 0, 0).topLeft());

  EXPECT_EQ(w.controls().Label3->text(), QStringLiteral("DE                             ATÉ"));

  const QColor darkRed(0xC0, 0, 0);
  for (QWidget* c : std::initializer_list<QWidget*>{w.controls().Label7, w.controls().Label8, w.controls().Label6, w.controls().LBLCAN})
    EXPECT_EQ(c->palette().color(QPalette::WindowText), darkRed) << c->objectName().toStdString();
  for (QWidget* c : std::initializer_list<QWidget*>{w.controls().CAINICIAL, w.controls().CAFINAL, w.controls().TABELACAN})
    EXPECT_EQ(c->palette().color(QPalette::Text), darkRed) << c->objectName().toStdString();
  EXPECT_NE(w.controls().COINICIAL->palette().color(QPalette::Text), darkRed);

  for (QLineEdit* f : {w.controls().COINICIAL, w.controls().COFINAL, w.controls().CAINICIAL, w.controls().CAFINAL}) {
    EXPECT_EQ(f->displayText(), "__/__/____");
    EXPECT_EQ(f->inputMask(), "99/99/9999;_");
  }
  EXPECT_TRUE(w.controls().OPVENDEDOR->isChecked());
  EXPECT_FALSE(w.controls().OPTODOS->isChecked());
  EXPECT_FALSE(w.controls().ININDICACAO->isEnabled());
  EXPECT_TRUE(w.controls().FUCOD->isEnabled());
  EXPECT_TRUE(w.controls().Command3->isEnabled());
  EXPECT_EQ(w.controls().FUCOD->currentText(), "");
  // Active employees with a commission.
  QStringList names;
  for (int i = 0; i < w.controls().FUCOD->count(); ++i) names << w.controls().FUCOD->itemText(i);
  EXPECT_EQ(names, (QStringList{"CARLOS ANDRADE", "MARIA CONCEIÇÃO ARAÚJO", "PEDRO D'ALMEIDA",
                                "ROBERTO MENDONÇA"}));
}

TEST(FrmConsComissaoGERAL, WholeSellerInquiryFromTheKeyboard) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.controls().COINICIAL->setFocus(Qt::TabFocusReason);
  t.dateAndEnter("01022024");
  EXPECT_EQ(t.focus(), w.controls().COFINAL);
  t.dateAndEnter("29022024");
  EXPECT_EQ(t.focus(), w.controls().CAINICIAL);
  t.dateAndEnter("");  // empty: today
  EXPECT_EQ(w.controls().CAINICIAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.controls().CAFINAL);
  t.dateAndEnter("");
  EXPECT_EQ(w.controls().CAFINAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.controls().FUCOD);
  t.type(t.focus(), "CARLOS ANDRADE");
  t.enter(t.focus());
  EXPECT_EQ(t.focus(), w.controls().OPTODOS);
  t.enter(t.focus());
  EXPECT_EQ(t.focus(), w.controls().Command2);
  EXPECT_EQ(w.controls().COINICIAL->displayText(), "01/02/2024");
  EXPECT_EQ(w.controls().COFINAL->displayText(), "29/02/2024");
  EXPECT_EQ(w.controls().FUCOD->count(), 4);  // Enter does not add the typed name to the list

  t.enter(w.controls().Command2);  // Enter on the focused &OK presses it
  EXPECT_EQ(w.consulta().dtInicial(), "20240201");
  EXPECT_EQ(w.consulta().dtFinal(), "20240229");
  EXPECT_EQ(w.consulta().codFunc(), 1);
  EXPECT_FALSE(w.consulta().semEstorno());
  ASSERT_EQ(w.consulta().vendas().rowCount(), 1);
  EXPECT_EQ(w.consulta().vendas().cell(0, 6), "45,00");
  // Nothing was cancelled today: the reversal grid says so.
  EXPECT_EQ(t.messages(),
            QStringList{"Não há registros de estornos de comissão com os dados informados."});
  const QDate today = QDate::currentDate();
  EXPECT_TRUE(w.consulta().sqlEstorno().contains(QStringLiteral("between '%1/%2/%3' and '")
                                        .arg(today.month())
                                        .arg(today.day())
                                        .arg(today.year())));
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

// Enter in the empty last emission date fills today and moves on.
TEST(FrmConsComissaoGERAL, EnterInAnEmptyFinalEmissionDateTakesToday) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.controls().COFINAL->setFocus(Qt::TabFocusReason);
  t.dateAndEnter("");
  EXPECT_EQ(w.controls().COFINAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.controls().CAINICIAL);
}

// TODOS with every field empty; an unknown seller is refused before any
// query; a name with an apostrophe is found.
TEST(FrmConsComissaoGERAL, TodosAndSellerNames) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.controls().OPTODOS->setChecked(true);
  t.click(w.controls().Command2);
  EXPECT_EQ(w.consulta().dtInicial(), "19011231");
  EXPECT_EQ(w.consulta().dtFinal(), "30001231");
  EXPECT_EQ(w.consulta().codFunc(), 999);
  EXPECT_TRUE(w.consulta().semEstorno());
  EXPECT_GT(w.consulta().vendas().rowCount(), 10);
  EXPECT_TRUE(w.consulta().sqlEstorno().isEmpty());
  EXPECT_TRUE(t.messages().isEmpty());

  t.setDate(w.controls().COINICIAL, "01022024");
  t.setDate(w.controls().COFINAL, "29022024");
  t.click(w.controls().Command2);
  ASSERT_EQ(w.consulta().vendas().rowCount(), 1);
  const QString sql = w.consulta().sqlComissao();

  w.controls().OPTODOS->setChecked(false);
  t.setDate(w.controls().COINICIAL, "01032024");
  w.controls().FUCOD->setEditText("FULANO DE TAL");
  t.click(w.controls().Command2);
  ASSERT_EQ(t.ui.shown.size(), 1u);
  EXPECT_EQ(t.ui.shown[0].text, QStringLiteral("Escolha um vendedor válido."));
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::None);
  EXPECT_TRUE(w.consulta().erro());
  EXPECT_EQ(w.consulta().sqlComissao(), sql);
  EXPECT_EQ(w.consulta().vendas().rowCount(), 1);  // the previous result stays
  EXPECT_EQ(w.controls().LBLTOTAL->text(), "");      // but the two labels were emptied
  EXPECT_EQ(w.controls().LBLPEDIDOS->text(), "");
  EXPECT_EQ(w.controls().LBLCOMIS->text(), "45,00");

  t.setDate(w.controls().COINICIAL, "01042024");
  t.setDate(w.controls().COFINAL, "30042024");
  w.controls().FUCOD->setEditText("PEDRO D'ALMEIDA");
  t.click(w.controls().Command2);
  EXPECT_EQ(t.messages().size(), 1) << t.messages().join('|').toStdString();
  EXPECT_EQ(w.consulta().codFunc(), 3);
  ASSERT_EQ(w.consulta().vendas().rowCount(), 1);
  EXPECT_EQ(w.consulta().vendas().cell(0, 3), "28");
}

TEST(FrmConsComissaoGERAL, Validations) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  // All of them speak in one press.
  t.setDate(w.controls().COINICIAL, "99999999");
  t.setDate(w.controls().CAINICIAL, "12");  // half filled: silently no reversals
  w.controls().FUCOD->setEditText("NINGUÉM");
  t.click(w.controls().Command2);
  ASSERT_EQ(t.ui.shown.size(), 2u);
  EXPECT_EQ(t.ui.shown[0].text, QStringLiteral("Entre com uma data válida."));
  EXPECT_EQ(t.ui.shown[0].title, "Erro!");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(t.ui.shown[1].text, QStringLiteral("Escolha um vendedor válido."));
  EXPECT_TRUE(w.consulta().semEstorno());
  EXPECT_TRUE(w.consulta().erro());
  EXPECT_TRUE(w.consulta().sqlComissao().isEmpty());

  // A half-filled emission date is invalid.
  t.ui.shown.clear();
  t.setDate(w.controls().COINICIAL, "");
  w.controls().OPTODOS->setChecked(true);
  t.setDate(w.controls().COFINAL, "12");
  t.click(w.controls().Command2);
  EXPECT_EQ(w.controls().COFINAL->displayText(), "12/__/____");
  EXPECT_EQ(t.messages(), QStringList{"Entre com uma data válida."});
}

TEST(FrmConsComissaoGERAL, PercentageKeyFilter) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.controls().COMISS_INDICACAO->setFocus();
  t.type(w.controls().COMISS_INDICACAO, "3.5");
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "3,5");
  EXPECT_TRUE(t.messages().isEmpty());
  t.type(w.controls().COMISS_INDICACAO, "a");
  EXPECT_EQ(t.messages(), QStringList{"Digite somente números"});
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::None);
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "3,");  // the character left of the caret is erased
  QTest::keyClick(w.controls().COMISS_INDICACAO, Qt::Key_Backspace);
  t.type(w.controls().COMISS_INDICACAO, ",2");
  QTest::keyClick(w.controls().COMISS_INDICACAO, Qt::Key_Left);
  QTest::keyClick(w.controls().COMISS_INDICACAO, Qt::Key_Delete);  // no character: no message
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "3,");
  QTest::keyClick(w.controls().COMISS_INDICACAO, Qt::Key_End);
  t.type(w.controls().COMISS_INDICACAO, "2");
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "3,2");
  // No pasting past the filter.
  QTest::keyClick(w.controls().COMISS_INDICACAO, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(t.messages().size(), 2);
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "3,");
  t.enter(w.controls().COMISS_INDICACAO);
  EXPECT_EQ(t.focus(), w.controls().Command2);
}

TEST(FrmConsComissaoGERAL, WholeReferralInquiry) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  t.click(w.controls().OPINDICACAO);
  // Enter in the last date reaches the referrer box, the seller box being off.
  w.controls().CAFINAL->setFocus(Qt::TabFocusReason);
  t.dateAndEnter("");
  EXPECT_EQ(w.controls().CAFINAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.controls().ININDICACAO);

  // The look-up upper-cases and fills the list; nothing found (or an
  // apostrophe) leaves text and list as they are.
  t.type(t.focus(), "an");
  EXPECT_EQ(w.controls().ININDICACAO->currentText(), "AN");
  t.enter(t.focus());
  EXPECT_EQ(w.controls().ININDICACAO->currentText(), QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES"));
  ASSERT_EQ(w.controls().ININDICACAO->count(), 1);
  EXPECT_EQ(w.controls().ININDICACAO->itemText(0), QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES"));
  EXPECT_EQ(t.focus(), w.controls().ININDICACAO);
  for (const char* text : {"ZZZ", "D'"}) {
    w.controls().ININDICACAO->setEditText(text);
    t.enter(t.focus());
    EXPECT_EQ(w.controls().ININDICACAO->currentText(), text);
    EXPECT_EQ(w.controls().ININDICACAO->count(), 1);
  }
  EXPECT_TRUE(t.messages().isEmpty());

  const QString beatriz = QStringLiteral("BEATRIZ ÁLVARES MENDES");
  t.march();
  w.controls().ININDICACAO->setEditText("");
  w.controls().ININDICACAO->setFocus();
  t.type(t.focus(), "beatriz");
  t.enter(t.focus());
  EXPECT_EQ(w.controls().ININDICACAO->currentText(), beatriz);
  w.controls().COMISS_INDICACAO->setFocus();
  t.type(w.controls().COMISS_INDICACAO, "2.5");
  t.click(w.controls().Command2);
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  EXPECT_EQ(w.consulta().codIndicacao(), 40000);  // does not fit 16 bits
  EXPECT_TRUE(w.consulta().sqlComissao().contains("((s.savrpago*2.5)/100)"));
  EXPECT_TRUE(w.consulta().sqlComissao().contains("and i.inindicacao='40000' "));
  const auto& g = w.consulta().vendas();
  EXPECT_EQ(column(g, 3), (QStringList{"21", "25", "29"}));
  EXPECT_EQ(column(g, 2), QStringList(3, beatriz));
  EXPECT_EQ(column(g, 4), QStringList(3, "2,50"));
  EXPECT_EQ(g.cell(0, 6), "12,50");        // 2,5 % of 500,00
  EXPECT_EQ(w.controls().LBLCOMIS->text(), "20,60");  // 2,5 % of 500 + 74 + 250
  const auto& c = w.consulta().cancelados();
  EXPECT_EQ(column(c, 3), QStringList{"29"});
  EXPECT_EQ(c.cell(0, 2), beatriz);
  EXPECT_EQ(w.controls().LBLCAN->text(), "6,25");

  w.controls().ININDICACAO->setEditText("NINGUÉM");
  t.click(w.controls().Command2);
  EXPECT_EQ(t.messages(), QStringList{"Escolha uma indicação válida."});
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");

  // An empty percentage means every referrer, without a look-up.
  w.controls().COMISS_INDICACAO->clear();
  t.click(w.controls().Command2);
  EXPECT_EQ(w.consulta().codIndicacao(), 999);
}

// The mode buttons switch the combo boxes, then a representative inquiry
// and &LIMPAR.
TEST(FrmConsComissaoGERAL, ModesWholeRepresentativeInquiryThenLimpar) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.controls().FUCOD->setEditText("CARLOS ANDRADE");
  t.click(w.controls().OPINDICACAO);
  EXPECT_FALSE(w.controls().FUCOD->isEnabled());
  EXPECT_EQ(w.controls().FUCOD->currentText(), "");
  EXPECT_TRUE(w.controls().ININDICACAO->isEnabled());
  w.controls().ININDICACAO->setEditText("ALGUÉM");
  w.controls().OPTODOS->setChecked(true);
  w.controls().COMISS_INDICACAO->setText("2,5");
  t.click(w.controls().OPREPRESENTANTE);
  EXPECT_TRUE(w.controls().FUCOD->isEnabled());
  EXPECT_FALSE(w.controls().ININDICACAO->isEnabled());
  EXPECT_EQ(w.controls().ININDICACAO->currentText(), "");
  EXPECT_TRUE(w.controls().OPTODOS->isChecked());
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "2,5");

  w.controls().OPTODOS->setChecked(false);
  t.march();
  w.controls().FUCOD->setEditText("ROBERTO MENDONÇA");
  t.click(w.controls().Command2);
  EXPECT_TRUE(t.messages().isEmpty());
  EXPECT_EQ(w.consulta().codFunc(), 5);
  const auto& g = w.consulta().vendas();
  EXPECT_EQ(g.headers(), (QStringList{"Cliente", "Cnpj/Cpf", "Representante", "Ped.", "% Comiss",
                                      "Venda", "R$ Comiss"}));
  EXPECT_EQ(g.widthsTwips(), (QVector<int>{3000, 1700, 2000, 800, 600, 1000, 800}));
  EXPECT_EQ(column(g, 3),
            (QStringList{"30", "21", "27", "22", "23", "25", "29"}));  // emission order
  EXPECT_EQ(column(g, 2), QStringList(7, QStringLiteral("ROBERTO MENDONÇA")));
  EXPECT_EQ(column(g, 4), QStringList(7, "3,00"));
  EXPECT_EQ(g.cell(1, 6), "15,00");  // 3 % of 500,00
  EXPECT_FALSE(w.controls().LBLCOMIS->text().isEmpty());
  EXPECT_EQ(w.controls().LBLTOTAL->text(), "");
  EXPECT_EQ(w.controls().LBLPEDIDOS->text(), "");
  const auto& c = w.consulta().cancelados();
  EXPECT_EQ(c.headers().mid(2, 2), (QStringList{"Representante", "Ped."}));
  EXPECT_EQ(column(c, 3), (QStringList{"27", "29"}));
  EXPECT_EQ(column(c, 6), (QStringList{"12,00", "7,50"}));
  EXPECT_EQ(w.controls().LBLCAN->text(), "19,50");

  // Only the first cancellation date: no reversal query, no message, and the
  // cancelled-sales grid keeps what it showed.
  t.setDate(w.controls().CAFINAL, "");
  t.click(w.controls().Command2);
  EXPECT_TRUE(w.consulta().semEstorno());
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  EXPECT_EQ(column(c, 3), (QStringList{"27", "29"}));
  EXPECT_EQ(w.controls().LBLCAN->text(), "19,50");

  w.controls().OPTODOS->setChecked(true);
  w.controls().COMISS_INDICACAO->setText("2");
  w.controls().ININDICACAO->setEditText("X");
  t.click(w.controls().Command1);
  for (QLabel* l : {w.controls().LBLPEDIDOS, w.controls().LBLTOTAL, w.controls().LBLCOMIS}) EXPECT_EQ(l->text(), "");
  EXPECT_EQ(w.controls().COMISS_INDICACAO->text(), "");
  EXPECT_FALSE(w.controls().OPTODOS->isChecked());
  EXPECT_EQ(w.controls().FUCOD->currentText(), "");
  EXPECT_EQ(w.controls().FUCOD->count(), 4);
  for (QLineEdit* f : {w.controls().COINICIAL, w.controls().COFINAL, w.controls().CAINICIAL, w.controls().CAFINAL})
    EXPECT_EQ(f->displayText(), "__/__/____");
  EXPECT_EQ(w.consulta().vendas().rowCount(), 0);
  EXPECT_EQ(w.consulta().vendas().columnCount(), 0);
  EXPECT_EQ(t.focus(), w.controls().COINICIAL);
  EXPECT_EQ(w.controls().ININDICACAO->currentText(), "");
  EXPECT_FALSE(w.consulta().codFunc().has_value());
  EXPECT_EQ(w.consulta().codIndicacao(), 0);
  // The cancelled-sales grid, its total and the mode stay.
  EXPECT_EQ(w.consulta().cancelados().rowCount(), 2);
  EXPECT_EQ(w.controls().LBLCAN->text(), "19,50");
  EXPECT_TRUE(w.controls().OPREPRESENTANTE->isChecked());
}

namespace {

// Notes the window's pointer at every message box.
struct PointerWatchingUi : ui::ScriptedUi {
  QWidget* window = nullptr;
  std::vector<Qt::CursorShape> pointers;
  ui::Answer message(const QString& text, const QString& title, ui::Icon icon, ui::Buttons b,
                     ui::Answer d) override {
    pointers.push_back(window->cursor().shape());
    return ScriptedUi::message(text, title, icon, b, d);
  }
};

}  // namespace

TEST(FrmConsComissaoGERAL, BusyPointerWhileQuerying) {
  WindowWith<PointerWatchingUi> t;
  FrmConsComissaoGERAL& w = *t.w;
  t.ui.window = &w;
  w.controls().OPTODOS->setChecked(true);
  t.setDate(w.controls().COINICIAL, "01012023");
  t.setDate(w.controls().COFINAL, "31122023");
  w.Command2_Click();  // no rows: the message comes while querying
  ASSERT_EQ(t.ui.pointers.size(), 1u);
  EXPECT_EQ(t.ui.pointers[0], Qt::BusyCursor);
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
  w.controls().FUCOD->setEditText("NINGUÉM");
  w.controls().OPTODOS->setChecked(false);
  w.Command2_Click();  // validation messages come before the busy pointer
  ASSERT_EQ(t.ui.pointers.size(), 2u);
  EXPECT_EQ(t.ui.pointers[1], Qt::ArrowCursor);
}

// --batch: the entry point refuses the window; the executable ends with 1.
TEST(FrmConsComissaoGERAL, BatchRefusesTheWindow) {
  modCnn m;
  m.options.batch = true;
  ui::ScriptedUi ui;
  EXPECT_THROW(showFrmConsComissaoGERAL(m, ui), RuntimeError);
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_NE(w->objectName(), "FrmConsComissaoGERAL");

  const QString dir = testsupport::scratchDir();
  const QString ini = testsupport::writeFixtureConfig(dir + "/TL-batch.ini");
  const QString job =
      testsupport::writeIni(dir + "/job-comissao.txt", {{"RELATORIO", "FrmConsComissaoGERAL"}});
  const auto r = testsupport::runExecutable({"--config", ini, "--job", job, "--batch"});
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(QString::fromUtf8(r.err).contains("--batch")) << r.err.toStdString();
}

// The sales grid is cleared (shown), then filled once while hidden; the
// cancelled grid's text stays dark red after a fill, the other's not.
TEST(FrmConsComissaoGERAL, GridsAreFilledHiddenAndKeepTheirLook) {
  Window t;
  FrmConsComissaoGERAL& w = *t.w;
  const auto& c = w.controls();
  w.show();
  std::vector<bool> hiddenAtReset;
  QObject::connect(&w.consulta().vendas(), &QAbstractItemModel::modelReset,
                   [&] { hiddenAtReset.push_back(c.TABELA->isHidden()); });
  c.OPTODOS->setChecked(true);
  t.march();
  w.Command2_Click();
  EXPECT_EQ(hiddenAtReset, (std::vector<bool>{false, true}));
  EXPECT_FALSE(c.TABELA->isHidden());
  EXPECT_TRUE(c.TABELA->styleSheet().contains("gridline-color: #b4b4b4"));
  EXPECT_EQ(c.TABELA->columnWidth(0), ui::twipsToPixelsX(c.TABELA, 3000));
  EXPECT_EQ(c.TABELA->columnWidth(7), ui::twipsToPixelsX(c.TABELA, 1100));
  const auto& g = w.consulta().vendas();
  EXPECT_TRUE(g.data(g.index(0, 6), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
  EXPECT_TRUE(g.data(g.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
  ASSERT_EQ(w.consulta().cancelados().rowCount(), 3);
  QApplication::processEvents();
  const auto pixelsOf = [](QTableView* view, const QColor& colour) {
    const QImage img = view->viewport()->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y).rgb() == colour.rgb();
    return n;
  };
  const QColor darkRed(0xC0, 0, 0);
  EXPECT_GT(pixelsOf(c.TABELACAN, darkRed), 0);
  EXPECT_EQ(pixelsOf(c.TABELA, darkRed), 0);
}

// Every caption of every grid shows whole in its column: its width in the
// header's font and the padding fit the section, and drawn, its ink lies
// inside the section and is as wide as the text.
TEST(FrmConsComissaoGERAL, GridCaptionsFitTheirColumns) {
  Window t;
  FrmConsComissaoGERAL& w = *t.w;
  const auto& c = w.controls();
  w.show();
  c.OPTODOS->setChecked(true);
  c.COMISS_INDICACAO->setText("2");
  t.march();
  int captions = 0;
  for (QRadioButton* mode : {c.OPVENDEDOR, c.OPREPRESENTANTE, c.OPINDICACAO}) {
    mode->setChecked(true);
    w.Command2_Click();
    QApplication::processEvents();
    for (QTableView* view : {c.TABELA, c.TABELACAN}) {
      QHeaderView* header = view->horizontalHeader();
      const QImage img = header->grab().toImage();
      const QRgb background = img.pixel(header->sectionViewportPosition(0) + 1, 1);
      for (int s = 0; s < header->count(); ++s) {
        const QString caption = view->model()->headerData(s, Qt::Horizontal).toString();
        SCOPED_TRACE(view->objectName().toStdString() + ": " + caption.toStdString());
        const int left = header->sectionViewportPosition(s), width = header->sectionSize(s);
        const QFont font = comissao::captionFont(header->font(), caption, width);
        EXPECT_LE(QFontMetrics(font).horizontalAdvance(caption) + 2 * comissao::kCellPadding,
                  width);
        ++captions;
        if (left < 0 || left + width > img.width()) continue;  // scrolled out of sight
        int inkLeft = width, inkRight = -1;
        for (int x = 0; x < width; ++x)
          for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(left + x, y)) < qGray(background) - 80) {
              inkLeft = std::min(inkLeft, x);
              inkRight = std::max(inkRight, x);
            }
        EXPECT_GT(inkLeft, 0);
        EXPECT_LT(inkRight, width - 1);
        EXPECT_GE(inkRight - inkLeft + 1, QFontMetrics(font).tightBoundingRect(caption).width() - 3);
      }
    }
  }
  EXPECT_EQ(captions, 10 + 10 + 7 + 10 + 7 + 10);
}
