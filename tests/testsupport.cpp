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
    QFile::remove(target);
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

QString sqliteOdbcDriver() {
  QStringList dirs = {"/usr/lib/odbc"};
  for (const QString& dir : QDir("/usr/lib").entryList({"*-linux-*"}, QDir::Dirs))
    dirs.prepend("/usr/lib/" + dir + "/odbc");
  for (const QString& dir : dirs)
    if (QFile::exists(dir + "/libsqlite3odbc.so")) return dir + "/libsqlite3odbc.so";
  return {};
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

}  // namespace testsupport

int main(int argc, char** argv) {
  // Offscreen always; a test may name its own offscreen screens (configfile=).
  if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
