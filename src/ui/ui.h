#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

class QPrinter;

// Every message box, question and print dialog of the program goes through
// this interface: Qt dialogs when windows are allowed, standard error and
// default answers in batch runs, a script in tests.
namespace ui {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

class Ui {
 public:
  virtual ~Ui() = default;
  // A modal message box; returns the button pressed.
  virtual Answer message(const QString& text, const QString& title, Icon icon = Icon::None,
                         Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok) = 0;
  // The system print dialog on this printer; false when cancelled. The
  // number of copies chosen is left in printer.copyCount().
  virtual bool printDialog(QPrinter& printer) = 0;
  virtual bool windowsAllowed() const = 0;
  // A "save as" file dialog; empty when cancelled.
  virtual QString saveFileName(const QString& caption, const QString& suggestion,
                               const QString& filter) = 0;
  QString lastError;  // the last run-time error reported (for the job log)
};

class QtUi : public Ui {
 public:
  Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultAnswer) override;
  bool printDialog(QPrinter& printer) override;
  bool windowsAllowed() const override { return true; }
  QString saveFileName(const QString& caption, const QString& suggestion,
                       const QString& filter) override;
};

// No window: the text goes to standard error, a question takes its default
// button, the print dialog gives one copy.
class BatchUi : public Ui {
 public:
  Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultAnswer) override;
  bool printDialog(QPrinter& printer) override;
  bool windowsAllowed() const override { return false; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// For tests: records every message and answers from a queue (the default
// button when the queue is empty); the print dialog answers printCopies
// (0 = cancel).
class ScriptedUi : public Ui {
 public:
  struct Shown {
    QString text, title;
    Icon icon;
    Buttons buttons;
    Answer defaultAnswer;
  };
  std::vector<Shown> shown;
  std::deque<Answer> answers;
  int printCopies = 1;
  int printDialogs = 0;
  std::deque<QString> saveNames;  // answers of the file dialog (empty: cancelled)
  QStringList saveSuggestions;    // what each file dialog proposed

  Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultAnswer) override;
  bool printDialog(QPrinter& printer) override;
  bool windowsAllowed() const override { return false; }
  QString saveFileName(const QString& caption, const QString& suggestion,
                       const QString& filter) override;
  QStringList texts() const;
};

std::unique_ptr<Ui> makeUi(bool batch);

// Qt's own texts (the print dialog, the Sim/Não buttons) in the language of
// QLocale(); false when no translation is installed for it.
bool installQtTranslations();

// The run-time error report: standard error, and a message box where
// windows are allowed.
void reportRuntimeError(Ui& ui, const QString& message);

// Runs an event handler; a RuntimeError it throws is reported and ends the
// event loop with exit status 1. Returns false when it failed.
bool guarded(Ui& ui, const std::function<void()>& handler);

}  // namespace ui
