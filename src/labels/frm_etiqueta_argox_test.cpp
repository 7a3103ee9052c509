#include "labels/frm_etiqueta_argox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "labels/labels_testutil.h"
#include "startup/errors.h"
#include "testsupport.h"

using namespace labeltest;

namespace {

// A fresh, not yet existing output path per test.
QString outputPath(const char* name) {
  const QString path = QDir(testsupport::scratchDir()).filePath(QString(name) + ".prn");
  QFile::remove(path);
  return path;
}

struct Fixture {
  modCnn m;
  ui::ScriptedUi ui;
  Fixture(const char* name) {
    m.job.NOMEEMPRESA = "LOJA TALVORA LTDA";
    m.job.NOMEPRODUTO = "PARAFUSO SEXTAVADO 8 X 40 ZINCADO";  // 33 characters
    m.job.CODBARRAS = "7891234567895";
    m.job.PRECO = 1234.5;
    m.job.IMPRESSORA = outputPath(name);
  }
};

// The bytes of a price job on the fixture's product.
QByteArray priceJob(const std::string& copies, bool withPrice) {
  QByteArray left = lines({"121100000600035LOJA TALVORA LTDA",
                           "111100000500035PARAFUSO SEXTAVADO 8 X 40 ZINCADO",
                           "111100000430035", "1211000003000357891234567895",
                           "1e5202000050035B7891234567895"});
  if (withPrice) left += lines({"121100000300130R$ 1.234,50"});
  QByteArray right = lines({"121100000600230LOJA TALVORA LTDA",
                            "111100000500230PARAFUSO SEXTAVADO 8 X 40 ZINCADO",
                            "111100000430230", "1211000003002307891234567895",
                            "1e5202000050230B7891234567895"});
  if (withPrice) right += lines({"121100000300310R$ 1.234,50"});
  return startBlock() + left + right + endBlock(copies);
}

void showAndActivate(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

}  // namespace

TEST(frm_etiqueta_argox, CaptionsAndInitialState) {
  Fixture f("captions");
  frm_etiqueta_argox w(f.m, f.ui);
  EXPECT_EQ(w.windowTitle(), QString("Argox - Impressão de Etiquetas"));
  EXPECT_EQ(w.Label4->text(), QString("PRODUTO:"));
  EXPECT_EQ(w.PRNOME->text(), QString("NOME"));
  EXPECT_EQ(w.Label5->text(), QString("PREÇO:"));
  EXPECT_EQ(w.PRPRECO->text(), QString("PRECO"));
  EXPECT_EQ(w.lblcod->text(), QString("CÓD.BARRAS:"));
  EXPECT_EQ(w.PRBARRAS->text(), QString("CODBARRAS"));
  EXPECT_EQ(w.Label1->text(), QString("QTDE:"));
  EXPECT_EQ(w.QTDE->text(), QString());
  EXPECT_EQ(w.COMPRECO->text(), QString("COM PREÇO"));
  EXPECT_EQ(w.SEMPRECO->text(), QString("SEM PREÇO"));
  EXPECT_EQ(w.BTIMPRIMIR->text(), QString("&IMPRIMIR"));
  EXPECT_TRUE(w.COMPRECO->isChecked());
  EXPECT_FALSE(w.SEMPRECO->isChecked());
  EXPECT_TRUE(w.grupoPreco->exclusive());
  EXPECT_EQ(w.grupoPreco->buttons().size(), 2);
  EXPECT_EQ(w.findChild<QLineEdit*>("QTDE"), w.QTDE);
  EXPECT_EQ(w.findChild<QPushButton*>("BTIMPRIMIR"), w.BTIMPRIMIR);
}

TEST(frm_etiqueta_argox, PositionsInTwipsAtTheScreensResolution) {
  Fixture f("positions");
  frm_etiqueta_argox w(f.m, f.ui);
  const double dx = w.screen()->logicalDotsPerInchX() / 1440.0;
  const double dy = w.screen()->logicalDotsPerInchY() / 1440.0;
  struct Expect {
    QWidget* w;
    int l, t, wd, h;
  };
  const Expect expected[] = {
      {w.Label4, 240, 120, 975, 255},     {w.PRNOME, 1560, 120, 4455, 255},
      {w.Label5, 240, 480, 855, 255},     {w.PRPRECO, 1560, 480, 1695, 255},
      {w.lblcod, 240, 840, 1215, 255},    {w.PRBARRAS, 1560, 840, 2775, 255},
      {w.Label1, 240, 1200, 615, 255},    {w.QTDE, 240, 1440, 495, 375},
      {w.COMPRECO, 960, 1560, 1335, 255}, {w.SEMPRECO, 2520, 1560, 1335, 255},
      {w.BTIMPRIMIR, 4440, 1320, 1575, 495},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.w->objectName().toStdString());
    EXPECT_EQ(e.w->geometry(), QRect(qRound(e.l * dx), qRound(e.t * dy), qRound(e.wd * dx),
                                     qRound(e.h * dy)));
  }
  EXPECT_EQ(w.size(), QSize(qRound(6240 * dx), qRound(1935 * dy)));
  if (w.screen()->logicalDotsPerInchX() == 96 && w.screen()->logicalDotsPerInchY() == 96) {
    // 15 twips to a pixel.
    EXPECT_EQ(w.size(), QSize(416, 129));
    EXPECT_EQ(w.BTIMPRIMIR->geometry(), QRect(296, 88, 105, 33));
    EXPECT_EQ(w.QTDE->geometry(), QRect(16, 96, 33, 25));
  }
}

