#include "commission/frmconscomissaogeral.h"

void FrmConsComissaoGERAL::Command3_Click() {}
