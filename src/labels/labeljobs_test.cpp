// The two label codes through the real executable, in batch runs.
#include "labels/labeljobs.h"

#include <QFile>

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
    return testsupport::writeIni(testsupport::scratchFile("labels-TL.ini"),
                                 {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"}, {"LOCALBANCO", db}});
  }();
  return ini;
}

}  // namespace

// Job files in Windows-1252, as the host writes them: the price labels print
// once with the window's first values, the order labels take the default
// answer (testdata/executavel.lines). No price or printer: badinput_e2e_test.
TEST(LabelExecutable, BatchRuns) {
  const struct {
    const char* name;
    QList<QPair<QString, QString>> keys;
    QString err;
  } cases[] = {
      {"e2e-peco",
       {{"RELATORIO", "etiqueta_peco"}, {"NOMEEMPRESA", "BRISA NORTE"},
        {"NOMEPRODUTO", "FILTRO DE AR LAVÁVEL PARA SPLIT 12000"}, {"CODBARRAS", "7891234500154"},
        {"PRECO", "1234,5"}}, ""},
      {"e2e-pedido", {{"RELATORIO", "etiqueta_pedido"}, {"NOMEEMPRESA", "BRISA NORTE"}, {"SACOD", "10"}},
       "Confirma a impressão das etiquetas com preço de venda?"},
  };
  QStringList printed;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString printer = freshPath(QString(c.name) + ".prn");
    const QString job = testsupport::writeIni(testsupport::scratchFile(QString(c.name) + ".txt"),
                                              c.keys + QList<QPair<QString, QString>>{{"IMPRESSORA", printer}}, false);
    const auto r = testsupport::runExecutable({"--config", configFile(), "--job", job, "--batch"}, 120000,
                                              {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"}});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(c.err)) << r.err.toStdString();
    printed << QString("= ") + c.name << listing(testsupport::readFile(printer));
  }
  testsupport::expectGoldenLines(printed, golden("executavel.lines"));
}
