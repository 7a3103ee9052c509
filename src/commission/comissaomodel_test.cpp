// The inquiry without its window and its query texts, against the demo
// database and against copies with CHAR (blank-padded) text columns, with
// nulls, or with many generated sales.
#include "commission/comissaomodel.h"

#include <gtest/gtest.h>

#include "commission_testutil.h"

using namespace commissiontest;
using namespace comissao;

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
  QStringList shown() const {
    QStringList out;
    for (const auto& s : ui.shown) out << s.text + "|" + s.title + "|" + QString::number(int(s.icon));
    return out;
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
QStringList rowFor(const CommissionGridModel& g, const QString& order) {
  const int r = int(column(g, 3).indexOf(order));
  return r < 0 ? QStringList{"none"} : g.row(r);
}

// "order person percent commission" for each row of a grid.
QStringList summary(const CommissionGridModel& g) {
  QStringList out;
  for (int r = 0; r < g.rowCount(); ++r)
    out << QStringList{g.cell(r, 3), g.cell(r, 2), g.cell(r, 4), g.cell(r, 6)}.join(' ');
  return out;
}

}  // namespace

// Commission on the amount paid less ICMS-ST: 5 % of 900,00; then a period
// without sales empties the grid and says so.
TEST(ComissaoConsulta, SellerExampleThenNoRows) {
  Inquiry t;
  ASSERT_TRUE(t.q.consultar(period("01/02/2024", "29/02/2024", "CARLOS ANDRADE")));
  EXPECT_EQ(t.q.codFunc(), 1);
  EXPECT_EQ(t.sales().headers(),
            (QStringList{"Cliente", "Cnpj/Cpf", "Funcionário", "O.P.", "% Comiss", "Venda",
                         "R$ Comiss", "R$ Venda", "Pagto..", "Venda"}));
  ASSERT_EQ(t.sales().rowCount(), 1);
  EXPECT_EQ(t.sales().row(0),
            (QStringList{QStringLiteral("JOSÉ D'ÁVILA"), "123.456.789-09", "CARLOS ANDRADE", "20",
                         "5,00", "14/02/2024", "45,00", "900,00", "DINHEIRO", "14/02/2024"}));
  const Totais& totals = t.q.totais();
  EXPECT_EQ(QStringList({totals.comissao, totals.vendas, totals.pedidos, t.said()}),
            (QStringList{"45,00", "900,00", "Nro. de Pedidos: 1", ""}));

  ASSERT_TRUE(t.q.consultar(period("01/01/2023", "31/12/2023")));
  ASSERT_EQ(t.ui.shown.size(), 1u);
  EXPECT_EQ(QStringList({t.ui.shown[0].text, t.ui.shown[0].title}),
            (QStringList{kNoSales, "Talvora"}));
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(t.sales().columnCount(), 0);
  EXPECT_EQ(QStringList({totals.comissao, totals.vendas, totals.pedidos}),
            (QStringList{"0,00", "0,00", ""}));
  EXPECT_TRUE(t.q.sqlComissao().contains("'20230101'"));  // kept for the statements
}

