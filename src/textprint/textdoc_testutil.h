#pragma once
// Shared by the tests of the text and drawn documents: the demo database,
// scratch files, the golden byte files and the comparison that puts the
// printed time aside.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTime>
#include <gtest/gtest.h>
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

// The golden file's "10:20:30" stands for whatever time the real run
// printed there: that place must hold a time, and is then compared as fixed.
inline QByteArray withFixedTime(const QByteArray& printed, const QByteArray& expected) {
  const qsizetype at = expected.indexOf("10:20:30");
  if (at < 0 || printed.size() < at + 8) return printed;
  static const QRegularExpression time("^[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$");
  const QByteArray there = printed.mid(at, 8);
  EXPECT_TRUE(time.match(QString::fromLatin1(there)).hasMatch())
      << "no time at byte " << at << ": " << there.toStdString();
  QByteArray fixed = printed;
  fixed.replace(at, 8, "10:20:30");
  return fixed;
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

// One message the document showed.
inline void expectMessage(const ui::ScriptedUi& ui, size_t index, const QString& text,
                          ui::Icon icon) {
  ASSERT_GT(ui.shown.size(), index);
  EXPECT_EQ(ui.shown[index].text, text);
  EXPECT_EQ(ui.shown[index].title, "tl_relatorios");
  EXPECT_EQ(ui.shown[index].icon, icon);
  EXPECT_EQ(ui.shown[index].buttons, ui::Buttons::Ok);
}

}  // namespace textdoc
