#include "labels/labelport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "startup/errors.h"
#include "testsupport.h"

namespace {
QString freshPath(const char* name) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  return path;
}
}  // namespace

TEST(LabelPort, AFileKeepsEveryJobOfARun) {
  const QString path = freshPath("port-run.prn");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("job of an earlier run\r\n");
  }
  LabelPort port(path);
  EXPECT_EQ(port.nextMode(), PrinterFile::Mode::Output);
  port.open();
  port.write("row 1\r\n");
  port.close();
  EXPECT_EQ(port.nextMode(), PrinterFile::Mode::Append);
  port.open();
  port.write("row 2 \xC3\xA7\r\n");  // ç
  port.close();
  EXPECT_EQ(port.opens(), 2);
  EXPECT_EQ(testsupport::readFile(path), QByteArray("row 1\r\nrow 2 \xE7\r\n"));

  // A new run starts the file again.
  LabelPort next(path);
  next.open();
  next.write("next run\r\n");
  next.close();
  EXPECT_EQ(testsupport::readFile(path), QByteArray("next run\r\n"));
}

TEST(LabelPort, ADeviceIsOpenedForOutputEveryTime) {
  if (!QFile::exists("/dev/null")) GTEST_SKIP() << "no /dev/null";
  EXPECT_FALSE(isRegularFile("/dev/null"));
  LabelPort port("/dev/null");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(port.nextMode(), PrinterFile::Mode::Output);
    port.open();
    EXPECT_TRUE(port.isOpen());
    port.write("x\r\n");
    port.close();
    EXPECT_FALSE(port.isOpen());
  }
}

TEST(LabelPort, EmptyOrUnopenablePathThrowsBeforeWriting) {
  LabelPort empty("");
  EXPECT_THROW(empty.open(), RuntimeError);
  LabelPort blank("   ");
  EXPECT_THROW(blank.open(), RuntimeError);
  LabelPort folder(testsupport::scratchDir());
  EXPECT_THROW(folder.open(), RuntimeError);
  const QString missing = QDir(testsupport::scratchDir()).filePath("no-such-folder/x.prn");
  LabelPort nowhere(missing);
  EXPECT_THROW(nowhere.open(), RuntimeError);
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_FALSE(isRegularFile(testsupport::scratchDir()));
}
