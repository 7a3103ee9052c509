#pragma once
#include <QString>
#include <QStringList>

#include "core/modcnn.h"

// The command line: none from the host; the options add to that and change
// nothing else.
struct CommandLine {
  RunOptions options;
  bool help = false;
  bool version = false;
  QString error;  // set when the command line is bad (exit status 2)
};

// args excludes the program name. exeDir is the executable's folder.
CommandLine parseCommandLine(const QStringList& args, const QString& exeDir);

QString usageText();

// Exit statuses.
enum ExitStatus { kExitOk = 0, kExitRuntimeError = 1, kExitBadCommandLine = 2, kExitNoDocument = 3 };
