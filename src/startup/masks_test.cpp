#include "startup/masks.h"

#include <QLocale>
#include <gtest/gtest.h>

#include "startup/errors.h"
#include "startup/value.h"

namespace {

class Masks : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
};

QString mask(double v, const char* m) { return formatMask(Value::decimal(v), m); }

TEST_F(Masks, NumberWithoutMaskHasItsBlanks) {
  EXPECT_EQ(renderPlain(Value::integer(12)), " 12 ");
  EXPECT_EQ(renderPlain(Value::integer(0)), " 0 ");
  EXPECT_EQ(renderPlain(Value::integer(-12)), "-12 ");
  EXPECT_EQ(renderPlain(Value::decimal(2.5)), " 2,5 ");
  EXPECT_EQ(renderPlain(Value::decimal(-0.25)), "-0,25 ");
  // The shortest general form: no grouping, no trailing zeros.
  EXPECT_EQ(renderPlain(Value::decimal(1234.5)), " 1234,5 ");
  EXPECT_EQ(renderPlain(Value::decimal(2.0)), " 2 ");
  EXPECT_EQ(renderPlain(Value::decimal(0.1 + 0.2)), " 0,3 ");
}

TEST_F(Masks, OtherValuesWithoutMask) {
  EXPECT_EQ(renderPlain(Value::text("  ab ")), "  ab ");
  EXPECT_EQ(renderPlain(Value()), "");
  EXPECT_EQ(renderPlain(Value::null()), "");
  EXPECT_EQ(renderPlain(Value::date(QDate(2024, 3, 5))), "05/03/2024");
  EXPECT_EQ(renderPlain(Value::dateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)))),
            "05/03/2024 14:07:09");
  EXPECT_EQ(renderPlain(Value::time(QTime(9, 5, 0))), "09:05:00");
}

TEST_F(Masks, GeneralNumberFormForVeryLargeAndSmall) {
  EXPECT_EQ(generalNumber(100000), "100000");
  EXPECT_EQ(generalNumber(12345678901234.0), "12345678901234");
  EXPECT_EQ(generalNumber(1e-5), "1E-05");
  EXPECT_EQ(generalNumber(1e20), "1E+20");
  EXPECT_EQ(generalNumber(-0.0), "0");
}

TEST_F(Masks, GroupedMasks) {
  EXPECT_EQ(mask(1234.5, "##,0.00"), "1.234,50");
  EXPECT_EQ(mask(1234.5, "###,0.00"), "1.234,50");
  EXPECT_EQ(mask(1234567.891, "##,0.00"), "1.234.567,89");
  EXPECT_EQ(mask(123, "##,0.00"), "123,00");
  EXPECT_EQ(mask(0, "##,0.00"), "0,00");
  EXPECT_EQ(mask(0.5, "##,0.00"), "0,50");
  EXPECT_EQ(mask(-1234.567, "##,0.00"), "-1.234,57");
  EXPECT_EQ(mask(-0.001, "##,0.00"), "0,00");  // never "-0,00"
}

TEST_F(Masks, UngroupedMasksIgnoreExtraHashes) {
  EXPECT_EQ(mask(1234.5, "###0.00"), "1234,50");
  EXPECT_EQ(mask(1234.5, "#####0.00"), "1234,50");
  EXPECT_EQ(mask(1234.5, "######0.00"), "1234,50");
  EXPECT_EQ(mask(0.07, "###0.00"), "0,07");
  EXPECT_EQ(mask(2, "##0.000"), "2,000");
  EXPECT_EQ(mask(1234.5678, "##0.000"), "1234,568");
  EXPECT_EQ(mask(12, "0000"), "0012");
  EXPECT_EQ(mask(12.4, "0"), "12");
}

TEST_F(Masks, DecimalsRoundHalfAwayFromZero) {
  EXPECT_EQ(mask(2.675, "##,0.00"), "2,68");  // 2.67499999... in binary
  EXPECT_EQ(mask(0.125, "###0.00"), "0,13");
  EXPECT_EQ(mask(-0.125, "###0.00"), "-0,13");
  EXPECT_EQ(mask(1.0005, "##0.000"), "1,001");
  EXPECT_EQ(mask(12.5, "0"), "13");
  EXPECT_DOUBLE_EQ(roundToPlaces(10.005, 2), 10.01);
  EXPECT_DOUBLE_EQ(roundToPlaces(-10.005, 2), -10.01);
}

