#include "core/masks.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/value.h"

namespace {

class Masks : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
};

// Numbers without a mask have a blank before (or their sign) and after, in
// the shortest general form (no grouping, no trailing zeros); dates and times
// in their short form; text unchanged; empty and null nothing.
TEST_F(Masks, ValuesWithoutMask) {
  for (const auto& [value, expected] : std::vector<std::pair<Value, QString>>{
           {Value::integer(12), " 12 "}, {Value::integer(0), " 0 "}, {Value::integer(-12), "-12 "},
           {Value::decimal(2.5), " 2,5 "}, {Value::decimal(-0.25), "-0,25 "},
           {Value::decimal(1234.5), " 1234,5 "}, {Value::decimal(2.0), " 2 "},
           {Value::decimal(0.1 + 0.2), " 0,3 "}, {Value::text("  ab "), "  ab "},
           {Value(), ""}, {Value::null(), ""}, {Value::date(QDate(2024, 3, 5)), "05/03/2024"},
           {Value::dateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), "05/03/2024 14:07:09"},
           {Value::time(QTime(9, 5, 0)), "09:05:00"}})
    EXPECT_EQ(renderPlain(value), expected) << expected.toStdString();
  for (const auto& [v, expected] : {std::pair{100000.0, "100000"}, {1e-5, "1E-05"},
                                    {12345678901234.0, "12345678901234"}, {1e20, "1E+20"},
                                    {-0.0, "0"}})
    EXPECT_EQ(generalNumber(v), expected);
}

TEST_F(Masks, NumericMasks) {
  for (const auto& [v, mask, expected] : std::vector<std::tuple<double, const char*, QString>>{
           // Grouped; never "-0,00".
           {1234.5, "##,0.00", "1.234,50"}, {1234.5, "###,0.00", "1.234,50"},
           {1234567.891, "##,0.00", "1.234.567,89"}, {123, "##,0.00", "123,00"},
           {0, "##,0.00", "0,00"}, {0.5, "##,0.00", "0,50"}, {-1234.567, "##,0.00", "-1.234,57"},
           {-0.001, "##,0.00", "0,00"},
           // Ungrouped: extra hashes change nothing.
           {1234.5, "###0.00", "1234,50"}, {1234.5, "#####0.00", "1234,50"},
           {1234.5, "######0.00", "1234,50"}, {0.07, "###0.00", "0,07"}, {2, "##0.000", "2,000"},
           {1234.5678, "##0.000", "1234,568"}, {12, "0000", "0012"}, {12.4, "0", "12"},
           // Halves away from zero, from the decimal text (2.675 is 2.67499... in binary).
           {2.675, "##,0.00", "2,68"}, {0.125, "###0.00", "0,13"}, {-0.125, "###0.00", "-0,13"},
           {1.0005, "##0.000", "1,001"}, {12.5, "0", "13"}})
    EXPECT_EQ(formatMask(Value::decimal(v), mask), expected) << v << " " << mask;
  // The widest figures a double holds exactly; beyond them, and for
  // infinity and NaN, a run-time error instead of wrong digits.
  EXPECT_EQ(formatNumber(9999999999999.99, 2, true), "9.999.999.999.999,99");
  EXPECT_EQ(formatNumber(0, 20, false), "0," + QString(20, '0'));
  for (const auto& [v, decimals] :
       {std::pair{1e20, 2}, {99999999999999.99, 2}, {-5.1426e297, 15}, {0.1, 20},
        {HUGE_VAL, 0}, {std::nan(""), 2}})
    EXPECT_THROW(formatNumber(v, decimals, false, decimals), RuntimeError) << v;
  EXPECT_THROW(generalNumber(std::nan("")), RuntimeError);
  EXPECT_DOUBLE_EQ(roundToPlaces(10.005, 2), 10.01);
  EXPECT_DOUBLE_EQ(roundToPlaces(-10.005, 2), -10.01);
}

// A numeric text is a number under a numeric mask; other text and missing
// values are not. Placement masks right-align and never cut, so what follows
// shifts right.
TEST_F(Masks, TextDateAndPlacementMasks) {
  const Value jan9 = Value::date(QDate(2024, 1, 9));
  for (const auto& [value, mask, expected] : std::vector<std::tuple<Value, const char*, QString>>{
           {Value::text("1234,5"), "##,0.00", "1.234,50"}, {Value::text("ABC"), "##,0.00", "ABC"},
           {Value::null(), "##,0.00", ""}, {Value(), "###0.00", ""},
           {jan9, "dd/mm/yyyy", "09/01/2024"}, {jan9, "dd/MM/yyyy", "09/01/2024"},
           {Value::text("__/__/____"), "dd/mm/yyyy", "__/__/____"},
           {Value::text("abc"), "@@@@@@", "   abc"}, {Value::decimal(3.5), "@@@@@@", "   3,5"},
           {Value::integer(12), "@@@@@@@", "     12"},
           {Value::text("1.234,50"), "@@@@@@@@@@@", "   1.234,50"},
           {Value::text("12.345.678,90"), "@@@@@@@@@", "12.345.678,90"}})
    EXPECT_EQ(formatMask(value, mask), expected) << mask << " " << expected.toStdString();
  EXPECT_EQ(placeRight("123456789", 9), "123456789");
  EXPECT_EQ(placeRight("", 4), "    ");
}

TEST_F(Masks, FollowsTheLocaleSeparators) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(formatMask(Value::decimal(1234.5), "##,0.00"), "1,234.50");
  EXPECT_EQ(renderPlain(Value::decimal(2.5)), " 2.5 ");
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  EXPECT_EQ(formatMask(Value::decimal(1234.5), "##,0.00"), "1.234,50");
}

TEST_F(Masks, TabArgumentsRoundHalfToEvenIn16Bits) {
  for (const auto& [v, expected] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.51, 3},
                                    {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {1e9, 32767}})
    EXPECT_EQ(roundHalfEven(v), expected) << v;
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

// Present: neither null nor "" (as the empty-text comparison decides).
TEST_F(Masks, PresenceAndArithmeticOnNull) {
  for (const Value& v : {Value::null(), Value::text(""), Value()}) EXPECT_FALSE(v.isPresent());
  for (const Value& v : {Value::text(" "), Value::integer(0), Value::date(QDate(2024, 1, 1))})
    EXPECT_TRUE(v.isPresent());

  EXPECT_DOUBLE_EQ(arithmeticOperand(Value::decimal(2.5), "x"), 2.5);
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value::text("1.234,5"), "x"), 1234.5);
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value(), "x"), 0);
  try {
    arithmeticOperand(Value::null(), "itqtd");  // a null operand stops the document
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("itqtd"));
  }
  EXPECT_THROW(arithmeticOperand(Value::text("abc"), "x"), RuntimeError);
}

}  // namespace
