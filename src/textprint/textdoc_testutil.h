#pragma once
// Shared by the tests of the text and drawn documents: the demo database,
// scratch files and the golden byte files.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTime>
#include <ostream>

#include "core/cp1252.h"
#include "core/errors.h"
#include "core/modcnn.h"
#include "testsupport.h"
#include "ui/ui.h"

namespace textdoc {

// The time every document test prints, as written in the golden files.
inline QTime fixedTime() { return QTime(10, 20, 30); }
inline const char* kCompany = "BRISA NORTE CLIMATIZAÇÃO LTDA";

inline void openDemo(modCnn& m) { m.Cnn.open(testsupport::fixtureConnectionString()); }

using testsupport::expectRuntimeError;
using testsupport::prefilled;
using testsupport::scratchFile;

inline QByteArray golden(const QString& name) {
  QFile f(QStringLiteral(TL_SOURCE_DIR "/src/textprint/testdata/") + name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << "missing golden file " << name.toStdString();
  return f.readAll();
}

// Line by line first, so that a failure names the first differing line.
inline void expectSameBytes(const QByteArray& actual, const QByteArray& expected) {
  const QList<QByteArray> a = actual.split('\n');
  const QList<QByteArray> e = expected.split('\n');
  for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
    if (a[i] != e[i]) {
      ADD_FAILURE() << "line " << i + 1 << " differs\n  actual:   ["
                    << cp1252::decode(a[i]).toStdString() << "]\n  expected: ["
                    << cp1252::decode(e[i]).toStdString() << "]";
      break;
    }
  EXPECT_EQ(a.size(), e.size()) << "line count";
  EXPECT_TRUE(actual == expected) << "bytes differ";
}

}  // namespace textdoc
