#include "reports/dataenvironment.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTextStream>
#include <gtest/gtest.h>

#include "reports/reports_testutil.h"
#include "startup/errors.h"

namespace reports {
namespace {

using testutil::demoContext;

QStringList columnsOf(const ShapedSet& s) { return s.columns ? s.columns->names() : QStringList(); }

// The whole tree of a record set as text: every value of every row, and
// below each row its child record sets.
void dump(const ShapedSet& s, QString& out, int depth = 0) {
  const QString indent(depth * 2, ' ');
  out += indent + s.name + " [" + columnsOf(s).join(',') + "] " + QString::number(s.rows.size()) + "\n";
  for (const ShapedRow& row : s.rows) {
    QStringList values;
    for (const Value& v : row.values) values << v.toText();
    out += indent + "  " + values.join('|') + "\n";
    for (const ShapedSet& c : row.children) dump(c, out, depth + 2);
  }
}

QString tree(const ShapedSet& s) {
  QString out;
  dump(s, out);
  return out;
}

std::vector<int> keysOf(modCnn& m, const QString& sql) {
  std::vector<int> keys;
  Recordset rs;
  rs.open(sql, m.Cnn);
  while (!rs.eof()) {
    keys.push_back(int(rs.field("K").toDouble()));
    rs.MoveNext();
  }
  keys.push_back(0);           // no such row
  keys.push_back(987654321);   // no such row
  return keys;
}

TEST(DataEnvironment, PedidoReturnsTheSaleWithItsItemsAndTheProductTaxColumns) {
  auto m = demoContext();
  DataEnvironment de(*m);
  EXPECT_EQ(de.rs("PEDIDO").State(), 0);
  de.execute("PEDIDO", 1);
  const CommandRecordset& rs = de.rs("PEDIDO");
  EXPECT_EQ(rs.State(), 1);
  const ShapedSet& s = rs.set();
  ASSERT_EQ(s.rows.size(), 1u);
  EXPECT_EQ(s.value(0, "SACOD").toText(), "1");
  EXPECT_EQ(s.value(0, "innome").toText(), "JOSÉ D'ÁVILA");
  // Computed columns.
  EXPECT_DOUBLE_EQ(s.value(0, "VRCOMFRETE").toDouble(), 207.0);
  EXPECT_DOUBLE_EQ(s.value(0, "VRCOMTROCA").toDouble(),
                   s.value(0, "VRCOMFRETE").toDouble() - s.value(0, "SAVRTROCA").toDouble());
  const ShapedSet* items = s.child(0, "ITEMSAIDA");
  ASSERT_NE(items, nullptr);
  ASSERT_EQ(items->rows.size(), 3u);
  for (size_t i = 0; i < items->rows.size(); ++i)
    EXPECT_EQ(items->value(i, "ITFKSACOD").toText(), "1");
  EXPECT_TRUE(items->knowsColumn("PRCLASS"));
  EXPECT_TRUE(items->knowsColumn("PRCST"));
  EXPECT_THROW(items->value(0, "NAOEXISTE"), RuntimeError);
}

TEST(DataEnvironment, PedidoWithZeroGivesNoParentRow) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("PEDIDO", 0);
  EXPECT_EQ(de.rs("PEDIDO").State(), 1);
  EXPECT_TRUE(de.rs("PEDIDO").eof());
  EXPECT_TRUE(de.rs("PEDIDO").set().rows.empty());
}

TEST(DataEnvironment, PedidoAndPedidoTrocaStayOpenSideBySide) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("PEDIDO", 4);
  de.execute("PEDIDO_TROCA", 4);
  ASSERT_EQ(de.rs("PEDIDO").State(), 1);
  ASSERT_EQ(de.rs("PEDIDO_TROCA").State(), 1);
  const ShapedSet& sale = de.rs("PEDIDO").set();
  const ShapedSet& exchange = de.rs("PEDIDO_TROCA").set();
  ASSERT_EQ(exchange.rows.size(), 1u);
  EXPECT_EQ(exchange.child(0, "ITEMSAIDA_TROCA")->rows.size(), 2u);
  EXPECT_GT(sale.child(0, "ITEMSAIDA")->rows.size(), 2u);
  EXPECT_FALSE(exchange.knowsColumn("SAVRTROCA"));
  de.rs("PEDIDO").Close();
  EXPECT_EQ(de.rs("PEDIDO").State(), 0);
  EXPECT_EQ(de.rs("PEDIDO_TROCA").State(), 1);
}

TEST(DataEnvironment, ChildRowsFollowTheirOrderBy) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("KIT", 60);
  const ShapedSet* parts = de.rs("KIT").set().child(0, "MP_KIT");
  ASSERT_NE(parts, nullptr);
  ASSERT_EQ(parts->rows.size(), 5u);
  for (size_t i = 0; i < parts->rows.size(); ++i)
    EXPECT_EQ(parts->value(i, "KITORDEM").toDouble(), double(i + 1));

  de.execute("OS", QString("1"));
  const ShapedSet* services = de.rs("OS").set().child(0, "SERVICO");
  ASSERT_EQ(services->rows.size(), 3u);
  for (size_t i = 1; i < services->rows.size(); ++i)
    EXPECT_LE(services->value(i - 1, "ITOSTIPO").toText(), services->value(i, "ITOSTIPO").toText());

  de.execute("TABELAPRECO", 1);
  const ShapedSet* products = de.rs("TABELAPRECO").set().child(0, "ITENSTABELA");
  ASSERT_EQ(products->rows.size(), 10u);
  for (size_t i = 1; i < products->rows.size(); ++i)
    EXPECT_LE(products->value(i - 1, "PRNOME").toText().compare(products->value(i, "PRNOME").toText()), 0);
}

