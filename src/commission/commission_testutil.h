#pragma once
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
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

// A private copy of the demo database; statements run through the driver,
// a script through isql (in one transaction, far faster for many rows).
inline QString copyOfDemo(const QString& name, const QStringList& statements,
                          const QString& script = {}) {
  const QString path = QDir(testsupport::scratchDir()).filePath(name);
  QFile::remove(path);
  EXPECT_TRUE(QFile::copy(testsupport::fixtureDatabase(), path));
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  if (!script.isEmpty()) {
    QProcess isql;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ISC_USER", "SYSDBA");
    env.insert("ISC_PASSWORD", "masterkey");
    isql.setProcessEnvironment(env);
    isql.start(qEnvironmentVariable("ISQL", "isql-fb"), {"-q", "-bail", "-ch", "UTF8", path});
    QByteArray input = testsupport::readFile(script);
    for (const QString& s : statements) input += s.toUtf8() + ";\nCOMMIT;\n";
    isql.write(input);
    isql.closeWriteChannel();
    EXPECT_TRUE(isql.waitForFinished(120000));
    EXPECT_EQ(isql.exitCode(), 0) << isql.readAllStandardError().toStdString();
    return path;
  }
  Connection c(QStringLiteral("alter-") + name);
  c.open(connectionTo(path));
  for (const QString& s : statements)
    EXPECT_TRUE(QSqlQuery(c.database()).exec(s)) << s.toStdString();
  c.close();
  return path;
}

// Text columns made CHAR: every value comes blank-padded.
inline const QStringList kCharColumns = {
    "alter table interveniente alter column innome type char(160)",
    "alter table interveniente alter column inapelido type char(70)",
    "alter table interveniente alter column incpf type char(20)",
    "alter table interveniente alter column incnpj type char(24)",
    "alter table funcionario alter column funome type char(70)",
    "alter table formapagamento alter column fpdesc type char(70)",
    "alter table cancelamento alter column cnmotivo type char(210)",
    "alter table cancelamento alter column cnusuario type char(40)"};

// A window on the demo database with its seller list loaded; messages go
// to the Ui (a script unless a test needs more).
template <class U = ui::ScriptedUi>
struct WindowWith {
  modCnn m;
  U ui;
  std::unique_ptr<FrmConsComissaoGERAL> w;
  WindowWith() {
    openDemo(m);
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

}  // namespace commissiontest
