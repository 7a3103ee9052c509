#pragma once
#include <QString>
#include <cstdint>
#include <optional>

#include "core/value.h"

// The sixteen keys of parimp.txt, section "Geral", read once at start-up.
// Numeric keys hold a value only when the text passed the numeric test.
struct JobParameters {
  QString path;  // the job file (the stock-entry receipt reads more keys from it)
  QString RELATORIO;
  QString TROCA;
  QString LOCALIMPRESSORA;
  QString NOMEEMPRESA;
  QString CODBARRAS;
  QString CODINTERNO;
  QString NOMEPRODUTO;
  QString IMPRESSORA;
  QString USDESC;
  std::optional<QString> SACOD;
  double PRECO = 0;  // currency: 0 when missing or not numeric
  std::optional<QString> OSCOD;
  std::optional<QString> ENCOD;
  std::optional<QString> PRCOD;
  std::optional<QString> PCOD;
  int32_t TBCOD = 0;
};

JobParameters readJobParameters(const QString& jobPath);

// %USERPROFILE% (the name matched without regard to case), else $HOME,
// followed by parimp.txt.
QString defaultJobPath();

// A code key's value (key names it in the message) as it is joined into SQL
// or converted to a number: the text as read, or "0" when it has no value
// (an empty '' literal is refused against an integer column). A number that
// is not whole ("1,5") throws RuntimeError: the database would round it or
// refuse it half-way through the document.
QString sqlCode(const std::optional<QString>& value, const QString& key);
int32_t intCode(const std::optional<QString>& value, const QString& key);
