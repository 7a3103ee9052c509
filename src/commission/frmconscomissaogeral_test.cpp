// The inquiry window driven as an operator would: keys and clicks under the
// offscreen platform, against the demo database.
#include "commission/frmconscomissaogeral.h"

#include <QApplication>
#include <QCheckBox>
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
  return QRect(comissao::twipsToPixelsX(w, x), comissao::twipsToPixelsY(w, y),
               comissao::twipsToPixelsX(w, width), comissao::twipsToPixelsY(w, height));
}

}  // namespace

TEST(FrmConsComissaoGERAL, CaptionLayoutInitialStateAndSellerList) {
  Window t;
  FrmConsComissaoGERAL& w = *t.w;
  EXPECT_EQ(w.windowTitle(),
            QStringLiteral(" Talvora - Consulta de Comissões NOTAS FISCAIS (PEDIDO DE VENDAS)"));
  EXPECT_EQ(w.pos(), px(&w, 50, 100, 0, 0).topLeft());
  EXPECT_EQ(w.size(), px(&w, 0, 0, 11640, 7455).size());
  EXPECT_EQ(w.COINICIAL->geometry(), px(&w, 480, 360, 1095, 345));
  EXPECT_EQ(w.CAFINAL->geometry(), px(&w, 5280, 360, 1095, 345));
  EXPECT_EQ(w.TABELA->geometry(), px(&w, 120, 1560, 11415, 3015));
  EXPECT_EQ(w.TABELACAN->geometry(), px(&w, 120, 5040, 11415, 2055));
  EXPECT_EQ(w.Command2->geometry(), px(&w, 8400, 960, 975, 375));
  EXPECT_EQ(w.FUCOD->pos(), px(&w, 6840, 360, 0, 0).topLeft());
  EXPECT_EQ(w.FUCOD->width(), px(&w, 0, 0, 4575, 0).width());
  EXPECT_EQ(w.LBLCAN->pos(), px(&w, 8760, 7080, 0, 0).topLeft());
  EXPECT_EQ(w.OPTODOS->pos(), px(&w, 10560, 120, 0, 0).topLeft());

  EXPECT_EQ(w.Label5->text(), QStringLiteral("PERÍODO DE EMISSÃO DA NOTA FISCAL"));
  EXPECT_EQ(w.Label7->text(), QStringLiteral("PERÍODO DE CANCELAMENTO DA VENDA"));
  EXPECT_EQ(w.Label3->text(), QStringLiteral("DE                             ATÉ"));
  EXPECT_EQ(w.Label6->text(), QStringLiteral("RELAÇÃO DE VENDAS CANCELADAS"));
  EXPECT_EQ(w.lblFieldLabel->text(), "INDICADO POR:");
  EXPECT_EQ(w.OPREPRESENTANTE->text(), "REPRESENTANTE / GERENTE");
  EXPECT_EQ(w.OPINDICACAO->text(), QStringLiteral("INDICAÇÃO"));
  EXPECT_EQ(w.Command2->text(), "&OK");
  EXPECT_EQ(w.Command3->text(), "&IMPRIMIR");
  EXPECT_EQ(w.Command1->text(), "&LIMPAR");
  EXPECT_EQ(w.COMISS_INDICACAO->toolTip(),
            QStringLiteral("Percentual de comissão para a Indicação"));

  const QColor darkRed(0xC0, 0, 0);
  for (QWidget* c : std::initializer_list<QWidget*>{w.Label7, w.Label8, w.Label6, w.LBLCAN})
    EXPECT_EQ(c->palette().color(QPalette::WindowText), darkRed) << c->objectName().toStdString();
  for (QWidget* c : std::initializer_list<QWidget*>{w.CAINICIAL, w.CAFINAL, w.TABELACAN})
    EXPECT_EQ(c->palette().color(QPalette::Text), darkRed) << c->objectName().toStdString();
  EXPECT_NE(w.COINICIAL->palette().color(QPalette::Text), darkRed);

  for (QLineEdit* f : {w.COINICIAL, w.COFINAL, w.CAINICIAL, w.CAFINAL}) {
    EXPECT_EQ(f->displayText(), "__/__/____");
    EXPECT_EQ(f->inputMask(), "99/99/9999;_");
  }
  EXPECT_TRUE(w.OPVENDEDOR->isChecked());
  EXPECT_FALSE(w.OPTODOS->isChecked());
  EXPECT_FALSE(w.ININDICACAO->isEnabled());
  EXPECT_TRUE(w.FUCOD->isEnabled());
  EXPECT_TRUE(w.Command3->isEnabled());
  EXPECT_EQ(w.FUCOD->currentText(), "");
  // Active employees with a commission.
  QStringList names;
  for (int i = 0; i < w.FUCOD->count(); ++i) names << w.FUCOD->itemText(i);
  EXPECT_EQ(names, (QStringList{"CARLOS ANDRADE", "MARIA CONCEIÇÃO ARAÚJO", "PEDRO D'ALMEIDA",
                                "ROBERTO MENDONÇA"}));
}

