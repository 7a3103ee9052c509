#pragma once
#include <QDateTime>
#include <QString>

struct modCnn;

// The job log: one JSON line per run, appended to TL.ini's LOG file or else
// $XDG_STATE_HOME/tl_relatorios/trabalhos.log (~/.local/state when unset),
// kept under 1 MB by moving it to trabalhos.log.1. A log that cannot be
// written never fails the job: one line on standard error.
namespace joblog {

constexpr qint64 kRotateBytes = 1024 * 1024;

QString path(const modCnn& m);
QByteArray line(const modCnn& m, int status, const QDateTime& started, qint64 elapsedMs);
// Returns false (after one line on standard error) when it could not write.
bool append(const QString& path, const QByteArray& line);

}  // namespace joblog
