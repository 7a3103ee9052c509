// The inquiry without its window, against the demo database and against
// copies with CHAR (blank-padded) text columns, with nulls, or with many
// generated sales.
#include "commission/comissaomodel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include "commission_testutil.h"
#include "core/errors.h"

using namespace commissiontest;
using comissao::Filtros;
using comissao::Modo;

namespace {

const QString kNoSales = QStringLiteral("Não há registros de comissão com os dados informados.");
const QString kNoReversals =
    QStringLiteral("Não há registros de estornos de comissão com os dados informados.");

struct Inquiry {
  modCnn m;
  ui::ScriptedUi ui;
  comissao::ComissaoConsulta q{m, ui};
  explicit Inquiry(const QString& db = {}) {
    if (db.isEmpty())
      openDemo(m);
    else
      m.Cnn.open(connectionTo(db));
  }
  const CommissionGridModel& sales() const { return q.vendas(); }
  const CommissionGridModel& cancelled() const { return q.cancelados(); }
};

// Emission period of the filters; no seller named means every seller.
Filtros period(const QString& from, const QString& to, const QString& seller = {},
               Modo mode = Modo::Vendedor) {
  Filtros f;
  f.emissaoDe = from;
  f.emissaoAte = to;
  f.modo = mode;
  f.vendedor = seller;
  f.todos = seller.isEmpty();
  return f;
}

Filtros march(Modo mode = Modo::Vendedor) {
  Filtros f = period("01/03/2024", "31/03/2024", {}, mode);
  f.cancelamentoDe = "05/03/2024";
  f.cancelamentoAte = "31/03/2024";
  return f;
}

// A private copy of the demo database, altered by the given statements.
QString alteredCopy(const QString& name, const QStringList& statements) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  EXPECT_TRUE(QFile::copy(testsupport::fixtureDatabase(), path));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  Connection c(QStringLiteral("alter-") + name);
  c.open(connectionTo(path));
  for (const QString& s : statements) {
    QSqlQuery q(c.database());
    EXPECT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
  }
  c.close();
  return path;
}

const QStringList kCharColumns = {
    "alter table interveniente alter column innome type char(160)",
    "alter table interveniente alter column inapelido type char(70)",
    "alter table interveniente alter column incpf type char(20)",
    "alter table interveniente alter column incnpj type char(24)",
    "alter table funcionario alter column funome type char(70)",
    "alter table formapagamento alter column fpdesc type char(70)",
    "alter table cancelamento alter column cnmotivo type char(210)",
    "alter table cancelamento alter column cnusuario type char(40)"};

}  // namespace

// Commission on the amount paid less ICMS-ST: 5 % of 900,00; then a period
// without sales empties the grid.
TEST(ComissaoConsulta, SellerExampleThenNoRows) {
  Inquiry t;
  ASSERT_TRUE(t.q.consultar(period("01/02/2024", "29/02/2024", "CARLOS ANDRADE")));
  ASSERT_EQ(t.sales().rowCount(), 1);
  EXPECT_EQ(t.sales().headers(),
            (QStringList{"Cliente", "Cnpj/Cpf", "Funcionário", "O.P.", "% Comiss", "Venda",
                         "R$ Comiss", "R$ Venda", "Pagto..", "Venda"}));
  EXPECT_EQ(t.sales().widthsTwips(),
            (QVector<int>{3000, 1700, 2000, 800, 600, 1000, 800, 1100, 2000, 1000}));
  EXPECT_EQ(t.sales().row(0),
            (QStringList{QStringLiteral("JOSÉ D'ÁVILA"), "123.456.789-09", "CARLOS ANDRADE", "20",
                         "5,00", "14/02/2024", "45,00", "900,00", "DINHEIRO", "14/02/2024"}));
  EXPECT_TRUE(t.ui.texts().isEmpty());
  const auto& totals = t.q.totais();
  EXPECT_EQ(QStringList({totals.comissao, totals.vendas, totals.pedidos}),
            (QStringList{"45,00", "900,00", "Nro. de Pedidos: 1"}));
  EXPECT_TRUE(t.q.sqlComissao().contains("and f.fucod='1' "));

  ASSERT_TRUE(t.q.consultar(period("01/01/2023", "31/12/2023")));
  ASSERT_EQ(t.ui.shown.size(), 1u);
  EXPECT_EQ(t.ui.shown[0].text, kNoSales);
  EXPECT_EQ(t.ui.shown[0].title, "Talvora");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(t.sales().rowCount(), 0);
  EXPECT_EQ(t.sales().columnCount(), 0);
  EXPECT_EQ(QStringList({totals.comissao, totals.vendas, totals.pedidos}),
            (QStringList{"0,00", "0,00", ""}));
  EXPECT_TRUE(t.q.sqlComissao().contains("'20230101'"));  // kept for the statements
}

