#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <variant>
#include <vector>

// What a drawn document or a band report puts on paper, laid out before it
// is painted: pages of text runs, lines, rectangles and images. All
// coordinates are twips from the top-left corner of the printable page
// (on a printer its printable area, in a PDF the whole sheet). One QPainter
// backend (painterbackend.h) renders it onto the preview, a printer or a PDF.
namespace draw {

constexpr int kTwipsPerInch = 1440;
constexpr int kTwipsPerPoint = 20;

// A4, the paper of every document, in twips (210 x 297 mm).
constexpr int kA4WidthTwips = 11906;
constexpr int kA4HeightTwips = 16838;

struct Font {
  QString family = QStringLiteral("Liberation Sans");
  double pointSize = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

enum class Align { Left, Right, Centre };

// A text placed in a box. The top of the box is the top of the first line:
// the glyphs' ascent starts there and the baseline lies one font ascent
// below it. width == 0: the text is not bounded and starts at rect.left()
// (Printer.Print); otherwise it is aligned within the box, wrapped at word
// boundaries when wrap is set, and clipped to the box.
struct TextRun {
  QRect rect;
  QString text;
  Font font;
  Align align = Align::Left;
  bool wrap = false;
  QColor background;  // invalid: none
  QColor color = Qt::black;
  int rotation = 0;  // degrees counter-clockwise about the box's top-left corner
};

struct Line {
  QPoint from, to;
  int width = 15;  // pen width, twips (about 1 pixel at 96 dpi)
  QColor color = Qt::black;
};

struct Rectangle {
  QRect rect;
  QColor fill;  // invalid: not filled
  int width = 15;  // border pen width, twips; 0: no border
  QColor border = Qt::black;
};

struct Picture {
  QRect rect;
  QImage image;  // stretched to the box
};

using Item = std::variant<TextRun, Line, Rectangle, Picture>;

struct Page {
  std::vector<Item> items;
};

enum class Orientation { Portrait = 1, Landscape = 2 };

struct Document {
  QString title;
  Orientation orientation = Orientation::Portrait;
  std::vector<Page> pages;
  QSize sheet;  // twips; empty: A4 in the orientation (a receipt strip or a label is not A4)
};

// The sheet of a document in twips: A4 in its orientation.
inline QSize pageSizeTwips(Orientation o) {
  return o == Orientation::Landscape ? QSize(kA4HeightTwips, kA4WidthTwips)
                                     : QSize(kA4WidthTwips, kA4HeightTwips);
}
inline QSize pageSizeTwips(const Document& doc) {
  return doc.sheet.isEmpty() ? pageSizeTwips(doc.orientation) : doc.sheet;
}

}  // namespace draw
