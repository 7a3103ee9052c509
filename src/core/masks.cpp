#include "core/masks.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/errors.h"
#include "core/value.h"

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

// The default locale's separators, looked up again only when it changes
// (formatting a long report asks for them hundreds of thousands of times).
struct NumberSymbols {
  QLocale locale;
  QString point, group;
  bool asciiDigits = false;
};

const NumberSymbols& numberSymbols() {
  thread_local NumberSymbols symbols{QLocale(QLocale::C), {}, {}, false};
  const QLocale current;
  if (!(current == symbols.locale) || symbols.point.isEmpty())
    symbols = {current, current.decimalPoint(), current.groupSeparator(),
               current.zeroDigit() == QLatin1String("0")};
  return symbols;
}

// A rounded amount of `units` of the last place written out: the integer
// part padded to minIntegerDigits (none at all for a zero part when that is
// 0), grouped by thousands when asked, then the decimal point and
// `decimals` digits. What the locale's fixed-point conversion followed by
// that padding and grouping would give, for a value below 10^15 units.
QString fixedPoint(qint64 units, int decimals, bool grouped, int minIntegerDigits,
                   bool negative, const NumberSymbols& symbols) {
  char reversed[24];  // least significant digit first
  int n = 0;
  do {
    reversed[n++] = char('0' + units % 10);
    units /= 10;
  } while (units > 0 && n < 17);
  while (n <= decimals) reversed[n++] = '0';
  const int intDigits = n - decimals;
  int width = std::max(intDigits, minIntegerDigits);
  if (minIntegerDigits == 0 && intDigits == 1 && reversed[decimals] == '0') width = 0;
  QString s;
  s.reserve(width + width / 3 + decimals + 2);
  if (negative) s += QLatin1Char('-');
  for (int p = 0; p < width; ++p) {
    if (grouped && p > 0 && (width - p) % 3 == 0) s += symbols.group;
    const int place = width - 1 - p;  // 0 for the units digit
    s += QLatin1Char(place < intDigits ? reversed[decimals + place] : '0');
  }
  if (decimals > 0) {
    s += symbols.point;
    for (int i = decimals - 1; i >= 0; --i) s += QLatin1Char(reversed[i]);
  }
  return s;
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
  const NumberSymbols& symbols = numberSymbols();
  if (decimals >= 0 && decimals <= 15 && symbols.asciiDigits)
    return fixedPoint(static_cast<qint64>(std::fabs(v == 0 ? 0 : scaledUnits(v, decimals))),
                      decimals, grouped, minIntegerDigits, rounded < 0, symbols);
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  QString s = locale.toString(std::fabs(rounded), 'f', decimals);
  const int sep = decimals > 0 ? s.indexOf(locale.decimalPoint()) : s.size();
  QString intPart = s.left(sep);
  // Pad the integer part up to its minimum digits ("0000"), then group it.
  while (intPart.size() < minIntegerDigits) intPart.prepend('0');
  if (minIntegerDigits == 0 && intPart == "0") intPart.clear();
  if (grouped)
    for (int i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, symbols.group);
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
