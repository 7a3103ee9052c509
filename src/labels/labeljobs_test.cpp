// The two label codes through the real executable, in batch runs.
#include "labels/labeljobs.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "labels/labels_testutil.h"
#include "testsupport.h"

using namespace labeltest;

namespace {

const QMap<QString, QString> kPortuguese = {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"}};

// The executable gets a database file of its own: the embedded engine
// locks a file for one process.
QString configFile() {
  static const QString ini = [] {
    const QString dir = testsupport::scratchDir();
    const QString db = QDir(dir).filePath("labels-e2e.fdb");
    QFile::remove(db);
    QFile::copy(QStringLiteral(TL_BINARY_DIR "/fixture/demo.fdb"), db);
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    return testsupport::writeIni(QDir(dir).filePath("labels-TL.ini"),
                                 {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                                  {"LOCALBANCO", db}});
  }();
  return ini;
}

struct JobRun {
  QString printer;
  testsupport::RunResult result;
};

JobRun runJob(const char* name, QList<QPair<QString, QString>> keys, bool printerPath = true) {
  const QString dir = testsupport::scratchDir();
  JobRun run;
  run.printer = QDir(dir).filePath(QString(name) + ".prn");
  QFile::remove(run.printer);
  if (printerPath) keys << qMakePair(QString("IMPRESSORA"), run.printer);
  // As the host writes it: Windows-1252.
  const QString job = testsupport::writeIni(QDir(dir).filePath(QString(name) + ".txt"), keys,
                                            /*utf8=*/false);
  run.result = testsupport::runExecutable(
      {"--config", configFile(), "--job", job, "--batch"}, 120000, kPortuguese);
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
            lines({
                "\x02" "e",
                std::string("\x02" "KI7") + '\0',
                "\x02" "c000",
                "\x02" "L",
                "D11",
                "121100000600035BRISA NORTE",
                "111100000500035FILTRO DE AR LAV\xC1VEL PARA SPLIT 1200",
                "1111000004300350",
                "1211000003000357891234500154",
                "1e5202000050035B7891234500154",
                "121100000300130R$ 1.234,50",
                "121100000600230BRISA NORTE",
                "111100000500230FILTRO DE AR LAV\xC1VEL PARA SPLIT 1200",
                "1111000004302300",
                "1211000003002307891234500154",
                "1e5202000050230B7891234500154",
                "121100000300310R$ 1.234,50",
                "\x02" "Q0001",
                "\x02" "E",
                "\x02" "f320",
            }));
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
  const JobRun run =
      runJob("e2e-pedido", {{"RELATORIO", "etiqueta_pedido"}, {"NOMEEMPRESA", "BRISA NORTE"},
                            {"SACOD", "10"}});
  ASSERT_TRUE(run.result.finished);
  EXPECT_EQ(run.result.exitCode, 0) << run.result.err.toStdString();
  EXPECT_TRUE(QString::fromUtf8(run.result.err)
                  .contains("Confirma a impressão das etiquetas com preço de venda?"));
  EXPECT_EQ(testsupport::readFile(run.printer),
            startBlock() + lines({
                               "121100000580045BRISA NORTE",
                               "121100000470030200003",
                               "121100000360030TUBO DE COBRE 1/4 POL",
                               "121100000250030R$     18,50",
                               "1e8202000040030200003",
                               "121100000580180BRISA NORTE",
                               "121100000470165200003",
                               "121100000360165TUBO DE COBRE 1/4 POL",
                               "121100000250165R$     18,50",
                               "1e8202000040165200003",
                               "121100000580320BRISA NORTE",
                               "121100000470305200003",
                               "121100000360305TUBO DE COBRE 1/4 POL",
                               "121100000250305R$     18,50",
                               "1e8202000040305200003",
                           }) +
                endBlock("0001"));
}

TEST(LabelExecutable, AnEmptyPrinterPathIsARuntimeError) {
  for (const char* code : {"etiqueta_peco", "etiqueta_pedido"}) {
    const JobRun run = runJob("e2e-noprinter", {{"RELATORIO", code}, {"SACOD", "9"},
                                             {"PRECO", "10"}}, /*printerPath=*/false);
    ASSERT_TRUE(run.result.finished);
    EXPECT_EQ(run.result.exitCode, 1) << code;
    EXPECT_TRUE(run.result.err.contains("tl_relatorios")) << code;
    EXPECT_FALSE(QFile::exists(run.printer));
  }
}
