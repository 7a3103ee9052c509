#include "core/cp1252.h"

#include <QStringDecoder>
#include <array>

namespace {
// 0x80..0x9F; 0 marks the five unassigned codes.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
}  // namespace

namespace cp1252 {

QString decode(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b < 0xA0)
      out.append(kHigh[b - 0x80] ? QChar(kHigh[b - 0x80]) : QChar(0xFFFD));
    else
      out.append(QChar(b));
  }
  return out;
}

QByteArray encode(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.append(static_cast<char>(u));
      continue;
    }
    char mapped = '?';
    for (int i = 0; i < 32; ++i)
      if (kHigh[i] && kHigh[i] == u) mapped = static_cast<char>(0x80 + i);
    out.append(mapped);
  }
  return out;
}

}  // namespace cp1252

QString decodeTextFile(const QByteArray& bytes) {
  // A "Unicode" file of a Windows editor: UTF-16 behind its byte-order mark,
  // which the platform's profile reader also accepts.
  if (bytes.startsWith("\xFF\xFE"))
    return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
  if (bytes.startsWith("\xFE\xFF"))
    return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
  QByteArray body = bytes;
  if (body.startsWith("\xEF\xBB\xBF")) body.remove(0, 3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(body);
  if (!utf8.hasError()) return text;
  return cp1252::decode(body);
}
