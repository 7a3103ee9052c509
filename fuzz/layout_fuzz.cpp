// The layout loader with the band engine: any JSON either is refused with a
// RuntimeError or lays out three rows of data into pages.
#include <QSet>

#include "core/errors.h"
#include "fuzzsupport.h"
#include "reports/bandengine.h"
#include "reports/dataenvironment.h"
#include "reports/layout.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::init();
  return 0;
}

namespace {

// A record set named rs with the given columns, each row holding text that
// is also a number, and every named child below each row.
reports::ShapedSet data(const QString& rs, const QStringList& columns,
                        const QStringList& children) {
  reports::ShapedSet set;
  set.name = rs;
  set.columns = std::make_shared<reports::ColumnSet>(columns);
  for (int r = 0; r < 3; ++r) {
    reports::ShapedRow row;
    for (int c = 0; c < columns.size(); ++c) row.values.push_back(Value::text("12,5"));
    for (const QString& child : children)
      if (child != rs) row.children.push_back(data(child, columns, {}));
    set.rows.push_back(std::move(row));
  }
  return set;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data_, size_t size) {
  try {
    reports::BandReport report;
    report.layout = reports::parseLayout(
        QByteArray(reinterpret_cast<const char*>(data_), static_cast<qsizetype>(size)), "fuzz");
    QSet<QString> columns, recordsets;
    for (const auto& section : report.layout.sections) {
      if (!section.recordset.isEmpty()) recordsets.insert(section.recordset);
      for (const auto& item : section.items) {
        if (!item.column.isEmpty()) columns.insert(item.column);
        if (!item.recordset.isEmpty()) recordsets.insert(item.recordset);
      }
    }
    const QStringList children(recordsets.begin(), recordsets.end());
    reports::layoutBandReport(
        report, data(report.layout.dataMember, QStringList(columns.begin(), columns.end()), children),
        QDateTime(QDate(2024, 3, 5), QTime(14, 7)));
  } catch (const RuntimeError&) {
  }
  return 0;
}
