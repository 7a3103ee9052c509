#include "textprint/ostexto.h"

#include "textdoc_testutil.h"

namespace {

using namespace textdoc;

class OsTextoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    openDemo(m);
    m.job.NOMEEMPRESA = QString::fromUtf8(kCompany);
  }

  OsTextFields load(const QString& oscod) {
    m.job.OSCOD = oscod;
    return VERIFICACAMPOS_OSTEXTO(m);
  }

  QByteArray form(const QString& oscod) {
    return cp1252::encode(composeOsTexto(m, load(oscod), fixedTime()));
  }

  modCnn m;
};

// The fallbacks, which the form would print with blanks that hide them.
TEST_F(OsTextoTest, FieldFallbacks) {
  EXPECT_EQ(load("1").visitDate, "20/03/2024 MANHÃ");  // schedule and period
  EXPECT_EQ(load("2").visitDate, "19/03/2024");  // empty schedule mask: the entry date
  // Only a delivery address: the main address decides, so none is printed.
  const OsTextFields f = load("3");
  EXPECT_EQ(f.address + f.district + f.city, "");
  EXPECT_EQ(f.postalCode, "NAO INFORMADO");
  EXPECT_EQ(f.visitDate, "21/03/2024");  // no schedule at all
}

// Order 1: a schedule date with its period; the 12-character order id pushes
// the heading to column 14 of the next line. Order 2: the empty date mask;
// the 63-character customer name is cut to 50 and still ends before column
// 70. Order 3: a customer with only a delivery address. (The file written by
// the job itself is compared in textjobs_e2e_test.)
TEST_F(OsTextoTest, GoldenForms) {
  for (const QString os : {"1", "2", "3"}) {
    SCOPED_TRACE(os.toStdString());
    expectSameBytes(form(os), golden("ostexto_os" + os + ".prn"));
  }
}

TEST_F(OsTextoTest, CompanyNameStartsInColumn55WhateverItsLength) {
  m.job.NOMEEMPRESA = QString(100, 'X');
  const QList<QByteArray> lines = form("1").split('\n');
  EXPECT_EQ(lines[1], QByteArray(54, ' ') + QByteArray(100, 'X') + "\r");
}

// Order 4's customer does not exist: the inner join finds nothing (what the
// job then leaves alone is in textjobs_e2e_test). No order code fails too.
TEST_F(OsTextoTest, OrderWithoutCustomerIsARuntimeError) {
  for (const std::optional<QString>& code : {std::optional<QString>("4"), {}}) {
    m.job.OSCOD = code;
    expectRuntimeError([&] { VERIFICACAMPOS_OSTEXTO(m); }, "Ordem de serviço");
  }
}

}  // namespace
