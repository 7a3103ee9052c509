#include "drawing/painterbackend.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>

#include <QRegularExpression>

#include "testsupport.h"

namespace {

using testsupport::scratchFile;

// pdftotext gives a word's box from the PDF's own numbers: xMin where the
// first glyph is placed, yMin the baseline less the ascent. Qt's rounding and
// the ascent kept in thousandths of an em lose under 0.1 twip at 16 pt, so
// one twip (1/20 pt) is a strict bound.
constexpr double kTolerance = 1;

draw::TextRun run(int x, int y, const QString& text, double size = 8, bool bold = false) {
  draw::TextRun r;
  r.rect = QRect(x, y, 0, 0);
  r.text = text;
  r.font = draw::Font{.pointSize = size, .bold = bold};
  return r;
}

const testsupport::PdfWord* findWord(const std::vector<testsupport::PdfWord>& words,
                                     const QString& text, int page) {
  for (const auto& w : words)
    if (w.text == text && w.page == page) return &w;
  return nullptr;
}

// The standard output of a poppler tool run on the PDF.
QString pdfTool(const QString& program, const QString& pdf) {
  QProcess p;
  p.start(program, {pdf});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PainterBackend, FontsAndMetricsInTwips) {
  for (bool bold : {false, true}) {
    const QFont q = draw::qtFont(draw::Font{.bold = bold});
    EXPECT_EQ(QFontInfo(q).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(q).bold(), bold);
    EXPECT_EQ(q.pixelSize(), 160);  // 8 pt in twips
  }
  // 10 pt is 200 twips to the em; the face's ascent is 1854, its descent 434
  // and its "0" 1139 of 2048 units.
  const draw::Font f{.pointSize = 10}, bold{.pointSize = 10, .bold = true};
  EXPECT_NEAR(draw::fontAscent(f), 200.0 * 1854 / 2048, 1);
  EXPECT_NEAR(draw::lineHeight(f), 200.0 * (1854 + 434) / 2048, 1.5);
  EXPECT_NEAR(draw::textWidth(f, "0"), 200.0 * 1139 / 2048, 0.5);
  EXPECT_NEAR(draw::textWidth(f, "0000"), 4 * draw::textWidth(f, "0"), 0.01);
  EXPECT_GT(draw::textWidth(bold, "RECIBO"), draw::textWidth(f, "RECIBO"));
  // Wrapped text is as tall as its lines.
  const draw::Font f8;
  const QString three = "PALAVRA PALAVRA PALAVRA";
  const double one = draw::textHeight(f8, "PALAVRA", 3000, true);
  EXPECT_NEAR(one, draw::lineHeight(f8), 1);
  EXPECT_GE(draw::textHeight(f8, three, 1000, true), 2.5 * draw::lineHeight(f8));
  EXPECT_NEAR(draw::textHeight(f8, three, 1000, false), one, 1);
  // Widths looked up character by character are exactly those of Qt's
  // shaping, for plain, accented and non-Latin texts in every face.
  for (const draw::Font& face : {f8, f, bold, draw::Font{.pointSize = 7, .italic = true}})
    for (const char* text : {"PRODUTO DE TESTE 123", "Ação, coração; ÇÃO ÊÓÚ ñ", "R$ 1.234,56 € – “x”",
                             "fi fl ffi   "})
      EXPECT_EQ(draw::textWidth(face, text),
                QFontMetricsF(draw::qtFont(face)).horizontalAdvance(QString::fromUtf8(text)))
          << text;
}

TEST(PainterBackend, PdfIsA4WithTheFaceEmbeddedAndTextRunsAtTheirTwips) {
  draw::Document doc;
  doc.pages.resize(2);
  doc.pages[0].items = {run(2700, 100, "TITULO", 16, true), run(200, 1750, "ITEM"),
                        run(10700, 15300, "RODAPE"), run(200, 600, "Ação")};
  doc.pages[1].items = {run(1000, 300, "SEGUNDA", 10)};
  const QString pdf = scratchFile("runs.pdf");
  draw::renderToPdf(doc, pdf);

  EXPECT_EQ(testsupport::pdfPageCount(pdf), 2);
  const QString info = pdfTool("pdfinfo", pdf);
  EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+595\\.?\\d* x 842")))
      << info.toStdString();
  const QString fonts = pdfTool("pdffonts", pdf);
  const QStringList faces = fonts.split('\n').filter("Liberation");
  ASSERT_EQ(faces.size(), 2) << fonts.toStdString();  // regular and bold
  for (const QString& line : faces) {
    EXPECT_TRUE(line.contains("LiberationSans")) << line.toStdString();
    // The column after the encoding is "emb": the face is embedded.
    EXPECT_TRUE(line.contains(QRegularExpression("Identity-H\\s+yes\\s"))) << line.toStdString();
  }
  const auto words = testsupport::pdfWords(pdf);
  for (size_t page = 0; page < doc.pages.size(); ++page)
    for (const draw::Item& item : doc.pages[page].items) {
      const auto& r = std::get<draw::TextRun>(item);
      SCOPED_TRACE(r.text.toStdString());
      const auto* w = findWord(words, r.text, int(page) + 1);
      ASSERT_NE(w, nullptr);
      EXPECT_NEAR(w->xMin, r.rect.left(), kTolerance);
      EXPECT_NEAR(w->yMin, r.rect.top(), kTolerance);
      // As tall as the face's ascent and descent, as wide as measured.
      EXPECT_NEAR(w->yMax - w->yMin, r.font.pointSize * 20 * (1854 + 434) / 2048.0, kTolerance);
      EXPECT_NEAR(w->xMax - w->xMin, draw::textWidth(r.font, r.text), kTolerance);
    }
}

TEST(PainterBackend, LandscapeDocumentGivesALandscapeSheet) {
  draw::Document doc;
  doc.orientation = draw::Orientation::Landscape;
  doc.pages.resize(1);
  doc.pages[0].items.push_back(run(15000, 100, "DIREITA"));
  const QString pdf = scratchFile("landscape.pdf");
  draw::renderToPdf(doc, pdf);
  EXPECT_TRUE(pdfTool("pdfinfo", pdf).contains(QRegularExpression("Page size:\\s+842 x 595")));
  const auto words = testsupport::pdfWords(pdf);
  const auto* w = findWord(words, "DIREITA", 1);
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(w->xMin, 15000, kTolerance);
}

TEST(PainterBackend, PrinterPositionsCountFromThePrintableArea) {
  // A QPrinter writing a file goes through the same path as a spooled job.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = scratchFile("printer.pdf");
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(0.5, 0.25, 0.5, 0.5), QPageLayout::Inch);
  draw::Document doc;
  doc.pages.resize(2);
  doc.pages[0].items.push_back(run(1000, 1000, "MARGEM"));
  doc.pages[1].items.push_back(run(0, 0, "CANTO"));
  draw::renderToPrinter(doc, printer);
  EXPECT_EQ(testsupport::pdfPageCount(pdf), 2);
  const auto words = testsupport::pdfWords(pdf);
  // Margins: half an inch (720 twips) left, a quarter (360) at the top.
  for (const auto& [text, page, x, y] :
       {std::tuple{"MARGEM", 1, 1000 + 720, 1000 + 360}, {"CANTO", 2, 720, 360}}) {
    const auto* w = findWord(words, text, page);
    ASSERT_NE(w, nullptr) << text;
    EXPECT_NEAR(w->xMin, x, kTolerance) << text;
    EXPECT_NEAR(w->yMin, y, kTolerance) << text;
  }
}

