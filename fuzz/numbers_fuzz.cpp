// Number parsing and masks: a mask, a NUL, then a value. A value is printed
// or refused with a RuntimeError, and never as "inf" or "nan". Masks copy
// their literal letters, and a text value its own, so the words are looked
// for only where the input could not have spelt them.
#include "core/errors.h"
#include "core/jobparameters.h"
#include "core/masks.h"
#include "fuzzsupport.h"

#include <QLocale>
#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::init();
  return 0;
}

namespace {

void check(const QString& printed) {
  if (printed.contains("inf", Qt::CaseInsensitive) || printed.contains("nan", Qt::CaseInsensitive))
    std::abort();
}

// formatNumber as it was written first, with the locale's fixed-point
// conversion: its digits, now built directly, must be the same.
QString referenceFormat(double v, int decimals, bool grouped, int minIntegerDigits) {
  const double rounded = v == 0 ? 0 : roundToPlaces(v, decimals);
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  QString s = locale.toString(std::fabs(rounded), 'f', decimals);
  const int sep = decimals > 0 ? s.indexOf(locale.decimalPoint()) : s.size();
  QString intPart = s.left(sep);
  while (intPart.size() < minIntegerDigits) intPart.prepend('0');
  if (minIntegerDigits == 0 && intPart == "0") intPart.clear();
  if (grouped)
    for (int i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, QLocale().groupSeparator());
  s = intPart + s.mid(sep);
  return rounded < 0 ? '-' + s : s;
}

void checkFormat(double v, int decimals, bool grouped, int minimum) {
  const QString printed = formatNumber(v, decimals, grouped, minimum);  // may throw
  check(printed);
  if (printed != referenceFormat(v, decimals, grouped, minimum)) std::abort();
}

// generalNumber as it was written first, with the general conversion for
// whole numbers too.
void checkGeneral(double v) {
  const QString printed = generalNumber(v);  // may throw
  check(printed);
  QString reference = v == 0 ? QStringLiteral("0") : QString::number(v, 'g', 15);
  reference.replace('.', QLocale().decimalPoint()).replace('e', 'E');
  if (printed != reference) std::abort();
}

bool spells(const QString& input) {
  for (const QChar c : input)
    if (QStringLiteral("infaINFA").contains(c)) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [mask, text] = fuzz::split(data, size);
  if (mask.size() > 64) return 0;  // masks of the layouts are short
  if (auto n = parseLocaleNumber(text)) {
    if (!std::isfinite(*n)) std::abort();
    try {
      checkFormat(*n, 2, true, 1);
      checkGeneral(*n);
    } catch (const RuntimeError&) {
    }
  }
  try {
    const QString printed = formatMask(Value::text(text), mask);
    if (!spells(mask) && !spells(text)) check(printed);
  } catch (const RuntimeError&) {
  }
  if (size >= sizeof(double) + 2) {
    double v;
    std::memcpy(&v, data, sizeof v);
    const int decimals = data[sizeof v] % 20;
    const int minimum = data[sizeof v + 1] % 20;
    try {
      checkGeneral(v);
      checkFormat(v, decimals, data[0] & 1, minimum);
      const QString printed = formatMask(Value::decimal(v), mask);
      if (!spells(mask)) check(printed);
    } catch (const RuntimeError&) {
    }
  }
  if (size >= sizeof(int64_t) + 2) {
    // Amounts as the documents hold them: up to twelve digits, a few places.
    int64_t k;
    std::memcpy(&k, data, sizeof k);
    const double amount = double(k % 1000000000000) / std::pow(10.0, data[sizeof k] % 7);
    try {
      checkGeneral(amount);
      checkFormat(amount, data[sizeof k + 1] % 8, data[sizeof k + 1] & 8, data[sizeof k + 1] >> 6);
    } catch (const RuntimeError&) {
    }
  }
  return 0;
}
