// The picture of a receipt or dot-matrix stream: the printer's character
// grid drawn on its paper, column by column.
#include <QColor>

#include "core/cp1252.h"
#include "streamview/streampicture.h"

namespace streamview {

namespace {

constexpr char ESC = 0x1B, GS = 0x1D, SI = 0x0F, CR = 0x0D, LF = 0x0A;
constexpr int kLineTwips = 240;  // 1/6 inch, the printers' default line spacing
const QString kMono = QStringLiteral("Liberation Mono");
constexpr double kMonoAdvance = 0.6;  // advance of a monospaced glyph per em

struct Sheet {
  int width, height;     // twips; height 0: a roll as long as the text
  int left, top;         // first column, first line
  double pitch;          // twips per column in the normal type
  double smallPitch;     // in the small or condensed type
};

// 80 mm roll, 72 mm printed: 42 columns, 56 in the small font.
constexpr int kRollWidth = 4535, kRollPrinted = 4082;
const Sheet kRoll{kRollWidth, 0, (kRollWidth - kRollPrinted) / 2, 120, kRollPrinted / 42.0,
                  kRollPrinted / 56.0};
// Continuous form 9.5 x 11 in: 10 characters per inch, 17.1 condensed
// (135 columns in 7.9 inches).
const Sheet kForm{13680, 15840, 1150, 360, 144.0, 1440 / 17.1};

struct Mode {
  bool small = false;  // ESC ! bit 0 (roll) or condensed (form)
  bool bold = false;   // ESC ! bit 3
  bool tall = false;   // ESC ! bit 4 or 5: double size
  bool underline = false;  // ESC ! bit 7
};

class TextPainter {
 public:
  TextPainter(const Sheet& sheet, const QString& title) : sheet_(sheet) {
    doc_.title = title;
    doc_.sheet = QSize(sheet.width, sheet.height);
    doc_.pages.emplace_back();
    x_ = sheet.left;
    y_ = sheet.top;
  }

  void run(const QByteArray& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
      const char c = s[i];
      const auto arg = [&](qsizetype k) { return i + k < s.size() ? int(uchar(s[i + k])) : -1; };
      if (c == CR) {
        x_ = sheet_.left;
      } else if (c == LF) {
        newLine();
      } else if (c == SI && !roll()) {
        mode_.small = true;
      } else if (c == ESC && arg(1) == SI && !roll()) {
        mode_.small = true;
        ++i;
      } else if (c == ESC && arg(1) == '!' && arg(2) >= 0) {
        const int n = arg(2);
        mode_ = Mode{roll() ? bool(n & 1) : mode_.small, bool(n & 8), bool(n & 0x30),
                     bool(n & 0x80)};
        i += 2;
      } else if (c == GS && arg(1) == 'V' && (arg(2) == 65 || arg(2) == 66) && arg(3) >= 0) {
        cut();
        i += 3;
      } else if (uchar(c) < 0x20 || c == 0x7F) {
        // Anything else the program does not send: shown, never dropped. An
        // ESC or GS sequence shows as one mark with its command byte.
        if ((c == ESC || c == GS) && arg(1) >= 0x20) ++i;
        put(QString::fromLatin1(kUnknown), Qt::red);
      } else {
        qsizetype j = i;
        while (j < s.size() && uchar(s[j]) >= 0x20 && s[j] != 0x7F) ++j;
        put(cp1252::decode(s.mid(i, j - i)), Qt::black);
        i = j - 1;
      }
    }
  }

  draw::Document finish() {
    if (sheet_.height == 0)  // the roll ends below its last line
      doc_.sheet.setHeight(std::max(y_ + kLineTwips, sheet_.top * 2 + kLineTwips));
    return std::move(doc_);
  }

 private:
  bool roll() const { return sheet_.height == 0; }
  double pitch() const {
    return (mode_.small ? sheet_.smallPitch : sheet_.pitch) * (mode_.tall ? 2 : 1);
  }
  draw::Page& page() { return doc_.pages.back(); }

  void newLine() {
    x_ = sheet_.left;
    y_ += kLineTwips * (tallLine_ ? 2 : 1);
    tallLine_ = false;
    if (!roll() && y_ + kLineTwips > sheet_.height - sheet_.top) {
      doc_.pages.emplace_back();
      y_ = sheet_.top;
    }
  }

  // Each word at its own column, so the picture keeps the printer's grid
  // whatever the screen font's rounding.
  void put(const QString& text, const QColor& color) {
    draw::Font font;
    font.family = kMono;
    font.pointSize = pitch() / kMonoAdvance / draw::kTwipsPerPoint;
    font.bold = mode_.bold;
    font.underline = mode_.underline;
    tallLine_ = tallLine_ || mode_.tall;
    const int top = y_ + (mode_.tall ? 0 : kLineTwips - int(font.pointSize * 20 * 1.15));
    for (qsizetype k = 0; k < text.size();) {
      if (text[k] == ' ') {
        ++k;
        continue;
      }
      qsizetype e = k;
      while (e < text.size() && text[e] != ' ') ++e;
      draw::TextRun word;
      word.rect = QRect(qRound(x_ + k * pitch()), std::max(0, top), 0, 0);
      word.text = text.mid(k, e - k);
      word.font = font;
      word.color = color;
      page().items.emplace_back(word);
      k = e;
    }
    x_ += text.size() * pitch();
  }

  // GS V: the paper is fed and cut; a dashed line across the roll.
  void cut() {
    if (x_ > sheet_.left) newLine();
    const int y = y_ + kLineTwips / 2;
    for (int x = 0; x < sheet_.width; x += 160)
      page().items.emplace_back(draw::Line{QPoint(x, y), QPoint(std::min(x + 80, sheet_.width), y),
                                           15, Qt::black});
    y_ += kLineTwips;
  }

  Sheet sheet_;
  draw::Document doc_;
  Mode mode_;
  double x_ = 0;
  int y_ = 0;
  bool tallLine_ = false;
};

}  // namespace

draw::Document textPicture(const QByteArray& stream, Paper paper, const QString& title) {
  TextPainter painter(paper == Paper::Receipt ? kRoll : kForm, title);
  painter.run(stream);
  return painter.finish();
}

draw::Document picture(const QByteArray& stream, Paper paper, const QString& title) {
  return paper == Paper::Labels ? labelPicture(stream, title)
                                : textPicture(stream, paper, title);
}

}  // namespace streamview
