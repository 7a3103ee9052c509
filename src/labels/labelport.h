#pragma once
#include <QString>
#include <utility>

#include "textprint/printerfile.h"

// The label printer path (IMPRESSORA) for one run of a label job: each
// open-close pair is one printer job. The first open of a run empties the
// path; when the path is an ordinary file, later opens of the same run
// append to it, so a file keeps every row of an order job instead of only
// the last one. A device (port, printer) is opened for output every time.
struct modCnn;

class LabelPort {
 public:
  explicit LabelPort(QString path) : path_(std::move(path)) {}
  // A port of the run: its jobs go to the run's stream sink when it has one
  // (whole, at close) and are counted for the job log.
  LabelPort(QString path, modCnn& run) : path_(std::move(path)), run_(&run) {}

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
  bool diverted() const;
  QString path_;
  PrinterFile file_;
  bool open_ = false;
  int opens_ = 0;
  modCnn* run_ = nullptr;
  QString diverted_;  // the job being composed for the sink
};

// True for an ordinary file (not a device, pipe or folder).
bool isRegularFile(const QString& path);
