#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

#include "drawing/displaylist.h"

// Pictures of printer streams, made from the bytes the printer would get, so
// what is seen is what is printed. Each interpreter knows exactly the commands
// this program sends; anything else is drawn as "[?]" in red, never dropped.
namespace streamview {

enum class Paper {
  Receipt,    // 80 mm roll: 42 columns, 56 in the small font (ESC ! 1), cut at GS V
  WideSheet,  // continuous form: 80 columns, 135 condensed (SI, ESC SI)
  Labels,     // PPLA label formats, one per page, with their copy count
};

constexpr const char* kUnknown = "[?]";

draw::Document picture(const QByteArray& stream, Paper paper, const QString& title);

draw::Document textPicture(const QByteArray& stream, Paper paper, const QString& title);
draw::Document labelPicture(const QByteArray& stream, const QString& title);

// Bar and space widths, in modules, of a Code 128 symbol as the bar-code
// library encodes the data (bar first); empty when it cannot be encoded.
std::vector<int> code128Widths(const QByteArray& data);

}  // namespace streamview
