// The parts of the user interface that need no window system: the stream
// program links only these.
#include <QCoreApplication>
#include <cstdio>

#include "core/errors.h"
#include "ui/ui.h"

namespace ui {

namespace {

void toStderr(const QString& title, const QString& text) {
  const QByteArray line = stderrBytes((title.isEmpty() ? text : title + ": " + text) + '\n');
  std::fwrite(line.constData(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace

QByteArray stderrBytes(const QString& text) {
  QString shown = text;
  shown.replace(QChar(0), QStringLiteral("\\0"));
  return shown.toUtf8();
}

Answer ConsoleUi::message(const QString& text, const QString& title, Icon, Buttons buttons,
                          Answer defaultAnswer) {
  toStderr(title, text);
  return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
}

bool ConsoleUi::printDialog(QPrinter&, const PrintPages&) { return false; }

void reportRuntimeError(Ui& ui, const QString& message) {
  ui.lastError = message;
  toStderr("tl_relatorios: erro", message);
  if (ui.windowsAllowed())
    ui.message("Erro em tempo de execução:\n\n" + message, "tl_relatorios", Icon::Critical,
               Buttons::Ok, Answer::Ok);
}

bool guarded(Ui& ui, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const RuntimeError& e) {
    reportRuntimeError(ui, e.message());
  } catch (const std::exception& e) {
    reportRuntimeError(ui, QString::fromLocal8Bit(e.what()));
  } catch (...) {
    reportRuntimeError(ui, QStringLiteral("erro desconhecido"));
  }
  QCoreApplication::exit(1);
  return false;
}

}  // namespace ui