TEST(DataEnvironment, ProductionItemsCarryTheirOwnMaterialsAndAnItemWithoutMaterialStays) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("PRODUCAO", 1);
  const ShapedSet& order = de.rs("PRODUCAO").set();
  ASSERT_EQ(order.rows.size(), 1u);
  const ShapedSet* items = order.child(0, "PROITENS");
  ASSERT_NE(items, nullptr);
  ASSERT_EQ(items->rows.size(), 3u);
  size_t withoutMaterial = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) {
    const ShapedSet* materials = items->child(i, "PROMPITENS");
    ASSERT_NE(materials, nullptr);
    if (materials->rows.empty()) ++withoutMaterial;
    for (size_t k = 0; k < materials->rows.size(); ++k) {
      EXPECT_EQ(materials->value(k, "FKITCOD").toText(), items->value(i, "ITCOD").toText());
      if (k > 0)
        EXPECT_LT(materials->value(k - 1, "MPCOD").toDouble(), materials->value(k, "MPCOD").toDouble());
    }
  }
  EXPECT_EQ(withoutMaterial, 1u);
}

TEST(DataEnvironment, OsTakesAtMostEightCharacters) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("OS", QString("1"));
  ASSERT_EQ(de.rs("OS").set().rows.size(), 1u);
  // "000000001" is cut to "00000000", which is no service order.
  de.execute("OS", QString("000000001"));
  EXPECT_TRUE(de.rs("OS").set().rows.empty());
  de.execute("OS", QString("00000001"));
  EXPECT_EQ(de.rs("OS").set().rows.size(), 1u);
  EXPECT_THROW(de.execute("OS", 1), RuntimeError);
  EXPECT_THROW(de.execute("PEDIDO", QString("1")), RuntimeError);
  EXPECT_THROW(de.rs("NAOEXISTE"), RuntimeError);
}

// The engine reads only the child rows of the parent rows; the result must
// be what the whole child query gives, row for row and in the same order.
TEST(DataEnvironment, FilteredChildrenEqualTheWholeChildQueryForEveryCommand) {
  auto m = demoContext();
  struct Case {
    QString command, keys;
  };
  const std::vector<Case> cases = {
      {"PEDIDO", "select sacod as k from saida"},
      {"PEDIDO_TROCA", "select sacod as k from saida"},
      {"OS", "select oscod as k from os"},
      {"PEDCOMP", "select encod as k from entradacompra"},
      {"SR", "select sacod as k from saidaresumida"},
      {"KIT", "select distinct fkprcodkit as k from kit"},
      {"PRODUCAO", "select pcod as k from producao"},
      {"TABELAPRECO", "select distinct tbcod as k from tabelaproduto"},
  };
  int compared = 0;
  DataEnvironment filtered(*m), whole(*m);
  for (const Case& c : cases) {
    for (int key : keysOf(*m, c.keys)) {
      if (c.command == "OS") {
        filtered.execute(c.command, QString::number(key));
        whole.execute(c.command, QString::number(key), DataEnvironment::ChildRows::All);
      } else {
        filtered.execute(c.command, key);
        whole.execute(c.command, key, DataEnvironment::ChildRows::All);
      }
      const ShapedSet& a = filtered.rs(c.command).set();
      const ShapedSet& b = whole.rs(c.command).set();
      // Columns of an empty child set are unknown when no child query ran.
      if (a.rows.empty()) {
        EXPECT_TRUE(b.rows.empty()) << c.command.toStdString() << " " << key;
        continue;
      }
      EXPECT_EQ(tree(a), tree(b)) << c.command.toStdString() << " " << key;
      ++compared;
    }
  }
  EXPECT_GE(compared, 40);
}

