#include "drawing/painterbackend.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <QRawFont>
#include <QVarLengthArray>
#include <array>
#include <cmath>
#include <memory>

#include "core/errors.h"
#include "core/outputfile.h"

namespace draw {

namespace {

// The PDF's device units are twips, so nothing is rounded on the way.
constexpr int kPdfResolution = kTwipsPerInch;

Qt::Alignment qtAlign(Align a) {
  switch (a) {
    case Align::Right: return Qt::AlignRight;
    case Align::Centre: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
  }
}

int textFlags(const TextRun& run) {
  int flags = int(qtAlign(run.align) | Qt::AlignTop);
  if (run.wrap) flags |= Qt::TextWordWrap;
  return flags;
}

QFont makeQFont(const Font& font) {
  QFont f(font.family);
  f.setStyleHint(QFont::SansSerif);  // a sans face if the named one is missing
  // One pixel is one twip; the painter's scale takes it to the device. Sizes
  // are whole twips for every size a document uses (points in twentieths).
  f.setPixelSize(std::max(1, int(std::lround(font.pointSize * kTwipsPerPoint))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  // Unhinted outlines: the same advances on the screen, the printer and in
  // the PDF, so a layout measured once holds everywhere.
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

// A face at one size as the layout measures it and the painter draws it.
// Latin text maps one character to one glyph of the face (no default
// ligatures, kerning off), so its glyphs and advances are looked up once per
// character: a text is neither shaped to be measured nor shaped again to be
// drawn, and both give the same advances as Qt's own shaping.
class Face {
 public:
  explicit Face(const Font& f) : font(f), qfont(makeQFont(f)), fm(qfont) {
    ascent = fm.ascent();
    height = fm.height();
    raw = QRawFont::fromFont(qfont);
    // The shortcut holds only when the face really is the one Qt draws with
    // and gives the advances its shaping gives; a substitute or synthesised
    // face is always shaped.
    fast = raw.isValid() && !f.underline && (!f.bold || raw.weight() >= QFont::DemiBold) &&
           (!f.italic || raw.style() != QFont::StyleNormal);
    if (fast) {
      const QString probe = QStringLiteral(
          " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
          "abcdefghijklmnopqrstuvwxyz{|}~fi fl ffi ÁÀÂÃÉÊÍÓÔÕÚÜÇáàâãéêíóôõúüçºª°§");
      double width = 0;
      fast = glyphs(probe, nullptr, width) && width == fm.horizontalAdvance(probe);
    }
  }

  // The glyphs of a text (when wanted) and its advance; false when a
  // character needs shaping.
  bool glyphs(QStringView text, QVarLengthArray<quint32, 64>* out, double& width) {
    width = 0;
    if (out) out->resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
      const char16_t c = text[i].unicode();
      if (c < 0x20 || (c >= 0x7f && c < 0xa1) || c == 0xad || c >= kLatin) return false;
      Glyph& g = table_[c];
      if (g.advance < 0) {
        int n = 1;
        const QChar ch(c);
        if (!raw.glyphIndexesForChars(&ch, 1, &g.index, &n) || n != 1 || g.index == 0) {
          g.advance = 0;
          g.index = 0;
        } else {
          QPointF advance;
          raw.advancesForGlyphIndexes(&g.index, &advance, 1);
          g.advance = advance.x();
        }
      }
      if (g.index == 0) return false;  // not in this face: a fallback font draws it
      if (out) (*out)[i] = g.index;
      width += g.advance;
    }
    return true;
  }

  double width(const QString& text) {
    double w = 0;
    if (fast && glyphs(text, nullptr, w)) return w;
    return fm.horizontalAdvance(text);
  }

  // Appends a Latin text on one line, the baseline's start at origin, to
  // the glyphs of this face: positions are where Qt's shaping puts them.
  bool layLine(QPointF origin, const QString& text, QList<quint32>& ids,
               QList<QPointF>& positions) {
    QVarLengthArray<quint32, 64> line;
    double width = 0;
    if (!fast || !glyphs(text, &line, width)) return false;
    double x = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
      ids.append(line[i]);
      positions.append(QPointF(origin.x() + x, origin.y()));
      x += table_[text[i].unicode()].advance;
    }
    return true;
  }

  Font font;
  QFont qfont;
  QFontMetricsF fm;
  QRawFont raw;
  double ascent = 0;
  double height = 0;
  bool fast = false;

 private:
  static constexpr char16_t kLatin = 0x180;  // Basic Latin, Latin-1, Latin Extended-A
  struct Glyph {
    quint32 index = 0;
    double advance = -1;  // not looked up yet
  };
  std::array<Glyph, kLatin> table_;
};

// Faces live as long as the thread (their fonts must outlive every painter).
Face& face(const Font& font) {
  thread_local auto* faces = new std::vector<std::unique_ptr<Face>>;
  thread_local Face* last = nullptr;
  if (last && last->font == font) return *last;
  for (auto& f : *faces)
    if (f->font == font) return *(last = f.get());
  faces->push_back(std::make_unique<Face>(font));
  return *(last = faces->back().get());
}

// Width of a text without its trailing blanks: what a line aligns by.
double alignedWidth(Face& f, const QString& text, double width) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == ' ') --end;
  if (end == text.size()) return width;
  return f.width(text.left(end));
}

// What a page's painting carries from one item to the next: the painter's
// font, and the texts drawn from their glyphs, gathered into one run per
// face and colour until something that may cover them is painted (one text
// object in a PDF instead of one per text, no state saved per text).
struct Painting {
  explicit Painting(QPainter& painter) : p(painter) {}
  QPainter& p;
  const Face* font = nullptr;  // the painter's font, set when a text is shaped
  Face* runFace = nullptr;
  QColor runColor;
  QList<quint32> ids;
  QList<QPointF> positions;