// The seller grid groups thousands; the same sale at 10 % in referral mode not.
TEST(ComissaoConsulta, SellerMoneyColumnsAreGroupedOthersNot) {
  Inquiry t;
  t.q.consultar(period("01/04/2024", "30/04/2024", "PEDRO D'ALMEIDA"));
  ASSERT_EQ(t.sales().rowCount(), 1);
  EXPECT_EQ(t.sales().row(0).mid(6, 2), (QStringList{"1.234,50", "24.690,00"}));
  EXPECT_EQ(t.q.totais().comissao, "1.234,50");
  EXPECT_EQ(t.q.totais().vendas, "24.690,00");

  Filtros f = period("01/04/2024", "30/04/2024", {}, Modo::Indicacao);
  f.percentual = "10";
  f.indicacao = QStringLiteral("ANTÔNIO CARLOS INDICAÇÕES");
  f.todos = false;
  t.q.consultar(f);
  EXPECT_EQ(t.q.codIndicacao(), 40);
  ASSERT_EQ(t.sales().rowCount(), 1);
  EXPECT_EQ(t.sales().cell(0, 4), "10,00");
  EXPECT_EQ(t.sales().cell(0, 6), "2479,00");
  EXPECT_EQ(t.q.totais().comissao, "2479,00");
}

// March: CPF as the empty mask gives the CNPJ, both masks give nothing.
// January: sale 31 has no ICMS-ST (null), counted as 0.
TEST(ComissaoConsulta, CustomerDocumentAndNullIcmsSt) {
  Inquiry t;
  t.q.consultar(march());
  const auto& g = t.sales();
  ASSERT_EQ(column(g, 3), (QStringList{"21", "22", "23", "24"}));
  EXPECT_EQ(column(g, 1).mid(0, 3), (QStringList{"23.456.789/0001-01", "", "123.456.789-09"}));
  EXPECT_EQ(g.cell(3, 0), QStringLiteral("MARIA DAS GRAÇAS FERREIRA"));
  EXPECT_EQ(g.cell(3, 7), "1.234,50");
  EXPECT_EQ(column(g, 6), (QStringList{"25,00", "14,00", "10,00", "30,86"}));
  EXPECT_EQ(t.q.totais().pedidos, "Nro. de Pedidos: 4");

  t.q.consultar(period("01/01/2024", "31/01/2024"));
  const int r = rowOf(g, 3, "31");
  ASSERT_GE(r, 0);
  EXPECT_EQ(g.cell(r, 7), "74,00");
  EXPECT_EQ(g.cell(r, 6), "3,70");
}