TEST_F(Masks, NumericMaskOnTextAndMissingValues) {
  EXPECT_EQ(formatMask(Value::text("1234,5"), "##,0.00"), "1.234,50");
  EXPECT_EQ(formatMask(Value::text("ABC"), "##,0.00"), "ABC");
  EXPECT_EQ(formatMask(Value::null(), "##,0.00"), "");
  EXPECT_EQ(formatMask(Value(), "###0.00"), "");
}

TEST_F(Masks, PlacementMasksRightAlignAndNeverCut) {
  EXPECT_EQ(formatMask(Value::text("abc"), "@@@@@@"), "   abc");
  EXPECT_EQ(formatMask(Value::decimal(3.5), "@@@@@@"), "   3,5");
  EXPECT_EQ(formatMask(Value::integer(12), "@@@@@@@"), "     12");
  EXPECT_EQ(formatMask(Value::text("1.234,50"), "@@@@@@@@@@@"), "   1.234,50");
  // Wider than the field: written whole, so what follows shifts right.
  EXPECT_EQ(formatMask(Value::text("12.345.678,90"), "@@@@@@@@@"), "12.345.678,90");
  EXPECT_EQ(placeRight("123456789", 9), "123456789");
  EXPECT_EQ(placeRight("", 4), "    ");
}

TEST_F(Masks, MoneyColumnInTwoSteps) {
  const QString printed = formatMask(Value::text(mask(1234.5, "##,0.00")), "@@@@@@@@@@@");
  EXPECT_EQ(printed, "   1.234,50");
  EXPECT_EQ(printed.size(), 11);
}

TEST_F(Masks, DateMask) {
  EXPECT_EQ(formatMask(Value::date(QDate(2024, 1, 9)), "dd/mm/yyyy"), "09/01/2024");
  EXPECT_EQ(formatMask(Value::date(QDate(2024, 1, 9)), "dd/MM/yyyy"), "09/01/2024");
  EXPECT_EQ(formatMask(Value::text("__/__/____"), "dd/mm/yyyy"), "__/__/____");
}

TEST_F(Masks, FollowsTheLocaleSeparators) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(mask(1234.5, "##,0.00"), "1,234.50");
  EXPECT_EQ(renderPlain(Value::decimal(2.5)), " 2.5 ");
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  EXPECT_EQ(mask(1234.5, "##,0.00"), "1.234,50");
}

TEST_F(Masks, TabArgumentsRoundHalfToEven) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(2.51), 3);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(1e9), 32767);  // a 16-bit whole number
}

TEST_F(Masks, TextFitting) {
  EXPECT_EQ(trimBlanks("  a b  "), "a b");
  EXPECT_EQ(trimBlanks("\tab \r\n"), "\tab \r\n");  // only blanks go
  EXPECT_EQ(trimBlanks("   "), "");
  EXPECT_EQ(cutText("abcdef", 3), "abc");
  EXPECT_EQ(cutText("ab", 3), "ab");
  EXPECT_EQ(cutText("ab", 0), "");
  EXPECT_EQ(midText("abcdef", 3, 2), "cd");
  EXPECT_EQ(midText("abc", 2, 56), "bc");
  EXPECT_EQ(midText("abc", 57, 56), "");
  EXPECT_EQ(Value::text("  x y ").trimmed(), "x y");
  EXPECT_EQ(Value::integer(7).trimmed(), "7");
}

TEST_F(Masks, PresenceFollowsTheEmptyTextComparison) {
  EXPECT_FALSE(Value::null().isPresent());
  EXPECT_FALSE(Value::text("").isPresent());
  EXPECT_FALSE(Value().isPresent());
  EXPECT_TRUE(Value::text(" ").isPresent());
  EXPECT_TRUE(Value::integer(0).isPresent());
  EXPECT_TRUE(Value::date(QDate(2024, 1, 1)).isPresent());
}

TEST_F(Masks, ArithmeticOnNullStops) {
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value::decimal(2.5), "x"), 2.5);
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value::text("1.234,5"), "x"), 1234.5);
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value(), "x"), 0);
  try {
    arithmeticOperand(Value::null(), "itqtd");
    FAIL() << "a null operand must stop the document";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("itqtd"));
  }
  EXPECT_THROW(arithmeticOperand(Value::text("abc"), "x"), RuntimeError);
}

}  // namespace
