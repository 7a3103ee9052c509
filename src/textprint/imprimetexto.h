#pragma once
#include "startup/modcnn.h"
#include "ui/ui.h"

// Sales-order text of SACOD for a 135-column printer, on LOCALIMPRESSORA.
void IMPRIMETEXTO(modCnn& m, ui::Ui& ui);
