#pragma once
// Table-driven runs of the real executable against bad input: each row sets
// up its own folder, runs one job and checks the exit status, a fragment of
// standard error and the state of every output path afterwards.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "testsupport.h"

namespace badinput {

// What an output path must hold after the run.
enum class After {
  Absent,     // no file at the path
  Whole,      // a complete document (a PDF ends with %%EOF; anything else is not empty)
  Untouched,  // the bytes it held before the run
};

struct Output {
  QString path;
  After after;
};

// What a row sets up; the runner fills in the defaults before setUp runs.
struct Case {
  QString dir;      // the row's own scratch folder
  QString exeDir;   // a copy of the program (images, layout overrides)
  QString config;   // TL.ini: the fixture database's, unless the row changes it
  QString jobPath;  // written from `job` after setUp unless the row wrote it
  QList<QPair<QString, QString>> job;
  bool writeJob = true;
  QStringList args;  // after --batch --config --job
  QMap<QString, QString> env;
  std::vector<Output> outputs;
  int timeoutMs = 60000;
  QString file(const QString& name) const { return QDir(dir).filePath(name); }
};

struct Row {
  const char* name;
  std::function<void(Case&)> setUp;
  int exitCode;
  QString message;  // fragment of standard error; empty: not checked
};

// A folder holding a copy of the program and valid header/footer images;
// the same one for every row of a test process (rows that change images or
// layouts get them restored before the next row).
inline QString programDir() {
  static const QString dir = [] {
    const QString d = testsupport::scratchFile("program");
    QDir().mkpath(d);
    const QString exe = qEnvironmentVariable("TL_EXE", TL_BINARY_DIR "/tl_relatorios");
    QFile::copy(exe, d + "/tl_relatorios");
    QFile::setPermissions(d + "/tl_relatorios",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return d;
  }();
  return dir;
}

inline void resetProgramDir(const QString& dir) {
  QDir(dir + "/layouts").removeRecursively();
  for (const char* name : {"cabecalho.jpg", "rodape.jpg"}) {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.save(QDir(dir).filePath(name), "JPG");
  }
}

inline bool isWhole(const QByteArray& bytes) {
  if (bytes.startsWith("%PDF")) return bytes.trimmed().endsWith("%%EOF");
  return !bytes.isEmpty();
}

inline void runRow(const Row& row) {
  SCOPED_TRACE(row.name);
  Case c;
  c.dir = testsupport::scratchFile(QString("rows/") + row.name);
  QDir(c.dir).removeRecursively();
  QDir().mkpath(c.dir);
  c.exeDir = programDir();
  resetProgramDir(c.exeDir);
  c.config = testsupport::writeFixtureConfig(c.file("TL.ini"));
  c.jobPath = c.file("parimp.txt");
  c.env.insert("ODBCINI", c.file("sem-odbc.ini"));
  row.setUp(c);
  if (c.writeJob) testsupport::writeIni(c.jobPath, c.job);
  std::vector<QByteArray> before;
  for (const Output& o : c.outputs) before.push_back(testsupport::readFile(o.path));

  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  for (auto it = c.env.begin(); it != c.env.end(); ++it) env.insert(it.key(), it.value());
  p.setProcessEnvironment(env);
  p.start(c.exeDir + "/tl_relatorios",
          QStringList{"--batch", "--config", c.config, "--job", c.jobPath} + c.args);
  const bool finished = p.waitForFinished(c.timeoutMs);
  if (!finished) {
    p.kill();
    p.waitForFinished();
  }
  const QString err = QString::fromUtf8(p.readAllStandardError());
  EXPECT_TRUE(finished) << "still running after " << c.timeoutMs << " ms";
  EXPECT_EQ(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, row.exitCode)
      << err.toStdString();
  if (!row.message.isEmpty()) {
    EXPECT_TRUE(err.contains(row.message)) << "stderr: " << err.toStdString();
  }
  for (size_t i = 0; i < c.outputs.size(); ++i) {
    const Output& o = c.outputs[i];
    const QByteArray now = testsupport::readFile(o.path);
    switch (o.after) {
      case After::Absent:
        EXPECT_FALSE(QFile::exists(o.path)) << o.path.toStdString();
        break;
      case After::Whole:
        EXPECT_TRUE(isWhole(now)) << o.path.toStdString() << ": " << now.right(80).constData();
        break;
      case After::Untouched:
        EXPECT_EQ(now, before[i]) << o.path.toStdString();
        break;
    }
  }
}

}  // namespace badinput
