#include "drawing/painterbackend.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "core/errors.h"

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

void paintText(QPainter& p, const TextRun& run);

// A turned text: drawn unturned at the origin of a turned coordinate system.
void paintTurnedText(QPainter& p, const TextRun& run) {
  p.save();
  p.translate(run.rect.topLeft());
  p.rotate(-run.rotation);
  TextRun flat = run;
  flat.rotation = 0;
  flat.rect.moveTopLeft(QPoint(0, 0));
  paintText(p, flat);
  p.restore();
}

void paintText(QPainter& p, const TextRun& run) {
  if (run.rotation % 360 != 0) return paintTurnedText(p, run);
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
  QPdfWriter writer(path);
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
}

void renderToPrinter(const Document& doc, QPrinter& printer) {
  printer.setPageOrientation(qtOrientation(doc.orientation));
  printer.setFullPage(false);  // origin at the printable area's corner
  if (!doc.title.isEmpty()) printer.setDocName(doc.title);
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty())
      throw RuntimeError("Não foi possível iniciar a impressão na impressora \"" +
                         printer.printerName() + "\".");
    if (!printer.outputFileName().isEmpty())
      throw RuntimeError("Não foi possível gravar o arquivo \"" + printer.outputFileName() +
                         "\".");
    throw RuntimeError("Nenhuma impressora disponível para imprimir o documento.");
  }
  const double sx = printer.logicalDpiX() / double(kTwipsPerInch);
  const double sy = printer.logicalDpiY() / double(kTwipsPerInch);
  bool firstPage = true;
  for (const Page& page : doc.pages) {
    if (!firstPage && !printer.newPage()) {
      painter.end();
      throw RuntimeError("Falha ao iniciar uma nova página na impressora.");
    }
    firstPage = false;
    paintPage(painter, page, sx, sy);
  }
  if (!painter.end()) throw RuntimeError("Falha ao enviar o documento à impressora.");
}

}  // namespace draw
