// The inquiry without its window, against the demo database and against
// copies of it with CHAR (blank-padded) text columns or with nulls.
#include "commission/comissaomodel.h"

#include <gtest/gtest.h>

#include "commission_testutil.h"

using namespace commissiontest;
using namespace comissao;
using L = QStringList;

namespace {

const QString kNoSales = QStringLiteral("Não há registros de comissão com os dados informados.");

struct Inquiry {
  modCnn m;
  ui::ScriptedUi ui;
  ComissaoConsulta q{m, ui};
  explicit Inquiry(const QString& db = {}) {
    if (db.isEmpty())
      openDemo(m);
    else
      m.Cnn.open(connectionTo(db));
  }
  const CommissionGridModel& sales() const { return q.vendas(); }
  const CommissionGridModel& cancelled() const { return q.cancelados(); }
  QString said() const { return ui.texts().join('|'); }
  // Each message as "text|title|icon".
  L shown() const {
    L out;
    for (const auto& s : ui.shown) out << s.text + "|" + s.title + "|" + QString::number(int(s.icon));
    return out;
  }
  // Commission, net sales, orders and reversed commission.
  L totals() const {
    return {q.totais().comissao, q.totais().vendas, q.totais().pedidos, q.totais().cancelado};
  }
};

// The filters of an emission period; no person named means every one.
Filtros period(const QString& from, const QString& to, const QString& person = {},
               Modo mode = Modo::Vendedor) {
  Filtros f;
  f.emissaoDe = from;
  f.emissaoAte = to;
  f.modo = mode;
  f.vendedor = f.indicacao = person;
  f.todos = person.isEmpty();
  return f;
}

// March, reversals from 05/03 to 31/03.
Filtros march(Modo mode = Modo::Vendedor, const QString& person = {}) {
  Filtros f = period("01/03/2024", "31/03/2024", person, mode);
  f.cancelamentoDe = "05/03/2024";
  f.cancelamentoAte = "31/03/2024";
  return f;
}

// The row of a grid whose order column holds the code; "none" when none.
L rowFor(const CommissionGridModel& g, const QString& order) {
  const int r = int(column(g, 3).indexOf(order));
  return r < 0 ? L{"none"} : g.row(r);
}

// "order person percent commission" for each row of a grid.
L summary(const CommissionGridModel& g) {
  L out;
  for (int r = 0; r < g.rowCount(); ++r)
    out << L{g.cell(r, 3), g.cell(r, 2), g.cell(r, 4), g.cell(r, 6)}.join(' ');
  return out;
}

}  // namespace

// Commission on the amount paid less ICMS-ST: 5 % of 900,00; then a period
// without sales empties the grid and says so, keeping the text it built for
// the statements.
TEST(ComissaoConsulta, SellerExampleThenNoRows) {
  Inquiry t;
  ASSERT_TRUE(t.q.consultar(period("01/02/2024", "29/02/2024", "CARLOS ANDRADE")));
  EXPECT_EQ(t.q.codFunc(), 1);
  EXPECT_EQ(t.sales().headers(), L({"Cliente", "Cnpj/Cpf", "Funcionário", "O.P.", "% Comiss",
                                    "Venda", "R$ Comiss", "R$ Venda", "Pagto..", "Venda"}));
  EXPECT_EQ(summary(t.sales()), L{"20 CARLOS ANDRADE 5,00 45,00"});
  EXPECT_EQ(rowFor(t.sales(), "20"),
            L({"JOSÉ D'ÁVILA", "123.456.789-09", "CARLOS ANDRADE", "20", "5,00", "14/02/2024",
               "45,00", "900,00", "DINHEIRO", "14/02/2024"}));
  EXPECT_EQ(t.totals().mid(0, 3) << t.said(), L({"45,00", "900,00", "Nro. de Pedidos: 1", ""}));

  ASSERT_TRUE(t.q.consultar(period("01/01/2023", "31/12/2023")));
  EXPECT_EQ(t.shown(), L{kNoSales + "|Talvora|" + QString::number(int(ui::Icon::Exclamation))});
  EXPECT_EQ(t.sales().columnCount(), 0);
  EXPECT_EQ(t.totals().mid(0, 3), L({"0,00", "0,00", ""}));
  EXPECT_TRUE(t.q.sqlComissao().contains("'20230101'"));
}

