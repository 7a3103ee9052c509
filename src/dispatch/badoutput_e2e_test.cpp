// Outputs the table of bad input cannot show: a full disk and signals while
// the job runs.
#include <sys/stat.h>
#include <sys/types.h>

#include "e2e_testutil.h"

namespace {

using namespace e2e;

QString fifo(const QString& name) {
  const QString path = scratchFile(name);
  QFile::remove(path);
  EXPECT_EQ(::mkfifo(path.toLocal8Bit(), 0600), 0);
  return path;
}

QString absent(const QString& name) {
  const QString path = scratchFile(name);
  QFile::remove(path);
  return path;
}

// A small file system of its own (tmpfs, mounted when the test may), filled
// to the last page but `spare` bytes.
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
  void fill(int spare) {
    QFile::remove(file("filler"));
    const QString gap = file("gap");
    writeFile(gap, QByteArray(spare, 'g'));
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

// A full disk: the printer file and the PDF keep what they held; order
// labels go one row a job, and the row that does not fit is cut back off
// the file, which keeps the rows before it whole.
TEST(BadOutput, AFullDiskLeavesOutputsWholeOrUntouched) {
  SmallDisk disk;
  if (!disk.mounted()) GTEST_SKIP() << "no tmpfs can be mounted here";
  const QString config = e2e::config("bo-disk.ini");
  const QString labels = disk.file("rows.prn");
  ASSERT_EQ(launch(config, job("etiqueta_pedido", "SACOD", "2", labels)).exitCode, 0);
  const QByteArray all = testsupport::readFile(labels);
  QFile::remove(labels);
  qsizetype fits = 0;  // the rows that fit in one page
  for (qsizetype at = 0; at >= 0 && at <= 4096; at = all.indexOf("\x02" "e\r\n", at + 1))
    fits = at;
  ASSERT_GT(all.size(), 4096);
  ASSERT_GT(fits, 0);
  for (const char* name : {"full.prn", "full.pdf"}) ASSERT_NO_FATAL_FAILURE(writeFile(disk.file(name), "previous"));
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

// SIGTERM, SIGINT or SIGHUP at any moment: the program ends within 2 s, and
// the output is either whole (the job had finished) or absent, with no
// temporary file left beside it.
TEST(BadOutput, SignalsEndTheJobPromptlyLeavingNothingHalf) {
  const QString config = e2e::config("bo-sig.ini");
  struct Stop {
    int sig, afterMs;
    bool pdf;
  };
  for (const Stop& c : {Stop{SIGTERM, 1000, false}, Stop{SIGINT, 150, true},
                        Stop{SIGTERM, 400, true}, Stop{SIGHUP, 700, true}}) {
    SCOPED_TRACE(QString("signal %1 after %2 ms").arg(c.sig).arg(c.afterMs).toStdString());
    const QString pdf = absent("bo-sig.pdf");
    Launch run;
    run.signalAfterMs = c.afterMs;
    run.sig = c.sig;
    QString printer = "/dev/null";
    if (c.pdf) {
      run.args << "--pdf" << pdf;
      // The report waits, laid out and before its PDF, for a file nobody
      // removes: the signal always finds the job under way, reading or held.
      run.env.insert("TL_RELATORIOS_PAUSA", testsupport::scratchFile("bo-sig.pausa"));
    } else {
      printer = fifo("bo-sig-fifo");  // waiting on a printer nobody reads
    }
    const Result r = launch(config, job(c.pdf ? "pedidografico" : "pedidocupom", "SACOD",
                                        c.pdf ? "2" : "4", printer), run);
    QFile::remove(testsupport::scratchFile("bo-sig.pausa"));
    ASSERT_GE(r.msAfterSignal, 0) << "the job ended before the signal";
    EXPECT_LT(r.msAfterSignal, 2000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("interrompido")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(leftovers(testsupport::scratchDir()), QStringList());
  }
}

}  // namespace
