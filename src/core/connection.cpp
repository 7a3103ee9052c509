#include "core/connection.h"

#include <QSqlError>
#include <QSqlQuery>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "core/errors.h"
#include "core/sqltext.h"

namespace {

// The database client waits minutes for a server that accepts the
// connection and never answers. The connection is made before anything is
// written, so ending the process after a bounded wait loses nothing.
class ConnectDeadline {
 public:
  explicit ConnectDeadline(QString target) : target_(std::move(target)) {
    watcher_ = std::thread([this] {
      std::unique_lock lock(mutex_);
      if (done_.wait_for(lock, kConnectTimeout, [this] { return finished_; })) return;
      const QByteArray text = ("tl_relatorios: erro: Não foi possível conectar ao banco de dados" +
                               (target_.isEmpty() ? QString() : " " + target_) + ": o servidor não respondeu em " +
                               QString::number(kConnectTimeout.count()) + " segundos.\n")
                                  .toUtf8();
      std::fwrite(text.constData(), 1, text.size(), stderr);
      std::fflush(stderr);
      std::_Exit(1);
    });
  }
  ~ConnectDeadline() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_one();
    watcher_.join();
  }

 private:
  static constexpr std::chrono::seconds kConnectTimeout{10};
  QString target_;
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread watcher_;
};

}  // namespace

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
  bool opened = false;
  {
    ConnectDeadline deadline(firebird ? db.databaseName() : QString());
    opened = db.open();
  }
  if (!opened) {
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
  if (q.lastError().type() != QSqlError::NoError)
    throw RuntimeError("Erro ao ler as colunas da tabela " + table + ": " +
                       q.lastError().text().trimmed());
  return *charWidths_.insert(table, widths);
}
