#pragma once
#include <QString>
#include <QTime>

#include "core/modcnn.h"
#include "ui/ui.h"

// The printable texts of one service order, each with its fallback.
struct OsTextFields {
  QString technician;
  QString orderType;
  QString customerCode;
  QString customerName;
  QString contact;
  QString phone;
  QString mobile;
  QString address;
  QString district;
  QString city;
  QString postalCode;
  QString orderId;
  QString visitDate;
};

// Reads the order OSCOD with its technician, object, type and customer.
// Throws RuntimeError when there is no such order (or one of the joined rows
// is missing).
OsTextFields VERIFICACAMPOS_OSTEXTO(modCnn& m);

// Service-order form of OSCOD for a 135-column printer, on LOCALIMPRESSORA.
void OSTEXTO(modCnn& m, ui::Ui& ui);

// The whole form for these fields, with `now` as the printed time.
QString composeOsTexto(const modCnn& m, const OsTextFields& f, const QTime& now);
