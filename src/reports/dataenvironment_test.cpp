#include "reports/dataenvironment.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "reports/reports_testutil.h"

namespace reports {
namespace {

using testutil::demoContext;

// The whole tree of a record set as text: its columns, every value of every
// row, and below each row its child record sets.
QString tree(const ShapedSet& s, int depth = 0) {
  QString out = QString(depth, ' ') + s.name + " [" + (s.columns ? s.columns->names().join(',') : QString()) +
                "] " + QString::number(s.rows.size()) + "\n";
  for (const ShapedRow& row : s.rows) {
    QStringList values;
    for (const Value& v : row.values) values << v.toText();
    out += QString(depth + 1, ' ') + values.join('|') + "\n";
    for (const ShapedSet& c : row.children) out += tree(c, depth + 2);
  }
  return out;
}

// Runs a command with a key (OS takes it as text).
void execute(DataEnvironment& de, const QString& command, int key,
             DataEnvironment::ChildRows rows = DataEnvironment::ChildRows::OfParentRows) {
  if (command == "OS") de.execute(command, QString::number(key), rows);
  else de.execute(command, key, rows);
}

// The command run reading only the parent rows' children and reading the
// whole child query: the trees must be equal, row for row and in order.
// False when no parent row came back.
bool expectFilteredEqualsWhole(DataEnvironment& filtered, DataEnvironment& whole,
                               const QString& command, int key) {
  execute(filtered, command, key);
  execute(whole, command, key, DataEnvironment::ChildRows::All);
  const ShapedSet& a = filtered.rs(command).set();
  const ShapedSet& b = whole.rs(command).set();
  EXPECT_EQ(a.rows.size(), b.rows.size());
  // Without a parent row the filtered run reads no child query, so knows no child columns.
  if (!a.rows.empty()) {
    EXPECT_EQ(tree(a), tree(b));
  }
  return !a.rows.empty();
}

TEST(DataEnvironment, PedidoReturnsTheSaleWithItsItemsAndPedidoTrocaStaysOpenBesideIt) {
  auto m = demoContext();
  DataEnvironment de(*m);
  EXPECT_EQ(de.rs("PEDIDO").State(), 0);
  de.execute("PEDIDO", 1);
  EXPECT_EQ(de.rs("PEDIDO").State(), 1);
  const ShapedSet& s = de.rs("PEDIDO").set();
  ASSERT_EQ(s.rows.size(), 1u);
  EXPECT_EQ(s.value(0, "SACOD").toText(), "1");
  EXPECT_EQ(s.value(0, "innome").toText(), "JOSÉ D'ÁVILA");
  EXPECT_DOUBLE_EQ(s.value(0, "VRCOMFRETE").toDouble(), 207.0);
  EXPECT_DOUBLE_EQ(s.value(0, "VRCOMTROCA").toDouble(),
                   s.value(0, "VRCOMFRETE").toDouble() - s.value(0, "SAVRTROCA").toDouble());
  const ShapedSet* items = s.child(0, "ITEMSAIDA");
  ASSERT_EQ(items->rows.size(), 3u);
  for (size_t i = 0; i < items->rows.size(); ++i) EXPECT_EQ(items->value(i, "ITFKSACOD").toText(), "1");
  EXPECT_TRUE(items->knowsColumn("PRCLASS"));
  EXPECT_TRUE(items->knowsColumn("PRCST"));
  EXPECT_THROW(items->value(0, "NAOEXISTE"), RuntimeError);
  // Only the order's item rows were read.
  EXPECT_EQ(de.rowsRead(), 1u + 3u);

  de.execute("PEDIDO", 4);
  de.execute("PEDIDO_TROCA", 4);
  const ShapedSet& exchange = de.rs("PEDIDO_TROCA").set();
  ASSERT_EQ(exchange.rows.size(), 1u);
  EXPECT_EQ(exchange.child(0, "ITEMSAIDA_TROCA")->rows.size(), 2u);
  EXPECT_GT(de.rs("PEDIDO").set().child(0, "ITEMSAIDA")->rows.size(), 2u);
  EXPECT_FALSE(exchange.knowsColumn("SAVRTROCA"));
  de.rs("PEDIDO").Close();
  EXPECT_EQ(de.rs("PEDIDO").State(), 0);
  EXPECT_EQ(de.rs("PEDIDO_TROCA").State(), 1);

  // PEDIDO 0 opens the record set on no parent row.
  de.execute("PEDIDO", 0);
  EXPECT_EQ(de.rs("PEDIDO").State(), 1);
  EXPECT_TRUE(de.rs("PEDIDO").eof());
}

TEST(DataEnvironment, ChildRowsFollowTheirOrderByUnderTheirOwnParentRow) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("KIT", 60);
  const ShapedSet* parts = de.rs("KIT").set().child(0, "MP_KIT");
  ASSERT_EQ(parts->rows.size(), 5u);
  for (size_t i = 0; i < parts->rows.size(); ++i) EXPECT_EQ(parts->value(i, "KITORDEM").toDouble(), double(i + 1));
  de.execute("TABELAPRECO", 1);
  const ShapedSet* products = de.rs("TABELAPRECO").set().child(0, "ITENSTABELA");
  ASSERT_EQ(products->rows.size(), 10u);
  for (size_t i = 1; i < products->rows.size(); ++i)
    EXPECT_LE(products->value(i - 1, "PRNOME").toText().compare(products->value(i, "PRNOME").toText()), 0);
}

// OS takes at most eight characters: "000000001" is cut to "00000000", no order.
TEST(DataEnvironment, OsKeyIsCutToEightCharacters) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("OS", QString("000000001"));
  EXPECT_TRUE(de.rs("OS").set().rows.empty());
  de.execute("OS", QString("00000001"));
  const ShapedSet* services = de.rs("OS").set().child(0, "SERVICO");
  ASSERT_EQ(services->rows.size(), 3u);
  for (size_t i = 1; i < services->rows.size(); ++i)
    EXPECT_LE(services->value(i - 1, "ITOSTIPO").toText(), services->value(i, "ITOSTIPO").toText());
}

