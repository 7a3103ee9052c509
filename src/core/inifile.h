#pragma once
#include <QString>

// Reads one value of an INI file the way the platform's profile reader does:
// section and key without regard to case, blanks and one pair of quotes
// around the value dropped, at most 254 characters, and empty text for a
// missing file, section or key. The first matching section and, within it,
// the first matching key win.
QString LEINI(const QString& section, const QString& key, const QString& file);

// The same rules on a file's text already decoded.
QString iniValue(const QString& text, const QString& section, const QString& key);
