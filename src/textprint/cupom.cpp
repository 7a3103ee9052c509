#include "textprint/cupom.h"

void Cupom(modCnn&, ui::Ui&) {}
