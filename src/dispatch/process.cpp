#include "dispatch/process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/errors.h"
#include "core/joblog.h"

namespace {

QString executableDir(const char* argv0) {
  // Before QApplication exists: /proc/self/exe, else argv[0].
  QFileInfo self("/proc/self/exe");
  if (self.exists()) return QFileInfo(self.symLinkTarget()).absolutePath();
  return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

// Whether a window could be seen. The offscreen and minimal platforms show
// nothing: a message box there would wait forever for a click.
bool hasDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
  const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (platform.isEmpty()) return x11 || wayland;
  if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
  // These two abort the process when their display server is not named.
  if (platform.startsWith("xcb")) return x11;
  if (platform.startsWith("wayland")) return wayland;
  return true;
}

// Without a session (a service, a terminal login) Qt complains on standard
// error that it has no runtime folder; give it a private one instead.
void quietRuntimeDir() {
  if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
  const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-tl_relatorios-" +
                         QByteArray::number(static_cast<qulonglong>(getuid()));
  if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir);
}

// The database client converts a database path from the character set the
// environment names to UTF-8: under C or POSIX a path with accents cannot be
// converted. Qt itself only works under UTF-8, so the character type is made
// UTF-8 in the environment and the other categories are kept.
void utf8CharacterType() {
  std::setlocale(LC_ALL, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
  if (const char* all = std::getenv("LC_ALL"); all && *all) {
    setenv("LANG", all, 1);
    unsetenv("LC_ALL");
  }
  setenv("LC_CTYPE", "C.UTF-8", 1);
  std::setlocale(LC_ALL, "");
}

}  // namespace

void say(FILE* to, const QString& text) {
  const QByteArray bytes = ui::stderrBytes(text);
  std::fwrite(bytes.constData(), 1, bytes.size(), to);
  std::fflush(to);
}

std::optional<int> readCommandLine(int argc, char** argv, CommandLine& cl) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  cl = parseCommandLine(args, executableDir(argv[0]));
  if (!cl.error.isEmpty()) {
    say(stderr, "tl_relatorios: " + cl.error + "\n\n" + usageText());
    return kExitBadCommandLine;
  }
  if (cl.help) {
    say(stdout, usageText());
    return kExitOk;
  }
  if (cl.version) {
    say(stdout, "tl_relatorios " APP_VERSION "\n");
    return kExitOk;
  }
  const bool display = hasDisplay();
  if (!display) cl.options.batch = true;
  if (cl.options.batch && (!display || !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  return std::nullopt;
}

void prepareProcess() {
  quietRuntimeDir();
  utf8CharacterType();
}

void useUsersLocale() {
  QCoreApplication::setApplicationName("tl_relatorios");
  if (QLocale::system().language() == QLocale::C)
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void endProcess(modCnn& m, int status, const RunClock& clock, ui::Ui* ui) {
  if (m.record.message.isEmpty() && ui) m.record.message = ui->lastError;
  joblog::append(joblog::path(m), joblog::line(m, status, clock.started, clock.timer.elapsed()));
  m.FECHARS();
  m.FECHARS2();
  m.FECHARS3();
  m.Cnn.close();
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(status);
}

void runGuarded(modCnn& m, ui::Ui& ui, const RunClock& clock, const std::function<void()>& job) {
  QString message;
  try {
    job();
    return;
  } catch (const RuntimeError& e) {
    message = e.message();
  } catch (const std::exception& e) {
    message = QString::fromLocal8Bit(e.what());
  } catch (...) {
    message = QStringLiteral("erro desconhecido");
  }
  m.record.message = message;
  ui::reportRuntimeError(ui, message);
  endProcess(m, kExitRuntimeError, clock);
}

Outcome runDocument(modCnn& m, ui::Ui& ui, const RunClock& clock,
                    const std::vector<ReportCode>& table) {
  if (const auto outcome = runReportCode(table, m, ui)) return *outcome;
  m.record.message = noDocumentMessage(m);
  reportNoDocument(ui, m.record.message);
  endProcess(m, kExitNoDocument, clock);
}
