#include "ui/twips.h"

#include <QWidget>
#include <cmath>

namespace ui {

namespace {
constexpr double kTwipsPerInch = 1440;
}

int twipsToPixelsX(const QWidget* w, int twips) {
  return int(std::lround(twips * double(w->logicalDpiX()) / kTwipsPerInch));
}

int twipsToPixelsY(const QWidget* w, int twips) {
  return int(std::lround(twips * double(w->logicalDpiY()) / kTwipsPerInch));
}

}  // namespace ui
