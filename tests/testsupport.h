#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <ostream>

#include "core/errors.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace draw {
struct Document;
}

// Helpers shared by the test executables. Every test executable links this
// library's main(): a QApplication on the offscreen platform and the pt_BR
// locale pinned, whatever the machine's.
namespace testsupport {

// A scratch folder for the current test process.
QString scratchDir();

// A private copy of the demo database (built from db/*.sql into the build
// tree) for this test process; the same path on every call.
QString fixtureDatabase();

// The connection string TL.ini gives for the fixture database.
QString fixtureConnectionString();

// Writes an INI file with section [Geral]. utf8=false writes Windows-1252;
// crlf chooses the line ends.
QString writeIni(const QString& path, const QList<QPair<QString, QString>>& keys,
                 bool utf8 = true, bool crlf = true);

// A TL.ini pointing at the fixture database.
QString writeFixtureConfig(const QString& path);

struct RunResult {
  int exitCode = -1;
  QByteArray out, err;
  bool finished = false;
};
// Runs the real executable (TL_EXE) with these arguments, up to timeoutMs.
RunResult runExecutable(const QStringList& args, int timeoutMs = 60000,
                        const QMap<QString, QString>& env = {});

QByteArray readFile(const QString& path);

// A path in this process's scratch folder.
QString scratchFile(const QString& name);

// The program copied into dir as an installation has it: tl_relatorios (the
// TL_EXE under test) and tl_relatorios_janelas beside it. Returns the path
// of the copied tl_relatorios.
QString copyProgram(const QString& dir);

// A scratch file already holding `content`, to show what a failure leaves.
QString prefilled(const QString& name, const QByteArray& content = "previous");

// `run` must throw a RuntimeError whose message contains `needle`.
template <typename F>
void expectRuntimeError(F&& run, const QString& needle) {
  try {
    run();
    ADD_FAILURE() << "no RuntimeError";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains(needle)) << e.message().toStdString();
  }
}

// Text of a PDF read back with pdftotext -bbox: one word per entry, with
// its box in twips (1 point = 20 twips) and its page (1-based).
struct PdfWord {
  int page;
  double xMin, yMin, xMax, yMax;  // twips
  QString text;
};
std::vector<PdfWord> pdfWords(const QString& pdfPath);
int pdfPageCount(const QString& pdfPath);

// Expected output kept as data: a golden file (UTF-8, under the source tree
// unless absolute) holds one expected line per line, '#' and empty lines
// being comments. A failure names the first differing line and both counts.
QStringList goldenLines(const QString& goldenPath);
void expectGoldenLines(const QStringList& actual, const QString& goldenPath);

// A drawn document's text runs by line: "page/y" -> "x:text|" per run, left
// to right; with plainPointSize a run of another size is marked with its size
// and a bold one with '*' ("x:16*text|").
std::map<QString, QString> drawnLines(const draw::Document& doc,
                                      std::optional<double> plainPointSize = {});
// Each golden line "page/y runs" against that drawn line ("-" for none); one
// ending in "|..." is compared on the runs it lists alone ("x:|": none at x).
void expectDrawnLines(const std::map<QString, QString>& drawn, const QString& goldenPath);

}  // namespace testsupport