// An empty date field leaves its end of the period open; every failing
// check speaks in one press, before the busy pointer, and a failure keeps
// the rows but empties the seller totals other than the commission. A
// referral factor the database refuses (none) or that is never joined (not
// a number) ends in the no-rows path.
TEST(ComissaoConsulta, Checks) {
  const QString date = "Entre com uma data válida.|Erro!|" +
                       QString::number(int(ui::Icon::Exclamation)),
                seller = "Escolha um vendedor válido.|tl_relatorios|0",
                referrer = QStringLiteral("Escolha uma indicação válida.|tl_relatorios|0");
  Inquiry t;
  int busy = 0;
  ASSERT_TRUE(t.q.consultar(period(kEmptyDate, kEmptyDate), [&] { ++busy; }));
  EXPECT_EQ(L({t.q.dtInicial(), t.q.dtFinal(), QString::number(*t.q.codFunc())}),
            L({"19011231", "30001231", "999"}));
  EXPECT_TRUE(t.q.semEstorno());
  EXPECT_EQ(t.sales().rowCount(), 12);
  EXPECT_EQ(t.said() + QString::number(busy), "1");
  const QString kept = t.q.sqlComissao(), commission = t.q.totais().comissao;
  const struct {
    const char *from, *to, *cancelFrom, *person;
    Modo mode;
    const char* percent;
    L shown;
  } cases[] = {
      {"99/99/9999", kEmptyDate, "12/__/____", "FULANO", Modo::Vendedor, "", {date, seller}},
      {kEmptyDate, "12/__/____", kEmptyDate, "PEDRO D'ALMEIDA", Modo::Vendedor, "", {date}},
      {"31/02/2024", kEmptyDate, kEmptyDate, "", Modo::Representante, "", {date, seller}},
      {kEmptyDate, kEmptyDate, kEmptyDate, "NINGUÉM", Modo::Indicacao, "2", {referrer}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown.join(' ').toStdString());
    Filtros f = period(c.from, c.to, QString::fromUtf8(c.person), c.mode);
    f.todos = false;
    f.cancelamentoDe = c.cancelFrom;
    f.percentual = c.percent;
    t.ui.shown.clear();
    EXPECT_FALSE(t.q.consultar(f, [&] { ++busy; }));
    EXPECT_EQ(t.shown(), c.shown);
    EXPECT_TRUE(t.q.erro() && t.q.semEstorno());
    EXPECT_EQ(t.q.sqlComissao(), kept);
    EXPECT_EQ(t.sales().rowCount(), 12);
    EXPECT_EQ(t.totals().mid(0, 3), L({commission, "", ""}));
  }
  EXPECT_EQ(busy, 1);

  // Without a percentage, every referrer without a look-up; JOSÉ is found,
  // though nobody he referred bought.
  Filtros f = period(kEmptyDate, kEmptyDate, "JOSÉ D'ÁVILA", Modo::Indicacao);
  f.todos = false;
  for (const char* factor : {"", "10", "1)/100) as vrcomis from saida s --"}) {
    SCOPED_TRACE(factor);
    t.ui.shown.clear();
    f.percentual = factor;
    t.q.consultar(f);
    EXPECT_EQ(t.q.codIndicacao(), *factor ? 10 : int32_t(kTodos));
    EXPECT_EQ(t.q.sqlComissao().isEmpty(), f.percentual.contains(')'));
    EXPECT_EQ(t.said(), kNoSales);
    EXPECT_EQ(t.sales().columnCount(), 0);
    EXPECT_EQ(t.totals()[0], "0,00");
  }
}

