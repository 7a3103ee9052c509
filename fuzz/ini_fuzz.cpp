// The INI reader on any bytes: decoding (UTF-8, Windows-1252, UTF-16 behind
// a byte-order mark) and the section and key rules.
#include "core/cp1252.h"
#include "core/inifile.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::init();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      decodeTextFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (const char* key : {"RELATORIO", "SACOD", "LOCALBANCO"}) {
    const QString v = iniValue(text, "Geral", key);
    if (v.size() > 254) std::abort();  // values are cut to 254 characters
  }
  return 0;
}
