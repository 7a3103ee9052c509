// The least any job must do: open the embedded database and run one query.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "uso: bench_floor BANCO.fdb\n");
    return 2;
  }
  QSqlDatabase db = QSqlDatabase::addDatabase("QIBASE");
  db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
  db.setUserName("SYSDBA");
  db.setPassword("masterkey");
  db.setConnectOptions("ISC_DPB_LC_CTYPE=UTF8");
  if (!db.open()) return 1;
  QSqlQuery q(db);
  if (!q.exec("select count(*) from interveniente") || !q.next()) return 1;
  return 0;
}
