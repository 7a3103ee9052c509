#include "reports/bandengine.h"
#include "reports/layout.h"

#include <gtest/gtest.h>

#include "reports/reports_testutil.h"

namespace reports {
namespace {

using namespace testutil;

// The engine's rules on a small layout (the real layouts are checked with
// the demo database's rows in pagereports_test).
BandReport smallReport(int detailHeight, const QString& extraDetailItems = QString()) {
  const QString json = QString(R"({"name":"teste","title":"Teste","dataMember":"CAB","width":10000,"sections":[
    {"name":"PageHeader","kind":"pageHeader","height":500,"items":[
      {"type":"caption","text":"%p/%P","top":0,"left":0,"width":1000,"height":240},
      {"type":"caption","text":"Data: %d Hora: %t","top":0,"left":2000,"width":3000,"height":240}]},
    {"name":"CAB_Header","kind":"groupHeader","recordset":"CAB","height":300,"items":[
      {"type":"field","recordset":"CAB","column":"NOME","top":0,"left":0,"width":3000,"height":240,"background":"grey"}]},
    {"name":"ITENS_Detail","kind":"detail","recordset":"ITENS","height":%1,"items":[
      {"type":"vline","top":0,"left":0,"width":0,"height":%1},
      {"type":"field","recordset":"ITENS","column":"TEXTO","top":0,"left":100,"width":2000,"height":200,"grow":true,
       "fontSize":7},
      {"type":"field","recordset":"ITENS","column":"VALOR","mask":"###,0.00","top":200,"left":100,"width":2000,
       "height":200,"align":"right","fontSize":7},
      {"type":"field","recordset":"CAB","column":"NOME","top":0,"left":5000,"width":2000,"height":200}%2]},
    {"name":"CAB_Footer","kind":"groupFooter","recordset":"CAB","height":400,"items":[
      {"type":"sum","recordset":"ITENS","column":"VALOR","mask":"###,0.00","top":0,"left":0,"width":2000,"height":240},
      {"type":"caption","text":"Uma legenda longa numa caixa de uma linha só","top":0,"left":3000,"width":1000,
       "height":200}]},
    {"name":"PageFooter","kind":"pageFooter","height":300,"items":[
      {"type":"hline","top":0,"left":0,"width":10000,"height":0}]}]})").arg(detailHeight).arg(extraDetailItems);
  BandReport r;
  r.layout = parseLayout(json.toUtf8(), "teste");
  r.page = {1000, 1000, 1000, 1000, draw::Orientation::Portrait};
  return r;
}

// One CAB row with its ITENS rows (TEXTO text, VALOR 1.5, 3.0, 4.5...).
ShapedSet smallData(int items, const QString& text = "curto") {
  ShapedSet cab{"CAB", std::make_shared<ColumnSet>(QStringList{"NOME"}), {{{Value::text("Cabeçalho")}, {}}}};
  ShapedSet rows{"ITENS", std::make_shared<ColumnSet>(QStringList{"TEXTO", "VALOR"}), {}};
  for (int i = 0; i < items; ++i) rows.rows.push_back({{Value::text(text), Value::decimal(1.5 * (i + 1))}, {}});
  cab.rows[0].children.push_back(rows);
  return cab;
}

std::vector<draw::Line> rules(const draw::Page& page, bool vertical) {
  std::vector<draw::Line> out;
  for (const draw::Item& item : page.items)
    if (const auto* l = std::get_if<draw::Line>(&item); l && (l->from.x() == l->to.x()) == vertical) out.push_back(*l);
  return out;
}

