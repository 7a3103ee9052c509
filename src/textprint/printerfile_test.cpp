#include "textprint/printerfile.h"

#include "textdoc_testutil.h"

namespace {

using textdoc::scratchFile;

TEST(PrinterFile, WritesWindows1252BytesInPlaceOfWhatTheFileHeld) {
  const QString path = textdoc::prefilled("pf-bytes.prn", "a much longer previous content");
  writePrinterFile(path, QString::fromUtf8("AÇÃO é €\u0151\r\n"));
  EXPECT_EQ(testsupport::readFile(path), QByteArray("A\xC7\xC3O \xE9 \x80?\r\n"));
}

TEST(PrinterFile, EmptyOrUnopenablePathFailsBeforeAnyByte) {
  EXPECT_THROW(writePrinterFile("", "x"), RuntimeError);
  EXPECT_THROW(writePrinterFile("   ", "x"), RuntimeError);
  EXPECT_THROW(writePrinterFile(testsupport::scratchDir(), "x"), RuntimeError);  // a folder
  const QString path = scratchFile("no-such-folder/printer.prn");
  textdoc::expectRuntimeError([&] { writePrinterFile(path, "x"); }, "printer.prn");
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
