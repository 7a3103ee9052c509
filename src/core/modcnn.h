#pragma once
#include <QString>

#include "core/configuration.h"
#include "core/connection.h"
#include "core/jobparameters.h"
#include "core/jobrecord.h"
#include "core/recordset.h"
#include "core/streamsink.h"

// The host is the calling application: it writes the job file and starts the
// program. How this run was started (the command line):
struct RunOptions {
  QString configPath;  // TL.ini to read
  QString jobPath;     // parimp.txt to read
  QString pdfPath;     // page reports and drawn documents go here when set
  QString exeDir;      // header/footer images and layout overrides
  bool batch = false;  // no window: messages to stderr, questions take the default
  QString printerName;  // --printer: drawn documents go there without a dialog
  int copies = 1;       // --copies
  bool preview = false;  // text and label jobs: their picture in the preview window
};

// The one context of a run: configuration, job parameters, the connection
// and the three shared record sets. Built once by Main, passed by reference.
// The text documents and labels read through record sets of their own; the
// shared ones remain where the commission inquiry, its statements and the
// service-order page footer use them. Each of those closes, opens and reads
// its query in one go, so no state is carried from one use to the next; Main
// closes them at the end of the run.
struct modCnn {
  RunOptions options;
  Configuration config;
  JobParameters job;
  Connection Cnn;
  Recordset Rs;
  Recordset Rs2;
  Recordset Rs3;
  StreamSink* streamSink = nullptr;  // set: printer streams go there, not to the printer
  JobRecord record;                  // for the job log

  void FECHARS() { closeIfOpen(Rs); }
  void FECHARS2() { closeIfOpen(Rs2); }
  void FECHARS3() { closeIfOpen(Rs3); }
  // Closes the three record sets and the connection, leaving the database
  // to other processes (a page report before its preview shows).
  void releaseDatabase() {
    FECHARS();
    FECHARS2();
    FECHARS3();
    Cnn.release();
  }
};

// Start-up in the legacy program's order: read TL.ini, connect (throws RuntimeError
// before the job file is read when the connection fails), read the job.
void Main(modCnn& m);
