// The commission statements on the display list, and end to end into a PDF.
#include "commission/comissaoprint.h"

#include <QCheckBox>
#include <QDir>
#include <QPrinter>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "commission/comissaosql.h"
#include "commission_testutil.h"
#include "core/errors.h"
#include "drawing/painterbackend.h"

using comissao::Statement;
using namespace commissiontest;

namespace {

struct Drawn {
  int page;  // 1-based
  int x, y;
  QString text;
  draw::Font font;
};

std::vector<Drawn> runs(const draw::Document& doc) {
  std::vector<Drawn> out;
  for (size_t p = 0; p < doc.pages.size(); ++p)
    for (const draw::Item& item : doc.pages[p].items)
      if (const auto* t = std::get_if<draw::TextRun>(&item))
        out.push_back({int(p) + 1, t->rect.left(), t->rect.top(), t->text, t->font});
  return out;
}

// The runs on one line of one page, as "x:text", left to right.
QStringList line(const std::vector<Drawn>& rs, int page, int y) {
  std::vector<Drawn> on;
  for (const Drawn& r : rs)
    if (r.page == page && r.y == y) on.push_back(r);
  std::sort(on.begin(), on.end(), [](const Drawn& a, const Drawn& b) { return a.x < b.x; });
  QStringList out;
  for (const Drawn& r : on) out << QString::number(r.x) + ":" + r.text;
  return out;
}

const Drawn* find(const std::vector<Drawn>& rs, const QString& text, int page = 0) {
  for (const Drawn& r : rs)
    if (r.text == text && (page == 0 || r.page == page)) return &r;
  return nullptr;
}

const QStringList kRule{"100:" + QString(133, '_')};
const QStringList kEquals{"6800:" + QString(30, '=')};

comissao::StatementInputs inputs(const QString& sql, const QString& from = "01/03/2024",
                                 const QString& to = "31/03/2024") {
  comissao::StatementInputs in;
  in.sql = sql;
  in.periodFrom = from;
  in.periodTo = to;
  return in;
}

struct Demo {
  modCnn m;
  Demo() { openDemo(m); }
  // Draws one statement that must start and gives its runs.
  std::vector<Drawn> draw(Statement s, const comissao::StatementInputs& in, size_t pages = 1) {
    Printer p;
    EXPECT_TRUE(comissao::drawStatement(s, m, p, in));
    const auto docs = p.takeDocuments();
    if (docs.size() != 1) {
      ADD_FAILURE() << docs.size() << " documents";
      return {};
    }
    EXPECT_EQ(docs.front().pages.size(), pages);
    return runs(docs.front());
  }
};

// Rows made up in the database itself: n from 1 to count, with the columns
// the representative and referral statements read.
QString madeUpRows(int count, const QString& person) {
  return QStringLiteral(
             "with recursive r(n) as (select 1 from rdb$database union all select n + 1 from r "
             "where n < %1) select %2 as funome, n as fksacod, cast('CLI ' || n as varchar(20)) "
             "as inapelido, 'CLIENTE' as innome, '111.111.111-11' as incpf, '' as incnpj, "
             "3.00 as cacomissaovenda, 10.00 as vrcomis, date '2024-03-31' as sadtcancelamento "
             "from r order by n")
      .arg(count)
      .arg(person);
}

}  // namespace

