#pragma once
#include <QString>
#include <optional>

#include "core/modcnn.h"
#include "ui/ui.h"

// Counter receipt of the sale SACOD on the printer file LOCALIMPRESSORA.
// Without a sale row nothing is printed and the printer file is not opened.
void Cupom(modCnn& m, ui::Ui& ui);

// The whole receipt as it goes to the printer, or nothing when the sale
// does not exist. Throws RuntimeError on a failed query or a null in a sum.
std::optional<QString> composeCupom(modCnn& m);
