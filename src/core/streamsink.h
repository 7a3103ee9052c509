#pragma once
#include <QString>

// Where a composed printer stream goes instead of its printer (the picture
// made by --pdf and --preview). None in the run context: the printer.
class StreamSink {
 public:
  virtual ~StreamSink() = default;
  // One whole printer job meant for this destination, with its job title.
  virtual void take(const QString& destination, const QString& stream,
                    const QString& title) = 0;
};
