#include "textprint/ostexto.h"

#include <QFile>
#include <gtest/gtest.h>

#include "startup/cp1252.h"
#include "startup/errors.h"
#include "textdoc_testutil.h"

namespace {

using textdoc::expectSameBytes;
using textdoc::golden;
using textdoc::scratchFile;

class OsTextoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    textdoc::openDemo(m);
    m.job.NOMEEMPRESA = QString::fromUtf8(textdoc::kCompany);
  }

  OsTextFields load(const QString& oscod) {
    m.job.OSCOD = oscod;
    OsTextFields f = VERIFICACAMPOS_OSTEXTO(m);
    EXPECT_EQ(m.Rs.State(), 0);
    return f;
  }

  QByteArray form(const QString& oscod) {
    return cp1252::encode(composeOsTexto(m, load(oscod), textdoc::fixedTime()));
  }

  modCnn m;
  ui::ScriptedUi ui;
};

TEST_F(OsTextoTest, FieldsOfAScheduledOrder) {
  const OsTextFields f = load("1");
  EXPECT_EQ(f.orderId, "OS-2024-0001");
  EXPECT_EQ(f.orderType, QString::fromUtf8("INSTALAÇÃO"));
  EXPECT_EQ(f.customerCode, "10");
  EXPECT_EQ(f.technician, "RAFAEL SOUZA LIMA");
  // The main address decides; the delivery address is printed.
  EXPECT_EQ(f.address, "RUA ITAPEVA");
  EXPECT_EQ(f.postalCode, "01332-000");
  EXPECT_EQ(f.visitDate, QString::fromUtf8("20/03/2024 MANHÃ"));
}

TEST_F(OsTextoTest, EmptyScheduleMaskKeepsTheEntryDate) {
  EXPECT_EQ(load("2").visitDate, "19/03/2024");
}

TEST_F(OsTextoTest, OnlyADeliveryAddressPrintsNoAddress) {
  const OsTextFields f = load("3");
  EXPECT_EQ(f.address, "");
  EXPECT_EQ(f.district, "");
  EXPECT_EQ(f.city, "");
  EXPECT_EQ(f.postalCode, "NAO INFORMADO");
  EXPECT_EQ(f.visitDate, "21/03/2024");  // no schedule at all
}

// A schedule date with its period; the 12-character order id pushes the
// heading to column 14 of the next line.
TEST_F(OsTextoTest, FormWithScheduleDate) {
  expectSameBytes(form("1"), golden("ostexto_os1.prn"));
}

// The empty date mask: the entry date is the visit date; the 63-character
// customer name is cut to 50 and still ends before column 70.
TEST_F(OsTextoTest, FormWithoutScheduleDate) {
  expectSameBytes(form("2"), golden("ostexto_os2.prn"));
}

TEST_F(OsTextoTest, FormForACustomerWithOnlyADeliveryAddress) {
  expectSameBytes(form("3"), golden("ostexto_os3.prn"));
}

TEST_F(OsTextoTest, WritesThePrinterFileWithTheCurrentTime) {
  m.job.OSCOD = QString("2");
  m.job.LOCALIMPRESSORA = scratchFile("os-2.prn");
  OSTEXTO(m, ui);
  const QByteArray expected = golden("ostexto_os2.prn");
  expectSameBytes(textdoc::withFixedTime(testsupport::readFile(m.job.LOCALIMPRESSORA), expected),
                  expected);
  EXPECT_EQ(m.Rs.State(), 0);
}

// Order 4's customer does not exist: the inner join finds nothing, and the
// job stops before the printer file is opened.
TEST_F(OsTextoTest, OrderWithoutCustomerStopsBeforeThePrinterFile) {
  m.job.OSCOD = QString("4");
  m.job.LOCALIMPRESSORA = scratchFile("os-4.prn");
  {
    QFile f(m.job.LOCALIMPRESSORA);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("previous");
  }
  try {
    OSTEXTO(m, ui);
    FAIL() << "a missing order must stop the job";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains(QString::fromUtf8("Ordem de serviço"))) << e.message().toStdString();
  }
  EXPECT_EQ(testsupport::readFile(m.job.LOCALIMPRESSORA), QByteArray("previous"));
  EXPECT_EQ(m.Rs.State(), 0);
}

TEST_F(OsTextoTest, MissingOrderCodeIsARuntimeError) {
  m.job.OSCOD.reset();
  EXPECT_THROW(VERIFICACAMPOS_OSTEXTO(m), RuntimeError);
}

TEST_F(OsTextoTest, CompanyNameStartsInColumn55WhateverItsLength) {
  m.job.NOMEEMPRESA = QString(100, 'X');
  const QList<QByteArray> lines = form("1").split('\n');
  EXPECT_EQ(lines[1], QByteArray(54, ' ') + QByteArray(100, 'X') + "\r");
}

}  // namespace
