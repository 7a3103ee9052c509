// The picture of a PPLA label stream: each label format (STX L ... STX E)
// drawn as a label of its real size, its fields at their rows and columns,
// with the copy count beside it.
#include <zint.h>

#include <QtMath>
#include <cmath>
#include <memory>
#include <vector>

#include "core/cp1252.h"
#include "streamview/streampicture.h"

namespace streamview {

namespace {

// Bar and space widths, in modules, of a Code 128 symbol as the bar-code
// library encodes the data (bar first); empty when it cannot be encoded.
std::vector<int> code128Widths(const QByteArray& data) {
  std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
  if (!symbol || data.isEmpty()) return {};
  symbol->symbology = BARCODE_CODE128;
  symbol->input_mode = DATA_MODE;
  if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                      int(data.size())) >= ZINT_ERROR)
    return {};
  // One row of modules, eight to a byte, lowest bit first.
  const auto dark = [&](int x) { return (symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1; };
  std::vector<int> widths;
  for (int x = 0; x < symbol->width; ++x) {
    if (x == 0 || dark(x) != dark(x - 1)) widths.push_back(0);
    ++widths.back();
  }
  if (widths.empty() || !dark(0)) return {};
  return widths;
}


constexpr char STX = 0x02;
constexpr double kUnit = 14.4;            // twips per position unit (0.01 inch)
constexpr double kDot = 1440.0 / 203;     // twips per printer dot (203 dpi)
// The label stock of the jobs: a row of labels 104 mm wide (4.1 in), at
// least 20 mm (0.8 in) high; a field beyond it widens the picture.
constexpr int kStockWidthUnits = 410, kStockHeightUnits = 80;
constexpr int kMargin = 360;
constexpr int kCaptionWidth = 2600;
const QString kMono = QStringLiteral("Liberation Mono");

// Resident fonts 0 to 8: cell width and height in dots.
struct FontCell {
  int width, height;
};
constexpr FontCell kFonts[] = {{5, 7}, {7, 13}, {10, 18}, {14, 27}, {18, 36},
                               {18, 52}, {32, 64}, {15, 32}, {15, 28}};

bool allDigits(const QByteArray& s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.isEmpty();
}

// A point of a field relative to its anchor (lower-left corner at rotation 1;
// x to the right, y upwards), turned counter-clockwise, as an offset in twips
// with y downwards.
QPointF turned(QPointF local, int degrees) {
  const QPointF screen(local.x(), -local.y());
  const double a = qDegreesToRadians(double(degrees));
  return {screen.x() * std::cos(a) + screen.y() * std::sin(a),
          -screen.x() * std::sin(a) + screen.y() * std::cos(a)};
}

struct Format {
  std::vector<draw::Item> fields;  // relative to the label's lower-left corner
  QStringList unknown;
  QString copies = QStringLiteral("1");
  double right = 0, top = 0;  // extent of the fields, twips
};

class LabelReader {
 public:
  explicit LabelReader(const QString& title) { doc_.title = title; }

  void run(const QByteArray& stream) {
    QList<QByteArray> lines = stream.split('\n');
    for (QByteArray line : lines) {
      if (line.endsWith('\r')) line.chop(1);
      if (line.isEmpty()) continue;
      if (line[0] == STX) command(line.mid(1));
      else if (format_) formatLine(line);
      else unknown(line);
    }
    if (format_) endFormat();  // a format never printed is still shown
    if (!pending_.isEmpty()) endFormat();
  }

  draw::Document finish() {
    const int width = kMargin * 2 + int(maxRight_) + kCaptionWidth;
    const int height = kMargin * 2 + int(maxTop_);
    doc_.sheet = QSize(width, height);
    for (draw::Page& page : doc_.pages)
      for (draw::Item& item : page.items) place(item, height - kMargin);
    return std::move(doc_);
  }

 private:
  void command(const QByteArray& c) {
    if (c == "e" || c == "L" || (c.startsWith("KI") && allDigits(c.mid(2).chopped(c.endsWith('\0') ? 1 : 0))) ||
        ((c.startsWith('c') || c.startsWith('f')) && allDigits(c.mid(1)))) {
      if (c == "L") format_ = std::make_unique<Format>();
    } else if (c.startsWith('Q') && allDigits(c.mid(1)) && format_) {
      format_->copies = QString::fromLatin1(c.mid(1));
    } else if (c == "E" && format_) {
      endFormat();
    } else {
      unknown(STX + c);
    }
  }

  void formatLine(const QByteArray& line) {
    if (line.size() == 3 && line[0] == 'D' && allDigits(line.mid(1))) {
      dotWidth_ = line[1] - '0';
      dotHeight_ = line[2] - '0';
    } else if (line == "E") {
      endFormat();
    } else if (line.startsWith('Q') && allDigits(line.mid(1))) {
      format_->copies = QString::fromLatin1(line.mid(1));
    } else if (!field(line)) {
      unknown(line);
    }
  }

