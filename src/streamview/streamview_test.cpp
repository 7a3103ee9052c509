// Pictures of the golden printer streams and of a label stream: where the
// words land, the paper, the cut, the bar code's place and its decoded value.
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

// The receipt: 80 mm roll, small font (56 columns in 72 mm); the 135-column documents condensed (17.1 per inch) on a
// wide form.
TEST(StreamPicture, TextStreamsKeepTheirColumnsOnTheirPaper) {
  for (const auto& [file, paper, line, word] :
       {std::tuple{"cupom_sale4.prn", Paper::Receipt, 5, "NRO."}, {"cupom_sale4.prn", Paper::Receipt, 6, "FRANCISCO"},
        {"texto_sale1.prn", Paper::WideSheet, 2, "PEDIDO"}, {"ostexto_os1.prn", Paper::WideSheet, 1, "BRISA"}}) {
    SCOPED_TRACE(std::string(file) + " " + word);
    const bool receipt = paper == Paper::Receipt;
    const double pitch = receipt ? 4082 / 56.0 : 1440 / 17.1;
    const QByteArray stream = golden(file);
    const draw::Document doc = picture(stream, paper, "t");
    EXPECT_EQ(doc.sheet.width(), receipt ? 4535 : 13680);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto rs = runs(doc.pages[0]);
    const auto* w = find(rs, word);
    ASSERT_NE(w, nullptr);
    const int col = column(stream, line, word);
    ASSERT_GE(col, 0);
    EXPECT_NEAR(w->rect.left(), (receipt ? 226 : 1150) + col * pitch, 1);
    EXPECT_EQ(w->font.family, "Liberation Mono");
    EXPECT_NEAR(w->font.pointSize * 20 * 0.6, pitch, 0.5);  // a glyph per column
    // Lines one sixth of an inch apart.
    const auto* first = find(rs, "BRISA");
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

// A price-label job as the label window writes it: two labels, two copies. Columns and rows in hundredths of an
// inch (14.4 twips) from the label's bottom-left corner; the label 4.1 x 0.8 in, the page's margin 360.
TEST(StreamPicture, LabelsShowTheirFieldsAndBarCodesThatReadAsTheJobsCode) {
  const draw::Document doc = picture(labeltest::goldenStream("ppla_precos.lines", "SEM PREÇO"), Paper::Labels, "t");
  ASSERT_EQ(doc.pages.size(), 1u);
  const auto rs = runs(doc.pages[0]);
  ASSERT_TRUE(find(rs, "Cópias: 0002"));
  const int bottom = doc.sheet.height() - 360;
  const auto* company = find(rs, "LOJA TALVORA LTDA", 1);
  ASSERT_NE(company, nullptr);
  EXPECT_NEAR(company->rect.left(), 360 + 230 * 14.4, 1);
  EXPECT_NEAR(company->rect.top(), bottom - 60 * 14.4 - 18 * 1440 / 203.0, 1);
  const auto* name = find(rs, "PARAFUSO SEXTAVADO 8");
  ASSERT_NE(name, nullptr);
  EXPECT_NEAR(name->rect.top(), bottom - 50 * 14.4 - 13 * 1440 / 203.0, 1);
  // The left label's bars from column 35, row 5 to 25; the start code opens with a bar of two modules of two dots.
  const draw::Rectangle* bar = nullptr;
  for (const auto& item : doc.pages[0].items)
    if (auto* r = std::get_if<draw::Rectangle>(&item); r && r->fill == Qt::black && !bar) bar = r;
  ASSERT_NE(bar, nullptr);
  EXPECT_NEAR(bar->rect.left(), 360 + 35 * 14.4, 1);
  EXPECT_NEAR(bar->rect.bottom() + 1, bottom - 5 * 14.4, 1);
  EXPECT_NEAR(bar->rect.height(), 20 * 14.4, 1);
  EXPECT_NEAR(bar->rect.width(), 2 * 2 * 1440 / 203.0, 1);
  // Painted at 300 dpi, the left label alone (one symbol) reads as the job's code.
  const QString zbar = QStandardPaths::findExecutable("zbarimg");
  if (zbar.isEmpty()) GTEST_SKIP() << "zbarimg (zbar-tools) not installed";
  const double scale = 300.0 / 1440;
  QImage image((doc.sheet.toSizeF() * scale).toSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  draw::paintPage(p, doc.pages[0], scale, scale);
  p.end();
  const QString png = testsupport::scratchFile("label.png");
  ASSERT_TRUE(image.copy(0, 0, int((360 + 200 * 14.4) * scale), image.height()).save(png));
  QProcess zbarimg;
  zbarimg.start(zbar, {"--raw", "-q", png});
  ASSERT_TRUE(zbarimg.waitForFinished(10000));
  EXPECT_EQ(zbarimg.readAllStandardOutput().trimmed(), "7891234567895");
}

}  // namespace
}  // namespace streamview
