#include "dispatch/form1.h"
#include <cstdlib>

#include "commission/comissao.h"
#include "labels/labeljobs.h"
#include "reports/pagereports.h"
#include "textprint/entradaestoque.h"

namespace {

Handler pageReport(const QString& code) {
  return [code](modCnn& m, ui::Ui& ui) { return showPageReport(m, ui, code); };
}

// A stream document, as the stream program runs it.
ReportCode streamCode(const char* code) {
  for (const ReportCode& entry : streamCodes())
    if (entry.code == QLatin1String(code)) return entry;
  std::abort();  // a name missing from streamCodes() is a fault of this file
}

}  // namespace

const std::vector<ReportCode>& dispatchTable() {
  static const std::vector<ReportCode> codes = {
      {"pedidografico", pageReport("pedidografico")},
      {"pedidocaixa", pageReport("pedidocaixa")},
      {"pedidoorcamento", pageReport("pedidoorcamento")},
      {"pedidosempreco", pageReport("pedidosempreco")},
      streamCode("pedidocupom"),
      streamCode("pedidotexto"),
      {"etiqueta_peco", showEtiquetaPeco},
      {"etiqueta_pedido", printAndEnd<IMPRIME_ETIQUETA_PEDIDO>},
      {"osvisita", pageReport("osvisita")},
      {"ose", pageReport("ose")},
      {"os", pageReport("os")},
      streamCode("ostexto"),
      {"pedidocompra", pageReport("pedidocompra")},
      {"pedidocomprac", pageReport("pedidocomprac")},
      {"saidaresumida", pageReport("saidaresumida")},
      {"cadastro_kit", pageReport("cadastro_kit")},
      {"pedido_producao", pageReport("pedido_producao")},
      {"entrada_estoque", printAndEnd<printEntradaEstoque>},
      {"tabela_preco", pageReport("tabela_preco")},
      {"FrmConsComissaoGERAL", showFrmConsComissaoGERAL},
  };
  return codes;
}
