// The real executable, run as the host runs it: exit statuses and messages.
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

using testsupport::runExecutable;
using testsupport::scratchDir;
using testsupport::writeIni;

QString path(const QString& name) { return QDir(scratchDir()).filePath(name); }

TEST(Executable, HelpVersionAndBadOptions) {
  auto help = runExecutable({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains("--config"));
  auto version = runExecutable({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("tl_relatorios "));
  EXPECT_EQ(runExecutable({"--nada"}).exitCode, 2);
  EXPECT_EQ(runExecutable({"--job"}).exitCode, 2);
  EXPECT_EQ(runExecutable({"extra"}).exitCode, 2);
  for (const char* copies : {"0", "x", "1000"})
    EXPECT_EQ(runExecutable({"--copies", copies}).exitCode, 2) << copies;
  EXPECT_EQ(runExecutable({"--printer"}).exitCode, 2);
}

TEST(Executable, WithoutConfigurationTheJobIsNotRead) {
  // The job names an unknown code: had it been read, the exit status would be 3.
  const QString job = writeIni(path("job-unknown.txt"), {{"RELATORIO", "naoexiste"}});
  auto r = runExecutable({"--batch", "--config", path("nao/TL.ini"), "--job", job});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains(path("nao/TL.ini").toUtf8())) << r.err.constData();
}

TEST(Executable, AnUnknownPrinterIsARuntimeErrorBeforeAnyWork) {
  const QString cfg = testsupport::writeFixtureConfig(path("TL.ini"));
  const QString job =
      writeIni(path("job-printer.txt"), {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}});
  auto r = runExecutable(
      {"--batch", "--printer", "fila-inexistente", "--config", cfg, "--job", job});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(QString::fromUtf8(r.err).contains(
      QString::fromUtf8("impressora não encontrada: fila-inexistente")))
      << r.err.constData();
}

TEST(Executable, MissingDatabaseIsARuntimeError) {
  const QString cfg = writeIni(path("bad.ini"), {{"USUARIO", "SYSDBA"},
                                                 {"SENHA", "x"},
                                                 {"LOCALBANCO", path("nao_existe.fdb")}});
  const QString job = writeIni(path("job-x.txt"), {{"RELATORIO", "pedidocupom"}});
  auto r = runExecutable({"--batch", "--config", cfg, "--job", job});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(QFile::exists(path("nao_existe.fdb")));
}

TEST(Executable, UnmatchedOrEmptyCodeEndsWithStatus3NamingTheCode) {
  const QString cfg = testsupport::writeFixtureConfig(path("TL.ini"));
  for (const QString code : {"PedidoCaixa", "OS", ""}) {
    const QString job = writeIni(path("job-code.txt"), {{"RELATORIO", code}});
    auto r = runExecutable({"--batch", "--config", cfg, "--job", job});
    EXPECT_EQ(r.exitCode, 3) << code.toStdString();
    EXPECT_TRUE(r.err.contains(("\"" + code + "\"").toUtf8())) << r.err.constData();
  }
  // A missing job file reads as an empty code.
  auto r = runExecutable({"--batch", "--config", cfg, "--job", path("sem-job.txt")});
  EXPECT_EQ(r.exitCode, 3);
}

TEST(Executable, JobFileIsFoundInTheUserProfileFolder) {
  const QString cfg = testsupport::writeFixtureConfig(path("TL.ini"));
  QDir(scratchDir()).mkpath("perfil");
  writeIni(path("perfil/parimp.txt"), {{"RELATORIO", "codigo_do_perfil"}});
  auto r = runExecutable({"--batch", "--config", cfg}, 60000, {{"USERPROFILE", path("perfil")}});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("codigo_do_perfil")) << r.err.constData();
}

TEST(Executable, JobOptionOverridesTheUserProfileFolder) {
  const QString cfg = testsupport::writeFixtureConfig(path("TL.ini"));
  QDir(scratchDir()).mkpath("perfil2");
  writeIni(path("perfil2/parimp.txt"), {{"RELATORIO", "codigo_do_perfil"}});
  const QString job = writeIni(path("job-option.txt"), {{"RELATORIO", "codigo_da_opcao"}});
  auto r = runExecutable({"--batch", "--config", cfg, "--job", job}, 60000,
                         {{"USERPROFILE", path("perfil2")}});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("codigo_da_opcao")) << r.err.constData();
}

TEST(Executable, WithoutAProfileVariableTheJobIsInHome) {
  const QString cfg = testsupport::writeFixtureConfig(path("TL.ini"));
  QDir(scratchDir()).mkpath("casa");
  writeIni(path("casa/parimp.txt"), {{"RELATORIO", "codigo_da_casa"}});
  QMap<QString, QString> env = {{"HOME", path("casa")}};
  // The variable's name is matched without regard to case: clear every form.
  for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
    if (name.compare("userprofile", Qt::CaseInsensitive) == 0) env.insert(name, "");
  auto r = runExecutable({"--batch", "--config", cfg}, 60000, env);
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.contains("codigo_da_casa")) << r.err.constData();
}

}  // namespace

namespace {

// Any TIPO_CONEXAO takes the ODBC path with the driver name "SQl Server";
// here that name is registered for the SQLite ODBC driver.
TEST(Executable, SqlServerConfigurationConnectsThroughOdbc) {
  const QString odbcDir = path("odbc");
  QDir(scratchDir()).mkpath("odbc");
  QFile ini(odbcDir + "/odbcinst.ini");
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
  const QString driver = testsupport::sqliteOdbcDriver();
  ASSERT_FALSE(driver.isEmpty()) << "libsqliteodbc is not installed";
  ini.write("[SQl Server]\nDriver=" + driver.toUtf8() + "\n");
  ini.close();
  const QString cfg = writeIni(path("sql.ini"), {{"TIPO_CONEXAO", "sqlserver"},
                                                 {"SERVIDOR", "LOJA01"},
                                                 {"BANCO", path("odbc/loja.sqlite")}});
  const QString job = writeIni(path("job-sql.txt"), {{"RELATORIO", "nenhum"}});
  auto r = runExecutable({"--batch", "--config", cfg, "--job", job}, 60000,
                         {{"ODBCSYSINI", odbcDir}});
  EXPECT_EQ(r.exitCode, 3) << r.err.constData();  // connected, then no document
  // Without the driver name registered the connection fails before the job.
  auto missing = runExecutable({"--batch", "--config", cfg, "--job", job}, 60000,
                               {{"ODBCSYSINI", path("sem-odbc")}});
  EXPECT_EQ(missing.exitCode, 1);
}

}  // namespace

namespace {

// On a platform that shows nothing, an error must not wait for a click on a
// message box nobody can see.
TEST(Executable, ErrorsOnAnInvisiblePlatformDoNotWaitForAClick) {
  const QString job = writeIni(path("job-invisible.txt"), {{"RELATORIO", "pedidocupom"}});
  auto r = runExecutable({"--config", path("nao/TL.ini"), "--job", job}, 20000);
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 1);
  // The X11 platform without a display to reach would abort inside Qt.
  auto x11 = runExecutable({"--config", path("nao/TL.ini"), "--job", job}, 20000,
                           {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ""}});
  EXPECT_TRUE(x11.finished);
  EXPECT_EQ(x11.exitCode, 1);
}

}  // namespace
