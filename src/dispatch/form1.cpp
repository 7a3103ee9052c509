#include "dispatch/form1.h"

#include "commission/comissao.h"
#include "labels/labeljobs.h"
#include "reports/pagereports.h"
#include "textprint/entradaestoque.h"

namespace {

Handler pageReport(const QString& code) {
  return [code](modCnn& m, ui::Ui& ui) { return showPageReport(m, ui, code); };
}

// What a report code runs: a page report unless named here.
Handler handlerFor(const QString& code) {
  for (const ReportCode& entry : streamCodes())
    if (entry.code == code) return entry.handler;
  if (code == "etiqueta_peco") return showEtiquetaPeco;
  if (code == "etiqueta_pedido") return printAndEnd<IMPRIME_ETIQUETA_PEDIDO>;
  if (code == "entrada_estoque") return printAndEnd<printEntradaEstoque>;
  if (code == "FrmConsComissaoGERAL") return showFrmConsComissaoGERAL;
  return pageReport(code);
}

}  // namespace

const std::vector<ReportCode>& dispatchTable() {
  static const std::vector<ReportCode> codes = [] {
    std::vector<ReportCode> table;
    for (const QString& code : reportCodeNames()) table.push_back({code, handlerFor(code)});
    return table;
  }();
  return codes;
}
