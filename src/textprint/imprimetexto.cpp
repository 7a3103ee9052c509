#include "textprint/imprimetexto.h"

void IMPRIMETEXTO(modCnn&, ui::Ui&) {}
