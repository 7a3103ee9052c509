// Bad outputs against the real executable: every row names its input, the
// exit status, what must be at the output path afterwards and a fragment of
// the message. Nothing is ever half written or reported as done.
#include <sys/stat.h>
#include <sys/types.h>

#include "output_testutil.h"

namespace {

using namespace outtest;

enum class State { Absent, Untouched, Whole, Any };

struct Row {
  const char* what;
  QString code, key, value;
  QString printer;  // LOCALIMPRESSORA and IMPRESSORA
  QString pdf;      // --pdf, when set
  QString target;   // the output path checked
  State state;
  int exit;
  QString message;
  Launch run = {};
  QStringList printers = {};  // [Impressoras]
};

QString fifo(const QString& name) {
  const QString path = scratchFile(name);
  QFile::remove(path);
  EXPECT_EQ(::mkfifo(path.toLocal8Bit(), 0600), 0);
  return path;
}

QString readOnly(const QString& name) {
  const QString path = testsupport::prefilled(name);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  return path;
}

QString absent(const QString& name) {
  const QString path = scratchFile(name);
  QFile::remove(path);
  return path;
}

// A small file system of its own (tmpfs, mounted when the test may), filled
// to the last page but `free` bytes.
class SmallDisk {
 public:
  SmallDisk() : dir_(scratchFile("small-disk")) {
    QDir().mkpath(dir_);
    mounted_ = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", dir_}) == 0;
  }
  ~SmallDisk() {
    if (mounted_) QProcess::execute("umount", {dir_});
  }
  bool mounted() const { return mounted_; }
  QString file(const QString& name) const { return dir_ + "/" + name; }
  void fill(int free) {
    QFile::remove(file("filler"));
    const QString gap = file("gap");
    QFile g(gap);
    g.open(QIODevice::WriteOnly);
    g.write(QByteArray(free, 'g'));
    g.close();
    QFile f(file("filler"));
    f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'f');
    while (f.write(block) == block.size()) {
    }
    f.close();
    QFile::remove(gap);
  }

 private:
  QString dir_;
  bool mounted_ = false;
};

TEST(BadOutput, EveryOutputIsWholeOrUntouched) {
  const QString missing = scratchFile("no-such-folder/out");
  const QString devFull = "/dev/full";
  const Launch shortWait = withEnv({{"TL_PRINTER_WAIT_MS", "1000"}});
  const QString mapped = absent("bo-mapped.prn"), shared = absent("bo-shared.prn");
  const QString pipe = fifo("bo-fifo");
  const Row rows[] = {
      {"LPT1 unmapped", "pedidocupom", "SACOD", "4", "LPT1", "", absent("LPT1"), State::Absent, 1,
       "impressora não encontrada: LPT1"},
      {"com1: unmapped label", "etiqueta_peco", "SACOD", "", "com1:", "", absent("com1:"),
       State::Absent, 1, "impressora não encontrada: com1:"},
      {"no printer", "pedidotexto", "SACOD", "1", "", "", "", State::Any, 1,
       "impressora não encontrada"},
      {"a name no queue can have", "ostexto", "OSCOD", "3", "nome com espaço", "",
       absent("nome com espaço"), State::Absent, 1, "impressora não encontrada: nome com espaço"},
      {"a port out of range", "pedidocupom", "SACOD", "4", "127.0.0.1:70000", "", "", State::Any,
       1, "impressora não encontrada: 127.0.0.1:70000"},
      {"FIFO nobody reads", "pedidocupom", "SACOD", "4", pipe, "", "", State::Any, 1, pipe,
       shortWait},
      {"printer /dev/full", "pedidotexto", "SACOD", "1", devFull, "", "", State::Any, 1, devFull},
      {"read-only printer file", "pedidocupom", "SACOD", "4", readOnly("bo-ro.prn"), "",
       scratchFile("bo-ro.prn"), State::Untouched, 1, "bo-ro.prn"},
      {"printer in a missing folder", "etiqueta_pedido", "SACOD", "8", missing, "", missing,
       State::Absent, 1, missing},
      {"LPT1 mapped to a file", "pedidocupom", "SACOD", "4", "lpt1", "", mapped, State::Whole, 0,
       "", {}, {"LPT1=" + mapped}},
      {"a Windows share mapped to a file", "etiqueta_pedido", "SACOD", "8", "\\\\CAIXA01\\ZEBRA",
       "", shared, State::Whole, 0, "", {}, {"\\\\caixa01\\zebra=" + shared}},
      {"PDF /dev/full", "pedidografico", "SACOD", "1", "", devFull, "", State::Any, 1, devFull},
      {"PDF in a missing folder", "pedidografico", "SACOD", "1", "", missing + ".pdf",
       missing + ".pdf", State::Absent, 1, missing},
      {"read-only PDF", "pedidografico", "SACOD", "1", "", readOnly("bo-ro.pdf"),
       scratchFile("bo-ro.pdf"), State::Untouched, 1, "bo-ro.pdf"},
      {"a PDF written whole", "pedidografico", "SACOD", "1", "", absent("bo-ok.pdf"),
       scratchFile("bo-ok.pdf"), State::Whole, 0, ""},
  };
  const QStringList before = QDir::current().entryList(QDir::Files);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Launch run = row.run;
    if (!row.pdf.isEmpty()) run.args << "--pdf" << row.pdf;
    const Result r = launch(outtest::config("bo-TL.ini", row.printers),
                            job(row.code, row.key, row.value, row.printer), run);
    EXPECT_EQ(r.exitCode, row.exit) << r.err.toStdString();
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(row.message)) << r.err.toStdString();
    const QByteArray now = testsupport::readFile(row.target);
    switch (row.state) {
      case State::Absent: EXPECT_FALSE(QFile::exists(row.target)); break;
      case State::Untouched: EXPECT_EQ(now, QByteArray("previous")); break;
      case State::Whole:
        EXPECT_FALSE(now.isEmpty());
        if (row.target.endsWith(".pdf")) {
          EXPECT_TRUE(now.trimmed().endsWith("%%EOF"));
        }
        break;
      case State::Any: break;
    }
  }
  EXPECT_EQ(leftovers(testsupport::scratchDir()), QStringList());
  // No printer name ever became a file in the current folder.
  EXPECT_EQ(QDir::current().entryList(QDir::Files), before);
}

