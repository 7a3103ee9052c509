#include "reports/dataenvironment.h"

#include <QProcess>
#include <QSet>
#include <atomic>

#include "core/errors.h"
#include "core/sqltext.h"

namespace reports {

namespace {

// Parent keys per child query: Firebird takes at most 1500 values in one IN list.
constexpr int kKeysPerQuery = 500;

QString literalOf(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Integer:
      return QString::number(static_cast<qint64>(v.toDouble()));
    case Value::Kind::Decimal:
      return QString::number(v.toDouble(), 'g', 17);
    case Value::Kind::Date:
      return "'" + v.dateTimeValue().date().toString("yyyy-MM-dd") + "'";
    case Value::Kind::DateTime:
      return "'" + v.dateTimeValue().toString("yyyy-MM-dd hh:mm:ss") + "'";
    default:
      return "'" + sqlQuote(v.toText()) + "'";
  }
}

bool relates(const Value& v) { return !v.isNull() && !v.isEmpty(); }

ShapedSet readQuery(const QString& name, const QString& sql, const Connection& cnn,
                    size_t& rowsRead) {
  Recordset rs;
  rs.open(sql, cnn, "dados " + name + " do relatório");
  const QStringList names = rs.fieldNames();
  ShapedSet set;
  set.name = name;
  set.columns = std::make_shared<ColumnSet>(names);
  while (!rs.eof()) {
    ShapedRow row;
    row.values.reserve(names.size());
    for (const QString& column : names) row.values.push_back(rs.field(column));
    set.rows.push_back(std::move(row));
    ++rowsRead;
    rs.MoveNext();
  }
  rs.Close();
  return set;
}

int relationColumn(const ShapedSet& set, const QString& column) {
  if (!set.columns) return -1;
  const int i = set.columns->indexOf(column);
  if (i < 0 && !set.rows.empty())
    throw RuntimeError("Coluna de relação " + column + " não encontrada em " + set.name + ".");
  return i;
}

// Gives every row of parents its child record set of node, in the order of
// the child query, and below them their own children.
void attachChildren(ShapedSet& parents, const ShapeNode& node, const Connection& cnn,
                    DataEnvironment::ChildRows mode, size_t& rowsRead) {
  for (const ShapeNode& childNode : node.children) {
    const int parentColumn = relationColumn(parents, childNode.parentColumn);
    QStringList literals;
    QSet<QString> seen;
    if (parentColumn >= 0) {
      for (const ShapedRow& row : parents.rows) {
        const Value& v = row.values[parentColumn];
        if (!relates(v)) continue;
        const QString key = relationKey(v);
        if (seen.contains(key)) continue;
        seen.insert(key);
        literals << literalOf(v);
      }
    }

    ShapedSet all;
    all.name = childNode.name;
    if (mode == DataEnvironment::ChildRows::All) {
      all = readQuery(childNode.name, childNode.sql, cnn, rowsRead);
    } else {
      for (qsizetype at = 0; at < literals.size(); at += kKeysPerQuery) {
        ShapedSet part = readQuery(
            childNode.name,
            filterByKeys(childNode.sql, childNode.filterColumn, literals.mid(at, kKeysPerQuery)),
            cnn, rowsRead);
        all.columns = part.columns;
        for (ShapedRow& r : part.rows) all.rows.push_back(std::move(r));
      }
    }
    attachChildren(all, childNode, cnn, mode, rowsRead);

    QHash<QString, std::vector<size_t>> byKey;
    const int childColumn = relationColumn(all, childNode.childColumn);
    if (childColumn >= 0) {
      for (size_t i = 0; i < all.rows.size(); ++i) {
        const Value& v = all.rows[i].values[childColumn];
        if (relates(v)) byKey[relationKey(v)].push_back(i);
      }
    }
    // A child row goes to its last parent by move; only parents that share
    // a key before it get copies.
    std::vector<QString> keys(parents.rows.size());
    std::vector<bool> related(parents.rows.size(), false);
    QHash<QString, size_t> lastParent;
    for (size_t p = 0; p < parents.rows.size(); ++p) {
      const ShapedRow& parent = parents.rows[p];
      if (parentColumn >= 0 && relates(parent.values[parentColumn])) {
        keys[p] = relationKey(parent.values[parentColumn]);
        related[p] = true;
        lastParent[keys[p]] = p;
      }
    }
    for (size_t p = 0; p < parents.rows.size(); ++p) {
      ShapedSet children;
      children.name = childNode.name;
      children.columns = all.columns;
      if (related[p]) {
        const auto it = byKey.constFind(keys[p]);
        if (it != byKey.constEnd()) {
          const bool last = lastParent.value(keys[p]) == p;
          children.rows.reserve(it->size());
          for (size_t i : *it)
            children.rows.push_back(last ? std::move(all.rows[i]) : all.rows[i]);
        }
      }
      parents.rows[p].children.push_back(std::move(children));
    }
  }
}

}  // namespace

