#include "core/connection.h"

#include <QSqlError>
#include <QSqlQuery>

#include "core/errors.h"
#include "core/sqltext.h"

Connection::Connection(QString name) : name_(std::move(name)) {}

Connection::~Connection() {
  if (QSqlDatabase::contains(name_)) {
    {
      QSqlDatabase db = QSqlDatabase::database(name_, false);
      db.close();
    }
    QSqlDatabase::removeDatabase(name_);
  }
}

QMap<QString, QString> Connection::parse(const QString& connectionString) {
  QMap<QString, QString> pairs;
  for (const QString& part : connectionString.split(';')) {
    const int eq = part.indexOf('=');
    if (eq < 0) continue;
    pairs.insert(part.left(eq).trimmed().toUpper(), part.mid(eq + 1));
  }
  return pairs;
}

bool Connection::isFirebird(const QString& connectionString) {
  return parse(connectionString).value("DRIVER").compare(
             "{Firebird/InterBase(r) driver}", Qt::CaseInsensitive) == 0;
}

void Connection::open(const QString& connectionString) {
  const bool firebird = isFirebird(connectionString);
  const QString driver = firebird ? "QIBASE" : "QODBC";
  if (!QSqlDatabase::isDriverAvailable(driver))
    throw RuntimeError("Driver de banco de dados não instalado: " + driver);
  QSqlDatabase db = QSqlDatabase::addDatabase(driver, name_);
  if (firebird) {
    const auto pairs = parse(connectionString);
    db.setDatabaseName(pairs.value("DATABASE"));
    db.setUserName(pairs.value("UID"));
    db.setPassword(pairs.value("PWD"));
    db.setConnectOptions("ISC_DPB_LC_CTYPE=UTF8");
  } else {
    db.setDatabaseName(connectionString);
  }
  if (!db.open()) {
    const QString reason = db.lastError().text().trimmed();
    throw RuntimeError("Não foi possível conectar ao banco de dados." +
                       (reason.isEmpty() ? QString() : "\n" + reason));
  }
}

void Connection::close() {
  if (QSqlDatabase::contains(name_)) QSqlDatabase::database(name_, false).close();
}

bool Connection::isOpen() const {
  return QSqlDatabase::contains(name_) && QSqlDatabase::database(name_, false).isOpen();
}

QSqlDatabase Connection::database() const { return QSqlDatabase::database(name_, false); }

const QHash<QString, int>& Connection::charColumnWidths(const QString& table) const {
  auto it = charWidths_.find(table);
  if (it != charWidths_.end()) return *it;
  QHash<QString, int> widths;
  QSqlQuery q(database());
  q.setForwardOnly(true);
  if (q.exec("select trim(rf.rdb$field_name), coalesce(f.rdb$character_length, "
             "f.rdb$field_length) from rdb$relation_fields rf join rdb$fields f on "
             "f.rdb$field_name = rf.rdb$field_source where f.rdb$field_type = 14 and "
             "rf.rdb$relation_name = '" +
             sqlQuote(table) + "'"))
    while (q.next()) widths.insert(q.value(0).toString(), q.value(1).toInt());
  return *charWidths_.insert(table, widths);
}
