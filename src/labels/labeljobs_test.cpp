// The two label codes through the real executable, in batch runs.
#include "labels/labeljobs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "labels/labels_testutil.h"

using namespace labeltest;

namespace {

// The executable gets a database file of its own: the embedded engine
// locks a file for one process.
QString configFile() {
  static const QString ini = [] {
    const QString db = freshPath("labels-e2e.fdb");
    QFile::copy(QStringLiteral(TL_BINARY_DIR "/fixture/demo.fdb"), db);
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    return testsupport::writeIni(QDir(testsupport::scratchDir()).filePath("labels-TL.ini"),
                                 {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                                  {"LOCALBANCO", db}});
  }();
  return ini;
}

struct JobRun {
  QString printer;
  testsupport::RunResult result;
};

// A job file as the host writes it (Windows-1252), with a fresh printer file.
JobRun runJob(const QString& name, QList<QPair<QString, QString>> keys, bool printerPath = true) {
  const QString dir = testsupport::scratchDir();
  JobRun run{freshPath(name + ".prn"), {}};
  if (printerPath) keys << qMakePair(QString("IMPRESSORA"), run.printer);
  const QString job = testsupport::writeIni(QDir(dir).filePath(name + ".txt"), keys, false);
  run.result =
      testsupport::runExecutable({"--config", configFile(), "--job", job, "--batch"}, 120000,
                                 {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"}});
  return run;
}

}  // namespace

TEST(LabelExecutable, PriceLabelsPrintOnceWithTheWindowsFirstValues) {
  const JobRun run = runJob("e2e-peco", {{"RELATORIO", "etiqueta_peco"},
                                         {"NOMEEMPRESA", "BRISA NORTE"},
                                         {"NOMEPRODUTO", "FILTRO DE AR LAVÁVEL PARA SPLIT 12000"},
                                         {"CODBARRAS", "7891234500154"},
                                         {"PRECO", "1234,5"}});
  ASSERT_TRUE(run.result.finished);
  EXPECT_EQ(run.result.exitCode, 0) << run.result.err.toStdString();
  EXPECT_EQ(testsupport::readFile(run.printer),
            priceJob({"BRISA NORTE", "FILTRO DE AR LAV\xC1VEL PARA SPLIT 1200", "0" /* 37th */,
                      "7891234500154", "1.234,50"},
                     "0001"));
}

TEST(LabelExecutable, PriceLabelsWithoutAPriceEndAfterTheMessage) {
  const JobRun run = runJob("e2e-peco-zero", {{"RELATORIO", "etiqueta_peco"},
                                              {"NOMEPRODUTO", "TUBO"},
                                              {"CODBARRAS", "200003"}});
  ASSERT_TRUE(run.result.finished);
  EXPECT_EQ(run.result.exitCode, 0);
  EXPECT_TRUE(QString::fromUtf8(run.result.err)
                  .contains("O Preço do produto não é válido, verifique se você selecionou a "
                            "Tabela de Preço."));
  EXPECT_FALSE(QFile::exists(run.printer));
}

TEST(LabelExecutable, OrderLabelsTakeTheDefaultAnswer) {
  const JobRun run = runJob("e2e-pedido", {{"RELATORIO", "etiqueta_pedido"},
                                           {"NOMEEMPRESA", "BRISA NORTE"},
                                           {"SACOD", "10"}});
  ASSERT_TRUE(run.result.finished);
  EXPECT_EQ(run.result.exitCode, 0) << run.result.err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(run.result.err)
                  .contains("Confirma a impressão das etiquetas com preço de venda?"));
  EXPECT_EQ(testsupport::readFile(run.printer), sale10Labels());
}

TEST(LabelExecutable, AnEmptyPrinterPathIsARuntimeError) {
  for (const char* code : {"etiqueta_peco", "etiqueta_pedido"}) {
    SCOPED_TRACE(code);
    const JobRun run = runJob("e2e-noprinter",
                              {{"RELATORIO", code}, {"SACOD", "9"}, {"PRECO", "10"}}, false);
    ASSERT_TRUE(run.result.finished);
    EXPECT_EQ(run.result.exitCode, 1);
    EXPECT_TRUE(run.result.err.contains("tl_relatorios"));
    EXPECT_FALSE(QFile::exists(run.printer));
  }
}
