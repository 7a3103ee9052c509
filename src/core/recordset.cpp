#include "core/recordset.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QRegularExpression>

#include "core/connection.h"
#include "core/errors.h"
#include "core/resultcolumns.h"

namespace {

QString describe(const QSqlError& e) {
  QString t = e.text().trimmed();
  return t.isEmpty() ? QStringLiteral("erro desconhecido") : t;
}

// What a query reads, for messages: "SAIDA" from "select ... from SAIDA s ...".
QString purposeOf(const QString& sql) {
  static const QRegularExpression from(QStringLiteral("\\bfrom\\s+([A-Za-z0-9_$]+)"),
                                       QRegularExpression::CaseInsensitiveOption);
  const auto match = from.match(sql);
  return match.hasMatch() ? match.captured(1).toUpper() : QStringLiteral("consulta");
}

}  // namespace

void Recordset::open(const QString& sql, const Connection& cnn, const QString& purpose) {
  Close();
  sql_ = sql;
  purpose_ = purpose.isEmpty() ? purposeOf(sql) : purpose;
  auto q = std::make_unique<QSqlQuery>(cnn.database());
  q->setForwardOnly(true);
  if (!q->exec(sql))
    throw RuntimeError("Erro ao consultar o banco de dados (" + purpose_ + "): " +
                       describe(q->lastError()) + "\n" + sql);
  // Described once per query, without the catalogue queries of record().
  const bool firebird = cnn.database().driverName() == "QIBASE";
  const QList<ResultColumn> columns = resultColumns(*q, firebird);
  names_.clear();
  charWidths_.fill(0, columns.size());
  columns_.clear();
  for (qsizetype i = columns.size() - 1; i >= 0; --i) columns_.insert(columns[i].name.toUpper(), int(i));
  for (qsizetype i = 0; i < columns.size(); ++i) {
    const ResultColumn& c = columns[i];
    names_ << c.name;
    // Over the UTF8 connection the Firebird driver pads a CHAR(n) value to
    // 4n characters; its declared width comes from the catalogue when the
    // column is a table's own (an expression is converted to UTF8).
    if (firebird && (c.sqlType & ~1) == 452 /*SQL_TEXT*/) {
      const int width =
          c.table.isEmpty() ? -1 : cnn.charColumnWidths(c.table).value(c.name, -1);
      charWidths_[i] = width > 0 ? width : (c.length > 0 ? c.length / 4 : 0);
    }
  }
  query_ = std::move(q);
  fetch();
}

// A failed fetch is an error, not the end of the rows: a document made of
// the rows read so far would be reported as whole.
void Recordset::fetch() {
  eof_ = !query_->next();
  if (eof_ && query_->lastError().type() != QSqlError::NoError) {
    const QString reason = describe(query_->lastError());
    Close();
    throw RuntimeError("Erro ao ler os registros do banco de dados (" + purpose_ + "): " + reason);
  }
}

void Recordset::MoveNext() {
  if (!query_) throw RuntimeError("O conjunto de registros está fechado.");
  if (eof_) throw RuntimeError("Não há registro atual (fim do conjunto de registros).");
  fetch();
}

void Recordset::Close() {
  if (query_) {
    query_->finish();
    query_.reset();
  }
  names_.clear();
  columns_.clear();
  charWidths_.clear();
  eof_ = true;
}

int Recordset::indexOf(const QString& name) const {
  const int i = columns_.value(name.toUpper(), -1);  // without regard to case
  if (i < 0) throw RuntimeError("Item não encontrado na coleção: " + name);
  return i;
}

bool Recordset::hasField(const QString& name) const { return columns_.contains(name.toUpper()); }

QStringList Recordset::fieldNames() const { return names_; }

Value Recordset::field(const QString& name) const {
  const int i = indexOf(name);
  if (!query_ || eof_)
    throw RuntimeError("Não há registro atual para ler o campo " + name + ".");
  return field(i);
}

Value Recordset::field(int i) const {
  if (!query_ || eof_)
    throw RuntimeError("Não há registro atual para ler o campo " + names_.value(i) + ".");
  const QVariant v = query_->value(i);
  if (charWidths_[i] > 0 && !v.isNull()) return Value::text(v.toString().left(charWidths_[i]));
  return Value::fromVariant(v);
}
