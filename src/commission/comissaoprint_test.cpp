// The commission statements on the display list, and the print button.
#include "commission/comissaoprint.h"

#include <QCheckBox>
#include <QPrinter>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <map>

#include "commission/comissaosql.h"
#include "commission_testutil.h"
#include "core/errors.h"

using comissao::Statement;
using namespace commissiontest;
using L = QStringList;

namespace {

// The lines listed in testdata/statement_<name>.lines.
void expectLines(const std::map<QString, QString>& doc, const QString& name) {
  testsupport::expectDrawnLines(doc, "src/commission/testdata/statement_" + name + ".lines");
}

// Draws one statement that must start and gives its lines.
std::map<QString, QString> drawn(Statement s, const QString& sql, size_t pages = 1,
                                 const QString& referrer = {}) {
  modCnn m;
  openDemo(m);
  Printer p;
  EXPECT_TRUE(comissao::drawStatement(s, m, p, {sql, "01/03/2024", "31/03/2024", referrer, "2,5"}));
  auto docs = p.takeDocuments();
  EXPECT_EQ(docs.size(), 1u);
  if (docs.size() != 1) return {};
  EXPECT_EQ(docs.front().pages.size(), pages);
  return testsupport::drawnLines(docs.front(), 8);  // a run in another font than plain 8 points marked
}

// Rows made up in the database itself: n from 1 to count, with the columns
// the representative statements read.
QString madeUpRows(int count, const QString& person) {
  return QStringLiteral(
             "with recursive r(n) as (select 1 from rdb$database union all select n + 1 from r "
             "where n < %1) select %2 as funome, n as fksacod, cast('CLI ' || n as varchar(20)) "
             "as inapelido, 'CLIENTE' as innome, '111.111.111-11' as incpf, '' as incnpj, "
             "3.00 as cacomissaovenda, 10.00 as vrcomis from r order by n")
      .arg(count).arg(person);
}

}  // namespace

// March, every seller: the running sales total spans the groups, the commission
// does not; a net of 1234,50 is grouped in the rows, not in the total. Sale 21:
// the CPF is the empty mask, so the CNPJ; sale 22: no short name, the full one.
TEST(ComissaoStatement, SellerStatement) {
  auto doc = drawn(Statement::IMPRIME,
                   comissao::sqlComissaoVendedor("20240301", "20240331", comissao::kTodos));
  EXPECT_EQ(doc.size(), 16u);
  expectLines(doc, "vendedor");

  doc = drawn(Statement::IMPRIME, comissao::sqlComissaoVendedor("20240401", "20240430", 3));
  EXPECT_EQ(doc["1/2100"].section('|', 3, 4) + " " + doc["1/3000"],
            "7000:24.690,00|8500:R$  1.234,50 7000:*TOTAL GERAL|8500:*R$   1234,50|");
}

// A group name at the foot starts the group again on the next page, where
// the headings are not repeated. Row i at 1900 + 200 i: row 66 at 15100,
// since the test comes before the step; the step after it opens page 2,
// where row 67 is at 200.
TEST(ComissaoStatement, PageBreaks) {
  auto doc = drawn(Statement::IMPRIME_REP,
                   "select * from (" + madeUpRows(61, "'ALFA'") + ") union all select * from (" +
                       madeUpRows(2, "'BETA'") + ")",
                   2);
  expectLines(doc, "quebras");

  doc = drawn(Statement::IMPRIME_REP, madeUpRows(70, "'ALFA'"), 2);
  expectLines(doc, "quebras_70");
}

// Client: the short name unless blank, else the full name, 20 characters. The
// CPF as it stands, CHAR padding included. Timestamps print as short dates.
TEST(ComissaoStatement, ClientDocumentAndDates) {
  const auto doc = drawn(Statement::IMPRIME_ESTORNO_REP,
                         "select 'ALFA' as funome, 1 as fksacod, '   ' as inapelido, 'NOME COMPLETO DO CLIENTE "
                         "COM MAIS DE VINTE' as innome, '  123.456.789-09  ' as incpf, '' as incnpj, 3.00 as "
                         "cacomissaovenda, 1.00 as vrcomis, cast('2024-03-31 14:30:05' as timestamp) as "
                         "sadtcancelamento from rdb$database");
  expectLines(doc, "cliente");
}

// Referral: one group under the referrer typed, at the typed percentage, in
// emission order. Seller reversals: their own title, headings and total.
TEST(ComissaoStatement, ReferralAndReversalStatements) {
  auto doc = drawn(Statement::IMPRIME_IND,
                   comissao::sqlComissaoIndicacao("2.5", "20240301", "20240331", 40), 1,
                   "ANTÔNIO CARLOS INDICAÇÕES");
  expectLines(doc, "indicacao");
  EXPECT_EQ(doc["1/2300"].left(8) + doc["1/2500"].left(8), "1100:23|1100:24|");

  doc = drawn(Statement::IMPRIME_ESTORNO,
              comissao::sqlEstornoVendedor(QDate(2024, 3, 5), QDate(2024, 3, 31), 2));
  expectLines(doc, "estorno");
}

