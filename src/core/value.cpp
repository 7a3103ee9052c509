#include "core/value.h"

#include <QLocale>
#include <cmath>

#include "core/errors.h"
#include "core/masks.h"

Value Value::integer(qint64 v) {
  Value r(Kind::Integer);
  r.integer_ = v;
  r.number_ = static_cast<double>(v);
  return r;
}

Value Value::decimal(double v) {
  Value r(Kind::Decimal);
  r.number_ = v;
  return r;
}

Value Value::text(const QString& v) {
  Value r(Kind::Text);
  r.text_ = v;
  return r;
}

Value Value::date(const QDate& v) {
  Value r(Kind::Date);
  r.date_ = v;
  r.time_ = QTime(0, 0);
  return r;
}

Value Value::dateTime(const QDateTime& v) {
  // A timestamp at midnight is a date, as the legacy runtime's date type has no
  // separate notion of "date with a zero time".
  if (v.time() == QTime(0, 0)) return date(v.date());
  Value r(Kind::DateTime);
  r.date_ = v.date();
  r.time_ = v.time();
  return r;
}

Value Value::time(const QTime& v) {
  Value r(Kind::Time);
  r.date_ = QDate(1899, 12, 30);
  r.time_ = v;
  return r;
}

Value Value::fromVariant(const QVariant& v) {
  if (!v.isValid()) return Value();
  if (v.isNull()) return null();
  switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
      return integer(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
      return decimal(v.toDouble());
    case QMetaType::Bool:
      return integer(v.toBool() ? -1 : 0);
    case QMetaType::QDate:
      return date(v.toDate());
    case QMetaType::QDateTime:
      return dateTime(v.toDateTime());
    case QMetaType::QTime:
      return time(v.toTime());
    default:
      return text(v.toString());
  }
}

double Value::toDouble() const {
  switch (kind_) {
    case Kind::Integer:
    case Kind::Decimal:
      return number_;
    case Kind::Text:
      return parseLocaleNumber(text_).value_or(0);
    default:
      return 0;
  }
}

bool Value::isPresent() const {
  if (kind_ == Kind::Empty || kind_ == Kind::Null) return false;
  if (kind_ == Kind::Text) return !text_.isEmpty();
  return true;
}

QString Value::toText() const {
  switch (kind_) {
    case Kind::Empty:
    case Kind::Null:
      return {};
    case Kind::Text:
      return text_;
    default:
      return renderPlain(*this).trimmed();
  }
}

QString Value::trimmed() const { return trimBlanks(toText()); }

double arithmeticOperand(const Value& v, const QString& field) {
  switch (v.kind()) {
    case Value::Kind::Empty:
      return 0;
    case Value::Kind::Null:
      throw RuntimeError("Uso inválido de nulo: o campo " + field +
                         " está vazio e entra num cálculo.");
    case Value::Kind::Text:
      if (auto n = parseLocaleNumber(v.textValue())) return *n;
      throw RuntimeError("Tipo incompatível: o campo " + field + " (\"" + v.textValue() +
                         "\") não é um número.");
    default:
      return v.toDouble();
  }
}

std::optional<double> parseLocaleNumber(const QString& text) {
  const QLocale locale;
  const QString decimal = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  QString s = text.trimmed();
  if (s.isEmpty()) return std::nullopt;
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s = s.mid(1).trimmed();
  }
  QString digits;
  bool seenDecimal = false;
  int digitCount = 0;
  for (int i = 0; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c.isDigit() && c.unicode() < 128) {
      digits.append(c);
      ++digitCount;
    } else if (s.mid(i, decimal.size()) == decimal && !seenDecimal) {
      seenDecimal = true;
      digits.append('.');
      i += decimal.size() - 1;
    } else if (!seenDecimal && !group.isEmpty() && s.mid(i, group.size()) == group) {
      i += group.size() - 1;
    } else {
      return std::nullopt;
    }
  }
  if (digitCount == 0) return std::nullopt;
  bool ok = false;
  const double v = digits.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return std::nullopt;
  return negative ? -v : v;
}
