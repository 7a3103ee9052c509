#include "reports/reportpreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace reports