TEST(frm_etiqueta_argox, FixedCaptionsFitTheirControls) {
  Fixture f("fit");
  frm_etiqueta_argox w(f.m, f.ui);
  for (QLabel* label : {w.Label4, w.Label5, w.lblcod, w.Label1}) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
  }
  for (QRadioButton* option : {w.COMPRECO, w.SEMPRECO}) {
    const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth,
                                                       nullptr, option) +
                          option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing,
                                                       nullptr, option);
    EXPECT_LE(indicator + option->fontMetrics().horizontalAdvance(option->text()),
              option->width())
        << option->objectName().toStdString();
  }
}

TEST(frm_etiqueta_argox, TabOrderAndIcon) {
  Fixture f("taborder");
  frm_etiqueta_argox w(f.m, f.ui);
  const std::pair<QWidget*, int> tabIndex[] = {
      {w.QTDE, 0},    {w.Label1, 1}, {w.COMPRECO, 2}, {w.SEMPRECO, 3},
      {w.BTIMPRIMIR, 4}, {w.PRNOME, 5}, {w.PRPRECO, 6}, {w.Label4, 7},
      {w.Label5, 8},  {w.PRBARRAS, 9}, {w.lblcod, 10}};
  for (const auto& [control, index] : tabIndex)
    EXPECT_EQ(control->property("TabIndex").toInt(), index) << control->objectName().toStdString();
  // The focus chain of the controls that take the focus.
  QList<QWidget*> chain;
  QWidget* next = w.QTDE;
  for (int i = 0; i < 40 && chain.size() < 4; ++i, next = next->nextInFocusChain())
    if (next->focusPolicy() != Qt::NoFocus && next != &w) chain << next;
  EXPECT_EQ(chain, (QList<QWidget*>{w.QTDE, w.COMPRECO, w.SEMPRECO, w.BTIMPRIMIR}));

  showAndActivate(w);
  w.QTDE->setFocus();
  QTest::keyClick(w.QTDE, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w.COMPRECO);

  const QIcon icon = w.windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(32, 32).toImage();
  EXPECT_EQ(image.size(), QSize(32, 32));
  QSet<QRgb> colours;
  int opaque = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      colours.insert(image.pixel(x, y));
      if (qAlpha(image.pixel(x, y)) == 255) ++opaque;
    }
  EXPECT_GT(colours.size(), 3);
  EXPECT_GT(opaque, 300);
}

TEST(frm_etiqueta_argox, OpeningFillsTheCaptionsAndFocusesQuantity) {
  Fixture f("opening");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.PRNOME->text(), QString("PARAFUSO SEXTAVADO 8 "));  // characters 1 to 21
  EXPECT_EQ(w.PRPRECO->text(), QString("1.234,50"));
  EXPECT_EQ(w.PRBARRAS->text(), QString("7891234567895"));
  EXPECT_EQ(QApplication::focusWidget(), w.QTDE);
  EXPECT_FALSE(QFile::exists(f.m.job.IMPRESSORA));  // nothing printed yet
}

TEST(frm_etiqueta_argox, NameIsShownAsPlainText) {
  Fixture f("plain");
  f.m.job.NOMEPRODUTO = "<b>TINTA</b> & CIA";
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(false);
  EXPECT_EQ(w.PRNOME->text(), QString("<b>TINTA</b> & CIA"));
  EXPECT_EQ(w.PRNOME->textFormat(), Qt::PlainText);
}

TEST(frm_etiqueta_argox, TypingThreePrintsThreeCopies) {
  Fixture f("typing3");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClicks(w.QTDE, "3");
  QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
  EXPECT_EQ(w.QTDE->text(), QString("0003"));
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0003", true));
  EXPECT_TRUE(f.ui.shown.empty());
}