  void useFont(const Face& f) {
    if (font != &f) p.setFont(f.qfont);
    font = &f;
  }

  bool addLine(Face& f, const QColor& color, QPointF origin, const QString& text) {
    if (!f.fast) return false;
    if (runFace && (runFace != &f || runColor != color)) flush();
    const qsizetype before = ids.size();
    if (!f.layLine(origin, text, ids, positions)) {
      ids.resize(before);
      positions.resize(before);
      return false;
    }
    runFace = &f;
    runColor = color;
    return true;
  }

  void flush() {
    if (!ids.isEmpty()) {
      p.setPen(runColor);
      QGlyphRun run;
      run.setRawFont(runFace->raw);
      run.setGlyphIndexes(ids);
      run.setPositions(positions);
      p.drawGlyphRun(QPointF(0, 0), run);
      ids.clear();
      positions.clear();
    }
    runFace = nullptr;
  }
};

void paintText(Painting& st, const TextRun& run);

// A turned text: drawn unturned at the origin of a turned coordinate system.
void paintTurnedText(Painting& st, const TextRun& run) {
  st.flush();
  QPainter& p = st.p;
  p.save();
  p.translate(run.rect.topLeft());
  p.rotate(-run.rotation);
  TextRun flat = run;
  flat.rotation = 0;
  flat.rect.moveTopLeft(QPoint(0, 0));
  paintText(st, flat);
  st.flush();
  p.restore();
  st.font = nullptr;  // restore() took back the font the painter had
}

void paintText(Painting& st, const TextRun& run) {
  if (run.rotation % 360 != 0) return paintTurnedText(st, run);
  QPainter& p = st.p;
  Face& f = face(run.font);
  if (run.rect.width() <= 0) {
    // Unbounded (Printer.Print): the line's top at rect.top().
    const QPointF origin(run.rect.left(), run.rect.top() + f.ascent);
    if (run.background.isValid()) {
      st.flush();
      p.fillRect(QRectF(run.rect.left(), run.rect.top(), f.width(run.text), f.height),
                 run.background);
    }
    if (st.addLine(f, run.color, origin, run.text)) return;
    st.flush();
    st.useFont(f);
    p.setPen(run.color);
    p.drawText(origin, run.text);
    return;
  }
  const QRectF box(run.rect);
  if (run.background.isValid()) {
    st.flush();
    p.fillRect(box, run.background);
  }
  if (run.text.isEmpty()) return;
  // The common case: one line that fits its box, drawn where the layout put
  // it (aligned by its advance without trailing blanks) and not clipped.
  double width = 0;
  if (f.fast && f.height <= box.height() && f.glyphs(run.text, nullptr, width) &&
      width <= box.width()) {
    const double advance = alignedWidth(f, run.text, width);
    double x = box.left();
    if (run.align == Align::Right) x += box.width() - advance;
    else if (run.align == Align::Centre) x += (box.width() - advance) / 2;
    if (st.addLine(f, run.color, QPointF(x, box.top() + f.ascent), run.text)) return;
  }
  st.flush();
  st.useFont(f);
  p.setPen(run.color);
  const int flags = textFlags(run);
  // Clipped only when the laid text would leave its box.
  const QRectF laid = f.fm.boundingRect(box, flags, run.text);
  if (box.contains(laid)) {
    p.drawText(box, flags, run.text);
    return;
  }
  p.save();
  p.setClipRect(box, Qt::IntersectClip);
  p.drawText(box, flags, run.text);
  p.restore();
}

void paintLine(QPainter& p, const Line& line) {
  QPen pen(line.color);
  pen.setWidthF(line.width);
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  p.drawLine(line.from, line.to);
}

void paintRectangle(QPainter& p, const Rectangle& r) {
  const QRectF box(r.rect);
  if (r.fill.isValid()) p.fillRect(box, r.fill);
  if (r.width > 0) {
    QPen pen(r.border);
    pen.setWidthF(r.width);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
  }
}

void paintPicture(QPainter& p, const Picture& pic) {
  if (!pic.image.isNull()) p.drawImage(QRectF(pic.rect), pic.image);
}

QPageLayout::Orientation qtOrientation(Orientation o) {
  return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The PDF page of a document: A4 in its orientation, or its own sheet.
QPageLayout pdfLayout(const Document& doc) {
  if (doc.sheet.isEmpty())
    return QPageLayout(QPageSize(QPageSize::A4), qtOrientation(doc.orientation),
                       QMarginsF(0, 0, 0, 0));
  const QSizeF inches(doc.sheet.width() / double(kTwipsPerInch),
                      doc.sheet.height() / double(kTwipsPerInch));
  return QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

}  // namespace

QFont qtFont(const Font& font) { return face(font).qfont; }

double textWidth(const Font& font, const QString& text) { return face(font).width(text); }

double fontAscent(const Font& font) { return face(font).ascent; }

double lineHeight(const Font& font) { return face(font).height; }

double textHeight(const Font& font, const QString& text, int widthTwips, bool wrap) {
  const QFontMetricsF& fm = face(font).fm;
  if (widthTwips <= 0) return fm.height() * (text.count('\n') + 1);
  const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
  return fm.boundingRect(QRectF(0, 0, widthTwips, 1e9), flags, text).height();
}

void paintPage(QPainter& painter, const Page& page, double twipsToDeviceX,
               double twipsToDeviceY) {
  painter.save();
  painter.scale(twipsToDeviceX, twipsToDeviceY);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  Painting st(painter);
  for (const Item& item : page.items) {
    std::visit(
        [&painter, &st](const auto& it) {
          using T = std::decay_t<decltype(it)>;
          if constexpr (std::is_same_v<T, TextRun>) {
            paintText(st, it);
          } else if constexpr (std::is_same_v<T, Line>) {
            paintLine(painter, it);  // rules lie under the texts gathered so far
          } else {
            st.flush();
            if constexpr (std::is_same_v<T, Rectangle>) paintRectangle(painter, it);
            else paintPicture(painter, it);
          }
        },
        item);
  }
  st.flush();
  painter.restore();
}

void renderToPdf(const Document& doc, const QString& path) {
  renderToPdf(std::span<const Document>(&doc, 1), path);  // the pages are not copied
}

void renderToPdf(std::span<const Document> docs, const QString& path) {
  if (path.isEmpty()) throw RuntimeError("Caminho do arquivo PDF vazio.");
  // The PDF is made in memory and written whole: the writer does not report
  // write errors, and a failure must leave what was at the path untouched.
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kPdfResolution);
  writer.setCreator(QStringLiteral("tl_relatorios"));
  if (!docs.empty()) writer.setTitle(docs.front().title);
  writer.setPageLayout(pdfLayout(docs.empty() ? Document() : docs.front()));
  QPainter painter;
  if (!painter.begin(&writer))
    throw RuntimeError(QString("Não foi possível gravar o arquivo PDF \"%1\".").arg(path));
  const double scale = double(kPdfResolution) / kTwipsPerInch;
  bool firstPage = true;
  for (const Document& doc : docs) {
    for (const Page& page : doc.pages) {
      if (!firstPage) {
        writer.setPageLayout(pdfLayout(doc));
        writer.newPage();
      }
      firstPage = false;
      paintPage(painter, page, scale, scale);
    }
  }
  if (!painter.end())
    throw RuntimeError(QString("Não foi possível gravar o arquivo PDF \"%1\".").arg(path));
  buffer.close();
  writeWholeFile(path, pdf, QStringLiteral("Arquivo PDF"));
}

void preparePrinter(QPrinter& printer, Orientation orientation, const QString& docName) {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(qtOrientation(orientation));
  if (!docName.isEmpty()) printer.setDocName(docName);
}

std::vector<int> selectedPages(const QPrinter& printer, int pageCount, int currentPage) {
  std::vector<int> pages;
  switch (printer.printRange()) {
    case QPrinter::CurrentPage:
      if (currentPage >= 0 && currentPage < pageCount) pages.push_back(currentPage);
      break;
    case QPrinter::PageRange:
      if (!printer.pageRanges().isEmpty()) {
        for (int i = 0; i < pageCount; ++i)
          if (printer.pageRanges().contains(i + 1)) pages.push_back(i);
        break;
      }
      [[fallthrough]];
    default:
      for (int i = 0; i < pageCount; ++i) pages.push_back(i);
  }
  return pages;
}

namespace {

// Twips to device units on this printer's sheet: 1:1, or smaller when the
// sheet cannot hold the A4 page (a tolerance of about a millimetre keeps A4
// itself at 1:1).
QPointF printerScale(QPrinter& printer, Orientation orientation) {
  const double sx = printer.logicalDpiX() / double(kTwipsPerInch);
  const double sy = printer.logicalDpiY() / double(kTwipsPerInch);
  const QSize sheet = pageSizeTwips(orientation);
  const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
  const double toleranceX = 60 * sx, toleranceY = 60 * sy;
  if (paper.width() + toleranceX >= sheet.width() * sx &&
      paper.height() + toleranceY >= sheet.height() * sy)
    return {sx, sy};
  const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
  const double fit = std::min({1.0, printable.width() / (sheet.width() * sx),
                               printable.height() / (sheet.height() * sy)});
  return {sx * fit, sy * fit};
}

void beginJob(QPainter& painter, QPrinter& printer) {
  if (painter.begin(&printer)) return;
  if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty())
    throw RuntimeError("Não foi possível iniciar a impressão na impressora \"" +
                       printer.printerName() + "\".");
  if (!printer.outputFileName().isEmpty())
    throw RuntimeError("Não foi possível gravar o arquivo \"" + printer.outputFileName() +
                       "\".");
  throw RuntimeError("Nenhuma impressora disponível para imprimir o documento.");
}

// One job holding the selected pages of these documents.
void renderJob(const std::vector<const Document*>& docs,
               const std::vector<std::vector<int>>& pages, QPrinter& printer) {
  printer.setPageOrientation(qtOrientation(docs.front()->orientation));
  printer.setFullPage(false);  // origin at the printable area's corner
  if (!docs.front()->title.isEmpty()) printer.setDocName(docs.front()->title);
  QPainter painter;
  beginJob(painter, printer);
  bool firstPage = true;
  for (size_t d = 0; d < docs.size(); ++d) {
    for (int index : pages[d]) {
      if (!firstPage) {
        printer.setPageOrientation(qtOrientation(docs[d]->orientation));
        if (!printer.newPage()) {
          painter.end();
          throw RuntimeError("Falha ao iniciar uma nova página na impressora.");
        }
      }
      firstPage = false;
      const QPointF scale = printerScale(printer, docs[d]->orientation);
      paintPage(painter, docs[d]->pages[size_t(index)], scale.x(), scale.y());
    }
  }
  if (!painter.end()) throw RuntimeError("Falha ao enviar o documento à impressora.");
}

}  // namespace

void renderToPrinter(const Document& doc, QPrinter& printer, int currentPage) {
  renderToPrinter(std::vector<Document>{doc}, printer, currentPage);
}

void renderToPrinter(const std::vector<Document>& docs, QPrinter& printer, int currentPage) {
  std::vector<const Document*> chosen;
  std::vector<std::vector<int>> pages;
  bool anyPage = false;
  for (const Document& doc : docs) {
    anyPage = anyPage || !doc.pages.empty();
    std::vector<int> p = selectedPages(printer, int(doc.pages.size()), currentPage);
    if (p.empty()) continue;
    chosen.push_back(&doc);
    pages.push_back(std::move(p));
  }
  if (chosen.empty() && !anyPage) return;  // nothing was drawn: no job
  if (chosen.empty())
    throw RuntimeError("Nenhuma página do documento no intervalo de páginas escolhido.");
  const bool toFile = !printer.outputFileName().isEmpty();
  if (toFile) {
    renderJob(chosen, pages, printer);
    return;
  }
  for (size_t d = 0; d < chosen.size(); ++d) renderJob({chosen[d]}, {pages[d]}, printer);
}

}  // namespace draw
