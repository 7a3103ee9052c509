#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of the printers and of job files
// the host writes on Windows.
namespace cp1252 {
QString decode(const QByteArray& bytes);
// Characters the code page lacks become '?'.
QByteArray encode(const QString& text);
}  // namespace cp1252

// UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else Windows-1252;
// UTF-16 behind its byte-order mark.
QString decodeTextFile(const QByteArray& bytes);
