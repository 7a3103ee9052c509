#include "core/documentid.h"

#include <gtest/gtest.h>

// The CPF unless null, blank or its (possibly CHAR-padded) mask; else the
// CNPJ on the same terms; else none.
TEST(DocumentId, CpfElseCnpj) {
  const Value cnpj = Value::text("12.345.678/0001-90");
  const struct {
    Value cpf, cnpj;
    TaxId expected;
  } cases[] = {
      {Value::text(" 123.456.789-09 "), cnpj, TaxId::Cpf},
      {Value::text("___.___.___-__"), cnpj, TaxId::Cnpj},
      {Value::text("___.___.___-__      "), Value::text("12.345.678/0001-90  "), TaxId::Cnpj},
      {Value::null(), cnpj, TaxId::Cnpj},
      {Value::text("   "), cnpj, TaxId::Cnpj},
      {Value::text(""), Value::text("__.___.___/____-__"), TaxId::None},
      {Value::text("___.___.___-__"), Value::null(), TaxId::None},
      {Value::text("   "), Value::text("__.___.___/____-__  "), TaxId::None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cpf.toText().toStdString() + " / " + c.cnpj.toText().toStdString());
    EXPECT_EQ(chooseTaxId(c.cpf, c.cnpj), c.expected);
  }
}
