#pragma once
#include <QString>
#include <QTime>
#include <optional>

#include "core/modcnn.h"
#include "ui/ui.h"

// Sales-order text of SACOD for a 135-column printer, on LOCALIMPRESSORA.
// Tells the user (through ui) when the customer's state has no tax row, and
// prints nothing when the customer or seller record is incomplete.
void IMPRIMETEXTO(modCnn& m, ui::Ui& ui);

// The checks and the whole document, with `now` as the printed time; nothing
// when the checks stop the printout.
std::optional<QString> composeImprimeTexto(modCnn& m, ui::Ui& ui, const QTime& now);
