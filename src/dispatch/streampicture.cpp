#include "dispatch/streampicture.h"

#include <QScopeGuard>

#include "core/cp1252.h"
#include "core/errors.h"
#include "drawing/painterbackend.h"
#include "labels/labelport.h"
#include "reports/reportpreview.h"

std::optional<streamview::Paper> streamPaper(const QString& code) {
  using streamview::Paper;
  if (code == "pedidocupom") return Paper::Receipt;
  if (code == "pedidotexto" || code == "ostexto") return Paper::WideSheet;
  if (code == "etiqueta_peco" || code == "etiqueta_pedido") return Paper::Labels;
  return std::nullopt;
}

StreamPicture::StreamPicture(modCnn& m) : m_(m), paper_(streamPaper(m.job.RELATORIO)) {
  if (paper_ && (m.options.preview || !m.options.pdfPath.isEmpty())) m.streamSink = this;
}

StreamPicture::~StreamPicture() {
  if (m_.streamSink == this) m_.streamSink = nullptr;
}

void StreamPicture::take(const QString& destination, const QString& stream,
                         const QString& title) {
  jobs_.push_back({destination, stream, title});
}

draw::Document StreamPicture::document() const {
  QByteArray bytes;
  for (const Job& j : jobs_) bytes += cp1252::encode(j.stream);
  return streamview::picture(bytes, paper_.value_or(streamview::Paper::WideSheet),
                             "tl_relatorios - " + m_.job.RELATORIO);
}

Outcome StreamPicture::finish(ui::Ui& ui) {
  draw::Document doc = document();
  const std::vector<Job> jobs = std::exchange(jobs_, {});
  m_.record.pages += int(doc.pages.size());
  if (!m_.options.pdfPath.isEmpty()) {
    draw::renderToPdf(doc, m_.options.pdfPath);
    m_.record.pdfs << m_.options.pdfPath;
    return Outcome::Ended;
  }
  if (!ui.windowsAllowed())
    throw RuntimeError(QStringLiteral(
        "A visualização (--preview) precisa de uma janela; nada foi enviado à impressora."));
  auto* window = new reports::ReportPreview(std::move(doc), ui);
  window->setAttribute(Qt::WA_DeleteOnClose);
  // Imprimir: the unchanged streams to their printer, one job each, as the
  // job itself would have sent them.
  modCnn* m = &m_;
  window->onPrint = [m, jobs] {
    if (jobs.empty()) return;
    StreamSink* const sink = std::exchange(m->streamSink, nullptr);
    const auto restoreSink = qScopeGuard([m, sink] { m->streamSink = sink; });
    // As the job sends them: the first replaces a printer file, later rows add to it.
    LabelPort port(jobs.front().destination, m->config.path, jobs.front().title, m);
    for (const Job& j : jobs) {
      port.open();
      port.write(j.stream);
      port.close();
    }
    port.deliver();
  };
  window->show();
  return Outcome::WindowOpen;
}
