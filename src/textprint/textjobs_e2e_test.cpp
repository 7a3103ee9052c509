// The real executable, started as the host starts it, for the three text codes.
#include "textdoc_testutil.h"

namespace {

using textdoc::scratchFile;

struct Job {
  QString code, key, value, printer;
};

testsupport::RunResult run(const Job& job) {
  const QString config = testsupport::writeFixtureConfig(scratchFile("e2e-TL.ini"));
  const QString jobFile = testsupport::writeIni(
      scratchFile("e2e-parimp-" + job.code + job.value + ".txt"),
      {{"RELATORIO", job.code},
       {job.key, job.value},
       {"LOCALIMPRESSORA", job.printer},
       {"NOMEEMPRESA", QString::fromUtf8(textdoc::kCompany)}},
      /*utf8=*/false);
  // The users' locale, whatever the machine's.
  return testsupport::runExecutable({"--batch", "--config", config, "--job", jobFile}, 60000,
                                    {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"}});
}

// The printer file of each code, byte for byte, with the time of the run.
TEST(TextJobsEndToEnd, PrinterFilesMatchTheGoldenFiles) {
  for (const auto& [job, file] :
       {std::pair{Job{"pedidocupom", "SACOD", "4", scratchFile("e2e-cupom.prn")}, "cupom_sale4"},
        {Job{"pedidotexto", "SACOD", "1", scratchFile("e2e-texto.prn")}, "texto_sale1"},
        {Job{"ostexto", "OSCOD", "3", scratchFile("e2e-os.prn")}, "ostexto_os3"}}) {
    SCOPED_TRACE(job.code.toStdString());
    QFile::remove(job.printer);
    const auto r = run(job);
    ASSERT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray expected = textdoc::golden(QString(file) + ".prn");
    textdoc::expectSameBytes(textdoc::withFixedTime(testsupport::readFile(job.printer), expected),
                             expected);
  }
}

// Status 1 and a reason on standard error for a service order without a
// customer, an unopenable or empty printer path and a null quantity (sales
// 11); status 0 for a sale that does not exist. The printer file is never
// opened: what it held stays.
TEST(TextJobsEndToEnd, FailuresLeaveThePrinterFileAlone) {
  using textdoc::prefilled;
  const QString cupomPath = scratchFile("no-such-folder/pedidocupom.prn");
  const QString textoPath = scratchFile("no-such-folder/pedidotexto.prn");
  const QString noOrder = "Ordem de serviço";
  const struct {
    Job job;
    int exitCode;
    QString reason;
  } cases[] = {
      {{"ostexto", "OSCOD", "4", prefilled("e2e-os4.prn")}, 1, noOrder},
      {{"pedidocupom", "SACOD", "5", cupomPath}, 1, cupomPath},
      {{"pedidotexto", "SACOD", "5", textoPath}, 1, textoPath},
      {{"ostexto", "OSCOD", "1", ""}, 1, ""},
      {{"pedidocupom", "SACOD", "5", ""}, 1, ""},
      {{"pedidocupom", "SACOD", "11", prefilled("e2e-cupom11.prn")}, 1, "itqtd"},
      {{"pedidotexto", "SACOD", "11", prefilled("e2e-texto11.prn")}, 1, ""},
      {{"pedidocupom", "SACOD", "999", prefilled("e2e-cupom-none.prn")}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((c.job.code + " " + c.job.value + " " + c.job.printer).toStdString());
    const bool held = QFile::exists(c.job.printer);
    const auto r = run(c.job);
    EXPECT_EQ(r.exitCode, c.exitCode);
    if (c.exitCode == 1) {
      EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(c.reason)) << r.err.toStdString();
    if (held) EXPECT_EQ(testsupport::readFile(c.job.printer), QByteArray("previous"));
    else EXPECT_FALSE(QFile::exists(c.job.printer));
  }
}

}  // namespace
