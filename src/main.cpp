// The program the host starts. A stream document run in batch (the counter
// receipt, the order text, the service-order text) is printed here, without
// loading the window system: that is most of a receipt's start-up. Any other
// job is handed, in the same process, to tl_relatorios_janelas beside it.
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "core/modcnn.h"
#include "core/outputfile.h"
#include "dispatch/process.h"
#include "dispatch/reportcodes.h"
#include "ui/ui.h"

int main(int argc, char** argv) {
  // SIGTERM, SIGINT and SIGHUP end the job at once with status 1, removing
  // temporary files (cleanup registry): nothing is left half written.
  cleanup::installSignalHandlers();
  const RunClock clock;
  CommandLine cl;
  if (const auto status = readCommandLine(argc, argv, cl)) return *status;
  modCnn m;
  m.options = cl.options;
  ui::ConsoleUi console;
  if (needsWindowSystem(cl.options)) {
    const QString windowed = cl.options.exeDir + "/tl_relatorios_janelas";
    execv(QFile::encodeName(windowed).constData(), argv);
    m.record.message = "não foi possível iniciar " + windowed + ": " +
                       QString::fromLocal8Bit(std::strerror(errno));
    ui::reportRuntimeError(console, m.record.message);
    endProcess(m, kExitRuntimeError, clock);
  }
  prepareProcess();
  QCoreApplication app(argc, argv);
  useUsersLocale();
  runGuarded(m, console, clock, [&] {
    Main(m);
    // Ours again once connected: the database client installs handlers of
    // its own, which would keep the process running after SIGTERM.
    cleanup::installSignalHandlers();
    runDocument(m, console, clock, streamCodes());
  });
  endProcess(m, kExitOk, clock);
}
