#include "textprint/printerfile.h"

#include "core/cp1252.h"
#include "core/errors.h"
#include "core/modcnn.h"

void PrinterFile::open(const QString& path, Mode mode) {
  close();
  if (path.trimmed().isEmpty())
    throw RuntimeError("Caminho da impressora não informado.");
  file_.setFileName(path);
  const QIODevice::OpenMode how =
      mode == Mode::Append ? QIODevice::WriteOnly | QIODevice::Append
                           : QIODevice::WriteOnly | QIODevice::Truncate;
  if (!file_.open(how | QIODevice::Unbuffered))
    throw RuntimeError("Não foi possível abrir a impressora \"" + path + "\": " +
                       file_.errorString());
}

void PrinterFile::write(const QString& text) {
  const QByteArray bytes = cp1252::encode(text);
  if (file_.write(bytes) != bytes.size())
    throw RuntimeError("Falha ao gravar na impressora \"" + file_.fileName() + "\": " +
                       file_.errorString());
}

void PrinterFile::close() {
  if (file_.isOpen()) file_.close();
}

void writePrinterFile(const QString& path, const QString& document) {
  PrinterFile f;
  f.open(path);
  f.write(document);
  f.close();
}

void printStream(modCnn& m, const QString& destination, const QString& document) {
  m.record.destination = destination;
  if (m.streamSink) return m.streamSink->take(destination, document);
  writePrinterFile(destination, document);
  m.record.bytes += cp1252::encode(document).size();
}
