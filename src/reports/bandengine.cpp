#include "reports/bandengine.h"

#include <QHash>
#include <QLocale>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "core/errors.h"
#include "core/masks.h"
#include "drawing/painterbackend.h"

namespace reports {

namespace {

using Kind = LayoutSection::Kind;

bool sameName(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Measures texts the way the painter draws them; a text that fits on one
// line (the common case) is answered without a layout pass.
class Measurer {
 public:
  int height(const draw::Font& font, const QString& text, int width) {
    if (fitsOneLine(font, text, width)) return lineHeight(font);
    return int(std::ceil(draw::textHeight(font, text, width, true)));
  }

  // The text cut to the whole lines that fit in a box of this height (at
  // least the first): a box that keeps its height shows no part-line.
  QString fittingLines(const draw::Font& font, const QString& text, int width, int height) {
    if (fitsOneLine(font, text, width)) return text;
    const int fit = std::max(1, height / std::max(1, lineHeight(font)));
    QString laid = text;
    for (QChar& c : laid) {
      if (c == '\n') c = QChar::LineSeparator;
      else if (c == '\r') c = ' ';
    }
    QTextLayout layout(laid, draw::qtFont(font));
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    qsizetype end = text.size();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      if (++lines == fit) {
        end = line.textStart() + line.textLength();
        break;
      }
    }
    layout.endLayout();
    QString cut = text.left(end);
    while (!cut.isEmpty() && cut.back().isSpace()) cut.chop(1);
    return cut;
  }

 private:
  // Widths come from the painter's own faces: each character's advance is
  // looked up once, so a text is not shaped to be measured.
  static bool fitsOneLine(const draw::Font& font, const QString& text, int width) {
    return !text.contains('\n') && !text.contains('\r') && draw::textWidth(font, text) <= width;
  }

  static int lineHeight(const draw::Font& font) {
    return int(std::ceil(draw::lineHeight(font)));
  }
};

// One current row of a record set while the report runs.
struct Frame {
  const ShapedSet* set;
  size_t row;
};

// A record set found below a row: the first of that name, breadth first.
const ShapedSet* findBelow(const ShapedSet& set, size_t row, const QString& name) {
  if (row >= set.rows.size()) return nullptr;
  for (const ShapedSet& c : set.rows[row].children)
    if (sameName(c.name, name)) return &c;
  for (const ShapedSet& c : set.rows[row].children)
    for (size_t r = 0; r < c.rows.size(); ++r)
      if (const ShapedSet* found = findBelow(c, r, name)) return found;
  return nullptr;
}

void sumBelow(const ShapedSet& set, size_t row, const QString& name, const QString& column,
              double& total, bool& found) {
  for (const ShapedSet& c : set.rows[row].children) {
    if (sameName(c.name, name)) {
      found = true;
      for (size_t r = 0; r < c.rows.size(); ++r) total += c.value(r, column).toDouble();
    } else {
      for (size_t r = 0; r < c.rows.size(); ++r) sumBelow(c, r, name, column, total, found);
    }
  }
}

class Engine {
 public:
  Engine(const BandReport& report, const ShapedSet& data, const QDateTime& now)
      : r_(report), data_(data), now_(now) {
    const QSize sheet = draw::pageSizeTwips(report.page.orientation);
    sheetHeight_ = sheet.height();
    for (const LayoutSection& s : r_.layout.sections) {
      switch (s.kind) {
        case Kind::ReportHeader: if (!reportHeader_) reportHeader_ = &s; break;
        case Kind::PageHeader: if (!pageHeader_) pageHeader_ = &s; break;
        case Kind::PageFooter: if (!pageFooter_) pageFooter_ = &s; break;
        case Kind::ReportFooter: if (!reportFooter_) reportFooter_ = &s; break;
        case Kind::Detail: if (!detail_) detail_ = &s; break;
        case Kind::GroupHeader:
          addLevel(s.recordset);
          break;
        case Kind::GroupFooter:
          break;
      }
    }
    // Footers are listed innermost first: a footer without a header adds its
    // level after the headers' levels, outermost first.
    std::vector<const LayoutSection*> footers;
    for (const LayoutSection& s : r_.layout.sections)
      if (s.kind == Kind::GroupFooter) footers.insert(footers.begin(), &s);
    for (const LayoutSection* f : footers) addLevel(f->recordset);
    if (detail_) levels_.push_back(detail_->recordset);
  }