TEST(frm_etiqueta_argox, ALetterPrintsOneAndAnEmptyBoxToo) {
  Fixture f("letter");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClicks(w.QTDE, "a");
  QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
  EXPECT_EQ(w.QTDE->text(), QString("0001"));
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0001", true));

  w.QTDE->clear();
  QFile::remove(f.m.job.IMPRESSORA);
  QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
  EXPECT_EQ(w.QTDE->text(), QString("0001"));
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0001", true));
}

TEST(frm_etiqueta_argox, QuantityMask) {
  Fixture f("mask");
  frm_etiqueta_argox w(f.m, f.ui);
  const std::pair<QString, QString> cases[] = {
      {"5", "0005"}, {"12345", "12345"}, {"2,5", "0003"}, {"0012", "0012"}, {" 7 ", "0007"},
      {"1.000", "1000"}, {"x1", "0001"}};
  for (const auto& [typed, sent] : cases) {
    w.QTDE->setText(typed);
    w.BTIMPRIMIR_Click();
    EXPECT_EQ(w.QTDE->text(), sent) << typed.toStdString();
    EXPECT_TRUE(testsupport::readFile(f.m.job.IMPRESSORA)
                    .endsWith(endBlock(sent.toStdString())))
        << typed.toStdString();
  }
}

TEST(frm_etiqueta_argox, WithoutPriceLeavesOutOnlyThePriceLines) {
  Fixture f("semprego");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::mouseClick(w.SEMPRECO, Qt::LeftButton);
  EXPECT_TRUE(w.SEMPRECO->isChecked());
  EXPECT_FALSE(w.COMPRECO->isChecked());
  QTest::keyClicks(w.QTDE, "2");
  QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton);
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0002", false));
}

TEST(frm_etiqueta_argox, AltIPresses) {
  Fixture f("alti");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClicks(w.QTDE, "4");
  QTest::keyClick(w.QTDE, Qt::Key_I, Qt::AltModifier);
  // The access key clicks the button the way a mouse does, after its press is shown.
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.QTDE->text() == "0004"; }, 5000));
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0004", true));
}

TEST(frm_etiqueta_argox, EveryPressIsANewJob) {
  Fixture f("again");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(false);
  w.QTDE->setText("2");
  w.BTIMPRIMIR_Click();
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0002", true));
  w.QTDE->setText("5");
  w.BTIMPRIMIR_Click();
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0005", true));
  EXPECT_TRUE(w.isVisible() || !w.programEnded());
}

TEST(frm_etiqueta_argox, ZeroPriceMessageEndsTheProgram) {
  Fixture f("zeroprice");
  f.m.job.PRECO = 0;
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton); });
  const int status = QCoreApplication::exec();
  EXPECT_EQ(status, 0);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text,
            QString("O Preço do produto não é válido, verifique se você selecionou a Tabela "
                    "de Preço."));
  EXPECT_EQ(f.ui.shown[0].title, QString("tl_relatorios"));
  EXPECT_EQ(f.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(f.ui.shown[0].buttons, ui::Buttons::Ok);
  EXPECT_TRUE(w.programEnded());
  EXPECT_FALSE(w.isVisible());
  EXPECT_FALSE(QFile::exists(f.m.job.IMPRESSORA));
  EXPECT_EQ(w.QTDE->text(), QString("0001"));
}

TEST(frm_etiqueta_argox, ZeroPriceWithoutPricePrints) {
  Fixture f("zeronoprice");
  f.m.job.PRECO = 0;
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(false);
  w.SEMPRECO->setChecked(true);
  w.BTIMPRIMIR_Click();
  EXPECT_TRUE(f.ui.shown.empty());
  EXPECT_FALSE(w.programEnded());
  EXPECT_EQ(testsupport::readFile(f.m.job.IMPRESSORA), priceJob("0001", false));
}

TEST(frm_etiqueta_argox, ClosingTheWindowEndsTheProgram) {
  Fixture f("closing");
  frm_etiqueta_argox w(f.m, f.ui);
  w.openForProduct(true);
  QTimer::singleShot(0, &w, [&] { w.close(); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_FALSE(w.isVisible());
}

TEST(frm_etiqueta_argox, UnopenablePrinterPathEndsWithStatusOne) {
  for (const QString& path : {QString(), QString("/nonexistent-folder/etiqueta.prn")}) {
    Fixture f("unopenable");
    f.m.job.IMPRESSORA = path;
    frm_etiqueta_argox w(f.m, f.ui);
    w.openForProduct(true);
    QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.BTIMPRIMIR, Qt::LeftButton); });
    EXPECT_EQ(QCoreApplication::exec(), 1) << path.toStdString();
    EXPECT_THROW(w.IMPRIME_ETIQUETA_PRECO(), RuntimeError);
  }
}
