#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "drawing/displaylist.h"

namespace testsupport {

QString scratchDir() {
  static QTemporaryDir dir;
  return dir.path();
}

QString fixtureDatabase() {
  static const QString copy = [] {
    const QString source = QStringLiteral(TL_BINARY_DIR "/fixture/demo.fdb");
    const QString target = QDir(scratchDir()).filePath("demo.fdb");
    if (!QFile::exists(source)) {
      ADD_FAILURE() << "demo database missing: " << source.toStdString()
                    << " (build the fixture_db target)";
      return target;
    }
    QFile::copy(source, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
  }();
  return copy;
}

QString fixtureConnectionString() {
  return "driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" +
         fixtureDatabase();
}

QString writeIni(const QString& path, const QList<QPair<QString, QString>>& keys, bool utf8,
                 bool crlf) {
  const QString nl = crlf ? "\r\n" : "\n";
  QString text = "[Geral]" + nl;
  for (const auto& [k, v] : keys) text += k + "=" + v + nl;
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(utf8 ? text.toUtf8() : cp1252::encode(text));
  return path;
}

QString writeFixtureConfig(const QString& path) {
  return writeIni(path, {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                         {"LOCALBANCO", fixtureDatabase()}});
}

RunResult runExecutable(const QStringList& args, int timeoutMs,
                        const QMap<QString, QString>& env) {
  RunResult r;
  QProcess p;
  QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
  e.insert("QT_QPA_PLATFORM", "offscreen");
  for (auto it = env.begin(); it != env.end(); ++it) e.insert(it.key(), it.value());
  p.setProcessEnvironment(e);
  const QString exe = qEnvironmentVariable("TL_EXE", TL_BINARY_DIR "/tl_relatorios");
  p.start(exe, args);
  if (!p.waitForStarted(10000)) return r;
  r.finished = p.waitForFinished(timeoutMs);
  if (!r.finished) {
    p.kill();
    p.waitForFinished();
  }
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = p.readAllStandardOutput();
  r.err = p.readAllStandardError();
  return r;
}

QString scratchFile(const QString& name) { return QDir(scratchDir()).filePath(name); }

QString copyProgram(const QString& dir) {
  const QString exe = qEnvironmentVariable("TL_EXE", TL_BINARY_DIR "/tl_relatorios");
  const QString from = QFileInfo(exe).absolutePath();
  for (const QString name : {"tl_relatorios", "tl_relatorios_janelas"}) {
    const QString to = QDir(dir).filePath(name);
    QFile::remove(to);
    EXPECT_TRUE(QFile::copy(name == "tl_relatorios" ? exe : from + "/" + name, to)) << name.toStdString();
    QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  return QDir(dir).filePath("tl_relatorios");
}

QString prefilled(const QString& name, const QByteArray& content) {
  QFile f(scratchFile(name));
  EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
  f.write(content);
  return f.fileName();
}

QByteArray readFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

std::vector<PdfWord> pdfWords(const QString& pdfPath) {
  QProcess p;
  p.start("pdftotext", {"-bbox", pdfPath, "-"});
  p.waitForFinished(60000);
  static const QRegularExpression wordRe(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">(.*?)</word>");
  std::vector<PdfWord> words;
  int page = 0;
  for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
    if (line.contains("<page ")) ++page;
    const auto m = wordRe.match(line);
    if (!m.hasMatch()) continue;
    QString text = m.captured(5);
    text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
    words.push_back({page, m.captured(1).toDouble() * 20, m.captured(2).toDouble() * 20,
                     m.captured(3).toDouble() * 20, m.captured(4).toDouble() * 20,
                     text.replace("&apos;", "'")});
  }
  return words;
}

int pdfPageCount(const QString& pdfPath) {
  QProcess p;
  p.start("pdfinfo", {pdfPath});
  p.waitForFinished(30000);
  static const QRegularExpression re("Pages:\\s+(\\d+)");
  auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).toInt() : 0;
}

namespace {

// The expected lines of a golden file, each with its line number there.
QList<std::pair<int, QString>> golden(const QString& path, bool* found) {
  QList<std::pair<int, QString>> out;
  QFile f(QDir::isAbsolutePath(path) ? path : QStringLiteral(TL_SOURCE_DIR "/") + path);
  if (!(*found = f.open(QIODevice::ReadOnly))) {
    ADD_FAILURE() << "golden file missing: " << path.toStdString();
    return out;
  }
  const QStringList all = QString::fromUtf8(f.readAll()).split('\n');
  for (int i = 0; i < all.size(); ++i)
    if (const QString l = all[i].chopped(all[i].endsWith('\r')); !l.isEmpty() && !l.startsWith('#'))
      out.append({i + 1, l});
  return out;
}

std::string quoted(const QString* s) { return s ? '"' + s->toStdString() + '"' : "(none)"; }

}  // namespace

QStringList goldenLines(const QString& goldenPath) {
  bool found = false;
  QStringList out;
  for (const auto& l : golden(goldenPath, &found)) out << l.second;
  return out;
}

void expectGoldenLines(const QStringList& actual, const QString& goldenPath) {
  bool found = false;
  const auto expected = golden(goldenPath, &found);
  for (qsizetype i = 0; found && i < std::max(expected.size(), actual.size()); ++i) {
    const QString* e = i < expected.size() ? &expected[i].second : nullptr;
    const QString* a = i < actual.size() ? &actual[i] : nullptr;
    if (!e || !a || *e != *a) {
      ADD_FAILURE() << goldenPath.toStdString() << ":" << (e ? expected[i].first : 0)
                    << ": line " << i + 1 << " differs (" << expected.size() << " expected, "
                    << actual.size() << " actual)\n  expected: " << quoted(e)
                    << "\n  actual:   " << quoted(a);
      return;
    }
  }
}

std::map<QString, QString> drawnLines(const draw::Document& doc,
                                      std::optional<double> plainPointSize) {
  std::map<QString, std::map<int, QString>> at;
  for (size_t p = 0; p < doc.pages.size(); ++p)
    for (const draw::Item& item : doc.pages[p].items)
      if (const auto* t = std::get_if<draw::TextRun>(&item)) {
        QString marks;
        if (plainPointSize && t->font.pointSize != *plainPointSize)
          marks = QString::number(t->font.pointSize);
        if (plainPointSize && t->font.bold) marks += '*';
        at[QString("%1/%2").arg(p + 1).arg(t->rect.top())][t->rect.left()] = marks + t->text;
      }
  std::map<QString, QString> out;
  for (const auto& [key, runs] : at)
    for (const auto& [x, text] : runs) out[key] += QString::number(x) + ":" + text + "|";
  return out;
}

void expectDrawnLines(const std::map<QString, QString>& drawn, const QString& goldenPath) {
  QStringList actual;
  for (const QString& e : goldenLines(goldenPath)) {
    const QString key = e.section(' ', 0, 0);
    const QString line = drawn.count(key) ? drawn.at(key) : "-";
    if (!e.endsWith("|...")) {
      actual << key + " " + line;
      continue;
    }
    // Only the runs listed, each by its x.
    QString listed;
    for (const QString& run : e.section(' ', 1).chopped(3).split('|', Qt::SkipEmptyParts)) {
      const QString x = run.section(':', 0, 0) + ":";
      const qsizetype at = ("|" + line).indexOf("|" + x);
      listed += (at < 0 ? x : line.mid(at, line.indexOf('|', at) - at)) + "|";
    }
    actual << key + " " + listed + "...";
  }
  expectGoldenLines(actual, goldenPath);
}

}  // namespace testsupport

int main(int argc, char** argv) {
  // Offscreen always; a test may name its own offscreen screens (configfile=).
  if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
