#pragma once
#include <QSqlDatabase>
#include <QSqlDriver>

#include "core/modcnn.h"

// The queries of one text document share one transaction: every transaction
// of the embedded engine costs synchronous writes to the database file,
// several times the work of a small query. One snapshot also gives the
// document a consistent view of the rows it joins. A reader declares its
// record sets after this object, so they close before the transaction ends,
// on failure too; the shared ones are closed here as well.
class DocumentTransaction {
 public:
  explicit DocumentTransaction(modCnn& m) : m_(m), db_(m.Cnn.database()) {
    started_ = db_.isOpen() && db_.driver()->hasFeature(QSqlDriver::Transactions) &&
               db_.transaction();
  }
  ~DocumentTransaction() {
    m_.FECHARS();
    m_.FECHARS2();
    if (started_) db_.commit();  // nothing was written: commit and rollback are alike
  }
  DocumentTransaction(const DocumentTransaction&) = delete;
  DocumentTransaction& operator=(const DocumentTransaction&) = delete;

 private:
  modCnn& m_;
  QSqlDatabase db_;
  bool started_ = false;
};
