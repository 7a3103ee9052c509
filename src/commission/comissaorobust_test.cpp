// The inquiry on copies of the demo database with CHAR (blank-padded) text
// columns, or with nulls where the demo has values: nothing fails, texts
// come out trimmed, a missing value leaves its cell empty.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "commission_testutil.h"

using namespace commissiontest;

namespace {

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
