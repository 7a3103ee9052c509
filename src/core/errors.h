#pragma once
#include <QString>
#include <stdexcept>

// A failure that ends the job: the message goes to standard error (and a
// message box where windows are allowed) and the program exits with status 1.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};