TEST(BandEngine, ASectionThatDoesNotFitMovesToTheNextPage) {
  // Body from 1000 + 500 to 16838 - 1000 - 300, the group header's 300 first: rows of 981 fill the first page
  // with 4 twips to spare, rows of 982 leave a 14th 10 twips short, so a break too soon or too late shows.
  const int bottom = 16838 - 1300;
  for (const auto& [h, rowsPerPage] : {std::pair{981, std::vector<size_t>{14, 6}}, {982, {13, 7}}}) {
    SCOPED_TRACE(h);
    const draw::Document doc = layoutBandReport(smallReport(h), smallData(20), kNow);
    ASSERT_EQ(doc.pages.size(), rowsPerPage.size());
    for (size_t p = 0; p < doc.pages.size(); ++p) {
      SCOPED_TRACE(p);
      EXPECT_EQ(texts(doc.pages[p])[0].text, QString("%1/2").arg(p + 1));
      EXPECT_EQ(texts(doc.pages[p])[1].text, "Data: 15/03/2024 Hora: 14:05");
      const auto detail = rules(doc.pages[p], true), footer = rules(doc.pages[p], false);
      EXPECT_EQ(detail.size(), rowsPerPage[p]);
      for (const draw::Line& l : detail) EXPECT_LE(l.to.y(), bottom);
      EXPECT_TRUE(footer.size() == 1 && footer[0].from.y() == bottom);  // the page footer's rule
    }
    // The rows in order, each once; the group header once, first; the group
    // footer once, on the last page, summing the group's rows.
    std::pair<size_t, int> previous{0, 0};
    for (int i = 1; i <= 20; ++i) {
      const Found row = one(doc, money(1.5 * i));
      EXPECT_LT(previous, std::pair(row.page, row.run.rect.top())) << i;
      previous = {row.page, row.run.rect.top()};
    }
    EXPECT_EQ(one(doc, money(1.5 * 20 * 21 / 2)).page, doc.pages.size() - 1);
    // The header field's grey background; the detail's field of the outer record set has none.
    const auto name = find(doc, "Cabeçalho");
    ASSERT_EQ(name.size(), 21u);
    EXPECT_TRUE(name[0].page == 0 && name[0].run.rect.top() == 1500);
    EXPECT_EQ(name[0].run.background, QColor(192, 192, 192));
    EXPECT_FALSE(name[1].run.background.isValid());
  }
}

// Each group footer sums its own group's rows: two groups of 1,50 + 3,00
// and of 10,00.
TEST(BandEngine, EachGroupFooterSumsItsOwnGroup) {
  BandReport r;
  r.layout = parseLayout(R"({"name":"somas","title":"Somas","dataMember":"CAB","width":10000,"sections":[
    {"name":"CAB_Header","kind":"groupHeader","recordset":"CAB","height":300,"items":[
      {"type":"field","recordset":"CAB","column":"NOME","top":0,"left":0,"width":3000,"height":240}]},
    {"name":"ITENS_Detail","kind":"detail","recordset":"ITENS","height":300,"items":[]},
    {"name":"CAB_Footer","kind":"groupFooter","recordset":"CAB","height":300,"items":[
      {"type":"sum","recordset":"ITENS","column":"VALOR","mask":"###,0.00","top":0,"left":0,"width":2000,"height":240}]}]})",
                         "somas");
  r.page = {1000, 1000, 1000, 1000, draw::Orientation::Portrait};
  ShapedSet data = smallData(2);
  data.rows.push_back({{Value::text("Segundo")}, {}});
  data.rows[1].children.push_back(
      {"ITENS", data.rows[0].children[0].columns, {{{Value::text("x"), Value::decimal(10)}, {}}}});
  const draw::Document doc = layoutBandReport(r, data, kNow);
  QStringList lines;  // in page order
  for (const draw::TextRun& t : texts(doc.pages.at(0))) lines << t.text;
  EXPECT_EQ(lines, QStringList({"Cabeçalho", "4,50", "Segundo", "10,00"}));
}

// Texts print trimmed of a CHAR column's padding, and as they are under a number mask.
TEST(BandEngine, AGrowingItemPushesItemsBelowAndStretchesTheRulesBesideIt) {
  const QString longText = "um texto comprido que não cabe numa linha de dois mil twips de largura "
                           "e por isso quebra em várias linhas";
  const BandReport r = smallReport(450);
  ShapedSet data = smallData(3, longText + "     ");
  data.rows[0].values[0] = Value::text("Cabeçalho                ");
  data.rows[0].children[0].rows[1].values[1] = Value::text("UN");
  data.rows[0].children[0].rows[2].values[1] = Value::text("060");  // a tax code keeps its zero
  const draw::Document doc = layoutBandReport(r, data, kNow);
  const int needed = neededHeight(r.layout, itemOf(r.layout, "ITENS_Detail", "TEXTO"), longText);
  ASSERT_GT(needed, 400);
  const int growth = needed - 200, top0 = 1000 + 500 + 300;
  const auto grown = find(doc, longText);
  ASSERT_EQ(grown.size(), 3u);
  EXPECT_EQ(grown[0].run.rect, QRect(1100, top0, 2000, needed));
  EXPECT_TRUE(grown[0].run.wrap && grown[0].run.font.pointSize == 7);
  EXPECT_EQ(grown[1].run.rect.top(), top0 + 450 + growth);
  const draw::TextRun value = one(doc, "1,50").run;
  EXPECT_EQ(value.rect.top(), top0 + 200 + growth);
  EXPECT_EQ(value.align, draw::Align::Right);
  for (const char* asIs : {"UN", "060"}) one(doc, asIs);
  const auto stretched = rules(doc.pages[0], true);
  ASSERT_EQ(stretched.size(), 3u);
  EXPECT_EQ(stretched[0].from.y(), top0);
  EXPECT_EQ(stretched[0].to.y(), top0 + 450 + growth);
  // An item beside the growing one keeps its place.
  const auto beside = find(doc, "Cabeçalho");
  EXPECT_TRUE(beside.size() == 4 && beside[1].run.rect.top() == top0);
  // A caption that does not grow shows the words that fit its one-line box.
  const draw::TextRun cut = texts(doc.pages[0]).back();
  EXPECT_EQ(cut.rect, QRect(1000 + 3000, top0 + 3 * (450 + growth), 1000, 200));
  EXPECT_EQ(cut.text, "Uma legenda");
}