TEST(ComissaoConsulta, SellerCancellationsThenNone) {
  Inquiry t;
  t.q.consultar(march());
  const auto& g = t.cancelled();
  EXPECT_TRUE(t.q.sqlEstorno().contains("between '3/5/2024' and '3/31/2024' group by"));
  ASSERT_EQ(g.rowCount(), 3);
  EXPECT_EQ(g.headers(), (QStringList{"Cliente", "Cnpj/Cpf", "Funcionário", "O.P.", "% Comiss",
                                      "Venda", "R$ Comiss", "Cancel.", "Motivo", "Usuario"}));
  EXPECT_EQ(g.widthsTwips(),
            (QVector<int>{3000, 1700, 2000, 800, 600, 1000, 800, 1000, 6000, 1500}));
  QStringList rows;
  for (int r = 0; r < g.rowCount(); ++r)
    rows << g.cell(r, 3) + " " + g.cell(r, 2) + " " + g.cell(r, 4) + " " + g.cell(r, 6);
  rows.sort();
  EXPECT_EQ(rows, (QStringList{"27 CARLOS ANDRADE 5,00 20,00", "27 ROBERTO MENDONÇA 3,00 12,00",
                               "29 MARIA CONCEIÇÃO ARAÚJO 2,50 6,25"}));
  const int r29 = rowOf(g, 3, "29");
  ASSERT_GE(r29, 0);
  EXPECT_EQ(g.row(r29).mid(7),
            (QStringList{"31/03/2024", "PRODUTO SEM ESTOQUE NO FORNECEDOR", "GERENTE"}));
  EXPECT_EQ(t.q.totais().cancelado, "38,25");

  Filtros f = march();
  f.cancelamentoDe = "01/01/2023";
  f.cancelamentoAte = "31/01/2023";
  t.q.consultar(f);
  EXPECT_EQ(t.ui.texts(), QStringList{kNoReversals});
  EXPECT_EQ(t.q.totais().cancelado, "0,00");
  EXPECT_EQ(g.columnCount(), 0);
}

// No factor: the database refuses the text. Not a number: the text is
// never built. Both end in the no-rows path.
TEST(ComissaoConsulta, ABadFactorEndsInTheNoRowsPath) {
  for (const char* factor : {"", "1)/100) as vrcomis from saida s --"}) {
    SCOPED_TRACE(factor);
    Inquiry t;
    Filtros f = march(Modo::Indicacao);
    f.percentual = factor;
    f.cancelamentoAte = comissao::kEmptyDate;
    t.q.consultar(f);
    EXPECT_EQ(t.q.sqlComissao().isEmpty(), *factor != '\0');
    EXPECT_EQ(t.ui.texts(), QStringList{kNoSales});
    EXPECT_EQ(t.sales().columnCount(), 0);
    EXPECT_EQ(t.q.totais().comissao, "0,00");
  }
}

TEST(ComissaoConsulta, CharColumnsComeOutTrimmedAndMasksStillCountAsEmpty) {
  Inquiry t(alteredCopy("robust-char.fdb", kCharColumns));
  EXPECT_EQ(t.q.vendedores().value(0), "CARLOS ANDRADE");
  Filtros f = march();
  f.todos = false;
  f.vendedor = "CARLOS ANDRADE";
  ASSERT_TRUE(t.q.consultar(f));
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  const auto& g = t.sales();
  const int r21 = rowOf(g, 3, "21"), r22 = rowOf(g, 3, "22");
  ASSERT_GE(r21, 0);
  ASSERT_GE(r22, 0);
  EXPECT_EQ(g.row(r21).mid(0, 3), (QStringList{QStringLiteral("MERCADINHO SÃO JOÃO LTDA"),
                                               "23.456.789/0001-01",  // padded CPF mask
                                               "CARLOS ANDRADE"}));
  EXPECT_FALSE(g.cell(r21, 8).endsWith(' '));
  EXPECT_EQ(g.cell(r22, 1), "");  // both masks padded
  ASSERT_EQ(t.cancelled().rowCount(), 1);
  EXPECT_EQ(t.cancelled().cell(0, 2), "CARLOS ANDRADE");
  EXPECT_EQ(t.cancelled().row(0).mid(8), (QStringList{"CLIENTE DESISTIU DA COMPRA", "ADMIN"}));

  // The referrer look-up and its check on padded names.
  const auto found = t.q.procurarIndicacao("BEA");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->primeiro, QStringLiteral("BEATRIZ ÁLVARES MENDES"));
  f = march(Modo::Indicacao);
  f.todos = false;
  f.indicacao = found->primeiro;
  f.percentual = "2,5";
  ASSERT_TRUE(t.q.consultar(f));
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  EXPECT_EQ(t.q.codIndicacao(), 40000);
  EXPECT_EQ(t.sales().rowCount(), 3);
}