// The relation compares values: 12, 12.0 and '12' relate alike, and so do a
// CHAR key padded with blanks and the same key in a VARCHAR column, as the
// database itself compares them.
QString relationKey(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Date:
    case Value::Kind::DateTime:
    case Value::Kind::Time:
      return v.dateTimeValue().toString(Qt::ISODate);
    default: {
      QString key = v.toText();
      while (key.endsWith(' ')) key.chop(1);
      return key;
    }
  }
}

ColumnSet::ColumnSet(QStringList names) : names_(std::move(names)) {
  for (int i = 0; i < names_.size(); ++i) {
    const QString key = names_[i].toUpper();
    if (!index_.contains(key)) index_.insert(key, i);
  }
}

int ColumnSet::indexOf(const QString& name) const { return index_.value(name.toUpper(), -1); }

bool ShapedSet::knowsColumn(const QString& column) const {
  return columns && columns->indexOf(column) >= 0;
}

Value ShapedSet::value(size_t row, const QString& column) const {
  const int i = columns ? columns->indexOf(column) : -1;
  if (i < 0)
    throw RuntimeError("Campo de dados não encontrado: " + column + " em " + name + ".");
  if (row >= rows.size()) return Value();
  return rows[row].values[i];
}

const ShapedSet* ShapedSet::child(size_t row, const QString& childName) const {
  if (row >= rows.size()) return nullptr;
  for (const ShapedSet& c : rows[row].children)
    if (c.name.compare(childName, Qt::CaseInsensitive) == 0) return &c;
  return nullptr;
}

void CommandRecordset::Close() {
  set_ = ShapedSet{};
  open_ = false;
}

bool odbcDataSourceDefined(const QString& name) {
  QProcess p;
  p.start("odbcinst", {"-q", "-s"});
  if (!p.waitForStarted(5000)) return false;
  if (!p.waitForFinished(10000)) {
    p.kill();
    p.waitForFinished();
    return false;
  }
  const QStringList lines = QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n');
  for (QString line : lines) {
    line = line.trimmed();
    if (line.startsWith('[') && line.endsWith(']') &&
        line.mid(1, line.size() - 2).trimmed().compare(name, Qt::CaseInsensitive) == 0)
      return true;
  }
  return false;
}

DataEnvironment::DataEnvironment(modCnn& m) : m_(m) {}

DataEnvironment::~DataEnvironment() = default;

const Connection& DataEnvironment::TL() {
  if (!resolved_) {
    if (odbcDataSourceDefined("tl")) {
      static std::atomic<int> serial{0};
      auto cnn = std::make_unique<Connection>("TL" + QString::number(++serial));
      cnn->open("DSN=tl");
      own_ = std::move(cnn);
    }
    resolved_ = true;
  }
  if (own_) return *own_;
  if (!m_.Cnn.isOpen()) throw RuntimeError("A conexão com o banco de dados não está aberta.");
  return m_.Cnn;
}

void DataEnvironment::execute(const QString& command, int32_t param1, ChildRows rows) {
  const DataCommand& cmd = dataCommand(command);
  if (cmd.param != ParamType::Integer32)
    throw RuntimeError("O comando " + command + " espera um texto.");
  run(cmd, QString::number(param1), rows);
}

void DataEnvironment::execute(const QString& command, const QString& param1, ChildRows rows) {
  const DataCommand& cmd = dataCommand(command);
  if (cmd.param != ParamType::Text8)
    throw RuntimeError("O comando " + command + " espera um número inteiro.");
  // The parameter is declared as text of 8 characters.
  run(cmd, "'" + sqlQuote(param1.left(8)) + "'", rows);
}

void DataEnvironment::run(const DataCommand& cmd, const QString& literal, ChildRows rows) {
  CommandRecordset& target = rs(cmd.name);
  target.Close();
  const Connection& cnn = TL();
  rowsRead_ = 0;
  ShapedSet set = readQuery(cmd.name, bindParam1(cmd.shape.sql, literal), cnn, rowsRead_);
  attachChildren(set, cmd.shape, cnn, rows, rowsRead_);
  target.set_ = std::move(set);
  target.open_ = true;
}

CommandRecordset& DataEnvironment::rs(const QString& command) {
  dataCommand(command);  // only the commands have record sets
  return sets_[command];
}

}  // namespace reports
