#include "reports/reportpreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "testsupport.h"
#include "ui/ui.h"

namespace reports {
namespace {

draw::Document threePages() {
  draw::Document doc;
  doc.title = "Talvora - Pedido";
  for (int p = 1; p <= 3; ++p) {
    draw::TextRun run;
    run.rect = QRect(1000, 1000, 3000, 240);
    run.text = "Página " + QString::number(p);
    doc.pages.push_back({{run, draw::Line{.from = QPoint(1000, 2000), .to = QPoint(8000, 2000)}}});
  }
  return doc;
}

QStringList words(const QString& pdf) {
  QStringList out;
  for (const testsupport::PdfWord& w : testsupport::pdfWords(pdf)) out << w.text;
  return out;
}

// Every action of the toolbar with its tooltip and key, on a shown window,
// and what each key does; the page box follows. The window opens inside the
// screen's available area (of a 1366 x 768 one whose panel takes 32 pixels,
// centred), the page filling its width.
TEST(ReportPreview, TitlePagingAndEveryKeyBindingAndTooltip) {
  const QRect available(0, 32, 1366, 736);
  const QRect g = ReportPreview::initialGeometry(available);
  EXPECT_TRUE(available.contains(g) && g.center() == available.center() && g.height() >= available.height() - 40);
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  EXPECT_EQ(w.geometry(), ReportPreview::initialGeometry(QGuiApplication::primaryScreen()->availableGeometry()));
  w.show();
  QApplication::processEvents();
  auto* scroll = w.findChild<QScrollArea*>();
  EXPECT_NEAR(scroll->widget()->width(), scroll->viewport()->width() - 20, 2);
  EXPECT_EQ(w.windowTitle(), "Talvora - Pedido");
  EXPECT_EQ(std::pair(w.pageCount(), w.currentPage()), std::pair(3, 0));
  for (const auto& [page, shown] : {std::pair{2, 2}, {7, 2}, {-1, 0}}) {
    w.showPage(page);
    EXPECT_EQ(w.currentPage(), shown) << page;
  }
  auto* box = w.findChild<QSpinBox*>();
  auto* zoomBox = w.findChild<QComboBox*>();
  ASSERT_TRUE(box && zoomBox);
  box->setValue(3);
  EXPECT_EQ(w.currentPage(), 2);
  int closed = 0;
  w.onClosed = [&closed] { ++closed; };
  // Zoom 1 is the sheet's actual size; the zoom box sets it too.
  auto* view = w.findChild<PageView*>();
  zoomBox->setCurrentIndex(zoomBox->findText("50%"));
  EXPECT_DOUBLE_EQ(w.zoom(), 0.5);
  EXPECT_EQ(view->grab().toImage().pixelColor(2, 2), QColor(Qt::white));  // the paper
  w.setZoom(1.0);
  EXPECT_NEAR(view->width(), 11906.0 * view->logicalDpiX() / 1440, 1);
  ui.printCurrentPage = true;
  ui.printToFile = testsupport::scratchFile("atual.pdf");
  const QString saved = testsupport::scratchFile("preview-saved");
  ui.saveNames = {saved, {}};
  QStringList tips;
  for (QAction* a : w.findChildren<QAction*>()) tips << a->toolTip();
  // Each key of the golden table in turn, its action's tooltip, and what follows.
  const QString golden = "src/reports/testdata/preview_keys.lines";
  QStringList actual;
  for (const QString& line : testsupport::goldenLines(golden)) {
    const QString key = line.section(" | ", 0, 0), tip = line.section(" | ", 1, 1);
    actual << key + " | " + (tip == "-" || tips.contains(tip) ? tip : "(sem a dica) " + tip);
    if (key == "-") continue;
    if (!w.isActiveWindow()) {
      w.show();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    const QKeyCombination k = QKeySequence::fromString(key, QKeySequence::PortableText)[0];
    QTest::keyClick(&w, k.key(), k.keyboardModifiers());
    actual.back() += QString(" | page %1 zoom %2 dialogs %3 saves %4 closed %5")
                         .arg(w.currentPage()).arg(w.zoom(), 0, 'g', 15).arg(ui.printDialogs)
                         .arg(ui.saveSuggestions.size()).arg(closed);
    if (box->value() != w.currentPage() + 1) actual.back() += QString(" box %1").arg(box->value());
    if (zoomBox->currentText() != QString::number(qRound(w.zoom() * 100)) + "%")
      actual.back() += " zoombox " + zoomBox->currentText();
  }
  testsupport::expectGoldenLines(actual, golden);
  // The print dialog was told the pages and the page shown; "current page" printed that one alone.
  EXPECT_EQ(std::pair(ui.lastPages.count, ui.lastPages.current), std::pair(3, 1));
  EXPECT_EQ(words(ui.printToFile), QStringList({"Página", "2"}));
  EXPECT_EQ(words(saved + ".pdf").size(), 6);  // Ctrl+S added ".pdf" and wrote every page
  // Ctrl with the wheel zooms too.
  w.show();
  QWheelEvent wheel(QPointF(50, 50), scroll->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(scroll->viewport(), &wheel);
  EXPECT_DOUBLE_EQ(w.zoom(), 1.0);
  // "Largura da página": the page fills the view's width after every resize; the whole page fits when asked.
  for (QAction* a : w.findChildren<QAction*>())
    if (a->toolTip() == "Largura da página") a->trigger();
  for (const QSize size : {QSize(900, 1000), QSize(1400, 900), QSize(600, 700)}) {
    w.resize(size);
    QApplication::processEvents();
    EXPECT_NEAR(scroll->widget()->width(), scroll->viewport()->width() - 20, 2) << size.width();
  }
  w.fitPage();
  EXPECT_LE(scroll->widget()->height(), scroll->viewport()->height());
}

}  // namespace
}  // namespace reports
