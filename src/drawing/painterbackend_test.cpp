#include "drawing/painterbackend.h"
#include "drawing/pageprinter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "testsupport.h"

namespace {

using testsupport::PdfWord;
using testsupport::scratchFile;

// pdftotext's word boxes (xMin the first glyph, yMin the baseline less the ascent) lose under 0.1 twip at 16 pt to
// Qt's rounding: one twip is a strict bound.
constexpr double kTolerance = 1;

draw::TextRun run(int x, int y, const QString& text, double size = 8, bool bold = false) {
  draw::TextRun r;
  r.rect = QRect(x, y, 0, 0);
  r.text = text;
  r.font = draw::Font{.pointSize = size, .bold = bold};
  return r;
}

// The standard output of a poppler tool run on the PDF.
QString pdfTool(const QString& program, const QString& pdf) {
  QProcess p;
  p.start(program, {pdf});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

// 10 pt is 200 twips to the em; the face's ascent is 1854 and its descent 434 of
// 2048 units. (The face, its size in twips and its ascent show in the PDFs below.)
TEST(PainterBackend, MetricsInTwips) {
  const draw::Font f8, f{.pointSize = 10}, bold{.pointSize = 10, .bold = true};
  EXPECT_NEAR(draw::lineHeight(f), 200.0 * (1854 + 434) / 2048, 1.5);
  // Wrapped text is as tall as its lines.
  const QString three = "PALAVRA PALAVRA PALAVRA";
  EXPECT_NEAR(draw::textHeight(f8, "PALAVRA", 3000, true), draw::lineHeight(f8), 1);
  EXPECT_GE(draw::textHeight(f8, three, 1000, true), 2.5 * draw::lineHeight(f8));
  EXPECT_NEAR(draw::textHeight(f8, three, 1000, false), draw::lineHeight(f8), 1);
  // Widths looked up character by character are exactly those of Qt's
  // shaping, for plain, accented and non-Latin texts in every face.
  for (const draw::Font& face : {f8, f, bold, draw::Font{.pointSize = 7, .italic = true}})
    for (const char* text : {"PRODUTO DE TESTE 123", "Ação, coração; ÇÃO ÊÓÚ ñ", "R$ 1.234,56 € – “x”", "fi fl ffi   "})
      EXPECT_EQ(draw::textWidth(face, text), QFontMetricsF(draw::qtFont(face)).horizontalAdvance(QString::fromUtf8(text)))
          << text;
}

// Every run where its twips say, as tall as the face's ascent and descent and
// as wide as measured: in a PDF from the sheet's corner, A4 in the document's
// orientation with the faces embedded; on a printer from the printable area's
// corner (margins of half an inch left, a quarter at the top) on every page,
// and on Letter paper the A4 page scaled into the printable area, nothing cut.
TEST(PainterBackend, TextRunsAtTheirTwipsInAPdfAndOnAPrinter) {
  const QSize a4 = draw::pageSizeTwips(draw::Orientation::Portrait);
  draw::Document portrait, landscape;
  portrait.pages = {{{run(2700, 100, "TITULO", 16, true), run(200, 1750, "ITEM"), run(200, 600, "Ação"),
                      run(a4.width() - 2000, a4.height() - 1500, "RODAPE")}},
                    {{run(1000, 300, "SEGUNDA", 10)}}};
  landscape.orientation = draw::Orientation::Landscape;
  landscape.pages = {{{run(15000, 100, "DIREITA")}}};
  const QString pdf = scratchFile("runs.pdf");
  for (const auto& [doc, printed, paper, size] :
       {std::tuple{&portrait, false, QPageSize::A4, "595\\.?\\d* x 842"}, {&landscape, false, QPageSize::A4, "842 x 595"},
        {&portrait, true, QPageSize::A4, "595\\.?\\d* x 842"}, {&portrait, true, QPageSize::Letter, "612 x 792"}}) {
    SCOPED_TRACE(std::string(size) + (printed ? " printed" : ""));
    const QSizeF sheet = QSizeF(draw::pageSizeTwips(*doc));
    QRectF printable(QPointF(0, 0), sheet);
    if (printed) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFileName(pdf);  // a PDF: the same path as a spooled job
      draw::preparePrinter(printer, doc->orientation, "papel");
      printer.setPageSize(QPageSize(paper));
      printer.setPageMargins(QMarginsF(0.5, 0.25, 0.25, 0.5), QPageLayout::Inch);
      draw::renderToPrinter(*doc, printer);
      const QSizeF paperTwips = QPageSize(paper).size(QPageSize::Point) * 20;
      printable = QRectF(720, 360, paperTwips.width() - 1080, paperTwips.height() - 1080);
    } else {
      draw::renderToPdf(*doc, pdf);
      const QStringList faces = pdfTool("pdffonts", pdf).split('\n').filter("Liberation");
      EXPECT_EQ(faces.size(), doc == &portrait ? 2 : 1);  // regular and bold, embedded ("emb" after the encoding)
      for (const QString& line : faces)
        EXPECT_TRUE(line.contains(QRegularExpression("LiberationSans.*Identity-H\\s+yes\\s"))) << line.toStdString();
    }
    EXPECT_TRUE(pdfTool("pdfinfo", pdf).contains(QRegularExpression(QString("Page size:\\s+") + size)));
    EXPECT_EQ(testsupport::pdfPageCount(pdf), int(doc->pages.size()));
    const bool scaled = paper == QPageSize::Letter;
    const double scale = scaled ? std::min(printable.width() / sheet.width(), printable.height() / sheet.height()) : 1;
    const double tolerance = scaled ? 15 : kTolerance;
    const auto words = testsupport::pdfWords(pdf);
    for (size_t page = 0; page < doc->pages.size(); ++page)
      for (const draw::Item& item : doc->pages[page].items) {
        const auto& r = std::get<draw::TextRun>(item);
        const auto w = std::find_if(words.begin(), words.end(),
                                    [&](const PdfWord& x) { return x.text == r.text && x.page == int(page) + 1; });
        ASSERT_TRUE(w != words.end()) << r.text.toStdString();
        EXPECT_NEAR(w->xMin, printable.left() + r.rect.left() * scale, tolerance) << r.text.toStdString();
        EXPECT_NEAR(w->yMin, printable.top() + r.rect.top() * scale, tolerance) << r.text.toStdString();
        EXPECT_NEAR(w->yMax - w->yMin, scale * r.font.pointSize * 20 * (1854 + 434) / 2048.0, tolerance);
        EXPECT_NEAR(w->xMax - w->xMin, scale * draw::textWidth(r.font, r.text), tolerance) << r.text.toStdString();
        EXPECT_TRUE(printable.contains(QRectF(QPointF(w->xMin, w->yMin), QPointF(w->xMax, w->yMax))));
      }
  }
}

// The dialog's range on a five-page document: exactly those pages, in order.
TEST(PainterBackend, PrinterRangeSelectsExactlyThosePages) {
  QPrinter printer(QPrinter::HighResolution);
  for (const auto& [range, from, to, expected] :
       {std::tuple{QPrinter::PageRange, 2, 3, std::vector<int>{1, 2}}, {QPrinter::CurrentPage, 0, 0, std::vector<int>{3}},
        {QPrinter::AllPages, 0, 0, std::vector<int>{0, 1, 2, 3, 4}}, {QPrinter::PageRange, 4, 9, std::vector<int>{3, 4}}}) {
    printer.setPrintRange(range);
    printer.setFromTo(from, to);
    EXPECT_EQ(draw::selectedPages(printer, 5, /*currentPage=*/3), expected) << range << " " << from << "-" << to;
  }
}

// An unwritable PDF or printer file, or a range past the document, is a run-time error.
TEST(PainterBackend, UnwritableOutputOrARangePastTheDocumentIsARuntimeError) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrintRange(QPrinter::PageRange);
  draw::Document doc;
  doc.pages.resize(5);
  EXPECT_THROW(draw::renderToPdf(doc, "/nonexistent-folder/x.pdf"), RuntimeError);
  EXPECT_THROW(draw::renderToPdf(doc, ""), RuntimeError);
  printer.setOutputFileName("/nonexistent-folder/job.pdf");
  testsupport::expectRuntimeError([&] { draw::renderToPrinter(doc, printer); }, "/nonexistent-folder/job.pdf");
  printer.setOutputFileName(scratchFile("range.pdf"));
  printer.setFromTo(6, 7);
  testsupport::expectRuntimeError([&] { draw::renderToPrinter(doc, printer); }, "intervalo");
}

