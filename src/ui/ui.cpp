#include "ui/ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
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

bool QtUi::printDialog(QPrinter& printer, const PrintPages& pages) {
  if (copies > 1) printer.setCopyCount(copies);
  QPrintDialog dialog(&printer);
  // The range is ours to honour (renderToPrinter), not the spooler's.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, pages.current >= 0);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  dialog.setMinMax(1, pages.count > 0 ? pages.count : 9999);
  return dialog.exec() == QDialog::Accepted;
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

bool BatchUi::printDialog(QPrinter& printer, const PrintPages&) {
  printer.setCopyCount(copies);
  printer.setPrintRange(QPrinter::AllPages);
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

bool ScriptedUi::printDialog(QPrinter& printer, const PrintPages& pages) {
  ++printDialogs;
  lastPages = pages;
  if (printCopies <= 0) return false;
  printer.setCopyCount(printCopies);
  if (printCurrentPage) {
    printer.setPrintRange(QPrinter::CurrentPage);
  } else if (printFrom > 0) {
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(printFrom, std::max(printFrom, printTo));
  } else {
    printer.setPrintRange(QPrinter::AllPages);
  }
  if (!printToFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
  }
  return true;
}

NamedPrinterUi::NamedPrinterUi(std::unique_ptr<Ui> inner, QString printerName, int copies)
    : inner_(std::move(inner)), name_(std::move(printerName)), copies_(copies) {}

Answer NamedPrinterUi::message(const QString& text, const QString& title, Icon icon,
                               Buttons buttons, Answer defaultAnswer) {
  return inner_->message(text, title, icon, buttons, defaultAnswer);
}

bool NamedPrinterUi::printDialog(QPrinter& printer, const PrintPages&) {
  requirePrinter(name_);
  // Another printer may bring its own default paper: keep what the
  // document asked for.
  const QPageLayout layout = printer.pageLayout();
  printer.setPrinterName(name_);
  printer.setPageSize(layout.pageSize());
  printer.setPageOrientation(layout.orientation());
  printer.setCopyCount(copies_);
  printer.setPrintRange(QPrinter::AllPages);
  return true;
}

void requirePrinter(const QString& name) {
  if (QPrinterInfo::printerInfo(name).isNull())
    throw RuntimeError("impressora não encontrada: " + name);
}

QStringList ScriptedUi::texts() const {
  QStringList t;
  for (const auto& s : shown) t << s.text;
  return t;
}

std::unique_ptr<Ui> makeUi(bool batch, const PrinterChoice& printer) {
  std::unique_ptr<Ui> made;
  if (batch) {
    auto b = std::make_unique<BatchUi>();
    b->copies = printer.copies;
    made = std::move(b);
  } else {
    auto q = std::make_unique<QtUi>();
    q->copies = printer.copies;
    made = std::move(q);
  }
  if (printer.name.isEmpty()) return made;
  return std::make_unique<NamedPrinterUi>(std::move(made), printer.name, printer.copies);
}

bool installQtTranslations() {
  auto* qtTexts = new QTranslator(QCoreApplication::instance());  // owned by the application
  if (!qtTexts->load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qtTexts;
    return false;
  }
  return QCoreApplication::installTranslator(qtTexts);
}

}  // namespace ui
