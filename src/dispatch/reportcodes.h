#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// Report codes and what they run, and the part of dispatching that needs no
// window system: the stream program (tl_relatorios) links only this, the
// windowed one (tl_relatorios_janelas) the whole table of form1.h.

using Handler = std::function<Outcome(modCnn&, ui::Ui&)>;
struct ReportCode {
  QString code;
  Handler handler;
};

// The twenty report codes, in the order they are tested.
const QStringList& reportCodeNames();

// A document that prints and ends the run.
template <void (*Print)(modCnn&, ui::Ui&)>
Outcome printAndEnd(modCnn& m, ui::Ui& ui) {
  Print(m, ui);
  return Outcome::Ended;
}

// The documents that are streams for a text printer and neither draw nor
// open a window when run in batch: the counter receipt, the order text and
// the service-order text.
const std::vector<ReportCode>& streamCodes();

// Runs the handler of the first code equal to RELATORIO; nothing when none is.
std::optional<Outcome> runReportCode(const std::vector<ReportCode>& table, modCnn& m,
                                     ui::Ui& ui);

// Whether the run needs the window system (windows, fonts, drawing). A batch
// run that goes to its printer (no --pdf, --preview or --printer) does not
// when its code is one of streamCodes(), or names no document at all (it
// only says so, on standard error). The code is peeked from the job file
// before anything else is read.
bool needsWindowSystem(const RunOptions& options);

// No document for the job's report code (exit status 3): the code named, and
// the job file when it does not exist.
QString noDocumentMessage(const modCnn& m);
// Standard error, and a message box titled "tl_relatorios" where windows are
// allowed: a run the host started without a terminal still shows why.
void reportNoDocument(ui::Ui& ui, const QString& message);
