// The label window's printing procedures: the price-label button and the
// order-label job.
#include <QLineEdit>
#include <QRadioButton>

#include "labels/frm_etiqueta_argox.h"
#include "labels/orderlabels.h"
#include "labels/ppla.h"
#include "core/masks.h"
#include "textprint/printerdestination.h"

namespace {

const QString kPrecoInvalido = QStringLiteral(
    "O Preço do produto não é válido, verifique se você selecionou a Tabela de Preço.");
const QString kPerguntaPreco = QStringLiteral(
    "Confirma a impressão das etiquetas com preço de venda?\r\n"
    "Para imprimir as etiquetas sem preço, clique em Não.");

}  // namespace

void frm_etiqueta_argox::BTIMPRIMIR_Click() {
  if (!parseLocaleNumber(QTDE->text())) QTDE->setText("1");
  QTDE->setText(formatMask(Value::text(QTDE->text()), "0000"));
  if (COMPRECO->isChecked() && m_.job.PRECO == 0) {
    ui_.message(kPrecoInvalido, "tl_relatorios", ui::Icon::Exclamation, ui::Buttons::Ok,
                ui::Answer::Ok);
    endProgram();
    return;
  }
  IMPRIME_ETIQUETA_PRECO();
}

void frm_etiqueta_argox::IMPRIME_ETIQUETA_PRECO() {
  ppla::PriceLabels job;
  job.company = m_.job.NOMEEMPRESA;
  job.productName = m_.job.NOMEPRODUTO;
  job.barcode = m_.job.CODBARRAS;
  job.price = m_.job.PRECO;
  job.withPrice = COMPRECO->isChecked();
  job.copies = QTDE->text();
  const QString stream = ppla::priceLabelJob(job);
  // One press, one job: a file is emptied and holds this job alone.
  printStream(m_, m_.job.IMPRESSORA, stream, m_.job.CODBARRAS);
}

void frm_etiqueta_argox::IMPRIME_ETIQUETA_PEDIDO() {
  const ui::Answer answer = ui_.message(kPerguntaPreco, "Talvora", ui::Icon::None,
                                        ui::Buttons::YesNo, ui::Answer::Yes);
  const std::vector<QString> rows =
      composeOrderLabelRows(readOrderLabels(m_, answer == ui::Answer::Yes));
  // Each row is a printer job of its own; in a file the run's first row
  // replaces it and the others are added.
  LabelPort port(m_.job.IMPRESSORA, m_.config.path,
                 printer::jobTitle(m_.job.RELATORIO, m_.job.SACOD.value_or(QString())), &m_);
  for (const QString& row : rows) {
    port.open();
    port.write(row);
    port.close();
  }
  port.deliver();
}
