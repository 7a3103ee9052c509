#pragma once
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>
#include <ostream>
#include <vector>

#include "reports/dataenvironment.h"
#include "startup/modcnn.h"
#include "testsupport.h"
#include "textprint/displaylist.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace reports::testutil {

// A run context connected to this test process's copy of the demo database.
inline std::unique_ptr<modCnn> demoContext() {
  auto m = std::make_unique<modCnn>();
  m->Cnn.open("driver={Firebird/InterBase(r) driver};server=;uid=SYSDBA;Pwd=masterkey;database=" +
              testsupport::fixtureDatabase());
  return m;
}

// Header and footer images written as JPEG files into dir.
inline void writeImages(const QString& dir) {
  for (const char* name : {"cabecalho.jpg", "rodape.jpg"}) {
    QImage image(400, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(10, 10, 380, 30, Qt::darkBlue);
    p.end();
    image.save(QDir(dir).filePath(name), "JPG");
  }
}

// The text runs of a page, in the order they were laid out.
inline std::vector<draw::TextRun> texts(const draw::Page& page) {
  std::vector<draw::TextRun> out;
  for (const draw::Item& item : page.items)
    if (const auto* run = std::get_if<draw::TextRun>(&item)) out.push_back(*run);
  return out;
}

// Every text run of the document with its page (0-based).
struct Found {
  size_t page;
  draw::TextRun run;
};
inline std::vector<Found> find(const draw::Document& doc, const QString& text) {
  std::vector<Found> out;
  for (size_t p = 0; p < doc.pages.size(); ++p)
    for (const draw::Item& item : doc.pages[p].items)
      if (const auto* run = std::get_if<draw::TextRun>(&item))
        if (run->text == text) out.push_back({p, *run});
  return out;
}

}  // namespace reports::testutil