TEST(ComissaoStatement, OnePersonWithThreeSales) {
  Demo d;
  const auto rs =
      d.draw(Statement::IMPRIME, inputs(comissao::sqlComissaoVendedor("20240301", "20240331", 1)));
  const Drawn* title = find(rs, QStringLiteral("RELATÓRIO DE COMISSÕES   01/03/2024 - 31/03/2024"));
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(QPoint(title->x, title->y), QPoint(1300, 300));
  EXPECT_EQ(title->font.pointSize, 16);
  EXPECT_TRUE(title->font.bold);
  EXPECT_EQ(line(rs, 1, 1000), QStringList{"100:VENDEDOR"});
  EXPECT_EQ(line(rs, 1, 1200), (QStringList{"1100:PED.", "2000:CLIENTE", "4500:CNPJ/CPF",
                                            "7000:R$ VENDA", "8500:R$ COMISS"}));
  EXPECT_TRUE(find(rs, "CLIENTE")->font.bold);
  EXPECT_EQ(find(rs, "CLIENTE")->font.pointSize, 8);
  EXPECT_EQ(line(rs, 1, 1600), kRule);
  EXPECT_EQ(line(rs, 1, 1800), QStringList{"100:CARLOS ANDRADE"});
  EXPECT_FALSE(find(rs, "CARLOS ANDRADE")->font.bold);
  EXPECT_EQ(find(rs, "CARLOS ANDRADE")->font.pointSize, 8);
  // Sale 21: the CPF is the empty mask, so the CNPJ; sale 22: no short
  // name, so the first 20 characters of the full name.
  EXPECT_EQ(line(rs, 1, 2100),
            (QStringList{"500:04/03/2024 21", QStringLiteral("2000:MERCADINHO S. JOÃO"),
                         "4500:23.456.789/0001-01", "7000:   500,00", "8500:R$     25,00",
                         "10000:BOLETO 30/60/90 "}));
  EXPECT_EQ(line(rs, 1, 2300), (QStringList{"500:07/03/2024 22", "2000:FRANCISCO ASSIS ROCH",
                                            "4500:__.___.___/____-__", "7000:   280,00",
                                            "8500:R$     14,00", "10000:DINHEIRO"}));
  EXPECT_EQ(line(rs, 1, 2500), (QStringList{"500:11/03/2024 23", QStringLiteral("2000:ZÉ D'ÁVILA"),
                                            "4500:123.456.789-09", "7000:   200,00",
                                            "8500:R$     10,00", "10000:PIX"}));
  EXPECT_EQ(line(rs, 1, 2700), kEquals);
  EXPECT_EQ(line(rs, 1, 2900), (QStringList{"7000:R$    980,00", "8500:R$     49,00"}));
  EXPECT_EQ(line(rs, 1, 3400), (QStringList{"7000:TOTAL GERAL", "8500:R$     49,00"}));
  EXPECT_TRUE(find(rs, "TOTAL GERAL")->font.bold);
  EXPECT_EQ(int(rs.size()), 1 + 6 + 2 + 3 * 6 + 1 + 2 + 2);
}

// Two sellers: the running sales total spans them, the commission does not.
// A net of 1234,50 is grouped in the rows and ungrouped in the total.
TEST(ComissaoStatement, SalesTotalsAndGrouping) {
  Demo d;
  auto rs = d.draw(Statement::IMPRIME,
                   inputs(comissao::sqlComissaoVendedor("20240301", "20240331", comissao::kTodos)));
  EXPECT_EQ(line(rs, 1, 2900), (QStringList{"7000:R$    980,00", "8500:R$     49,00"}));
  // MARIA: step 200, rule, name, 300 to her sale.
  EXPECT_EQ(line(rs, 1, 3300), kRule);
  EXPECT_EQ(line(rs, 1, 3500), QStringList{QStringLiteral("100:MARIA CONCEIÇÃO ARAÚJO")});
  EXPECT_EQ(line(rs, 1, 3800).mid(3, 2), (QStringList{"7000: 1.234,50", "8500:R$     30,86"}));
  EXPECT_EQ(line(rs, 1, 4000), kEquals);
  EXPECT_EQ(line(rs, 1, 4200), (QStringList{"7000:R$  2.214,50", "8500:R$     30,86"}));
  EXPECT_EQ(line(rs, 1, 4700), (QStringList{"7000:TOTAL GERAL", "8500:R$     79,86"}));

  rs = d.draw(Statement::IMPRIME, inputs(comissao::sqlComissaoVendedor("20240401", "20240430", 3)));
  EXPECT_EQ(line(rs, 1, 2100).mid(3, 2), (QStringList{"7000:24.690,00", "8500:R$  1.234,50"}));
  EXPECT_EQ(line(rs, 1, 2500)[1], "8500:R$  1.234,50");
  EXPECT_EQ(line(rs, 1, 3000), (QStringList{"7000:TOTAL GERAL", "8500:R$   1234,50"}));
}

