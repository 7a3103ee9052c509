#include "labels/labelport.h"

#include <QFile>
#include <filesystem>
#include <system_error>

bool isRegularFile(const QString& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(
      std::filesystem::path(QFile::encodeName(path).toStdString()), ec);
}

PrinterFile::Mode LabelPort::nextMode() const {
  return opens_ > 0 && isRegularFile(path_) ? PrinterFile::Mode::Append
                                             : PrinterFile::Mode::Output;
}

void LabelPort::open() {
  file_.open(path_, nextMode());
  open_ = true;
  ++opens_;
}

void LabelPort::write(const QString& text) { file_.write(text); }

void LabelPort::close() {
  file_.close();
  open_ = false;
}
