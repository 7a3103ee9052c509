#pragma once
#include "startup/modcnn.h"
#include "ui/ui.h"

// "entrada_estoque": the print dialog, then the stock-entry receipt of ENCOD
// once per copy chosen (to the PDF of --pdf instead when it is set).
void printEntradaEstoque(modCnn& m, ui::Ui& ui);
