#include "reports/bandengine.h"

#include <gtest/gtest.h>

#include "reports/reports_testutil.h"
#include "startup/errors.h"
#include "startup/masks.h"
#include "textprint/painterbackend.h"

namespace reports {
namespace {

using testutil::find;
using testutil::Found;
using testutil::texts;

const QDateTime kNow(QDate(2024, 3, 15), QTime(14, 5, 9));

// The dispatcher's page setup of the order documents.
BandReport orderReport(const QString& name) {
  BandReport r;
  r.layout = loadLayout(name, QString());
  r.page = {500, 300, 300, 800, draw::Orientation::Portrait};
  return r;
}

const LayoutSection& sectionOf(const BandReport& r, const QString& name) {
  for (const LayoutSection& s : r.layout.sections)
    if (s.name == name) return s;
  throw RuntimeError("no section " + name);
}

const LayoutItem& captionOf(const BandReport& r, const QString& section, const QString& text) {
  for (const LayoutItem& i : sectionOf(r, section).items)
    if (i.type == LayoutItem::Type::Caption && i.text == text) return i;
  throw RuntimeError("no caption " + text);
}

const LayoutItem& fieldOf(const BandReport& r, const QString& section, const QString& column) {
  for (const LayoutItem& i : sectionOf(r, section).items)
    if ((i.type == LayoutItem::Type::Field || i.type == LayoutItem::Type::Sum) && i.column == column)
      return i;
  throw RuntimeError("no field " + column);
}

int bodyBottom(const BandReport& r) {
  const LayoutSection* footer = r.layout.section(LayoutSection::Kind::PageFooter);
  return draw::pageSizeTwips(r.page.orientation).height() - r.page.bottom -
         (footer ? footer->height : 0);
}

class OrderDocuments : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    m_ = testutil::demoContext().release();
    de_ = new DataEnvironment(*m_);
  }
  static void TearDownTestSuite() {
    delete de_;
    delete m_;
  }
  static ShapedSet order(int sacod, const QString& command = "PEDIDO") {
    de_->execute(command, sacod);
    return de_->rs(command).set();
  }
  static modCnn* m_;
  static DataEnvironment* de_;
};
modCnn* OrderDocuments::m_ = nullptr;
DataEnvironment* OrderDocuments::de_ = nullptr;

TEST_F(OrderDocuments, AnItemSitsAtMarginPlusSectionOffsetPlusItemTop) {
  const BandReport r = orderReport("reportPedido");
  const draw::Document doc = layoutBandReport(r, order(1), kNow);
  ASSERT_EQ(doc.pages.size(), 1u);
  EXPECT_EQ(doc.title, "Talvora - Pedido");
  const int pageHeader = sectionOf(r, "PageHeader").height;
  const auto pedido = find(doc, "PEDIDO:");
  ASSERT_EQ(pedido.size(), 1u);
  EXPECT_EQ(pedido[0].run.rect, QRect(500 + 30, 300 + pageHeader + 45, 915, 255));
  // The first detail row follows the group header, which grew with the
  // customer's long delivery reference.
  const ShapedSet s = order(1);
  const LayoutItem& reference = fieldOf(r, "PEDIDO_Header", "INENREFERENCIA");
  draw::Font font;
  const int growth = int(std::ceil(draw::textHeight(font, s.value(0, "INENREFERENCIA").toText(),
                                                    reference.width, true))) - reference.height;
  ASSERT_GT(growth, 0);
  const int detailTop = 300 + pageHeader + sectionOf(r, "PEDIDO_Header").height + growth;
  const ShapedSet* items = s.child(0, "ITEMSAIDA");
  const auto first = find(doc, items->value(0, "ITPRNOME").toText());
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].run.rect.topLeft(), QPoint(500 + 2715, detailTop));
  EXPECT_EQ(first[0].run.font.pointSize, 7);
  EXPECT_TRUE(first[0].run.wrap);
  // The page footer sits at the bottom of the page, above the bottom margin.
  bool footerPicture = false;
  for (const draw::Item& item : doc.pages[0].items)
    if (const auto* pic = std::get_if<draw::Picture>(&item))
      footerPicture |= pic->rect.top() == bodyBottom(r);
  EXPECT_FALSE(footerPicture) << "pictures stay empty until the dispatcher loads them";
}

