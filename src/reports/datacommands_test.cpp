#include "reports/datacommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "reports/reports_testutil.h"
#include "startup/errors.h"

namespace reports {
namespace {

TEST(DataCommands, EightCommandsWithTheirChildRecordSetsAndRelations) {
  struct Expected {
    QString command, children;
  };
  // child(parent column -> child column)[grandchildren]
  const Expected expected[] = {
      {"PEDIDO", "ITEMSAIDA(SACOD->ITFKSACOD)"},
      {"PEDIDO_TROCA", "ITEMSAIDA_TROCA(SACOD->ITFKSACOD)"},
      {"OS", "SERVICO(OSCOD->ITFKOS)"},
      {"PEDCOMP", "ITPEDCOMP(ENCOD->ITFKENCOD)"},
      {"SR", "SRITENS(SACOD->ITFKSAIDARESUMIDA)"},
      {"KIT", "MP_KIT(PRCOD->FKPRCODKIT)"},
      {"PRODUCAO", "PROITENS(PCOD->FKPCOD)[PROMPITENS(ITCOD->FKITCOD)]"},
      {"TABELAPRECO", "ITENSTABELA(TBCOD->TBCOD)"},
  };
  std::function<QString(const ShapeNode&)> describe = [&](const ShapeNode& n) {
    QStringList parts;
    for (const ShapeNode& c : n.children) {
      QString d = c.name + "(" + c.parentColumn + "->" + c.childColumn + ")";
      if (!c.children.empty()) d += "[" + describe(c) + "]";
      parts << d;
    }
    return parts.join(',');
  };
  ASSERT_EQ(dataCommands().size(), std::size(expected));
  for (const Expected& e : expected) {
    const DataCommand& c = dataCommand(e.command);
    EXPECT_EQ(c.shape.name, e.command);
    EXPECT_EQ(describe(c.shape), e.children);
    EXPECT_EQ(c.param, e.command == "OS" ? ParamType::Text8 : ParamType::Integer32);
    EXPECT_TRUE(c.text.startsWith(" SHAPE {"));
    EXPECT_EQ(c.shape.sql.count('?'), 1) << e.command.toStdString();
  }
  EXPECT_THROW(dataCommand("pedido"), RuntimeError);
}

TEST(DataCommands, TheQueriesStandAsWrittenWithTheTwoAmendments) {
  const ShapeNode& pedido = dataCommand("PEDIDO").shape;
  EXPECT_EQ(pedido.children[0].sql,
            "SELECT I.ITFKSACOD, I.ITQTD, P.PROBS,P.PRBARRA, I.ITPRNOME, I.ITUNIDADE, "
            "I.ITVRUNITARIO, I.ITVRTOTAL, I.ITVRIPI, P.PRCLASS, P.PRCST FROM ITEMSAIDA I INNER JOIN "
            "PRODUTO P ON(P.PRCOD=I.ITFKPRCOD)");
  EXPECT_TRUE(pedido.sql.endsWith("\r\nINNER JOIN funcionario w ON (w.fucod = s.safkvendedor) "
                                  "WHERE s.sacod = ?"));
  EXPECT_TRUE(pedido.sql.contains("(s.savrpago) AS VRCOMFRETE,(s.savrpago - s.savrtroca) AS VRCOMTROCA  \r\nFROM saida s \r\n"));

  const ShapeNode& items = dataCommand("PRODUCAO").shape.children[0];
  EXPECT_EQ(items.sql,
            "select distinct itemproducao.*, produto.prbarra from itemproducao inner join producao "
            "on (producao.pcod=itemproducao.fkpcod) left join mpitemproducao on "
            "(mpitemproducao.fkitcod=itemproducao.itcod) inner join produto on "
            "(produto.prcod=itemproducao.fkprcod)");
  EXPECT_EQ(items.children[0].sql, "select mpitemproducao.* from mpitemproducao order by mpcod");

  EXPECT_EQ(dataCommand("KIT").shape.children[0].sql,
            "SELECT \r\nK.FKPRCODKIT,\r\nK.KITPRQTDE, \r\nK.KITORDEM,\r\nP.PRNOME,\r\nP.OBSPRODUCAO\r\n"
            "FROM \r\nKIT K\r\nINNER JOIN PRODUTO P ON(P.PRCOD=K.FKPRCOD)\r\nORDER BY K.KITORDEM");
  EXPECT_EQ(dataCommand("OS").shape.children[0].sql, "SELECT * FROM ITEMOS ORDER BY ITOSTIPO");
  EXPECT_EQ(dataCommand("TABELAPRECO").shape.sql,
            "SELECT  DISTINCT TBCOD FROM TABELAPRODUTO  WHERE TBCOD=?");
}

TEST(DataCommands, ChildQueriesAreRestrictedBeforeTheirOrderBy) {
  EXPECT_EQ(filterByKeys("SELECT * FROM ITEMOS ORDER BY ITOSTIPO", "ITFKOS", {"1", "'2'"}),
            "SELECT * FROM ITEMOS WHERE ITFKOS IN (1,'2') ORDER BY ITOSTIPO");
  EXPECT_EQ(filterByKeys("select a from t\r\n", "t.b", {"7"}), "select a from t WHERE t.b IN (7)");
  EXPECT_EQ(filterByKeys("select a from t where c = 1 order by a", "t.b", {"7"}),
            "select a from t where c = 1 AND t.b IN (7) order by a");
  EXPECT_EQ(bindParam1("select * from os where oscod=?", "'12'"), "select * from os where oscod='12'");
  EXPECT_THROW(bindParam1("select 1 from rdb$database", "1"), RuntimeError);
}

TEST(DataCommands, AMalformedCommandTextIsRefused) {
  EXPECT_THROW(parseShape(" SHAPE {select 1} AS A APPEND ({select 2} AS B RELATE 'X' 'Y') AS B"),
               RuntimeError);
  EXPECT_THROW(parseShape(" SHAPE {select 1"), RuntimeError);
  EXPECT_THROW(parseShape(" SHAPE {select 1} AS A garbage"), RuntimeError);
  const ShapeNode n = parseShape(" SHAPE {select 1} AS A APPEND ({select 2} AS B RELATE 'X' TO 'Y') AS C, ({select 3} RELATE 'Z' TO 'W') AS D");
  ASSERT_EQ(n.children.size(), 2u);
  EXPECT_EQ(n.children[0].name, "C");
  EXPECT_EQ(n.children[1].name, "D");
  EXPECT_EQ(n.children[1].sql, "select 3");
}

}  // namespace
}  // namespace reports
