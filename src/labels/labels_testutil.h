#pragma once
// Expected label streams, written out by hand as lists of lines; the printer
// receives each line followed by CR LF. The field headers are literal.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <initializer_list>
#include <string>

#include "testsupport.h"

namespace labeltest {

inline QByteArray lines(std::initializer_list<std::string> ls) {
  QByteArray out;
  for (const auto& l : ls) out.append(l.data(), static_cast<qsizetype>(l.size())).append("\r\n");
  return out;
}

inline QByteArray startBlock() {
  return lines({"\x02" "e", std::string("\x02" "KI7") + '\0', "\x02" "c000", "\x02" "L", "D11"});
}
inline QByteArray endBlock(const std::string& copies) {
  return lines({"\x02" "Q" + copies, "\x02" "E", "\x02" "f320"});
}

// A price job: the same label at columns 35 and 230. An empty price leaves
// out the price lines.
struct PriceRow {
  std::string company, name1, name2, barcode, price;
};
inline QByteArray priceJob(const PriceRow& r, const std::string& copies) {
  static const char* const at[2][6] = {
      {"121100000600035", "111100000500035", "111100000430035", "121100000300035",
       "1e5202000050035B", "121100000300130R$ "},
      {"121100000600230", "111100000500230", "111100000430230", "121100000300230",
       "1e5202000050230B", "121100000300310R$ "}};
  QByteArray out = startBlock();
  for (const auto& h : at) {
    out += lines({h[0] + r.company, h[1] + r.name1, h[2] + r.name2, h[3] + r.barcode,
                  h[4] + r.barcode});
    if (!r.price.empty()) out += lines({h[5] + r.price});
  }
  return out + endBlock(copies);
}

// One order label at the left, middle or right place of a row; a null price
// leaves out the price line.
enum Place { kLeft, kMiddle, kRight };
inline QByteArray orderLabel(Place place, const std::string& code, const std::string& name,
                             const char* price, const std::string& company = "BRISA NORTE") {
  static const char* const at[3][5] = {
      {"121100000580045", "121100000470030", "121100000360030", "121100000250030R$     ",
       "1e8202000040030"},
      {"121100000580180", "121100000470165", "121100000360165", "121100000250165R$     ",
       "1e8202000040165"},
      {"121100000580320", "121100000470305", "121100000360305", "121100000250305R$     ",
       "1e8202000040305"}};
  const auto& h = at[place];
  QByteArray out = lines({h[0] + company, h[1] + code, h[2] + name});
  if (price) out += lines({h[3] + std::string(price)});
  return out + lines({h[4] + code});
}
// A row of order labels is one job of one copy.
inline QByteArray orderRow(const QByteArray& labels) {
  return startBlock() + labels + endBlock("0001");
}

// Seeded sale 10: one item, quantity 2,5, makes a full row of three.
inline QByteArray sale10Labels() {
  const std::string code = "200003", name = "TUBO DE COBRE 1/4 POL";
  const char* price = "18,50";
  return orderRow(orderLabel(kLeft, code, name, price) + orderLabel(kMiddle, code, name, price) +
                  orderLabel(kRight, code, name, price));
}

// A path in the scratch folder that does not exist yet.
inline QString freshPath(const QString& name) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  return path;
}

}  // namespace labeltest
