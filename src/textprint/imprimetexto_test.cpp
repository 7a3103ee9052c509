#include "textprint/imprimetexto.h"

#include <QFile>
#include <gtest/gtest.h>

#include "startup/cp1252.h"
#include "startup/errors.h"
#include "textdoc_testutil.h"

namespace {

using textdoc::expectSameBytes;
using textdoc::golden;
using textdoc::scratchFile;

const QString kStateMessage =
    QString::fromUtf8("O Cadastro do cliente não está informado a UF, atualize o cadastro.");
const QString kIncomplete = QString::fromUtf8(
    "Cadastro do funcionário ou do cliente incompleto, verifique e tente novamente.");

class ImprimeTextoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    textdoc::openDemo(m);
    m.job.NOMEEMPRESA = QString::fromUtf8(textdoc::kCompany);
  }

  QByteArray compose(const QString& sacod) {
    m.job.SACOD = sacod;
    const auto text = composeImprimeTexto(m, ui, textdoc::fixedTime());
    EXPECT_EQ(m.Rs.State(), 0);
    return text ? cp1252::encode(*text) : QByteArray();
  }

  modCnn m;
  ui::ScriptedUi ui;
};

// CPF, birth date with the state after the city, a 14-character phone cut to
// 13, the 20-character bar code on its own line, IPI of 10, 0 and 5 %, the
// discount example (10 % of 200,00) and remarks of 131 characters.
TEST_F(ImprimeTextoTest, OrderWithCpfAndDiscount) {
  expectSameBytes(compose("1"), golden("texto_sale1.prn"));
  EXPECT_TRUE(ui.shown.empty());
}

// CNPJ after an empty CPF mask, no birth date, the 63-character name that
// pushes Tab(50) to the next line, no remarks, a weight of 14,575 kg.
TEST_F(ImprimeTextoTest, OrderWithCnpjAndLongName) {
  expectSameBytes(compose("5"), golden("texto_sale5.prn"));
}

// Both document masks empty: no document number; bar codes of 13 and 20
// characters and an empty one; names cut to 51; units cut to 2.
TEST_F(ImprimeTextoTest, OrderWithEmptyDocumentMasks) {
  expectSameBytes(compose("4"), golden("texto_sale4.prn"));
}

TEST_F(ImprimeTextoTest, RemarksOfMoreThan520CharactersStopAtFourLines) {
  const QByteArray text = compose("2");
  const QList<QByteArray> lines = text.split('\n');
  ASSERT_GE(lines.size(), 5);
  // The last four lines are the remarks, 130 characters each (and CR).
  for (qsizetype i = lines.size() - 5; i < lines.size() - 1; ++i)
    EXPECT_EQ(lines[i].size(), 131) << i;
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_FALSE(text.contains("FIM DO TEXTO"));
}

TEST_F(ImprimeTextoTest, StateWithoutTaxRowWarnsAndPrints) {
  const QByteArray text = compose("13");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, kStateMessage);
  EXPECT_EQ(ui.shown[0].title, "tl_relatorios");
  EXPECT_EQ(ui.shown[0].icon, ui::Icon::None);
  EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::Ok);
  EXPECT_TRUE(text.contains("no: 13"));
}

TEST_F(ImprimeTextoTest, IncompleteRecordPrintsNothing) {
  m.job.SACOD = QString("12");
  m.job.LOCALIMPRESSORA = scratchFile("no-such-folder/texto.prn");
  EXPECT_NO_THROW(IMPRIMETEXTO(m, ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, kIncomplete);
  EXPECT_EQ(ui.shown[0].title, "tl_relatorios");
  EXPECT_EQ(ui.shown[0].icon, ui::Icon::Information);
  EXPECT_EQ(m.Rs.State(), 0);
}

TEST_F(ImprimeTextoTest, NoSuchOrderShowsBothMessages) {
  m.job.SACOD.reset();  // joined as 0
  EXPECT_FALSE(composeImprimeTexto(m, ui, textdoc::fixedTime()).has_value());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, kStateMessage);
  EXPECT_EQ(ui.shown[1].text, kIncomplete);
}

TEST_F(ImprimeTextoTest, WritesThePrinterFileWithTheCurrentTime) {
  m.job.SACOD = QString("1");
  m.job.LOCALIMPRESSORA = scratchFile("texto-1.prn");
  IMPRIMETEXTO(m, ui);
  const QByteArray expected = golden("texto_sale1.prn");
  expectSameBytes(textdoc::withFixedTime(testsupport::readFile(m.job.LOCALIMPRESSORA), expected),
                  expected);
}

// Sale 11 has an item whose quantity is null and a weight to multiply it by.
TEST_F(ImprimeTextoTest, NullInArithmeticWritesNothing) {
  m.job.SACOD = QString("11");
  m.job.LOCALIMPRESSORA = scratchFile("texto-11.prn");
  QFile::remove(m.job.LOCALIMPRESSORA);
  EXPECT_THROW(IMPRIMETEXTO(m, ui), RuntimeError);
  EXPECT_FALSE(QFile::exists(m.job.LOCALIMPRESSORA));
}

}  // namespace
