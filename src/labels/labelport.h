#pragma once
#include <QString>
#include <QStringList>

struct modCnn;

// The label printer (IMPRESSORA) for one run of a label job: each open-close
// pair is one printer job (one file write, one connection, one CUPS job).
// The rows are composed whole first and sent by deliver(), so a failure
// while reading the rows sends nothing. When the destination is an ordinary
// file, the first job of a run empties it and later jobs append to it, so
// the file keeps every row; a failed job is cut back off the file.
class LabelPort {
 public:
  // run: the jobs go to the run's stream sink when it has one (the picture
  // of --pdf and --preview) and are counted for the job log.
  LabelPort(QString value, QString iniPath, QString jobTitle, modCnn* run = nullptr);

  void open();
  void write(const QString& text);
  void close();
  bool isOpen() const { return open_; }
  // The jobs closed so far, each a whole stream.
  const QStringList& jobs() const { return jobs_; }

  // Sends every closed job in order. Throws RuntimeError, before any byte,
  // when IMPRESSORA names no printer.
  void deliver();

 private:
  QString value_;
  QString iniPath_;
  QString title_;
  QStringList jobs_;
  bool open_ = false;
  modCnn* run_ = nullptr;
};
