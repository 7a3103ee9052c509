#pragma once
#include <QByteArray>
#include <QString>

// Whole or nothing at an output path (printer files, PDFs).
//
// - A regular file, or a path that does not exist yet, is written to a
//   temporary file in the same folder and renamed into place only when every
//   byte reached the disk; the file's mode is kept when it existed. On any
//   failure what was at the path stays as it was. An existing file in a
//   folder where no file can be created is written in place instead, and
//   its old content is put back when the new one cannot be written whole.
// - Anything else (a character device, a FIFO) is written directly: every
//   short write and interruption retried, the open and each stalled write
//   given up after a bounded wait (outputWaitMs) with the path named.
// Failures throw RuntimeError with the system's reason; `what` names the
// target in the message ("Impressora", "Arquivo PDF").
void writeWholeFile(const QString& path, const QByteArray& bytes, const QString& what);

// Appends to a regular file; when a write fails the file is cut back to the
// length it had. Anything that is not a regular file gets writeWholeFile.
void appendWholeFile(const QString& path, const QByteArray& bytes, const QString& what);

// True for an existing regular file (symbolic links followed).
bool isRegularFile(const QString& path);

// How long a device or FIFO may refuse to be opened or stop taking bytes
// before the job is given up: 10 s, or the milliseconds in the environment
// variable TL_PRINTER_WAIT_MS (meant for tests).
int outputWaitMs();

// Files to clean up when a signal ends the process. The handler may only do
// async-signal-safe work, so the registry is a fixed table of C strings and
// file descriptors; registering never allocates.
namespace cleanup {

// A temporary file to unlink. Returns a slot for forget(), or -1 when the
// table is full (the file is then simply not cleaned up on a signal).
int addTemporary(const char* path);
// An appended file to cut back to `length`.
int addTruncation(int fd, long long length);
void forget(int slot);

// Unlinks and truncates what is registered. Async-signal-safe.
void runFromSignalHandler();

// Installs handlers for SIGTERM, SIGINT and SIGHUP (over any earlier ones,
// such as the database client's) that clean up, say so on standard error
// and end the process with status 1 at once. SIGPIPE and SIGXFSZ are
// ignored, so their causes come back as write errors.
void installSignalHandlers();

}  // namespace cleanup
