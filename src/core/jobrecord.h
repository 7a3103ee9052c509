#pragma once
#include <QString>
#include <QStringList>

// What a run did, filled in by its outputs and written as one line of the
// job log when the run ends.
struct JobRecord {
  QString destination;  // printer path, queue, PDF file or "janela"
  qint64 bytes = 0;     // printer bytes written
  int pages = 0;        // pages drawn (PDF, printer or picture)
  QStringList pdfs;     // PDF files written
  QString message;      // the error or notice the run ended with
};
