#include "labels/labelport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "labels/labels_testutil.h"
#include "core/errors.h"

using Mode = PrinterFile::Mode;

// A file keeps every job of a run, the first open of a run empties it; a
// device is opened for output every time.
TEST(LabelPort, AFileAppendsWithinARunADeviceDoesNot) {
  const QString path = labeltest::freshPath("port-run.prn");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("job of an earlier run\r\n");
  }
  EXPECT_TRUE(isRegularFile(path));
  EXPECT_FALSE(isRegularFile("/dev/null"));
  const struct {
    QString path;
    Mode first, later;
  } cases[] = {{path, Mode::Output, Mode::Append}, {"/dev/null", Mode::Output, Mode::Output}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    LabelPort port(c.path);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(port.nextMode(), i == 0 ? c.first : c.later);
      port.open();
      EXPECT_TRUE(port.isOpen());
      port.write(QString("row %1 \u00E7\r\n").arg(i + 1));
      port.close();
      EXPECT_FALSE(port.isOpen());
    }
    EXPECT_EQ(port.opens(), 3);
  }
  // The earlier run's job is gone.
  EXPECT_EQ(testsupport::readFile(path), QByteArray("row 1 \xE7\r\nrow 2 \xE7\r\nrow 3 \xE7\r\n"));
}

TEST(LabelPort, EmptyOrUnopenablePathThrowsBeforeWriting) {
  const QString missing = QDir(testsupport::scratchDir()).filePath("no-such-folder/x.prn");
  for (const QString& path : {QString(), QString("   "), testsupport::scratchDir(), missing}) {
    SCOPED_TRACE(path.toStdString());
    LabelPort port(path);
    EXPECT_THROW(port.open(), RuntimeError);
  }
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_FALSE(isRegularFile(testsupport::scratchDir()));
}
