#include "reports/dataenvironment.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>

#include "reports/datacommands.h"
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

// The command (OS takes its key as text) run reading only the parent rows'
// children and reading the whole child query: the trees must be equal, row
// for row and in order. False when no parent row came back.
bool expectFilteredEqualsWhole(DataEnvironment& filtered, DataEnvironment& whole, const QString& command, int key) {
  for (auto [de, rows] : {std::pair{&filtered, DataEnvironment::ChildRows::OfParentRows},
                          {&whole, DataEnvironment::ChildRows::All}})
    command == "OS" ? de->execute(command, QString::number(key), rows) : de->execute(command, key, rows);
  const ShapedSet &a = filtered.rs(command).set(), &b = whole.rs(command).set();
  EXPECT_EQ(a.rows.size(), b.rows.size());
  // Without a parent row the filtered run reads no child query, so knows no child columns.
  if (a.rows.empty()) return false;
  EXPECT_EQ(tree(a), tree(b));
  return true;
}

TEST(DataEnvironment, PedidoReturnsTheSaleWithItsItemsAndPedidoTrocaStaysOpenBesideIt) {
  auto m = demoContext();
  DataEnvironment de(*m);
  EXPECT_EQ(de.rs("PEDIDO").State(), 0);
  de.execute("PEDIDO", 1);
  const ShapedSet& s = de.rs("PEDIDO").set();
  ASSERT_TRUE(de.rs("PEDIDO").State() == 1 && s.rows.size() == 1);
  EXPECT_EQ(s.value(0, "innome").toText(), "JOSÉ D'ÁVILA");
  EXPECT_DOUBLE_EQ(s.value(0, "VRCOMFRETE").toDouble(), 207.0);
  const ShapedSet* items = s.child(0, "ITEMSAIDA");
  ASSERT_EQ(items->rows.size(), 3u);
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(items->value(i, "ITFKSACOD").toText(), "1");
  EXPECT_EQ(de.rowsRead(), 1u + 3u);  // only the order's item rows were read
  de.execute("PEDIDO_TROCA", 4);
  const ShapedSet& exchange = de.rs("PEDIDO_TROCA").set();
  EXPECT_TRUE(exchange.rows.size() == 1 && exchange.child(0, "ITEMSAIDA_TROCA")->rows.size() == 2);
  EXPECT_EQ(de.rs("PEDIDO").set().child(0, "ITEMSAIDA")->rows.size(), 3u);
  de.rs("PEDIDO").Close();
  EXPECT_TRUE(de.rs("PEDIDO").State() == 0 && de.rs("PEDIDO_TROCA").State() == 1);
  de.execute("PEDIDO", 0);  // opens the record set on no parent row
  EXPECT_TRUE(de.rs("PEDIDO").State() == 1 && de.rs("PEDIDO").eof());
  // OS takes at most eight characters: "000000001" is cut to "00000000", no order.
  de.execute("OS", QString("000000001"));
  EXPECT_TRUE(de.rs("OS").set().rows.empty());
  // A key of the wrong type and an unknown command are run-time errors.
  EXPECT_THROW(de.execute("OS", 1), RuntimeError);
  EXPECT_THROW(de.execute("PEDIDO", QString("1")), RuntimeError);
  EXPECT_THROW(de.rs("NAOEXISTE"), RuntimeError);
  EXPECT_THROW(dataCommand("pedido"), RuntimeError);
}

// Children (and grandchildren) under their own parent row, in their query's ORDER BY.
TEST(DataEnvironment, ChildRowsFollowTheirOrderByUnderTheirOwnParentRow) {
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("KIT", 60);
  de.execute("TABELAPRECO", 1);
  de.execute("OS", QString("00000001"));
  for (const auto& [command, child, order, rows] : {std::tuple{"KIT", "MP_KIT", "KITORDEM", 5u},
                                                    {"TABELAPRECO", "ITENSTABELA", "PRNOME", 10u},
                                                    {"OS", "SERVICO", "ITOSTIPO", 3u}}) {
    const ShapedSet* c = de.rs(command).set().child(0, child);
    ASSERT_TRUE(c && c->rows.size() == rows) << command;
    for (size_t i = 1; i < c->rows.size(); ++i)
      EXPECT_LE(c->value(i - 1, order).toText().compare(c->value(i, order).toText()), 0) << command;
  }
  // Each production item with its own materials (pagereports_test: one item has none).
  de.execute("PRODUCAO", 1);
  const ShapedSet* items = de.rs("PRODUCAO").set().child(0, "PROITENS");
  ASSERT_EQ(items->rows.size(), 3u);
  for (size_t i = 0; i < items->rows.size(); ++i) {
    const ShapedSet* materials = items->child(i, "PROMPITENS");
    ASSERT_NE(materials, nullptr);
    for (size_t k = 0; k < materials->rows.size(); ++k)
      EXPECT_TRUE(materials->value(k, "FKITCOD").toText() == items->value(i, "ITCOD").toText() &&
                  (k == 0 || materials->value(k - 1, "MPCOD").toDouble() < materials->value(k, "MPCOD").toDouble()));
  }
}