// March in each mode: the rows of both grids and their totals (the seller
// reversals come in no set order, so the reversal rows are compared
// sorted); with one reversal date, no reversal query and the reversals
// stay; a period without reversals says so.
TEST(ComissaoConsulta, MarchInEveryMode) {
  Filtros cases[] = {march(), march(Modo::Representante, "ROBERTO MENDONÇA"),
                     march(Modo::Indicacao, "BEATRIZ ÁLVARES MENDES")};
  cases[2].percentual = "2,5";
  const auto prefixed = [](const QString& prefix, const L& lines) {
    L out;
    for (const QString& l : lines) out << prefix + l;
    return out;
  };
  L actual;  // testdata/consulta_marco.lines
  for (Filtros& f : cases) {
    Inquiry t;
    ASSERT_TRUE(t.q.consultar(f));
    EXPECT_EQ(t.said(), "");
    const L heads = t.sales().headers().mid(2, 2);
    EXPECT_EQ(t.cancelled().headers().mid(2),
              heads + L({"% Comiss", "Venda", "R$ Comiss", "Cancel.", "Motivo", "Usuario"}));
    L reversals = summary(t.cancelled());
    reversals.sort();
    const L totals = t.totals();
    actual << "= " + heads.join(' ') << prefixed("venda ", summary(t.sales()))
           << "totais " + totals.join('|') << prefixed("estorno ", reversals);
    f.cancelamentoAte = kEmptyDate;
    ASSERT_TRUE(t.q.consultar(f));
    EXPECT_TRUE(t.q.semEstorno());
    EXPECT_EQ(t.said(), "");
    EXPECT_EQ(t.cancelled().rowCount(), reversals.size());
    EXPECT_EQ(t.totals()[3], totals[3]);
    f.cancelamentoDe = "01/01/2023";
    f.cancelamentoAte = "31/01/2023";
    t.q.consultar(f);
    EXPECT_EQ(t.said(), "Não há registros de estornos de comissão com os dados informados.");
    EXPECT_EQ(t.totals()[3] + QString::number(t.cancelled().columnCount()), "0,000");
  }
  testsupport::expectGoldenLines(actual, "src/commission/testdata/consulta_marco.lines");
}

// The seller's customer columns: CPF as the empty mask gives the CNPJ, both
// masks give nothing; January's sale 31 has a null ICMS-ST, counted as 0.
// The seller grid groups thousands; the same sale at 10 % in referral mode
// not.
TEST(ComissaoConsulta, DocumentsNullIcmsStAndGrouping) {
  Inquiry t;
  t.q.consultar(march());
  EXPECT_EQ(column(t.sales(), 1), L({"23.456.789/0001-01", "", "123.456.789-09", "987.654.321-00"}));
  EXPECT_EQ(rowFor(t.sales(), "24").mid(7, 1) + rowFor(t.cancelled(), "29").mid(7),
            L({"1.234,50", "31/03/2024", "PRODUTO SEM ESTOQUE NO FORNECEDOR", "GERENTE"}));
  t.q.consultar(period("01/01/2024", "31/01/2024"));
  EXPECT_EQ(rowFor(t.sales(), "31").mid(6, 2), L({"3,70", "74,00"}));

  t.q.consultar(period("01/04/2024", "30/04/2024", "PEDRO D'ALMEIDA"));
  EXPECT_EQ(t.q.codFunc(), 3);
  EXPECT_EQ(summary(t.sales()) + t.totals().mid(0, 2) + rowFor(t.sales(), "28").mid(7, 1),
            L({"28 PEDRO D'ALMEIDA 5,00 1.234,50", "1.234,50", "24.690,00", "24.690,00"}));
  Filtros f = period("01/04/2024", "30/04/2024", "ANTÔNIO CARLOS INDICAÇÕES", Modo::Indicacao);
  f.percentual = "10";
  t.q.consultar(f);
  EXPECT_EQ(t.q.codIndicacao(), 40);
  EXPECT_EQ(summary(t.sales()) << t.totals()[0],
            L({"28 ANTÔNIO CARLOS INDICAÇÕES 10,00 2479,00", "2479,00"}));
}

