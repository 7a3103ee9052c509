#include "dispatch/reportcodes.h"

#include <cstdio>

#include "core/configuration.h"
#include "core/inifile.h"
#include "textprint/cupom.h"
#include "textprint/imprimetexto.h"
#include "textprint/ostexto.h"

const QStringList& reportCodeNames() {
  static const QStringList names = {
      "pedidografico", "pedidocaixa",   "pedidoorcamento", "pedidosempreco",
      "pedidocupom",   "pedidotexto",   "etiqueta_peco",   "etiqueta_pedido",
      "osvisita",      "ose",           "os",              "ostexto",
      "pedidocompra",  "pedidocomprac", "saidaresumida",   "cadastro_kit",
      "pedido_producao", "entrada_estoque", "tabela_preco", "FrmConsComissaoGERAL"};
  return names;
}

const std::vector<ReportCode>& streamCodes() {
  static const std::vector<ReportCode> codes = {
      {"pedidocupom", printAndEnd<Cupom>},
      {"pedidotexto", printAndEnd<IMPRIMETEXTO>},
      {"ostexto", printAndEnd<OSTEXTO>},
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
  for (const auto& entry : streamCodes())
    if (entry.code == code) return false;
  return reportCodeNames().contains(code);
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
