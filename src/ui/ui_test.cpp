#include "ui/ui.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

#include "core/errors.h"
#include "testsupport.h"

namespace {

// Any exception is reported and never crosses the event loop, which a
// failed handler ends with status 1.
TEST(Guarded, ExceptionsAreReportedAndEndTheEventLoopWithStatus1) {
  ui::ScriptedUi ui;
  bool ran = false;
  EXPECT_TRUE(ui::guarded(ui, [&] { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_FALSE(ui::guarded(ui, [] { throw std::logic_error("falha"); }));
  EXPECT_FALSE(ui::guarded(ui, [] { throw 42; }));
  QTimer::singleShot(0, [&] { ui::guarded(ui, [] { throw RuntimeError("falha"); }); });
  EXPECT_EQ(QCoreApplication::exec(), 1);
}

TEST(BatchUi, MessagesTakeTheirDefaultButtonAndThePrintDialogOneCopy) {
  ui::BatchUi ui;
  EXPECT_FALSE(ui.windowsAllowed());
  for (ui::Answer a : {ui::Answer::No, ui::Answer::Yes})
    EXPECT_EQ(ui.message("Continua?", "Talvora", ui::Icon::Question, ui::Buttons::YesNo, a), a);
  EXPECT_EQ(static_cast<ui::Ui&>(ui).message("Pronto", "Talvora"), ui::Answer::Ok);
  QPrinter printer;
  printer.setCopyCount(3);
  EXPECT_TRUE(ui.printDialog(printer));
  EXPECT_EQ(printer.copyCount(), 1);
}

// --printer: no dialog, the copies asked for, and an unknown name refused.
TEST(NamedPrinterUi, ReplacesTheDialogAndRefusesAnUnknownPrinter) {
  auto inner = std::make_unique<ui::ScriptedUi>();
  ui::ScriptedUi* scripted = inner.get();
  ui::NamedPrinterUi named(std::move(inner), "fila-que-nao-existe", 3);
  EXPECT_FALSE(named.windowsAllowed());
  static_cast<ui::Ui&>(named).message("Pronto", "T");
  EXPECT_EQ(scripted->texts(), QStringList{"Pronto"});
  QPrinter printer;
  testsupport::expectRuntimeError([&] { named.printDialog(printer); },
                                  "impressora não encontrada: fila-que-nao-existe");
  EXPECT_EQ(scripted->printDialogs, 0);
}

// The users read Qt's own buttons and dialogs in Portuguese.
TEST(QtTranslations, QtsOwnButtonsSpeakTheUsersLanguage) {
  ASSERT_TRUE(ui::installQtTranslations());
  QMessageBox box(QMessageBox::Question, "Talvora", "?", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Sim");
  EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString::fromUtf8("Não"));
}

}  // namespace
