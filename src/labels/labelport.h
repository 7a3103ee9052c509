#pragma once
#include <QString>
#include <utility>

#include "textprint/printerfile.h"

// The label printer path (IMPRESSORA) for one run of a label job: each
// open-close pair is one printer job. The first open of a run empties the
// path; when the path is an ordinary file, later opens of the same run
// append to it, so a file keeps every row of an order job instead of only
// the last one. A device (port, printer) is opened for output every time.
class LabelPort {
 public:
  explicit LabelPort(QString path) : path_(std::move(path)) {}

  // Throws RuntimeError, before any byte is written, for an empty path or
  // one that cannot be opened.
  void open();
  void write(const QString& text);
  void close();
  bool isOpen() const { return open_; }

  // How the next open() will open the path.
  PrinterFile::Mode nextMode() const;
  int opens() const { return opens_; }

 private:
  QString path_;
  PrinterFile file_;
  bool open_ = false;
  int opens_ = 0;
};

// True for an ordinary file (not a device, pipe or folder).
bool isRegularFile(const QString& path);