TEST(BandEngine, AFieldWhoseColumnIsNotReturnedOrAControlThatIsNotThereStopsTheReport) {
  BandReport r = smallReport(450);
  EXPECT_THROW(r.setPicture("PageHeader", "nao_existe", QImage()), RuntimeError);
  EXPECT_THROW(r.setCaption("Secao", "x", "y"), RuntimeError);
  const QString field = R"(, {"type": "field", "recordset": "%1", "column": "%2", "top": 0, "left": 8000,
                           "width": 500, "height": 200})";
  testsupport::expectRuntimeError([&] { layoutBandReport(smallReport(450, field.arg("ITENS", "FALTA")), smallData(1), kNow); },
                                  "FALTA");
  EXPECT_THROW(layoutBandReport(smallReport(450, field.arg("OUTRO", "X")), smallData(1), kNow), RuntimeError);
}

// The order documents' fonts fit their items: 8 pt from 225 twips, 7 pt below, 6 pt below 180. (Laying
// every layout out with the demo database's rows, pagereports_test shows each field is a column of its command.)
TEST(Layouts, TheOrderDocumentsFontsFitTheirItems) {
  for (const QString name : {"reportPedido", "reportPedidoCaixa", "reportPedidoCaixaTroca", "reportOrcamento",
                              "reportPedidoSpreco"}) {
    const Layout l = loadLayout(name, QString());
    EXPECT_EQ(l.fontSize, 8);
    for (const LayoutSection& s : l.sections)
      for (const LayoutItem& i : s.items)
        EXPECT_LE(i.isText() ? draw::lineHeight(draw::Font{.pointSize = i.fontSize > 0 ? i.fontSize : l.fontSize}) : 0,
                  i.height) << (name + ": " + i.text + i.column).toStdString();
  }
}

// Malformed files, unknown values and measures out of range are run-time
// errors naming the file (and the section and item).
TEST(Layouts, MalformedFilesAreRunTimeErrorsNamingTheFile) {
  testsupport::expectRuntimeError([] { parseLayout("{ \"name\": ", "/x/layouts/reportPedido.json"); },
                                  "/x/layouts/reportPedido.json");
  EXPECT_THROW(loadLayout("naoexiste", QString()), RuntimeError);
  const QString section = R"({"name":"a","dataMember":"PEDIDO","width":10,"sections":[{"name":"s","kind":"detail",%1}]})";
  const QString item = R"("recordset":"X","height":10,"items":[{"type":"%1","name":"T","top":%2,"left":0,%3}])";
  for (const QString& bad : {item.arg("circle", "0", R"("width":1,"height":1)"), QString(R"("height":10,"items":[])"),
                             item.arg("caption", "\"0\"", R"("width":1,"height":1)")})
    EXPECT_THROW(parseLayout(section.arg(bad).toUtf8(), "a"), RuntimeError) << bad.toStdString();
  for (const char* bad : {R"("width":-1,"height":1)", R"("width":1e9,"height":1)", R"("width":1,"height":1e300)",
                          R"("width":1,"height":1,"fontSize":5000)", R"("width":1,"height":1,"fontSize":-2)"})
    testsupport::expectRuntimeError([&] { parseLayout(section.arg(item.arg("caption", "0", bad)).toUtf8(), "/x/l.json"); },
                                    "(/x/l.json): seção s, item 1 (T): \"");
  testsupport::expectRuntimeError([] { parseLayout(QByteArray(R"({"dataMember":"P","width":1e300})"), "/x/l.json"); },
                                  "relatório: \"width\" fora do intervalo");
}

}  // namespace
}  // namespace reports