TEST(ComissaoStatement, NothingWithoutRowsOrReversalQueryAFailureEndsNoDocument) {
  modCnn m;
  openDemo(m);
  Printer p;
  const QString none = comissao::sqlComissaoVendedor("20230101", "20231231", comissao::kTodos);
  EXPECT_FALSE(comissao::drawStatement(Statement::IMPRIME, m, p, {none, {}, {}, {}, {}}));
  EXPECT_FALSE(comissao::drawStatement(Statement::IMPRIME_ESTORNO_IND, m, p, comissao::StatementInputs()));
  // A query without a column the statement reads (one the database refuses:
  // ComissaoImprimir.CancelCopiesAndAFailure).
  EXPECT_THROW(
      comissao::drawStatement(Statement::IMPRIME_REP, m, p, {"select 'A' as funome from rdb$database", {}, {}, {}, {}}),
      RuntimeError);
  EXPECT_TRUE(p.documents().empty());
}

// ---- the print button ------------------------------------------------------

namespace {

// A print dialog in which the user may turn the page to landscape.
struct DialogUi : ui::ScriptedUi {
  bool landscape = false;
  bool printDialog(QPrinter& printer, const ui::PrintPages& pages) override {
    if (landscape) printer.setPageOrientation(QPageLayout::Landscape);
    return ScriptedUi::printDialog(printer, pages);
  }
};

// A window after an inquiry of everyone for March (reversals from 05/03 to
// 31/03, or none), in seller mode unless another is given; the documents
// sent to the printer are kept, as their title and person heading.
struct Printed : WindowWith<DialogUi> {
  L docs;
  std::vector<draw::Orientation> orientations;
  explicit Printed(QRadioButton* FrmConsComissaoGERAL::Controls::*mode = nullptr,
                   bool reversals = true) {
    w->setPrintSink([this](const draw::Document& d, QPrinter& printer) {
      EXPECT_EQ(printer.copyCount(), 1);
      auto l = testsupport::drawnLines(d, 8);
      docs << l["1/300"].section("   ", 0, 0) + " " + l["1/1000"];
      orientations.push_back(d.orientation);
    });
    if (mode) (w->controls().*mode)->setChecked(true);
    w->controls().OPTODOS->setChecked(true);
    march();
    if (!reversals) for (QLineEdit* f : {w->controls().CAINICIAL, w->controls().CAFINAL}) f->clear();
    w->Command2_Click();
  }
};

const QString kTitle = QStringLiteral("1300:16*RELATÓRIO DE COMISSÕES 100:*VENDEDOR|"),
              kReversalTitle = QStringLiteral("1300:16*RELATÓRIO DE ESTORNO DE COMISSÕES 100:*VENDEDOR|");

}  // namespace

TEST(ComissaoImprimir, CancelCopiesAndAFailure) {
  Printed t;
  t.ui.printCopies = 0;  // Cancel prints nothing and says nothing
  t.w->Command3_Click();
  EXPECT_EQ(t.ui.printDialogs, 1);
  EXPECT_TRUE(t.docs.empty());

  t.ui.printCopies = 2;  // the pair once per copy
  t.w->Command3_Click();
  EXPECT_EQ(t.docs, L({kTitle, kReversalTitle, kTitle, kReversalTitle}));

  // A failing statement ends the request quietly after what was released.
  t.docs.clear();
  t.w->consulta().setSqlEstorno("select nada from lugar_nenhum");
  t.w->Command3_Click();
  EXPECT_EQ(t.docs, L{kTitle});
  EXPECT_TRUE(t.ui.texts().isEmpty());
}

// Representative mode without reversal dates: one statement per copy, in
// the orientation the dialog left.
TEST(ComissaoImprimir, RepresentativeCopiesKeepThePrintersOrientation) {
  Printed t(&FrmConsComissaoGERAL::Controls::OPREPRESENTANTE, false);
  t.ui.landscape = true;
  t.ui.printCopies = 3;
  t.w->Command3_Click();
  EXPECT_EQ(t.docs, L(3, QString(kTitle).replace("VENDEDOR", "REPRESENTANTE")));
  EXPECT_EQ(t.orientations, std::vector<draw::Orientation>(3, draw::Orientation::Landscape));
}

// --pdf: one copy of the pair without a dialog; the dialog's "print to file":
// every statement and copy in the one file, none through the printer's jobs.
TEST(ComissaoImprimir, PdfAndPrintToFileKeepTheRequestInOneFile) {
  for (bool option : {true, false}) {
    Printed t;
    const QString file = testsupport::scratchFile(option ? "comissoes.pdf" : "arquivo.pdf");
    QFile::remove(file);
    (option ? t.m.options.pdfPath : t.ui.printToFile) = file;
    t.ui.printCopies = option ? 3 : 2;
    t.w->Command3_Click();
    EXPECT_EQ(t.ui.printDialogs, option ? 0 : 1);
    EXPECT_TRUE(t.docs.empty());
    QList<int> reversalPages;  // the pages whose title is a reversal statement's
    for (const auto& w : testsupport::pdfWords(file))
      if (w.text == "ESTORNO" && w.yMin < 1000) reversalPages << w.page;
    EXPECT_EQ(reversalPages, (option ? QList<int>{2} : QList<int>{2, 4}));
    EXPECT_EQ(testsupport::pdfPageCount(file), option ? 2 : 4);
  }
}
