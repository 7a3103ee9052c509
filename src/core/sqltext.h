#pragma once
#include <QString>

// A text value joined into SQL between single quotes: its own single quotes
// are doubled, so a name such as D'ÁVILA matches and no value can leave its
// quotes. Every text value joined into SQL goes through here.
inline QString sqlQuote(const QString& value) {
  QString v = value;
  v.replace('\'', QLatin1String("''"));
  return v;
}
