#pragma once
#include "startup/modcnn.h"
#include "ui/ui.h"

// Counter receipt of the sale SACOD on the printer file LOCALIMPRESSORA.
void Cupom(modCnn& m, ui::Ui& ui);
