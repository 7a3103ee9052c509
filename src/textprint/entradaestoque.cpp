#include "textprint/entradaestoque.h"

#include <QPageLayout>
#include <QPrinter>
#include <algorithm>

#include "core/errors.h"
#include "textprint/imprimeentrada.h"
#include "drawing/painterbackend.h"

namespace {

const QString kTitle = QStringLiteral("Recibo de entrada de estoque");

// One complete receipt, as the printer object leaves it after EndDoc.
std::vector<draw::Document> receipt(modCnn& m, draw::Orientation orientation) {
  Printer printer(orientation);
  IMPRIMEENTRADA(m, printer);
  std::vector<draw::Document> docs = printer.takeDocuments();
  for (draw::Document& d : docs) d.title = kTitle;
  return docs;
}

}  // namespace

void printEntradaEstoque(modCnn& m, ui::Ui& ui, QPrinter& printer,
                         const std::function<void(const draw::Document&)>& deliver) {
  draw::preparePrinter(printer, draw::Orientation::Portrait, kTitle);
  // The receipt is laid out after the dialog, in the orientation chosen
  // there: its page count is not known yet.
  if (!ui.printDialog(printer, {0, -1}))
    throw RuntimeError("cancelamento da impressão pelo usuário");
  const int copies = std::max(1, printer.copyCount());
  // Each copy is a job of its own; the spooler must not multiply them again.
  printer.setCopyCount(1);
  const draw::Orientation orientation =
      printer.pageLayout().orientation() == QPageLayout::Landscape
          ? draw::Orientation::Landscape
          : draw::Orientation::Portrait;
  for (int copy = 1; copy <= copies; ++copy)
    for (const draw::Document& doc : receipt(m, orientation)) deliver(doc);
}

void printEntradaEstoque(modCnn& m, ui::Ui& ui) {
  if (!m.options.pdfPath.isEmpty()) {
    draw::renderToPdf(receipt(m, draw::Orientation::Portrait), m.options.pdfPath);
    m.record.pdfs << m.options.pdfPath;
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  std::vector<draw::Document> docs;
  printEntradaEstoque(m, ui, printer, [&](const draw::Document& doc) { docs.push_back(doc); });
  // Without a window the printer is the default one, unless --printer named one.
  if (printer.printerName().isEmpty() && printer.outputFileName().isEmpty())
    throw RuntimeError(
        "Nenhuma impressora padrão configurada no sistema: não é possível imprimir o recibo "
        "de entrada (use --pdf para gravar um arquivo PDF ou --printer para escolher a "
        "impressora).");
  // Each copy its own job; "print to file" puts them all in the one file.
  draw::renderToPrinter(docs, printer);
}
