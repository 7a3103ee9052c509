#pragma once
#include <QByteArray>
#include <QString>

// Where the printer streams go: the one rule for LOCALIMPRESSORA (text
// documents) and IMPRESSORA (labels).
//  1. A name listed in TL.ini section [Impressoras] is replaced by its value.
//  2. "socket://ADDRESS[:PORT]" or "ADDRESS:PORT" is a raw network printer (port
//     9100 when left out).
//  3. A value with "/" is a path: a device, a FIFO or a file.
//  4. "\\SERVER\SHARE" is the CUPS queue SHARE; any other name that a queue
//     can have is a CUPS queue.
//  5. Anything else ("LPT1" unmapped, empty, a name no queue can have) is
//     "impressora não encontrada", before any byte.
// Every composed stream reaches a printer through deliver(), one job a call.
namespace printer {

struct Destination {
  enum class Kind { Path, Network, Queue };
  Kind kind = Kind::Path;
  QString value;  // as the job wrote it, for messages
  QString path;   // Path
  QString address;  // Network: a name or a number
  int port = 9100;
  QString queue;  // Queue
};

// Throws RuntimeError "impressora não encontrada: X" for a value that names
// nothing. iniPath: TL.ini, for the [Impressoras] section (may be empty).
Destination resolve(const QString& value, const QString& iniPath);

// Sends one whole stream as one printer job: a file replaced whole (or, with
// append, added to and cut back on failure), a device written whole, one
// network connection, one raw CUPS job titled jobTitle. Throws RuntimeError
// naming the destination; a file is never left half written.
void deliver(const Destination& to, const QByteArray& stream, const QString& jobTitle,
             bool append = false);

// A composed text document or label stream (characters, sent in
// Windows-1252) to the destination the value names, as one job.
void printText(const QString& value, const QString& iniPath, const QString& text,
               const QString& jobTitle);

// The title of a job: the report code and the document's key ("pedidocupom 4").
QString jobTitle(const QString& reportCode, const QString& key);

}  // namespace printer

struct modCnn;

// The one point where a composed text or label job of the run leaves the
// program: to the run's stream sink when it has one (the picture that --pdf
// and --preview make), else to the printer the value names. Counted for the
// job log. key: the document's key, for the job title.
void printStream(modCnn& m, const QString& value, const QString& text,
                 const QString& key = QString());