TEST(PainterBackend, UnwritablePdfOrPrinterIsARuntimeError) {
  draw::Document doc;
  doc.pages.resize(1);
  EXPECT_THROW(draw::renderToPdf(doc, "/nonexistent-folder/x.pdf"), RuntimeError);
  EXPECT_THROW(draw::renderToPdf(doc, ""), RuntimeError);
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/job.pdf");
  testsupport::expectRuntimeError([&] { draw::renderToPrinter(doc, printer); },
                              "/nonexistent-folder/job.pdf");
}

TEST(PainterBackend, PaintPageScalesTwipsToTheDevice) {
  // 144 dpi: one device pixel is 10 twips.
  QImage image(1200, 1700, QImage::Format_RGB32);
  image.fill(Qt::white);
  draw::Page page;
  draw::Rectangle box;
  box.rect = QRect(1000, 2000, 3000, 1000);  // pixels 100..400 x 200..300
  box.fill = Qt::red;
  box.width = 0;
  draw::Line line;
  line.from = QPoint(5000, 5000);
  line.to = QPoint(8000, 5000);
  line.width = 40;
  draw::TextRun clipped = run(6000, 8000, QString(20, 'M'), 12);
  clipped.rect.setSize(QSize(600, 300));
  clipped.background = QColor(Qt::yellow);
  draw::Picture pic;
  pic.image = QImage(4, 4, QImage::Format_RGB32);
  pic.image.fill(Qt::blue);
  pic.rect = QRect(9000, 12000, 1000, 1000);
  page.items = {box, line, clipped, pic};

  QPainter p(&image);
  draw::paintPage(p, page, 0.1, 0.1);
  p.end();

  for (const auto& [x, y, colour] :
       {std::tuple{250, 250, Qt::red}, {90, 250, Qt::white}, {410, 250, Qt::white},
        {650, 500, Qt::black}, {650, 510, Qt::white}, {950, 1250, Qt::blue},
        {1005, 1250, Qt::white}})
    EXPECT_EQ(image.pixelColor(x, y), QColor(colour)) << x << "," << y;
  // The long text is clipped to its box: something dark inside, nothing after it.
  bool inked = false;
  for (int x = 600; x < 660; ++x)
    for (int y = 800; y < 830; ++y)
      if (qGray(image.pixel(x, y)) < 100) inked = true;
  EXPECT_TRUE(inked);
  for (int x = 662; x < 900; ++x)
    for (int y = 795; y < 835; ++y)
      ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

}  // namespace

