#include "dispatch/form1.h"
#include <QFileInfo>
#include <cstdio>


#include "commission/comissao.h"
#include "core/configuration.h"
#include "core/inifile.h"
#include "labels/labeljobs.h"
#include "reports/pagereports.h"
#include "textprint/cupom.h"
#include "textprint/entradaestoque.h"
#include "textprint/imprimetexto.h"
#include "textprint/ostexto.h"

namespace {

Handler pageReport(const QString& code) {
  return [code](modCnn& m, ui::Ui& ui) { return showPageReport(m, ui, code); };
}

template <void (*Print)(modCnn&, ui::Ui&)>
Outcome printAndEnd(modCnn& m, ui::Ui& ui) {
  Print(m, ui);
  return Outcome::Ended;
}

}  // namespace

const std::vector<ReportCode>& dispatchTable() {
  static const std::vector<ReportCode> codes = {
      {"pedidografico", pageReport("pedidografico")},
      {"pedidocaixa", pageReport("pedidocaixa")},
      {"pedidoorcamento", pageReport("pedidoorcamento")},
      {"pedidosempreco", pageReport("pedidosempreco")},
      {"pedidocupom", printAndEnd<Cupom>, true},
      {"pedidotexto", printAndEnd<IMPRIMETEXTO>, true},
      {"etiqueta_peco", showEtiquetaPeco},
      {"etiqueta_pedido", printAndEnd<IMPRIME_ETIQUETA_PEDIDO>},
      {"osvisita", pageReport("osvisita")},
      {"ose", pageReport("ose")},
      {"os", pageReport("os")},
      {"ostexto", printAndEnd<OSTEXTO>, true},
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

std::optional<Outcome> runReportCode(const std::vector<ReportCode>& table, modCnn& m,
                                     ui::Ui& ui) {
  for (const auto& entry : table)
    if (m.job.RELATORIO == entry.code) return entry.handler(m, ui);
  return std::nullopt;
}

bool needsWindowSystem(const RunOptions& options) {
  if (!options.batch || options.preview || !options.pdfPath.isEmpty() ||
      !options.printerName.isEmpty())
    return true;
  const QString code = LEINI("Geral", "RELATORIO", options.jobPath);
  for (const auto& entry : dispatchTable())
    if (entry.code == code) return !entry.streamOnly;
  return true;
}

std::optional<Outcome> Form_Load(modCnn& m, ui::Ui& ui) {
  return runReportCode(dispatchTable(), m, ui);
}

QString noDocumentMessage(const modCnn& m) {
  QString text = "nenhum documento para o código de relatório \"" + m.job.RELATORIO + "\"";
  // An unknown code is most often a job file that was not there to read.
  const QString jobProblem = unreadableFile(m.job.path, "de trabalho");
  if (!jobProblem.isEmpty()) text += " (" + jobProblem + ")";
  return text;
}

void reportNoDocument(ui::Ui& ui, const QString& message) {
  const QByteArray line = ui::stderrBytes("tl_relatorios: " + message + "\n");
  std::fwrite(line.constData(), 1, line.size(), stderr);
  std::fflush(stderr);
  if (ui.windowsAllowed())
    ui.message(message, "tl_relatorios", ui::Icon::Exclamation, ui::Buttons::Ok, ui::Answer::Ok);
}