TEST(ComissaoStatement, PageBreaks) {
  Demo d;
  // A group name at the foot starts the group again on the next page.
  const QString twoGroups = "select * from (" + madeUpRows(61, "'ALFA'") +
                            ") union all select * from (" + madeUpRows(2, "'BETA'") + ")";
  auto rs = d.draw(Statement::IMPRIME_REP, inputs(twoGroups, "__/__/____", "__/__/____"), 2);
  EXPECT_EQ(line(rs, 1, 1000), QStringList{"100:REPRESENTANTE"});
  EXPECT_EQ(line(rs, 1, 1200), (QStringList{"1100:OP", "2000:CLIENTE", "4500:CNPJ/CPF",
                                            "7000:% COMISS", "8500:R$ COMISS"}));
  EXPECT_EQ(find(rs, "CLIENTE", 2), nullptr);  // headings on the first page only
  // 61 rows of ALFA end at 14100; its footer; BETA's rule and name at the foot.
  EXPECT_EQ(line(rs, 1, 14100).size(), 5);
  EXPECT_EQ(line(rs, 1, 14300), kEquals);
  EXPECT_EQ(line(rs, 1, 14500), (QStringList{"7000:SUB TOTAL:", "8500:R$    610,00"}));
  EXPECT_EQ(line(rs, 1, 14900), kRule);
  EXPECT_EQ(line(rs, 1, 15100), QStringList{"100:BETA"});
  EXPECT_EQ(line(rs, 2, 600), kRule);
  EXPECT_EQ(line(rs, 2, 800), QStringList{"100:BETA"});
  EXPECT_EQ(line(rs, 2, 1100), (QStringList{"1100:1", "2000:CLI 1", "4500:111.111.111-11",
                                            "7000:%      3,00", "8500:R$     10,00"}));
  EXPECT_EQ(line(rs, 2, 1300).size(), 5);
  EXPECT_EQ(line(rs, 2, 1500), kEquals);
  EXPECT_EQ(line(rs, 2, 1700), (QStringList{"7000:SUB TOTAL:", "8500:R$     20,00"}));
  EXPECT_EQ(line(rs, 2, 2200), (QStringList{"7000:TOTAL GERAL", "8500:R$    630,00"}));

  // Row i at 1900 + 200 i: row 66 at 15100, since the test comes before the
  // step; the step after it opens page 2, where row 67 is at 200.
  rs = d.draw(Statement::IMPRIME_REP, inputs(madeUpRows(70, "'ALFA'")), 2);
  EXPECT_EQ(line(rs, 1, 15100).size(), 5);
  EXPECT_TRUE(line(rs, 1, 15300).isEmpty());
  EXPECT_EQ(line(rs, 2, 200).size(), 5);
  EXPECT_EQ(line(rs, 2, 200)[0], "1100:67");
}

