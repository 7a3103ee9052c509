#include "labels/labeljobs.h"

Outcome showEtiquetaPeco(modCnn&, ui::Ui&) { return Outcome::Ended; }

void IMPRIME_ETIQUETA_PEDIDO(modCnn&, ui::Ui&) {}