// The dialog's range on a five-page document: exactly those pages, in order.
TEST(PainterBackend, PrinterRangeSelectsThePages) {
  draw::Document doc;
  for (int i = 1; i <= 5; ++i)
    doc.pages.push_back({{run(1000, 1000, "PAGINA" + QString::number(i))}});
  struct Case {
    QPrinter::PrintRange range;
    int from, to;
    QStringList expected;
  };
  for (const Case& c : {Case{QPrinter::PageRange, 2, 3, {"PAGINA2", "PAGINA3"}},
                        Case{QPrinter::CurrentPage, 0, 0, {"PAGINA4"}},
                        Case{QPrinter::AllPages, 0, 0,
                             {"PAGINA1", "PAGINA2", "PAGINA3", "PAGINA4", "PAGINA5"}},
                        Case{QPrinter::PageRange, 4, 9, {"PAGINA4", "PAGINA5"}}}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = scratchFile("range.pdf");
    printer.setOutputFileName(pdf);
    printer.setPrintRange(c.range);
    if (c.from) printer.setFromTo(c.from, c.to);
    draw::renderToPrinter(doc, printer, /*currentPage=*/3);
    QStringList got;
    for (const auto& w : testsupport::pdfWords(pdf)) got << w.text;
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(testsupport::pdfPageCount(pdf), c.expected.size());
  }
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(scratchFile("vazio.pdf"));
  printer.setPrintRange(QPrinter::PageRange);
  printer.setFromTo(6, 7);
  testsupport::expectRuntimeError([&] { draw::renderToPrinter(doc, printer); }, "intervalo");
}

// An A4 page on Letter paper is scaled into the printable area: the corners
// of the A4 sheet land inside it, nothing cut; on A4 itself, 1:1.
TEST(PainterBackend, ASmallerSheetGetsTheWholePageScaled) {
  draw::Document doc;
  const QSize a4 = draw::pageSizeTwips(draw::Orientation::Portrait);
  doc.pages.push_back({{run(0, 0, "TOPO"), run(a4.width() - 1500, a4.height() - 1000, "RODAPE")}});
  for (const auto size : {QPageSize::Letter, QPageSize::A4}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = scratchFile("papel.pdf");
    printer.setOutputFileName(pdf);
    draw::preparePrinter(printer, draw::Orientation::Portrait, "papel");
    printer.setPageSize(QPageSize(size));
    printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
    draw::renderToPrinter(doc, printer);
    const QSizeF sheet = QPageSize(size).size(QPageSize::Point) * 20;  // twips
    const QRectF printable(360, 360, sheet.width() - 720, sheet.height() - 720);
    const auto words = testsupport::pdfWords(pdf);
    ASSERT_EQ(words.size(), 2u);
    for (const auto& w : words)
      EXPECT_TRUE(printable.contains(QRectF(QPointF(w.xMin, w.yMin), QPointF(w.xMax, w.yMax))))
          << w.text.toStdString() << " " << w.xMin << "," << w.yMin << "-" << w.xMax << ","
          << w.yMax;
    const double scale = size == QPageSize::A4 ? 1.0 : (sheet.height() - 720) / a4.height();
    EXPECT_NEAR(findWord(words, "RODAPE", 1)->xMin, 360 + (a4.width() - 1500) * scale, 15);
  }
}