  draw::Document run() {
    doc_.title = r_.layout.title;
    doc_.orientation = r_.page.orientation;
    startPage();
    if (reportHeader_) place(*reportHeader_);
    if (!data_.rows.empty() && !levels_.empty()) {
      if (sameName(levels_.front(), data_.name)) {
        emitLevel(0, data_);
      } else {
        // The first level is a child of the command: every parent row's children.
        for (size_t row = 0; row < data_.rows.size(); ++row) {
          stack_.push_back({&data_, row});
          if (const ShapedSet* child = data_.child(row, levels_.front())) emitLevel(0, *child);
          stack_.pop_back();
        }
      }
    }
    if (reportFooter_) place(*reportFooter_);
    finishPage();
    numberPages();
    return std::move(doc_);
  }

 private:
  struct Deferred {
    size_t page, item;
    QString text;
  };

  void addLevel(const QString& recordset) {
    for (const QString& l : levels_)
      if (sameName(l, recordset)) return;
    levels_.push_back(recordset);
  }

  const LayoutSection* groupSection(Kind kind, const QString& recordset) const {
    for (const LayoutSection& s : r_.layout.sections)
      if (s.kind == kind && sameName(s.recordset, recordset)) return &s;
    return nullptr;
  }

  void emitLevel(size_t level, const ShapedSet& set) {
    const bool isDetail = detail_ && level + 1 == levels_.size();
    for (size_t row = 0; row < set.rows.size(); ++row) {
      stack_.push_back({&set, row});
      if (isDetail) {
        place(*detail_);
      } else {
        if (const LayoutSection* h = groupSection(Kind::GroupHeader, levels_[level])) place(*h);
        if (level + 1 < levels_.size())
          if (const ShapedSet* child = set.child(row, levels_[level + 1]))
            emitLevel(level + 1, *child);
        if (const LayoutSection* f = groupSection(Kind::GroupFooter, levels_[level])) place(*f);
      }
      stack_.pop_back();
    }
  }

  // --- pages ---

  int pageFooterHeight() const { return pageFooter_ ? pageFooter_->height : 0; }
  int bodyBottom() const { return sheetHeight_ - r_.page.bottom - pageFooterHeight(); }

  void startPage() {
    doc_.pages.emplace_back();
    y_ = r_.page.top;
    if (pageHeader_) {
      Laid laid = layOut(*pageHeader_);
      const int height = laid.height;
      put(std::move(laid), y_);
      y_ += height;
    }
    bodyTop_ = y_;
  }

  void finishPage() {
    if (pageFooter_) put(layOut(*pageFooter_), bodyBottom());
  }

  // A section that does not fit the rest of the page moves to the next one,
  // unless the page holds nothing yet (a section taller than a page).
  void place(const LayoutSection& s) {
    if (s.height == 0 && s.items.empty()) return;
    Laid laid = layOut(s);
    const int height = laid.height;
    if (y_ + height > bodyBottom() && y_ > bodyTop_) {
      finishPage();
      startPage();
    }
    put(std::move(laid), y_);
    y_ += height;
  }

  // --- one section ---

  struct Laid {
    std::vector<draw::Item> items;  // y relative to the section's top
    std::vector<std::pair<size_t, QString>> numbered;  // items with "%p"/"%P"
    int height = 0;
  };

  draw::Font fontOf(const LayoutItem& item) const {
    draw::Font f;
    f.pointSize = item.fontSize > 0 ? item.fontSize : r_.layout.fontSize;
    f.bold = item.bold;
    return f;
  }