TEST_F(OrderDocuments, FortyItemsSpreadOverPagesWithPageAndTotal) {
  const BandReport r = orderReport("reportPedido");
  const ShapedSet s = order(2);
  const ShapedSet* items = s.child(0, "ITEMSAIDA");
  ASSERT_EQ(items->rows.size(), 40u);
  const draw::Document doc = layoutBandReport(r, s, kNow);
  const size_t pages = doc.pages.size();
  ASSERT_GE(pages, 2u);

  const LayoutItem& pageItem = captionOf(r, "PageHeader", "%p");
  const LayoutItem& totalItem = captionOf(r, "PageHeader", "%P");
  for (size_t p = 0; p < pages; ++p) {
    QString page, total;
    for (const draw::TextRun& t : texts(doc.pages[p])) {
      if (t.rect.topLeft() == QPoint(500 + pageItem.left, 300 + pageItem.top)) page = t.text;
      if (t.rect.topLeft() == QPoint(500 + totalItem.left, 300 + totalItem.top)) total = t.text;
    }
    EXPECT_EQ(page, QString::number(p + 1));
    EXPECT_EQ(total, QString::number(pages));
    EXPECT_EQ(find(doc, "Página").size(), pages);
  }

  // Every item once, in order: the product column of every page.
  std::vector<Found> names;
  for (size_t p = 0; p < pages; ++p)
    for (const draw::TextRun& t : texts(doc.pages[p]))
      if (t.rect.left() == 500 + 2715) names.push_back({p, t});
  ASSERT_EQ(names.size(), 40u);
  for (size_t i = 0; i < 40; ++i) {
    EXPECT_EQ(names[i].run.text, items->value(i, "ITPRNOME").toText()) << i;
    if (i > 0)
      EXPECT_TRUE(names[i].page > names[i - 1].page ||
                  (names[i].page == names[i - 1].page && names[i].run.rect.top() > names[i - 1].run.rect.top()));
  }
  EXPECT_EQ(names.back().page, pages - 1);

  // The group header once, before the first item; the footer once, after the last.
  const auto header = find(doc, "PEDIDO:");
  ASSERT_EQ(header.size(), 1u);
  EXPECT_EQ(header[0].page, 0u);
  EXPECT_EQ(names.front().page, 0u);
  EXPECT_LT(header[0].run.rect.top(), names.front().run.rect.top());
  const auto footer = find(doc, "SUB TOTAL");
  ASSERT_EQ(footer.size(), 1u);
  EXPECT_EQ(footer[0].page, pages - 1);
  EXPECT_LT(names.back().run.rect.bottom(), footer[0].run.rect.top());
  // No section crosses into the page footer.
  for (const draw::Page& page : doc.pages)
    for (const draw::Item& item : page.items)
      if (const auto* line = std::get_if<draw::Line>(&item))
        if (line->from.y() > 300 + sectionOf(r, "PageHeader").height && line->to.y() < 16838 - 800 - 1215)
          EXPECT_LE(line->to.y(), bodyBottom(r));
}

TEST_F(OrderDocuments, TheFooterSumsTheGroupsItems) {
  const BandReport r = orderReport("reportPedido");
  const ShapedSet s = order(2);
  const ShapedSet* items = s.child(0, "ITEMSAIDA");
  double quantity = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) quantity += items->value(i, "ITQTD").toDouble();
  const draw::Document doc = layoutBandReport(r, s, kNow);
  const LayoutItem& sum = fieldOf(r, "PEDIDO_Footer", "ITQTD");
  const auto itens = find(doc, "ITENS");
  ASSERT_EQ(itens.size(), 1u);
  const QPoint at(500 + sum.left, itens[0].run.rect.top() - 75 + sum.top);
  QString printed;
  for (const draw::TextRun& t : texts(doc.pages[itens[0].page]))
    if (t.rect.topLeft() == at) printed = t.text;
  EXPECT_EQ(printed, formatMask(Value::decimal(quantity), "###,0.00"));
  EXPECT_GT(quantity, 40);

  // The exchange document sums quantity and total of the exchange items.
  const BandReport troca = orderReport("reportPedidoCaixaTroca");
  const ShapedSet t = order(4, "PEDIDO_TROCA");
  const ShapedSet* exchanged = t.child(0, "ITEMSAIDA_TROCA");
  double total = 0;
  for (size_t i = 0; i < exchanged->rows.size(); ++i) total += exchanged->value(i, "ITVRTOTAL").toDouble();
  const draw::Document tdoc = layoutBandReport(troca, t, kNow);
  EXPECT_EQ(find(tdoc, formatMask(Value::decimal(total), "###,0.00")).size(), 1u);
  EXPECT_EQ(find(tdoc, "RELAÇÃO DE PRODUTOS DE TROCA").size(), 1u);
}

