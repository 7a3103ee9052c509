#include "core/masks.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/errors.h"
#include "core/jobparameters.h"

namespace {

const QString kNotANumber = QStringLiteral("Valor numérico inválido (infinito ou indefinido).");

QString longTimeFormat() {
  QString f = QLocale().timeFormat(QLocale::LongFormat);
  f.remove('t');  // the time zone has no place on a printed document
  return f.trimmed();
}

QString renderDate(const Value& v) {
  const QLocale locale;
  switch (v.kind()) {
    case Value::Kind::Date:
      return locale.toString(v.dateValue(), QLocale::ShortFormat);
    case Value::Kind::DateTime:
      return locale.toString(v.dateValue(), QLocale::ShortFormat) + ' ' +
             locale.toString(v.timeValue(), longTimeFormat());
    default:
      return locale.toString(v.timeValue(), longTimeFormat());
  }
}

struct NumericMask {
  int decimals = 0;
  bool grouped = false;
  int minInteger = 0;
};

bool parseNumericMask(const QString& mask, NumericMask& out) {
  if (mask.isEmpty()) return false;
  const int dot = mask.indexOf('.');
  const QString integerPart = dot < 0 ? mask : mask.left(dot);
  const QString decimalPart = dot < 0 ? QString() : mask.mid(dot + 1);
  for (QChar c : integerPart)
    if (c != '#' && c != '0' && c != ',') return false;
  for (QChar c : decimalPart)
    if (c != '#' && c != '0') return false;
  out.decimals = decimalPart.size();
  out.grouped = integerPart.contains(',');
  out.minInteger = integerPart.count('0');
  return true;
}

bool isDateMask(const QString& mask) {
  return mask.contains("dd") || mask.contains("yy");
}

QString qtDateFormat(QString mask) {
  // Masks write minutes and months alike as "mm"; between day and
  // year they are the month.
  if (!mask.contains("hh") && !mask.contains("HH")) mask.replace("mm", "MM");
  return mask;
}

}  // namespace

int roundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  // Halves go to the even neighbour whatever the FPU rounding mode is.
  double r = std::floor(v);
  const double diff = v - r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
  return static_cast<int>(std::clamp(r, -32768.0, 32767.0));
}

QString generalNumber(double v) {
  if (!std::isfinite(v)) throw RuntimeError(kNotANumber);
  if (v == 0) return QStringLiteral("0");
  // Fifteen significant digits, as the legacy runtime turns a double into text;
  // very large and very small numbers in its exponent form ("1E-05").
  // A whole number of up to fifteen digits is its digits (the common case:
  // codes and quantities), without the general conversion.
  if (v == std::trunc(v) && std::fabs(v) < 1e15) return QString::number(static_cast<qint64>(v));
  QString s = QString::number(v, 'g', 15);
  s.replace('.', QLocale().decimalPoint());
  s.replace('e', 'E');
  return s;
}

namespace {

// Powers of ten as exact doubles, for the places a mask can ask for.
double powerOfTen(int n) {
  static const auto table = [] {
    std::array<double, 23> t{};
    double p = 1;
    for (double& e : t) e = p, p *= 10;
    return t;
  }();
  return n >= 0 && n < int(table.size()) ? table[size_t(n)] : std::pow(10.0, n);
}

// v times 10^decimals rounded to a whole number: half away from zero, with a
// nudge of a few units in the last place so that 2.675 stored as 2.67499...
// rounds up; capped so that it never moves a large whole number
// (999999999999999 would become 1E+15).
double scaledUnits(double v, int decimals) {
  const double x = v * powerOfTen(decimals);
  const double nudge = std::min(std::fabs(x) * 4 * std::numeric_limits<double>::epsilon(), 1e-6);
  return std::round(x + std::copysign(nudge, x));
}

}  // namespace

double roundToPlaces(double v, int decimals) {
  if (!std::isfinite(v)) return 0;
  double rounded = scaledUnits(v, decimals) / powerOfTen(decimals);
  if (rounded == 0) rounded = 0;  // no "-0,00"
  return rounded;
}