TEST(ComissaoConsulta, NullsLeaveCellsEmptyAndCountAsZero) {
  Inquiry t(alteredCopy(
      "robust-null.fdb",
      {"update interveniente set innome = null, incpf = null, incnpj = null where incod = 11",
       "update saida set datasaida = null, savrpago = null where sacod in (21, 29)",
       "update funcionario set funome = null where fucod = 5",
       "update cancelamento set cnmotivo = null, cnusuario = null where sacod = 29",
       "update comissaoitem set copercreal = null, covrcomissao = null where fksacod = 29"}));
  EXPECT_FALSE(t.q.vendedores().contains(QStringLiteral("ROBERTO MENDONÇA")));
  ASSERT_TRUE(t.q.consultar(march()));
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  const int r21 = rowOf(t.sales(), 3, "21");
  ASSERT_GE(r21, 0);
  const QStringList sale = t.sales().row(r21);
  // Empty client, document and dates; no amount paid and no ICMS-ST: 0.
  for (int c : {0, 1, 5, 9}) EXPECT_EQ(sale[c], "") << c;
  EXPECT_EQ(sale[6], "0,00");
  EXPECT_EQ(sale[7], "0,00");
  EXPECT_EQ(t.q.totais().pedidos, "Nro. de Pedidos: 4");
  const int c29 = rowOf(t.cancelled(), 3, "29");
  ASSERT_GE(c29, 0);
  for (int c : {4, 6, 8, 9}) EXPECT_EQ(t.cancelled().cell(c29, c), "") << c;

  // Representative mode: the representative's null name and a null amount.
  ASSERT_TRUE(t.q.consultar(march(Modo::Representante)));
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  const int p21 = rowOf(t.sales(), 3, "21");
  ASSERT_GE(p21, 0);
  EXPECT_EQ(t.sales().row(p21).mid(2), (QStringList{"", "21", "3,00", "", ""}));
}

// ---- the seller sales text sent to the database ------------------------------

namespace {

// Every row of a query, each value with its type, or the driver's error.
QStringList rowsOf(const Connection& c, const QString& sql) {
  QSqlQuery q(c.database());
  q.setForwardOnly(true);
  if (!q.exec(sql)) return {"error: " + q.lastError().text()};
  // The record once: the driver asks the catalogue each time for it.
  const QSqlRecord record = q.record();
  QStringList out;
  QStringList names;
  for (int i = 0; i < record.count(); ++i) names << record.fieldName(i);
  out << names.join('|');
  while (q.next()) {
    QStringList row;
    for (int i = 0; i < record.count(); ++i) {
      const QVariant v = q.value(i);
      row << QString(v.metaType().name()) + (v.isNull() ? "<null>" : ":" + v.toString());
    }
    out << row.join('|');
  }
  if (q.lastError().isValid()) out << "error: " + q.lastError().text();
  return out;
}

// Sales 1000 on, in 2025, with what could tell the two texts apart: two
// invoices of one sale in the period, invoices whose nfinnome is '0', sales
// without items, items whose ICMS-ST is null (all of a sale's, or some),
// null amounts, sellers without a position or unknown, movements without
// commission, cancelled and null statuses, and runs of sales equal in every
// column but their code.
const QString kGeneratedSales = R"(
EXECUTE BLOCK AS
  DECLARE i INTEGER = 0;
  DECLARE s INTEGER;
  DECLARE d DATE;
  DECLARE k INTEGER;
BEGIN
  WHILE (i < 700) DO
  BEGIN
    s = 1000 + i;
    d = DATEADD(MOD(i * 7, 365) DAY TO DATE '2025-01-01');
    IF (MOD(i, 10) < 3) THEN d = DATE '2025-03-15';
    INSERT INTO saida (sacod, datasaida, dataentrega, safkinterveniente, safkvendedor, safktppag,
                       safktpsaida, savrtotal, sadesconto, savrpago, status)
      VALUES (:s, :d, IIF(MOD(:i, 5) = 0, NULL, :d), 10 + MOD(:i, 8), 1 + MOD(:i, 9),
              1 + MOD(:i, 4), IIF(MOD(:i, 6) = 0, 2, IIF(MOD(:i, 6) = 1, 3, 1)),
              IIF(MOD(:i, 23) = 0, NULL, 100 + MOD(:i, 3) * 50), IIF(MOD(:i, 19) = 0, NULL, 0),
              IIF(MOD(:i, 17) = 0, NULL, 100 + MOD(:i, 3) * 50),
              IIF(MOD(:i, 31) = 0, 'C', IIF(MOD(:i, 37) = 0, NULL, 'A')));
    k = 0;
    WHILE (k < MOD(i, 4)) DO
    BEGIN
      INSERT INTO itemsaida (itcod, itfksacod, itfkprcod, itqtd, itvrunitario, itvrtotal, vicmsst)
        VALUES (:s * 10 + :k, :s, 1, 1, 50, 50,
                IIF(MOD(:i, 7) = 0 OR (MOD(:i, 3) = 0 AND :k = 0), NULL, 2.5 * :k));
      k = k + 1;
    END
    INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome)
      VALUES (:s * 10, :s, :i + 1, REPLACE(CAST(:d AS VARCHAR(10)), '-', ''),
              IIF(MOD(:i, 13) = 0, '0', 'CLIENTE'));
    IF (MOD(i, 11) = 0) THEN
      INSERT INTO notafiscal (nfcod, fksaida, nfnumerodanota, nfdataemissao, nfinnome)
        VALUES (:s * 10 + 1, :s, :i + 5000, '20250316', IIF(MOD(:i, 29) = 0, '0', 'OUTRO'));
    i = i + 1;
  END
