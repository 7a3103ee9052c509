#include "reports/layout.h"

#include <QDir>
#include <gtest/gtest.h>

#include <functional>

#include "reports/reports_testutil.h"

namespace reports {
namespace {

// Every report is compiled in, every field and sum names a record set and a
// column its command returns from the demo database, and the order
// documents' fonts fit their items: 8 pt from 225 twips, 7 pt below, 6 pt below 180.
TEST(Layouts, EveryLayoutIsCompiledInAndItsFieldsAreColumnsOfItsCommand) {
  auto m = testutil::demoContext();
  DataEnvironment de(*m);
  const std::map<QString, int> keys = {{"PEDIDO", 1}, {"PEDIDO_TROCA", 4}, {"PEDCOMP", 1}, {"SR", 501},
                                       {"KIT", 60},   {"PRODUCAO", 1},     {"TABELAPRECO", 1}};
  QStringList names = {"reportPedidoCaixaTroca"};
  for (const Preparation& p : preparations()) names << p.report;
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(layoutPath(name, QString()), ":/layouts/" + name + ".json");
    const Layout l = loadLayout(name, QString());
    EXPECT_TRUE(l.name == name && !l.title.isEmpty() && l.width > 0);
    if (l.dataMember == "OS") de.execute("OS", QString("1"));
    else de.execute(l.dataMember, keys.at(l.dataMember));
    const ShapedSet& top = de.rs(l.dataMember).set();
    ASSERT_FALSE(top.rows.empty());
    // The record sets by name: the command's and, from the first row that has them, its children.
    std::map<QString, const ShapedSet*> sets = {{top.name.toUpper(), &top}};
    std::function<void(const ShapedSet&)> collect = [&](const ShapedSet& s) {
      for (const ShapedRow& row : s.rows)
        for (const ShapedSet& c : row.children) {
          auto& slot = sets[c.name.toUpper()];
          if (!slot || (!slot->columns && c.columns)) slot = &c;
          collect(c);
        }
    };
    collect(top);
    const bool order = l.dataMember.startsWith("PEDIDO");
    EXPECT_TRUE(!order || l.fontSize == 8);
    for (const LayoutSection& s : l.sections) {
      EXPECT_TRUE(s.recordset.isEmpty() || sets.count(s.recordset.toUpper())) << s.name.toStdString();
      for (const LayoutItem& i : s.items) {
        if (order && i.isText()) {
          EXPECT_LE(draw::lineHeight(draw::Font{.pointSize = i.fontSize > 0 ? i.fontSize : l.fontSize}), i.height)
              << (i.text + i.column).toStdString();
        }
        if (i.type != LayoutItem::Type::Field && i.type != LayoutItem::Type::Sum) continue;
        const auto it = sets.find(i.recordset.toUpper());
        ASSERT_NE(it, sets.end()) << i.recordset.toStdString();
        EXPECT_TRUE(it->second->knowsColumn(i.column)) << (i.recordset + "." + i.column).toStdString();
      }
    }
  }
}

TEST(Layouts, AFileBesideTheExecutableReplacesTheCompiledOne) {
  const QString exeDir = QDir(testsupport::scratchDir()).filePath("override");
  testutil::writeLayoutOverride(exeDir);
  EXPECT_EQ(layoutPath("reportPedidoSpreco", exeDir), exeDir + "/layouts/reportPedidoSpreco.json");
  EXPECT_EQ(layoutPath("reportPedido", exeDir), ":/layouts/reportPedido.json");
  EXPECT_EQ(testutil::itemOf(loadLayout("reportPedidoSpreco", exeDir), "PageFooter", "COMPRADOR").type,
            LayoutItem::Type::Caption);
}

// Malformed files, unknown values and measures out of range are run-time
// errors naming the file (and the section and item).
TEST(Layouts, MalformedFilesAreRunTimeErrorsNamingTheFile) {
  testsupport::expectRuntimeError([] { parseLayout("{ \"name\": ", "/x/layouts/reportPedido.json"); },
                                  "/x/layouts/reportPedido.json");
  EXPECT_THROW(loadLayout("naoexiste", QString()), RuntimeError);
  const QString section = R"({"name":"a","dataMember":"PEDIDO","width":10,"sections":[{"name":"s","kind":"detail",%1}]})";
  const QString item = R"("recordset":"X","height":10,"items":[{"type":"%1","name":"T","top":%2,"left":0,%3}])";
  for (const QString& bad : {item.arg("circle", "0", R"("width":1,"height":1)"), QString(R"("height":10,"items":[])"),
                             item.arg("caption", "\"0\"", R"("width":1,"height":1)")})
    EXPECT_THROW(parseLayout(section.arg(bad).toUtf8(), "a"), RuntimeError) << bad.toStdString();
  for (const char* bad : {R"("width":-1,"height":1)", R"("width":1e9,"height":1)", R"("width":1,"height":1e300)",
                          R"("width":1,"height":1,"fontSize":5000)", R"("width":1,"height":1,"fontSize":-2)"})
    testsupport::expectRuntimeError([&] { parseLayout(section.arg(item.arg("caption", "0", bad)).toUtf8(), "/x/l.json"); },
                                    "(/x/l.json): seção s, item 1 (T): \"");
  testsupport::expectRuntimeError([] { parseLayout(QByteArray(R"({"dataMember":"P","width":1e300})"), "/x/l.json"); },
                                  "relatório: \"width\" fora do intervalo");
}

}  // namespace
}  // namespace reports