TEST(ComissaoConsulta, CharColumnsComeOutTrimmedAndMasksStillCountAsEmpty) {
  Inquiry t(copyOfDemo("robust-char.fdb", kCharColumns));
  EXPECT_EQ(t.q.vendedores().value(0), "CARLOS ANDRADE");
  ASSERT_TRUE(t.q.consultar(march(Modo::Vendedor, "CARLOS ANDRADE")));
  EXPECT_EQ(t.said(), "");
  // Sale 21: the CPF is the padded empty mask; sale 22: both masks padded.
  EXPECT_EQ(rowFor(t.sales(), "21") + rowFor(t.sales(), "22").mid(1, 1),
            L({"MERCADINHO SÃO JOÃO LTDA", "23.456.789/0001-01", "CARLOS ANDRADE", "21", "5,00",
               "04/03/2024", "25,00", "500,00", "BOLETO 30/60/90 DIAS", "04/03/2024", ""}));
  EXPECT_EQ(t.cancelled().rowCount(), 1);
  EXPECT_EQ(rowFor(t.cancelled(), "27").mid(2),
            L({"CARLOS ANDRADE", "27", "5,00", "05/03/2024", "20,00", "15/03/2024",
               "CLIENTE DESISTIU DA COMPRA", "ADMIN"}));
  // The referrer look-up and its check on padded names.
  const auto found = t.q.procurarIndicacao("BEA");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->primeiro, "BEATRIZ ÁLVARES MENDES");
  Filtros f = march(Modo::Indicacao, found->primeiro);
  f.percentual = "2,5";
  ASSERT_TRUE(t.q.consultar(f));
  EXPECT_EQ(t.said(), "");
  EXPECT_EQ(t.q.codIndicacao(), 40000);
  EXPECT_EQ(t.sales().rowCount(), 3);
}

// Empty client, document and dates; no amount paid and no ICMS-ST: 0.
TEST(ComissaoConsulta, NullsLeaveCellsEmptyAndCountAsZero) {
  Inquiry t(copyOfDemo(
      "robust-null.fdb",
      {"update interveniente set innome = null, incpf = null, incnpj = null where incod = 11",
       "update saida set datasaida = null, savrpago = null where sacod in (21, 29)",
       "update funcionario set funome = null where fucod = 5",
       "update cancelamento set cnmotivo = null, cnusuario = null where sacod = 29",
       "update comissaoitem set copercreal = null, covrcomissao = null where fksacod = 29"}));
  EXPECT_FALSE(t.q.vendedores().contains("ROBERTO MENDONÇA"));
  ASSERT_TRUE(t.q.consultar(march()));
  EXPECT_EQ(t.said(), "");
  EXPECT_EQ(rowFor(t.sales(), "21"), L({"", "", "CARLOS ANDRADE", "21", "5,00", "", "0,00", "0,00",
                                        "BOLETO 30/60/90 DIAS", ""}));
  EXPECT_EQ(t.totals()[2], "Nro. de Pedidos: 4");
  EXPECT_EQ(rowFor(t.cancelled(), "29"),
            L({"", "", "MARIA CONCEIÇÃO ARAÚJO", "29", "", "", "", "31/03/2024", "", ""}));
  // Representative mode: the representative's null name and a null amount.
  ASSERT_TRUE(t.q.consultar(march(Modo::Representante)));
  EXPECT_EQ(t.said(), "");
  EXPECT_EQ(rowFor(t.sales(), "21").mid(2), L({"", "21", "3,00", "", ""}));
}
