// Number parsing and masks: a mask, a NUL, then a value. A value is printed
// or refused with a RuntimeError, and never as "inf" or "nan". Masks copy
// their literal letters, and a text value its own, so the words are looked
// for only where the input could not have spelt them.
#include "core/errors.h"
#include "core/jobparameters.h"
#include "core/masks.h"
#include "fuzzsupport.h"

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
      check(formatNumber(*n, 2, true));
      check(generalNumber(*n));
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
      check(formatNumber(v, decimals, data[0] & 1, minimum));
      const QString printed = formatMask(Value::decimal(v), mask);
      if (!spells(mask)) check(printed);
    } catch (const RuntimeError&) {
    }
  }
  return 0;
}