TEST(FrmConsComissaoGERAL, TabOrder) {
  Window t;
  FrmConsComissaoGERAL& w = *t.w;
  const QList<QWidget*> order = {
      w.COINICIAL,       w.COFINAL,     w.CAINICIAL,   w.CAFINAL,         w.FUCOD,     w.OPTODOS,
      w.Command2,        w.Command3,    w.Command1,    w.TABELA,          w.TABELACAN, w.OPVENDEDOR,
      w.OPREPRESENTANTE, w.OPINDICACAO, w.ININDICACAO, w.COMISS_INDICACAO};
  for (int i = 1; i < order.size(); ++i) {
    QWidget* next = order[i - 1]->nextInFocusChain();
    // Skip labels and the children a compound control puts in the chain.
    while (next && next != order[i] &&
           (next->parentWidget() != &w || !(next->focusPolicy() & Qt::TabFocus)))
      next = next->nextInFocusChain();
    EXPECT_EQ(next, order[i]) << order[i - 1]->objectName().toStdString() << " -> "
                              << (next ? next->objectName().toStdString() : "null");
  }
}

TEST(FrmConsComissaoGERAL, WholeSellerInquiryFromTheKeyboard) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.COINICIAL->setFocus(Qt::TabFocusReason);
  t.dateAndEnter("01022024");
  EXPECT_EQ(t.focus(), w.COFINAL);
  t.dateAndEnter("29022024");
  EXPECT_EQ(t.focus(), w.CAINICIAL);
  t.dateAndEnter("");  // empty: today
  EXPECT_EQ(w.CAINICIAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.CAFINAL);
  t.dateAndEnter("");
  EXPECT_EQ(w.CAFINAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.FUCOD);
  t.type(t.focus(), "CARLOS ANDRADE");
  t.enter(t.focus());
  EXPECT_EQ(t.focus(), w.OPTODOS);
  t.enter(t.focus());
  EXPECT_EQ(t.focus(), w.Command2);
  EXPECT_EQ(w.COINICIAL->displayText(), "01/02/2024");
  EXPECT_EQ(w.COFINAL->displayText(), "29/02/2024");
  EXPECT_EQ(w.FUCOD->count(), 4);  // Enter does not add the typed name to the list

  t.enter(w.Command2);  // Enter on the focused &OK presses it
  EXPECT_EQ(w.DTINICIAL, "20240201");
  EXPECT_EQ(w.DTFINAL, "20240229");
  EXPECT_EQ(w.CODFUNC, 1);
  EXPECT_EQ(w.SEMESTORNO, "NAO");
  ASSERT_EQ(w.gridTabela.rowCount(), 1);
  EXPECT_EQ(w.gridTabela.cell(0, 6), "45,00");
  // Nothing was cancelled today: the reversal grid says so.
  EXPECT_EQ(t.messages(),
            QStringList{"Não há registros de estornos de comissão com os dados informados."});
  const QDate today = QDate::currentDate();
  EXPECT_TRUE(w.SQLESTORNO.contains(QStringLiteral("between '%1/%2/%3' and '")
                                        .arg(today.month())
                                        .arg(today.day())
                                        .arg(today.year())));
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
}

// Enter in the empty last emission date fills today and moves on.
TEST(FrmConsComissaoGERAL, EnterInAnEmptyFinalEmissionDateTakesToday) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.COFINAL->setFocus(Qt::TabFocusReason);
  t.dateAndEnter("");
  EXPECT_EQ(w.COFINAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.CAINICIAL);
}

