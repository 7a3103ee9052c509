#pragma once
#include "core/modcnn.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// "FrmConsComissaoGERAL": the commission inquiry window.
Outcome showFrmConsComissaoGERAL(modCnn& m, ui::Ui& ui);
