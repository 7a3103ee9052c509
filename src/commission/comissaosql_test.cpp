#include "commission/comissaosql.h"

#include <QSqlError>
#include <QSqlRecord>
#include <gtest/gtest.h>

#include "commission_testutil.h"

using namespace comissao;
using namespace commissiontest;

namespace {

// The column names of a query, then each row, every value with its type.
QStringList rowsOf(const Connection& c, const QString& sql) {
  QSqlQuery q(c.database());
  q.setForwardOnly(true);
  if (!q.exec(sql)) return {"error: " + q.lastError().text()};
  const QSqlRecord record = q.record();  // once: the driver asks the catalogue each time
  QStringList out{"|"};
  for (int i = 0; i < record.count(); ++i) out[0] += record.fieldName(i).toUpper() + "|";
  while (q.next()) {
    QString row = "|";
    for (int i = 0; i < record.count(); ++i) {
      const QVariant v = q.value(i);
      row += QString(v.metaType().name()) + (v.isNull() ? "<null>|" : ":" + v.toString() + "|");
    }
    out << row;
  }
  if (q.lastError().isValid()) out << "error: " + q.lastError().text();
  return out;
}

}  // namespace

// The texts the inquiry builds, run on the demo database: rows, the columns
// the grids and statements read, and a value of a row (the texts the grid
// and statement goldens already run are not repeated here).
TEST(ComissaoSql, TextsOnTheDemoDatabase) {
  const QString sales = "SACOD|SADESCONTO|FPDESC|FUNOME|SAVRTOTAL|SAVRPAGO|VALORICMSS|"
                        "CACOMISSAOVENDA|",
                reversal = "SADTCANCELAMENTO|CNUSUARIO|CNMOTIVO|",
                cancel = reversal + "FUNOME|COPERCREAL|FKSACOD|VRCOMIS|SAVRTOTAL|",
                common = "INAPELIDO|INNOME|INCNPJ|INCPF|DATASAIDA|DATAENTREGA|",
                others = "FKSACOD|VRCOMIS|SAVRPAGO|", rep = "FUNOME|CACOMISSAOVENDA|";
  const QDate from(2024, 3, 5), to(2024, 3, 31);
  const struct {
    QString sql;
    int rows;
    QString columns, value;
  } cases[] = {
      {sqlComissaoVendedor("20240201", "20240229", 1), 1, sales, "100"},
      {sqlComissaoVendedor("20240301", "20240331", kTodos), 4, sales, {}},
      {sqlComissaoVendedor("20240301", "20240331", 1), 3, sales, {}},
      {sqlComissaoVendedor("20240101", "20240131", kTodos), 6, sales, {}},
      {sqlEstornoVendedor(from, to, kTodos), 3, cancel, {}},
      {sqlEstornoVendedor(from, to, 1), 1, cancel, "20"},
      {sqlComissaoRepresentante("20240301", "20240331", kTodos), 7, others + rep, {}},
      {sqlEstornoRepresentante(from, to, kTodos), 2, reversal + others + rep, {}},
      {sqlComissaoRepresentante("20240301", "20240331", 1), 0, {}, {}},  // represents nobody
      {sqlEstornoRepresentante(from, to, 1), 0, {}, {}},
      {sqlComissaoIndicacao("2.5", "20240301", "20240331", kTodos), 8, others, {}},
      {sqlEstornoIndicacao("2.5", from, to, kTodos), 2, reversal + others, {}},
      {sqlEstornoIndicacao("2.5", from, to, 40), 1, {}, {}},
  };
  Connection c("texts");
  c.open(testsupport::fixtureConnectionString());
  for (const auto& k : cases) {
    SCOPED_TRACE(k.sql.toStdString());
    const QStringList rows = rowsOf(c, k.sql);
    ASSERT_FALSE(rows.last().startsWith("error")) << rows.last().toStdString();
    EXPECT_EQ(rows.size() - 1, k.rows);
    const QString columns = k.rows ? k.columns + common : k.columns;
    for (const QString& name : columns.split('|', Qt::SkipEmptyParts))
      EXPECT_TRUE(rows[0].contains("|" + name + "|")) << name.toStdString();
    EXPECT_TRUE(k.value.isEmpty() || rows.join('\n').contains(":" + k.value + "|"))
        << rows.join('\n').toStdString();
  }
}

// The text sent for seller sales returns the rows of the text the
// statements re-run, in the same order, value for value: on the demo
// database and on generated sales with VARCHAR and with CHAR text columns.
TEST(ComissaoSql, SentSellerTextGivesTheBuiltTextsRows) {
  const QString script = TL_SOURCE_DIR "/db/commission-sales.sql";
  const QString generated = copyOfDemo("generated.fdb", {}, script);
  const QString generatedChar = copyOfDemo("generated-char.fdb", kCharColumns, script);
  const struct {
    const char *from, *to;
    qint64 seller;
  } params[] = {{"19011231", "30001231", kTodos}, {"20240301", "20240331", kTodos},
                {"20250301", "20250331", kTodos}, {"20250315", "20250316", 1},
                {"20250101", "20251231", 3},      {"20230101", "20231231", kTodos}};
  int compared = 0;
  for (const QString& db : {testsupport::fixtureDatabase(), generated, generatedChar}) {
    Connection c("side-by-side");
    c.open(connectionTo(db));
    for (const auto& p : params) {
      SCOPED_TRACE(db.toStdString() + " " + p.from + "-" + p.to + " " + std::to_string(p.seller));
      const QStringList built = rowsOf(c, sqlComissaoVendedor(p.from, p.to, p.seller));
      const QStringList sent = rowsOf(c, sqlComissaoVendedorEnviada(p.from, p.to, p.seller));
      ASSERT_FALSE(built.value(0).startsWith("error")) << built.value(0).toStdString();
      ASSERT_EQ(sent.size(), built.size()) << sent.last().toStdString() << "\n"
                                            << built.last().toStdString();
      for (int r = 0; r < built.size(); ++r) ASSERT_EQ(sent[r], built[r]) << "row " << r;
      compared += int(built.size()) - 1;
    }
    c.close();
  }
  EXPECT_GT(compared, 700);
}
