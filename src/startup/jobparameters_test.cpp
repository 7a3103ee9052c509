#include "startup/jobparameters.h"

#include <QDir>
#include <cstdint>
#include <gtest/gtest.h>

#include "testsupport.h"

namespace {

TEST(JobParameters, ReadsTheSixteenKeysAndKeepsOnlyNumericCodes) {
  const QString path = testsupport::writeIni(
      QDir(testsupport::scratchDir()).filePath("parimp.txt"),
      {{"RELATORIO", "pedidocupom"}, {"TROCA", "3"}, {"LOCALIMPRESSORA", "/dev/usb/lp0"},
       {"NOMEEMPRESA", "Loja São João"}, {"CODBARRAS", "789100"}, {"CODINTERNO", "55"},
       {"NOMEPRODUTO", "Café"}, {"IMPRESSORA", "/tmp/etq"}, {"USDESC", "ANA"},
       {"SACOD", "12a"}, {"PRECO", "10,50"}, {"OSCOD", "7"}, {"ENCOD", "-3"},
       {"PRCOD", "x"}, {"PCOD", "1.234"}, {"TBCOD", "42"}},
      /*utf8=*/false);
  const JobParameters job = readJobParameters(path);
  EXPECT_EQ(job.RELATORIO, "pedidocupom");
  EXPECT_EQ(job.TROCA, "3");
  EXPECT_EQ(job.NOMEEMPRESA, QString::fromUtf8("Loja São João"));
  EXPECT_EQ(job.NOMEPRODUTO, QString::fromUtf8("Café"));
  EXPECT_EQ(job.USDESC, "ANA");
  EXPECT_FALSE(job.SACOD.has_value());
  EXPECT_DOUBLE_EQ(job.PRECO, 10.50);
  EXPECT_EQ(job.OSCOD.value_or(""), "7");
  EXPECT_EQ(job.ENCOD.value_or(""), "-3");
  EXPECT_FALSE(job.PRCOD.has_value());
  EXPECT_EQ(job.PCOD.value_or(""), "1.234");
  EXPECT_EQ(job.TBCOD, 42);
  // A code without a value reaches SQL as 0, never as ''.
  EXPECT_EQ(sqlCode(job.SACOD), "0");
  EXPECT_EQ(intCode(job.SACOD), 0);
  EXPECT_EQ(intCode(job.OSCOD), 7);
  EXPECT_EQ(intCode(job.PCOD), 1234);
}

TEST(JobParameters, MissingFileLeavesEverythingEmpty) {
  const JobParameters job = readJobParameters(QDir(testsupport::scratchDir()).filePath("no.txt"));
  EXPECT_TRUE(job.RELATORIO.isEmpty());
  EXPECT_FALSE(job.SACOD.has_value());
  EXPECT_EQ(job.PRECO, 0);
  EXPECT_EQ(job.TBCOD, 0);
}

TEST(JobParameters, PriceAndTableCodeKeepTheirZeroUnlessNumericAndInRange) {
  const auto read = [](const QString& preco, const QString& tbcod) {
    return readJobParameters(testsupport::writeIni(
        QDir(testsupport::scratchDir()).filePath("precos.txt"),
        {{"PRECO", preco}, {"TBCOD", tbcod}}));
  };
  EXPECT_EQ(read("abc", "7x").PRECO, 0);
  EXPECT_EQ(read("abc", "7x").TBCOD, 0);
  EXPECT_DOUBLE_EQ(read("1.234,5", "-2147483648").PRECO, 1234.5);
  EXPECT_EQ(read("1", "-2147483648").TBCOD, INT32_MIN);
  EXPECT_EQ(read("1", "2147483647").TBCOD, INT32_MAX);
  EXPECT_EQ(read("1", "2147483648").TBCOD, 0);  // does not fit in 32 bits
  EXPECT_EQ(read("1", "2,5").TBCOD, 2);          // halves to the even neighbour
  EXPECT_EQ(read("1", "3,5").TBCOD, 4);
}

TEST(JobParameters, IntegerCodesRoundHalvesToEvenAndRefuseWhatDoesNotFit) {
  EXPECT_EQ(intCode(QString("12,5")), 12);
  EXPECT_EQ(intCode(QString("13,5")), 14);
  EXPECT_EQ(intCode(QString("-2147483648")), INT32_MIN);
  EXPECT_EQ(intCode(QString("99999999999")), 0);
  EXPECT_EQ(sqlCode(QString("12")), "12");
}

TEST(JobParameters, NumericTestFollowsTheLocale) {
  EXPECT_EQ(parseLocaleNumber("10,50"), 10.5);
  EXPECT_EQ(parseLocaleNumber(" -1.234,5 "), -1234.5);
  EXPECT_EQ(parseLocaleNumber("+7"), 7);
  EXPECT_FALSE(parseLocaleNumber("12a").has_value());
  EXPECT_FALSE(parseLocaleNumber("").has_value());
  EXPECT_FALSE(parseLocaleNumber(",").has_value());
  EXPECT_FALSE(parseLocaleNumber("1,2,3").has_value());
  EXPECT_FALSE(parseLocaleNumber("- ").has_value());
}

TEST(JobParameters, JobFileLivesInUserProfileElseHome) {
  const QByteArray savedHome = qgetenv("HOME");
  qputenv("UserProfile", "/perfil/ana");
  EXPECT_EQ(defaultJobPath(), "/perfil/ana/parimp.txt");
  qunsetenv("UserProfile");
  qputenv("HOME", "/home/ana");
  EXPECT_EQ(defaultJobPath(), "/home/ana/parimp.txt");
  qputenv("HOME", savedHome);
}

}  // namespace
