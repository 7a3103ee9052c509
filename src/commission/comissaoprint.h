#pragma once
#include <QString>

#include "core/modcnn.h"
#include "drawing/pageprinter.h"

// The six commission statements: each re-runs the query the last inquiry
// left behind and lays its rows out by person on the page printer.
namespace comissao {

enum class Statement {
  IMPRIME,              // seller commissions
  IMPRIME_ESTORNO,      // seller reversals
  IMPRIME_REP,          // representative commissions
  IMPRIME_ESTORNO_REP,  // representative reversals
  IMPRIME_IND,          // referral commissions
  IMPRIME_ESTORNO_IND,  // referral reversals
};

// What a statement reads from the window besides the database.
struct StatementInputs {
  QString sql;                  // SQLCOMISSAO or SQLESTORNO
  QString periodFrom, periodTo;  // the two date fields as shown ("__/__/____" when empty)
  QString indicacao;            // text of ININDICACAO (referral statements)
  QString percentText;          // text of COMISS_INDICACAO (referral statements)
};

// Reads the statement's rows, then draws the statement and ends its document
// (EndDoc). Returns false when nothing was started: a reversal statement
// without a query, or a query without rows. A query the database refuses or
// a missing column throws RuntimeError before anything is drawn.
bool drawStatement(Statement which, modCnn& m, Printer& printer, const StatementInputs& in);

}  // namespace comissao
