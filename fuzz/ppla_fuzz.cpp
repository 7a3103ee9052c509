// The PPLA composer with any texts and prices: it composes or refuses with
// a RuntimeError, never crashes.
#include <cstring>

#include "core/errors.h"
#include "fuzzsupport.h"
#include "labels/ppla.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::init();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [head, tail] = fuzz::split(data, size);
  double price = 0;
  if (size >= sizeof price) std::memcpy(&price, data, sizeof price);
  try {
    ppla::PriceLabels job{head, tail, head.left(20), price, (size & 1) != 0, "0001"};
    ppla::priceLabelJob(job);
    LineComposer lc;
    ppla::startBlock(lc);
    for (ppla::Place place : {ppla::Place::Left, ppla::Place::Middle, ppla::Place::Right})
      ppla::orderLabel(lc, place,
                       {head, Value::text(tail.left(30)), Value::text(tail), Value::decimal(price),
                        (size & 2) != 0});
    ppla::endBlock(lc, "0001");
  } catch (const RuntimeError&) {
  }
  return 0;
}
