#pragma once
#include <QString>

#include "core/value.h"
#include "core/linecomposer.h"

// The PPLA command streams of the two label jobs. Every line goes through
// the line composer (CR LF); the printer file turns it into Windows-1252.
namespace ppla {

inline const Command STX = controlBytes({0x02});
inline const Command NUL = controlBytes({0x00});

// Start of a label format: sensor, setting, paper length, formatting mode, dot size.
void startBlock(LineComposer& lc);
// End of a label format: copy count, print, stop position.
void endBlock(LineComposer& lc, const QString& copies);

// The 15-character header of a field record: rotation 1, font or bar-code
// type, the two multipliers (bar widths), size or height, row, column.
QString fieldHeader(QChar font, QChar wide, QChar narrow, int size, int row, int column);
// A text field in font 1 or 2 with no magnification.
QString textField(int font, int row, int column);

// A price as printed on labels ("###,0.00" under the locale).
QString price(const Value& v);

// One price-label job: a row of two identical labels, printed `copies` times.
struct PriceLabels {
  QString company;      // NOMEEMPRESA
  QString productName;  // NOMEPRODUTO
  QString barcode;      // CODBARRAS
  double price = 0;     // PRECO
  bool withPrice = true;
  QString copies;  // the QTDE text, already under "0000"
};
QString priceLabelJob(const PriceLabels& job);

// One order label at a place of the current row of three.
enum class Place { Left, Middle, Right };
struct OrderLabel {
  QString company;  // NOMEEMPRESA
  Value barcode;    // prbarra
  Value name;       // itprnome
  Value unitPrice;  // itvrunitario
  bool withPrice = true;
};
void orderLabel(LineComposer& lc, Place place, const OrderLabel& label);

}  // namespace ppla
