#include "commission/comissaosql.h"

#include <gtest/gtest.h>

using namespace comissao;

// The cancellation period month first and without leading zeros; codes
// written whole (a referrer code beyond 16 bits).
TEST(ComissaoSql, PeriodAndCodes) {
  EXPECT_EQ(cancelPeriodPieces(QDate(2023, 12, 1), QDate(2024, 1, 10)),
            "12/1/2023' and '1/10/2024' ");
  EXPECT_TRUE(sqlComissaoIndicacao("2.5", "19011231", "30001231", 40000)
                  .contains("((s.savrpago*2.5)/100) as vrcomis"));
  EXPECT_TRUE(sqlComissaoIndicacao("2.5", "19011231", "30001231", 40000)
                  .contains("and i.inindicacao='40000' order by"));
  EXPECT_FALSE(sqlEstornoIndicacao("2.5", QDate(2024, 3, 5), QDate(2024, 3, 31), kTodos)
                   .contains("inindicacao"));
}

TEST(ComissaoSql, OnlyPlainFactorsAreJoined) {
  EXPECT_TRUE(isPlainFactor("2.5"));
  EXPECT_TRUE(isPlainFactor(""));
  EXPECT_FALSE(isPlainFactor("2)/100) as vrcomis from rdb$database --"));
  EXPECT_FALSE(isPlainFactor("2 5"));
}

TEST(ComissaoSql, FieldDatesAreWholeValidDates) {
  EXPECT_EQ(parseFieldDate("05/03/2024"), QDate(2024, 3, 5));
  EXPECT_EQ(dateKey(QDate(2024, 3, 5)), "20240305");
  for (const char* text : {"__/__/____", "12/__/____", "99/99/9999", "31/02/2024"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parseFieldDate(text), std::nullopt);
  }
}
