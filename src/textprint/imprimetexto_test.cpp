#include "textprint/imprimetexto.h"

#include "textdoc_testutil.h"

namespace {

using namespace textdoc;

const QString kStateMessage =
    "O Cadastro do cliente não está informado a UF, atualize o cadastro.";
const QString kIncomplete =
    "Cadastro do funcionário ou do cliente incompleto, verifique e tente novamente.";

class ImprimeTextoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    openDemo(m);
    m.job.NOMEEMPRESA = QString::fromUtf8(kCompany);
  }

  QByteArray compose(const QString& sacod) {
    m.job.SACOD = sacod;
    const auto order = readImprimeTexto(m, ui);
    return order ? cp1252::encode(composeImprimeTexto(*order, fixedTime())) : QByteArray();
  }

  modCnn m;
  ui::ScriptedUi ui;
};

// Sale 1: CPF, birth date with the state after the city, a 14-character
// phone cut to 13, the 20-character bar code on its own line, IPI of 10, 0
// and 5 %, a discount of 10 % of 200,00, remarks of 131 characters.
// Sale 5: CNPJ after an empty CPF mask, no birth date, a 63-character name
// that pushes Tab(50) to the next line, no remarks, a weight of 14,575 kg.
// Sale 4: both document masks empty; bar codes of 13, 20 and 0 characters;
// names cut to 51, units to 2. (The file written by the job itself is
// compared in textjobs_e2e_test.)
TEST_F(ImprimeTextoTest, GoldenOrderTexts) {
  for (const QString sale : {"1", "5", "4"}) {
    SCOPED_TRACE(sale.toStdString());
    expectSameBytes(compose(sale), golden("texto_sale" + sale + ".prn"));
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST(ImprimeTextoCompose, NullTotalStopsTheText) {
  OrderText d;
  d.total = Value::null();
  expectRuntimeError([&] { composeImprimeTexto(d, fixedTime()); }, "savrtotal");
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
  EXPECT_TRUE(compose("13").contains("no: 13"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(std::tuple(ui.shown[0].text, ui.shown[0].title, ui.shown[0].icon, ui.shown[0].buttons),
            std::tuple(kStateMessage, QString("tl_relatorios"), ui::Icon::None, ui::Buttons::Ok));
}

TEST_F(ImprimeTextoTest, IncompleteRecordPrintsNothing) {
  m.job.SACOD = QString("12");
  m.job.LOCALIMPRESSORA = scratchFile("no-such-folder/texto.prn");  // opening it would fail
  EXPECT_NO_THROW(IMPRIMETEXTO(m, ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(std::tuple(ui.shown[0].text, ui.shown[0].title, ui.shown[0].icon, ui.shown[0].buttons),
            std::tuple(kIncomplete, QString("tl_relatorios"), ui::Icon::Information, ui::Buttons::Ok));
}

TEST_F(ImprimeTextoTest, NoSuchOrderShowsBothMessages) {
  m.job.SACOD.reset();  // joined as 0
  EXPECT_FALSE(readImprimeTexto(m, ui).has_value());
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, kStateMessage);
  EXPECT_EQ(ui.shown[1].text, kIncomplete);
}

}  // namespace
