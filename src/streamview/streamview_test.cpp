// Pictures of the golden printer streams and of a label stream: where the
// words land, the paper, the cut, the bar code's modules and its decoded value.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "drawing/painterbackend.h"
#include "streamview/streampicture.h"
#include "labels/labels_testutil.h"

namespace streamview {
namespace {

QByteArray golden(const QString& name) {
  QFile f(QStringLiteral(TL_SOURCE_DIR "/src/textprint/testdata/") + name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
  return f.readAll();
}

std::vector<draw::TextRun> runs(const draw::Page& page) {
  std::vector<draw::TextRun> out;
  for (const auto& item : page.items)
    if (auto* t = std::get_if<draw::TextRun>(&item)) out.push_back(*t);
  return out;
}

const draw::TextRun* find(const std::vector<draw::TextRun>& rs, const QString& text, int nth = 0) {
  for (const auto& r : rs)
    if (r.text == text && nth-- == 0) return &r;
  return nullptr;
}

// The column of a word in a golden line (after its control bytes).
int column(const QByteArray& stream, int line, const QString& word) {
  QByteArray l = stream.split('\n').value(line);
  l.replace("\x1b!\x01", "").replace("\x1b\x0f", "").replace("\x0f", "").replace("\r", "");
  return int(cp1252::decode(l).indexOf(word));
}

struct TextCase {
  const char* file;
  Paper paper;
  int sheetWidth, left;
  double pitch;
  int line;
  const char* word;
  int pages;
};

TEST(StreamPicture, TextStreamsKeepTheirColumnsOnTheirPaper) {
  for (const TextCase& c : {
           // The receipt: 80 mm roll, small font (56 columns in 72 mm).
           TextCase{"cupom_sale4.prn", Paper::Receipt, 4535, 226, 4082 / 56.0, 5, "NRO.", 1},
           TextCase{"cupom_sale4.prn", Paper::Receipt, 4535, 226, 4082 / 56.0, 6, "FRANCISCO", 1},
           // The 135-column documents condensed (17.1 per inch) on a wide form.
           TextCase{"texto_sale1.prn", Paper::WideSheet, 13680, 1150, 1440 / 17.1, 2, "PEDIDO", 1},
           TextCase{"ostexto_os1.prn", Paper::WideSheet, 13680, 1150, 1440 / 17.1, 1, "BRISA", 1},
       }) {
    SCOPED_TRACE(std::string(c.file) + " " + c.word);
    const QByteArray stream = golden(c.file);
    const draw::Document doc = picture(stream, c.paper, "t");
    EXPECT_EQ(doc.sheet.width(), c.sheetWidth);
    ASSERT_EQ(int(doc.pages.size()), c.pages);
    const auto rs = runs(doc.pages[0]);
    const auto* w = find(rs, c.word);
    ASSERT_NE(w, nullptr);
    const int col = column(stream, c.line, c.word);
    ASSERT_GE(col, 0);
    EXPECT_NEAR(w->rect.left(), c.left + col * c.pitch, 1);
    EXPECT_EQ(w->font.family, "Liberation Mono");
    EXPECT_NEAR(w->font.pointSize * 20 * 0.6, c.pitch, 0.5);  // a glyph per column
    // Lines one sixth of an inch apart.
    const auto* first = find(rs, c.paper == Paper::Receipt ? "BRISA" : QString(c.word));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ((w->rect.top() - first->rect.top()) % 240, 0);
  }
  // GS V 66 0 cuts the roll: a dashed line below the last text.
  const draw::Document receipt = picture(golden("cupom_sale5.prn"), Paper::Receipt, "t");
  int dashes = 0, lastText = 0;
  for (const auto& item : receipt.pages[0].items) {
    if (auto* t = std::get_if<draw::TextRun>(&item)) lastText = std::max(lastText, t->rect.top());
    if (auto* l = std::get_if<draw::Line>(&item)) dashes += l->from.y() > lastText;
  }
  EXPECT_GT(dashes, 20);
  EXPECT_GT(receipt.sheet.height(), lastText + 240);
}

TEST(StreamPicture, UnknownCommandsAreDrawnNotDropped) {
  const auto doc = picture("AB\x1b@CD\x07\r\n", Paper::WideSheet, "t");
  const auto rs = runs(doc.pages[0]);
  ASSERT_EQ(rs.size(), 4u);
  EXPECT_EQ(rs[1].text, kUnknown);
  EXPECT_EQ(rs[1].color, QColor(Qt::red));
  EXPECT_NEAR(rs[2].rect.left(), 1150 + 5 * 144, 1);  // "CD" after AB and [?]
  EXPECT_EQ(rs[3].text, kUnknown);
  const auto labels = picture("\x02L\r\nD11\r\n\x02X9\r\n\x02Q0003\r\n\x02E\r\n", Paper::Labels, "t");
  const auto ls = runs(labels.pages[0]);
  EXPECT_TRUE(find(ls, "Cópias: 0003"));
  EXPECT_TRUE(find(ls, "[?] X9"));
}

// A price-label job as the label window writes it: two labels, two copies.
QByteArray priceLabels() { return labeltest::goldenStream("ppla_precos.lines", "SEM PREÇO"); }

TEST(StreamPicture, LabelsShowTheirFieldsBarCodesAndCopies) {
  const draw::Document doc = picture(priceLabels(), Paper::Labels, "t");
  ASSERT_EQ(doc.pages.size(), 1u);
  const auto rs = runs(doc.pages[0]);
  ASSERT_TRUE(find(rs, "Cópias: 0002"));
  // Columns and rows in hundredths of an inch (14.4 twips) from the label's
  // bottom-left corner; the label 4.1 x 0.8 in, the page's margin 360.
  const int bottom = doc.sheet.height() - 360;
  const auto* company = find(rs, "LOJA TALVORA LTDA", 1);
  ASSERT_NE(company, nullptr);
  EXPECT_NEAR(company->rect.left(), 360 + 230 * 14.4, 1);
  EXPECT_NEAR(company->rect.top(), bottom - 60 * 14.4 - 18 * 1440 / 203.0, 1);
  const auto* name = find(rs, "PARAFUSO SEXTAVADO 8");
  ASSERT_NE(name, nullptr);
  EXPECT_NEAR(name->rect.top(), bottom - 50 * 14.4 - 13 * 1440 / 203.0, 1);
  // The bars of the left label: the library's Code 128 of the number, two
  // dots a module, from column 35, row 5 to 25.
  const std::vector<int> widths = code128Widths("7891234567895");
  ASSERT_GE(widths.size(), 7u);
  EXPECT_EQ(std::vector<int>(widths.end() - 7, widths.end()), (std::vector<int>{2, 3, 3, 1, 1, 1, 2}));
  std::vector<QRect> bars;
  for (const auto& item : doc.pages[0].items)
    if (auto* r = std::get_if<draw::Rectangle>(&item); r && r->fill == Qt::black &&
                                                        r->rect.left() < 360 + 230 * 14.4)
      bars.push_back(r->rect);
  ASSERT_EQ(bars.size(), (widths.size() + 1) / 2);
  const double module = 2 * 1440 / 203.0;
  EXPECT_NEAR(bars[0].left(), 360 + 35 * 14.4, 1);
  EXPECT_NEAR(bars[0].bottom() + 1, bottom - 5 * 14.4, 1);
  EXPECT_NEAR(bars[0].height(), 20 * 14.4, 1);
  for (size_t i = 0; i < bars.size(); ++i)
    EXPECT_NEAR(bars[i].width() / module, widths[2 * i], 0.2) << i;
}

// Rotation 2 turns a field a quarter counter-clockwise about its anchor:
// the text's top-left corner lies one character height left of it.
TEST(StreamPicture, TurnedLabelFields) {
  const auto doc = picture("\x02L\r\n221100000100100ABC\r\n\x02" "E\r\n", Paper::Labels, "t");
  const auto rs = runs(doc.pages[0]);
  const auto* abc = find(rs, "ABC");
  ASSERT_NE(abc, nullptr);
  EXPECT_EQ(abc->rotation, 90);
  const int bottom = doc.sheet.height() - 360;
  EXPECT_NEAR(abc->rect.left(), 360 + 100 * 14.4 - 18 * 1440 / 203.0, 1);
  EXPECT_NEAR(abc->rect.top(), bottom - 10 * 14.4, 1);
}

TEST(StreamPicture, TheLabelsBarCodeDecodesToTheJobsCode) {
  const QString zbar = QStandardPaths::findExecutable("zbarimg");
  if (zbar.isEmpty()) GTEST_SKIP() << "zbarimg (zbar-tools) not installed";
  const draw::Document doc = picture(priceLabels(), Paper::Labels, "t");
  const double scale = 300.0 / 1440;  // 300 dpi
  QImage image((doc.sheet.toSizeF() * scale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  draw::paintPage(p, doc.pages[0], scale, scale);
  p.end();
  // The left label alone, so one symbol is read.
  const QString png = testsupport::scratchFile("label.png");
  ASSERT_TRUE(image.copy(0, 0, int((360 + 200 * 14.4) * scale), image.height()).save(png));
  QProcess zbarimg;
  zbarimg.start(zbar, {"--raw", "-q", png});
  ASSERT_TRUE(zbarimg.waitForFinished(10000));
  EXPECT_EQ(zbarimg.readAllStandardOutput().trimmed(), "7891234567895");
}

}  // namespace
}  // namespace streamview