TEST_F(OrderDocuments, ACounterSaleWithAnExchangeCreditPrintsCreditAndAmountPaid) {
  const BandReport r = orderReport("reportPedidoCaixa");
  const ShapedSet s = order(4);
  const draw::Document doc = layoutBandReport(r, s, kNow);
  const auto credit = find(doc, "CRÉDITO TROCA");
  const auto paid = find(doc, "TOTAL PAGO");
  ASSERT_EQ(credit.size(), 1u);
  ASSERT_EQ(paid.size(), 1u);
  const QString creditText = formatMask(s.value(0, "SAVRTROCA"), "###,0.00");
  const QString paidText = formatMask(s.value(0, "VRCOMTROCA"), "###,0.00");
  EXPECT_EQ(creditText, "70,30");
  EXPECT_EQ(paidText, "4.838,32");
  // Each value 180 twips below its caption, right-aligned in its box.
  const auto creditValue = find(doc, creditText);
  ASSERT_EQ(creditValue.size(), 1u);
  EXPECT_EQ(creditValue[0].run.rect, QRect(500 + 7050, credit[0].run.rect.top() + 180, 1755, 240));
  EXPECT_EQ(creditValue[0].run.align, draw::Align::Right);
  const auto paidValue = find(doc, paidText);
  ASSERT_EQ(paidValue.size(), 1u);
  EXPECT_EQ(paidValue[0].run.rect, QRect(500 + 9120, paid[0].run.rect.top() + 180, 1755, 240));
  // The items' tax columns are texts: under the mask "0" they print as they are.
  EXPECT_FALSE(find(doc, "CST:").empty());
  const QString cst = s.child(0, "ITEMSAIDA")->value(0, "PRCST").toText();
  const QString ncm = s.child(0, "ITEMSAIDA")->value(0, "PRCLASS").toText();
  ASSERT_TRUE(cst.startsWith('0') && cst.size() == 3) << cst.toStdString();
  EXPECT_FALSE(find(doc, cst).empty());
  EXPECT_FALSE(find(doc, ncm).empty());
}

TEST_F(OrderDocuments, AnOrderWithoutRowsShowsOnlyPageHeaderAndFooter) {
  const BandReport r = orderReport("reportPedido");
  const draw::Document doc = layoutBandReport(r, order(0), kNow);
  ASSERT_EQ(doc.pages.size(), 1u);
  const size_t fixed = sectionOf(r, "PageHeader").items.size() + sectionOf(r, "PageFooter").items.size();
  // Pictures are not loaded here, so they draw nothing.
  size_t pictures = 0;
  for (const LayoutItem& i : sectionOf(r, "PageHeader").items) pictures += i.type == LayoutItem::Type::Picture;
  for (const LayoutItem& i : sectionOf(r, "PageFooter").items) pictures += i.type == LayoutItem::Type::Picture;
  EXPECT_EQ(doc.pages[0].items.size(), fixed - pictures);
  EXPECT_TRUE(find(doc, "PEDIDO:").empty());
  EXPECT_EQ(find(doc, "1").size(), 2u);  // page 1 of 1
}

