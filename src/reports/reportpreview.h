#pragma once
#include <QMainWindow>
#include <QWidget>
#include <functional>

#include "drawing/displaylist.h"
#include "ui/ui.h"

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QAction;

namespace reports {

// One page of a document drawn at a zoom factor (1 = actual size on the screen).
class PageView : public QWidget {
  Q_OBJECT
 public:
  explicit PageView(const draw::Document& doc, QWidget* parent = nullptr);
  void setPage(int index);
  void setZoom(double zoom);
  int page() const { return page_; }
  double zoom() const { return zoom_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  double scaleX() const;
  double scaleY() const;
  const draw::Document& doc_;
  int page_ = 0;
  double zoom_ = 1.0;
};

// The preview window of a page report or of the picture of a printer
// stream: titled with the document's title; print, save as PDF, paging,
// zoom and page fits on a toolbar and keys. Closing it calls onClosed (by
// default it ends the program).
class ReportPreview : public QMainWindow {
  Q_OBJECT
 public:
  ReportPreview(draw::Document doc, ui::Ui& ui, QWidget* parent = nullptr);
  ~ReportPreview() override;

  // Where the window opens: the screen's available area less its frame,
  // never larger, centred on it.
  static QRect initialGeometry(const QRect& available);

  int pageCount() const { return int(doc_.pages.size()); }
  int currentPage() const;  // 0-based
  void showPage(int index);
  double zoom() const;
  void setZoom(double zoom);
  // Zoom so that the page's width fills the view.
  void fitWidth();
  // Zoom so that the whole page shows.
  void fitPage();
  void zoomIn();
  void zoomOut();
  // The print button: the print dialog, then the document on the chosen
  // printer; or onPrint when it is set.
  void print();
  // "Salvar PDF...": the file dialog, then the PDF --pdf writes.
  void savePdf();
  const draw::Document& document() const { return doc_; }

  std::function<void()> onClosed;
  std::function<void()> onPrint;

  QAction* printAction() const { return printAction_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Fits the page to the view's width whenever the view itself changes size
  // (the window's own resize comes before its layout has resized the view).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Fit { None, Width, Page };
  QAction* addTool(const QString& tip, const char* theme, int standardIcon,
                   const QList<QKeySequence>& keys, const std::function<void()>& run);
  void applyZoom(double zoom, Fit fit);
  void refit();
  void updateControls();
  draw::Document doc_;
  ui::Ui& ui_;
  PageView* view_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QSpinBox* pageBox_ = nullptr;
  QLabel* pageCountLabel_ = nullptr;
  QComboBox* zoomBox_ = nullptr;
  QAction* printAction_ = nullptr;
  QAction* firstAction_ = nullptr;
  QAction* prevAction_ = nullptr;
  QAction* nextAction_ = nullptr;
  QAction* lastAction_ = nullptr;
  Fit fit_ = Fit::Width;
};

}  // namespace reports
