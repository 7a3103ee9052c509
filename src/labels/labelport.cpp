#include "labels/labelport.h"

#include <utility>

#include "core/cp1252.h"
#include "core/modcnn.h"
#include "textprint/printerdestination.h"

LabelPort::LabelPort(QString value, QString iniPath, QString jobTitle, modCnn* run)
    : value_(std::move(value)), iniPath_(std::move(iniPath)), title_(std::move(jobTitle)),
      run_(run) {}

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
  if (run_) run_->record.destination = value_;
  if (run_ && run_->streamSink) {
    for (const QString& job : jobs_) run_->streamSink->take(value_, job, title_);
    return;
  }
  const printer::Destination to = printer::resolve(value_, iniPath_);
  for (qsizetype i = 0; i < jobs_.size(); ++i) {
    const QByteArray bytes = cp1252::encode(jobs_[i]);
    printer::deliver(to, bytes, title_, /*append=*/i > 0);
    if (run_) run_->record.bytes += bytes.size();
  }
}
