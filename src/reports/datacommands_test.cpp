#include "reports/datacommands.h"

#include <gtest/gtest.h>

#include "reports/reports_testutil.h"

namespace reports {
namespace {

// (How each command's children relate is the command text itself; the data
// environment's tests check that the rows land under their parents.)
TEST(DataCommands, UnknownCommandAndParamTypes) {
  EXPECT_THROW(dataCommand("pedido"), RuntimeError);
  for (const DataCommand& c : dataCommands())
    EXPECT_EQ(c.param, c.name == "OS" ? ParamType::Text8 : ParamType::Integer32) << c.name.toStdString();
}

TEST(DataCommands, ParsingBindingAndRestrictingQueries) {
  // The key condition goes before ORDER BY, joined to an existing WHERE.
  EXPECT_EQ(filterByKeys("SELECT * FROM ITEMOS ORDER BY ITOSTIPO", "ITFKOS", {"1", "'2'"}),
            "SELECT * FROM ITEMOS WHERE ITFKOS IN (1,'2') ORDER BY ITOSTIPO");
  EXPECT_EQ(filterByKeys("select a from t\r\n", "t.b", {"7"}), "select a from t WHERE t.b IN (7)");
  EXPECT_EQ(filterByKeys("select a from t where c = 1 order by a", "t.b", {"7"}),
            "select a from t where c = 1 AND t.b IN (7) order by a");
  EXPECT_EQ(bindParam1("select * from os where oscod=?", "'12'"), "select * from os where oscod='12'");
  EXPECT_THROW(bindParam1("select 1 from rdb$database", "1"), RuntimeError);

  for (const char* bad : {" SHAPE {select 1} AS A APPEND ({select 2} AS B RELATE 'X' 'Y') AS B",
                          " SHAPE {select 1", " SHAPE {select 1} AS A garbage"})
    EXPECT_THROW(parseShape(bad), RuntimeError) << bad;
  const ShapeNode n = parseShape(
      " SHAPE {select 1} AS A APPEND ({select 2} AS B RELATE 'X' TO 'Y') AS C, ({select 3} RELATE 'Z' TO 'W') AS D");
  ASSERT_EQ(n.children.size(), 2u);
  EXPECT_EQ(n.children[0].name, "C");
  EXPECT_EQ(n.children[1].name, "D");
  EXPECT_EQ(n.children[1].sql, "select 3");
}

}  // namespace
}  // namespace reports
