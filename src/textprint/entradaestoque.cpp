#include "textprint/entradaestoque.h"

void printEntradaEstoque(modCnn&, ui::Ui&) {}
