#include "textprint/painterbackend.h"

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "startup/errors.h"
#include "testsupport.h"

namespace {

// pdftotext reports a word's box from the PDF's own numbers: xMin is where
// the first glyph is placed, yMin the baseline minus the font's ascent. The
// only losses on the way are Qt's rounding of coordinates and the ascent
// being stored in thousandths of an em (905 for 1854/2048 = 0.90527): less
// than 0.1 twip at 16 pt. One twip (1/20 pt) is therefore a strict bound.
constexpr double kTolerance = 1;

draw::TextRun run(int x, int y, const QString& text, double size = 8, bool bold = false) {
  draw::TextRun r;
  r.rect = QRect(x, y, 0, 0);
  r.text = text;
  r.font.pointSize = size;
  r.font.bold = bold;
  return r;
}

const testsupport::PdfWord* findWord(const std::vector<testsupport::PdfWord>& words,
                                     const QString& text, int page = 0) {
  for (const auto& w : words)
    if (w.text == text && (page == 0 || w.page == page)) return &w;
  return nullptr;
}

QString pdfFonts(const QString& pdf) {
  QProcess p;
  p.start("pdffonts", {pdf});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString& pdf) {
  QProcess p;
  p.start("pdfinfo", {pdf});
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

QString scratch(const QString& name) { return QDir(testsupport::scratchDir()).filePath(name); }

}  // namespace

TEST(PainterBackend, FontResolvesToLiberationSansRegularAndBold) {
  for (bool bold : {false, true}) {
    draw::Font f;
    f.bold = bold;
    const QFont q = draw::qtFont(f);
    const QFontInfo info(q);
    EXPECT_EQ(info.family(), "Liberation Sans");
    EXPECT_EQ(info.bold(), bold);
    EXPECT_EQ(q.pixelSize(), 160);  // 8 pt in twips
  }
}

TEST(PainterBackend, MetricsAreTheFacesMetricsInTwips) {
  draw::Font f;
  f.pointSize = 10;  // 200 twips to the em
  // Liberation Sans: ascent 1854 and descent 434 of 2048 units to the em.
  EXPECT_NEAR(draw::fontAscent(f), 200.0 * 1854 / 2048, 1);
  EXPECT_NEAR(draw::lineHeight(f), 200.0 * (1854 + 434) / 2048, 1.5);
  // Advance of "0" is 1139 units; widths add up over a text.
  EXPECT_NEAR(draw::textWidth(f, "0"), 200.0 * 1139 / 2048, 0.5);
  EXPECT_NEAR(draw::textWidth(f, "0000"), 4 * draw::textWidth(f, "0"), 0.01);
  f.bold = true;
  EXPECT_GT(draw::textWidth(f, "RECIBO"), [] {
    draw::Font regular;
    regular.pointSize = 10;
    return draw::textWidth(regular, "RECIBO");
  }());
}

TEST(PainterBackend, WrappedTextHeightCountsItsLines) {
  draw::Font f;
  const double one = draw::textHeight(f, "PALAVRA", 3000, true);
  EXPECT_NEAR(one, draw::lineHeight(f), 1);
  const double narrow = draw::textHeight(f, "PALAVRA PALAVRA PALAVRA", 1000, true);
  EXPECT_GE(narrow, 2.5 * draw::lineHeight(f));
  EXPECT_NEAR(draw::textHeight(f, "PALAVRA PALAVRA PALAVRA", 1000, false), one, 1);
}

TEST(PainterBackend, PdfPlacesTextRunsAtTheirTwips) {
  draw::Document doc;
  doc.pages.resize(2);
  doc.pages[0].items.push_back(run(2700, 100, "TITULO", 16, true));
  doc.pages[0].items.push_back(run(200, 1750, "ITEM", 8));
  doc.pages[0].items.push_back(run(10700, 15300, "RODAPE", 8));
  doc.pages[1].items.push_back(run(1000, 300, "SEGUNDA", 10));
  const QString pdf = scratch("runs.pdf");
  draw::renderToPdf(doc, pdf);

  EXPECT_EQ(testsupport::pdfPageCount(pdf), 2);
  const auto words = testsupport::pdfWords(pdf);
  struct Expect {
    QString text;
    int page, x, y;
    double size;
  };
  for (const Expect& e : {Expect{"TITULO", 1, 2700, 100, 16}, Expect{"ITEM", 1, 200, 1750, 8},
                          Expect{"RODAPE", 1, 10700, 15300, 8},
                          Expect{"SEGUNDA", 2, 1000, 300, 10}}) {
    const auto* w = findWord(words, e.text, e.page);
    ASSERT_NE(w, nullptr) << e.text.toStdString();
    EXPECT_NEAR(w->xMin, e.x, kTolerance) << e.text.toStdString();
    EXPECT_NEAR(w->yMin, e.y, kTolerance) << e.text.toStdString();
    // The box is as tall as the face's ascent plus descent at that size.
    EXPECT_NEAR(w->yMax - w->yMin, e.size * 20 * (1854 + 434) / 2048.0, kTolerance)
        << e.text.toStdString();
    draw::Font f;
    f.pointSize = e.size;
    f.bold = e.text == "TITULO";
    EXPECT_NEAR(w->xMax - w->xMin, draw::textWidth(f, e.text), kTolerance)
        << e.text.toStdString();
  }
}

TEST(PainterBackend, PdfIsA4AndEmbedsTheFace) {
  draw::Document doc;
  doc.pages.resize(1);
  doc.pages[0].items.push_back(run(200, 200, "Ação", 8));
  doc.pages[0].items.push_back(run(200, 600, "NEGRITO", 8, true));
  const QString pdf = scratch("a4.pdf");
  draw::renderToPdf(doc, pdf);
  EXPECT_TRUE(pdfInfo(pdf).contains(QRegularExpression("Page size:\\s+595\\.?\\d* x 842")))
      << pdfInfo(pdf).toStdString();
  const QString fonts = pdfFonts(pdf);
  const QStringList lines = fonts.split('\n').filter("Liberation");
  ASSERT_EQ(lines.size(), 2) << fonts.toStdString();  // regular and bold
  for (const QString& line : lines) {
    EXPECT_TRUE(line.contains("LiberationSans")) << line.toStdString();
    // The column after the encoding is "emb": the face is embedded.
    EXPECT_TRUE(line.contains(QRegularExpression("Identity-H\\s+yes\\s"))) << line.toStdString();
  }
  const auto words = testsupport::pdfWords(pdf);
  EXPECT_NE(findWord(words, "Ação"), nullptr);
}

TEST(PainterBackend, LandscapeDocumentGivesALandscapeSheet) {
  draw::Document doc;
  doc.orientation = draw::Orientation::Landscape;
  doc.pages.resize(1);
  doc.pages[0].items.push_back(run(15000, 100, "DIREITA", 8));
  const QString pdf = scratch("landscape.pdf");
  draw::renderToPdf(doc, pdf);
  EXPECT_TRUE(pdfInfo(pdf).contains(QRegularExpression("Page size:\\s+842 x 595")))
      << pdfInfo(pdf).toStdString();
  const auto words = testsupport::pdfWords(pdf);
  const auto* w = findWord(words, "DIREITA");
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(w->xMin, 15000, kTolerance);
}

TEST(PainterBackend, SeveralDocumentsFollowOneAnother) {
  std::vector<draw::Document> docs(3);
  for (int i = 0; i < 3; ++i) {
    docs[i].pages.resize(2);
    docs[i].pages[0].items.push_back(run(100, 100, QString("DOC%1").arg(i + 1)));
  }
  const QString pdf = scratch("three.pdf");
  draw::renderToPdf(docs, pdf);
  EXPECT_EQ(testsupport::pdfPageCount(pdf), 6);
  const auto words = testsupport::pdfWords(pdf);
  ASSERT_NE(findWord(words, "DOC1", 1), nullptr);
  ASSERT_NE(findWord(words, "DOC2", 3), nullptr);
  ASSERT_NE(findWord(words, "DOC3", 5), nullptr);
}

TEST(PainterBackend, UnwritablePdfIsARuntimeError) {
  draw::Document doc;
  doc.pages.resize(1);
  EXPECT_THROW(draw::renderToPdf(doc, "/nonexistent-folder/x.pdf"), RuntimeError);
  EXPECT_THROW(draw::renderToPdf(doc, ""), RuntimeError);
}

TEST(PainterBackend, PrinterPositionsCountFromThePrintableArea) {
  // A QPrinter writing a file goes through the same path as a spooled job.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = scratch("printer.pdf");
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
  const auto* w = findWord(words, "MARGEM", 1);
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(w->xMin, 1000 + 720, kTolerance);  // left margin half an inch
  EXPECT_NEAR(w->yMin, 1000 + 360, kTolerance);  // top margin a quarter inch
  const auto* c = findWord(words, "CANTO", 2);
  ASSERT_NE(c, nullptr);
  EXPECT_NEAR(c->xMin, 720, kTolerance);
  EXPECT_NEAR(c->yMin, 360, kTolerance);
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
  page.items.push_back(box);
  draw::Line line;
  line.from = QPoint(5000, 5000);
  line.to = QPoint(8000, 5000);
  line.width = 40;
  page.items.push_back(line);
  draw::TextRun clipped;
  clipped.rect = QRect(6000, 8000, 600, 300);
  clipped.text = "MMMMMMMMMMMMMMMMMMMM";
  clipped.font.pointSize = 12;
  clipped.background = QColor(Qt::yellow);
  page.items.push_back(clipped);
  draw::Picture pic;
  QImage blue(4, 4, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  pic.image = blue;
  pic.rect = QRect(9000, 12000, 1000, 1000);
  page.items.push_back(pic);

  QPainter p(&image);
  draw::paintPage(p, page, 0.1, 0.1);
  p.end();

  EXPECT_EQ(image.pixelColor(250, 250), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(90, 250), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(410, 250), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(650, 500), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(650, 510), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(950, 1250), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(1005, 1250), QColor(Qt::white));
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

TEST(PainterBackend, PrinterThatCannotStartIsARuntimeError) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/job.pdf");
  draw::Document doc;
  doc.pages.resize(1);
  try {
    draw::renderToPrinter(doc, printer);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("/nonexistent-folder/job.pdf")) << e.message().toStdString();
  }
}
