// The real executable, started as the host starts it, for the three text codes.
#include <QFile>
#include <gtest/gtest.h>

#include "textdoc_testutil.h"

namespace {

using textdoc::expectSameBytes;
using textdoc::golden;
using textdoc::scratchFile;

struct Job {
  QString code, key, value, printer;
};

testsupport::RunResult run(const Job& job, const QStringList& extra = {}) {
  const QString config = testsupport::writeFixtureConfig(scratchFile("e2e-TL.ini"));
  const QString jobFile = testsupport::writeIni(
      scratchFile("e2e-parimp-" + job.code + job.value + ".txt"),
      {{"RELATORIO", job.code},
       {job.key, job.value},
       {"LOCALIMPRESSORA", job.printer},
       {"NOMEEMPRESA", QString::fromUtf8(textdoc::kCompany)}},
      /*utf8=*/false);
  // The users' locale, whatever the machine's.
  return testsupport::runExecutable(QStringList{"--batch", "--config", config, "--job", jobFile} + extra,
                                    60000, {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"}});
}

TEST(TextJobsEndToEnd, CounterReceipt) {
  const QString printer = scratchFile("e2e-cupom.prn");
  const auto r = run({"pedidocupom", "SACOD", "4", printer});
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  expectSameBytes(testsupport::readFile(printer), golden("cupom_sale4.prn"));
}

TEST(TextJobsEndToEnd, OrderText) {
  const QString printer = scratchFile("e2e-texto.prn");
  const auto r = run({"pedidotexto", "SACOD", "1", printer});
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QByteArray expected = golden("texto_sale1.prn");
  expectSameBytes(textdoc::withFixedTime(testsupport::readFile(printer), expected), expected);
}

TEST(TextJobsEndToEnd, OrderTextStateMessageGoesToStandardError) {
  const QString printer = scratchFile("e2e-texto13.prn");
  const auto r = run({"pedidotexto", "SACOD", "13", printer});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(QString::fromUtf8(r.err).contains(
      QString::fromUtf8("O Cadastro do cliente não está informado a UF, atualize o cadastro.")));
  EXPECT_TRUE(testsupport::readFile(printer).contains("no: 13"));
}

TEST(TextJobsEndToEnd, ServiceOrderForm) {
  const QString printer = scratchFile("e2e-os.prn");
  const auto r = run({"ostexto", "OSCOD", "3", printer});
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  const QByteArray expected = golden("ostexto_os3.prn");
  expectSameBytes(textdoc::withFixedTime(testsupport::readFile(printer), expected), expected);
}

TEST(TextJobsEndToEnd, MissingServiceOrderEndsWithStatusOne) {
  const QString printer = scratchFile("e2e-os4.prn");
  QFile::remove(printer);
  const auto r = run({"ostexto", "OSCOD", "4", printer});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(r.err.isEmpty());
  EXPECT_FALSE(QFile::exists(printer));
}

TEST(TextJobsEndToEnd, UnopenablePrinterEndsWithStatusOneAndWritesNothing) {
  for (const QString& code : {"pedidocupom", "pedidotexto"}) {
    const QString printer = scratchFile("no-such-folder/" + code + ".prn");
    const auto r = run({code, "SACOD", "5", printer});
    EXPECT_EQ(r.exitCode, 1) << code.toStdString();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(printer)) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(printer));
  }
  const auto r = run({"ostexto", "OSCOD", "1", ""});
  EXPECT_EQ(r.exitCode, 1);
}

// Sale 11 has a null quantity: the receipt stops before the printer file.
TEST(TextJobsEndToEnd, NullInArithmeticEndsWithStatusOneAndWritesNothing) {
  const QString printer = scratchFile("e2e-cupom11.prn");
  QFile::remove(printer);
  const auto r = run({"pedidocupom", "SACOD", "11", printer});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("itqtd")) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(printer));
}

TEST(TextJobsEndToEnd, ReceiptOfAMissingSaleEndsQuietly) {
  const QString printer = scratchFile("e2e-cupom-none.prn");
  QFile::remove(printer);
  const auto r = run({"pedidocupom", "SACOD", "999", printer});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_FALSE(QFile::exists(printer));
}

}  // namespace
