// The real executable, run as the host runs it: exit statuses and messages.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include "testsupport.h"

namespace {

using testsupport::runExecutable;
using testsupport::scratchFile;
using testsupport::writeIni;

TEST(Executable, HelpVersionAndBadOptions) {
  auto help = runExecutable({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains("--config"));
  auto version = runExecutable({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("tl_relatorios "));
  for (const QStringList& bad : {QStringList{"--nada"}, {"--job"}, {"extra"}, {"--printer"},
                                 {"--copies", "0"}, {"--copies", "x"}, {"--copies", "1000"}})
    EXPECT_EQ(runExecutable(bad).exitCode, 2) << bad.join(' ').toStdString();
}

// A database that cannot be opened ends the run before the job (an unknown
// code) is read, and no database file is created.
TEST(Executable, WithoutADatabaseTheJobIsNotRead) {
  const QString job = writeIni(scratchFile("job-unknown.txt"), {{"RELATORIO", "naoexiste"}});
  const QString cfg = writeIni(scratchFile("bad.ini"), {{"USUARIO", "SYSDBA"}, {"SENHA", "x"},
                                                        {"LOCALBANCO", scratchFile("nao.fdb")}});
  EXPECT_EQ(runExecutable({"--batch", "--config", cfg, "--job", job}).exitCode, 1);
  EXPECT_FALSE(QFile::exists(scratchFile("nao.fdb")));
}

TEST(Executable, AnUnknownPrinterIsARuntimeErrorBeforeAnyWork) {
  const QString cfg = testsupport::writeFixtureConfig(scratchFile("TL.ini"));
  const QString job =
      writeIni(scratchFile("job-printer.txt"), {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}});
  auto r = runExecutable(
      {"--batch", "--printer", "fila-inexistente", "--config", cfg, "--job", job});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(QString::fromUtf8(r.err).contains("impressora não encontrada: fila-inexistente"))
      << r.err.constData();
}

// Codes match exactly, case and blanks included (quotes keep the blanks of
// a value).
TEST(Executable, UnmatchedOrEmptyCodeEndsWithStatus3NamingTheCode) {
  const QString cfg = testsupport::writeFixtureConfig(scratchFile("TL.ini"));
  for (const auto& [value, code] : {std::pair{"PedidoCaixa", "PedidoCaixa"}, {"OS", "OS"},
                                    {"\" os\"", " os"}, {"", ""}}) {
    const QString job = writeIni(scratchFile("job-code.txt"), {{"RELATORIO", value}});
    auto r = runExecutable({"--batch", "--config", cfg, "--job", job});
    EXPECT_EQ(r.exitCode, 3) << value;
    EXPECT_TRUE(r.err.contains("\"" + QByteArray(code) + "\"")) << r.err.constData();
  }
}

// Without --job: parimp.txt in the user profile folder (the variable's name
// in any case), else in HOME; --job wins over both.
TEST(Executable, WhereTheJobFileIsFound) {
  const QString cfg = testsupport::writeFixtureConfig(scratchFile("TL.ini"));
  QMap<QString, QString> home = {{"HOME", scratchFile("casa")}};
  for (const QString& name : QProcessEnvironment::systemEnvironment().keys())
    if (name.compare("userprofile", Qt::CaseInsensitive) == 0) home.insert(name, "");
  for (const QString folder : {"perfil", "casa"}) {
    QDir(testsupport::scratchDir()).mkpath(folder);
    writeIni(scratchFile(folder + "/parimp.txt"), {{"RELATORIO", "codigo_" + folder}});
  }
  const QString option = writeIni(scratchFile("job-option.txt"), {{"RELATORIO", "codigo_opcao"}});
  const QMap<QString, QString> profile = {{"UserProfile", scratchFile("perfil")}};
  for (const auto& [args, env, code] : {std::tuple{QStringList{}, profile, "codigo_perfil"},
                                        {QStringList{"--job", option}, profile, "codigo_opcao"},
                                        {QStringList{}, home, "codigo_casa"}}) {
    auto r = runExecutable(QStringList{"--batch", "--config", cfg} + args, 60000, env);
    EXPECT_EQ(r.exitCode, 3) << code;
    EXPECT_TRUE(r.err.contains(code)) << r.err.constData();
  }
}

// On a platform that shows nothing, an error must not wait for a click on a
// message box nobody can see; the X11 platform without a display to reach
// would abort inside Qt.
TEST(Executable, ErrorsOnAnInvisiblePlatformDoNotWaitForAClick) {
  const QString job = writeIni(scratchFile("job-invisible.txt"), {{"RELATORIO", "pedidocupom"}});
  for (const QMap<QString, QString>& env :
       {QMap<QString, QString>{}, {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ""}}}) {
    auto r = runExecutable({"--config", scratchFile("nao/TL.ini"), "--job", job}, 20000, env);
    EXPECT_TRUE(r.finished);
    EXPECT_EQ(r.exitCode, 1);
  }
}

}  // namespace

// The program the host starts prints a receipt in batch on its own, and says
// there is no document for an unknown code; any other job needs the windowed
// program beside it, and says so when it is missing, with nothing written.
TEST(Executable, OnlyStreamJobsRunWithoutTheWindowedProgram) {
  const QString dir = scratchFile("sem-janelas");
  QDir(dir).removeRecursively();
  QDir().mkpath(dir);
  const QString exe = testsupport::copyProgram(dir);
  QFile::remove(dir + "/tl_relatorios_janelas");
  const QString cfg = testsupport::writeFixtureConfig(dir + "/TL.ini");
  const auto run = [&](const QString& code, const QStringList& extra) {
    const QString job = writeIni(dir + "/job.txt", {{"RELATORIO", code}, {"SACOD", "3"},
                                                    {"LOCALIMPRESSORA", dir + "/cupom.prn"}});
    QProcess p;
    p.start(exe, QStringList{"--batch", "--config", cfg, "--job", job} + extra);
    EXPECT_TRUE(p.waitForFinished(60000));
    return std::pair{p.exitCode(), p.readAllStandardError()};
  };
  EXPECT_EQ(run("pedidocupom", {}).first, 0);
  EXPECT_EQ(run("nenhum", {}).first, 3);
  EXPECT_TRUE(testsupport::readFile(dir + "/cupom.prn").contains("TOTAL"));
  const auto [status, err] = run("pedidografico", {"--pdf", dir + "/pedido.pdf"});
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(err.contains("não foi possível iniciar " + dir.toUtf8() + "/tl_relatorios_janelas"))
      << err.constData();
  EXPECT_FALSE(QFile::exists(dir + "/pedido.pdf"));
}
