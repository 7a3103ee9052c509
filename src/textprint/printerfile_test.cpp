#include "textprint/printerfile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "startup/errors.h"
#include "testsupport.h"

namespace {

QString scratch(const QString& name) { return QDir(testsupport::scratchDir()).filePath(name); }

TEST(PrinterFile, WritesWindows1252Bytes) {
  const QString path = scratch("pf-bytes.prn");
  writePrinterFile(path, QString::fromUtf8("AÇÃO é €\u0151\r\n"));
  EXPECT_EQ(testsupport::readFile(path), QByteArray("A\xC7\xC3O \xE9 \x80?\r\n"));
}

TEST(PrinterFile, EmptiesAnExistingFile) {
  const QString path = scratch("pf-truncate.prn");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a much longer previous content");
  }
  writePrinterFile(path, "new");
  EXPECT_EQ(testsupport::readFile(path), QByteArray("new"));
}

TEST(PrinterFile, EmptyPathFailsBeforeAnyByte) {
  EXPECT_THROW(writePrinterFile("", "x"), RuntimeError);
  EXPECT_THROW(writePrinterFile("   ", "x"), RuntimeError);
}

TEST(PrinterFile, UnopenablePathFailsBeforeAnyByte) {
  const QString path = scratch("no-such-folder/printer.prn");
  try {
    writePrinterFile(path, "x");
    FAIL() << "an unopenable path must fail";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("printer.prn"));
  }
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_THROW(writePrinterFile(testsupport::scratchDir(), "x"), RuntimeError);  // a folder
}

}  // namespace