// Client: the short name unless blank, else the full name, 20 characters.
// Document: the CPF as it stands unless empty or its (padded) mask.
// Timestamps print as short dates.
TEST(ComissaoStatement, ClientDocumentAndDates) {
  Demo d;
  auto rs = d.draw(
      Statement::IMPRIME_REP,
      inputs(
          "select 'ALFA' as funome, 1 as fksacod, '   ' as inapelido, "
          "'NOME COMPLETO DO CLIENTE COM MAIS DE VINTE' as innome, cast(null as varchar(14)) as "
          "incpf, '12.345.678/0001-90' as incnpj, 3.00 as cacomissaovenda, 1.00 as vrcomis from "
          "rdb$database union all select 'ALFA', 2, cast(null as varchar(20)), 'OUTRO', "
          "'___.___.___-__', '98.765.432/0001-10', 3.00, 1.00 from rdb$database union all select "
          "'ALFA', 3, 'CURTO', 'LONGO', '  123.456.789-09  ', '98.765.432/0001-10', 3.00, 1.00 "
          "from rdb$database"));
  EXPECT_EQ(line(rs, 1, 2100).mid(1, 2),
            (QStringList{"2000:NOME COMPLETO DO CLI", "4500:12.345.678/0001-90"}));
  EXPECT_EQ(line(rs, 1, 2300).mid(1, 2), (QStringList{"2000:OUTRO", "4500:98.765.432/0001-10"}));
  EXPECT_EQ(line(rs, 1, 2500).mid(1, 2), (QStringList{"2000:CURTO", "4500:  123.456.789-09  "}));

  rs = d.draw(
      Statement::IMPRIME_ESTORNO,
      inputs("select 'ALFA' as funome, 1 as fksacod, 'CLI' as inapelido, 'CLIENTE' as innome, "
             "cast('___.___.___-__' as char(20)) as incpf, '12.345.678/0001-90' as incnpj, "
             "3.00 as copercreal, 1.00 as vrcomis, "
             "cast('2024-03-31 14:30:05' as timestamp) as sadtcancelamento from rdb$database"));
  EXPECT_EQ(line(rs, 1, 2100),
            (QStringList{"1100:1", "2000:CLI", "4500:12.345.678/0001-90", "7000:%      3,00",
                         "8500:R$      1,00", "10000:31/03/2024"}));

  rs = d.draw(
      Statement::IMPRIME,
      inputs("select 'ALFA' as funome, cast('2024-03-05 09:15:00' as timestamp) as datasaida, "
             "' 77 ' as sacod, 'CLI' as inapelido, 'CLIENTE' as innome, '123.456.789-09' as incpf, "
             "'' as incnpj, 1000.00 as savrpago, 0.00 as valoricmss, 5.00 as cacomissaovenda, "
             "'BOLETO' as fpdesc from rdb$database"));
  EXPECT_EQ(line(rs, 1, 2100),
            (QStringList{"500:05/03/2024 77", "2000:CLI", "4500:123.456.789-09", "7000: 1.000,00",
                         "8500:R$     50,00", "10000:BOLETO"}));
}

TEST(ComissaoStatement, ReferralStatementIsOneGroupUnderTheReferrer) {
  Demo d;
  auto in = inputs(comissao::sqlComissaoIndicacao("2.5", "20240301", "20240331", 40));
  in.indicacao = QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES");
  in.percentText = "2,5";
  const auto rs = d.draw(Statement::IMPRIME_IND, in);
  EXPECT_EQ(line(rs, 1, 1000), QStringList{"100:INDICACAO"});
  EXPECT_EQ(line(rs, 1, 1800), QStringList{QStringLiteral("100:ANTÔNIO CARLOS INDICAÇÕES")});
  for (int y : {2100, 2300, 2500}) {
    const QStringList l = line(rs, 1, y);
    ASSERT_EQ(l.size(), 5) << y;
    EXPECT_EQ(l[3], "7000:%      2,50");
  }
  EXPECT_EQ(line(rs, 1, 2100)[0], "1100:27");  // emission order: 27, 23, 24
  EXPECT_EQ(line(rs, 1, 2700), kEquals);
  EXPECT_EQ(line(rs, 1, 2900)[0], "7000:SUB TOTAL:");
  EXPECT_EQ(line(rs, 1, 3400)[0], "7000:TOTAL GERAL");
  EXPECT_EQ(
      std::count_if(rs.begin(), rs.end(), [](const Drawn& r) { return r.text.startsWith("___"); }),
      1);
}

TEST(ComissaoStatement, SellerReversalStatement) {
  Demo d;
  const auto rs =
      d.draw(Statement::IMPRIME_ESTORNO,
             inputs(comissao::sqlEstornoVendedor(QDate(2024, 3, 5), QDate(2024, 3, 31), 2),
                    "05/03/2024", "31/03/2024"));
  EXPECT_NE(find(rs, QStringLiteral("RELATÓRIO DE ESTORNO DE COMISSÕES   05/03/2024 - 31/03/2024")),
            nullptr);
  EXPECT_EQ(line(rs, 1, 1200), (QStringList{"1100:PED.", "2000:CLIENTE", "4500:CNPJ/CPF",
                                            "7000:% COMISS", "8500:R$ COMISS", "10000:CANCEL."}));
  EXPECT_EQ(line(rs, 1, 1800), QStringList{QStringLiteral("100:MARIA CONCEIÇÃO ARAÚJO")});
  EXPECT_EQ(line(rs, 1, 2100), (QStringList{"1100:29", QStringLiteral("2000:MERCADINHO S. JOÃO"),
                                            "4500:23.456.789/0001-01", "7000:%      2,50",
                                            "8500:R$      6,25", "10000:31/03/2024"}));
  EXPECT_EQ(line(rs, 1, 2500), (QStringList{"7000:SUB TOTAL:", "8500:R$      6,25"}));
  EXPECT_EQ(line(rs, 1, 3000), (QStringList{"6500:TOTAL A ESTORNAR", "8500:R$      6,25"}));
}

