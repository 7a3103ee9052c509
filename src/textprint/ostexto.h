#pragma once
#include "startup/modcnn.h"
#include "ui/ui.h"

// Service-order form of OSCOD for a 135-column printer, on LOCALIMPRESSORA.
void OSTEXTO(modCnn& m, ui::Ui& ui);
