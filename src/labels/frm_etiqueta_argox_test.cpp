#include "labels/frm_etiqueta_argox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QtTest/QTest>

#include "labels/labels_testutil.h"
#include "core/errors.h"

using namespace labeltest;

namespace {

struct Fixture {
  modCnn m;
  ui::ScriptedUi ui;
  explicit Fixture(const char* name) {
    m.job.NOMEEMPRESA = "LOJA TALVORA LTDA";
    m.job.NOMEPRODUTO = "PARAFUSO SEXTAVADO 8 X 40 ZINCADO";
    m.job.CODBARRAS = "7891234567895";
    m.job.PRECO = 1234.5;
    m.job.IMPRESSORA = freshPath(QString(name) + ".prn");
  }
  QByteArray printed() const { return testsupport::readFile(m.job.IMPRESSORA); }
};

// Shown for the product, active, the focus in QTDE.
void open(frm_etiqueta_argox& w) {
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

}  // namespace

// The fixed captions fit their controls, whatever the font's metrics.
TEST(frm_etiqueta_argox, CaptionsFitTheirControls) {
  Fixture f("layout");
  frm_etiqueta_argox w(f.m, f.ui);
  EXPECT_EQ(w.windowTitle(), QString("Argox - Impressão de Etiquetas"));
  for (QLabel* label : {w.Label4, w.Label5, w.lblcod, w.Label1})
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
  for (QRadioButton* option : {w.COMPRECO, w.SEMPRECO}) {
    const QStyle* s = option->style();
    EXPECT_LE(s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                  s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option) +
                  option->fontMetrics().horizontalAdvance(option->text()),
              option->width())
        << option->objectName().toStdString();
  }
  EXPECT_TRUE(w.COMPRECO->isChecked());
}

// Tab walks QTDE, COM PREÇO, SEM PREÇO, the button.
TEST(frm_etiqueta_argox, TabOrder) {
  Fixture f("taborder");
  frm_etiqueta_argox w(f.m, f.ui);
  QList<QWidget*> chain;
  QWidget* next = w.QTDE;
  for (int i = 0; i < 40 && chain.size() < 4; ++i, next = next->nextInFocusChain())
    if (next->focusPolicy() != Qt::NoFocus && next != &w) chain << next;
  EXPECT_EQ(chain, (QList<QWidget*>{w.QTDE, w.COMPRECO, w.SEMPRECO, w.BTIMPRIMIR}));
}

// Every press is a new job of QTDE copies under "0000": the file holds it alone.
TEST(frm_etiqueta_argox, OpeningThenEveryPressPrintsTheTypedQuantity) {
  Fixture f("quantity");
  frm_etiqueta_argox w(f.m, f.ui);
  open(w);
  EXPECT_EQ(w.PRNOME->text(), QString("PARAFUSO SEXTAVADO 8 "));  // characters 1 to 21
  EXPECT_EQ(w.PRNOME->textFormat(), Qt::PlainText);               // a name is never markup
  EXPECT_EQ(w.PRPRECO->text(), QString("1.234,50"));
  EXPECT_EQ(w.PRBARRAS->text(), QString("7891234567895"));
  EXPECT_EQ(QApplication::focusWidget(), w.QTDE);
  EXPECT_FALSE(QFile::exists(f.m.job.IMPRESSORA));  // nothing printed yet

  QStringList printed;  // testdata/argox_quantidade.lines
  const std::pair<const char*, const char*> cases[] = {
      {"3", "0003"},      {"a", "0001"},     {"", "0001"},      {"5", "0005"},
      {"12345", "12345"}, {"2,5", "0003"},   {"0012", "0012"},  {" 7 ", "0007"},
      {"1.000", "1000"},  {"x1", "0001"}};
  for (const auto& [typed, sent] : cases) {
    SCOPED_TRACE(typed);
    w.QTDE->clear();
    QTest::keyClicks(w.QTDE, typed);
    QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
    EXPECT_EQ(w.QTDE->text(), QString(sent));
    printed << QString("= QTDE \"%1\"").arg(typed) << listing(f.printed());
  }

  // Alt+I clicks the button the way a mouse does, after its press is shown.
  w.QTDE->setText("4");
  QTest::keyClick(w.QTDE, Qt::Key_I, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.QTDE->text() == "0004"; }, 5000));
  testsupport::expectGoldenLines(printed << "= Alt+I" << listing(f.printed()),
                                 golden("argox_quantidade.lines"));
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_FALSE(w.programEnded());
}

// SEM PREÇO leaves out only the price lines and prints with a zero price too;
// COM PREÇO with a zero price shows the message and ends the program instead.
TEST(frm_etiqueta_argox, PriceChoiceAndZeroPrice) {
  Fixture f("price");
  frm_etiqueta_argox w(f.m, f.ui);
  open(w);
  QTest::mouseClick(w.SEMPRECO, Qt::LeftButton);
  QTest::keyClicks(w.QTDE, "2");
  QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
  QStringList printed = QStringList("= SEM PREÇO") + listing(f.printed());
  f.m.job.PRECO = 0;
  QFile::remove(f.m.job.IMPRESSORA);
  QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
  printed << "= SEM PREÇO, price 0" << listing(f.printed());
  testsupport::expectGoldenLines(printed, golden("argox_sem_preco.lines"));
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_FALSE(w.programEnded());

  QFile::remove(f.m.job.IMPRESSORA);
  QTest::mouseClick(w.COMPRECO, Qt::LeftButton);
  w.QTDE->clear();
  QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  const auto& shown = f.ui.shown[0];
  EXPECT_EQ(shown.text, "O Preço do produto não é válido, verifique se você selecionou a Tabela de Preço.");
  EXPECT_EQ(std::tuple(shown.title, shown.icon, shown.buttons),
            std::tuple(QString("tl_relatorios"), ui::Icon::Exclamation, ui::Buttons::Ok));
  EXPECT_TRUE(w.programEnded());
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(QFile::exists(f.m.job.IMPRESSORA));
  EXPECT_EQ(w.QTDE->text(), QString("0001"));  // the quantity is checked first
}

TEST(frm_etiqueta_argox, ClosingTheWindowEndsTheProgram) {
  Fixture f("closing");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  QTimer::singleShot(0, &w, [&] { w.close(); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(frm_etiqueta_argox, UnopenablePrinterPathEndsWithStatusOne) {
  for (const QString& path : {QString(), QString("/nonexistent-folder/etiqueta.prn")}) {
    SCOPED_TRACE(path.toStdString());
    Fixture f("unopenable");
    f.m.job.IMPRESSORA = path;
    frm_etiqueta_argox w(f.m, f.ui);
    w.openForProduct(true);
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton); });
    EXPECT_EQ(QCoreApplication::exec(), 1);
    EXPECT_THROW(w.IMPRIME_ETIQUETA_PRECO(), RuntimeError);
  }
}