// A full disk: the printer file and the PDF keep what they held; order
// labels go one row a job, and the row that does not fit is cut back off
// the file, which keeps the rows before it whole.
TEST(BadOutput, AFullDiskLeavesOutputsWholeOrUntouched) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
  const QString config = outtest::config("bo-disk.ini");
  const QString labels = disk.file("rows.prn");
  ASSERT_EQ(launch(config, job("etiqueta_pedido", "SACOD", "2", labels)).exitCode, 0);
  const QByteArray all = testsupport::readFile(labels);
  QFile::remove(labels);
  qsizetype fits = 0;  // the rows that fit in one page
  for (qsizetype at = 0; at >= 0 && at <= 4096; at = all.indexOf("\x02" "e\r\n", at + 1))
    fits = at;
  ASSERT_GT(all.size(), 4096);
  ASSERT_GT(fits, 0);
  for (const char* name : {"full.prn", "full.pdf"}) {
    QFile f(disk.file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("previous");
  }
  disk.fill(0);
  const struct {
    QString code, value, printer, pdf;
  } jobs[] = {{"pedidotexto", "1", disk.file("full.prn"), ""},
              {"pedidografico", "1", "/dev/null", disk.file("full.pdf")}};
  for (const auto& j : jobs) {
    SCOPED_TRACE(j.code.toStdString());
    Launch run;
    if (!j.pdf.isEmpty()) run.args << "--pdf" << j.pdf;
    const Result r = launch(config, job(j.code, "SACOD", j.value, j.printer), run);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("full.p")) << r.err.toStdString();
  }
  EXPECT_EQ(testsupport::readFile(disk.file("full.prn")), QByteArray("previous"));
  EXPECT_EQ(testsupport::readFile(disk.file("full.pdf")), QByteArray("previous"));
  QFile::remove(disk.file("full.prn"));
  QFile::remove(disk.file("full.pdf"));
  disk.fill(4096);
  EXPECT_EQ(launch(config, job("etiqueta_pedido", "SACOD", "2", labels)).exitCode, 1);
  EXPECT_EQ(testsupport::readFile(labels), all.left(fits));
  EXPECT_EQ(leftovers(disk.file("")), QStringList());
}

// Values are data: control bytes in them reach the printer as blanks.
TEST(BadOutput, ControlBytesInValuesAreBlanks) {
  const QString config = outtest::config("bo-ctl.ini");
  const QString company = QString::fromLatin1("A\x1B@\x02Q0099\x7F" "B");
  for (const char* code : {"pedidotexto", "etiqueta_peco", "ostexto"}) {
    SCOPED_TRACE(code);
    const QString file = absent("bo-ctl.prn");
    const Result r = launch(config, job(code, code == QString("ostexto") ? "OSCOD" : "SACOD",
                                        code == QString("ostexto") ? "3" : "1", file, company));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QByteArray out = testsupport::readFile(file);
    EXPECT_TRUE(out.contains("A @ Q0099 B"));
    EXPECT_FALSE(out.contains("\x1B@"));
    EXPECT_FALSE(out.contains("\x02Q0099"));
  }
}

// SIGTERM, SIGINT or SIGHUP at any moment: the program ends within 2 s, and
// the output is either whole (the job had finished) or absent, with no
// temporary file left beside it.
TEST(BadOutput, SignalsEndTheJobPromptlyLeavingNothingHalf) {
  const QString config = outtest::config("bo-sig.ini");
  struct Case {
    int sig, afterMs;
    bool pdf;
  };
  for (const Case& c : {Case{SIGTERM, 1000, false}, Case{SIGINT, 150, true},
                        Case{SIGTERM, 400, true}, Case{SIGHUP, 700, true}}) {
    SCOPED_TRACE(QString("signal %1 after %2 ms").arg(c.sig).arg(c.afterMs).toStdString());
    const QString pdf = absent("bo-sig.pdf");
    Launch run;
    run.signalAfterMs = c.afterMs;
    run.sig = c.sig;
    QString printer = "/dev/null";
    if (c.pdf) run.args << "--pdf" << pdf;
    else printer = fifo("bo-sig-fifo");  // waiting on a printer nobody reads
    const Result r = launch(config, job(c.pdf ? "pedidografico" : "pedidocupom", "SACOD",
                                        c.pdf ? "2" : "4", printer), run);
    if (r.msAfterSignal < 0) {  // finished before the signal
      EXPECT_EQ(r.exitCode, 0);
      EXPECT_TRUE(testsupport::readFile(pdf).trimmed().endsWith("%%EOF"));
      continue;
    }
    EXPECT_LT(r.msAfterSignal, 2000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("interrompido")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(leftovers(testsupport::scratchDir()), QStringList());
  }
}

}  // namespace
