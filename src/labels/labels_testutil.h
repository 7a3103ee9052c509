#pragma once
// Helpers for the label tests: streams are written out by hand as lists of
// lines, each of which the printer receives followed by CR LF.
#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <string>

namespace labeltest {

inline const std::string STX = "\x02";
inline const std::string NUL = std::string(1, '\0');

inline QByteArray lines(std::initializer_list<std::string> ls) {
  QByteArray out;
  for (const auto& l : ls) {
    out.append(l.data(), static_cast<qsizetype>(l.size()));
    out.append("\r\n");
  }
  return out;
}

// Windows-1252 bytes of a Latin-1 text written in the source as UTF-8.
inline std::string cp(const char* utf8) {
  const QByteArray b = QString::fromUtf8(utf8).toLatin1();
  return std::string(b.constData(), static_cast<size_t>(b.size()));
}

inline QByteArray startBlock() {
  return lines({STX + "e", STX + "KI7" + NUL, STX + "c000", STX + "L", "D11"});
}

inline QByteArray endBlock(const std::string& copies) {
  return lines({STX + "Q" + copies, STX + "E", STX + "f320"});
}

}  // namespace labeltest