// Rows that tie on a child's ORDER BY keep, in the filtered query, the
// order the whole query gives them.
TEST(DataEnvironment, FilteredChildrenKeepTheOrderOfTies) {
  const QString db = QDir(testsupport::scratchDir()).filePath("ties.fdb");
  QFile::remove(db);
  ASSERT_TRUE(QFile::copy(TL_BINARY_DIR "/fixture/demo.fdb", db));
  QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
  modCnn m;
  m.Cnn.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" + db);
  const char* rows[] = {
      "INSERT INTO os (oscod, osid, fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo, osdataentrada) "
      "SELECT 5, 'OS-5', fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo, osdataentrada FROM os WHERE oscod = 1",
      "INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome) VALUES (501, 5, 'SERVIÇO', 'A')",
      "INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome) VALUES (502, 5, 'PEÇA', 'B')",
      "INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome) VALUES (503, 5, 'SERVIÇO', 'C')",
      "INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome) VALUES (504, 5, 'PEÇA', 'D')",
      "INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome) VALUES (505, 5, 'SERVIÇO', 'E')",
      "INSERT INTO produto (prcod, prnome, prbarra) VALUES (70, 'GRELHA', '70')",
      "INSERT INTO produto (prcod, prnome, prbarra) VALUES (71, 'GRELHA', '71')",
      "INSERT INTO produto (prcod, prnome, prbarra) VALUES (72, 'GRELHA', '72')",
      "INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (4, 72, 32)",
      "INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (4, 70, 30)",
      "INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (4, 71, 31)",
      "INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (4, 1, 1899)",
      "INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (20, 70, 5, 1, 2)",
      "INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (21, 70, 3, 1, 1)",
      "INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (22, 70, 4, 1, 1)",
      "INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (23, 70, 6, 1, 2)",
  };
  {
    QSqlQuery q(m.Cnn.database());
    for (const char* sql : rows) ASSERT_TRUE(q.exec(QString::fromUtf8(sql))) << sql;
    m.Cnn.database().commit();
  }
  DataEnvironment filtered(m), whole(m);
  filtered.execute("OS", QString("5"));
  whole.execute("OS", QString("5"), DataEnvironment::ChildRows::All);
  ASSERT_EQ(filtered.rs("OS").set().child(0, "SERVICO")->rows.size(), 5u);
  EXPECT_EQ(tree(filtered.rs("OS").set()), tree(whole.rs("OS").set()));
  filtered.execute("TABELAPRECO", 4);
  whole.execute("TABELAPRECO", 4, DataEnvironment::ChildRows::All);
  ASSERT_EQ(filtered.rs("TABELAPRECO").set().child(0, "ITENSTABELA")->rows.size(), 4u);
  EXPECT_EQ(tree(filtered.rs("TABELAPRECO").set()), tree(whole.rs("TABELAPRECO").set()));
  filtered.execute("KIT", 70);
  whole.execute("KIT", 70, DataEnvironment::ChildRows::All);
  ASSERT_EQ(filtered.rs("KIT").set().child(0, "MP_KIT")->rows.size(), 4u);
  EXPECT_EQ(tree(filtered.rs("KIT").set()), tree(whole.rs("KIT").set()));
}

TEST(DataEnvironment, OnlyTheOrdersItemRowsAreRead) {
  auto m = demoContext();
  DataEnvironment filtered(*m), whole(*m);
  filtered.execute("PEDIDO", 1);
  whole.execute("PEDIDO", 1, DataEnvironment::ChildRows::All);
  EXPECT_EQ(filtered.rowsRead(), 1u + 3u);
  Recordset count;
  count.open("select count(*) as n from itemsaida i inner join produto p on (p.prcod=i.itfkprcod)",
             m->Cnn);
  EXPECT_EQ(whole.rowsRead(), 1u + size_t(count.field("N").toDouble()));
  EXPECT_GT(whole.rowsRead(), 100u);
}

TEST(DataEnvironment, ConnectionTlIsTheProgramsOwnWithoutAnOdbcDataSource) {
  auto m = demoContext();
  qputenv("ODBCINI", QByteArray(TL_BINARY_DIR "/nao-existe-odbc.ini"));
  DataEnvironment de(*m);
  EXPECT_EQ(&de.TL(), &m->Cnn);
  EXPECT_FALSE(de.usesOdbcDataSource());
  qunsetenv("ODBCINI");
}

TEST(DataEnvironment, AnOdbcDataSourceNamedTlIsFound) {
  const QString ini = QDir(testsupport::scratchDir()).filePath("odbc.ini");
  QFile f(ini);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("[outra]\nDriver=SQLite3\nDatabase=/tmp/x.db\n\n[TL]\nDriver=SQLite3\nDatabase=/tmp/y.db\n");
  f.close();
  qputenv("ODBCINI", ini.toLocal8Bit());
  EXPECT_TRUE(odbcDataSourceDefined("tl"));
  EXPECT_TRUE(odbcDataSourceDefined("outra"));
  EXPECT_FALSE(odbcDataSourceDefined("tl2"));
  qunsetenv("ODBCINI");
}

}  // namespace
}  // namespace reports

namespace reports {
namespace {

TEST(RelationKey, ValuesRelateAsTheDatabaseComparesThem) {
  EXPECT_EQ(relationKey(Value::integer(12)), relationKey(Value::decimal(12.0)));
  EXPECT_EQ(relationKey(Value::integer(12)), relationKey(Value::text("12")));
  // A CHAR(8) key padded with blanks meets the same key in a VARCHAR column.
  EXPECT_EQ(relationKey(Value::text("A12     ")), relationKey(Value::text("A12")));
  EXPECT_NE(relationKey(Value::text(" A12")), relationKey(Value::text("A12")));
  EXPECT_NE(relationKey(Value::integer(12)), relationKey(Value::integer(120)));
}

}  // namespace
}  // namespace reports
