// The inquiry on a database whose text columns are CHAR (padded with blanks)
// and whose rows carry nulls where the demo has values: nothing fails, the
// texts come out trimmed, a missing value leaves its cell empty.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "commission_testutil.h"

namespace {

// A private copy of the demo database, altered by the given statements.
QString alteredCopy(const QString& name, const QStringList& statements) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  EXPECT_TRUE(QFile::copy(testsupport::fixtureDatabase(), path));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  Connection c(QStringLiteral("alter-") + name);
  c.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" + path);
  for (const QString& s : statements) {
    QSqlQuery q(c.database());
    EXPECT_TRUE(q.exec(s)) << s.toStdString() << ": " << q.lastError().text().toStdString();
  }
  c.close();
  return path;
}

struct Robust {
  modCnn m;
  ui::ScriptedUi ui;
  std::unique_ptr<FrmConsComissaoGERAL> w;
  explicit Robust(const QString& db) {
    m.Cnn.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" +
               db);
    w = std::make_unique<FrmConsComissaoGERAL>(m, ui);
    w->Form_Load();
  }
  void date(QLineEdit* f, const QString& digits) {
    f->clear();
    f->setCursorPosition(0);
    f->insert(digits);
  }
};

int rowOf(const CommissionGridModel& g, int column, const QString& text) {
  for (int r = 0; r < g.rowCount(); ++r)
    if (g.cell(r, column) == text) return r;
  return -1;
}

}  // namespace

TEST(ComissaoRobust, CharColumnsComeOutTrimmedAndMasksStillCountAsEmpty) {
  static const QString db = alteredCopy(
      "robust-char.fdb",
      {"alter table interveniente alter column innome type char(160)",
       "alter table interveniente alter column incpf type char(20)",
       "alter table interveniente alter column incnpj type char(24)",
       "alter table funcionario alter column funome type char(70)",
       "alter table formapagamento alter column fpdesc type char(70)",
       "alter table cancelamento alter column cnmotivo type char(210)",
       "alter table cancelamento alter column cnusuario type char(40)"});
  Robust t(db);
  FrmConsComissaoGERAL& w = *t.w;
  EXPECT_EQ(w.FUCOD->itemText(0), "CARLOS ANDRADE");

  t.date(w.COINICIAL, "01032024");
  t.date(w.COFINAL, "31032024");
  t.date(w.CAINICIAL, "05032024");
  t.date(w.CAFINAL, "31032024");
  w.FUCOD->setEditText("CARLOS ANDRADE");
  w.Command2_Click();
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  const auto& g = w.gridTabela;
  const int r21 = rowOf(g, 3, "21");
  ASSERT_GE(r21, 0);
  EXPECT_EQ(g.cell(r21, 0), QStringLiteral("MERCADINHO SÃO JOÃO LTDA"));
  EXPECT_EQ(g.cell(r21, 1), "23.456.789/0001-01");  // the padded CPF mask is empty
  EXPECT_EQ(g.cell(r21, 2), "CARLOS ANDRADE");
  EXPECT_FALSE(g.cell(r21, 8).endsWith(' '));
  const int r22 = rowOf(g, 3, "22");
  ASSERT_GE(r22, 0);
  EXPECT_EQ(g.cell(r22, 1), "");  // both padded masks
  ASSERT_EQ(w.gridTabelaCan.rowCount(), 1);
  EXPECT_EQ(w.gridTabelaCan.cell(0, 2), "CARLOS ANDRADE");
  EXPECT_EQ(w.gridTabelaCan.cell(0, 8), "CLIENTE DESISTIU DA COMPRA");
  EXPECT_EQ(w.gridTabelaCan.cell(0, 9), "ADMIN");

  // The referrer look-up and its check on padded names.
  w.OPINDICACAO->click();
  w.ININDICACAO->setEditText("BEA");
  w.lookUpReferrer();
  EXPECT_EQ(w.ININDICACAO->currentText(), QStringLiteral("BEATRIZ ÁLVARES MENDES"));
  w.COMISS_INDICACAO->setText("2,5");
  w.Command2_Click();
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  EXPECT_EQ(w.CODINDICACAO, 40000);
  EXPECT_EQ(w.gridTabela.rowCount(), 3);
}

TEST(ComissaoRobust, NullsLeaveCellsEmptyAndCountAsZero) {
  static const QString db = alteredCopy(
      "robust-null.fdb",
      {"update interveniente set innome = null, incpf = null, incnpj = null where incod = 11",
       "update saida set datasaida = null, savrpago = null where sacod in (21, 29)",
       "update funcionario set funome = null where fucod = 5",
       "update cancelamento set cnmotivo = null, cnusuario = null where sacod = 29",
       "update comissaoitem set copercreal = null, covrcomissao = null where fksacod = 29"});
  Robust t(db);
  FrmConsComissaoGERAL& w = *t.w;
  EXPECT_EQ(w.FUCOD->findText("ROBERTO MENDONÇA"), -1);
  t.date(w.COINICIAL, "01032024");
  t.date(w.COFINAL, "31032024");
  t.date(w.CAINICIAL, "05032024");
  t.date(w.CAFINAL, "31032024");
  w.OPTODOS->setChecked(true);
  w.Command2_Click();
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  const auto& g = w.gridTabela;
  const int r21 = rowOf(g, 3, "21");
  ASSERT_GE(r21, 0);
  EXPECT_EQ(g.cell(r21, 0), "");
  EXPECT_EQ(g.cell(r21, 1), "");
  EXPECT_EQ(g.cell(r21, 5), "");
  EXPECT_EQ(g.cell(r21, 9), "");
  EXPECT_EQ(g.cell(r21, 7), "0,00");  // no amount paid, no ICMS-ST
  EXPECT_EQ(g.cell(r21, 6), "0,00");
  EXPECT_EQ(w.LBLPEDIDOS->text(), "Nro. de Pedidos: 4");
  const int c29 = rowOf(w.gridTabelaCan, 3, "29");
  ASSERT_GE(c29, 0);
  EXPECT_EQ(w.gridTabelaCan.cell(c29, 4), "");
  EXPECT_EQ(w.gridTabelaCan.cell(c29, 6), "");
  EXPECT_EQ(w.gridTabelaCan.cell(c29, 8), "");
  EXPECT_EQ(w.gridTabelaCan.cell(c29, 9), "");

  // Representative mode: the representative's null name and a null amount.
  w.OPREPRESENTANTE->click();
  w.Command2_Click();
  EXPECT_TRUE(t.ui.texts().isEmpty()) << t.ui.texts().join('|').toStdString();
  const int p21 = rowOf(w.gridTabela, 3, "21");
  ASSERT_GE(p21, 0);
  EXPECT_EQ(w.gridTabela.cell(p21, 2), "");
  EXPECT_EQ(w.gridTabela.cell(p21, 6), "");
  EXPECT_EQ(w.gridTabela.cell(p21, 4), "3,00");
}