TEST_F(OrderDocuments, ALongRemarkGrowsAndPushesTheItemsBelowIt) {
  const BandReport r = orderReport("reportPedido");
  ShapedSet s = order(1);
  const draw::Document before = layoutBandReport(r, s, kNow);
  QStringList lines;
  for (int i = 0; i < 14; ++i)
    lines << "Linha " + QString::number(i + 1) + " das observações do pedido, longa o bastante.";
  const QString remark = lines.join(' ');
  s.rows[0].values[s.columns->indexOf("SAOBS")] = Value::text(remark);
  const draw::Document after = layoutBandReport(r, s, kNow);

  const LayoutItem& obs = fieldOf(r, "PEDIDO_Footer", "SAOBS");
  draw::Font font;
  font.pointSize = 8;
  const int needed = int(std::ceil(draw::textHeight(font, remark, obs.width, true)));
  ASSERT_GT(needed, obs.height);
  const auto remarkRun = find(after, remark);
  ASSERT_EQ(remarkRun.size(), 1u);
  EXPECT_EQ(remarkRun[0].run.rect.height(), needed);

  auto top = [](const draw::Document& d, const QString& text) {
    const auto f = find(d, text);
    return f.empty() ? -1 : f[0].run.rect.top() + int(f[0].page) * 100000;
  };
  // What lies above the remark stays; what lies below moves by the growth.
  EXPECT_EQ(top(after, "SUB TOTAL"), top(before, "SUB TOTAL"));
  EXPECT_EQ(top(after, "EMPRESA") - top(before, "EMPRESA"), needed - obs.height);
  const auto dates = find(after, "Data:  ______/______/__________");
  ASSERT_EQ(dates.size(), 3u);
  EXPECT_EQ(dates[0].run.rect.top() - remarkRun[0].run.rect.top(), needed + (2160 - 1035 - 900));
}

TEST_F(OrderDocuments, PicturesAndCaptionsSetAtRunTime) {
  BandReport r = orderReport("reportPedidoSpreco");
  QImage image(20, 10, QImage::Format_RGB32);
  image.fill(Qt::red);
  EXPECT_THROW(r.setPicture("PageHeader", "nao_existe", image), RuntimeError);
  EXPECT_THROW(r.setCaption("Secao", "x", "y"), RuntimeError);
  BandReport p = orderReport("reportPedido");
  p.setPicture("PageHeader", "cabecalho", image);
  const draw::Document doc = layoutBandReport(p, order(1), kNow);
  int pictures = 0;
  for (const draw::Item& item : doc.pages[0].items)
    if (const auto* pic = std::get_if<draw::Picture>(&item)) {
      ++pictures;
      EXPECT_EQ(pic->rect, QRect(500 + 405, 300, 9975, 1215));
      EXPECT_EQ(pic->image.pixelColor(0, 0), QColor(Qt::red));
    }
  EXPECT_EQ(pictures, 1);
  // Date and time captions.
  EXPECT_EQ(find(doc, "15/03/2024").size(), 1u);
  EXPECT_EQ(find(doc, "14:05").size(), 1u);
  const draw::Document spreco = layoutBandReport(r, order(1), kNow);
  EXPECT_EQ(find(spreco, "Data: 15/03/2024   Hora: 14:05").size(), 1u);
  EXPECT_EQ(find(spreco, "Página 1 de 1").size(), 1u);
}

TEST_F(OrderDocuments, ALongCaptionInAOneLineBoxShowsItsFirstLineOnly) {
  const BandReport r = orderReport("reportPedidoSpreco");
  const draw::Document doc = layoutBandReport(r, order(1), kNow);
  const LayoutItem& caption = captionOf(
      r, "PEDIDO_Footer",
      "Fixação da unidade evaporadora (interna) em local pré-determinado; Fixação da unidade "
      "condesadora (externa) em local pré-determinado; Interligação das unidades através de");
  draw::Font font;
  font.pointSize = 7;
  ASSERT_GT(draw::textHeight(font, caption.text, caption.width, true), caption.height);
  size_t shown = 0;
  for (const draw::TextRun& t : texts(doc.pages[0])) {
    if (t.rect.left() != 500 + caption.left || t.rect.width() != caption.width) continue;
    ++shown;
    EXPECT_TRUE(caption.text.startsWith(t.text));
    EXPECT_LT(t.text.size(), caption.text.size());
    EXPECT_EQ(draw::textHeight(font, t.text, caption.width, true), draw::lineHeight(font));
    EXPECT_EQ(t.rect.height(), caption.height);
  }
  EXPECT_EQ(shown, 1u);
}

// --- the engine's rules on small layouts ---

ShapedSet makeSet(const QString& name, const QStringList& columns,
                  const std::vector<std::vector<Value>>& rows) {
  ShapedSet s;
  s.name = name;
  s.columns = std::make_shared<ColumnSet>(columns);
  for (const auto& values : rows) s.rows.push_back({values, {}});
  return s;
}

