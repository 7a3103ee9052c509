#include "core/connection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSqlError>
#include <QSqlQuery>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "core/errors.h"
#include "core/sqltext.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

namespace {

// Where the system installed the Firebird client's root (plugins, intl,
// firebird.conf); empty when none of the usual places has the engine.
QString systemFirebirdRoot() {
  const auto hasEngine = [](const QString& root) {
    return QFile::exists(root + "/plugins/libEngine12.so");
  };
  // The usual places first: listing /usr/lib costs more than the rest of
  // this set-up, and it runs at every start.
  for (const char* c : {"/usr/lib/x86_64-linux-gnu/firebird/3.0",
                        "/usr/lib/aarch64-linux-gnu/firebird/3.0", "/usr/lib/firebird/3.0",
                        "/opt/firebird"})
    if (hasEngine(QString::fromLatin1(c))) return QString::fromLatin1(c);
  for (const QFileInfo& dir : QDir("/usr/lib").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (hasEngine(dir.filePath() + "/firebird/3.0")) return dir.filePath() + "/firebird/3.0";
  return {};
}

// The user's own folder for the engine's root (a shared temporary folder may
// forbid loading libraries); empty when it cannot be made or is not ours.
QString privateEngineRoot() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  if (base.isEmpty() || !QDir().mkpath(base)) base = QDir::tempPath();
  const QString root =
      base + "/tl_relatorios-firebird-" + QString::number(static_cast<qulonglong>(getuid()));
  const QByteArray rootBytes = QFile::encodeName(root);
  struct stat st {};
  if (mkdir(rootBytes.constData(), 0700) != 0 && errno != EEXIST) return {};
  // Only a folder of our own, never one somebody else prepared.
  if (lstat(rootBytes.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid())
    return {};
  return root;
}

// What the root is made from: while the installed root, its configuration
// and its character sets module are unchanged, the root made before serves
// as it is (this set-up runs at every start).
QByteArray engineRootStamp(const QString& system, const QString& root) {
  QByteArray stamp = QFile::encodeName(root);
  for (const QString& f : {system, system + "/firebird.conf", system + "/intl",
                           system + "/intl/libfbintl.so"}) {
    const QFileInfo info(f);
    stamp += '\n' + QFile::encodeName(f) + ' ' + QByteArray::number(info.size()) + ' ' +
             QByteArray::number(info.lastModified().toMSecsSinceEpoch());
  }
  return stamp;
}

QFileInfoList folderEntries(const QString& dir) {
  return QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

// Links to the installed root's files, except firebird.conf, and the
// character sets folder rebuilt in the root: the module is found only when
// its library lies in the root's own intl folder (a link to it is not
// taken), so the library is a copy, renewed when the installed one changes.
bool linkInstalledFiles(const QString& system, const QString& root) {
  for (const QFileInfo& entry : folderEntries(system)) {
    const QString target = root + "/" + entry.fileName();
    if (entry.fileName() == "firebird.conf") continue;
    if (entry.fileName() != "intl") {
      if (!QFileInfo(target).isSymLink()) QFile::link(entry.absoluteFilePath(), target);
      continue;
    }
    // An old link to the system's folder goes: nothing is ever written there.
    if (QFileInfo(target).isSymLink()) QFile::remove(target);
    QDir().mkpath(target);
    for (const QFileInfo& file : folderEntries(entry.absoluteFilePath())) {
      const QString inRoot = target + "/" + file.fileName();
      if (!file.fileName().endsWith(".so")) {
        if (!QFileInfo(inRoot).isSymLink()) QFile::link(file.absoluteFilePath(), inRoot);
      } else if (QFileInfo(inRoot).size() != file.size() ||
                 QFileInfo(inRoot).lastModified() < file.lastModified()) {
        const QString fresh = inRoot + ".new" + QString::number(getpid());
        QFile::remove(fresh);
        if (!QFile::copy(file.absoluteFilePath(), fresh)) return false;
        if (std::rename(QFile::encodeName(fresh).constData(),
                        QFile::encodeName(inRoot).constData()) != 0)
          return false;
      }
    }
  }
  return true;
}

// The installed configuration with the server mode replaced by SuperClassic.
bool writeSharedConfiguration(const QString& system, const QString& root) {
  QFile systemConf(system + "/firebird.conf");
  QByteArray conf;
  if (systemConf.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : systemConf.readAll().split('\n'))
      if (!line.trimmed().startsWith("ServerMode")) conf += line + '\n';
  }
  conf += "# tl_relatorios: several processes may open one database file at once\n"
          "ServerMode = SuperClassic\n";
  QFile current(root + "/firebird.conf");
  if (current.open(QIODevice::ReadOnly) && current.readAll() == conf) return true;
  current.close();
  // Written aside and renamed: a process starting meanwhile reads a whole file.
  QSaveFile out(root + "/firebird.conf");
  return out.open(QIODevice::WriteOnly) && out.write(conf) == conf.size() && out.commit();
}

// The embedded engine's default mode (Super) opens a database file
// exclusively: while one process has it, every other gets "Database already
// opened with engine instance". The program gives the engine a root of its
// own, the system's files linked plus a copy of firebird.conf with ServerMode
// SuperClassic, in which each process opens the file shared, coordinating
// through the engine's lock files. The system's configuration is not
// touched; a FIREBIRD the user set is kept.
void shareEmbeddedDatabases() {
  static bool done = false;
  if (done) return;
  done = true;
  if (qEnvironmentVariableIsSet("FIREBIRD")) return;
  const QString system = systemFirebirdRoot();
  if (system.isEmpty()) return;
  const QString root = privateEngineRoot();
  if (root.isEmpty()) return;
  const QByteArray stamp = engineRootStamp(system, root);
  const QString stampPath = root + "/.tl_relatorios";
  {
    QFile made(stampPath);
    if (made.open(QIODevice::ReadOnly) && made.readAll() == stamp &&
        QFile::exists(root + "/firebird.conf")) {
      qputenv("FIREBIRD", QFile::encodeName(root));
      return;
    }
  }
  if (!linkInstalledFiles(system, root) || !writeSharedConfiguration(system, root)) return;
  QSaveFile made(stampPath);
  if (made.open(QIODevice::WriteOnly) && made.write(stamp) == stamp.size()) made.commit();
  qputenv("FIREBIRD", QFile::encodeName(root));
}

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

Connection::~Connection() { release(); }

void Connection::release() {
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
  if (firebird) shareEmbeddedDatabases();  // before the client library reads its configuration
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