END)";

// A copy of the demo database with the generated sales, written by isql in
// one transaction (through the driver every page is forced out one by one).
QString generatedCopy(const QString& name, const QStringList& alterations) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  EXPECT_TRUE(QFile::copy(testsupport::fixtureDatabase(), path));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  QString script = "SET TERM ^ ;\n" + kGeneratedSales + "^\nSET TERM ; ^\nCOMMIT;\n";
  for (const QString& a : alterations) script += a + ";\nCOMMIT;\n";
  QProcess isql;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ISC_USER", "SYSDBA");
  env.insert("ISC_PASSWORD", "masterkey");
  isql.setProcessEnvironment(env);
  isql.start(qEnvironmentVariable("ISQL", "isql-fb"), {"-q", "-bail", "-ch", "UTF8", path});
  isql.write(script.toUtf8());
  isql.closeWriteChannel();
  EXPECT_TRUE(isql.waitForFinished(120000));
  EXPECT_EQ(isql.exitCode(), 0) << isql.readAllStandardError().toStdString();
  return path;
}

}  // namespace

// The text sent for seller sales returns the rows of the text the window's
// rules build, in the same order, value for value: on the demo database and
// on generated sales with VARCHAR and with CHAR text columns.
TEST(ComissaoConsulta, SentSellerTextGivesTheBuiltTextsRows) {
  const QString generated = generatedCopy("generated.fdb", {});
  const QString generatedChar = generatedCopy("generated-char.fdb", kCharColumns);
  struct Params {
    const char *from, *to;
    qint64 seller;
  };
  const Params params[] = {{"19011231", "30001231", comissao::kTodos},
                           {"20240301", "20240331", comissao::kTodos},
                           {"20250301", "20250331", comissao::kTodos},
                           {"20250315", "20250316", 1},
                           {"20250101", "20251231", 3},
                           {"20230101", "20231231", comissao::kTodos}};
  int compared = 0;
  for (const QString& db : {testsupport::fixtureDatabase(), generated, generatedChar}) {
    Connection c("side-by-side");
    c.open(connectionTo(db));
    for (const Params& p : params) {
      SCOPED_TRACE(db.toStdString() + " " + p.from + "-" + p.to + " " + std::to_string(p.seller));
      const QStringList built = rowsOf(c, comissao::sqlComissaoVendedor(p.from, p.to, p.seller));
      const QStringList sent =
          rowsOf(c, comissao::sqlComissaoVendedorEnviada(p.from, p.to, p.seller));
      ASSERT_FALSE(built.value(0).startsWith("error")) << built.value(0).toStdString();
      ASSERT_EQ(sent.size(), built.size()) << sent.last().toStdString() << "\n"
                                            << built.last().toStdString();
      for (int r = 0; r < built.size(); ++r) ASSERT_EQ(sent[r], built[r]) << "row " << r;
      compared += int(built.size()) - 1;
    }
    c.close();
  }
  EXPECT_GT(compared, 700);
}
