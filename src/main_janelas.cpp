// The windowed program: every document, with the window system loaded. The
// program the host starts (main.cpp) hands it every job but a stream
// document run in batch.
#include <QApplication>
#include <memory>

#include "core/modcnn.h"
#include "core/outputfile.h"
#include "dispatch/form1.h"
#include "dispatch/process.h"
#include "dispatch/streampicture.h"
#include "ui/appicon.h"
#include "ui/ui.h"

int main(int argc, char** argv) {
  // SIGTERM, SIGINT and SIGHUP end the job at once with status 1, removing
  // temporary files (cleanup registry): nothing is left half written.
  cleanup::installSignalHandlers();
  const RunClock clock;
  CommandLine cl;
  if (const auto status = readCommandLine(argc, argv, cl)) return *status;
  prepareProcess();

  QApplication app(argc, argv);
  useUsersLocale();
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
  runGuarded(m, *ui, clock, [&] {
    // A printer name that the system does not know fails before any work.
    if (!cl.options.printerName.isEmpty()) ui::requirePrinter(cl.options.printerName);
    Main(m);
    // Ours again once connected: the database client installs handlers of
    // its own, which would keep the process running after SIGTERM.
    cleanup::installSignalHandlers();
    picture = std::make_unique<StreamPicture>(m);
    if (finishPicture(runDocument(m, *ui, clock, dispatchTable())) == Outcome::Ended)
      endProcess(m, kExitOk, clock);
  });
  int status = QCoreApplication::exec();
  // A label window that printed: its picture now.
  if (status == 0 && picture && picture->pending())
    runGuarded(m, *ui, clock, [&] {
      if (finishPicture(Outcome::Ended) == Outcome::WindowOpen) status = QCoreApplication::exec();
    });
  endProcess(m, status, clock, ui.get());
}
