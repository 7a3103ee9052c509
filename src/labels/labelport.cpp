#include "labels/labelport.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "core/cp1252.h"
#include "core/modcnn.h"

bool isRegularFile(const QString& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(
      std::filesystem::path(QFile::encodeName(path).toStdString()), ec);
}

PrinterFile::Mode LabelPort::nextMode() const {
  return opens_ > 0 && isRegularFile(path_) ? PrinterFile::Mode::Append
                                             : PrinterFile::Mode::Output;
}

bool LabelPort::diverted() const { return run_ && run_->streamSink; }

void LabelPort::open() {
  if (run_) run_->record.destination = path_;
  if (!diverted()) file_.open(path_, nextMode());
  open_ = true;
  ++opens_;
}

void LabelPort::write(const QString& text) {
  if (diverted()) {
    diverted_ += text;
    return;
  }
  file_.write(text);
  if (run_) run_->record.bytes += cp1252::encode(text).size();
}

void LabelPort::close() {
  if (diverted() && open_) run_->streamSink->take(path_, std::exchange(diverted_, QString()));
  file_.close();
  open_ = false;
}
