#include "ui/ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <cstdio>

#include "core/errors.h"

namespace ui {

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

void toStderr(const QString& title, const QString& text) {
  const QByteArray line = (title.isEmpty() ? text : title + ": " + text).toUtf8();
  std::fprintf(stderr, "%s\n", line.constData());
  std::fflush(stderr);
}

}  // namespace

Answer QtUi::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                     Answer defaultAnswer) {
  QMessageBox box(qtIcon(icon), title, text);
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  const int r = box.exec();
  if (buttons == Buttons::Ok) return Answer::Ok;
  return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool QtUi::printDialog(QPrinter& printer) {
  QPrintDialog dialog(&printer);
  return dialog.exec() == QDialog::Accepted;
}

Answer BatchUi::message(const QString& text, const QString& title, Icon, Buttons buttons,
                        Answer defaultAnswer) {
  toStderr(title, text);
  return buttons == Buttons::Ok ? Answer::Ok : defaultAnswer;
}

QString QtUi::saveFileName(const QString& caption, const QString& suggestion,
                          const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestion, filter);
}

QString ScriptedUi::saveFileName(const QString&, const QString& suggestion, const QString&) {
  saveSuggestions << suggestion;
  if (saveNames.empty()) return {};
  QString name = saveNames.front();
  saveNames.pop_front();
  return name;
}

bool BatchUi::printDialog(QPrinter& printer) {
  printer.setCopyCount(1);
  return true;
}

Answer ScriptedUi::message(const QString& text, const QString& title, Icon icon,
                           Buttons buttons, Answer defaultAnswer) {
  shown.push_back({text, title, icon, buttons, defaultAnswer});
  if (buttons == Buttons::Ok) return Answer::Ok;
  if (answers.empty()) return defaultAnswer;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

bool ScriptedUi::printDialog(QPrinter& printer) {
  ++printDialogs;
  if (printCopies <= 0) return false;
  printer.setCopyCount(printCopies);
  return true;
}

QStringList ScriptedUi::texts() const {
  QStringList t;
  for (const auto& s : shown) t << s.text;
  return t;
}

std::unique_ptr<Ui> makeUi(bool batch) {
  if (batch) return std::make_unique<BatchUi>();
  return std::make_unique<QtUi>();
}

bool installQtTranslations() {
  auto* qtTexts = new QTranslator(QCoreApplication::instance());  // owned by the application
  if (!qtTexts->load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qtTexts;
    return false;
  }
  return QCoreApplication::installTranslator(qtTexts);
}

void reportRuntimeError(Ui& ui, const QString& message) {
  ui.lastError = message;
  toStderr("tl_relatorios: erro", message);
  if (ui.windowsAllowed())
    QtUi().message("Erro em tempo de execução:\n\n" + message, "tl_relatorios", Icon::Critical,
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
