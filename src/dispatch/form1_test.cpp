#include "dispatch/form1.h"

#include <gtest/gtest.h>

namespace {

TEST(Form1, EachCodeReachesItsOwnHandlerExactlyAndWithRegardToCase) {
  QStringList called;
  std::vector<ReportCode> recording;
  for (const auto& entry : dispatchTable())
    recording.push_back({entry.code, [&called, code = entry.code](modCnn&, ui::Ui&) {
                           called << code;
                           return Outcome::Ended;
                         }});
  ui::ScriptedUi ui;
  for (const auto& entry : dispatchTable()) {
    modCnn m;
    m.job.RELATORIO = entry.code;
    called.clear();
    ASSERT_TRUE(runReportCode(recording, m, ui).has_value()) << entry.code.toStdString();
    EXPECT_EQ(called, QStringList{entry.code});
  }
  for (const QString code : {"PedidoCaixa", "OS", "", " os", "os ", "frmconscomissaogeral"}) {
    modCnn m;
    m.job.RELATORIO = code;
    called.clear();
    EXPECT_FALSE(runReportCode(recording, m, ui).has_value()) << code.toStdString();
    EXPECT_TRUE(called.isEmpty());
  }
}

}  // namespace
