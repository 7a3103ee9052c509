// The inquiry without its window, against the demo database and against a
// copy of it with CHAR (blank-padded) text columns and nulls.
#include "commission/comissaomodel.h"

#include <gtest/gtest.h>

#include "commission_testutil.h"

using namespace commissiontest;
using namespace comissao;
using L = QStringList;

namespace {

struct Inquiry {
  modCnn m;
  ui::ScriptedUi ui;
  ComissaoConsulta q{m, ui};
  explicit Inquiry(const QString& db = {}) {
    m.Cnn.open(db.isEmpty() ? testsupport::fixtureConnectionString() : connectionTo(db));
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
  ASSERT_TRUE(t.q.consultar(period(kEmptyDate, kEmptyDate)));
  EXPECT_EQ(t.sales().rowCount(), 12);
  const QString kept = t.q.sqlComissao(), commission = t.q.totais().comissao;
  const struct {
    const char *from, *to, *person;
    Modo mode;
    const char* percent;
    L shown;
  } cases[] = {
      {"99/99/9999", kEmptyDate, "FULANO", Modo::Vendedor, "", {date, seller}},
      {kEmptyDate, "31/02/2024", "", Modo::Representante, "", {date, seller}},
      {kEmptyDate, kEmptyDate, "NINGUÉM", Modo::Indicacao, "2", {referrer}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown.join(' ').toStdString());
    Filtros f = period(c.from, c.to, QString::fromUtf8(c.person), c.mode);
    f.todos = false;
    f.percentual = c.percent;
    t.ui.shown.clear();
    EXPECT_FALSE(t.q.consultar(f, [] { ADD_FAILURE() << "busy before the checks passed"; }));
    EXPECT_EQ(t.shown(), c.shown);
    EXPECT_EQ(t.q.sqlComissao(), kept);
    EXPECT_EQ(t.sales().rowCount(), 12);
    EXPECT_EQ(t.totals().mid(0, 3), L({commission, "", ""}));
  }

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
    EXPECT_EQ(t.shown(), L{"Não há registros de comissão com os dados informados.|Talvora|" +
                           QString::number(int(ui::Icon::Exclamation))});
    EXPECT_EQ(t.sales().columnCount(), 0);
    EXPECT_EQ(t.totals()[0], "0,00");
  }
}

// March in each mode: the rows of both grids and their totals (the seller
// reversals come in no set order, so the reversal rows are compared
// sorted); with one reversal date, no reversal query and the reversals
// stay.
TEST(ComissaoConsulta, MarchInEveryMode) {
  Filtros cases[] = {march(), march(Modo::Representante, "ROBERTO MENDONÇA"),
                     march(Modo::Indicacao, "BEATRIZ ÁLVARES MENDES")};
  cases[2].percentual = "2,5";
  L actual;  // testdata/consulta_marco.lines
  for (Filtros& f : cases) {
    Inquiry t;
    ASSERT_TRUE(t.q.consultar(f));
    const L heads = t.sales().headers().mid(2, 2);
    EXPECT_EQ(t.cancelled().headers().mid(2),
              heads + L({"% Comiss", "Venda", "R$ Comiss", "Cancel.", "Motivo", "Usuario"}));
    L reversals = summary(t.cancelled());
    reversals.sort();
    const L totals = t.totals();
    actual << "= " + heads.join(' ');
    for (const QString& l : summary(t.sales())) actual << "venda " + l;
    actual << "totais " + totals.join('|');
    for (const QString& l : reversals) actual << "estorno " + l;
    f.cancelamentoAte = kEmptyDate;
    ASSERT_TRUE(t.q.consultar(f));
    EXPECT_EQ(t.cancelled().rowCount(), reversals.size());
    EXPECT_EQ(t.totals()[3], totals[3]);
  }
  testsupport::expectGoldenLines(actual, "src/commission/testdata/consulta_marco.lines");
}

// The seller grid's captions and customer documents: CPF as the empty mask
// gives the CNPJ, both masks give nothing. January's sale 31 has a null
// ICMS-ST, counted as 0. The seller grid groups thousands; the same sale at
// 10 % in referral mode not.
TEST(ComissaoConsulta, DocumentsNullIcmsStAndGrouping) {
  Inquiry t;
  t.q.consultar(march());
  EXPECT_EQ(t.sales().headers(), L({"Cliente", "Cnpj/Cpf", "Funcionário", "O.P.", "% Comiss", "Venda",
                                    "R$ Comiss", "R$ Venda", "Pagto..", "Venda"}));
  EXPECT_EQ(column(t.sales(), 1), L({"23.456.789/0001-01", "", "123.456.789-09", "987.654.321-00"}));
  EXPECT_EQ(rowFor(t.sales(), "24")[7], "1.234,50");
  t.q.consultar(period("01/01/2024", "31/01/2024"));
  EXPECT_EQ(rowFor(t.sales(), "31").mid(6, 2), L({"3,70", "74,00"}));
  Filtros f = period("01/04/2024", "30/04/2024", "ANTÔNIO CARLOS INDICAÇÕES", Modo::Indicacao);
  f.percentual = "10";
  t.q.consultar(f);
  EXPECT_EQ(summary(t.sales()) << t.totals()[0],
            L({"28 ANTÔNIO CARLOS INDICAÇÕES 10,00 2479,00", "2479,00"}));
}

// CHAR text columns come out trimmed, their padded masks still empty, and
// a padded name passes the seller check. Nulls (sale 23's client, dates and
// amount paid; CARLOS's commission on reversed sale 27) leave cells empty, a
// null amount paid counting as 0.
TEST(ComissaoConsulta, CharColumnsAndNulls) {
  Inquiry t(copyOfDemo(
      "robust.fdb",
      kCharColumns + L{"update interveniente set innome = null, incpf = null, incnpj = null where incod = 10",
                       "update saida set datasaida = null, savrpago = null where sacod in (23, 27)",
                       "update comissaoitem set copercreal = null, covrcomissao = null where cocod in (1, 2)"}));
  EXPECT_EQ(t.q.vendedores().value(0), "CARLOS ANDRADE");
  EXPECT_EQ(t.q.procurarIndicacao("BEA").value().primeiro, "BEATRIZ ÁLVARES MENDES");
  ASSERT_TRUE(t.q.consultar(march(Modo::Vendedor, "CARLOS ANDRADE")));
  // Sale 21: the CPF is the padded empty mask; sale 22: both masks padded.
  EXPECT_EQ(rowFor(t.sales(), "21") + rowFor(t.sales(), "22").mid(1, 1),
            L({"MERCADINHO SÃO JOÃO LTDA", "23.456.789/0001-01", "CARLOS ANDRADE", "21", "5,00",
               "04/03/2024", "25,00", "500,00", "BOLETO 30/60/90 DIAS", "04/03/2024", ""}));
  EXPECT_EQ(rowFor(t.sales(), "23"), L({"", "", "CARLOS ANDRADE", "23", "5,00", "", "0,00", "0,00", "PIX", ""}));
  EXPECT_EQ(rowFor(t.cancelled(), "27"), L({"", "", "CARLOS ANDRADE", "27", "", "", "", "15/03/2024",
                                           "CLIENTE DESISTIU DA COMPRA", "ADMIN"}));
}
