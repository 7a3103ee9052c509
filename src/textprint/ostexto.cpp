#include "textprint/ostexto.h"

void OSTEXTO(modCnn&, ui::Ui&) {}
