#include "reports/layout.h"

#include <QDir>
#include <gtest/gtest.h>

#include "reports/reports_testutil.h"

namespace reports {
namespace {

// Every report is compiled in, and the order documents' fonts fit their
// items: 8 pt from 225 twips, 7 pt below, 6 pt below 180. (That every field
// is a column of its command shows when each report is laid out with the
// demo database's rows, in pagereports_test.)
TEST(Layouts, EveryLayoutIsCompiledInAndTheOrderDocumentsFontsFitTheirItems) {
  QStringList names = {"reportPedidoCaixaTroca"};
  for (const Preparation& p : preparations()) names << p.report;
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(layoutPath(name, QString()), ":/layouts/" + name + ".json");
    const Layout l = loadLayout(name, QString());
    EXPECT_TRUE(l.name == name && !l.title.isEmpty() && l.width > 0);
    if (!l.dataMember.startsWith("PEDIDO")) continue;
    EXPECT_EQ(l.fontSize, 8);
    for (const LayoutSection& s : l.sections)
      for (const LayoutItem& i : s.items)
        EXPECT_LE(i.isText() ? draw::lineHeight(draw::Font{.pointSize = i.fontSize > 0 ? i.fontSize : l.fontSize}) : 0,
                  i.height) << (i.text + i.column).toStdString();
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
