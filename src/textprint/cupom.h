#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "core/value.h"
#include "ui/ui.h"

// One item line of a counter receipt, as read from the sale.
struct CupomItem {
  QString code;  // bar code, else remark, else product code
  bool promotion = false;
  Value quantity;
  Value unit;
  Value unitPrice;
  QString name;    // trimmed
  QString remark;  // trimmed
};

struct CupomPayment {
  Value dueDate;
  QString kind;  // trimmed
  Value amount;
};

// Everything a counter receipt prints.
struct CupomSale {
  QString header[3];  // store lines, each trimmed and cut to the receipt's width
  QString footer[3];
  QString saleNumber;  // the job's SACOD as written
  Value operatorName;
  QString date;  // trimmed
  Value customerCode;
  Value customerName;
  Value movement;
  Value seller;
  Value total;
  Value paid;
  Value discount;
  std::vector<CupomItem> items;
  std::vector<CupomPayment> payments;
  std::vector<CupomItem> exchange;
};

// Counter receipt of the sale SACOD on the printer file LOCALIMPRESSORA.
// Without a sale row nothing is printed and the printer file is not opened.
void Cupom(modCnn& m, ui::Ui& ui);

// The sale SACOD with its store lines, items, payments and exchange, or
// nothing when the sale does not exist. Throws RuntimeError on a failed query.
std::optional<CupomSale> readCupom(modCnn& m);

// The whole receipt as it goes to the printer. Throws RuntimeError naming
// the field when a null takes part in a sum.
QString composeCupom(const CupomSale& sale);
