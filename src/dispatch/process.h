#pragma once
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <functional>
#include <optional>

#include "core/modcnn.h"
#include "dispatch/commandline.h"
#include "dispatch/reportcodes.h"
#include "ui/ui.h"

// What both programs do around a job: read the command line, prepare the
// process, report a failure and end at the one exit point.

// The run's start, for the job log.
struct RunClock {
  QDateTime started = QDateTime::currentDateTime();
  QElapsedTimer timer;
  RunClock() { timer.start(); }
};

// Text to a standard stream as UTF-8 bytes, flushed.
void say(FILE* to, const QString& text);

// The command line read; a bad one, --help and --version answered here with
// the status to exit with. Where no window could be seen the run becomes a
// batch run.
std::optional<int> readCommandLine(int argc, char** argv, CommandLine& cl);

// The environment Qt and the database client need, before any Qt object:
// a private runtime folder, a UTF-8 character type.
void prepareProcess();

// The users' locale for numbers and dates: the system's, or Brazilian
// Portuguese on a machine with none configured (C/POSIX).
void useUsersLocale();

// A job that has finished has closed its printer files and PDFs; ending the
// process here skips Qt's teardown, whose font database alone costs more
// than the whole start-up. Every run's one line in the job log is written
// here.
[[noreturn]] void endProcess(modCnn& m, int status, const RunClock& clock, ui::Ui* ui = nullptr);

// Runs the job; a run-time error it throws is reported (standard error, a
// message box where windows are allowed) and ends the process, status 1.
void runGuarded(modCnn& m, ui::Ui& ui, const RunClock& clock, const std::function<void()>& job);

// The document of the job's report code from table; a code with none ends
// the run here, status 3, saying why.
Outcome runDocument(modCnn& m, ui::Ui& ui, const RunClock& clock,
                    const std::vector<ReportCode>& table);