// The checks before any query: an empty date field leaves its end of the
// period open, every failing check speaks in one press, and a failure
// leaves the rows but empties the seller totals other than the commission.
TEST(ComissaoConsulta, Checks) {
  const QString date = "Entre com uma data válida.|Erro!|" + QString::number(int(ui::Icon::Exclamation)),
                seller = "Escolha um vendedor válido.|tl_relatorios|0",
                referrer = QStringLiteral("Escolha uma indicação válida.|tl_relatorios|0");
  Inquiry t;
  ASSERT_TRUE(t.q.consultar(period(kEmptyDate, kEmptyDate)));
  EXPECT_EQ(QStringList({t.q.dtInicial(), t.q.dtFinal(), QString::number(*t.q.codFunc())}),
            QStringList({"19011231", "30001231", "999"}));
  EXPECT_TRUE(t.q.semEstorno());
  EXPECT_EQ(t.sales().rowCount(), 12);
  EXPECT_EQ(t.said(), "");
  const QString kept = t.q.sqlComissao(), commission = t.q.totais().comissao;
  const struct {
    const char *from, *to, *cancelFrom, *person;
    Modo mode;
    const char* percent;
    QStringList shown;
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
    EXPECT_FALSE(t.q.consultar(f));
    EXPECT_EQ(t.shown(), c.shown);
    EXPECT_TRUE(t.q.erro() && t.q.semEstorno());
    EXPECT_EQ(t.q.sqlComissao(), kept);
    EXPECT_EQ(t.sales().rowCount(), 12);
    EXPECT_EQ(QStringList({t.q.totais().comissao, t.q.totais().vendas, t.q.totais().pedidos}),
              QStringList({commission, "", ""}));
  }
  Filtros f = period(kEmptyDate, kEmptyDate, "NINGUÉM", Modo::Indicacao);
  f.todos = false;  // no percentage: every referrer, without a look-up
  t.q.consultar(f);
  EXPECT_EQ(t.q.codIndicacao(), int32_t(kTodos));
}

// March in each mode: the rows of both grids and their totals. The seller
// reversals come in no set order, so the reversal rows are compared sorted.
TEST(ComissaoConsulta, MarchInEveryMode) {
  const QString roberto = QStringLiteral("ROBERTO MENDONÇA 3,00 "),
                beatriz = QStringLiteral("BEATRIZ ÁLVARES MENDES 2,50 ");
  struct Case {
    Filtros f;
    QStringList heads, sales, totals, reversals;
    QString reversed;
  } cases[] = {
      {march(), {"Funcionário", "O.P."},
       {"21 CARLOS ANDRADE 5,00 25,00", "22 CARLOS ANDRADE 5,00 14,00",
        "23 CARLOS ANDRADE 5,00 10,00", QStringLiteral("24 MARIA CONCEIÇÃO ARAÚJO 2,50 30,86")},
       {"79,86", "2.214,50", "Nro. de Pedidos: 4"},
       {"27 CARLOS ANDRADE 5,00 20,00", "27 " + roberto + "12,00",
        QStringLiteral("29 MARIA CONCEIÇÃO ARAÚJO 2,50 6,25")}, "38,25"},
      {march(Modo::Representante, "ROBERTO MENDONÇA"), {"Representante", "Ped."},
       {"30 " + roberto + "6,00", "21 " + roberto + "15,00", "27 " + roberto + "12,00",
        "22 " + roberto + "9,00", "23 " + roberto + "6,00", "25 " + roberto + "2,22",
        "29 " + roberto + "7,50"},
       {"57,72", "", ""}, {"27 " + roberto + "12,00", "29 " + roberto + "7,50"}, "19,50"},
      {march(Modo::Indicacao, "BEATRIZ ÁLVARES MENDES"), {QStringLiteral("Indicação"), "Ped."},
       {"21 " + beatriz + "12,50", "25 " + beatriz + "1,85", "29 " + beatriz + "6,25"},
       {"20,60", "", ""}, {"29 " + beatriz + "6,25"}, "6,25"},
  };
  cases[2].f.percentual = "2,5";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heads.join(' ').toStdString());
    Inquiry t;
    ASSERT_TRUE(t.q.consultar(c.f));
    EXPECT_EQ(t.said(), "");
    EXPECT_EQ(t.sales().headers().mid(2, 2), c.heads);
    EXPECT_EQ(t.cancelled().headers().mid(2, 2), c.heads);
    EXPECT_EQ(summary(t.sales()), c.sales);
    EXPECT_EQ(QStringList({t.q.totais().comissao, t.q.totais().vendas, t.q.totais().pedidos}),
              c.totals);
    QStringList reversals = summary(t.cancelled());
    reversals.sort();
    EXPECT_EQ(reversals, c.reversals);
    EXPECT_EQ(t.q.totais().cancelado, c.reversed);
    Filtros f = c.f;  // one reversal date: no reversal query, the grid stays
    f.cancelamentoAte = kEmptyDate;
    ASSERT_TRUE(t.q.consultar(f));
    EXPECT_TRUE(t.q.semEstorno());
    EXPECT_EQ(t.said(), "");
    EXPECT_EQ(QStringList({QString::number(t.cancelled().rowCount()), t.q.totais().cancelado}),
              QStringList({QString::number(c.reversals.size()), c.reversed}));
  }
}

