#include "labels/labeljobs.h"

#include "labels/frm_etiqueta_argox.h"

Outcome showEtiquetaPeco(modCnn& m, ui::Ui& ui) {
  if (m.options.batch) {
    // No window: one press of the print button on the window's first values.
    frm_etiqueta_argox form(m, ui);
    form.openForProduct(false);
    form.BTIMPRIMIR_Click();
    return Outcome::Ended;
  }
  auto* form = new frm_etiqueta_argox(m, ui);
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->openForProduct(true);
  return Outcome::WindowOpen;
}

void IMPRIME_ETIQUETA_PEDIDO(modCnn& m, ui::Ui& ui) {
  // The job belongs to the label window, which is never shown for it.
  frm_etiqueta_argox form(m, ui);
  form.IMPRIME_ETIQUETA_PEDIDO();
}