  // The current row of a record set: in the stack, else the first (last, in
  // a footer) row of a record set below the innermost current row.
  std::pair<const ShapedSet*, size_t> rowOf(const QString& recordset, bool footer) const {
    for (auto it = stack_.rbegin(); it != stack_.rend(); ++it)
      if (sameName(it->set->name, recordset)) return {it->set, it->row};
    if (!stack_.empty()) {
      const Frame& top = stack_.back();
      if (const ShapedSet* s = findBelow(*top.set, top.row, recordset)) {
        if (s->rows.empty()) return {s, 0};
        return {s, footer ? s->rows.size() - 1 : 0};
      }
    } else if (sameName(data_.name, recordset)) {
      return {&data_, 0};  // page sections before the first row
    }
    return {nullptr, 0};
  }

  QString fieldText(const LayoutItem& item, bool footer) const {
    const auto [set, row] = rowOf(item.recordset, footer);
    if (!set) {
      if (stack_.empty()) return {};  // no row at all: nothing to print
      throw RuntimeError("Conjunto de registros não encontrado: " + item.recordset +
                         " (relatório " + r_.layout.name + ").");
    }
    if (row >= set->rows.size()) return {};
    const Value v = set->value(row, item.column);
    // The runtime's masks apply to numbers and dates: a text prints as it is
    // ("060" under "0" stays "060"). Trailing blanks are a CHAR column's
    // padding and would throw a right or centred value off its place.
    QString text = v.isText() || item.mask.isEmpty() ? v.toText() : formatMask(v, item.mask);
    while (text.endsWith(' ')) text.chop(1);
    return text;
  }

  QString sumText(const LayoutItem& item) const {
    double total = 0;
    bool found = false;
    if (!stack_.empty()) {
      const Frame& top = stack_.back();
      sumBelow(*top.set, top.row, item.recordset, item.column, total, found);
      if (!found && sameName(top.set->name, item.recordset))
        for (size_t r = 0; r < top.set->rows.size(); ++r)
          total += top.set->value(r, item.column).toDouble();
    }
    const Value v = Value::decimal(total);
    return item.mask.isEmpty() ? v.toText() : formatMask(v, item.mask);
  }

  Laid layOut(const LayoutSection& s) {
    const bool footer = s.kind == Kind::GroupFooter || s.kind == Kind::ReportFooter;
    const size_t n = s.items.size();
    std::vector<QString> texts(n);
    std::vector<int> growth(n, 0);
    for (size_t i = 0; i < n; ++i) {
      const LayoutItem& item = s.items[i];
      switch (item.type) {
        case LayoutItem::Type::Caption: texts[i] = captionText(item.text, now_); break;
        case LayoutItem::Type::Field: texts[i] = fieldText(item, footer); break;
        case LayoutItem::Type::Sum: texts[i] = sumText(item); break;
        default: break;
      }
      if (!item.isText() || texts[i].isEmpty()) continue;
      if (item.grow)
        growth[i] = std::max(0, measurer_.height(fontOf(item), texts[i], item.width) - item.height);
      else
        texts[i] = measurer_.fittingLines(fontOf(item), texts[i], item.width, item.height);
    }

    // A growing item pushes down what lies below its designed bottom; rules
    // and boxes that span it stretch with it.
    std::vector<std::pair<int, int>> pushes;  // (designed bottom, push below it)
    auto shiftAt = [&pushes](int y) {
      int shift = 0;
      for (const auto& [bottom, push] : pushes)
        if (bottom <= y) shift = std::max(shift, push);
      return shift;
    };
    std::vector<size_t> growing;
    for (size_t i = 0; i < n; ++i)
      if (growth[i] > 0) growing.push_back(i);
    std::stable_sort(growing.begin(), growing.end(),
                     [&s](size_t a, size_t b) { return s.items[a].top < s.items[b].top; });
    for (size_t i : growing)
      pushes.emplace_back(s.items[i].bottom(), shiftAt(s.items[i].top) + growth[i]);

    Laid laid;
    laid.height = s.height + shiftAt(s.height);
    const int x0 = r_.page.left;
    for (size_t i = 0; i < n; ++i) {
      const LayoutItem& item = s.items[i];
      const int top = item.top + shiftAt(item.top);
      const int bottom = item.bottom() + shiftAt(item.bottom());
      switch (item.type) {
        case LayoutItem::Type::Caption:
        case LayoutItem::Type::Field:
        case LayoutItem::Type::Sum: {
          draw::TextRun run;
          run.rect = QRect(x0 + item.left, top, item.width, item.height + growth[i]);
          run.text = texts[i];
          run.font = fontOf(item);
          run.align = item.align;
          run.wrap = true;
          run.background = item.background;
          if (item.type == LayoutItem::Type::Caption &&
              (run.text.contains("%p") || run.text.contains("%P")))
            laid.numbered.emplace_back(laid.items.size(), run.text);
          laid.items.emplace_back(std::move(run));
          break;
        }
        case LayoutItem::Type::VLine:
          laid.items.emplace_back(draw::Line{QPoint(x0 + item.left, top), QPoint(x0 + item.left, bottom)});
          break;
        case LayoutItem::Type::HLine:
          laid.items.emplace_back(
              draw::Line{QPoint(x0 + item.left, top), QPoint(x0 + item.left + item.width, top)});
          break;
        case LayoutItem::Type::Rectangle: {
          draw::Rectangle rect;
          rect.rect = QRect(x0 + item.left, top, item.width, bottom - top);
          laid.items.emplace_back(rect);
          break;
        }
        case LayoutItem::Type::Picture:
          if (!item.image.isNull())
            laid.items.emplace_back(
                draw::Picture{QRect(x0 + item.left, top, item.width, item.height), item.image});
          break;
      }
    }
    return laid;
  }

