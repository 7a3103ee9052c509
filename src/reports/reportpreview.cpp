#include "reports/reportpreview.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>

#include "drawing/painterbackend.h"

namespace reports {

namespace {

const double kZooms[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0};

}  // namespace

PageView::PageView(const draw::Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

double PageView::scaleX() const { return logicalDpiX() / double(draw::kTwipsPerInch) * zoom_; }
double PageView::scaleY() const { return logicalDpiY() / double(draw::kTwipsPerInch) * zoom_; }

QSize PageView::sizeHint() const {
  const QSize sheet = draw::pageSizeTwips(doc_.orientation);
  return QSize(qRound(sheet.width() * scaleX()), qRound(sheet.height() * scaleY()));
}

void PageView::setPage(int index) {
  page_ = index;
  update();
}

void PageView::setZoom(double zoom) {
  zoom_ = zoom;
  resize(sizeHint());
  update();
}

void PageView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (page_ >= 0 && page_ < int(doc_.pages.size()))
    draw::paintPage(p, doc_.pages[size_t(page_)], scaleX(), scaleY());
}

ReportPreview::ReportPreview(draw::Document doc, ui::Ui& ui, QWidget* parent)
    : QMainWindow(parent), doc_(std::move(doc)), ui_(ui) {
  setWindowTitle(doc_.title);
  onClosed = [] { QCoreApplication::exit(0); };

  QToolBar* bar = addToolBar(QStringLiteral("Relatório"));
  bar->setMovable(false);
  printAction_ = bar->addAction(QStringLiteral("Imprimir"), this, [this] {
    ui::guarded(ui_, [this] { print(); });
  });
  printAction_->setShortcut(QKeySequence::Print);
  bar->addSeparator();
  firstAction_ = bar->addAction(QStringLiteral("|<"), this, [this] { showPage(0); });
  prevAction_ = bar->addAction(QStringLiteral("<"), this, [this] { showPage(currentPage() - 1); });
  prevAction_->setShortcut(QKeySequence(Qt::Key_PageUp));
  pageBox_ = new QSpinBox(bar);
  pageBox_->setRange(1, std::max(1, pageCount()));
  bar->addWidget(new QLabel(QStringLiteral(" Página "), bar));
  bar->addWidget(pageBox_);
  pageCountLabel_ = new QLabel(QStringLiteral(" de %1 ").arg(pageCount()), bar);
  bar->addWidget(pageCountLabel_);
  nextAction_ = bar->addAction(QStringLiteral(">"), this, [this] { showPage(currentPage() + 1); });
  nextAction_->setShortcut(QKeySequence(Qt::Key_PageDown));
  lastAction_ = bar->addAction(QStringLiteral(">|"), this, [this] { showPage(pageCount() - 1); });
  bar->addSeparator();
  zoomBox_ = new QComboBox(bar);
  zoomBox_->addItem(QStringLiteral("Largura da página"), 0.0);
  for (double z : kZooms) zoomBox_->addItem(QString::number(qRound(z * 100)) + "%", z);
  bar->addWidget(new QLabel(QStringLiteral(" Zoom "), bar));
  bar->addWidget(zoomBox_);
  bar->addSeparator();
  bar->addAction(QStringLiteral("Fechar"), this, &QWidget::close);

  view_ = new PageView(doc_, this);
  scroll_ = new QScrollArea(this);
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setWidget(view_);
  setCentralWidget(scroll_);
  scroll_->viewport()->installEventFilter(this);

  connect(pageBox_, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
  connect(zoomBox_, &QComboBox::currentIndexChanged, this, [this](int i) {
    const double z = zoomBox_->itemData(i).toDouble();
    if (z <= 0) {
      fitting_ = true;
      fitWidth();
    } else {
      fitting_ = false;
      view_->setZoom(z);
    }
  });

  resize(900, 1000);
  fitWidth();
  showPage(0);
}

int ReportPreview::currentPage() const { return view_->page(); }

void ReportPreview::showPage(int index) {
  if (pageCount() == 0) return;
  index = std::clamp(index, 0, pageCount() - 1);
  view_->setPage(index);
  scroll_->verticalScrollBar()->setValue(0);
  updateControls();
}

double ReportPreview::zoom() const { return view_->zoom(); }

void ReportPreview::setZoom(double zoom) {
  fitting_ = false;
  view_->setZoom(std::clamp(zoom, 0.1, 8.0));
}

void ReportPreview::fitWidth() {
  const QSize sheet = draw::pageSizeTwips(doc_.orientation);
  const double available = std::max(100, scroll_->viewport()->width() - 20);
  const double actual = sheet.width() * logicalDpiX() / double(draw::kTwipsPerInch);
  view_->setZoom(std::clamp(available / actual, 0.1, 8.0));
}

void ReportPreview::updateControls() {
  const int page = currentPage();
  const QSignalBlocker block(pageBox_);
  pageBox_->setValue(page + 1);
  firstAction_->setEnabled(page > 0);
  prevAction_->setEnabled(page > 0);
  nextAction_->setEnabled(page + 1 < pageCount());
  lastAction_->setEnabled(page + 1 < pageCount());
}

void ReportPreview::print() {
  QPrinter printer(QPrinter::HighResolution);
  draw::preparePrinter(printer, doc_.orientation, doc_.title);
  if (!ui_.printDialog(printer, {pageCount(), currentPage()})) return;
  draw::renderToPrinter(doc_, printer, currentPage());
}

void ReportPreview::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClosed) onClosed();
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize && fitting_) fitWidth();
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace reports
