// The service-order, stock-issue, production and price-table reports: the
// captions and messages their preparation adds, and their rows from the demo database.
#include <gtest/gtest.h>

#include "reports/pagereports.h"
#include "reports/reports_testutil.h"

namespace reports {
namespace {

using namespace testutil;
using OtherReports = Preparing;

ShapedSet command(modCnn& m, const QString& name, const QString& key) {
  DataEnvironment de(m);
  if (name == "OS") de.execute(name, key);
  else de.execute(name, key.toInt());
  return de.rs(name).set();
}

TEST_F(OtherReports, AServiceOrdersRowsAndTheirTotalAndOneWithoutParts) {
  m_->job.OSCOD = "1";
  draw::Document doc = prepare("os");
  const ShapedSet os = command(*m_, "OS", "1");
  const ShapedSet* rows = os.child(0, "SERVICO");
  ASSERT_EQ(rows->rows.size(), 3u);
  for (size_t i = 0; i < rows->rows.size(); ++i) one(doc, rows->value(i, "ITOSNOME").toText());
  EXPECT_EQ(money(sumOf(*rows, "ITOSVRTOTAL")), "554,75");
  const Layout l = loadLayout("reportOS", QString());
  const draw::TextRun total = one(doc, "554,75").run;
  EXPECT_EQ(total.rect.left(), 210 + itemOf(l, "OS_Footer", "ITOSVRTOTAL").left);
  EXPECT_EQ(total.align, draw::Align::Right);

  // Order 3 has no parts: its block, no detail row, a total of 0,00.
  m_->job.OSCOD = "3";
  doc = prepare("os");
  one(doc, "ORDEM DE SERVIÇOS");
  const LayoutItem& name = itemOf(l, "SERVICO_Detail", "ITOSNOME");
  for (const draw::TextRun& t : texts(doc.pages[0]))
    EXPECT_FALSE(t.rect.left() == 210 + name.left && t.rect.width() == name.width) << t.text.toStdString();
  one(doc, "0,00");
}

TEST_F(OtherReports, ALongDefectDescriptionPushesWhatFollows) {
  m_->job.OSCOD = "2";
  const draw::Document doc = prepare("os");
  const Layout l = loadLayout("reportOS", QString());
  const LayoutItem& defect = itemOf(l, "OS_Header", "OSDEFEITO");
  ASSERT_TRUE(defect.grow);
  const QString text = command(*m_, "OS", "2").value(0, "OSDEFEITO").toText();
  ASSERT_GT(text.size(), 600);
  const int growth = neededHeight(l, defect, text) - defect.height;
  ASSERT_GT(growth, 0);
  const int sectionTop = 300 + sectionOf(l, "PageHeader").height;
  EXPECT_EQ(one(doc, text).run.rect,
            QRect(210 + defect.left, sectionTop + defect.top, defect.width, defect.height + growth));
  // What was designed below it moved down by the growth.
  const LayoutItem& parts = itemOf(l, "OS_Header", "PEÇAS E SERVIÇOS");
  ASSERT_GE(parts.top, defect.bottom());
  EXPECT_EQ(one(doc, "PEÇAS E SERVIÇOS").run.rect.top(), sectionTop + parts.top + growth);
}

TEST_F(OtherReports, CompanyAndCustomerCaptionsOfTheServiceOrders) {
  auto captionAt = [](const draw::Document& doc, const Layout& l, const QString& name) {
    const LayoutItem& i = itemOf(l, "PageFooter", name);
    QString text;
    for (const draw::TextRun& t : texts(doc.pages.back()))
      if (t.rect.left() == 210 + i.left && t.rect.width() == i.width) text = t.text;
    return text;
  };
  for (const char* code : {"ose", "os"}) {
    SCOPED_TRACE(code);
    const Layout l = loadLayout(preparation(code)->report, QString());
    m_->job.OSCOD = "1";
    draw::Document doc = prepare(code);
    EXPECT_EQ(captionAt(doc, l, "lbl_cliente"), "JOSÉ D'ÁVILA");
    EXPECT_EQ(captionAt(doc, l, "lbl_empresa"), "BRISA NORTE CLIMATIZAÇÃO");
    EXPECT_EQ(m_->Rs.State(), 0);
    // Order 4's customer does not exist: the caption keeps its design text
    // (and the report has no row, the command joining the customer).
    m_->job.OSCOD = "4";
    doc = prepare(code);
    EXPECT_EQ(captionAt(doc, l, "lbl_cliente"), itemOf(l, "PageFooter", "lbl_cliente").text);
    EXPECT_TRUE(find(doc, "ORDEM DE SERVIÇOS").empty());
  }
  m_->job.OSCOD = "1";
  EXPECT_TRUE(find(prepare("osvisita"), "BRISA NORTE CLIMATIZAÇÃO").empty());
}

TEST_F(OtherReports, APurchaseWithoutItemsPrintsItsHeaderAndAnEmptyList) {
  for (const char* code : {"pedidocompra", "pedidocomprac"}) {
    SCOPED_TRACE(code);
    const Layout l = loadLayout(preparation(code)->report, QString());
    const LayoutItem& name = itemOf(l, "ITEMSAIDA_Detail", "ITPRNOME");
    const auto detailRows = [&](const draw::Document& doc) {
      size_t n = 0;
      for (const draw::Page& page : doc.pages)
        for (const draw::TextRun& t : texts(page))
          n += t.rect.left() == 500 + name.left && t.rect.width() == name.width;
      return n;
    };
    size_t perRow = 0;  // the portrait one has the item's remark under its name
    for (const LayoutItem& i : sectionOf(l, "ITEMSAIDA_Detail").items)
      perRow += i.left == name.left && i.width == name.width;
    m_->job.ENCOD = "1";
    EXPECT_EQ(detailRows(prepare(code)), 4 * perRow);
    m_->job.ENCOD = "2";
    const draw::Document doc = prepare(code);
    EXPECT_EQ(detailRows(doc), 0u);
    one(doc, command(*m_, "PEDCOMP", "2").value(0, "INNOME").toText());
    one(doc, "PEDIDO SEM ITENS.");
    EXPECT_EQ(doc.pages.size(), 1u);
  }
}

TEST_F(OtherReports, TheStockIssueShowsItsMessagesAndSumsQuantityAndTotal) {
  m_->job.SACOD = "501";
  DataEnvironment de(*m_);
  const auto first = preparePageReports(*m_, ui_, "saidaresumida", de, kNow);
  EXPECT_EQ(ui_.texts(), QStringList({"Carrega0", "Carrega1", "Carrega2"}));
  const draw::Document& doc = first[0].document;
  one(doc, "BRISA NORTE CLIMATIZAÇÃO");  // lbl_empresa in the page header
  const ShapedSet* items = de.rs("SR").set().child(0, "SRITENS");
  one(doc, money(sumOf(*items, "ITQTD")));
  EXPECT_EQ(money(sumOf(*items, "ITVRTOTAL")), "526,60");
  one(doc, "526,60");
  // Again with rsSR still open: it says it closes it first.
  ASSERT_EQ(de.rs("SR").State(), 1);
  const auto again = preparePageReports(*m_, ui_, "saidaresumida", de, kNow);
  EXPECT_EQ(ui_.texts().mid(3), QStringList({"Carrega0", "Carrega1", "Fecha conexao", "Carrega2"}));
  for (const auto& s : ui_.shown) {
    EXPECT_EQ(s.title, "tl_relatorios");
    EXPECT_EQ(s.icon, ui::Icon::None);
    EXPECT_EQ(s.buttons, ui::Buttons::Ok);
  }
  EXPECT_EQ(de.rs("SR").State(), 1);
  one(again[0].document, "526,60");
}

TEST_F(OtherReports, AProductionItemWithoutMaterialPrintsItsBlockAlone) {
  m_->job.PCOD = "1";
  const draw::Document doc = prepare("pedido_producao");
  const ShapedSet order = command(*m_, "PRODUCAO", "1");
  const ShapedSet* items = order.child(0, "PROITENS");
  ASSERT_EQ(items->rows.size(), 3u);
  const Layout l = loadLayout("reportPRO", QString());
  // Each item's block once: its name, its materials, its footer.
  const auto titles = find(doc, "MATERIAL");
  const auto footers = find(doc, "MÁQUINA EMBALAGEM");
  ASSERT_EQ(titles.size(), 3u);
  ASSERT_EQ(footers.size(), 3u);
  size_t materials = 0, alone = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) {
    one(doc, items->value(i, "ITNOME").toText());
    materials += items->child(i, "PROMPITENS")->rows.size();
    if (!items->child(i, "PROMPITENS")->rows.empty()) continue;
    ++alone;  // its material titles directly followed by its footer
    EXPECT_EQ(footers[i].run.rect.top(), titles[i].run.rect.top() - itemOf(l, "PROITENS_Header", "MATERIAL").top +
                                             sectionOf(l, "PROITENS_Header").height +
                                             itemOf(l, "PROITENS_Footer", "MÁQUINA EMBALAGEM").top);
  }
  EXPECT_EQ(alone, 1u);
  const LayoutItem& material = itemOf(l, "PROMPITENS_Detail", "MPNOME");
  size_t printed = 0;
  for (const draw::Page& page : doc.pages)
    for (const draw::TextRun& t : texts(page))
      printed += t.rect.left() == 200 + material.left && t.rect.width() == material.width;
  EXPECT_EQ(printed, materials);
}

TEST_F(OtherReports, ThePriceTableCaptionComesFromTheConfiguration) {
  m_->job.TBCOD = 1;
  const LayoutItem label = itemOf(loadLayout("reportTabelaPreco", QString()), "PageHeader", "Label2");
  const QRect at(200 + label.left, 200 + label.top, label.width, label.height);
  EXPECT_EQ(textIn(prepare("tabela_preco").pages[0], at), QString("TABELA DE VERÃO 2024"));
  testsupport::writeIni(m_->config.path, {{"OUTRA", "x"}});
  EXPECT_EQ(textIn(prepare("tabela_preco").pages[0], at), "");
}

}  // namespace
}  // namespace reports