// For every command and key (and keys of no row), reading only the parent
// rows' children gives what the whole child query gives, row for row and in
// order; so do rows that tie on a child's ORDER BY, added here to a copy of
// the demo database.
TEST(DataEnvironment, FilteredChildrenEqualTheWholeChildQueryForEveryCommand) {
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
  for (int p : {70, 71, 72}) sql << QString("INSERT INTO produto (prcod, prnome, prbarra) VALUES (%1, 'GRELHA', '%1')").arg(p);
  for (auto [p, price] : {std::pair{72, 32}, {70, 30}, {71, 31}, {1, 1899}})
    sql << QString("INSERT INTO tabelaproduto (tbcod, prcod, fkprpreco) VALUES (4, %1, %2)").arg(p).arg(price);
  for (auto [kit, part, order] : {std::tuple{20, 5, 2}, {21, 3, 1}, {22, 4, 1}, {23, 6, 2}})
    sql << QString("INSERT INTO kit (kitcod, fkprcodkit, fkprcod, kitprqtde, kitordem) VALUES (%1, 70, %2, 1, %3)")
               .arg(kit).arg(part).arg(order);
  QSqlQuery q(m.Cnn.database());
  for (const QString& s : sql) ASSERT_TRUE(q.exec(s)) << s.toStdString();
  m.Cnn.database().commit();
  DataEnvironment filtered(m), whole(m);
  int compared = 0;
  for (const auto& [command, keys] :
       {std::pair{"PEDIDO", "select sacod as k from saida"}, {"PEDIDO_TROCA", "select sacod as k from saida"},
        {"OS", "select oscod as k from os"}, {"PEDCOMP", "select encod as k from entradacompra"},
        {"SR", "select sacod as k from saidaresumida"}, {"KIT", "select distinct fkprcodkit as k from kit"},
        {"PRODUCAO", "select pcod as k from producao"}, {"TABELAPRECO", "select distinct tbcod as k from tabelaproduto"}}) {
    std::vector<int> keyList = {0, 987654321};  // no such rows
    Recordset rs;
    for (rs.open(keys, m.Cnn); !rs.eof(); rs.MoveNext()) keyList.push_back(int(rs.field("K").toDouble()));
    for (int key : keyList) {
      SCOPED_TRACE(std::string(command) + " " + std::to_string(key));
      compared += expectFilteredEqualsWhole(filtered, whole, command, key);
    }
  }
  EXPECT_GE(compared, 40);
  for (const auto& [command, key, child, rows] :
       {std::tuple{"OS", 5, "SERVICO", 5u}, {"TABELAPRECO", 4, "ITENSTABELA", 4u}, {"KIT", 70, "MP_KIT", 4u}}) {
    ASSERT_TRUE(expectFilteredEqualsWhole(filtered, whole, command, key)) << command;
    EXPECT_EQ(filtered.rs(command).set().child(0, child)->rows.size(), rows) << command;
  }
  // The whole child query reads every item row (the filtered one reads 1 + 3, above).
  whole.execute("PEDIDO", 1, DataEnvironment::ChildRows::All);
  EXPECT_GT(whole.rowsRead(), 100u);
}

TEST(DataEnvironment, ConnectionTlIsTheOdbcDataSourceTlOrElseTheProgramsOwn) {
  auto m = demoContext();
  qputenv("ODBCINI", QByteArray(TL_BINARY_DIR "/nao-existe-odbc.ini"));
  DataEnvironment de(*m);
  EXPECT_TRUE(&de.TL() == &m->Cnn && !de.usesOdbcDataSource());
  const QString ini = testsupport::prefilled("odbc.ini", "[outra]\nDriver=SQLite3\nDatabase=/tmp/x.db\n\n"
                                                         "[TL]\nDriver=SQLite3\nDatabase=/tmp/y.db\n");
  qputenv("ODBCINI", ini.toLocal8Bit());
  EXPECT_TRUE(odbcDataSourceDefined("tl") && odbcDataSourceDefined("outra") && !odbcDataSourceDefined("tl2"));
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

// (How each command's children relate is the command text itself: the tests
// above check that the rows land under their parents.)
TEST(DataCommands, ParsingBindingAndRestrictingQueries) {
  // The key condition goes before ORDER BY, joined to an existing WHERE.
  for (const auto& [sql, column, keys, expected] :
       {std::tuple{"SELECT * FROM ITEMOS ORDER BY ITOSTIPO", "ITFKOS", QStringList{"1", "'2'"},
                   "SELECT * FROM ITEMOS WHERE ITFKOS IN (1,'2') ORDER BY ITOSTIPO"},
        {"select a from t\r\n", "t.b", QStringList{"7"}, "select a from t WHERE t.b IN (7)"},
        {"select a from t where c = 1 order by a", "t.b", QStringList{"7"},
         "select a from t where c = 1 AND t.b IN (7) order by a"}})
    EXPECT_EQ(filterByKeys(sql, column, keys), expected);
  EXPECT_EQ(bindParam1("select * from os where oscod=?", "'12'"), "select * from os where oscod='12'");
  EXPECT_THROW(bindParam1("select 1 from rdb$database", "1"), RuntimeError);
  for (const char* bad : {" SHAPE {select 1} AS A APPEND ({select 2} AS B RELATE 'X' 'Y') AS B", " SHAPE {select 1",
                          " SHAPE {select 1} AS A garbage"})
    EXPECT_THROW(parseShape(bad), RuntimeError) << bad;
  const ShapeNode n =
      parseShape(" SHAPE {select 1} AS A APPEND ({select 2} AS B RELATE 'X' TO 'Y') AS C, ({select 3} RELATE 'Z' TO 'W') AS D");
  ASSERT_EQ(n.children.size(), 2u);
  EXPECT_TRUE(n.children[0].name == "C" && n.children[1].name == "D" && n.children[1].sql == "select 3");
}

}  // namespace
}  // namespace reports
