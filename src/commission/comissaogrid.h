#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVector>
#include <deque>
#include <vector>

class QTableView;
class QWidget;

// The contents of one commission grid: a header row, column widths in twips
// and rows of cell texts. The view shows the header row as its horizontal
// header; data rows are the model's rows.
class CommissionGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // No rows, no columns.
  void clear();

  // Filling: begin with the layout, append rows, end. Views are told once,
  // at the end, so a large result is not laid out row by row.
  void beginFill(const QStringList& headers, const QVector<int>& widthsTwips);
  // Takes the row's texts (missing ones are empty) and leaves cells empty.
  void appendRow(std::vector<QString>& cells);
  void endFill();

  const QString& cell(int row, int column) const;
  QStringList row(int r) const;
  const QStringList& headers() const { return headers_; }
  const QVector<int>& widthsTwips() const { return widths_; }

 signals:
  // Around a fill: a view hides while the rows come and takes the new
  // column widths at the end.
  void fillStarted();
  void fillEnded();

 private:
  QStringList headers_;
  QVector<int> widths_;
  std::deque<QString> cells_;  // row-major; grows without moving what it holds
  int rows_ = 0;
  bool filling_ = false;
};

namespace comissao {

// &H8000000A, the active-border system colour, that the grids take for
// their grid lines and their header row.
QColor activeBorderColour();


// Sets the view's column widths from the model's widths in twips.
void applyColumnWidths(QTableView* view, const CommissionGridModel& model);

// Padding of a grid cell and of a header caption, in pixels on each side:
// the compact padding of the grid the window was drawn for, so that every
// caption shows whole in its column.
constexpr int kCellPadding = 1;

// The font a caption is drawn in: the header's own, narrowed just enough
// when the caption with its padding is wider than its column ("% Comiss" in
// 600 twips), so that it shows whole.
QFont captionFont(const QFont& headerFont, const QString& caption, int sectionWidth);

// Makes the view a commission grid of the model: compact cells and
// captions without a sort indicator, the active-border colour for lines and
// header, hidden while the model fills, column widths from the model.
void setUpGrid(QTableView* view, CommissionGridModel* model);

}  // namespace comissao
