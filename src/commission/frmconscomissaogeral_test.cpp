// The inquiry window driven as an operator would, against the demo database:
// what the window adds to the inquiry (comissaomodel_test).
#include "commission/frmconscomissaogeral.h"

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
#include "ui/twips.h"

using namespace commissiontest;
using L = QStringList;

namespace {

const QString kToday = QDate::currentDate().toString("dd/MM/yyyy"), kEmpty = "__/__/____";

// Notes the active window's pointer at every message box.
struct PointerWatchingUi : ui::ScriptedUi {
  std::vector<Qt::CursorShape> pointers;
  ui::Answer message(const QString& text, const QString& title, ui::Icon icon, ui::Buttons b,
                     ui::Answer d) override {
    pointers.push_back(QApplication::activeWindow()->cursor().shape());
    return ScriptedUi::message(text, title, icon, b, d);
  }
};

// A shown window with the keyboard focus in it.
struct Shown : WindowWith<PointerWatchingUi> {
  const FrmConsComissaoGERAL::Controls& c = w->controls();
  Shown() {
    w->show();
    QApplication::setActiveWindow(w.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
  }
  QWidget* focus() const { return QApplication::focusWidget(); }
  void type(const QString& keys) { QTest::keyClicks(focus(), keys); }
  void key(Qt::Key k) { QTest::keyClick(focus(), k); }
  // The total labels, then the texts of the boxes and fields.
  L state() const {
    L s{c.LBLCOMIS->text(), c.LBLTOTAL->text(), c.LBLPEDIDOS->text(), c.LBLCAN->text(),
        c.FUCOD->currentText(), c.ININDICACAO->currentText()};
    for (QLineEdit* f : {c.COINICIAL, c.COFINAL, c.CAINICIAL, c.CAFINAL, c.COMISS_INDICACAO})
      s << f->displayText();
    return s;
  }
  // Enabled, then checked, of the boxes and buttons, as 0 and 1.
  QString switches() const {
    QString s;
    for (bool b : {c.FUCOD->isEnabled(), c.ININDICACAO->isEnabled(), c.OPVENDEDOR->isChecked(),
                   c.OPREPRESENTANTE->isChecked(), c.OPINDICACAO->isChecked(), c.OPTODOS->isChecked()})
      s += b ? '1' : '0';
    return s.insert(2, ' ');
  }
};

}  // namespace

// The modes a window opens in and the active employees with a commission.
// Enter leads from field to field to &OK, filling an empty date with today:
// a whole seller inquiry from the keyboard, its totals in the labels.
TEST(FrmConsComissaoGERAL, WholeSellerInquiryFromTheKeyboard) {
  Shown t;
  const auto& c = t.c;
  EXPECT_EQ(t.switches(), "10 1000");
  EXPECT_EQ(t.w->windowTitle(), " Talvora - Consulta de Comissões NOTAS FISCAIS (PEDIDO DE VENDAS)");
  L names;
  for (int i = 0; i < c.FUCOD->count(); ++i) names << c.FUCOD->itemText(i);
  EXPECT_EQ(names, L({"CARLOS ANDRADE", "MARIA CONCEIÇÃO ARAÚJO", "PEDRO D'ALMEIDA",
                      "ROBERTO MENDONÇA"}));

  c.COINICIAL->setFocus(Qt::TabFocusReason);
  for (const char* keys : {"01022024", "29022024", "", "", "CARLOS ANDRADE", ""}) {
    t.type(keys);
    t.key(Qt::Key_Return);
  }
  t.key(Qt::Key_Return);  // Enter on the focused &OK presses it
  EXPECT_EQ(t.state(), L({"45,00", "900,00", "Nro. de Pedidos: 1", "0,00", "CARLOS ANDRADE", "",
                          "01/02/2024", "29/02/2024", kToday, kToday, ""}));
  // Nothing was cancelled today: the reversal grid says so.
  EXPECT_EQ(t.messages(), L{"Não há registros de estornos de comissão com os dados informados."});

  // A half-filled date is not a date; the labels of the sales emptied. The
  // pointer is busy while querying, not while checking.
  t.setDate(c.COFINAL, "12");
  QTest::mouseClick(c.Command2, Qt::LeftButton);
  EXPECT_EQ(t.messages().last(), "Entre com uma data válida.");
  EXPECT_EQ(t.state().mid(0, 3), L({"45,00", "", ""}));
  EXPECT_EQ(t.ui.pointers, (std::vector<Qt::CursorShape>{Qt::BusyCursor, Qt::ArrowCursor}));
}

// The percentage takes digits and one comma ("." comes as ","); any other
// character, pasting included, is refused with a message and erases the
// character left of the caret; keys that type nothing pass.
TEST(FrmConsComissaoGERAL, PercentageKeyFilter) {
  Shown t;
  QLineEdit* p = t.c.COMISS_INDICACAO;
  p->setFocus();
  t.type("3.5a");
  EXPECT_EQ(p->text(), "3,");
  for (Qt::Key k : {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Delete, Qt::Key_End}) t.key(k);
  t.type("12");
  QTest::keyClick(p, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(p->text(), "1");
  EXPECT_EQ(t.messages(), L(2, "Digite somente números"));
  EXPECT_EQ(t.ui.shown[0].title, "tl_relatorios");
  t.key(Qt::Key_Return);
  EXPECT_EQ(t.focus(), t.c.Command2);
}

// The mode buttons switch the boxes; the referrer look-up on Enter; a
// referral inquiry; &LIMPAR keeps the reversals, their total and the mode.
TEST(FrmConsComissaoGERAL, ModesReferrerLookUpAndLimpar) {
  Shown t;
  const auto& c = t.c;
  c.FUCOD->setEditText("CARLOS ANDRADE");
  c.OPINDICACAO->click();
  EXPECT_EQ(t.switches(), "01 0010");
  c.CAFINAL->setFocus(Qt::TabFocusReason);  // Enter reaches the referrer box
  t.key(Qt::Key_Return);
  // The look-up upper-cases and fills the list; nothing found leaves text
  // and list as they are.
  t.type("an");
  EXPECT_EQ(c.ININDICACAO->currentText(), "AN");
  t.key(Qt::Key_Return);
  c.ININDICACAO->setEditText("ZZZ");
  t.key(Qt::Key_Return);
  EXPECT_EQ(L({c.ININDICACAO->currentText(), c.ININDICACAO->itemText(0), QString::number(c.ININDICACAO->count())}),
            L({"ZZZ", "ANTÔNIO CARLOS INDICAÇÕES", "1"}));
  c.ININDICACAO->setEditText("");
  t.type("beatriz");
  t.key(Qt::Key_Return);
  t.march();
  c.COMISS_INDICACAO->setText("2,5");
  c.Command2->click();
  EXPECT_EQ(t.state().mid(0, 6), L({"20,60", "", "", "6,25", "", "BEATRIZ ÁLVARES MENDES"}));

  c.OPTODOS->setChecked(true);
  c.OPREPRESENTANTE->click();
  EXPECT_EQ(t.state().mid(4, 2), L({"", ""}));
  c.Command2->click();
  c.ININDICACAO->setEditText("X");
  c.Command1->click();
  EXPECT_EQ(t.state(), L({"", "", "", "19,50", "", "", kEmpty, kEmpty, kEmpty, kEmpty, ""}));
  EXPECT_EQ(t.switches(), "10 0100");
  EXPECT_EQ(t.w->consulta().cancelados().rowCount(), 2);
  EXPECT_EQ(t.w->consulta().vendas().columnCount(), 0);
  EXPECT_EQ(t.focus(), c.COINICIAL);
}

// --batch: the entry point refuses the window and says why.
TEST(FrmConsComissaoGERAL, BatchRefusesTheWindow) {
  modCnn m;
  m.options.batch = true;
  ui::ScriptedUi ui;
  testsupport::expectRuntimeError([&] { showFrmConsComissaoGERAL(m, ui); }, "(--batch)");
}

// The sales grid is cleared (shown), then filled once while hidden, with the
// model's widths and alignments. Every caption's ink lies whole in its column.
TEST(FrmConsComissaoGERAL, GridsFillHiddenAndCaptionsFit) {
  Window t;
  const auto& c = t.w->controls();
  t.w->show();
  std::vector<bool> hiddenAtReset;
  QObject::connect(&t.w->consulta().vendas(), &QAbstractItemModel::modelReset,
                   [&] { hiddenAtReset.push_back(c.TABELA->isHidden()); });
  c.OPTODOS->setChecked(true);
  c.COMISS_INDICACAO->setText("2");
  t.march();
  int captions = 0;
  for (QRadioButton* mode : {c.OPVENDEDOR, c.OPREPRESENTANTE, c.OPINDICACAO}) {
    mode->setChecked(true);
    t.w->Command2_Click();
    QApplication::processEvents();
    for (QTableView* view : {c.TABELA, c.TABELACAN}) {
      QHeaderView* header = view->horizontalHeader();
      const QImage img = header->grab().toImage();
      const int background = qGray(img.pixel(header->sectionViewportPosition(0) + 1, 1));
      for (int s = 0; s < header->count(); ++s, ++captions) {
        const QString caption = view->model()->headerData(s, Qt::Horizontal).toString();
        SCOPED_TRACE(caption.toStdString());
        const int left = header->sectionViewportPosition(s), width = header->sectionSize(s);
        const QFontMetrics metrics(comissao::captionFont(header->font(), caption, width));
        if (left < 0 || left + width > img.width()) continue;  // scrolled out of sight
        int inkLeft = width, inkRight = -1;
        for (int x = 0; x < width; ++x)
          for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(left + x, y)) < background - 80)
              inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
        EXPECT_TRUE(inkLeft > 0 && inkRight < width - 1) << inkLeft << " " << inkRight;
        EXPECT_GE(inkRight - inkLeft + 1, metrics.tightBoundingRect(caption).width() - 3);
      }
    }
  }
  EXPECT_EQ(captions, 10 + 10 + 7 + 10 + 7 + 10);
  EXPECT_EQ(hiddenAtReset, (std::vector<bool>{false, true, false, true, false, true}));
  EXPECT_EQ(c.TABELA->columnWidth(0), ui::twipsToPixelsX(c.TABELA, 3000));
  const auto& g = t.w->consulta().vendas();  // numbers to the right, text to the left
  for (auto [col, side] : {std::pair{0, Qt::AlignLeft}, {6, Qt::AlignRight}})
    EXPECT_EQ(g.data(g.index(0, col), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              side | Qt::AlignVCenter);
}