// TODOS with every field empty; an unknown seller is refused before any
// query; a name with an apostrophe is found.
TEST(FrmConsComissaoGERAL, TodosAndSellerNames) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.OPTODOS->setChecked(true);
  t.click(w.Command2);
  EXPECT_EQ(w.DTINICIAL, "19011231");
  EXPECT_EQ(w.DTFINAL, "30001231");
  EXPECT_EQ(w.CODFUNC, 999);
  EXPECT_EQ(w.SEMESTORNO, "SIM");
  EXPECT_GT(w.gridTabela.rowCount(), 10);
  EXPECT_TRUE(w.SQLESTORNO.isEmpty());
  EXPECT_TRUE(t.messages().isEmpty());

  t.setDate(w.COINICIAL, "01022024");
  t.setDate(w.COFINAL, "29022024");
  t.click(w.Command2);
  ASSERT_EQ(w.gridTabela.rowCount(), 1);
  const QString sql = w.SQLCOMISSAO;

  w.OPTODOS->setChecked(false);
  t.setDate(w.COINICIAL, "01032024");
  w.FUCOD->setEditText("FULANO DE TAL");
  t.click(w.Command2);
  ASSERT_EQ(t.ui.shown.size(), 1u);
  EXPECT_EQ(t.ui.shown[0].text, QStringLiteral("Escolha um vendedor válido."));
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::None);
  EXPECT_EQ(w.ERRO, "SIM");
  EXPECT_EQ(w.SQLCOMISSAO, sql);
  EXPECT_EQ(w.gridTabela.rowCount(), 1);  // the previous result stays
  EXPECT_EQ(w.LBLTOTAL->text(), "");      // but the two labels were emptied
  EXPECT_EQ(w.LBLPEDIDOS->text(), "");
  EXPECT_EQ(w.LBLCOMIS->text(), "45,00");

  t.setDate(w.COINICIAL, "01042024");
  t.setDate(w.COFINAL, "30042024");
  w.FUCOD->setEditText("PEDRO D'ALMEIDA");
  t.click(w.Command2);
  EXPECT_EQ(t.messages().size(), 1) << t.messages().join('|').toStdString();
  EXPECT_EQ(w.CODFUNC, 3);
  ASSERT_EQ(w.gridTabela.rowCount(), 1);
  EXPECT_EQ(w.gridTabela.cell(0, 3), "28");
}

TEST(FrmConsComissaoGERAL, Validations) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  // All of them speak in one press.
  t.setDate(w.COINICIAL, "99999999");
  t.setDate(w.CAINICIAL, "12");  // half filled: silently no reversals
  w.FUCOD->setEditText("NINGUÉM");
  t.click(w.Command2);
  ASSERT_EQ(t.ui.shown.size(), 2u);
  EXPECT_EQ(t.ui.shown[0].text, QStringLiteral("Entre com uma data válida."));
  EXPECT_EQ(t.ui.shown[0].title, "Erro!");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(t.ui.shown[1].text, QStringLiteral("Escolha um vendedor válido."));
  EXPECT_EQ(w.SEMESTORNO, "SIM");
  EXPECT_EQ(w.ERRO, "SIM");
  EXPECT_TRUE(w.SQLCOMISSAO.isEmpty());

  // A half-filled emission date is invalid.
  t.ui.shown.clear();
  t.setDate(w.COINICIAL, "");
  w.OPTODOS->setChecked(true);
  t.setDate(w.COFINAL, "12");
  t.click(w.Command2);
  EXPECT_EQ(w.COFINAL->displayText(), "12/__/____");
  EXPECT_EQ(t.messages(), QStringList{"Entre com uma data válida."});
}

TEST(FrmConsComissaoGERAL, PercentageKeyFilter) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.COMISS_INDICACAO->setFocus();
  t.type(w.COMISS_INDICACAO, "3.5");
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "3,5");
  EXPECT_TRUE(t.messages().isEmpty());
  t.type(w.COMISS_INDICACAO, "a");
  EXPECT_EQ(t.messages(), QStringList{"Digite somente números"});
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::None);
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "3,");  // the character left of the caret is erased
  QTest::keyClick(w.COMISS_INDICACAO, Qt::Key_Backspace);
  t.type(w.COMISS_INDICACAO, ",2");
  QTest::keyClick(w.COMISS_INDICACAO, Qt::Key_Left);
  QTest::keyClick(w.COMISS_INDICACAO, Qt::Key_Delete);  // no character: no message
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "3,");
  QTest::keyClick(w.COMISS_INDICACAO, Qt::Key_End);
  t.type(w.COMISS_INDICACAO, "2");
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "3,2");
  // No pasting past the filter.
  QTest::keyClick(w.COMISS_INDICACAO, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(t.messages().size(), 2);
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "3,");
  t.enter(w.COMISS_INDICACAO);
  EXPECT_EQ(t.focus(), w.Command2);
}

