#include "reports/reportpreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "drawing/painterbackend.h"
#include "testsupport.h"
#include "ui/ui.h"

namespace reports {
namespace {

draw::Document threePages() {
  draw::Document doc;
  doc.title = "Talvora - Pedido";
  for (int p = 0; p < 3; ++p) {
    draw::Page page;
    draw::TextRun run;
    run.rect = QRect(1000, 1000, 3000, 240);
    run.text = "Página " + QString::number(p + 1);
    page.items.emplace_back(run);
    page.items.emplace_back(draw::Line{QPoint(1000, 2000), QPoint(8000, 2000)});
    doc.pages.push_back(page);
  }
  return doc;
}

TEST(ReportPreview, IsTitledWithTheReportsWindowTitleAndPages) {
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  EXPECT_EQ(w.windowTitle(), "Talvora - Pedido");
  EXPECT_EQ(w.pageCount(), 3);
  EXPECT_EQ(w.currentPage(), 0);
  w.showPage(2);
  EXPECT_EQ(w.currentPage(), 2);
  w.showPage(7);
  EXPECT_EQ(w.currentPage(), 2);
  w.showPage(-1);
  EXPECT_EQ(w.currentPage(), 0);
  // The page box and the keys page through the report.
  auto* box = w.findChild<QSpinBox*>();
  ASSERT_NE(box, nullptr);
  box->setValue(2);
  EXPECT_EQ(w.currentPage(), 1);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::keyClick(&w, Qt::Key_PageDown);
  EXPECT_EQ(w.currentPage(), 2);
  QTest::keyClick(&w, Qt::Key_PageUp);
  EXPECT_EQ(w.currentPage(), 1);
  EXPECT_EQ(box->value(), 2);
}

TEST(ReportPreview, ZoomScalesThePageAndPrintingAsksThePrintDialog) {
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  w.setZoom(1.0);
  auto* view = w.findChild<PageView*>();
  ASSERT_NE(view, nullptr);
  const int actual = view->width();
  EXPECT_NEAR(actual, 11906.0 * view->logicalDpiX() / 1440, 1);
  w.setZoom(2.0);
  EXPECT_NEAR(view->width(), 2 * actual, 2);
  auto* zoom = w.findChild<QComboBox*>();
  ASSERT_NE(zoom, nullptr);
  zoom->setCurrentIndex(zoom->findText("50%"));
  EXPECT_DOUBLE_EQ(w.zoom(), 0.5);
  EXPECT_EQ(view->grab().toImage().pixelColor(2, 2), QColor(Qt::white));  // the paper
  // Cancelling the print dialog prints nothing.
  ui.printCopies = 0;
  w.printAction()->trigger();
  EXPECT_EQ(ui.printDialogs, 1);
}

// "Largura da página": the page fills the view's width once the window is
// shown and after every resize, not the width the view had before layout.
TEST(ReportPreview, PageWidthFollowsTheShownWindow) {
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  for (const QSize size : {QSize(900, 1000), QSize(1400, 900), QSize(600, 700)}) {
    SCOPED_TRACE(size.width());
    w.resize(size);
    w.show();
    QApplication::processEvents();
    auto* scroll = w.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_NEAR(scroll->widget()->width(), scroll->viewport()->width() - 20, 2);
  }
}

TEST(ReportPreview, ClosingTheWindowEndsTheProgram) {
  ui::ScriptedUi ui;
  auto* w = new ReportPreview(threePages(), ui);
  int closed = 0;
  w->onClosed = [&closed] { ++closed; };
  w->show();
  w->close();
  EXPECT_EQ(closed, 1);
  delete w;
  // By default the window ends the event loop with status 0.
  ReportPreview dflt(threePages(), ui);
  dflt.show();
  QTimer::singleShot(0, &dflt, [&dflt] { dflt.close(); });
  EXPECT_EQ(QApplication::exec(), 0);
}

// Every key of the toolbar, on a shown window.
TEST(ReportPreview, KeyBindings) {
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  int closed = 0;
  w.onClosed = [&closed] { ++closed; };
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::keyClick(&w, Qt::Key_End);
  EXPECT_EQ(w.currentPage(), 2);
  QTest::keyClick(&w, Qt::Key_Home);
  EXPECT_EQ(w.currentPage(), 0);
  w.setZoom(1.0);
  QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(w.zoom(), 1.25);
  QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(w.zoom(), 0.8);
  auto* scroll = w.findChild<QScrollArea*>();
  QWheelEvent wheel(QPointF(50, 50), scroll->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(scroll->viewport(), &wheel);
  EXPECT_DOUBLE_EQ(w.zoom(), 1.0);
  auto* zoomBox = w.findChild<QComboBox*>();
  EXPECT_EQ(zoomBox->currentText(), "100%");
  ui.printCopies = 0;
  QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(ui.printDialogs, 1);
  QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);  // dialog cancelled: nothing written
  EXPECT_EQ(ui.saveSuggestions.size(), 1);
  QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(closed, 1);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Escape);
  EXPECT_EQ(closed, 2);
  // Tooltips name the action and its key.
  QStringList tips;
  for (QAction* a : w.findChildren<QAction*>()) tips << a->toolTip();
  for (const char* tip : {"Imprimir (Ctrl+P)", "Salvar PDF… (Ctrl+S)", "Primeira página (Home)",
                          "Próxima página (PgDown)", "Página inteira", "Largura da página",
                          "Fechar (Esc)"})
    EXPECT_TRUE(tips.contains(QString::fromUtf8(tip))) << tip << tips.join('|').toStdString();
}

// On a 1366 x 768 screen whose panel takes 32 pixels: inside the available
// area, centred; the whole page fits when asked.
TEST(ReportPreview, OpensWithinTheAvailableScreenArea) {
  const QRect available(0, 32, 1366, 736);
  const QRect g = ReportPreview::initialGeometry(available);
  EXPECT_TRUE(available.contains(g));
  EXPECT_EQ(g.center(), available.center());
  EXPECT_GE(g.height(), available.height() - 40);
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  w.setGeometry(g);
  w.show();
  QApplication::processEvents();
  auto* scroll = w.findChild<QScrollArea*>();
  EXPECT_NEAR(scroll->widget()->width(), scroll->viewport()->width() - 20, 2);  // page width
  w.fitPage();
  EXPECT_LE(scroll->widget()->height(), scroll->viewport()->height());
}

// The same on a real (offscreen) 1366 x 768 screen: the test runs itself
// again on that screen.
TEST(ReportPreview, OnA1366x768Screen) {
  if (qEnvironmentVariableIsSet("TL_SCREEN_1366")) {
    ui::ScriptedUi ui;
    ReportPreview w(threePages(), ui);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(available.size(), QSize(1366, 768));
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(available.contains(w.frameGeometry())) << w.frameGeometry().height();
    EXPECT_GE(w.height(), 700);
    auto* scroll = w.findChild<QScrollArea*>();
    EXPECT_NEAR(scroll->widget()->width(), scroll->viewport()->width() - 20, 2);
    return;
  }
  const QString config = testsupport::scratchFile("screen1366.json");
  QFile f(config);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1366, "height": 768,
              "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  f.close();
  QProcess self;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TL_SCREEN_1366", "1");
  env.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
  self.setProcessEnvironment(env);
  self.start(QCoreApplication::applicationFilePath(),
             {"--gtest_filter=ReportPreview.OnA1366x768Screen"});
  ASSERT_TRUE(self.waitForFinished(30000));
  const QByteArray out = self.readAllStandardOutput();
  EXPECT_EQ(self.exitCode(), 0) << out.toStdString();
  EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

// Ctrl+S writes the PDF --pdf writes: the same words at the same places.
TEST(ReportPreview, SavedPdfIsThePdfOption) {
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  const QString saved = testsupport::scratchFile("preview-saved"), direct = testsupport::scratchFile("direct.pdf");
  ui.saveNames.push_back(saved);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
  draw::renderToPdf(threePages(), direct);
  const auto a = testsupport::pdfWords(saved + ".pdf"), b = testsupport::pdfWords(direct);
  ASSERT_EQ(a.size(), b.size());
  ASSERT_EQ(a.size(), 6u);
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].text, b[i].text);
    EXPECT_EQ(a[i].page, b[i].page);
    EXPECT_DOUBLE_EQ(a[i].xMin, b[i].xMin);
    EXPECT_DOUBLE_EQ(a[i].yMin, b[i].yMin);
  }
}

}  // namespace
}  // namespace reports
