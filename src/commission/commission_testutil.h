#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "commission/frmconscomissaogeral.h"
#include "testsupport.h"
#include "ui/ui.h"

namespace commissiontest {

inline void openDemo(modCnn& m) {
  m.Cnn.open(
      testsupport::fixtureConnectionString());
}

// A window on the demo database with its seller list loaded; messages go
// to a script.
struct Window {
  modCnn m;
  ui::ScriptedUi ui;
  std::unique_ptr<FrmConsComissaoGERAL> w;
  Window() {
    openDemo(m);
    w = std::make_unique<FrmConsComissaoGERAL>(m, ui);
    w->Form_Load();
  }
  ~Window() { w.reset(); }
  // Types a date into a masked field as the keyboard would.
  void setDate(QLineEdit* field, const QString& ddmmyyyy) {
    field->clear();
    field->setCursorPosition(0);
    field->insert(ddmmyyyy);
  }
  QStringList messages() const { return ui.texts(); }
};

}  // namespace commissiontest