TEST(ComissaoStatement, NothingWithoutRowsOrReversalQueryAFailureEndsNoDocument) {
  Demo d;
  Printer p;
  const QString none = comissao::sqlComissaoVendedor("20230101", "20231231", comissao::kTodos);
  EXPECT_FALSE(comissao::drawStatement(Statement::IMPRIME, d.m, p, inputs(none)));
  for (Statement s :
       {Statement::IMPRIME_ESTORNO, Statement::IMPRIME_ESTORNO_REP, Statement::IMPRIME_ESTORNO_IND})
    EXPECT_FALSE(comissao::drawStatement(s, d.m, p, inputs("")));
  // A query the database refuses, then one without a column the statement reads.
  for (const char* sql :
       {"select nada from lugar_nenhum", "select 'A' as funome from rdb$database"})
    EXPECT_THROW(comissao::drawStatement(Statement::IMPRIME_REP, d.m, p, inputs(sql)), RuntimeError)
        << sql;
  EXPECT_TRUE(p.documents().empty());
}

// ---- the print button ------------------------------------------------------

namespace {

// A window after a seller inquiry for March (cancellations 05/03 to 31/03);
// documents sent to the printer are kept here.
struct Printed : Window {
  std::vector<draw::Document> docs;
  Printed() {
    w->setPrintSink([this](const draw::Document& d, QPrinter& printer) {
      EXPECT_EQ(printer.copyCount(), 1);
      docs.push_back(d);
    });
    w->controls().OPTODOS->setChecked(true);
    march();
    w->Command2_Click();
  }
  QStringList titles() const {
    QStringList t;
    for (const auto& d : docs) t << runs(d).front().text.section("   ", 0, 0);
    return t;
  }
};

// A print dialog in which the user turns the page to landscape.
struct LandscapeDialogUi : ui::ScriptedUi {
  bool printDialog(QPrinter& printer, const ui::PrintPages& pages) override {
    printer.setPageOrientation(QPageLayout::Landscape);
    return ScriptedUi::printDialog(printer, pages);
  }
};

}  // namespace

TEST(ComissaoImprimir, CancelCopiesAndAFailure) {
  Printed t;
  ASSERT_FALSE(t.w->consulta().sqlEstorno().isEmpty());
  t.ui.printCopies = 0;  // Cancel prints nothing and says nothing
  t.w->Command3_Click();
  EXPECT_EQ(t.ui.printDialogs, 1);
  EXPECT_TRUE(t.docs.empty());

  t.ui.printCopies = 2;  // the pair once per copy
  t.w->Command3_Click();
  EXPECT_EQ(t.ui.printDialogs, 2);
  const QString c = QStringLiteral("RELATÓRIO DE COMISSÕES");
  const QString e = QStringLiteral("RELATÓRIO DE ESTORNO DE COMISSÕES");
  EXPECT_EQ(t.titles(), (QStringList{c, e, c, e}));

  // A failing statement ends the request quietly after what was released.
  t.docs.clear();
  t.w->consulta().setSqlEstorno("select nada from lugar_nenhum");
  t.w->Command3_Click();
  EXPECT_EQ(t.titles(), QStringList{c});
  EXPECT_TRUE(t.messages().isEmpty());
}

