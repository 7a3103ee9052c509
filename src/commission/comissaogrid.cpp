#include "commission/comissaogrid.h"

#include <QHeaderView>
#include <QTableView>
#include <cmath>

#include "core/jobparameters.h"

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
  cells_.clear();
  cells_.shrink_to_fit();
  rows_ = 0;
  endResetModel();
}

void CommissionGridModel::beginFill(const QStringList& headers, const QVector<int>& widthsTwips) {
  if (!filling_) beginResetModel();
  filling_ = true;
  headers_ = headers;
  widths_ = widthsTwips;
  cells_.clear();
  rows_ = 0;
}

void CommissionGridModel::appendRow(std::vector<QString>&& cells) {
  const size_t n = size_t(headers_.size());
  cells.resize(n);
  for (auto& c : cells) cells_.push_back(std::move(c));
  ++rows_;
}

void CommissionGridModel::endFill() {
  if (!filling_) return;
  filling_ = false;
  cells_.shrink_to_fit();
  endResetModel();
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

int twipsToPixelsX(const QWidget* w, int twips) {
  return int(std::lround(twips * double(w->logicalDpiX()) / 1440.0));
}

int twipsToPixelsY(const QWidget* w, int twips) {
  return int(std::lround(twips * double(w->logicalDpiY()) / 1440.0));
}

void applyColumnWidths(QTableView* view, const CommissionGridModel& model) {
  const auto& widths = model.widthsTwips();
  for (int c = 0; c < widths.size(); ++c)
    view->setColumnWidth(c, twipsToPixelsX(view, widths[c]));
}

}  // namespace comissao
