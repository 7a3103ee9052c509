#include "core/inifile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include "core/cp1252.h"

namespace {

constexpr int kMaxValue = 254;

QString unquote(QString value) {
  value = value.trimmed();
  if (value.size() >= 2) {
    const QChar first = value.front();
    if ((first == '"' || first == '\'') && value.back() == first)
      value = value.mid(1, value.size() - 2);
  }
  return value;
}

}  // namespace

QString LEINI(const QString& section, const QString& key, const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return iniValue(decodeTextFile(f.readAll()), section, key);
}

QString iniValue(const QString& text, const QString& section, const QString& key) {
  // CR LF, LF or a lone CR all end a line.
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
  const QStringList lines = text.split(lineEnd);
  enum { Before, Inside, After } state = Before;
  for (QString line : lines) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(';')) continue;
    if (line.startsWith('[')) {
      const int close = line.indexOf(']');
      const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
      if (state == Inside) {
        state = After;
        break;
      }
      if (name.compare(section, Qt::CaseInsensitive) == 0) state = Inside;
      continue;
    }
    if (state != Inside) continue;
    const int eq = line.indexOf('=');
    if (eq < 0) continue;
    if (line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0) continue;
    return unquote(line.mid(eq + 1)).left(kMaxValue);
  }
  return {};
}
