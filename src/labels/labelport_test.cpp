#include "labels/labelport.h"

#include <QDir>
#include <QFile>

#include "labels/labels_testutil.h"
#include "core/errors.h"

// Rows are sent only by deliver(), each as one job: a file is emptied by the
// first job of a run and keeps every row; a device gets each row in turn.
TEST(LabelPort, RowsAreSentWholeAtTheEndOfTheRun) {
  const QString path = testsupport::prefilled("port-run.prn", "job of an earlier run\r\n");
  for (const QString& to : {path, QString("/dev/null")}) {
    SCOPED_TRACE(to.toStdString());
    LabelPort port(to, QString(), "etiqueta_pedido 7");
    for (int i = 0; i < 3; ++i) {
      port.open();
      EXPECT_TRUE(port.isOpen());
      port.write(QString("row %1 \u00E7\r\n").arg(i + 1));
      port.close();
      EXPECT_FALSE(port.isOpen());
    }
    EXPECT_EQ(port.jobs().size(), 3);
    if (to == path) {  // nothing is sent before deliver()
      EXPECT_EQ(testsupport::readFile(path), QByteArray("job of an earlier run\r\n"));
    }
    port.deliver();
  }
  EXPECT_EQ(testsupport::readFile(path), QByteArray("row 1 \xE7\r\nrow 2 \xE7\r\nrow 3 \xE7\r\n"));
}

TEST(LabelPort, NoPrinterOrUnopenablePathThrowsBeforeWriting) {
  const QString missing = QDir(testsupport::scratchDir()).filePath("no-such-folder/x.prn");
  for (const QString& to : {QString(), QString("   "), QString("LPT1"), testsupport::scratchDir(),
                            missing}) {
    SCOPED_TRACE(to.toStdString());
    LabelPort port(to, QString(), QString());
    port.write("x");
    EXPECT_THROW(port.deliver(), RuntimeError);
  }
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_FALSE(QFile::exists("LPT1"));
}