// Representative mode without reversal dates: one statement per copy, in
// the orientation the dialog left.
TEST(ComissaoImprimir, RepresentativeCopiesKeepThePrintersOrientation) {
  WindowWith<LandscapeDialogUi> t;
  std::vector<draw::Document> docs;
  t.w->setPrintSink([&](const draw::Document& d, QPrinter&) { docs.push_back(d); });
  t.w->controls().OPREPRESENTANTE->setChecked(true);
  t.w->controls().OPTODOS->setChecked(true);
  t.setDate(t.w->controls().COINICIAL, "01032024");
  t.setDate(t.w->controls().COFINAL, "31032024");
  t.w->Command2_Click();
  ASSERT_TRUE(t.w->consulta().sqlEstorno().isEmpty());
  t.ui.printCopies = 3;
  t.w->Command3_Click();
  ASSERT_EQ(docs.size(), 3u);
  EXPECT_EQ(runs(docs[0])[1].text, "REPRESENTANTE");
  for (const auto& doc : docs) EXPECT_EQ(doc.orientation, draw::Orientation::Landscape);
}

TEST(ComissaoImprimir, PdfGetsOneCopyOfThePairWithoutADialog) {
  Printed t;
  const QString pdf = QDir(testsupport::scratchDir()).filePath("comissoes.pdf");
  QFile::remove(pdf);
  t.m.options.pdfPath = pdf;
  t.ui.printCopies = 3;
  t.w->Command3_Click();
  EXPECT_EQ(t.ui.printDialogs, 0);
  EXPECT_TRUE(t.docs.empty());
  ASSERT_EQ(testsupport::pdfPageCount(pdf), 2);
  const auto words = testsupport::pdfWords(pdf);
  auto at = [&](const QString& text, int page, double x, double y) {
    for (const auto& w : words)
      if (w.text == text && w.page == page && std::abs(w.xMin - x) <= 1 &&
          std::abs(w.yMin - y) <= 1)
        return true;
    return false;
  };
  const draw::Font bold{.bold = true};
  EXPECT_TRUE(at(QStringLiteral("RELATÓRIO"), 1, 1300, 300));
  EXPECT_TRUE(at("VENDEDOR", 1, 100, 1000));
  EXPECT_TRUE(at("CARLOS", 1, 100, 1800));
  EXPECT_TRUE(at("MARIA", 1, 100, 3500));
  EXPECT_TRUE(at("TOTAL", 1, 7000, 4700));
  EXPECT_TRUE(at("79,86", 1, 8500 + draw::textWidth(bold, "R$     "), 4700));
  // The reversal statement on the second page: three groups of one row.
  EXPECT_TRUE(at(QStringLiteral("RELATÓRIO"), 2, 1300, 300));
  EXPECT_TRUE(at("ESTORNO", 2,
                 1300 + draw::textWidth(draw::Font{.pointSize = 16, .bold = true},
                                        QStringLiteral("RELATÓRIO DE ")),
                 300));
  EXPECT_TRUE(at("CANCEL.", 2, 10000, 1200));
  EXPECT_TRUE(at("ESTORNAR", 2, 6500 + draw::textWidth(bold, "TOTAL A "), 5600));
  EXPECT_TRUE(at("38,25", 2, 8500 + draw::textWidth(bold, "R$     "), 5600));
}

// The dialog's "print to file": every statement of the request, each copy
// included, in the one file (before, each job overwrote the last).
TEST(ComissaoImprimir, PrintToFileKeepsThePairInOneFile) {
  Printed t;
  const QString file = QDir(testsupport::scratchDir()).filePath("comissoes-arquivo.pdf");
  QFile::remove(file);
  t.ui.printToFile = file;
  t.ui.printCopies = 2;
  t.w->Command3_Click();
  EXPECT_TRUE(t.docs.empty());  // nothing went through the printer's own jobs
  ASSERT_EQ(testsupport::pdfPageCount(file), 4);
  QList<int> reversalPages;
  for (const auto& w : testsupport::pdfWords(file))
    if (w.text == "ESTORNO" && w.yMin < 1000) reversalPages << w.page;
  EXPECT_EQ(reversalPages, (QList<int>{2, 4}));
}
