#pragma once
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "commission/frmconscomissaogeral.h"
#include "testsupport.h"
#include "ui/ui.h"

namespace commissiontest {

inline QString connectionTo(const QString& db) {
  return "driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" + db;
}

inline void openDemo(modCnn& m) { m.Cnn.open(testsupport::fixtureConnectionString()); }

// A window with its seller list loaded, on the demo database or on the
// given copy; messages go to the Ui (a script unless a test needs more).
template <class U = ui::ScriptedUi>
struct WindowWith {
  modCnn m;
  U ui;
  std::unique_ptr<FrmConsComissaoGERAL> w;
  explicit WindowWith(const QString& db = {}) {
    if (db.isEmpty())
      openDemo(m);
    else
      m.Cnn.open(connectionTo(db));
    w = std::make_unique<FrmConsComissaoGERAL>(m, ui);
    w->Form_Load();
  }
  ~WindowWith() { w.reset(); }
  // Types a date into a masked field as the keyboard would.
  void setDate(QLineEdit* field, const QString& ddmmyyyy) {
    field->clear();
    field->setCursorPosition(0);
    field->insert(ddmmyyyy);
  }
  // Emission 01/03/2024-31/03/2024, cancellation 05/03/2024-31/03/2024.
  void march() {
    setDate(w->controls().COINICIAL, "01032024");
    setDate(w->controls().COFINAL, "31032024");
    setDate(w->controls().CAINICIAL, "05032024");
    setDate(w->controls().CAFINAL, "31032024");
  }
  QStringList messages() const { return ui.texts(); }
};
using Window = WindowWith<>;

inline QStringList column(const CommissionGridModel& g, int c) {
  QStringList out;
  for (int r = 0; r < g.rowCount(); ++r) out << g.cell(r, c);
  return out;
}

// The first row whose column c holds text; -1 when none.
inline int rowOf(const CommissionGridModel& g, int c, const QString& text) {
  return int(column(g, c).indexOf(text));
}

}  // namespace commissiontest