// The seller's customer columns: CPF as the empty mask gives the CNPJ, both
// masks give nothing; January's sale 31 has a null ICMS-ST, counted as 0.
// The seller grid groups thousands; the same sale at 10 % in referral mode not.
TEST(ComissaoConsulta, DocumentsNullIcmsStAndGrouping) {
  Inquiry t;
  t.q.consultar(march());
  EXPECT_EQ(column(t.sales(), 1).mid(0, 3),
            (QStringList{"23.456.789/0001-01", "", "123.456.789-09"}));
  EXPECT_EQ(t.sales().cell(3, 7), "1.234,50");
  EXPECT_EQ(rowFor(t.cancelled(), "29").mid(7),
            (QStringList{"31/03/2024", "PRODUTO SEM ESTOQUE NO FORNECEDOR", "GERENTE"}));

  t.q.consultar(period("01/01/2024", "31/01/2024"));
  EXPECT_EQ(rowFor(t.sales(), "31").mid(6, 2), (QStringList{"3,70", "74,00"}));

  t.q.consultar(period("01/04/2024", "30/04/2024", "PEDRO D'ALMEIDA"));
  EXPECT_EQ(t.q.codFunc(), 3);
  ASSERT_EQ(t.sales().rowCount(), 1);
  EXPECT_EQ(t.sales().row(0).mid(6, 2), (QStringList{"1.234,50", "24.690,00"}));
  EXPECT_EQ(QStringList({t.q.totais().comissao, t.q.totais().vendas}),
            (QStringList{"1.234,50", "24.690,00"}));
  Filtros f = period("01/04/2024", "30/04/2024", QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES"),
                     Modo::Indicacao);
  f.percentual = "10";
  t.q.consultar(f);
  EXPECT_EQ(t.q.codIndicacao(), 40);
  EXPECT_EQ(summary(t.sales()), QStringList{QStringLiteral("28 ANTÔNIO CARLOS INDICAÇÕES 10,00 2479,00")});
  EXPECT_EQ(t.q.totais().comissao, "2479,00");
  f.indicacao = QStringLiteral("JOSÉ D'ÁVILA");  // found, though nobody he referred bought
  t.q.consultar(f);
  EXPECT_EQ(t.q.codIndicacao(), 10);
}

// Reversals of a period without any; a referral factor the database refuses
// (none) or that is never joined (not a number): each ends in its no-rows path.
TEST(ComissaoConsulta, NoReversalsAndBadFactors) {
  Inquiry t;
  Filtros f = march();
  f.cancelamentoDe = "01/01/2023";
  f.cancelamentoAte = "31/01/2023";
  t.q.consultar(f);
  EXPECT_EQ(t.said(), "Não há registros de estornos de comissão com os dados informados.");
  EXPECT_EQ(t.q.totais().cancelado, "0,00");
  EXPECT_EQ(t.cancelled().columnCount(), 0);
  f = march(Modo::Indicacao);
  f.cancelamentoAte = kEmptyDate;
  for (const char* factor : {"", "1)/100) as vrcomis from saida s --"}) {
    SCOPED_TRACE(factor);
    t.ui.shown.clear();
    f.percentual = factor;
    t.q.consultar(f);
    EXPECT_EQ(t.q.sqlComissao().isEmpty(), *factor != '\0');
    EXPECT_EQ(t.said(), kNoSales);
    EXPECT_EQ(t.sales().columnCount(), 0);
    EXPECT_EQ(t.q.totais().comissao, "0,00");
  }
}

