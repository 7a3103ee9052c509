#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QVariant>
#include <optional>

// A field value with the legacy runtime's variant semantics: empty, null, number,
// text or date. Documents, labels, grids and reports all render values
// through this one type (see masks.h).
class Value {
 public:
  enum class Kind { Empty, Null, Integer, Decimal, Text, Date, DateTime, Time };

  Value() = default;  // empty
  static Value null() { return Value(Kind::Null); }
  static Value integer(qint64 v);
  static Value decimal(double v);
  static Value text(const QString& v);
  static Value date(const QDate& v);
  static Value dateTime(const QDateTime& v);
  static Value time(const QTime& v);
  // From a database or widget value; an invalid variant is empty, a null one null.
  static Value fromVariant(const QVariant& v);

  Kind kind() const { return kind_; }
  bool isEmpty() const { return kind_ == Kind::Empty; }
  bool isNull() const { return kind_ == Kind::Null; }
  bool isNumber() const { return kind_ == Kind::Integer || kind_ == Kind::Decimal; }
  bool isText() const { return kind_ == Kind::Text; }
  bool isDateLike() const {
    return kind_ == Kind::Date || kind_ == Kind::DateTime || kind_ == Kind::Time;
  }

  // The number; null, empty and non-numeric text count as 0.
  double toDouble() const;
  // A value is present when it is not equal to the empty text: a null and
  // an empty or "" text are not present, every number and date is.
  bool isPresent() const;
  // The text as it would be joined into a string: numbers in their general
  // form without blanks, dates in the short date form, null and empty as "".
  QString toText() const;
  // toText() without leading and trailing blanks (spaces only, as the
  // legacy runtime's trim: tabs and line breaks stay).
  QString trimmed() const;

  const QString& textValue() const { return text_; }
  // Dates and times are held as a calendar day and a time of day; the local
  // QDateTime is made only when asked for, as making it costs a time-zone
  // look-up (a date column read row by row would pay it on every row).
  QDateTime dateTimeValue() const { return QDateTime(date_, time_); }
  QDate dateValue() const { return date_; }
  QTime timeValue() const { return time_; }

 private:
  explicit Value(Kind k) : kind_(k) {}
  Kind kind_ = Kind::Empty;
  double number_ = 0;
  qint64 integer_ = 0;
  QString text_;
  QDate date_;
  QTime time_;
  friend QString renderPlain(const Value&);
};

// The value as an operand of a document's arithmetic: a null (or a text that
// is not a number) stops the document with a RuntimeError naming the field,
// as the legacy runtime's arithmetic on a null does; an empty value counts as 0.
double arithmeticOperand(const Value& v, const QString& field);

// The numeric test under the system locale (QLocale()): optional sign, digits,
// group separators and one decimal separator. Gives the number when it passes.
std::optional<double> parseLocaleNumber(const QString& text);
