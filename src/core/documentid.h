#pragma once
#include "core/value.h"

// Which tax number identifies a customer: the CPF (a person's) wins over the
// CNPJ (a company's). A number counts as missing when it is null, blank or
// the input mask left empty ("___.___.___-__", "__.___.___/____-__"), also
// when a CHAR column pads that mask with blanks.
enum class TaxId { Cpf, Cnpj, None };

TaxId chooseTaxId(const Value& cpf, const Value& cnpj);