  // A field record: rotation, font or bar code, two multipliers, size,
  // row, column, data.
  bool field(const QByteArray& line) {
    if (line.size() < 15 || line[0] < '1' || line[0] > '4' || !allDigits(line.mid(2, 13)))
      return false;
    const int degrees = (line[0] - '1') * 90;
    const char type = line[1];
    const int wide = line[2] - '0', narrow = line[3] - '0';
    const int size = line.mid(4, 3).toInt();
    // Rows count upwards from the label's bottom edge.
    const QPointF anchor(line.mid(11, 4).toInt() * kUnit, -line.mid(7, 4).toInt() * kUnit);
    const QByteArray data = line.mid(15);
    if (type >= '0' && type <= '8' && wide > 0 && narrow > 0)
      return text(kFonts[type - '0'], wide, narrow, anchor, degrees, cp1252::decode(data));
    if (type == 'e' && narrow > 0 && size > 0) return barcode(data, narrow, size, anchor, degrees);
    return false;
  }

  bool text(FontCell cell, int wide, int tall, QPointF anchor, int degrees, const QString& s) {
    const double w = cell.width * wide * dotWidth_ * kDot;
    const double h = cell.height * tall * dotHeight_ * kDot;
    draw::TextRun run;
    run.font.family = kMono;
    run.font.pointSize = std::min(w / 0.6, h) / draw::kTwipsPerPoint;
    run.text = s;
    run.rotation = degrees;
    const QPointF corner = anchor + turned(QPointF(0, h), degrees);
    run.rect = QRect(qRound(corner.x()), qRound(corner.y()), 0, 0);
    format_->fields.emplace_back(run);
    extend(anchor, anchor + turned(QPointF(w * s.size(), h), degrees));
    return true;
  }

  // Code 128; a leading A, B or C picks the code set and is not encoded.
  bool barcode(QByteArray data, int module, int size, QPointF anchor, int degrees) {
    if (!data.isEmpty() && (data[0] == 'A' || data[0] == 'B' || data[0] == 'C')) data.remove(0, 1);
    const std::vector<int> widths = code128Widths(data);
    if (widths.empty()) return false;
    const double m = module * dotWidth_ * kDot, h = size * kUnit;
    double x = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
      if (i % 2 == 0) {
        const QPointF a = anchor + turned(QPointF(x, 0), degrees);
        const QPointF b = anchor + turned(QPointF(x + widths[i] * m, h), degrees);
        draw::Rectangle bar{QRectF(a, b).normalized().toRect(), Qt::black, 0, Qt::black};
        format_->fields.emplace_back(bar);
      }
      x += widths[i] * m;
    }
    extend(anchor, anchor + turned(QPointF(x, h), degrees));
    return true;
  }

  // The label grows to hold every field (two opposite corners, label coordinates).
  void extend(QPointF a, QPointF b) {
    format_->right = std::max({format_->right, a.x(), b.x()});
    format_->top = std::max({format_->top, -a.y(), -b.y()});
  }

  void unknown(const QByteArray& line) {
    QByteArray shown = line;
    for (char& c : shown)
      if (uchar(c) < 0x20) c = ' ';
    (format_ ? format_->unknown : pending_) << QString::fromLatin1(kUnknown) + " " +
                                                   cp1252::decode(shown.trimmed());
  }

  // One page: the label's outline, its fields, the copy count and any
  // unknown line beside it. Items are kept with y upwards from the label's
  // bottom until the page height is known (finish()).
  void endFormat() {
    Format f = format_ ? std::move(*format_) : Format();
    format_.reset();
    f.unknown = pending_ + f.unknown;
    pending_.clear();
    const double width = std::max(f.right, kStockWidthUnits * kUnit);
    const double height = std::max(f.top, kStockHeightUnits * kUnit);
    maxRight_ = std::max(maxRight_, width);
    maxTop_ = std::max(maxTop_, height);
    draw::Page page;
    page.items.emplace_back(
        draw::Rectangle{QRect(0, -qRound(height), qRound(width), qRound(height)), QColor(), 15,
                        Qt::gray});
    for (auto& item : f.fields) page.items.push_back(std::move(item));
    draw::TextRun caption;
    caption.rect = QRect(qRound(width) + 240, -qRound(height), 0, 0);
    caption.text = QStringLiteral("Cópias: ") + f.copies;
    caption.font.pointSize = 10;
    page.items.emplace_back(caption);
    for (const QString& u : f.unknown) {
      caption.rect.translate(0, 300);
      caption.text = u;
      caption.color = Qt::red;
      page.items.emplace_back(caption);
    }
    doc_.pages.push_back(std::move(page));
  }

  // Moves an item from label coordinates (origin at the label's bottom-left,
  // y already turned downwards) to the page.
  static void place(draw::Item& item, int bottom) {
    const QPoint shift(kMargin, bottom);
    std::visit(
        [&](auto& it) {
          using T = std::decay_t<decltype(it)>;
          if constexpr (std::is_same_v<T, draw::Line>) {
            it.from += shift;
            it.to += shift;
          } else {
            it.rect.translate(shift);
          }
        },
        item);
  }

  draw::Document doc_;
  std::unique_ptr<Format> format_;
  QStringList pending_;
  int dotWidth_ = 1, dotHeight_ = 1;
  double maxRight_ = 0, maxTop_ = 0;
};

}  // namespace

draw::Document labelPicture(const QByteArray& stream, const QString& title) {
  LabelReader reader(title);
  reader.run(stream);
  return reader.finish();
}

}  // namespace streamview
