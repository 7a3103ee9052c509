#pragma once
#include <QFile>
#include <QString>

// The printer file: a path opened for output (a device such as
// /dev/usb/lp0, or an ordinary file), written in Windows-1252.
class PrinterFile {
 public:
  enum class Mode { Output, Append };
  // Throws RuntimeError, before any byte is written, for an empty path or
  // one that cannot be opened.
  void open(const QString& path, Mode mode = Mode::Output);
  // Characters Windows-1252 lacks become '?'; throws on a failed write.
  void write(const QString& text);
  void close();
  ~PrinterFile() { close(); }

 private:
  QFile file_;
};

// Opens the path, writes a whole composed document and closes it.
void writePrinterFile(const QString& path, const QString& document);

struct modCnn;
// The one point where a composed text document leaves for its printer: the
// run's stream sink when it has one (a picture instead of paper), else the
// printer path. Counted for the job log.
void printStream(modCnn& m, const QString& destination, const QString& document);
