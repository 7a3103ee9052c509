#include "dispatch/form1.h"

#include <functional>
#include <utility>
#include <vector>

#include "commission/comissao.h"
#include "labels/labeljobs.h"
#include "reports/pagereports.h"
#include "textprint/cupom.h"
#include "textprint/entradaestoque.h"
#include "textprint/imprimetexto.h"
#include "textprint/ostexto.h"

namespace {

using Handler = std::function<Outcome(modCnn&, ui::Ui&)>;

Handler pageReport(const QString& code) {
  return [code](modCnn& m, ui::Ui& ui) { return showPageReport(m, ui, code); };
}

template <void (*Print)(modCnn&, ui::Ui&)>
Outcome printAndEnd(modCnn& m, ui::Ui& ui) {
  Print(m, ui);
  return Outcome::Ended;
}

const std::vector<std::pair<QString, Handler>>& table() {
  static const std::vector<std::pair<QString, Handler>> codes = {
      {"pedidografico", pageReport("pedidografico")},
      {"pedidocaixa", pageReport("pedidocaixa")},
      {"pedidoorcamento", pageReport("pedidoorcamento")},
      {"pedidosempreco", pageReport("pedidosempreco")},
      {"pedidocupom", printAndEnd<Cupom>},
      {"pedidotexto", printAndEnd<IMPRIMETEXTO>},
      {"etiqueta_peco", showEtiquetaPeco},
      {"etiqueta_pedido", printAndEnd<IMPRIME_ETIQUETA_PEDIDO>},
      {"osvisita", pageReport("osvisita")},
      {"ose", pageReport("ose")},
      {"os", pageReport("os")},
      {"ostexto", printAndEnd<OSTEXTO>},
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

}  // namespace

const QStringList& reportCodes() {
  static const QStringList codes = [] {
    QStringList c;
    for (const auto& entry : table()) c << entry.first;
    return c;
  }();
  return codes;
}

std::optional<Outcome> Form_Load(modCnn& m, ui::Ui& ui) {
  for (const auto& [code, handler] : table())
    if (m.job.RELATORIO == code) return handler(m, ui);
  return std::nullopt;
}
