// The line composer on any sequence of texts, values and Tab(n): the
// column it reports always matches the characters of the current line.
#include "core/linecomposer.h"
#include "core/masks.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::init();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LineComposer lc;
  size_t i = 0;
  while (i < size) {
    const uint8_t op = data[i++];
    size_t n = 0;
    if (i < size) {
      const size_t wanted = data[i++] % 40;
      n = std::min(wanted, size - i);
    }
    QString piece = QString::fromLatin1(reinterpret_cast<const char*>(data + i), n);
    piece.replace('\r', ' ').replace('\n', ' ');  // line ends come from endLine only
    i += n;
    switch (op % 5) {
      case 0: lc << piece; break;
      case 1: lc << Tab{static_cast<int8_t>(op) * 3}; break;
      case 2: lc << Value::text(piece); break;
      case 3: lc.endLine(); break;
      default: lc << Tab{centreColumn(40, static_cast<int>(piece.size()))}; break;
    }
    const qsizetype start = lc.text().lastIndexOf("\r\n");
    const qsizetype lineLength = lc.text().size() - (start < 0 ? 0 : start + 2);
    if (lc.column() != lineLength + 1) std::abort();
  }
  return 0;
}
