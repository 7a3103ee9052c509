#include "textprint/entradaestoque.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
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
  if (!ui.printDialog(printer)) throw RuntimeError("cancelamento da impressão pelo usuário");
  // The page range of the dialog is not used: the receipt always prints whole.
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
    return;
  }
  if (m.options.batch && QPrinterInfo::defaultPrinter().isNull())
    throw RuntimeError(
        "Nenhuma impressora padrão configurada no sistema: não é possível imprimir o recibo "
        "de entrada (use --pdf para gravar um arquivo PDF).");
  QPrinter printer(QPrinter::HighResolution);
  // A dialog's "print to file" writes one file: the copies go into it one
  // after the other instead of each overwriting the last.
  draw::Document toFile;
  printEntradaEstoque(m, ui, printer, [&](const draw::Document& doc) {
    if (printer.outputFormat() != QPrinter::PdfFormat) {
      draw::renderToPrinter(doc, printer);
      return;
    }
    if (toFile.pages.empty()) {
      toFile.title = doc.title;
      toFile.orientation = doc.orientation;
    }
    toFile.pages.insert(toFile.pages.end(), doc.pages.begin(), doc.pages.end());
  });
  if (!toFile.pages.empty()) draw::renderToPrinter(toFile, printer);
}
