#include "commission/comissaogrid.h"

#include "ui/twips.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <cmath>

#include "core/value.h"

int CommissionGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int CommissionGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(headers_.size());
}

QVariant CommissionGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_ || index.column() >= columnCount()) return {};
  const QString& text = cell(index.row(), index.column());
  switch (role) {
    case Qt::DisplayRole:
      return text;
    case Qt::TextAlignmentRole:
      // The grid's general alignment: numbers to the right, text to the left.
      if (!text.isEmpty() && parseLocaleNumber(text))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant CommissionGridModel::headerData(int section, Qt::Orientation orientation,
                                         int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < headers_.size())
    return headers_[section];
  return {};
}

void CommissionGridModel::clear() {
  beginResetModel();
  headers_.clear();
  widths_.clear();
  std::deque<QString>().swap(cells_);
  rows_ = 0;
  endResetModel();
}

void CommissionGridModel::beginFill(const QStringList& headers, const QVector<int>& widthsTwips) {
  if (!filling_) {
    emit fillStarted();
    beginResetModel();
  }
  filling_ = true;
  headers_ = headers;
  widths_ = widthsTwips;
  std::deque<QString>().swap(cells_);
  rows_ = 0;
}

void CommissionGridModel::appendRow(std::vector<QString>& cells) {
  cells.resize(size_t(headers_.size()));
  for (auto& c : cells) cells_.push_back(std::move(c));
  cells.clear();
  ++rows_;
}

void CommissionGridModel::endFill() {
  if (!filling_) return;
  filling_ = false;
  endResetModel();
  emit fillEnded();
}

const QString& CommissionGridModel::cell(int row, int column) const {
  return cells_[size_t(row) * size_t(headers_.size()) + size_t(column)];
}

QStringList CommissionGridModel::row(int r) const {
  QStringList out;
  for (int c = 0; c < columnCount(); ++c) out << cell(r, c);
  return out;
}

namespace comissao {

QColor activeBorderColour() { return QColor(180, 180, 180); }

void applyColumnWidths(QTableView* view, const CommissionGridModel& model) {
  const auto& widths = model.widthsTwips();
  for (int c = 0; c < widths.size(); ++c)
    view->setColumnWidth(c, ui::twipsToPixelsX(view, widths[c]));
}

QFont captionFont(const QFont& headerFont, const QString& caption, int sectionWidth) {
  QFont f = headerFont;
  const int room = sectionWidth - 2 * kCellPadding;
  const int need = QFontMetrics(f).horizontalAdvance(caption);
  // Narrowed in steps of one percent until it fits (a stretched font is not
  // exactly proportional to its stretch).
  for (int stretch = 99; need > room && stretch >= 50; --stretch) {
    f.setStretch(stretch);
    if (QFontMetrics(f).horizontalAdvance(caption) <= room) break;
  }
  return f;
}

namespace {

// A horizontal header that draws each caption in its captionFont().
class CaptionHeader : public QHeaderView {
 public:
  explicit CaptionHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
    const QString caption = model() ? model()->headerData(logicalIndex, orientation()).toString()
                                    : QString();
    painter->setFont(captionFont(font(), caption, rect.width()));
    QHeaderView::paintSection(painter, rect, logicalIndex);
  }
};

}  // namespace

void setUpGrid(QTableView* view, CommissionGridModel* model) {
  view->setHorizontalHeader(new CaptionHeader(view));
  view->setModel(model);
  view->verticalHeader()->hide();
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->setSortingEnabled(false);
  QHeaderView* header = view->horizontalHeader();
  header->setHighlightSections(false);
  header->setSortIndicatorShown(false);
  header->setMinimumSectionSize(0);
  header->setTextElideMode(Qt::ElideNone);
  view->verticalHeader()->setDefaultSectionSize(ui::twipsToPixelsY(view, 240));
  const QString colour = activeBorderColour().name();
  view->setStyleSheet(QStringLiteral("QTableView { gridline-color: %1; } "
                                     "QTableView::item { padding: 0px %2px; border: 0px; } "
                                     "QHeaderView::section { background-color: %1; "
                                     "padding: 0px %2px; border: 0px; "
                                     "border-right: 1px solid %3; }")
                          .arg(colour)
                          .arg(kCellPadding)
                          .arg(QColor(160, 160, 160).name()));
  QObject::connect(model, &CommissionGridModel::fillStarted, view,
                   [view] { view->setVisible(false); });
  QObject::connect(model, &CommissionGridModel::fillEnded, view, [view, model] {
    applyColumnWidths(view, *model);
    view->setVisible(true);
  });
}

}  // namespace comissao
