#include "drawing/painterbackend.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

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

void paintText(QPainter& p, const TextRun& run) {
  p.setFont(qtFont(run.font));
  if (run.rect.width() <= 0) {
    // Unbounded (Printer.Print): the line's top at rect.top().
    const QFontMetricsF fm(p.font());
    const double width = fm.horizontalAdvance(run.text);
    if (run.background.isValid())
      p.fillRect(QRectF(run.rect.left(), run.rect.top(), width, fm.height()), run.background);
    p.setPen(run.color);
    p.drawText(QPointF(run.rect.left(), run.rect.top() + fm.ascent()), run.text);
    return;
  }
  const QRectF box(run.rect);
  if (run.background.isValid()) p.fillRect(box, run.background);
  p.save();
  p.setClipRect(box, Qt::IntersectClip);
  p.setPen(run.color);
  p.drawText(box, textFlags(run), run.text);
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

}  // namespace

QFont qtFont(const Font& font) {
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

double textWidth(const Font& font, const QString& text) {
  return QFontMetricsF(qtFont(font)).horizontalAdvance(text);
}

double fontAscent(const Font& font) { return QFontMetricsF(qtFont(font)).ascent(); }

double lineHeight(const Font& font) { return QFontMetricsF(qtFont(font)).height(); }

double textHeight(const Font& font, const QString& text, int widthTwips, bool wrap) {
  const QFontMetricsF fm(qtFont(font));
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
  for (const Item& item : page.items) {
    std::visit(
        [&painter](const auto& it) {
          using T = std::decay_t<decltype(it)>;
          if constexpr (std::is_same_v<T, TextRun>) paintText(painter, it);
          else if constexpr (std::is_same_v<T, Line>) paintLine(painter, it);
          else if constexpr (std::is_same_v<T, Rectangle>) paintRectangle(painter, it);
          else paintPicture(painter, it);
        },
        item);
  }
  painter.restore();
}

void renderToPdf(const Document& doc, const QString& path) {
  renderToPdf(std::vector<Document>{doc}, path);
}

void renderToPdf(const std::vector<Document>& docs, const QString& path) {
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
  const Orientation first = docs.empty() ? Orientation::Portrait : docs.front().orientation;
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), qtOrientation(first),
                                   QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&writer))
    throw RuntimeError(QString("Não foi possível gravar o arquivo PDF \"%1\".").arg(path));
  const double scale = double(kPdfResolution) / kTwipsPerInch;
  bool firstPage = true;
  for (const Document& doc : docs) {
    for (const Page& page : doc.pages) {
      if (!firstPage) {
        writer.setPageOrientation(qtOrientation(doc.orientation));
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