// A key of the wrong type and an unknown command are run-time errors.
TEST(DataEnvironment, WrongKeyTypeAndUnknownCommand) {
  auto m = demoContext();
  DataEnvironment de(*m);
  EXPECT_THROW(de.execute("OS", 1), RuntimeError);
  EXPECT_THROW(de.execute("PEDIDO", QString("1")), RuntimeError);
  EXPECT_THROW(de.rs("NAOEXISTE"), RuntimeError);
}

// Each production item with its own materials; an item without any stays.
TEST(DataEnvironment, GrandchildrenUnderTheirOwnParentRow) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("PRODUCAO", 1);
  const ShapedSet* items = de.rs("PRODUCAO").set().child(0, "PROITENS");
  ASSERT_EQ(items->rows.size(), 3u);
  size_t withoutMaterial = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) {
    const ShapedSet* materials = items->child(i, "PROMPITENS");
    ASSERT_NE(materials, nullptr);
    withoutMaterial += materials->rows.empty();
    for (size_t k = 0; k < materials->rows.size(); ++k) {
      EXPECT_EQ(materials->value(k, "FKITCOD").toText(), items->value(i, "ITCOD").toText());
      if (k > 0) {
        EXPECT_LT(materials->value(k - 1, "MPCOD").toDouble(), materials->value(k, "MPCOD").toDouble());
      }
    }
  }
  EXPECT_EQ(withoutMaterial, 1u);
}

