#include "reports/reportpreview.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QWheelEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>

#include "drawing/painterbackend.h"

namespace reports {

namespace {

const double kZooms[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.1, kMaxZoom = 8.0;

}  // namespace

PageView::PageView(const draw::Document& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

double PageView::scaleX() const { return logicalDpiX() / double(draw::kTwipsPerInch) * zoom_; }
double PageView::scaleY() const { return logicalDpiY() / double(draw::kTwipsPerInch) * zoom_; }

QSize PageView::sizeHint() const {
  const QSize sheet = draw::pageSizeTwips(doc_);
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
  const auto guard = [this](void (ReportPreview::*f)()) {
    return [this, f] { ui::guarded(ui_, [this, f] { (this->*f)(); }); };
  };
  printAction_ = addTool("Imprimir", "document-print", QStyle::SP_FileIcon, {QKeySequence::Print},
                         guard(&ReportPreview::print));
  addTool("Salvar PDF…", "document-save-as", QStyle::SP_DialogSaveButton,
          {QKeySequence(Qt::CTRL | Qt::Key_S)}, guard(&ReportPreview::savePdf));
  bar->addSeparator();
  firstAction_ = addTool("Primeira página", "go-first", QStyle::SP_MediaSkipBackward,
                         {QKeySequence(Qt::Key_Home)}, [this] { showPage(0); });
  prevAction_ = addTool("Página anterior", "go-previous", QStyle::SP_ArrowBack,
                        {QKeySequence(Qt::Key_PageUp)}, [this] { showPage(currentPage() - 1); });
  pageBox_ = new QSpinBox(bar);
  pageBox_->setRange(1, std::max(1, pageCount()));
  pageBox_->setSuffix(QStringLiteral(" de %1").arg(pageCount()));
  pageBox_->setToolTip(QStringLiteral("Página"));
  bar->addWidget(pageBox_);
  nextAction_ = addTool("Próxima página", "go-next", QStyle::SP_ArrowForward,
                        {QKeySequence(Qt::Key_PageDown)}, [this] { showPage(currentPage() + 1); });
  lastAction_ = addTool("Última página", "go-last", QStyle::SP_MediaSkipForward,
                        {QKeySequence(Qt::Key_End)}, [this] { showPage(pageCount() - 1); });
  bar->addSeparator();
  addTool("Reduzir", "zoom-out", QStyle::SP_TitleBarMinButton,
          {QKeySequence::ZoomOut, QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomOut(); });
  addTool("Ampliar", "zoom-in", QStyle::SP_TitleBarMaxButton,
          {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Plus),
           QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          [this] { zoomIn(); });
  addTool("Página inteira", "zoom-fit-best", QStyle::SP_TitleBarNormalButton, {},
          [this] { fitPage(); });
  addTool("Largura da página", "zoom-fit-width", QStyle::SP_ToolBarHorizontalExtensionButton, {},
          [this] { fitWidth(); });
  zoomBox_ = new QComboBox(bar);
  zoomBox_->setEditable(true);
  zoomBox_->setInsertPolicy(QComboBox::NoInsert);
  zoomBox_->setToolTip(QStringLiteral("Zoom"));
  for (double z : kZooms) zoomBox_->addItem(QString::number(qRound(z * 100)) + "%", z);
  bar->addWidget(zoomBox_);
  bar->addSeparator();
  addTool("Fechar", "window-close", QStyle::SP_DialogCloseButton,
          {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}, [this] { close(); });

  view_ = new PageView(doc_, this);
  scroll_ = new QScrollArea(this);
  scroll_->setBackgroundRole(QPalette::Dark);
  scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scroll_->setWidget(view_);
  setCentralWidget(scroll_);
  scroll_->viewport()->installEventFilter(this);

  connect(pageBox_, &QSpinBox::valueChanged, this, [this](int v) { showPage(v - 1); });
  const auto chosen = [this](int i) {
    if (i >= 0) applyZoom(zoomBox_->itemData(i).toDouble(), Fit::None);
  };
  connect(zoomBox_, &QComboBox::activated, this, chosen);
  connect(zoomBox_, &QComboBox::currentIndexChanged, this, chosen);
  connect(zoomBox_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    bool ok = false;
    const double percent = zoomBox_->currentText().remove('%').trimmed().toDouble(&ok);
    if (ok && percent > 0) applyZoom(percent / 100, Fit::None);
    else updateControls();
  });

  const QScreen* screen = QGuiApplication::primaryScreen();
  setGeometry(initialGeometry(screen ? screen->availableGeometry() : QRect(0, 0, 900, 1000)));
  fitWidth();
  showPage(0);
}

// The toolbar's controls go before the view when the children are deleted:
// the view's events must not reach them then.
ReportPreview::~ReportPreview() { scroll_->viewport()->removeEventFilter(this); }

QRect ReportPreview::initialGeometry(const QRect& available) {
  // Room for the title bar and borders the window manager adds.
  const QSize frame(16, 40);
  const QSize size = (available.size() - frame).expandedTo(QSize(320, 240)).boundedTo(available.size());
  QRect r(QPoint(0, 0), size);
  r.moveCenter(available.center());
  return r;
}

QAction* ReportPreview::addTool(const QString& tip, const char* theme, int standardIcon,
                                const QList<QKeySequence>& keys,
                                const std::function<void()>& run) {
  QIcon icon = QIcon::fromTheme(QString::fromLatin1(theme));
  if (icon.isNull()) icon = style()->standardIcon(QStyle::StandardPixmap(standardIcon));
  auto* action = new QAction(icon, tip, this);
  QString shown = tip;
  if (!keys.isEmpty())
    shown += " (" + keys.front().toString(QKeySequence::NativeText) + ")";
  action->setToolTip(shown);
  QList<QKeySequence> unique;  // a key twice in one action would be ambiguous
  for (const QKeySequence& k : keys)
    if (!k.isEmpty() && !unique.contains(k)) unique << k;
  action->setShortcuts(unique);
  connect(action, &QAction::triggered, this, run);
  static_cast<QToolBar*>(findChild<QToolBar*>())->addAction(action);
  return action;
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

void ReportPreview::setZoom(double zoom) { applyZoom(zoom, Fit::None); }

void ReportPreview::applyZoom(double zoom, Fit fit) {
  fit_ = fit;
  view_->setZoom(std::clamp(zoom, kMinZoom, kMaxZoom));
  updateControls();
}

void ReportPreview::zoomIn() { applyZoom(zoom() * kZoomStep, Fit::None); }
void ReportPreview::zoomOut() { applyZoom(zoom() / kZoomStep, Fit::None); }

void ReportPreview::fitWidth() {
  const QSize sheet = draw::pageSizeTwips(doc_);
  const double available = std::max(100, scroll_->viewport()->width() - 20);
  const double actual = sheet.width() * logicalDpiX() / double(draw::kTwipsPerInch);
  applyZoom(available / actual, Fit::Width);
}

void ReportPreview::fitPage() {
  const QSize sheet = draw::pageSizeTwips(doc_);
  const double w = std::max(100, scroll_->viewport()->width() - 20);
  const double h = std::max(100, scroll_->viewport()->height() - 20);
  const double actualW = sheet.width() * logicalDpiX() / double(draw::kTwipsPerInch);
  const double actualH = sheet.height() * logicalDpiY() / double(draw::kTwipsPerInch);
  applyZoom(std::min(w / actualW, h / actualH), Fit::Page);
}

void ReportPreview::refit() {
  if (fit_ == Fit::Width) fitWidth();
  else if (fit_ == Fit::Page) fitPage();
}

void ReportPreview::updateControls() {
  const int page = currentPage();
  const QSignalBlocker block(pageBox_);
  pageBox_->setValue(page + 1);
  firstAction_->setEnabled(page > 0);
  prevAction_->setEnabled(page > 0);
  nextAction_->setEnabled(page + 1 < pageCount());
  lastAction_->setEnabled(page + 1 < pageCount());
  if (!zoomBox_->lineEdit()->hasFocus())
    zoomBox_->setEditText(QString::number(qRound(zoom() * 100)) + "%");
}

void ReportPreview::print() {
  if (onPrint) return onPrint();
  QPrinter printer(QPrinter::HighResolution);
  draw::preparePrinter(printer, doc_.orientation, doc_.title);
  if (!ui_.printDialog(printer, {pageCount(), currentPage()})) return;
  draw::renderToPrinter(doc_, printer, currentPage());
}

void ReportPreview::savePdf() {
  QString name = doc_.title;
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
  QString path = ui_.saveFileName(QStringLiteral("Salvar PDF"),
                                  QDir::home().filePath(name.trimmed() + ".pdf"),
                                  QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += ".pdf";
  draw::renderToPdf(doc_, path);
}

void ReportPreview::closeEvent(QCloseEvent* event) {
  event->accept();
  if (onClosed) onClosed();
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scroll_->viewport() && event->type() == QEvent::Resize) refit();
  if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers() & Qt::ControlModifier) {
      if (wheel->angleDelta().y() > 0) zoomIn();
      else if (wheel->angleDelta().y() < 0) zoomOut();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace reports
