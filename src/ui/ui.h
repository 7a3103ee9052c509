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

// What the print dialog knows of the document besides the printer: how
// many pages it has (0 when it is laid out only after the dialog; the range
// then goes up to 9999) and the page shown, for "current page" (-1: none).
struct PrintPages {
  int count = 0;
  int current = -1;
};

class Ui {
 public:
  virtual ~Ui() = default;
  // A modal message box; returns the button pressed.
  virtual Answer message(const QString& text, const QString& title, Icon icon = Icon::None,
                         Buttons buttons = Buttons::Ok, Answer defaultAnswer = Answer::Ok) = 0;
  // The system print dialog on this printer; false when cancelled. The
  // number of copies chosen is left in printer.copyCount(), the page range
  // in printer.printRange() and printer.pageRanges().
  virtual bool printDialog(QPrinter& printer, const PrintPages& pages) = 0;
  bool printDialog(QPrinter& printer) { return printDialog(printer, PrintPages{}); }
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
  using Ui::printDialog;
  bool printDialog(QPrinter& printer, const PrintPages& pages) override;
  bool windowsAllowed() const override { return true; }
  int copies = 1;  // the dialog's initial number of copies (--copies)
  QString saveFileName(const QString& caption, const QString& suggestion,
                       const QString& filter) override;
};

// No window at all: the text goes to standard error, a question takes its
// default button, and there is no print dialog (a stream job draws nothing).
// Needs no window system, so the stream program can use it.
class ConsoleUi : public Ui {
 public:
  Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultAnswer) override;
  using Ui::printDialog;
  bool printDialog(QPrinter& printer, const PrintPages& pages) override;
  bool windowsAllowed() const override { return false; }
  QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
};

// A batch run of any document: as ConsoleUi, and the print dialog gives
// every page, `copies` copies (one unless --copies), on the printer as it
// was (the default printer).
class BatchUi : public ConsoleUi {
 public:
  using Ui::printDialog;
  bool printDialog(QPrinter& printer, const PrintPages& pages) override;
  int copies = 1;
};

// For tests: records every message and answers from a queue (the default
// button when the queue is empty); the print dialog answers printCopies
// (0 = cancel), the page range printFrom-printTo (1-based, 0 = all pages)
// or the current page, and "print to file" when printToFile is set.
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
  int printFrom = 0, printTo = 0;
  bool printCurrentPage = false;
  QString printToFile;
  int printDialogs = 0;
  PrintPages lastPages;  // what the last dialog was told
  std::deque<QString> saveNames;  // answers of the file dialog (empty: cancelled)
  QStringList saveSuggestions;    // what each file dialog proposed

  Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultAnswer) override;
  using Ui::printDialog;
  bool printDialog(QPrinter& printer, const PrintPages& pages) override;
  bool windowsAllowed() const override { return false; }
  QString saveFileName(const QString& caption, const QString& suggestion,
                       const QString& filter) override;
  QStringList texts() const;
};

// A printer named on the command line (--printer) replaces the dialog:
// every page, `copies` copies, on that printer; a name the system does not
// know is a RuntimeError. The other calls go to the wrapped interface.
class NamedPrinterUi : public Ui {
 public:
  NamedPrinterUi(std::unique_ptr<Ui> inner, QString printerName, int copies);
  Answer message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                 Answer defaultAnswer) override;
  using Ui::printDialog;
  bool printDialog(QPrinter& printer, const PrintPages& pages) override;
  bool windowsAllowed() const override { return inner_->windowsAllowed(); }
  QString saveFileName(const QString& caption, const QString& suggestion,
                       const QString& filter) override {
    return inner_->saveFileName(caption, suggestion, filter);
  }

 private:
  std::unique_ptr<Ui> inner_;
  QString name_;
  int copies_;
};

// The printer chosen on the command line: --printer (empty: none) and --copies.
struct PrinterChoice {
  QString name;
  int copies = 1;
};

std::unique_ptr<Ui> makeUi(bool batch, const PrinterChoice& printer = {});

// "impressora não encontrada: X" unless the system knows a printer of this name.
void requirePrinter(const QString& name);

// Qt's own texts (the print dialog, the Sim/Não buttons) in the language of
// QLocale(); false when no translation is installed for it.
bool installQtTranslations();

// The run-time error report: standard error, and a message box where
// windows are allowed.
void reportRuntimeError(Ui& ui, const QString& message);

// A message as bytes for standard error: UTF-8, a NUL (from a value read
// from a file) shown as "\0" so that it does not cut the message.
QByteArray stderrBytes(const QString& text);

// Runs an event handler; a RuntimeError it throws is reported and ends the
// event loop with exit status 1. Returns false when it failed.
bool guarded(Ui& ui, const std::function<void()>& handler);

}  // namespace ui
