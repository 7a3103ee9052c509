#pragma once
class QWidget;

namespace ui {

// Twips (1440 to the inch), the unit the windows were laid out in, to pixels
// at the widget's logical resolution.
int twipsToPixelsX(const QWidget* w, int twips);
int twipsToPixelsY(const QWidget* w, int twips);

}  // namespace ui