QString formatNumber(double v, int decimals, bool grouped, int minIntegerDigits) {
  if (!std::isfinite(v)) throw RuntimeError(kNotANumber);
  const double rounded = v == 0 ? 0 : roundToPlaces(v, decimals);
  // A double holds 15 significant digits exactly; more would print digits
  // that were never in the value (1E+20 as "100.000.000.000.000.081.920,00").
  if (rounded != 0 && !(std::fabs(rounded) * powerOfTen(decimals) < 1e15))
    throw RuntimeError("Valor numérico grande demais para ser impresso com exatidão: " +
                       QString::number(v, 'g', 15).replace('e', 'E') + " (com " +
                       QString::number(decimals) + " casas decimais).");
  QLocale locale;
  QString s;
  if (decimals >= 0 && decimals <= 15 && locale.zeroDigit() == QLatin1String("0")) {
    // The rounded value is a whole number of units of the last place, below
    // 10^15: its digits are those units' digits with the decimal point put
    // in, which is what the locale's fixed-point conversion would print.
    const qint64 units = static_cast<qint64>(std::fabs(v == 0 ? 0 : scaledUnits(v, decimals)));
    s = QString::number(units);
    if (s.size() <= decimals) s.prepend(QString(decimals + 1 - s.size(), QLatin1Char('0')));
    if (decimals > 0) s.insert(s.size() - decimals, locale.decimalPoint());
  } else {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    s = locale.toString(std::fabs(rounded), 'f', decimals);
  }
  const int sep = decimals > 0 ? s.indexOf(locale.decimalPoint()) : s.size();
  QString intPart = s.left(sep);
  // Pad the integer part up to its minimum digits ("0000"), then group it.
  while (intPart.size() < minIntegerDigits) intPart.prepend('0');
  if (minIntegerDigits == 0 && intPart == "0") intPart.clear();
  if (grouped) {
    const QString group = locale.groupSeparator();
    for (int i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, group);
  }
  s = intPart + s.mid(sep);
  return rounded < 0 ? '-' + s : s;
}

QString placeRight(const QString& text, int width) {
  return text.size() >= width ? text : QString(width - text.size(), ' ') + text;
}

QString midText(const QString& s, int start, int length) {
  if (start < 1 || length <= 0) return {};
  return s.mid(start - 1, length);
}

QString trimBlanks(const QString& s) {
  qsizetype b = 0, e = s.size();
  while (b < e && s[b] == QLatin1Char(' ')) ++b;
  while (e > b && s[e - 1] == QLatin1Char(' ')) --e;
  return s.mid(b, e - b);
}

QString cutText(const QString& s, int n) { return n <= 0 ? QString() : s.left(n); }

QString renderPlain(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Empty:
    case Value::Kind::Null:
      return {};
    case Value::Kind::Text:
      return v.textValue();
    case Value::Kind::Integer:
    case Value::Kind::Decimal: {
      const double n = v.toDouble();
      return (n < 0 ? QString("-") + generalNumber(-n) : ' ' + generalNumber(n)) + ' ';
    }
    default:
      return renderDate(v);
  }
}

QString formatMask(const Value& v, const QString& mask) {
  if (mask.isEmpty()) return v.toText();
  if (mask.count('@') == mask.size()) {
    const QString text = v.isNumber() ? generalNumber(v.toDouble()) : v.toText();
    return placeRight(text, mask.size());
  }
  if (v.isEmpty() || v.isNull()) return {};
  if (isDateMask(mask)) {
    if (!v.isDateLike()) return v.toText();
    return QLocale().toString(v.dateTimeValue(), qtDateFormat(mask));
  }
  NumericMask m;
  if (!parseNumericMask(mask, m)) return v.toText();
  double n = 0;
  if (v.isNumber()) {
    n = v.toDouble();
  } else if (v.isText()) {
    const auto parsed = parseLocaleNumber(v.textValue());
    if (!parsed) return v.textValue();
    n = *parsed;
  } else {
    return v.toText();
  }
  return formatNumber(n, m.decimals, m.grouped, m.minInteger);
}
