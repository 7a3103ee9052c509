#pragma once
// What every fuzz target needs: a Qt application on the offscreen platform
// (fonts for the band engine) and the users' locale, made once.
#include <QGuiApplication>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace fuzz {

inline void init() {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

// The input split at its first NUL byte: a short parameter and the rest.
struct Split {
  QString head, tail;
};
inline Split split(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const qsizetype nul = bytes.indexOf('\0');
  if (nul < 0) return {QString(), QString::fromUtf8(bytes)};
  return {QString::fromUtf8(bytes.left(nul)), QString::fromUtf8(bytes.mid(nul + 1))};
}

}  // namespace fuzz
