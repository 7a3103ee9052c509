#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QVector>
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
  // cells must hold columnCount() texts.
  void appendRow(std::vector<QString>&& cells);
  void endFill();

  const QString& cell(int row, int column) const;
  QStringList row(int r) const;
  const QStringList& headers() const { return headers_; }
  const QVector<int>& widthsTwips() const { return widths_; }

 private:
  QStringList headers_;
  QVector<int> widths_;
  std::vector<QString> cells_;  // row-major
  int rows_ = 0;
  bool filling_ = false;
};

namespace comissao {

// &H8000000A, the active-border system colour, that the grids take for
// their grid lines and their header row.
QColor activeBorderColour();

// Twips to pixels at the widget's logical resolution.
int twipsToPixelsX(const QWidget* w, int twips);
int twipsToPixelsY(const QWidget* w, int twips);

// Sets the view's column widths from the model's widths in twips.
void applyColumnWidths(QTableView* view, const CommissionGridModel& model);

}  // namespace comissao
