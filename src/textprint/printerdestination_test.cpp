#include "textprint/printerdestination.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/outputfile.h"
#include "textdoc_testutil.h"

namespace {

using Kind = printer::Destination::Kind;

TEST(PrinterDestination, OneRuleForEveryValue) {
  const QString ini = testsupport::prefilled("dest-TL.ini",
                                             "[Geral]\r\nLOCALBANCO=x\r\n[Impressoras]\r\nLPT1=/dev/usb/lp0\r\n"
                                             "\\\\CAIXA01\\EPSON=recibo\r\nETIQUETAS=socket://10.0.0.9\r\n");
  const struct {
    const char* value;
    Kind kind;
    const char* where;  // path, address:port or queue
  } cases[] = {
      {"/dev/usb/lp0", Kind::Path, "/dev/usb/lp0"},
      {"./saida.prn", Kind::Path, "./saida.prn"},
      {"socket://impressora.local", Kind::Network, "impressora.local:9100"},
      {"SOCKET://10.0.0.9:9101/", Kind::Network, "10.0.0.9:9101"},
      {"192.168.0.50:9100", Kind::Network, "192.168.0.50:9100"},
      {"[::1]:9100", Kind::Network, "::1:9100"},
      {"recibo", Kind::Queue, "recibo"},
      {"\\\\OUTRO\\Cozinha_2", Kind::Queue, "Cozinha_2"},
      {"lpt1", Kind::Path, "/dev/usb/lp0"},
      {" \\\\caixa01\\epson ", Kind::Queue, "recibo"},
      {"Etiquetas", Kind::Network, "10.0.0.9:9100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const printer::Destination d = printer::resolve(c.value, ini);
    EXPECT_EQ(d.kind, c.kind);
    const QString where = d.kind == Kind::Path      ? d.path
                          : d.kind == Kind::Queue   ? d.queue
                                                    : d.address + ":" + QString::number(d.port);
    EXPECT_EQ(where, QString(c.where));
  }
  for (const char* value : {"", "  ", "LPT2", "com3:", "PRN", "nome com espaço", "a#b",
                            "impressora:99999", "C:\\saida.prn", "\\\\SERVIDOR\\"}) {
    SCOPED_TRACE(value);
    testsupport::expectRuntimeError([&] { printer::resolve(value, ini); },
                                    "impressora não encontrada: ");
  }
}

// A file gets the whole document in Windows-1252 in place of what it held,
// keeping its mode; a read-only file, /dev/full or a missing folder fail
// with the reason and leave no file behind.
TEST(PrinterDestination, FilesAreReplacedWholeOrLeftAlone) {
  const QString path = testsupport::prefilled("dest-bytes.prn", "a much longer previous content");
  ::chmod(path.toLocal8Bit(), 0640);
  printer::printText(path, QString(), QString::fromUtf8("AÇÃO é €\u0151\r\n"), "t");
  EXPECT_EQ(testsupport::readFile(path), QByteArray("A\xC7\xC3O \xE9 \x80?\r\n"));
  struct stat st {};
  ::stat(path.toLocal8Bit(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  const QString readOnly = testsupport::prefilled("dest-ro.prn");
  ::chmod(readOnly.toLocal8Bit(), 0444);
  const QString missing = testsupport::scratchFile("no-such-folder/printer.prn");
  for (const QString& to : {readOnly, QString("/dev/full"), QString("/dev/usb/no-such-lp9"), missing,
                            testsupport::scratchDir()}) {
    SCOPED_TRACE(to.toStdString());
    testsupport::expectRuntimeError([&] { printer::printText(to, QString(), "x", "t"); }, to);
  }
  EXPECT_EQ(testsupport::readFile(readOnly), QByteArray("previous"));
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_FALSE(QFile::exists("/dev/usb/no-such-lp9"));
  EXPECT_TRUE(QDir(testsupport::scratchDir()).entryList({".dest*"}, QDir::Hidden).isEmpty());
}

// A writable file in a folder where no file can be created (another user's
// folder) is written in place.
TEST(PrinterDestination, AFileInAFolderWithoutRightsIsWrittenInPlace) {
  QByteArray dir = QDir::tempPath().toLocal8Bit() + "/tl-locked-XXXXXX";
  ASSERT_TRUE(::mkdtemp(dir.data()));
  const QString file =
      testsupport::prefilled(QString::fromLocal8Bit(dir) + "/p.prn", "previous, longer than the new one");
  ::chmod(file.toLocal8Bit(), 0666);
  ::chmod(dir, 0555);
  const pid_t child = ::fork();
  if (child == 0) {  // as an ordinary user: root may create files anywhere
    if (::getuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
    try {
      printer::printText(file, QString(), "novo", "t");
      ::_exit(0);
    } catch (...) {
      ::_exit(1);
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(testsupport::readFile(file), QByteArray("novo"));
  ::chmod(dir, 0755);
  QDir(QString::fromLocal8Bit(dir)).removeRecursively();
}

}  // namespace
