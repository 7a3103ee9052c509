// The real executable, started as the host starts it, for the three text codes.
#include "textdoc_testutil.h"

namespace {

using textdoc::prefilled;
using textdoc::scratchFile;

// The printer file of each code, byte for byte with the time of the run; or
// status and reason on standard error, the printer file never opened: a
// service order without a customer, null item values (sale 11). A sale that
// does not exist ends with status 0, nothing printed.
TEST(TextJobsEndToEnd, PrinterFilesMatchTheGoldenFilesOrAreLeftAlone) {
  const struct {
    const char *code, *key, *value;
    QString printer;
    int exitCode;
    QString outcome;  // the golden file, or a fragment of standard error
  } cases[] = {
      {"pedidocupom", "SACOD", "4", scratchFile("e2e-cupom.prn"), 0, "cupom_sale4.prn"},
      {"pedidotexto", "SACOD", "1", scratchFile("e2e-texto.prn"), 0, "texto_sale1.prn"},
      {"ostexto", "OSCOD", "3", scratchFile("e2e-os.prn"), 0, "ostexto_os3.prn"},
      {"ostexto", "OSCOD", "4", prefilled("e2e-os4.prn"), 1, "Ordem de serviço"},
      {"pedidocupom", "SACOD", "11", prefilled("e2e-cupom11.prn"), 1, "itqtd"},
      {"pedidotexto", "SACOD", "11", prefilled("e2e-texto11.prn"), 1, "itvrtotal"},
      {"pedidocupom", "SACOD", "999", prefilled("e2e-cupom-none.prn"), 0, ""},
  };
  const QString config = testsupport::writeFixtureConfig(scratchFile("e2e-TL.ini"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code + (" " + c.printer).toStdString());
    const bool golden = c.outcome.endsWith(".prn");
    if (golden) QFile::remove(c.printer);
    const QString job = testsupport::writeIni(scratchFile("e2e-parimp.txt"),
                                              {{"RELATORIO", c.code},
                                               {c.key, c.value},
                                               {"LOCALIMPRESSORA", c.printer},
                                               {"NOMEEMPRESA", QString::fromUtf8(textdoc::kCompany)}},
                                              /*utf8=*/false);
    // The users' locale, whatever the machine's.
    const auto r = testsupport::runExecutable({"--batch", "--config", config, "--job", job}, 60000,
                                              {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"}});
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    if (golden) {
      const QByteArray expected = textdoc::golden(c.outcome);
      QByteArray printed = testsupport::readFile(c.printer);
      if (const qsizetype at = expected.indexOf("10:20:30"); at >= 0) {  // the time of the run
        EXPECT_TRUE(QTime::fromString(QString::fromLatin1(printed.mid(at, 8)), "hh:mm:ss").isValid()) << at;
        printed.replace(at, 8, "10:20:30");
      }
      textdoc::expectSameBytes(printed, expected);
      continue;
    }
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(c.outcome)) << r.err.toStdString();
    EXPECT_EQ(testsupport::readFile(c.printer), QByteArray("previous"));
  }
}

}  // namespace
