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

// The price labels print once with the window's first values; without a
// price they end after the message; the order labels take the default
// answer; an empty printer path is a run-time error. Nothing is printed
// where the run fails or stops.
TEST(LabelExecutable, BatchRuns) {
  const QString noPrice = "O Preço do produto não é válido, verifique se você selecionou a "
                          "Tabela de Preço.";
  const struct {
    const char* name;
    QList<QPair<QString, QString>> keys;
    bool printerPath;
    int exitCode;
    QString err;
    bool printed;  // else no printer file; the stream in testdata/executavel.lines
  } cases[] = {
      {"e2e-peco",
       {{"RELATORIO", "etiqueta_peco"}, {"NOMEEMPRESA", "BRISA NORTE"},
        {"NOMEPRODUTO", "FILTRO DE AR LAVÁVEL PARA SPLIT 12000"}, {"CODBARRAS", "7891234500154"},
        {"PRECO", "1234,5"}}, true, 0, "", true},
      {"e2e-peco-zero", {{"RELATORIO", "etiqueta_peco"}, {"NOMEPRODUTO", "TUBO"}, {"CODBARRAS", "200003"}},
       true, 0, noPrice, false},
      {"e2e-pedido", {{"RELATORIO", "etiqueta_pedido"}, {"NOMEEMPRESA", "BRISA NORTE"}, {"SACOD", "10"}},
       true, 0, "Confirma a impressão das etiquetas com preço de venda?", true},
      {"e2e-noprinter-peco", {{"RELATORIO", "etiqueta_peco"}, {"PRECO", "10"}}, false, 1, "tl_relatorios", false},
      {"e2e-noprinter-pedido", {{"RELATORIO", "etiqueta_pedido"}, {"SACOD", "9"}}, false, 1,
       "tl_relatorios", false},
  };
  QStringList printed;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const JobRun run = runJob(c.name, c.keys, c.printerPath);
    ASSERT_TRUE(run.result.finished);
    EXPECT_EQ(run.result.exitCode, c.exitCode) << run.result.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(run.result.err).contains(c.err)) << run.result.err.toStdString();
    if (!c.printed) EXPECT_FALSE(QFile::exists(run.printer));
    else printed << QString("= ") + c.name << listing(testsupport::readFile(run.printer));
  }
  testsupport::expectGoldenLines(printed, golden("executavel.lines"));
}
