#include "labels/labelport.h"

#include <utility>

#include "core/cp1252.h"
#include "textprint/printerdestination.h"

LabelPort::LabelPort(QString value, QString iniPath, QString jobTitle)
    : value_(std::move(value)), iniPath_(std::move(iniPath)), title_(std::move(jobTitle)) {}

void LabelPort::open() {
  jobs_.append(QString());
  open_ = true;
}

void LabelPort::write(const QString& text) {
  if (!open_) open();
  jobs_.back() += text;
}

void LabelPort::close() { open_ = false; }

void LabelPort::deliver() {
  if (jobs_.isEmpty()) return;
  const printer::Destination to = printer::resolve(value_, iniPath_);
  for (qsizetype i = 0; i < jobs_.size(); ++i)
    printer::deliver(to, cp1252::encode(jobs_[i]), title_, /*append=*/i > 0);
}
