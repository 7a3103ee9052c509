#pragma once
#include <QString>

#include "startup/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// Prepares and shows the page report of a report code (margins, images,
// captions, data command, preview), or writes it to the PDF of --pdf.
Outcome showPageReport(modCnn& m, ui::Ui& ui, const QString& code);
