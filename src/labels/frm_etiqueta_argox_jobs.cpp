// The label window's printing procedures: the price-label button and the
// order-label job.
#include <QLineEdit>
#include <QRadioButton>

#include "labels/frm_etiqueta_argox.h"
#include "labels/ppla.h"
#include "core/masks.h"
#include "core/sqltext.h"
#include "textprint/printerdestination.h"

namespace {

const QString kPrecoInvalido = QStringLiteral(
    "O Preço do produto não é válido, verifique se você selecionou a Tabela de Preço.");
const QString kPerguntaPreco = QStringLiteral(
    "Confirma a impressão das etiquetas com preço de venda?\r\n"
    "Para imprimir as etiquetas sem preço, clique em Não.");

// Copies of an order-label row.
const QString kOneCopy = QStringLiteral("0001");

QString orderLabelSql(const modCnn& m) {
  return "select p.prbarra,i.itprnome,i.itqtd,i.itvrunitario from itemsaida i inner join "
         "produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='" +
         sqlQuote(sqlCode(m.job.SACOD, "SACOD")) + "' order by i.itcod";
}

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

void frm_etiqueta_argox::INICIA_IMP() {
  port_->open();
  LineComposer lc;
  ppla::startBlock(lc);
  port_->write(lc.text());
}

void frm_etiqueta_argox::FINALIZA_IMP() {
  LineComposer lc;
  ppla::endBlock(lc, kOneCopy);
  port_->write(lc.text());
  port_->close();
}

void frm_etiqueta_argox::writeLine(const QString& composed) { port_->write(composed); }

void frm_etiqueta_argox::IMPRIME_ETIQUETA_PEDIDO() {
  const ui::Answer answer = ui_.message(kPerguntaPreco, "Talvora", ui::Icon::None,
                                        ui::Buttons::YesNo, ui::Answer::Yes);
  const QString resposta = answer == ui::Answer::Yes ? "SIM" : "NAO";
  int coluna = 1;
  // A fresh run: its first row empties a file.
  port_ = std::make_unique<LabelPort>(
      m_.job.IMPRESSORA, m_.config.path,
      printer::jobTitle(m_.job.RELATORIO, m_.job.SACOD.value_or(QString())), &m_);

  m_.FECHARS();
  m_.Rs.open(orderLabelSql(m_), m_.Cnn);
  while (!m_.Rs.eof()) {
    ppla::OrderLabel label;
    label.company = m_.job.NOMEEMPRESA;
    label.barcode = m_.Rs["prbarra"];
    label.name = m_.Rs["itprnome"];
    label.unitPrice = m_.Rs["itvrunitario"];
    label.withPrice = resposta == "SIM";
    // Numeric comparison: 2.5 gives three labels; null, zero or less none.
    const double itqtd = m_.Rs["itqtd"].toDouble();
    const auto put = [&](ppla::Place place) {
      LineComposer lc;
      ppla::orderLabel(lc, place, label);
      writeLine(lc.text());
    };

    int cont = 0;
    while (cont < itqtd) {
      if (coluna == 1) {
        ++cont;
        INICIA_IMP();
        put(ppla::Place::Left);
        coluna = 2;
      }
      if (coluna == 2 && cont < itqtd) {
        ++cont;
        put(ppla::Place::Middle);
        coluna = 3;
      }
      if (coluna == 3 && cont < itqtd) {
        ++cont;
        put(ppla::Place::Right);
        FINALIZA_IMP();
        coluna = 1;
      }
    }
    m_.Rs.MoveNext();
  }
  m_.FECHARS();
  // The last row, only partly filled.
  if (coluna != 1) FINALIZA_IMP();
  // Every row composed: now each goes to the printer as its own job.
  port_->deliver();
}
