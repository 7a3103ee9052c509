#include "labels/orderlabels.h"

#include "core/sqltext.h"

namespace {

// Copies of an order-label row.
const QString kOneCopy = QStringLiteral("0001");

}  // namespace

std::vector<OrderLabelItem> readOrderLabels(modCnn& m, bool withPrice) {
  std::vector<OrderLabelItem> items;
  Recordset rs;
  rs.open(
      "select p.prbarra,i.itprnome,i.itqtd,i.itvrunitario from itemsaida i inner join "
      "produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='" +
          sqlQuote(sqlCode(m.job.SACOD, "SACOD")) + "' order by i.itcod",
      m.Cnn);
  for (; !rs.eof(); rs.MoveNext()) {
    OrderLabelItem it;
    it.label.company = m.job.NOMEEMPRESA;
    it.label.barcode = rs["prbarra"];
    it.label.name = rs["itprnome"];
    it.label.unitPrice = rs["itvrunitario"];
    it.label.withPrice = withPrice;
    const double itqtd = rs["itqtd"].toDouble();
    it.quantity = itqtd;
    items.push_back(std::move(it));
  }
  return items;
}

std::vector<QString> composeOrderLabelRows(const std::vector<OrderLabelItem>& items) {
  static constexpr ppla::Place kPlaces[] = {ppla::Place::Left, ppla::Place::Middle,
                                            ppla::Place::Right};
  std::vector<QString> rows;
  LineComposer row;
  int place = 0;
  const auto endRow = [&] {
    ppla::endBlock(row, kOneCopy);
    rows.push_back(row.text());
    row = LineComposer();
    place = 0;
  };
  for (const OrderLabelItem& it : items)
    // Numeric comparison, so that a fraction starts one more label.
    for (int count = 0; count < it.quantity; ++count) {
      if (place == 0) ppla::startBlock(row);
      ppla::orderLabel(row, kPlaces[place++], it.label);
      if (place == 3) endRow();
    }
  if (place != 0) endRow();  // the last row, only partly filled
  return rows;
}
