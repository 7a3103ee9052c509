#pragma once
// The real executable end to end: TL.ini and job files, runs that can be
// limited in time or signalled, raw socket listeners on 127.0.0.1 started by
// the test, and the one table runner of bad input: each row sets up its own
// folder, runs one job and checks the exit status, a fragment of standard
// error and the state of every output path afterwards.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "testsupport.h"

namespace e2e {

using testsupport::scratchFile;

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

// TL.ini of the fixture database (a name in the scratch folder, or a whole
// path), plus [Impressoras] lines ("LPT1=/x").
inline QString config(const QString& name, const QStringList& printers = {}) {
  const QString path = testsupport::writeFixtureConfig(scratchFile(name));
  if (!printers.isEmpty()) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::Append));
    f.write(("\r\n[Impressoras]\r\n" + printers.join("\r\n") + "\r\n").toUtf8());
  }
  return path;
}

// A job of this code with its key; the destination goes in both
// LOCALIMPRESSORA and IMPRESSORA; the price label's product is fixed.
inline QString job(const QString& code, const QString& key, const QString& value,
                   const QString& printer, const QString& company = "BRISA NORTE") {
  static int n = 0;
  return testsupport::writeIni(
      scratchFile(QString("out-parimp-%1.txt").arg(++n)),
      {{"RELATORIO", code}, {key, value}, {"LOCALIMPRESSORA", printer},
       {"IMPRESSORA", printer}, {"NOMEEMPRESA", company}, {"CODBARRAS", "7891234500017"},
       {"NOMEPRODUTO", "AR-CONDICIONADO SPLIT"}, {"PRECO", "1899,00"}},
      /*utf8=*/false);
}

struct Launch {
  QStringList args{};              // after --batch --config --job
  QMap<QString, QString> env{};
  QString exe{};                   // empty: TL_EXE
  int signalAfterMs = -1;          // SIGTERM after this long
  int sig = SIGTERM;
  int timeoutMs = 60000;
};
struct Result {
  int exitCode = -1;  // -1: did not start, or ended by a signal
  QByteArray err;
  bool finished = false;      // within the time allowed
  qint64 msAfterSignal = -1;  // from the signal to the end
};

inline Result launch(const QString& config, const QString& job, const Launch& run = {}) {
  QProcess p;
  QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
  e.insert("QT_QPA_PLATFORM", "offscreen");
  e.insert("LC_ALL", "pt_BR.UTF-8");
  for (auto it = run.env.begin(); it != run.env.end(); ++it) e.insert(it.key(), it.value());
  p.setProcessEnvironment(e);
  p.start(run.exe.isEmpty() ? qEnvironmentVariable("TL_EXE", TL_BINARY_DIR "/tl_relatorios") : run.exe,
          QStringList{"--batch", "--config", config, "--job", job} + run.args);
  Result r;
  if (!p.waitForStarted(10000)) return r;
  QElapsedTimer sinceSignal;
  if (run.signalAfterMs >= 0 && !p.waitForFinished(run.signalAfterMs)) {
    ::kill(pid_t(p.processId()), run.sig);
    sinceSignal.start();
  }
  r.finished = p.waitForFinished(run.timeoutMs);
  if (!r.finished) {
    p.kill();
    p.waitForFinished();
  }
  if (sinceSignal.isValid()) r.msAfterSignal = sinceSignal.elapsed();
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.err = p.readAllStandardError();
  return r;
}

// Times of day ("14:03:07") as 00:00:00: two runs a second apart compare equal.
inline QByteArray withoutTimes(QByteArray b) {
  static const QRegularExpression t(QStringLiteral("\\b\\d\\d:\\d\\d:\\d\\d\\b"));
  return QString::fromLatin1(b).replace(t, "00:00:00").toLatin1();
}

// Files of a folder whose names start with '.' and hold ".XXXXXX" leftovers.
inline QStringList leftovers(const QString& dir) {
  return QDir(dir).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
}

// A socket bound to a free port of 127.0.0.1, which goes to *port.
inline int boundSocket(int* port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), len), 0);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  *port = ntohs(a.sin_port);
  return fd;
}

// A port on 127.0.0.1 that refuses connections (bound, then closed).
inline int refusedPort() {
  int port = 0;
  ::close(boundSocket(&port));
  return port;
}

// A raw printer on 127.0.0.1: every connection read to its end, one buffer
// each. A silent one accepts and never reads, with the smallest receive buffer.
class Listener {
 public:
  explicit Listener(bool silent = false) : silent_(silent) {
    fd_ = boundSocket(&port_);
    const int small = 1;
    if (silent) ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    ::listen(fd_, 8);
    thread_ = std::thread([this] { serve(); });
  }
  ~Listener() {
    stop_ = true;
    thread_.join();
    for (int c : held_) ::close(c);
    ::close(fd_);
  }
  int port() const { return port_; }
  // The connections finished so far, after waiting up to timeoutMs for `count`.
  std::vector<QByteArray> received(size_t count, int timeoutMs = 20000) {
    QElapsedTimer t;
    t.start();
    for (;;) {
      {
        std::lock_guard lock(mutex_);
        if (done_.size() >= count || t.elapsed() > timeoutMs) return done_;
      }
      QThread::msleep(20);
    }
  }

