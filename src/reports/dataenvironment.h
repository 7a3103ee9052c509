#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "reports/datacommands.h"
#include "core/modcnn.h"
#include "core/value.h"

// The data environment of the page reports: executes a data command with its
// one argument and keeps the result, the command's record set (rsPEDIDO for
// PEDIDO), with the child record sets of each parent row.
namespace reports {

// The columns of a record set: names as the query returns them, looked up
// without regard to case (the first of equal names wins).
class ColumnSet {
 public:
  explicit ColumnSet(QStringList names);
  const QStringList& names() const { return names_; }
  int indexOf(const QString& name) const;  // -1 when missing

 private:
  QStringList names_;
  QHash<QString, int> index_;
};

struct ShapedSet;

struct ShapedRow {
  std::vector<Value> values;
  std::vector<ShapedSet> children;  // one per child record set of the command
};

// A record set with its rows in the order the query gave them.
struct ShapedSet {
  QString name;
  std::shared_ptr<const ColumnSet> columns;  // null when the query did not run
  std::vector<ShapedRow> rows;

  bool knowsColumn(const QString& column) const;
  // The value of a column of a row; throws RuntimeError naming the column
  // when the record set does not return it.
  Value value(size_t row, const QString& column) const;
  // The child record set of a row, or null when the command has none of that name.
  const ShapedSet* child(size_t row, const QString& childName) const;
};

// The command's record set as the reports see it: open (State 1) after an
// execution, closed (State 0) before the first and after Close.
class CommandRecordset {
 public:
  int State() const { return open_ ? 1 : 0; }
  void Close();
  const ShapedSet& set() const { return set_; }
  bool eof() const { return set_.rows.empty(); }

 private:
  friend class DataEnvironment;
  ShapedSet set_;
  bool open_ = false;
};

// The value by which a parent row and its child rows relate.
QString relationKey(const Value& v);

// True when the ODBC configuration (unixODBC's user and system data
// sources) defines a data source of this name, matched without regard to case.
bool odbcDataSourceDefined(const QString& name);

class DataEnvironment {
 public:
  enum class ChildRows {
    OfParentRows,  // read only the child rows of the parent rows that came back
    All,           // read the whole child query, as the shaping language states it
  };

  // The connection TL: the ODBC data source "tl" when one is defined, else
  // the program's own connection m.Cnn.
  explicit DataEnvironment(modCnn& m);
  ~DataEnvironment();
  DataEnvironment(const DataEnvironment&) = delete;
  DataEnvironment& operator=(const DataEnvironment&) = delete;

  // Runs the command with Param1 (a 32-bit integer, or text cut to 8
  // characters for OS) and leaves its record set open on the result.
  // Throws RuntimeError when a query fails.
  void execute(const QString& command, int32_t param1, ChildRows rows = ChildRows::OfParentRows);
  void execute(const QString& command, const QString& param1,
               ChildRows rows = ChildRows::OfParentRows);

  // rsC of command C.
  CommandRecordset& rs(const QString& command);

  // The connection the commands run on (opened on the first execution).
  const Connection& TL();
  bool usesOdbcDataSource() const { return own_ != nullptr; }
  // Drops the data source "tl" when this environment opened it; the record
  // sets keep the rows already read.
  void release() { own_.reset(); }

  // Rows the last execution read from the database, parent and children.
  size_t rowsRead() const { return rowsRead_; }

 private:
  void run(const DataCommand& cmd, const QString& literal, ChildRows rows);

  modCnn& m_;
  std::unique_ptr<Connection> own_;
  bool resolved_ = false;
  size_t rowsRead_ = 0;
  std::map<QString, CommandRecordset> sets_;
};

}  // namespace reports