TEST(FrmConsComissaoGERAL, WholeReferralInquiry) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  t.click(w.OPINDICACAO);
  // Enter in the last date reaches the referrer box, the seller box being off.
  w.CAFINAL->setFocus(Qt::TabFocusReason);
  t.dateAndEnter("");
  EXPECT_EQ(w.CAFINAL->displayText(), kToday);
  EXPECT_EQ(t.focus(), w.ININDICACAO);

  // The look-up upper-cases and fills the list; nothing found (or an
  // apostrophe) leaves text and list as they are.
  t.type(t.focus(), "an");
  EXPECT_EQ(w.ININDICACAO->currentText(), "AN");
  t.enter(t.focus());
  EXPECT_EQ(w.ININDICACAO->currentText(), QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES"));
  ASSERT_EQ(w.ININDICACAO->count(), 1);
  EXPECT_EQ(w.ININDICACAO->itemText(0), QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES"));
  EXPECT_EQ(t.focus(), w.ININDICACAO);
  for (const char* text : {"ZZZ", "D'"}) {
    w.ININDICACAO->setEditText(text);
    t.enter(t.focus());
    EXPECT_EQ(w.ININDICACAO->currentText(), text);
    EXPECT_EQ(w.ININDICACAO->count(), 1);
  }
  EXPECT_TRUE(t.messages().isEmpty());

  const QString beatriz = QStringLiteral("BEATRIZ ÁLVARES MENDES");
  t.march();
  w.ININDICACAO->setEditText("");
  w.ININDICACAO->setFocus();
  t.type(t.focus(), "beatriz");
  t.enter(t.focus());
  EXPECT_EQ(w.ININDICACAO->currentText(), beatriz);
  w.COMISS_INDICACAO->setFocus();
  t.type(w.COMISS_INDICACAO, "2.5");
  t.click(w.Command2);
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  EXPECT_EQ(w.CODINDICACAO, 40000);  // does not fit 16 bits
  EXPECT_TRUE(w.SQLCOMISSAO.contains("((s.savrpago*2.5)/100)"));
  EXPECT_TRUE(w.SQLCOMISSAO.contains("and i.inindicacao='40000' "));
  const auto& g = w.gridTabela;
  EXPECT_EQ(g.headers()[2], QStringLiteral("Indicação"));
  EXPECT_EQ(column(g, 3), (QStringList{"21", "25", "29"}));
  EXPECT_EQ(column(g, 2), QStringList(3, beatriz));
  EXPECT_EQ(column(g, 4), QStringList(3, "2,50"));
  EXPECT_EQ(g.cell(0, 6), "12,50");        // 2,5 % of 500,00
  EXPECT_EQ(w.LBLCOMIS->text(), "20,60");  // 2,5 % of 500 + 74 + 250
  const auto& c = w.gridTabelaCan;
  EXPECT_EQ(c.headers()[2], QStringLiteral("Indicação"));
  EXPECT_EQ(column(c, 3), QStringList{"29"});
  EXPECT_EQ(c.cell(0, 2), beatriz);
  EXPECT_EQ(w.LBLCAN->text(), "6,25");

  w.ININDICACAO->setEditText("NINGUÉM");
  t.click(w.Command2);
  EXPECT_EQ(t.messages(), QStringList{"Escolha uma indicação válida."});
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");

  // An empty percentage means every referrer, without a look-up.
  w.COMISS_INDICACAO->clear();
  t.click(w.Command2);
  EXPECT_EQ(w.CODINDICACAO, 999);
}

// The mode buttons switch the combo boxes, then a representative inquiry
// and &LIMPAR.
TEST(FrmConsComissaoGERAL, ModesWholeRepresentativeInquiryThenLimpar) {
  Shown t;
  FrmConsComissaoGERAL& w = *t.w;
  w.FUCOD->setEditText("CARLOS ANDRADE");
  t.click(w.OPINDICACAO);
  EXPECT_FALSE(w.FUCOD->isEnabled());
  EXPECT_EQ(w.FUCOD->currentText(), "");
  EXPECT_TRUE(w.ININDICACAO->isEnabled());
  w.ININDICACAO->setEditText("ALGUÉM");
  w.OPTODOS->setChecked(true);
  w.COMISS_INDICACAO->setText("2,5");
  t.click(w.OPREPRESENTANTE);
  EXPECT_TRUE(w.FUCOD->isEnabled());
  EXPECT_FALSE(w.ININDICACAO->isEnabled());
  EXPECT_EQ(w.ININDICACAO->currentText(), "");
  EXPECT_TRUE(w.OPTODOS->isChecked());
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "2,5");

  w.OPTODOS->setChecked(false);
  t.march();
  w.FUCOD->setEditText("ROBERTO MENDONÇA");
  t.click(w.Command2);
  EXPECT_TRUE(t.messages().isEmpty());
  EXPECT_EQ(w.CODFUNC, 5);
  const auto& g = w.gridTabela;
  EXPECT_EQ(g.headers(), (QStringList{"Cliente", "Cnpj/Cpf", "Representante", "Ped.", "% Comiss",
                                      "Venda", "R$ Comiss"}));
  EXPECT_EQ(g.widthsTwips(), (QVector<int>{3000, 1700, 2000, 800, 600, 1000, 800}));
  EXPECT_EQ(column(g, 3),
            (QStringList{"30", "21", "27", "22", "23", "25", "29"}));  // emission order
  EXPECT_EQ(column(g, 2), QStringList(7, QStringLiteral("ROBERTO MENDONÇA")));
  EXPECT_EQ(column(g, 4), QStringList(7, "3,00"));
  EXPECT_EQ(g.cell(1, 6), "15,00");  // 3 % of 500,00
  EXPECT_FALSE(w.LBLCOMIS->text().isEmpty());
  EXPECT_EQ(w.LBLTOTAL->text(), "");
  EXPECT_EQ(w.LBLPEDIDOS->text(), "");
  const auto& c = w.gridTabelaCan;
  EXPECT_EQ(c.headers().mid(2, 2), (QStringList{"Representante", "Ped."}));
  EXPECT_EQ(column(c, 3), (QStringList{"27", "29"}));
  EXPECT_EQ(column(c, 6), (QStringList{"12,00", "7,50"}));
  EXPECT_EQ(w.LBLCAN->text(), "19,50");

  // Only the first cancellation date: no reversal query, no message, and the
  // cancelled-sales grid keeps what it showed.
  t.setDate(w.CAFINAL, "");
  t.click(w.Command2);
  EXPECT_EQ(w.SEMESTORNO, "SIM");
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  EXPECT_EQ(column(c, 3), (QStringList{"27", "29"}));
  EXPECT_EQ(w.LBLCAN->text(), "19,50");

  w.OPTODOS->setChecked(true);
  w.COMISS_INDICACAO->setText("2");
  w.ININDICACAO->setEditText("X");
  t.click(w.Command1);
  for (QLabel* l : {w.LBLPEDIDOS, w.LBLTOTAL, w.LBLCOMIS}) EXPECT_EQ(l->text(), "");
  EXPECT_EQ(w.COMISS_INDICACAO->text(), "");
  EXPECT_FALSE(w.OPTODOS->isChecked());
  EXPECT_EQ(w.FUCOD->currentText(), "");
  EXPECT_EQ(w.FUCOD->count(), 4);
  for (QLineEdit* f : {w.COINICIAL, w.COFINAL, w.CAINICIAL, w.CAFINAL})
    EXPECT_EQ(f->displayText(), "__/__/____");
  EXPECT_EQ(w.gridTabela.rowCount(), 0);
  EXPECT_EQ(w.gridTabela.columnCount(), 0);
  EXPECT_EQ(t.focus(), w.COINICIAL);
  EXPECT_EQ(w.ININDICACAO->currentText(), "");
  EXPECT_FALSE(w.CODFUNC.has_value());
  EXPECT_EQ(w.CODINDICACAO, 0);
  // The cancelled-sales grid, its total and the mode stay.
  EXPECT_EQ(w.gridTabelaCan.rowCount(), 2);
  EXPECT_EQ(w.LBLCAN->text(), "19,50");
  EXPECT_TRUE(w.OPREPRESENTANTE->isChecked());
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
  w.OPTODOS->setChecked(true);
  t.setDate(w.COINICIAL, "01012023");
  t.setDate(w.COFINAL, "31122023");
  w.Command2_Click();  // no rows: the message comes while querying
  ASSERT_EQ(t.ui.pointers.size(), 1u);
  EXPECT_EQ(t.ui.pointers[0], Qt::BusyCursor);
  EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor);
  w.FUCOD->setEditText("NINGUÉM");
  w.OPTODOS->setChecked(false);
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
