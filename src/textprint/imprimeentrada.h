#pragma once
#include <QDateTime>
#include <vector>

#include "core/modcnn.h"
#include "drawing/pageprinter.h"

struct StockEntryItem {
  Value code;
  QString name;  // trimmed
  Value quantity, unitPrice, total, ipi, icms;
};

struct StockEntryInstalment {
  QString kind;  // trimmed
  Value amount, dueDate;
};

// Everything the stock-entry receipt prints. The header and signature texts
// come from the job file, read again when the receipt is made.
struct StockEntry {
  QString code;  // the job's ENCOD as written
  QString date, supplier, invoice, user;
  std::vector<StockEntryItem> items;
  QString remarks;  // the entry's remarks, trimmed
  std::vector<StockEntryInstalment> instalments;
};

// The entry ENCOD with its items and instalments.
StockEntry readEntrada(modCnn& m);

// Draws the receipt on printer and ends it with EndDoc.
void drawEntrada(const StockEntry& entry, Printer& printer, const QDateTime& now);

// The stock-entry receipt of the entry ENCOD, drawn on printer and ended
// with EndDoc: one complete document per call. The job file's ENDTENTRADA,
// FKINCOD, ENNF and USUARIO are read when they are printed. now is the date
// and time of the title.
void IMPRIMEENTRADA(modCnn& m, Printer& printer,
                    const QDateTime& now = QDateTime::currentDateTime());