TEST(DataEnvironment, FilteredChildrenEqualTheWholeChildQueryForEveryCommand) {
  auto m = demoContext();
  const std::pair<QString, QString> cases[] = {
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
  for (const auto& [command, keys] : cases) {
    std::vector<int> keyList = {0, 987654321};  // no such rows
    Recordset rs;
    for (rs.open(keys, m->Cnn); !rs.eof(); rs.MoveNext()) keyList.push_back(int(rs.field("K").toDouble()));
    for (int key : keyList) {
      SCOPED_TRACE(command.toStdString() + " " + std::to_string(key));
      compared += expectFilteredEqualsWhole(filtered, whole, command, key);
    }
  }
  EXPECT_GE(compared, 40);
  // The whole child query reads every item row.
  whole.execute("PEDIDO", 1, DataEnvironment::ChildRows::All);
  Recordset count;
  count.open("select count(*) as n from itemsaida i inner join produto p on (p.prcod=i.itfkprcod)", m->Cnn);
  EXPECT_EQ(whole.rowsRead(), 1u + size_t(count.field("N").toDouble()));
  EXPECT_GT(whole.rowsRead(), 100u);
}

// Rows that tie on a child's ORDER BY keep the order the whole query gives them.
TEST(DataEnvironment, FilteredChildrenKeepTheOrderOfTies) {
  const QString db = QDir(testsupport::scratchDir()).filePath("ties.fdb");
  QFile::remove(db);
  ASSERT_TRUE(QFile::copy(TL_BINARY_DIR "/fixture/demo.fdb", db));
  QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
  modCnn m;
  m.Cnn.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" + db);
  QStringList sql = {
      "INSERT INTO os (oscod, osid, fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo, osdataentrada) "
      "SELECT 5, 'OS-5', fkinterveniente, fktecnico, fkobjeto, fksituacao, fktipo, osdataentrada FROM os WHERE oscod = 1"};
  for (int i = 0; i < 5; ++i)  // service, part, service, part, service
    sql << QString("INSERT INTO itemos (itoscod, itfkos, itostipo, itosnome) VALUES (%1, 5, '%2', '%3')")
               .arg(501 + i).arg(i % 2 ? "PEÇA" : "SERVIÇO").arg(QChar('A' + i));
  for (int p : {70, 71, 72})
    sql << QString("INSERT INTO produto (prcod, prnome, prbarra) VALUES (%1, 'GRELHA', '%1')").arg(p);
  for (auto [p, price] : {std::pair{72, 32}, {70, 30}, {71, 31}, {1, 1899}})
    sql << QString("INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (4, %1, %2)").arg(p).arg(price);
  for (auto [kit, part, order] : {std::tuple{20, 5, 2}, {21, 3, 1}, {22, 4, 1}, {23, 6, 2}})
    sql << QString("INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (%1, 70, %2, 1, %3)")
               .arg(kit).arg(part).arg(order);
  QSqlQuery q(m.Cnn.database());
  for (const QString& s : sql) ASSERT_TRUE(q.exec(s)) << s.toStdString();
  m.Cnn.database().commit();
  const std::tuple<QString, int, QString, size_t> cases[] = {
      {"OS", 5, "SERVICO", 5}, {"TABELAPRECO", 4, "ITENSTABELA", 4}, {"KIT", 70, "MP_KIT", 4}};
  DataEnvironment filtered(m), whole(m);
  for (const auto& [command, key, child, rows] : cases) {
    SCOPED_TRACE(command.toStdString());
    ASSERT_TRUE(expectFilteredEqualsWhole(filtered, whole, command, key));
    EXPECT_EQ(filtered.rs(command).set().child(0, child)->rows.size(), rows);
  }
}

TEST(DataEnvironment, ConnectionTlIsTheOdbcDataSourceTlOrElseTheProgramsOwn) {
  auto m = demoContext();
  qputenv("ODBCINI", QByteArray(TL_BINARY_DIR "/nao-existe-odbc.ini"));
  DataEnvironment de(*m);
  EXPECT_EQ(&de.TL(), &m->Cnn);
  EXPECT_FALSE(de.usesOdbcDataSource());
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

TEST(RelationKey, ValuesRelateAsTheDatabaseComparesThem) {
  EXPECT_EQ(relationKey(Value::integer(12)), relationKey(Value::decimal(12.0)));
  EXPECT_EQ(relationKey(Value::integer(12)), relationKey(Value::text("12")));
  // A blank-padded CHAR key meets the same key in a VARCHAR column.
  EXPECT_EQ(relationKey(Value::text("A12     ")), relationKey(Value::text("A12")));
  EXPECT_NE(relationKey(Value::text(" A12")), relationKey(Value::text("A12")));
  EXPECT_NE(relationKey(Value::integer(12)), relationKey(Value::integer(120)));
}

}  // namespace
}  // namespace reports
