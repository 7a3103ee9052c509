#pragma once
#include <functional>

#include "core/modcnn.h"
#include "drawing/displaylist.h"
#include "ui/ui.h"

class QPrinter;

// "entrada_estoque": the print dialog, then the stock-entry receipt of ENCOD
// once per copy chosen, each copy a print job of its own (all in one file
// when the dialog prints to a file), only the pages of the dialog's range.
// With --pdf: no dialog, one copy into that PDF. With --printer: no dialog,
// --copies copies on that printer. In batch runs: on the default printer
// (a run-time error when there is none). Cancelling the dialog is a
// run-time error and prints nothing.
void printEntradaEstoque(modCnn& m, ui::Ui& ui);

// The dialog-and-copies part on a given printer: each finished copy is
// handed to deliver (the job above renders it to printer).
void printEntradaEstoque(modCnn& m, ui::Ui& ui, QPrinter& printer,
                         const std::function<void(const draw::Document&)>& deliver);