 private:
  void serve() {
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      const int c = ::accept(fd_, nullptr, nullptr);
      if (c < 0) continue;
      if (silent_) {
        held_.push_back(c);
        continue;
      }
      QByteArray data;
      char buf[65536];
      for (;;) {
        pollfd q{c, POLLIN, 0};
        if (::poll(&q, 1, 100) == 0) {
          if (stop_) break;
          continue;
        }
        const ssize_t n = ::read(c, buf, sizeof buf);
        if (n <= 0) break;
        data.append(buf, n);
      }
      ::close(c);
      std::lock_guard lock(mutex_);
      done_.push_back(data);
    }
  }

  bool silent_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::vector<int> held_;
  std::mutex mutex_;
  std::vector<QByteArray> done_;
};

// ---- The table of bad input ----

// What an output path must hold after the run.
enum class After {
  Absent,     // no file at the path
  Whole,      // a complete document (a PDF, %PDF to %%EOF; anything else, not empty)
  Untouched,  // the bytes it held before the run
};

struct Output {
  QString path;  // "{dir}" stands for the row's folder; relative: the program's current folder
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
  Launch run;       // args after --batch --config --job, environment, time allowed
  std::vector<Output> outputs;
  QString file(const QString& name) const { return QDir(dir).filePath(name); }
};

struct Row {
  const char* name;  // letters, digits and '_' (a test name)
  std::function<void(Case&)> setUp;
};
inline void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// A folder holding a copy of the program and valid header/footer images;
// the same one for every row of a test process (rows that change images or
// layouts get them restored before the next row).
inline QString programDir() {
  static const QString dir = [] {
    const QString d = scratchFile("program");
    QDir().mkpath(d);
    testsupport::copyProgram(d);
    return d;
  }();
  QDir(dir + "/layouts").removeRecursively();
  for (const char* name : {"cabecalho.jpg", "rodape.jpg"}) {
    QImage image(40, 10, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.save(QDir(dir).filePath(name), "JPG");
  }
  return dir;
}

inline bool isWhole(const QString& path, const QByteArray& bytes) {
  if (path.endsWith(".pdf") || bytes.startsWith("%PDF"))
    return bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF");
  return !bytes.isEmpty();
}

// Runs the row: it must end with exitCode and message in its standard error
// (a fragment, "{dir}" the row's folder; empty: not checked).
inline void runRow(const Row& row, int exitCode, const QString& message) {
  Case c;
  c.dir = scratchFile(QString("rows/") + row.name);
  QDir(c.dir).removeRecursively();
  QDir().mkpath(c.dir);
  c.exeDir = programDir();
  c.config = testsupport::writeFixtureConfig(c.file("TL.ini"));
  c.jobPath = c.file("parimp.txt");
  c.run.exe = c.exeDir + "/tl_relatorios";
  c.run.env.insert("ODBCINI", c.file("sem-odbc.ini"));
  row.setUp(c);
  if (c.writeJob) testsupport::writeIni(c.jobPath, c.job);
  std::vector<QByteArray> before;
  for (Output& o : c.outputs) {
    o.path.replace("{dir}", c.dir);
    before.push_back(testsupport::readFile(o.path));
  }
  const QStringList here = QDir::current().entryList(QDir::Files);

  const Result r = launch(c.config, c.jobPath, c.run);
  const QString err = QString::fromUtf8(r.err);
  EXPECT_TRUE(r.finished) << "still running after " << c.run.timeoutMs << " ms";
  EXPECT_EQ(r.exitCode, exitCode) << err.toStdString();
  EXPECT_TRUE(err.contains(QString(message).replace("{dir}", c.dir))) << err.toStdString();
  for (size_t i = 0; i < c.outputs.size(); ++i) {
    const Output& o = c.outputs[i];
    const QByteArray now = testsupport::readFile(o.path);
    switch (o.after) {
      case After::Absent: EXPECT_FALSE(QFile::exists(o.path)) << o.path.toStdString(); break;
      case After::Whole:
        EXPECT_TRUE(isWhole(o.path, now)) << o.path.toStdString() << ": " << now.right(80).constData();
        break;
      case After::Untouched: EXPECT_EQ(now, before[i]) << o.path.toStdString(); break;
    }
  }
  // No temporary file is left beside an output, and no printer name became
  // a file in the current folder.
  EXPECT_EQ(leftovers(c.dir), QStringList());
  EXPECT_EQ(leftovers(testsupport::scratchDir()), QStringList());
  EXPECT_EQ(QDir::current().entryList(QDir::Files), here);
}

}  // namespace e2e