TEST(PainterBackend, PaintPageScalesTwipsToTheDevice) {
  // 144 dpi: one device pixel is 10 twips.
  QImage image(1200, 1700, QImage::Format_RGB32);
  image.fill(Qt::white);
  draw::Rectangle box{.rect = QRect(1000, 2000, 3000, 1000), .fill = Qt::red, .width = 0};  // pixels 100..400 x 200..300
  draw::Line line{.from = QPoint(5000, 5000), .to = QPoint(8000, 5000), .width = 40};
  draw::TextRun clipped = run(6000, 8000, QString(20, 'M'), 12);
  clipped.rect.setSize(QSize(600, 300));
  clipped.background = QColor(Qt::yellow);
  draw::Picture pic{QRect(9000, 12000, 1000, 1000), QImage(4, 4, QImage::Format_RGB32)};
  pic.image.fill(Qt::blue);
  QPainter p(&image);
  draw::paintPage(p, draw::Page{{box, line, clipped, pic}}, 0.1, 0.1);
  p.end();
  for (const auto& [x, y, colour] : {std::tuple{250, 250, Qt::red}, {90, 250, Qt::white}, {410, 250, Qt::white},
                                     {650, 500, Qt::black}, {650, 510, Qt::white}, {950, 1250, Qt::blue},
                                     {1005, 1250, Qt::white}, {658, 828, Qt::yellow}})
    EXPECT_EQ(image.pixelColor(x, y), QColor(colour)) << x << "," << y;
  // The long text is clipped to its box (on its background): nothing after it.
  for (int x = 662; x < 900; ++x)
    for (int y = 795; y < 835; ++y) ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

// --- the page printer: the display list of Print statements ---

// One run as "text @x,y", with " bold" when it is.
QString at(const draw::Document& doc, size_t page, size_t index) {
  const auto& r = std::get<draw::TextRun>(doc.pages.at(page).items.at(index));
  return QString("%1 @%2,%3%4").arg(r.text).arg(r.rect.left()).arg(r.rect.top()).arg(r.font.bold ? " bold" : "");
}
QString at(const QString& text, double x, double y, bool bold = false) {
  return QString("%1 @%2,%3%4").arg(text).arg(qRound(x)).arg(qRound(y)).arg(bold ? " bold" : "");
}

TEST(PagePrinter, PrintDrawsAtTheCurrentPositionInTheCurrentFontAndEndsTheLine) {
  const double line = draw::lineHeight(draw::Font{.pointSize = 8});
  Printer p;
  p.FontSize(16);
  p.Font().Bold(true);  // the same switch as FontBold
  // Items follow the printer file's rules; a date or a time is followed by a blank.
  p.PrintAt(2700, 100, "A", Value::integer(12), "B", Value::decimal(-2.5), Value(), Value::null(), Value::text("T"),
            " ", Value::date(QDate(2024, 12, 31)), Value::time(QTime(14, 22, 1)), "Y");
  const auto& first = std::get<draw::TextRun>(p.current().pages[0].items[0]);
  EXPECT_EQ(first.rect.width(), 0);  // unbounded
  EXPECT_EQ(first.font, (draw::Font{.family = "Liberation Sans", .pointSize = 16, .bold = true}));
  EXPECT_EQ(at(p.current(), 0, 0), at("A 12 B-2,5 T 31/12/2024 14:22:01 Y", 2700, 100, true));
  // A line ends at the left margin one line (of the font of the moment) lower; Print() draws nothing and still ends it.
  p.FontSize(8);
  p.FontBold(false);
  EXPECT_FALSE(p.Font().Bold());
  p.PrintAt(1000, 500, "LINHA");
  p.Print("SEGUINTE");
  EXPECT_EQ(at(p.current(), 0, 2), at("SEGUINTE", 0, 500 + line));
  p.Print();
  EXPECT_EQ(p.current().pages[0].items.size(), 3u);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500 + 3 * line);
}