  void put(Laid&& laid, int y) {
    draw::Page& page = doc_.pages.back();
    const size_t base = page.items.size();
    for (draw::Item& item : laid.items) {
      std::visit(
          [y](auto& it) {
            using T = std::decay_t<decltype(it)>;
            if constexpr (std::is_same_v<T, draw::Line>) {
              it.from.ry() += y;
              it.to.ry() += y;
            } else {
              it.rect.translate(0, y);
            }
          },
          item);
      page.items.push_back(std::move(item));
    }
    for (const auto& [index, text] : laid.numbered)
      deferred_.push_back({doc_.pages.size() - 1, base + index, text});
  }

  // "%p" and "%P" once the number of pages is known.
  void numberPages() {
    const QString total = QString::number(doc_.pages.size());
    for (const Deferred& d : deferred_) {
      QString text = d.text;
      text.replace("%p", QString::number(d.page + 1)).replace("%P", total);
      std::get<draw::TextRun>(doc_.pages[d.page].items[d.item]).text = text;
    }
  }

  const BandReport& r_;
  const ShapedSet& data_;
  QDateTime now_;
  int sheetHeight_ = 0;
  const LayoutSection* reportHeader_ = nullptr;
  const LayoutSection* pageHeader_ = nullptr;
  const LayoutSection* pageFooter_ = nullptr;
  const LayoutSection* reportFooter_ = nullptr;
  const LayoutSection* detail_ = nullptr;
  std::vector<QString> levels_;  // record sets from the outermost group to the detail
  std::vector<Frame> stack_;
  draw::Document doc_;
  std::vector<Deferred> deferred_;
  int y_ = 0;
  int bodyTop_ = 0;
  Measurer measurer_;
};

}  // namespace

void BandReport::setCaption(const QString& section, const QString& control, const QString& text) {
  LayoutItem& item = layout.item(section, control);
  if (item.type != LayoutItem::Type::Caption)
    throw RuntimeError("O controle " + control + " não é um rótulo.");
  item.text = text;
}

void BandReport::setPicture(const QString& section, const QString& control, const QImage& image) {
  LayoutItem& item = layout.item(section, control);
  if (item.type != LayoutItem::Type::Picture)
    throw RuntimeError("O controle " + control + " não é uma figura.");
  item.image = image;
}

QString captionText(const QString& caption, const QDateTime& now) {
  if (!caption.contains('%')) return caption;
  QString text = caption;
  text.replace("%d", renderPlain(Value::date(now.date())));
  text.replace("%t", QLocale().toString(now.time(), QLocale::ShortFormat));
  return text;
}

draw::Document layoutBandReport(const BandReport& report, const ShapedSet& data,
                                const QDateTime& now) {
  return Engine(report, data, now).run();
}

}  // namespace reports
