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

#include "drawing/painterbackend.h"
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

// The words of a PDF, with their page and place when asked.
QStringList words(const QString& pdf, bool where = false) {
  QStringList out;
  for (const testsupport::PdfWord& w : testsupport::pdfWords(pdf))
    out << (where ? QString("%1 %2 %3,%4").arg(w.text).arg(w.page).arg(w.xMin, 0, 'f', 3).arg(w.yMin, 0, 'f', 3) : w.text);
  return out;
}

// Every action of the toolbar with its tooltip and key, on a shown window,
// and what each key does; the page box follows.
TEST(ReportPreview, TitlePagingAndEveryKeyBindingAndTooltip) {
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
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
  w.setZoom(2.0);
  EXPECT_NEAR(view->width(), 2 * 11906.0 * view->logicalDpiX() / 1440, 2);
  zoomBox->setCurrentIndex(zoomBox->findText("50%"));
  EXPECT_DOUBLE_EQ(w.zoom(), 0.5);
  EXPECT_EQ(view->grab().toImage().pixelColor(2, 2), QColor(Qt::white));  // the paper
  w.setZoom(1.0);
  EXPECT_NEAR(view->width(), 11906.0 * view->logicalDpiX() / 1440, 1);
  ui.printCurrentPage = true;
  ui.printToFile = testsupport::scratchFile("atual.pdf");
  const QString saved = testsupport::scratchFile("preview-saved"), direct = testsupport::scratchFile("direct.pdf");
  ui.saveNames = {saved, {}};
  QStringList tips;
  for (QAction* a : w.findChildren<QAction*>()) tips << a->toolTip();
  // Each key in turn, with its action's tooltip (null: the action's other key), and what follows.
  const struct { const char* tip; QKeyCombination key; int page; double zoom; int dialogs, saves, closed; } steps[] = {
      {"Primeira página (Home)", Qt::Key_Home, 0, 1.0, 0, 0, 0},
      {"Última página (End)", Qt::Key_End, 2, 1.0, 0, 0, 0},
      {"Página anterior (PgUp)", Qt::Key_PageUp, 1, 1.0, 0, 0, 0},
      {"Próxima página (PgDown)", Qt::Key_PageDown, 2, 1.0, 0, 0, 0},
      {nullptr, Qt::Key_PageUp, 1, 1.0, 0, 0, 0},
      {nullptr, Qt::CTRL | Qt::Key_Plus, 1, 1.25, 0, 0, 0},
      {nullptr, Qt::CTRL | Qt::Key_Minus, 1, 1.0, 0, 0, 0},
      {nullptr, Qt::CTRL | Qt::Key_Minus, 1, 0.8, 0, 0, 0},
      {"Imprimir (Ctrl+P)", Qt::CTRL | Qt::Key_P, 1, 0.8, 1, 0, 0},
      {"Salvar PDF… (Ctrl+S)", Qt::CTRL | Qt::Key_S, 1, 0.8, 1, 1, 0},
      {nullptr, Qt::CTRL | Qt::Key_S, 1, 0.8, 1, 2, 0},  // dialog cancelled: nothing written
      {nullptr, Qt::CTRL | Qt::Key_W, 1, 0.8, 1, 2, 1},
      {"Fechar (Esc)", Qt::Key_Escape, 1, 0.8, 1, 2, 2},
      {"Página inteira", {}, 1, 0.8, 1, 2, 2},
      {"Largura da página", {}, 1, 0.8, 1, 2, 2},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.tip ? s.tip : QKeySequence(s.key).toString().toStdString().c_str());
    if (s.tip) {
      EXPECT_TRUE(tips.contains(QString::fromUtf8(s.tip))) << tips.join('|').toStdString();
    }
    if (s.key == QKeyCombination()) continue;
    if (!w.isActiveWindow()) {
      w.show();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    QTest::keyClick(&w, s.key.key(), s.key.keyboardModifiers());
    EXPECT_EQ(std::pair(w.currentPage(), box->value()), std::pair(s.page, s.page + 1));
    EXPECT_DOUBLE_EQ(w.zoom(), s.zoom);
    EXPECT_EQ(zoomBox->currentText(), QString::number(qRound(s.zoom * 100)) + "%");
    EXPECT_EQ(std::tuple(ui.printDialogs, int(ui.saveSuggestions.size()), closed), std::tuple(s.dialogs, s.saves, s.closed));
  }
  // The print dialog was told the pages and the page shown; "current page" printed that one alone.
  EXPECT_EQ(std::pair(ui.lastPages.count, ui.lastPages.current), std::pair(3, 1));
  EXPECT_EQ(words(ui.printToFile), QStringList({"Página", "2"}));
  // Ctrl+S wrote the PDF --pdf writes: the same words at the same places.
  draw::renderToPdf(threePages(), direct);
  EXPECT_EQ(words(saved + ".pdf", true), words(direct, true));
  EXPECT_EQ(words(direct).size(), 6);
  // Ctrl with the wheel zooms too.
  w.show();
  auto* scroll = w.findChild<QScrollArea*>();
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

// Inside the available area of the screen (of a 1366 x 768 one whose panel
// takes 32 pixels, centred), the page filling the shown window's width.
TEST(ReportPreview, OpensWithinTheAvailableScreenArea) {
  const QRect available(0, 32, 1366, 736);
  const QRect g = ReportPreview::initialGeometry(available);
  EXPECT_TRUE(available.contains(g) && g.center() == available.center() && g.height() >= available.height() - 40);
  ui::ScriptedUi ui;
  ReportPreview w(threePages(), ui);
  EXPECT_EQ(w.geometry(), ReportPreview::initialGeometry(QGuiApplication::primaryScreen()->availableGeometry()));
  w.show();
  QApplication::processEvents();
  const auto* scroll = w.findChild<QScrollArea*>();
  EXPECT_NEAR(scroll->widget()->width(), scroll->viewport()->width() - 20, 2);
}

}  // namespace
}  // namespace reports
