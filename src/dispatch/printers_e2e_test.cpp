// Every kind of printer destination against listeners and a private CUPS
// server started here: the bytes that arrive are the bytes a file gets.
#include <QTcpSocket>
#include <cups/cups.h>
#include <sys/stat.h>

#include "e2e_testutil.h"

namespace {

using namespace e2e;

struct Doc {
  const char* code;
  const char* key;
  const char* value;
  size_t jobs;  // printer jobs (connections) of the run
};
// The receipt, the order text, the service-order form, the price label and
// an order-label run of two rows.
const Doc kDocs[] = {{"pedidocupom", "SACOD", "4", 1}, {"pedidotexto", "SACOD", "1", 1},
                     {"ostexto", "OSCOD", "3", 1},     {"etiqueta_peco", "SACOD", "", 1},
                     {"etiqueta_pedido", "SACOD", "8", 2}};

QByteArray printToFile(const QString& config, const Doc& d) {
  const QString file = scratchFile(QString("net-%1.prn").arg(d.code));
  const Result r = launch(config, job(d.code, d.key, d.value, file));
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  return withoutTimes(testsupport::readFile(file));
}

// Each document through one of the three ways of naming a network printer.
TEST(PrinterDestinations, NetworkPrinterGetsWhatAFileGets) {
  const QString config = e2e::config("net-TL.ini");
  const char* const forms[] = {"127.0.0.1:%1", "socket://127.0.0.1:%1", "ETIQUETAS"};
  int n = 0;
  for (const Doc& d : kDocs) {
    const QString form = forms[n++ % 3];
    SCOPED_TRACE((d.code + (" " + form)).toStdString());
    const QByteArray expected = printToFile(config, d);
    ASSERT_FALSE(expected.isEmpty());
    Listener printer;
    const QString cfg = e2e::config(
        "net-map.ini", {QString("ETIQUETAS=socket://127.0.0.1:%1").arg(printer.port())});
    const Result r = launch(cfg, job(d.code, d.key, d.value, form.arg(printer.port())));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const std::vector<QByteArray> got = printer.received(d.jobs);
    ASSERT_EQ(got.size(), d.jobs);
    QByteArray all;
    for (const QByteArray& b : got) all += b;
    EXPECT_EQ(withoutTimes(all), expected);
  }
}

// A refused port and a printer that takes nothing end the job with status 1
// within the bounded wait, naming the address and port.
TEST(PrinterDestinations, NetworkPrinterThatDoesNotTakeTheJob) {
  const QString config = e2e::config("net-fail.ini");
  Listener silent(/*silent=*/true);
  for (int port : {refusedPort(), silent.port()}) {
    SCOPED_TRACE(port);
    QElapsedTimer t;
    t.start();
    // The order text is larger than the silent printer's receive buffer.
    const Result r = launch(config, job("pedidotexto", "SACOD", "2", QString("127.0.0.1:%1").arg(port)),
                            Launch{.env = {{"TL_PRINTER_WAIT_MS", "1500"}}});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_LT(t.elapsed(), 8000);
    EXPECT_TRUE(r.err.contains("127.0.0.1, porta " + QByteArray::number(port))) << r.err.toStdString();
  }
}

// A private cupsd on a free port of 127.0.0.1 with one raw queue, "recibo",
// whose device is a listener of the test.
class PrivateCups {
 public:
  explicit PrivateCups(int devicePort) {
    dir_ = QDir::tempPath() + "/tl-cups-" + QString::number(::getpid());
    QDir(dir_).removeRecursively();
    for (const char* sub : {"etc", "spool", "tmp", "cache", "state", "log"})
      QDir().mkpath(dir_ + "/" + sub);
    ::chmod(dir_.toLocal8Bit(), 0755);
    port_ = refusedPort();
    const QString d = dir_;
    write("etc/cupsd.conf",
          QString("Listen 127.0.0.1:%1\nServerName 127.0.0.1\nLogLevel warn\nWebInterface No\n"
                  "Browsing Off\nDefaultEncryption Never\nDefaultAuthType None\n"
                  "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                  "<Policy default>\n<Limit All>\nOrder allow,deny\nAllow all\n</Limit>\n</Policy>\n")
              .arg(port_));
    QString files = QString("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                            "CacheDir %1/cache\nStateDir %1/state\nAccessLog %1/log/access_log\n"
                            "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                            "FileDevice No\nSandboxing Relaxed\n")
                        .arg(d);
    if (::getuid() == 0) files += "User lp\nGroup lp\nSystemGroup root\n";
    write("etc/cups-files.conf", files);
    write("etc/printers.conf",
          QString("<Printer recibo>\nDeviceURI socket://127.0.0.1:%1\nState Idle\n"
                  "Accepting Yes\nShared No\n</Printer>\n")
              .arg(devicePort));
    cupsd_.start("/usr/sbin/cupsd", {"-f", "-c", d + "/etc/cupsd.conf", "-s", d + "/etc/cups-files.conf"});
    cupsd_.waitForStarted(5000);
    for (int i = 0; i < 100 && !ready(); ++i) QThread::msleep(100);
  }
  ~PrivateCups() {
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(5000)) cupsd_.kill();
    cupsd_.waitForFinished();
    QDir(dir_).removeRecursively();
  }
  bool ready() const {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, quint16(port_));
    return s.waitForConnected(1000);
  }
  QString server() const { return QString("127.0.0.1:%1").arg(port_); }
  // The titles of every job the server has accepted.
  QStringList jobs() const {
    cupsSetServer(server().toUtf8().constData());
    cups_job_t* list = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    QStringList titles;
    for (int i = 0; i < n; ++i) titles << QString::fromUtf8(list[i].title);
    cupsFreeJobs(n, list);
    return titles;
  }
  QString log() const { return QString::fromUtf8(testsupport::readFile(dir_ + "/log/error_log")); }

 private:
  void write(const QString& name, const QString& text) { writeFile(dir_ + "/" + name, text.toUtf8()); }
  QString dir_;
  int port_ = 0;
  QProcess cupsd_;
};

TEST(PrinterDestinations, CupsQueueGetsOneRawJob) {
  if (!QFile::exists("/usr/sbin/cupsd")) GTEST_SKIP() << "cupsd is not installed";
  Listener device;
  PrivateCups cups(device.port());
  ASSERT_TRUE(cups.ready()) << cups.log().toStdString();
  const Doc receipt = kDocs[0];
  const QByteArray expected = printToFile(e2e::config("cups-file.ini"), receipt);
  const QString config = e2e::config("cups-TL.ini", {"\\\\CAIXA01\\EPSON=recibo"});
  const Launch run{.env = {{"CUPS_SERVER", cups.server()}}};
  // Through a mapping (the queue each form of a name finds: printerdestination_test).
  Result r = launch(config, job(receipt.code, receipt.key, receipt.value, "\\\\CAIXA01\\EPSON"), run);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << cups.log().toStdString();
  const std::vector<QByteArray> got = device.received(1);
  ASSERT_EQ(got.size(), 1u) << cups.log().toStdString();
  EXPECT_EQ(withoutTimes(got.back()), expected);
  // An unknown queue: status 1 with CUPS's word, and no job.
  const QStringList jobs = cups.jobs();
  EXPECT_EQ(jobs, QStringList("pedidocupom 4"));
  r = launch(config, job(receipt.code, receipt.key, receipt.value, "naoexiste"), run);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("impressora não encontrada: naoexiste (")) << r.err.toStdString();
  EXPECT_EQ(cups.jobs(), jobs);
}

}  // namespace
