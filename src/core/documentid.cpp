#include "core/documentid.h"

namespace {

bool filled(const Value& v, QLatin1String emptyMask) {
  const QString t = v.trimmed();
  return !t.isEmpty() && t != emptyMask;
}

}  // namespace

TaxId chooseTaxId(const Value& cpf, const Value& cnpj) {
  if (filled(cpf, QLatin1String("___.___.___-__"))) return TaxId::Cpf;
  if (filled(cnpj, QLatin1String("__.___.___/____-__"))) return TaxId::Cnpj;
  return TaxId::None;
}
