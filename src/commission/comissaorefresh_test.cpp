// The refresh procedures against the demo database (rows, formats, totals)
// and against copies with CHAR (blank-padded) text columns or with nulls.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableView>
#include <gtest/gtest.h>

#include "commission_testutil.h"

using namespace commissiontest;

namespace {

// The state &OK leaves before the sales refresh.
void period(Window& t, const QString& from, const QString& to, qint64 seller = 999) {
  t.w->DTINICIAL = from;
  t.w->DTFINAL = to;
  t.w->CODFUNC = seller;
}

const QString kNoSales = QStringLiteral("Não há registros de comissão com os dados informados.");

// Pixels of the grid's cells drawn exactly in the given colour.
int pixelsOf(QTableView* view, const QColor& colour) {
  const QImage img = view->viewport()->grab().toImage();
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y).rgb() == colour.rgb()) ++n;
  return n;
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

}  // namespace

// Commission on the amount paid less ICMS-ST: 5 % of 900,00; then a period
// without sales empties the grid.
TEST(ComissaoRefresh, SellerExampleThenNoRows) {
  Window t;
  period(t, "20240201", "20240229", 1);
  t.w->ATUALIZACOMISSAO_VENDEDOR();
  const auto& g = t.w->gridTabela;
  ASSERT_EQ(g.rowCount(), 1);
  EXPECT_EQ(g.headers(), (QStringList{"Cliente", "Cnpj/Cpf", "Funcionário", "O.P.", "% Comiss",
                                      "Venda", "R$ Comiss", "R$ Venda", "Pagto..", "Venda"}));
  EXPECT_EQ(g.widthsTwips(),
            (QVector<int>{3000, 1700, 2000, 800, 600, 1000, 800, 1100, 2000, 1000}));
  EXPECT_EQ(g.row(0),
            (QStringList{QStringLiteral("JOSÉ D'ÁVILA"), "123.456.789-09", "CARLOS ANDRADE", "20",
                         "5,00", "14/02/2024", "45,00", "900,00", "DINHEIRO", "14/02/2024"}));
  EXPECT_TRUE(t.messages().isEmpty());
  EXPECT_EQ(t.w->LBLCOMIS->text(), "45,00");
  EXPECT_EQ(t.w->LBLTOTAL->text(), "900,00");
  EXPECT_EQ(t.w->LBLPEDIDOS->text(), "Nro. de Pedidos: 1");
  EXPECT_TRUE(t.w->SQLCOMISSAO.contains("and f.fucod='1' "));
  EXPECT_FALSE(t.w->TABELA->isHidden());

  period(t, "20230101", "20231231");
  t.w->ATUALIZACOMISSAO_VENDEDOR();
  ASSERT_EQ(t.ui.shown.size(), 1u);
  EXPECT_EQ(t.ui.shown[0].text, kNoSales);
  EXPECT_EQ(t.ui.shown[0].title, "Talvora");
  EXPECT_EQ(t.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(g.rowCount(), 0);
  EXPECT_EQ(g.columnCount(), 0);
  EXPECT_EQ(t.w->LBLCOMIS->text(), "0,00");
  EXPECT_EQ(t.w->LBLTOTAL->text(), "0,00");
  EXPECT_TRUE(t.w->SQLCOMISSAO.contains("'20230101'"));  // kept for the statements
}

TEST(ComissaoRefresh, SellerMoneyColumnsAreGroupedOthersNot) {
  Window t;
  period(t, "20240401", "20240430", 3);
  t.w->ATUALIZACOMISSAO_VENDEDOR();
  ASSERT_EQ(t.w->gridTabela.rowCount(), 1);
  EXPECT_EQ(t.w->gridTabela.row(0).mid(6, 2), (QStringList{"1.234,50", "24.690,00"}));
  EXPECT_EQ(t.w->LBLCOMIS->text(), "1.234,50");
  EXPECT_EQ(t.w->LBLTOTAL->text(), "24.690,00");

  // The same sale in referral mode at 10 %: 2479,00 without grouping.
  t.w->OPINDICACAO->setChecked(true);
  t.w->COMISS_INDICACAO->setText("10");
  t.w->ININDICACAO->setEditText("ANTÔNIO CARLOS INDICAÇÕES");
  t.w->CODINDICACAO = 40;
  t.w->ATUALIZACOMISSAO_INDICACAO();
  ASSERT_EQ(t.w->gridTabela.rowCount(), 1);
  EXPECT_EQ(t.w->gridTabela.cell(0, 6), "2479,00");
  EXPECT_EQ(t.w->gridTabela.cell(0, 4), "10,00");
  EXPECT_EQ(t.w->LBLCOMIS->text(), "2479,00");
}

// March: CPF as the empty mask gives the CNPJ, both masks give nothing.
// January: sale 31 has no ICMS-ST (null), counted as 0.
TEST(ComissaoRefresh, CustomerDocumentAndNullIcmsSt) {
  Window t;
  period(t, "20240301", "20240331");
  t.w->ATUALIZACOMISSAO_VENDEDOR();
  const auto& g = t.w->gridTabela;
  ASSERT_EQ(column(g, 3), (QStringList{"21", "22", "23", "24"}));
  EXPECT_EQ(column(g, 1).mid(0, 3), (QStringList{"23.456.789/0001-01", "", "123.456.789-09"}));
  EXPECT_EQ(g.cell(3, 0), QStringLiteral("MARIA DAS GRAÇAS FERREIRA"));
  EXPECT_EQ(g.cell(3, 7), "1.234,50");
  EXPECT_EQ(column(g, 6), (QStringList{"25,00", "14,00", "10,00", "30,86"}));
  EXPECT_EQ(t.w->LBLPEDIDOS->text(), "Nro. de Pedidos: 4");

  period(t, "20240101", "20240131");
  t.w->ATUALIZACOMISSAO_VENDEDOR();
  const int r = rowOf(g, 3, "31");
  ASSERT_GE(r, 0);
  EXPECT_EQ(g.cell(r, 7), "74,00");
  EXPECT_EQ(g.cell(r, 6), "3,70");
}

TEST(ComissaoRefresh, SellerCancellationsThenNone) {
  Window t;
  t.march();
  t.w->CODFUNC = 999;
  t.w->ATUALIZACOMISSAOCANCELADA_VENDEDOR();
  const auto& g = t.w->gridTabelaCan;
  EXPECT_TRUE(t.w->SQLESTORNO.contains("between '3/5/2024' and '3/31/2024' group by"));
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
  EXPECT_EQ(t.w->LBLCAN->text(), "38,25");

  t.setDate(t.w->CAINICIAL, "01012023");
  t.setDate(t.w->CAFINAL, "31012023");
  t.w->ATUALIZACOMISSAOCANCELADA_VENDEDOR();
  EXPECT_EQ(t.messages(),
            QStringList{"Não há registros de estornos de comissão com os dados informados."});
  EXPECT_EQ(t.w->LBLCAN->text(), "0,00");
  EXPECT_EQ(g.columnCount(), 0);
}

// No factor: the database refuses the text. Not a number: the text is
// never built. Both end in the no-rows path.
TEST(ComissaoRefresh, ABadFactorEndsInTheNoRowsPath) {
  for (const char* factor : {"", "1)/100) as vrcomis from saida s --"}) {
    SCOPED_TRACE(factor);
    Window t;
    period(t, "20240301", "20240331");
    t.w->COMISS_INDICACAO->setText(factor);
    t.w->CODINDICACAO = 999;
    t.w->ATUALIZACOMISSAO_INDICACAO();
    EXPECT_EQ(t.w->SQLCOMISSAO.isEmpty(), *factor != '\0');
    EXPECT_EQ(t.messages(), QStringList{kNoSales});
    EXPECT_EQ(t.w->gridTabela.columnCount(), 0);
    EXPECT_EQ(t.w->LBLCOMIS->text(), "0,00");
  }
}

TEST(ComissaoRefresh, GridsAreFilledHiddenAndKeepTheirLook) {
  Window t;
  t.w->show();
  period(t, "20240301", "20240331");
  std::vector<bool> hiddenAtReset;
  QObject::connect(&t.w->gridTabela, &QAbstractItemModel::modelReset,
                   [&] { hiddenAtReset.push_back(t.w->TABELA->isHidden()); });
  t.w->ATUALIZACOMISSAO_VENDEDOR();
  // Cleared first (view shown), then filled once while hidden.
  EXPECT_EQ(hiddenAtReset, (std::vector<bool>{false, true}));
  EXPECT_FALSE(t.w->TABELA->isHidden());
  EXPECT_TRUE(t.w->TABELA->styleSheet().contains("gridline-color: #b4b4b4"));
  EXPECT_EQ(t.w->TABELA->columnWidth(0), comissao::twipsToPixelsX(t.w->TABELA, 3000));
  EXPECT_EQ(t.w->TABELA->columnWidth(7), comissao::twipsToPixelsX(t.w->TABELA, 1100));
  const auto align = [&](int c) {
    return t.w->gridTabela.data(t.w->gridTabela.index(0, c), Qt::TextAlignmentRole)
        .value<Qt::Alignment>();
  };
  EXPECT_TRUE(align(6) & Qt::AlignRight);
  EXPECT_TRUE(align(0) & Qt::AlignLeft);

  // The cancelled grid's text stays dark red after a fill; the other's not.
  t.march();
  t.w->ATUALIZACOMISSAOCANCELADA_VENDEDOR();
  ASSERT_EQ(t.w->gridTabelaCan.rowCount(), 3);
  QApplication::processEvents();
  const QColor darkRed(0xC0, 0, 0);
  EXPECT_GT(pixelsOf(t.w->TABELACAN, darkRed), 0);
  EXPECT_EQ(pixelsOf(t.w->TABELA, darkRed), 0);
}

TEST(ComissaoRobust, CharColumnsComeOutTrimmedAndMasksStillCountAsEmpty) {
  Window t(alteredCopy("robust-char.fdb",
                       {"alter table interveniente alter column innome type char(160)",
                        "alter table interveniente alter column incpf type char(20)",
                        "alter table interveniente alter column incnpj type char(24)",
                        "alter table funcionario alter column funome type char(70)",
                        "alter table formapagamento alter column fpdesc type char(70)",
                        "alter table cancelamento alter column cnmotivo type char(210)",
                        "alter table cancelamento alter column cnusuario type char(40)"}));
  FrmConsComissaoGERAL& w = *t.w;
  EXPECT_EQ(w.FUCOD->itemText(0), "CARLOS ANDRADE");
  t.march();
  w.FUCOD->setEditText("CARLOS ANDRADE");
  w.Command2_Click();
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  const auto& g = w.gridTabela;
  const int r21 = rowOf(g, 3, "21"), r22 = rowOf(g, 3, "22");
  ASSERT_GE(r21, 0);
  ASSERT_GE(r22, 0);
  EXPECT_EQ(g.row(r21).mid(0, 3), (QStringList{QStringLiteral("MERCADINHO SÃO JOÃO LTDA"),
                                               "23.456.789/0001-01",  // padded CPF mask
                                               "CARLOS ANDRADE"}));
  EXPECT_FALSE(g.cell(r21, 8).endsWith(' '));
  EXPECT_EQ(g.cell(r22, 1), "");  // both masks padded
  ASSERT_EQ(w.gridTabelaCan.rowCount(), 1);
  EXPECT_EQ(w.gridTabelaCan.cell(0, 2), "CARLOS ANDRADE");
  EXPECT_EQ(w.gridTabelaCan.row(0).mid(8), (QStringList{"CLIENTE DESISTIU DA COMPRA", "ADMIN"}));

  // The referrer look-up and its check on padded names.
  w.OPINDICACAO->click();
  w.ININDICACAO->setEditText("BEA");
  w.lookUpReferrer();
  EXPECT_EQ(w.ININDICACAO->currentText(), QStringLiteral("BEATRIZ ÁLVARES MENDES"));
  w.COMISS_INDICACAO->setText("2,5");
  w.Command2_Click();
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  EXPECT_EQ(w.CODINDICACAO, 40000);
  EXPECT_EQ(w.gridTabela.rowCount(), 3);
}

TEST(ComissaoRobust, NullsLeaveCellsEmptyAndCountAsZero) {
  Window t(alteredCopy(
      "robust-null.fdb",
      {"update interveniente set innome = null, incpf = null, incnpj = null where incod = 11",
       "update saida set datasaida = null, savrpago = null where sacod in (21, 29)",
       "update funcionario set funome = null where fucod = 5",
       "update cancelamento set cnmotivo = null, cnusuario = null where sacod = 29",
       "update comissaoitem set copercreal = null, covrcomissao = null where fksacod = 29"}));
  FrmConsComissaoGERAL& w = *t.w;
  EXPECT_EQ(w.FUCOD->findText("ROBERTO MENDONÇA"), -1);
  t.march();
  w.OPTODOS->setChecked(true);
  w.Command2_Click();
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  const int r21 = rowOf(w.gridTabela, 3, "21");
  ASSERT_GE(r21, 0);
  const QStringList sale = w.gridTabela.row(r21);
  // Empty client, document and dates; no amount paid and no ICMS-ST: 0.
  for (int c : {0, 1, 5, 9}) EXPECT_EQ(sale[c], "") << c;
  EXPECT_EQ(sale[6], "0,00");
  EXPECT_EQ(sale[7], "0,00");
  EXPECT_EQ(w.LBLPEDIDOS->text(), "Nro. de Pedidos: 4");
  const int c29 = rowOf(w.gridTabelaCan, 3, "29");
  ASSERT_GE(c29, 0);
  for (int c : {4, 6, 8, 9}) EXPECT_EQ(w.gridTabelaCan.cell(c29, c), "") << c;

  // Representative mode: the representative's null name and a null amount.
  w.OPREPRESENTANTE->click();
  w.Command2_Click();
  EXPECT_TRUE(t.messages().isEmpty()) << t.messages().join('|').toStdString();
  const int p21 = rowOf(w.gridTabela, 3, "21");
  ASSERT_GE(p21, 0);
  EXPECT_EQ(w.gridTabela.row(p21).mid(2), (QStringList{"", "21", "3,00", "", ""}));
}
