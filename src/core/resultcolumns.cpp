#include "core/resultcolumns.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QVariant>
#include <cstdint>
#include <dlfcn.h>
#include <vector>

namespace {

// The client library's statement description, as its C interface declares
// it (SQLDA_VERSION1).
struct XSqlVar {
  short sqltype, sqlscale, sqlsubtype, sqllen;
  char* sqldata;
  short* sqlind;
  short sqlname_length;
  char sqlname[32];
  short relname_length;
  char relname[32];
  short ownname_length;
  char ownname[32];
  short aliasname_length;
  char aliasname[32];
};
struct XSqlDa {
  short version;
  char sqldaid[8];
  int sqldabc;
  short sqln;
  short sqld;
  XSqlVar sqlvar[1];
};
using IscStatus = intptr_t;
using StatementHandle = unsigned int;
using Describe = IscStatus (*)(IscStatus*, StatementHandle*, unsigned short, XSqlDa*);

// isc_dsql_describe of the client library Qt's driver has loaded (never
// another copy of it).
Describe describeFunction() {
  static const Describe fn = []() -> Describe {
    void* lib = dlopen("libfbclient.so.2", RTLD_NOW | RTLD_NOLOAD);
    return lib ? reinterpret_cast<Describe>(dlsym(lib, "isc_dsql_describe")) : nullptr;
  }();
  return fn;
}

bool describeFirebird(const QSqlQuery& q, QList<ResultColumn>& out) {
  const Describe describe = describeFunction();
  const QSqlResult* result = q.result();
  if (!describe || !result) return false;
  const QVariant handle = result->handle();
  if (!handle.isValid() || handle.metaType().sizeOf() != int(sizeof(StatementHandle)))
    return false;
  StatementHandle stmt = *static_cast<const StatementHandle*>(handle.constData());
  if (!stmt) return false;
  for (int capacity = 32;;) {
    std::vector<char> buffer(sizeof(XSqlDa) + (capacity - 1) * sizeof(XSqlVar));
    auto* da = reinterpret_cast<XSqlDa*>(buffer.data());
    da->version = 1;
    da->sqln = short(capacity);
    IscStatus status[20] = {};
    describe(status, &stmt, 1, da);
    if (status[0] == 1 && status[1] != 0) return false;
    if (da->sqld > capacity) {
      capacity = da->sqld;
      continue;
    }
    out.clear();
    for (int i = 0; i < da->sqld; ++i) {
      const XSqlVar& v = da->sqlvar[i];
      // The names as Qt's driver gives them.
      out.append({QString::fromLatin1(v.aliasname, v.aliasname_length).simplified(),
                  QString::fromLatin1(v.relname, v.relname_length), v.sqltype, v.sqllen});
    }
    return true;
  }
}

}  // namespace

QList<ResultColumn> resultColumns(const QSqlQuery& q, bool firebird) {
  QList<ResultColumn> columns;
  if (firebird && describeFirebird(q, columns)) return columns;
  const QSqlRecord record = q.record();
  for (int i = 0; i < record.count(); ++i) {
    const QSqlField f = record.field(i);
    columns.append({f.name(), f.tableName(), f.typeID(), f.length()});
  }
  return columns;
}