Layout smallLayout(int detailHeight, const QString& extraDetailItems = QString()) {
  const QString json = QString(R"({
    "name": "teste", "title": "Teste", "dataMember": "CAB", "width": 10000,
    "sections": [
      {"name": "PageHeader", "kind": "pageHeader", "height": 500, "items": [
        {"type": "caption", "text": "%p/%P", "top": 0, "left": 0, "width": 1000, "height": 240}]},
      {"name": "CAB_Header", "kind": "groupHeader", "recordset": "CAB", "height": 300, "items": [
        {"type": "field", "recordset": "CAB", "column": "NOME", "top": 0, "left": 0, "width": 3000, "height": 240,
         "background": "grey"}]},
      {"name": "ITENS_Detail", "kind": "detail", "recordset": "ITENS", "height": %1, "items": [
        {"type": "vline", "top": 0, "left": 0, "width": 0, "height": %1},
        {"type": "field", "recordset": "ITENS", "column": "TEXTO", "top": 0, "left": 100, "width": 2000, "height": 200,
         "grow": true, "fontSize": 7},
        {"type": "field", "recordset": "ITENS", "column": "VALOR", "mask": "###,0.00", "top": 200, "left": 100,
         "width": 2000, "height": 200, "align": "right", "fontSize": 7},
        {"type": "field", "recordset": "CAB", "column": "NOME", "top": 0, "left": 5000, "width": 2000, "height": 200}
        %2]},
      {"name": "CAB_Footer", "kind": "groupFooter", "recordset": "CAB", "height": 400, "items": [
        {"type": "sum", "recordset": "ITENS", "column": "VALOR", "mask": "###,0.00", "top": 0, "left": 0,
         "width": 2000, "height": 240}]},
      {"name": "PageFooter", "kind": "pageFooter", "height": 300, "items": [
        {"type": "hline", "top": 0, "left": 0, "width": 10000, "height": 0}]}
    ]})").arg(detailHeight).arg(extraDetailItems);
  return parseLayout(json.toUtf8(), "teste");
}

ShapedSet smallData(int items, const QString& text = "curto") {
  ShapedSet cab = makeSet("CAB", {"NOME"}, {{Value::text("Cabeçalho")}});
  std::vector<std::vector<Value>> rows;
  for (int i = 0; i < items; ++i) rows.push_back({Value::text(text), Value::decimal(1.5 * (i + 1))});
  cab.rows[0].children.push_back(makeSet("ITENS", {"TEXTO", "VALOR"}, rows));
  return cab;
}

TEST(BandEngine, ASectionThatDoesNotFitMovesToTheNextPage) {
  BandReport r;
  r.layout = smallLayout(1000);
  r.page = {1000, 1000, 1000, 1000, draw::Orientation::Portrait};
  const draw::Document doc = layoutBandReport(r, smallData(20), kNow);
  // Body: from 1000 + 500 to 16838 - 1000 - 300; 300 of group header first.
  const int bodyTop = 1500, bottom = 16838 - 1300;
  const int firstPage = (bottom - bodyTop - 300) / 1000;
  const int otherPages = (bottom - bodyTop) / 1000;
  const int expectedPages = 1 + (20 - firstPage + otherPages - 1) / otherPages;
  ASSERT_EQ(int(doc.pages.size()), expectedPages);
  for (size_t p = 0; p < doc.pages.size(); ++p) {
    const auto t = texts(doc.pages[p]);
    EXPECT_EQ(t.front().text, QString("%1/%2").arg(p + 1).arg(expectedPages));
    int lines = 0;
    for (const draw::Item& item : doc.pages[p].items)
      if (const auto* l = std::get_if<draw::Line>(&item)) {
        if (l->from.x() == l->to.x()) {
          ++lines;
          EXPECT_LE(l->to.y(), bottom);
        } else {
          EXPECT_EQ(l->from.y(), bottom);  // the page footer's rule
        }
      }
    EXPECT_EQ(lines, p == 0 ? firstPage : std::min(otherPages, 20 - firstPage - int(p - 1) * otherPages));
  }
  // The sum of the group's rows; the grey background of the header field.
  double total = 0;
  for (int i = 0; i < 20; ++i) total += 1.5 * (i + 1);
  EXPECT_EQ(find(doc, formatMask(Value::decimal(total), "###,0.00")).size(), 1u);
  const auto name = find(doc, "Cabeçalho");
  ASSERT_EQ(name.size(), 21u);  // header and every detail row's outer field
  EXPECT_EQ(name[0].run.background, QColor(192, 192, 192));
  EXPECT_FALSE(name[1].run.background.isValid());
}

