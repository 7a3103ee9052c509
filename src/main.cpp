#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>
#include <memory>
#include <cstdlib>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dispatch/commandline.h"
#include "dispatch/form1.h"
#include "dispatch/streampicture.h"
#include "core/joblog.h"
#include "core/errors.h"
#include "core/modcnn.h"
#include "ui/appicon.h"
#include "core/outputfile.h"
#include "ui/ui.h"

namespace {

void say(FILE* to, const QString& text) {
  const QByteArray bytes = ui::stderrBytes(text);
  std::fwrite(bytes.constData(), 1, bytes.size(), to);
  std::fflush(to);
}

QString executableDir(const char* argv0) {
  // Before QApplication exists: /proc/self/exe, else argv[0].
  QFileInfo self("/proc/self/exe");
  if (self.exists()) return QFileInfo(self.symLinkTarget()).absolutePath();
  return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

// A job that has finished has closed its printer files and PDFs; ending the
// process here skips Qt's teardown, whose font database alone costs more
// than the whole start-up.
// Every run's one line in the job log, written here at the one exit.
struct RunClock {
  QDateTime started = QDateTime::currentDateTime();
  QElapsedTimer timer;
  RunClock() { timer.start(); }
};

[[noreturn]] void endProcess(modCnn& m, int status, const RunClock& clock, ui::Ui* ui = nullptr) {
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

// Without a session (a service, a terminal login) Qt complains on standard
// error that it has no runtime folder; give it a private one instead.
void quietRuntimeDir() {
  if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
  const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-tl_relatorios-" +
                         QByteArray::number(static_cast<qulonglong>(getuid()));
  if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST) qputenv("XDG_RUNTIME_DIR", dir);
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

int main(int argc, char** argv) {
  // SIGTERM, SIGINT and SIGHUP end the job at once with status 1, removing
  // temporary files (cleanup registry): nothing is left half written.
  cleanup::installSignalHandlers();
  const RunClock clock;
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  CommandLine cl = parseCommandLine(args, executableDir(argv[0]));
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
  // Where no window could be seen, run as in --batch.
  const bool display = hasDisplay();
  if (!display) cl.options.batch = true;
  if (cl.options.batch && (!display || !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  quietRuntimeDir();
  utf8CharacterType();

  // A receipt at the counter starts faster without the platform plugin.
  const std::unique_ptr<QCoreApplication> app =
      needsWindowSystem(cl.options) ? std::make_unique<QApplication>(argc, argv)
                                    : std::make_unique<QCoreApplication>(argc, argv);
  QCoreApplication::setApplicationName("tl_relatorios");
  // The users' locale is Brazilian Portuguese; a machine with no locale
  // configured at all (C/POSIX) gets that one rather than the C formats.
  if (QLocale::system().language() == QLocale::C)
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  if (!cl.options.batch) {  // batch runs show no window
    ui::installQtTranslations();
    // Every window without an icon of its own (the preview, the commission
    // window, message boxes) shows the program's; the label window keeps its own.
    QApplication::setWindowIcon(applicationIcon());
  }
  auto ui = ui::makeUi(cl.options.batch, {cl.options.printerName, cl.options.copies});

  modCnn m;
  m.options = cl.options;
  std::unique_ptr<StreamPicture> picture;
  // The job's picture once its streams are all taken (--pdf, --preview).
  const auto finishPicture = [&](Outcome outcome) {
    if (outcome == Outcome::Ended && picture && picture->pending())
      return picture->finish(*ui);
    return outcome;
  };
  const auto fail = [&](const QString& message) {
    m.record.message = message;
    ui::reportRuntimeError(*ui, message);
    endProcess(m, kExitRuntimeError, clock);
  };
  try {
    // A printer name that the system does not know fails before any work.
    if (!cl.options.printerName.isEmpty()) ui::requirePrinter(cl.options.printerName);
    Main(m);
    // Ours again once connected: the database client installs handlers of
    // its own, which would keep the process running after SIGTERM.
    cleanup::installSignalHandlers();
    picture = std::make_unique<StreamPicture>(m);
    const auto outcome = Form_Load(m, *ui);
    if (!outcome) {
      m.record.message = noDocumentMessage(m);
      reportNoDocument(*ui, m.record.message);
      endProcess(m, kExitNoDocument, clock);
    }
    if (finishPicture(*outcome) == Outcome::Ended) endProcess(m, kExitOk, clock);
  } catch (const RuntimeError& e) {
    fail(e.message());
  } catch (const std::exception& e) {
    fail(QString::fromLocal8Bit(e.what()));
  } catch (...) {
    fail(QStringLiteral("erro desconhecido"));
  }
  int status = QCoreApplication::exec();
  // A label window that printed: its picture now.
  if (status == 0 && picture && picture->pending()) {
    try {
      if (finishPicture(Outcome::Ended) == Outcome::WindowOpen) status = QCoreApplication::exec();
    } catch (const RuntimeError& e) {
      fail(e.message());
    }
  }
  endProcess(m, status, clock, ui.get());
}
