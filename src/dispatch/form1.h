#pragma once
#include <QString>
#include <QStringList>
#include <optional>

#include "startup/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// The dispatcher: compares RELATORIO, exactly and with regard to case, with
// the twenty report codes and runs the one that matches. Returns nothing
// for an unmatched or empty code (no document).
std::optional<Outcome> Form_Load(modCnn& m, ui::Ui& ui);

// The twenty report codes, in the order they are tested.
const QStringList& reportCodes();
