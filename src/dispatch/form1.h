#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// The dispatcher: compares RELATORIO, exactly and with regard to case, with
// the twenty report codes and runs the one that matches. Returns nothing
// for an unmatched or empty code (no document).
std::optional<Outcome> Form_Load(modCnn& m, ui::Ui& ui);

using Handler = std::function<Outcome(modCnn&, ui::Ui&)>;
struct ReportCode {
  QString code;
  Handler handler;
  // A stream for a text or label printer: run in batch it draws nothing and
  // opens no window, so it needs no window system at all.
  bool streamOnly = false;
};

// The twenty report codes with their documents, in the order they are tested.
const std::vector<ReportCode>& dispatchTable();

// Runs the handler of the first code equal to RELATORIO; nothing when none is.
std::optional<Outcome> runReportCode(const std::vector<ReportCode>& table, modCnn& m,
                                     ui::Ui& ui);

// Whether the run needs the window system (windows, fonts, drawing): every
// run but a stream job in batch mode that goes to its printer (no --pdf,
// --preview or --printer). The code is peeked from the job file, before
// anything else is read, so that such a run can start without the platform
// plugin; a job file that cannot be read counts as needing it.
bool needsWindowSystem(const RunOptions& options);

// No document for the job's report code (exit status 3): the code named, and
// the job file when it does not exist.
QString noDocumentMessage(const modCnn& m);
// Standard error, and a message box titled "tl_relatorios" where windows are
// allowed: a host started without a terminal still shows why.
void reportNoDocument(ui::Ui& ui, const QString& message);
