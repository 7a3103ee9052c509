#pragma once
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "core/value.h"
#include "ui/ui.h"

struct OrderTextItem {
  Value barcode, name, quantity, unit, unitPrice, ipiRate, total, grossWeight;
};

// Everything the sales-order text prints; customer fields as stored (the
// delivery address is the one printed).
struct OrderText {
  QString company;
  Value number, movement, customerCode, date, deliveryDate, seller;
  Value tradeName, name, contact, phone, address, addressNumber, complement, district, fax;
  Value birthDate, city, state, reference, stateRegistration, postalCode, cpf, cnpj;
  QString payment;        // trimmed
  QString purchaseOrder;  // trimmed
  QString delivery;       // the customer's delivery flag, empty when null
  Value remarks, total, discountRate;
  std::vector<OrderTextItem> items;
};

// Sales-order text of SACOD for a 135-column printer, on LOCALIMPRESSORA.
// Tells the user (through ui) when the customer's state has no tax row, and
// prints nothing when the customer or seller record is incomplete.
void IMPRIMETEXTO(modCnn& m, ui::Ui& ui);

// The order SACOD after the checks above (their messages go to ui); nothing
// when they stop the printout.
std::optional<OrderText> readImprimeTexto(modCnn& m, ui::Ui& ui);

// The whole document, with `now` as the printed time. Throws RuntimeError
// naming the field when a null takes part in the arithmetic.
QString composeImprimeTexto(const OrderText& order, const QTime& now);
