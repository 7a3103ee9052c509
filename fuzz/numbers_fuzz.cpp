// Number parsing and masks: a mask, a NUL, then a value. A value is printed
// or refused with a RuntimeError, and never as "inf" or "nan".
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
    check(formatMask(Value::text(text), mask));
  } catch (const RuntimeError&) {
  }
  if (size >= sizeof(double) + 2) {
    double v;
    std::memcpy(&v, data, sizeof v);
    const int decimals = data[sizeof v] % 20;
    const int minimum = data[sizeof v + 1] % 20;
    try {
      check(formatNumber(v, decimals, data[0] & 1, minimum));
      check(formatMask(Value::decimal(v), mask));
    } catch (const RuntimeError&) {
    }
  }
  return 0;
}
