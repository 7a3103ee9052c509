#include "core/jobparameters.h"

#include <cstdint>

#include "testsupport.h"

namespace {

TEST(JobParameters, ReadsTheSixteenKeysAndKeepsOnlyNumericCodes) {
  const QString path = testsupport::writeIni(
      testsupport::scratchFile("parimp.txt"),
      {{"RELATORIO", "pedidocupom"}, {"TROCA", "3"}, {"LOCALIMPRESSORA", "/dev/usb/lp0"},
       {"NOMEEMPRESA", "Loja São João"}, {"CODBARRAS", "789100"}, {"CODINTERNO", "55"},
       {"NOMEPRODUTO", "Café"}, {"IMPRESSORA", "/tmp/etq"}, {"USDESC", "ANA"},
       {"SACOD", "12a"}, {"PRECO", "10,50"}, {"OSCOD", "7"}, {"ENCOD", "-3"},
       {"PRCOD", "x"}, {"PCOD", "1.234"}, {"TBCOD", "42"}},
      /*utf8=*/false);
  const JobParameters job = readJobParameters(path);
  EXPECT_EQ(job.RELATORIO, "pedidocupom");
  EXPECT_EQ(job.TROCA, "3");
  EXPECT_EQ(job.NOMEEMPRESA, "Loja São João");
  EXPECT_EQ(job.NOMEPRODUTO, "Café");
  EXPECT_EQ(job.USDESC, "ANA");
  EXPECT_FALSE(job.SACOD.has_value());
  EXPECT_DOUBLE_EQ(job.PRECO, 10.50);
  EXPECT_EQ(job.OSCOD.value_or(""), "7");
  EXPECT_EQ(job.ENCOD.value_or(""), "-3");
  EXPECT_FALSE(job.PRCOD.has_value());
  EXPECT_EQ(job.PCOD.value_or(""), "1.234");
  EXPECT_EQ(job.TBCOD, 42);
  // A code without a value reaches SQL as 0, never as ''.
  EXPECT_EQ(sqlCode(job.SACOD, "K"), "0");
  EXPECT_EQ(sqlCode(QString("12"), "K"), "12");
  EXPECT_EQ(intCode(job.SACOD, "K"), 0);
  EXPECT_EQ(intCode(job.OSCOD, "K"), 7);
  EXPECT_EQ(intCode(job.PCOD, "K"), 1234);

  const JobParameters none = readJobParameters(testsupport::scratchFile("no.txt"));  // no file: all empty
  EXPECT_TRUE(none.RELATORIO.isEmpty());
  EXPECT_FALSE(none.SACOD.has_value());
  EXPECT_EQ(none.PRECO, 0);
  EXPECT_EQ(none.TBCOD, 0);
}

// PRECO and TBCOD keep their 0 unless numeric; TBCOD and the integer codes
// round halves to even, then refuse what does not fit in 32 bits.
TEST(JobParameters, NumbersFollowTheLocaleAndFitIn32Bits) {
  const auto read = [](const QString& preco, const QString& tbcod) {
    return readJobParameters(
        testsupport::writeIni(testsupport::scratchFile("precos.txt"), {{"PRECO", preco}, {"TBCOD", tbcod}}));
  };
  const JobParameters bad = read("abc", "7x");
  EXPECT_EQ(bad.PRECO, 0);
  EXPECT_EQ(bad.TBCOD, 0);
  EXPECT_DOUBLE_EQ(read("1.234,5", "0").PRECO, 1234.5);
  for (const auto& [tbcod, expected] :
       {std::pair{"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}, {"2147483648", 0},
        {"2,5", 2}, {"3,5", 4}}) {
    EXPECT_EQ(read("1", tbcod).TBCOD, expected) << tbcod;
  }
  for (const auto& [code, expected] :
       {std::pair{"12", 12}, {"-2147483648", INT32_MIN}, {"99999999999", 0}})
    EXPECT_EQ(intCode(QString(code), "K"), expected) << code;
  testsupport::expectRuntimeError([] { intCode(QString("12,5"), "SACOD"); }, "SACOD");
  testsupport::expectRuntimeError([] { sqlCode(QString("1,5"), "OSCOD"); }, "OSCOD do arquivo de trabalho (1,5)");

  EXPECT_EQ(parseLocaleNumber("10,50"), 10.5);
  EXPECT_EQ(parseLocaleNumber(" -1.234,5 "), -1234.5);
  EXPECT_EQ(parseLocaleNumber("+7"), 7);
  for (const char* text : {"12a", "", ",", "1,2,3", "- ", "1e400", "NaN", "inf", "1,5e3"})
    EXPECT_FALSE(parseLocaleNumber(text).has_value()) << text;
}

}  // namespace
