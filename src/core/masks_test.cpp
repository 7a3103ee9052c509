#include "core/masks.h"
#include "core/documentid.h"

#include <QLocale>
#include <cmath>

#include "core/errors.h"
#include "core/value.h"
#include "testsupport.h"

namespace {

// A value of the case table: int:N, dec:N, text:"...", date:, datetime:, time:, empty or null.
Value caseValue(const QString& v) {
  const QString type = v.section(':', 0, 0), rest = v.section(':', 1);
  if (type == "int") return Value::integer(rest.toLongLong());
  if (type == "dec") return Value::decimal(rest.toDouble());
  if (type == "text") return Value::text(rest.mid(1, rest.size() - 2));
  if (type == "date") return Value::date(QDate::fromString(rest, Qt::ISODate));
  if (type == "datetime") return Value::dateTime(QDateTime::fromString(rest, Qt::ISODate));
  if (type == "time") return Value::time(QTime::fromString(rest, Qt::ISODate));
  return type == "null" ? Value::null() : Value();
}

// Values without a mask, under numeric, text, date and placement masks, and
// Tab arguments: each case of the table with what the program makes of it.
TEST(Masks, CaseTable) {
  const QString golden = "src/core/testdata/masks.lines";
  QStringList actual;
  for (const QString& line : testsupport::goldenLines(golden)) {
    const QString args = line.left(line.lastIndexOf(" => ")), function = args.section(' ', 0, 0);
    const qsizetype valueEnd = args.startsWith(function + " text:") ? args.indexOf('"', function.size() + 7) + 1
                                                                     : args.indexOf(' ', function.size() + 1);
    const QString value = args.mid(function.size() + 1, valueEnd < 0 ? -1 : valueEnd - function.size() - 1);
    const QString mask = valueEnd < 0 ? QString() : args.mid(valueEnd + 1);
    QString out;
    if (function == "plain") out = renderPlain(caseValue(value));
    else if (function == "mask") out = formatMask(caseValue(value), mask);
    else if (function == "general") out = generalNumber(value.toDouble());
    else if (function == "halfeven") out = QString::number(roundHalfEven(value.toDouble()));
    actual << args + " => \"" + out + "\"";
  }
  testsupport::expectGoldenLines(actual, golden);
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
  EXPECT_EQ(placeRight("123456789", 9), "123456789");
  EXPECT_EQ(placeRight("", 4), "    ");
}

// The CPF unless null, blank or its mask; else the CNPJ; else none (the golden table's cases).
TEST(DocumentId, CpfElseCnpj) {
  const QString golden = "src/core/testdata/documentid.lines";
  QStringList actual;
  for (const QString& line : testsupport::goldenLines(golden)) {
    const QString values = line.left(line.lastIndexOf(" => "));
    const TaxId id = chooseTaxId(caseValue(values.section(" | ", 0, 0)), caseValue(values.section(" | ", 1, 1)));
    actual << values + " => " + (id == TaxId::Cpf ? "Cpf" : id == TaxId::Cnpj ? "Cnpj" : "None");
  }
  testsupport::expectGoldenLines(actual, golden);
}

TEST(Masks, FollowsTheLocaleSeparators) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(formatMask(Value::decimal(1234.5), "##,0.00"), "1,234.50");
  EXPECT_EQ(renderPlain(Value::decimal(2.5)), " 2.5 ");
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  EXPECT_EQ(formatMask(Value::decimal(1234.5), "##,0.00"), "1.234,50");
}

TEST(Masks, TextFitting) {
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
TEST(Masks, PresenceAndArithmeticOnNull) {
  for (const Value& v : {Value::null(), Value::text(""), Value()}) EXPECT_FALSE(v.isPresent());
  for (const Value& v : {Value::text(" "), Value::integer(0), Value::date(QDate(2024, 1, 1))})
    EXPECT_TRUE(v.isPresent());

  EXPECT_DOUBLE_EQ(arithmeticOperand(Value::decimal(2.5), "x"), 2.5);
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value::text("1.234,5"), "x"), 1234.5);
  EXPECT_DOUBLE_EQ(arithmeticOperand(Value(), "x"), 0);
  // A null operand stops the document.
  testsupport::expectRuntimeError([] { arithmeticOperand(Value::null(), "itqtd"); }, "itqtd");
  EXPECT_THROW(arithmeticOperand(Value::text("abc"), "x"), RuntimeError);
}

}  // namespace