TEST(ComissaoConsulta, CharColumnsComeOutTrimmedAndMasksStillCountAsEmpty) {
  Inquiry t(copyOfDemo("robust-char.fdb", kCharColumns));
  EXPECT_EQ(t.q.vendedores().value(0), "CARLOS ANDRADE");
  ASSERT_TRUE(t.q.consultar(march(Modo::Vendedor, "CARLOS ANDRADE")));
  EXPECT_EQ(t.said(), "");
  // Sale 21: the CPF is the padded empty mask; sale 22: both masks padded.
  EXPECT_EQ(rowFor(t.sales(), "21") + rowFor(t.sales(), "22").mid(1, 1),
            (QStringList{QStringLiteral("MERCADINHO SÃO JOÃO LTDA"), "23.456.789/0001-01",
                         "CARLOS ANDRADE", "21", "5,00", "04/03/2024", "25,00", "500,00", "BOLETO 30/60/90 DIAS",
                         "04/03/2024", ""}));
  ASSERT_EQ(t.cancelled().rowCount(), 1);
  EXPECT_EQ(t.cancelled().row(0).mid(2), (QStringList{"CARLOS ANDRADE", "27", "5,00", "05/03/2024", "20,00",
                                                      "15/03/2024", "CLIENTE DESISTIU DA COMPRA",
                                                      "ADMIN"}));

  // The referrer look-up and its check on padded names.
  const auto found = t.q.procurarIndicacao("BEA");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->primeiro, QStringLiteral("BEATRIZ ÁLVARES MENDES"));
  Filtros f = march(Modo::Indicacao, found->primeiro);
  f.percentual = "2,5";
  ASSERT_TRUE(t.q.consultar(f));
  EXPECT_EQ(t.said(), "");
  EXPECT_EQ(t.q.codIndicacao(), 40000);
  EXPECT_EQ(t.sales().rowCount(), 3);
}

TEST(ComissaoConsulta, NullsLeaveCellsEmptyAndCountAsZero) {
  Inquiry t(copyOfDemo(
      "robust-null.fdb",
      {"update interveniente set innome = null, incpf = null, incnpj = null where incod = 11",
       "update saida set datasaida = null, savrpago = null where sacod in (21, 29)",
       "update funcionario set funome = null where fucod = 5",
       "update cancelamento set cnmotivo = null, cnusuario = null where sacod = 29",
       "update comissaoitem set copercreal = null, covrcomissao = null where fksacod = 29"}));
  EXPECT_FALSE(t.q.vendedores().contains(QStringLiteral("ROBERTO MENDONÇA")));
  ASSERT_TRUE(t.q.consultar(march()));
  EXPECT_EQ(t.said(), "");
  // Empty client, document and dates; no amount paid and no ICMS-ST: 0.
  EXPECT_EQ(rowFor(t.sales(), "21"),
            (QStringList{"", "", "CARLOS ANDRADE", "21", "5,00", "", "0,00", "0,00",
                         "BOLETO 30/60/90 DIAS", ""}));
  EXPECT_EQ(t.q.totais().pedidos, "Nro. de Pedidos: 4");
  EXPECT_EQ(rowFor(t.cancelled(), "29"), (QStringList{"", "", QStringLiteral("MARIA CONCEIÇÃO ARAÚJO"),
                                                     "29", "", "", "", "31/03/2024", "", ""}));

  // Representative mode: the representative's null name and a null amount.
  ASSERT_TRUE(t.q.consultar(march(Modo::Representante)));
  EXPECT_EQ(t.said(), "");
  EXPECT_EQ(rowFor(t.sales(), "21").mid(2), (QStringList{"", "21", "3,00", "", ""}));
}
