#pragma once
#include <QString>
#include <optional>
#include <vector>

#include "core/modcnn.h"
#include "streamview/streampicture.h"
#include "ui/outcome.h"
#include "ui/ui.h"

// --pdf and --preview for the text and label jobs: their printer streams are
// kept instead of printed, then drawn into the PDF or the preview window,
// whose Imprimir sends the unchanged streams to their printer.
class StreamPicture : public StreamSink {
 public:
  struct Job {
    QString destination, stream, title;
  };
  // Becomes the run's stream sink when the run asks for a picture and its
  // report code writes a printer stream.
  explicit StreamPicture(modCnn& m);
  ~StreamPicture() override;
  void take(const QString& destination, const QString& stream, const QString& title) override;

  bool pending() const { return !jobs_.empty(); }
  const std::vector<Job>& jobs() const { return jobs_; }
  // The picture of the streams taken so far: written to the PDF (Ended) or
  // shown in the preview (WindowOpen).
  Outcome finish(ui::Ui& ui);
  draw::Document document() const;

 private:
  modCnn& m_;
  std::optional<streamview::Paper> paper_;
  std::vector<Job> jobs_;
};

// The paper a report code's stream is printed on; none for codes that write no stream.
std::optional<streamview::Paper> streamPaper(const QString& code);