TEST(BandEngine, AGrowingItemPushesItemsBelowAndStretchesTheRulesBesideIt) {
  BandReport r;
  r.layout = smallLayout(450);
  r.page = {1000, 1000, 1000, 1000, draw::Orientation::Portrait};
  const QString longText = "um texto comprido que não cabe numa linha de dois mil twips de largura "
                           "e por isso quebra em várias linhas";
  const draw::Document doc = layoutBandReport(r, smallData(2, longText), kNow);
  draw::Font font;
  font.pointSize = 7;
  const int needed = int(std::ceil(draw::textHeight(font, longText, 2000, true)));
  ASSERT_GT(needed, 400);
  const int growth = needed - 200;
  const auto grown = find(doc, longText);
  ASSERT_EQ(grown.size(), 2u);
  const int top0 = 1000 + 500 + 300;
  EXPECT_EQ(grown[0].run.rect, QRect(1100, top0, 2000, needed));
  // The value below moved down by the growth; the next row starts after the grown section.
  const auto value = find(doc, "1,50");
  ASSERT_EQ(value.size(), 1u);
  EXPECT_EQ(value[0].run.rect.top(), top0 + 200 + growth);
  EXPECT_EQ(grown[1].run.rect.top(), top0 + 450 + growth);
  // The rule spanning the row stretched with it.
  std::vector<draw::Line> rules;
  for (const draw::Item& item : doc.pages[0].items)
    if (const auto* l = std::get_if<draw::Line>(&item))
      if (l->from.x() == l->to.x()) rules.push_back(*l);
  ASSERT_EQ(rules.size(), 2u);
  EXPECT_EQ(rules[0].from.y(), top0);
  EXPECT_EQ(rules[0].to.y(), top0 + 450 + growth);
  // An item beside the growing one keeps its place.
  const auto beside = find(doc, "Cabeçalho");
  ASSERT_EQ(beside.size(), 3u);
  EXPECT_EQ(beside[1].run.rect.top(), top0);
}

TEST(BandEngine, ATextUnderANumberMaskPrintsUnchanged) {
  BandReport r;
  r.layout = smallLayout(450);
  ShapedSet data = smallData(2);
  data.rows[0].children[0].rows[0].values[1] = Value::text("UN");
  // A text that reads as a number is still a text: a tax code keeps its zeros.
  data.rows[0].children[0].rows[1].values[1] = Value::text("060");
  const draw::Document doc = layoutBandReport(r, data, kNow);
  EXPECT_EQ(find(doc, "UN").size(), 1u);
  EXPECT_EQ(find(doc, "060").size(), 1u);
}

TEST(BandEngine, AFieldPrintsWithoutTheBlanksThatPadACharColumn) {
  BandReport r;
  r.layout = smallLayout(450);
  ShapedSet data = smallData(1, "curto     ");
  data.rows[0].values[0] = Value::text("Cabeçalho                ");
  const draw::Document doc = layoutBandReport(r, data, kNow);
  EXPECT_EQ(find(doc, "curto").size(), 1u);
  EXPECT_EQ(find(doc, "Cabeçalho").size(), 2u);  // header and the detail's outer field
  EXPECT_TRUE(find(doc, "curto     ").empty());
}

TEST(BandEngine, AFieldWhoseColumnIsNotReturnedStopsTheReport) {
  BandReport r;
  r.layout = smallLayout(450, R"(, {"type": "field", "recordset": "ITENS", "column": "FALTA",
      "top": 0, "left": 8000, "width": 500, "height": 200})");
  try {
    layoutBandReport(r, smallData(1), kNow);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("FALTA")) << e.message().toStdString();
  }
  BandReport unknown;
  unknown.layout = smallLayout(450, R"(, {"type": "field", "recordset": "OUTRO", "column": "X",
      "top": 0, "left": 8000, "width": 500, "height": 200})");
  EXPECT_THROW(layoutBandReport(unknown, smallData(1), kNow), RuntimeError);
}

}  // namespace
}  // namespace reports
