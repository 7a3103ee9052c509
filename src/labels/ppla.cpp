#include "labels/ppla.h"

#include "core/masks.h"

namespace ppla {

namespace {

QString digits(int value, int width) { return QString::number(value).rightJustified(width, '0'); }

// Where the fields of one price label go, by the label's column.
struct PriceLabelPlace {
  int column;
  int priceColumn;  // right of the bar-code number, on its row
};
constexpr PriceLabelPlace kPriceLabels[] = {{35, 130}, {230, 310}};

// Rows of a price label, top to bottom.
constexpr int kPriceCompanyRow = 60;
constexpr int kPriceName1Row = 50;
constexpr int kPriceName2Row = 43;
constexpr int kPriceCodeRow = 30;
constexpr int kPriceBarRow = 5;
constexpr int kNameLineWidth = 36;

// An order label: the label's column and its company column (15 further right).
struct OrderLabelPlace {
  int column;
  int companyColumn;
};
constexpr OrderLabelPlace kOrderLabels[] = {{30, 45}, {165, 180}, {305, 320}};

constexpr int kOrderCompanyRow = 58;
constexpr int kOrderCodeRow = 47;
constexpr int kOrderNameRow = 36;
constexpr int kOrderPriceRow = 25;
constexpr int kOrderBarRow = 4;
constexpr int kOrderNameWidth = 21;

constexpr int kBarHeight = 20;

void priceLabel(LineComposer& lc, const PriceLabelPlace& at, const PriceLabels& job) {
  const int c = at.column;
  lc.println(textField(2, kPriceCompanyRow, c), job.company);
  lc.println(textField(1, kPriceName1Row, c), midText(job.productName, 1, kNameLineWidth));
  lc.println(textField(1, kPriceName2Row, c),
             midText(job.productName, kNameLineWidth + 1, kNameLineWidth));
  lc.println(textField(2, kPriceCodeRow, c), job.barcode);
  // Code 128 data starts with the code-set letter B.
  lc.println(fieldHeader('e', '5', '2', kBarHeight, kPriceBarRow, c), "B", job.barcode);
  if (job.withPrice)
    lc.println(textField(2, kPriceCodeRow, at.priceColumn), "R$ ",
               price(Value::decimal(job.price)));
}

}  // namespace

void startBlock(LineComposer& lc) {
  lc.println(STX, "e");
  lc.println(STX, "KI7", NUL);
  lc.println(STX, "c000");
  lc.println(STX, "L");
  lc.println("D11");
}

void endBlock(LineComposer& lc, const QString& copies) {
  lc.println(STX, "Q", copies);
  lc.println(STX, "E");
  lc.println(STX, "f320");
}

QString fieldHeader(QChar font, QChar wide, QChar narrow, int size, int row, int column) {
  return QString('1') + font + wide + narrow + digits(size, 3) + digits(row, 4) +
         digits(column, 4);
}

QString textField(int font, int row, int column) {
  return fieldHeader(QChar('0' + font), '1', '1', 0, row, column);
}

QString price(const Value& v) { return formatMask(v, "###,0.00"); }

QString priceLabelJob(const PriceLabels& job) {
  LineComposer lc;
  startBlock(lc);
  for (const auto& at : kPriceLabels) priceLabel(lc, at, job);
  endBlock(lc, job.copies);
  return lc.text();
}

void orderLabel(LineComposer& lc, Place place, const OrderLabel& label) {
  const auto& at = kOrderLabels[static_cast<int>(place)];
  const int c = at.column;
  lc.println(textField(2, kOrderCompanyRow, at.companyColumn), label.company);
  lc.println(textField(2, kOrderCodeRow, c), label.barcode.trimmed());
  lc.println(textField(2, kOrderNameRow, c), midText(label.name.toText(), 1, kOrderNameWidth));
  if (label.withPrice)
    lc.println(textField(2, kOrderPriceRow, c), "R$     ", price(label.unitPrice));
  lc.println(fieldHeader('e', '8', '2', kBarHeight, kOrderBarRow, c), label.barcode.trimmed());
}

}  // namespace ppla
