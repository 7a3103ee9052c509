#pragma once
// Expected label streams are golden listings in src/labels/testdata (see its
// README): a section "= title" per stream, a line per CR LF.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include "core/cp1252.h"
#include "testsupport.h"

namespace labeltest {

inline QString golden(const QString& name) { return "src/labels/testdata/" + name; }

// A stream as listed: each line closed by '|', control bytes as <hex>; bytes
// after the last CR LF are marked.
inline QStringList listing(const QByteArray& stream) {
  QStringList out;
  const QStringList ls = cp1252::decode(stream).split("\r\n");
  for (qsizetype i = 0; i < ls.size(); ++i) {
    QString shown;
    for (QChar ch : ls[i])
      shown += ch.unicode() < 0x20 || ch.unicode() == 0x7F
                   ? QString("<%1>").arg(ch.unicode(), 2, 16, QChar('0')).toUpper()
                   : QString(ch);
    if (i + 1 < ls.size()) out << shown + "|";
    else if (!shown.isEmpty()) out << shown + " (no CR LF)";
  }
  return out;
}

// The stream of one section of a golden listing, as bytes.
inline QByteArray goldenStream(const QString& file, const QString& title) {
  static const QRegularExpression hex("<([0-9A-F]{2})>");
  QByteArray out;
  bool in = false;
  for (const QString& l : testsupport::goldenLines(golden(file))) {
    if (l.startsWith("= ")) in = l.mid(2) == title;
    else if (in) {
      QString line = l.chopped(1);
      for (auto m = hex.match(line); m.hasMatch(); m = hex.match(line))
        line.replace(m.capturedStart(), 4, QChar(m.captured(1).toInt(nullptr, 16)));
      out += cp1252::encode(line) + "\r\n";
    }
  }
  return out;
}

// A path in the scratch folder that does not exist yet.
inline QString freshPath(const QString& name) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  return path;
}

}  // namespace labeltest
