#pragma once
#include <QDateTime>

#include "core/modcnn.h"
#include "drawing/pageprinter.h"

// The stock-entry receipt of the entry ENCOD, drawn on printer and ended
// with EndDoc: one complete document per call. The job file's ENDTENTRADA,
// FKINCOD, ENNF and USUARIO are read when they are printed. now is the date
// and time of the title.
void IMPRIMEENTRADA(modCnn& m, Printer& printer,
                    const QDateTime& now = QDateTime::currentDateTime());
