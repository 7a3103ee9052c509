#include "commission/comissao.h"

Outcome showFrmConsComissaoGERAL(modCnn&, ui::Ui&) { return Outcome::Ended; }
