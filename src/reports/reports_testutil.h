#pragma once
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include <ostream>
#include <vector>

#include "reports/dataenvironment.h"
#include "reports/layout.h"
#include "reports/pagereports.h"
#include "core/errors.h"
#include "core/masks.h"
#include "core/modcnn.h"
#include "testsupport.h"
#include "drawing/displaylist.h"
#include "drawing/painterbackend.h"
#include "ui/ui.h"


namespace reports::testutil {

inline const QDateTime kNow(QDate(2024, 3, 15), QTime(14, 5, 9));

// A run context connected to this test process's copy of the demo database.
inline std::unique_ptr<modCnn> demoContext() {
  auto m = std::make_unique<modCnn>();
  m->Cnn.open(testsupport::fixtureConnectionString());
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

// exeDir/layouts/reportPedidoSpreco.json: the compiled one with the caption
// "CLIENTE" renamed "COMPRADOR".
inline void writeLayoutOverride(const QString& exeDir) {
  QDir().mkpath(exeDir + "/layouts");
  QFile compiled(":/layouts/reportPedidoSpreco.json");
  ASSERT_TRUE(compiled.open(QIODevice::ReadOnly));
  QFile f(exeDir + "/layouts/reportPedidoSpreco.json");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(compiled.readAll().replace("\"CLIENTE\"", "\"COMPRADOR\""));
}

// The text runs of a page, in the order they were laid out.
inline std::vector<draw::TextRun> texts(const draw::Page& page) {
  std::vector<draw::TextRun> out;
  for (const draw::Item& item : page.items)
    if (const auto* run = std::get_if<draw::TextRun>(&item)) out.push_back(*run);
  return out;
}

// Every text run of the document with that text, with its page (0-based).
struct Found {
  size_t page;
  draw::TextRun run;
};
inline std::vector<Found> find(const draw::Document& doc, const QString& text) {
  std::vector<Found> out;
  for (size_t p = 0; p < doc.pages.size(); ++p)
    for (const draw::TextRun& run : texts(doc.pages[p]))
      if (run.text == text) out.push_back({p, run});
  return out;
}

// The one run of that text; a failure when there is not exactly one.
inline Found one(const draw::Document& doc, const QString& text) {
  const auto f = find(doc, text);
  if (f.size() == 1) return f[0];
  ADD_FAILURE() << f.size() << " runs of \"" << text.toStdString() << "\"";
  return {0, {}};
}

// The text of the run laid out exactly in rect on the page, "(none)" when none is.
inline QString textIn(const draw::Page& page, const QRect& rect) {
  for (const draw::TextRun& t : texts(page))
    if (t.rect == rect) return t.text;
  return "(none)";
}

inline const LayoutSection& sectionOf(const Layout& l, const QString& name) {
  for (const LayoutSection& s : l.sections)
    if (s.name == name) return s;
  throw RuntimeError("no section " + name);
}

// The item of a section whose caption, column or name is what.
inline const LayoutItem& itemOf(const Layout& l, const QString& section, const QString& what) {
  for (const LayoutItem& i : sectionOf(l, section).items)
    if (i.text == what || i.column == what || i.name == what) return i;
  throw RuntimeError("no item " + what);
}

// The height an item needs for text, wrapped in its width.
inline int neededHeight(const Layout& l, const LayoutItem& i, const QString& text) {
  draw::Font font;
  font.pointSize = i.fontSize > 0 ? i.fontSize : l.fontSize;
  font.bold = i.bold;
  return int(std::ceil(draw::textHeight(font, text, i.width, true)));
}

inline QString money(double v) { return formatMask(Value::decimal(v), "###,0.00"); }

inline double sumOf(const ShapedSet& s, const QString& column) {
  double total = 0;
  for (size_t i = 0; i < s.rows.size(); ++i) total += s.value(i, column).toDouble();
  return total;
}

// Sets the job value a code passes to its data command.
inline void setJobValue(modCnn& m, const QString& key, const QString& value) {
  if (key == "OSCOD") m.job.OSCOD = value;
  else if (key == "ENCOD") m.job.ENCOD = value;
  else if (key == "SACOD") m.job.SACOD = value;
  else if (key == "PRCOD") m.job.PRCOD = value;
  else if (key == "PCOD") m.job.PCOD = value;
  else if (key == "TBCOD") m.job.TBCOD = value.toInt();
  else throw RuntimeError("no job key " + key);
}

// The demo database with the images beside the program and a configuration
// that names the price table: what preparePageReports needs.
class Preparing : public ::testing::Test {
 protected:
  void SetUp() override {
    m_ = demoContext();
    exeDir_ = QDir(testsupport::scratchDir()).filePath("exe-images");
    QDir().mkpath(exeDir_);
    writeImages(exeDir_);
    m_->options.exeDir = exeDir_;
    m_->config.path = QDir(testsupport::scratchDir()).filePath("TL-nome.ini");
    testsupport::writeIni(m_->config.path, {{"NOME_TABELA", "TABELA DE VERÃO 2024"}});
    m_->job.NOMEEMPRESA = "BRISA NORTE CLIMATIZAÇÃO";
  }
  std::vector<PreparedReport> prepareAll(const QString& code) {
    m_->job.RELATORIO = code;
    DataEnvironment de(*m_);
    return preparePageReports(*m_, ui_, code, de, kNow);
  }
  // The one document of a code.
  draw::Document prepare(const QString& code) {
    auto reports = prepareAll(code);
    EXPECT_EQ(reports.size(), 1u) << code.toStdString();
    return reports.empty() ? draw::Document() : std::move(reports[0].document);
  }
  std::unique_ptr<modCnn> m_;
  QString exeDir_;
  ui::ScriptedUi ui_;
};

}  // namespace reports::testutil
