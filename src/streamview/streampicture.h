#pragma once
#include <QByteArray>
#include <QString>

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

}  // namespace streamview
