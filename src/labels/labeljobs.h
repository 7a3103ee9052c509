#pragma once
#include "core/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// "etiqueta_peco": the price-label window for one product.
Outcome showEtiquetaPeco(modCnn& m, ui::Ui& ui);
// "etiqueta_pedido": one label per unit of every item of the sale SACOD.
void IMPRIME_ETIQUETA_PEDIDO(modCnn& m, ui::Ui& ui);