// (The stock-entry receipts and commission statements pin their pages and documents too.)
TEST(PagePrinter, OrientationNewPageAndEndDoc) {
  Printer p(draw::Orientation::Landscape);
  // 1 portrait, 2 landscape; other values are ignored.
  for (const auto& [set, expected] : {std::pair{0, 2}, {1, 1}, {7, 1}, {2, 2}}) {
    if (set) p.Orientation(set);
    EXPECT_TRUE(p.Orientation() == expected && int(p.current().orientation) == expected) << set;
  }
  p.PrintAt(100, 15000, "UM");
  EXPECT_TRUE(p.takeDocuments().empty());  // not ended: not released
  p.NewPage();
  EXPECT_EQ(std::pair(p.CurrentX(), p.CurrentY()), std::pair(0.0, 0.0));
  p.Print("DOIS");
  p.EndDoc();
  p.EndDoc();  // with nothing drawn: releases nothing
  p.Print("TRES");  // a new document on a fresh page
  p.EndDoc();
  auto docs = p.takeDocuments();
  ASSERT_EQ(docs.size(), 2u);
  ASSERT_EQ(docs[0].pages.size(), 2u);
  EXPECT_EQ(at(docs[0], 0, 0) + " " + at(docs[0], 1, 0), at("UM", 100, 15000) + " " + at("DOIS", 0, 0));
  EXPECT_TRUE(docs[1].pages.size() == 1 && docs[1].pages[0].items.size() == 1 && at(docs[1], 0, 0).startsWith("TRES "));
  EXPECT_TRUE(p.documents().empty());
}

}  // namespace
