#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"
#include "dispatch/reportcodes.h"

// The dispatcher: compares RELATORIO, exactly and with regard to case, with
// the twenty report codes and runs the one that matches. Returns nothing
// for an unmatched or empty code (no document).
std::optional<Outcome> Form_Load(modCnn& m, ui::Ui& ui);

// The twenty report codes with their documents, in the order they are tested.
const std::vector<ReportCode>& dispatchTable();

