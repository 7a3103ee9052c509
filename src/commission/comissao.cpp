#include "commission/comissao.h"

#include "commission/frmconscomissaogeral.h"
#include "core/errors.h"

Outcome showFrmConsComissaoGERAL(modCnn& m, ui::Ui& ui) {
  if (m.options.batch)
    throw RuntimeError(
        "A consulta de comissões é uma janela interativa e não pode ser aberta sem janelas "
        "(--batch).");
  auto* window = new FrmConsComissaoGERAL(m, ui);
  window->setAttribute(Qt::WA_DeleteOnClose);
  try {
    window->Form_Load();
  } catch (...) {
    delete window;
    throw;
  }
  window->setEndsProgramOnClose(true);
  window->show();
  return Outcome::WindowOpen;
}
