// The service-order, purchase, stock-issue, kit, production and price-table
// reports: the dispatcher's notes a, b and d, and each report laid out from
// the demo database, in process and end to end.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <cmath>

#include "reports/pagereports.h"
#include "reports/reports_testutil.h"
#include "startup/errors.h"
#include "startup/masks.h"
#include "textprint/painterbackend.h"
#include "ui/ui.h"

namespace reports {
namespace {

using testutil::find;
using testutil::texts;

const QDateTime kNow(QDate(2024, 3, 15), QTime(9, 30));

struct Job {
  const char* code;
  const char* key;
  const char* value;
};
const Job kJobs[] = {
    {"osvisita", "OSCOD", "1"},        {"ose", "OSCOD", "1"},
    {"os", "OSCOD", "1"},              {"pedidocompra", "ENCOD", "1"},
    {"pedidocomprac", "ENCOD", "1"},   {"saidaresumida", "SACOD", "501"},
    {"cadastro_kit", "PRCOD", "60"},   {"pedido_producao", "PCOD", "1"},
    {"tabela_preco", "TBCOD", "1"},
};

class OtherReports : public ::testing::Test {
 protected:
  void SetUp() override {
    m_ = testutil::demoContext();
    const QString dir = QDir(testsupport::scratchDir()).filePath("other-images");
    QDir().mkpath(dir);
    testutil::writeImages(dir);
    m_->options.exeDir = dir;
    m_->config.path = QDir(testsupport::scratchDir()).filePath("TL-other.ini");
    testsupport::writeIni(m_->config.path, {{"NOME_TABELA", "TABELA DE VERÃO 2024"}});
    m_->job.NOMEEMPRESA = "BRISA NORTE CLIMATIZAÇÃO";
  }
  void setKey(const QString& key, const QString& value) {
    if (key == "OSCOD") m_->job.OSCOD = value;
    else if (key == "ENCOD") m_->job.ENCOD = value;
    else if (key == "SACOD") m_->job.SACOD = value;
    else if (key == "PRCOD") m_->job.PRCOD = value;
    else if (key == "PCOD") m_->job.PCOD = value;
    else if (key == "TBCOD") m_->job.TBCOD = value.toInt();
  }
  draw::Document prepare(const QString& code) {
    DataEnvironment de(*m_);
    auto reports = preparePageReports(*m_, ui_, code, de, kNow);
    EXPECT_EQ(reports.size(), 1u);
    return std::move(reports[0].document);
  }
  ShapedSet command(const QString& name, int key) {
    DataEnvironment de(*m_);
    de.execute(name, key);
    return de.rs(name).set();
  }
  std::unique_ptr<modCnn> m_;
  ui::ScriptedUi ui_;
};

const LayoutItem& itemOf(const Layout& l, const QString& section, const QString& what) {
  for (const LayoutSection& s : l.sections)
    if (s.name == section)
      for (const LayoutItem& i : s.items)
        if (i.text == what || i.column == what || i.name == what) return i;
  throw RuntimeError("no item " + what);
}

int sectionHeight(const Layout& l, const QString& section) {
  for (const LayoutSection& s : l.sections)
    if (s.name == section) return s.height;
  return 0;
}

TEST_F(OtherReports, EveryReportIsLaidOutFromTheDemoDatabase) {
  for (const Job& j : kJobs) {
    setKey(j.key, j.value);
    const draw::Document doc = prepare(j.code);
    const Preparation* p = preparation(j.code);
    EXPECT_EQ(doc.title, loadLayout(p->report, QString()).title) << j.code;
    ASSERT_GE(doc.pages.size(), 1u) << j.code;
    // The parent row's key is printed (the price table's only in its rows).
    size_t runs = 0;
    for (const draw::Page& page : doc.pages) runs += texts(page).size();
    EXPECT_GT(runs, 10u) << j.code;
    EXPECT_EQ(doc.orientation, QString(j.code) == "pedidocompra" ? draw::Orientation::Landscape
                                                                 : draw::Orientation::Portrait)
        << j.code;
  }
}

TEST_F(OtherReports, TheServiceOrderTotalIsTheSumOfItsRows) {
  m_->job.OSCOD = "1";
  const draw::Document doc = prepare("os");
  DataEnvironment de(*m_);
  de.execute("OS", QString("1"));
  const ShapedSet* rows = de.rs("OS").set().child(0, "SERVICO");
  ASSERT_EQ(rows->rows.size(), 3u);
  double total = 0;
  for (size_t i = 0; i < rows->rows.size(); ++i) total += rows->value(i, "ITOSVRTOTAL").toDouble();
  const QString printed = formatMask(Value::decimal(total), "###,0.00");
  EXPECT_EQ(printed, "554,75");
  const Layout l = loadLayout("reportOS", QString());
  const LayoutItem& sum = itemOf(l, "OS_Footer", "ITOSVRTOTAL");
  const auto found = find(doc, printed);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].run.rect.left(), 210 + sum.left);
  EXPECT_EQ(found[0].run.align, draw::Align::Right);
  // Each row once, in the order of the item type.
  for (size_t i = 0; i < 3; ++i)
    EXPECT_EQ(find(doc, rows->value(i, "ITOSNOME").toText()).size(), 1u);
}

TEST_F(OtherReports, AServiceOrderWithoutPartsPrintsItsBlockAndNoRows) {
  m_->job.OSCOD = "3";
  const draw::Document doc = prepare("os");
  const Layout l = loadLayout("reportOS", QString());
  EXPECT_EQ(find(doc, "ORDEM DE SERVIÇOS").size(), 1u);
  // No detail row: nothing at the detail's description column.
  const LayoutItem& name = itemOf(l, "SERVICO_Detail", "ITOSNOME");
  for (const draw::TextRun& t : texts(doc.pages[0]))
    EXPECT_FALSE(t.rect.left() == 210 + name.left && t.rect.width() == name.width) << t.text.toStdString();
  EXPECT_EQ(find(doc, "0,00").size(), 1u);  // the total of no rows
}

TEST_F(OtherReports, ALongDefectDescriptionPushesWhatFollows) {
  m_->job.OSCOD = "2";
  const draw::Document doc = prepare("os");
  const Layout l = loadLayout("reportOS", QString());
  const LayoutItem& defect = itemOf(l, "OS_Header", "OSDEFEITO");
  ASSERT_TRUE(defect.grow);
  DataEnvironment de(*m_);
  de.execute("OS", QString("2"));
  const QString text = de.rs("OS").set().value(0, "OSDEFEITO").toText();
  ASSERT_GT(text.size(), 600);
  draw::Font font;
  font.pointSize = defect.fontSize > 0 ? defect.fontSize : l.fontSize;
  const int growth = int(std::ceil(draw::textHeight(font, text, defect.width, true))) - defect.height;
  ASSERT_GT(growth, 0);
  const int sectionTop = 300 + sectionHeight(l, "PageHeader");
  const auto run = find(doc, text);
  ASSERT_EQ(run.size(), 1u);
  EXPECT_EQ(run[0].run.rect, QRect(210 + defect.left, sectionTop + defect.top, defect.width, defect.height + growth));
  // The items designed below it moved down by the growth.
  const LayoutItem& parts = itemOf(l, "OS_Header", "PEÇAS E SERVIÇOS");
  ASSERT_GE(parts.top, defect.bottom());
  const auto title = find(doc, "PEÇAS E SERVIÇOS");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].run.rect.top(), sectionTop + parts.top + growth);
}

TEST_F(OtherReports, CompanyAndCustomerCaptionsOfTheServiceOrder) {
  const Layout l = loadLayout("reportOSE", QString());
  const LayoutItem& customer = itemOf(l, "PageFooter", "lbl_cliente");
  const LayoutItem& company = itemOf(l, "PageFooter", "lbl_empresa");
  auto captionAt = [](const draw::Document& doc, const LayoutItem& item) {
    QString text;
    for (const draw::TextRun& t : texts(doc.pages.back()))
      if (t.rect.left() == 210 + item.left && t.rect.width() == item.width) text = t.text;
    return text;
  };
  m_->job.OSCOD = "1";
  draw::Document doc = prepare("ose");
  EXPECT_EQ(captionAt(doc, customer), "JOSÉ D'ÁVILA");
  EXPECT_EQ(captionAt(doc, company), "BRISA NORTE CLIMATIZAÇÃO");
  EXPECT_EQ(m_->Rs.State(), 0);
  // Order 4's customer does not exist: the caption keeps its design text
  // (and the report has no row, the command joining the customer).
  m_->job.OSCOD = "4";
  doc = prepare("ose");
  EXPECT_EQ(captionAt(doc, customer), customer.text);
  EXPECT_TRUE(find(doc, "ORDEM DE SERVIÇOS").empty());
  // The same for "os"; "osvisita" sets neither.
  m_->job.OSCOD = "1";
  EXPECT_EQ(find(prepare("os"), "JOSÉ D'ÁVILA").size() >= 1, true);
  EXPECT_TRUE(find(prepare("osvisita"), "BRISA NORTE CLIMATIZAÇÃO").empty());
}

TEST_F(OtherReports, TheStockIssueShowsItsMessagesAndSumsQuantityAndTotal) {
  m_->job.SACOD = "501";
  const draw::Document doc = prepare("saidaresumida");
  ASSERT_EQ(ui_.shown.size(), 3u);
  EXPECT_EQ(ui_.texts(), QStringList({"Carrega0", "Carrega1", "Carrega2"}));
  for (const auto& s : ui_.shown) {
    EXPECT_EQ(s.title, "tl_relatorios");
    EXPECT_EQ(s.icon, ui::Icon::None);
    EXPECT_EQ(s.buttons, ui::Buttons::Ok);
  }
  EXPECT_EQ(find(doc, "BRISA NORTE CLIMATIZAÇÃO").size(), 1u);  // lbl_empresa in the page header
  DataEnvironment de(*m_);
  de.execute("SR", 501);
  const ShapedSet* items = de.rs("SR").set().child(0, "SRITENS");
  double quantity = 0, total = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) {
    quantity += items->value(i, "ITQTD").toDouble();
    total += items->value(i, "ITVRTOTAL").toDouble();
  }
  EXPECT_EQ(find(doc, formatMask(Value::decimal(quantity), "###,0.00")).size(), 1u);
  EXPECT_EQ(find(doc, formatMask(Value::decimal(total), "###,0.00")).size(), 1u);
  EXPECT_EQ(formatMask(Value::decimal(total), "###,0.00"), "526,60");
}

TEST_F(OtherReports, TheStockIssueSaysItClosesItsRecordSetOnlyWhenItWasOpen) {
  m_->job.SACOD = "501";
  DataEnvironment de(*m_);
  preparePageReports(*m_, ui_, "saidaresumida", de, kNow);
  ASSERT_EQ(de.rs("SR").State(), 1);
  ui_.shown.clear();
  const auto again = preparePageReports(*m_, ui_, "saidaresumida", de, kNow);
  EXPECT_EQ(ui_.texts(), QStringList({"Carrega0", "Carrega1", "Fecha conexao", "Carrega2"}));
  for (const auto& s : ui_.shown) {
    EXPECT_EQ(s.title, "tl_relatorios");
    EXPECT_EQ(s.icon, ui::Icon::None);
    EXPECT_EQ(s.buttons, ui::Buttons::Ok);
  }
  EXPECT_EQ(de.rs("SR").State(), 1);
  EXPECT_EQ(find(again[0].document, "526,60").size(), 1u);
}

TEST_F(OtherReports, AProductionItemWithoutMaterialPrintsItsBlockAlone) {
  m_->job.PCOD = "1";
  const draw::Document doc = prepare("pedido_producao");
  DataEnvironment de(*m_);
  de.execute("PRODUCAO", 1);
  const ShapedSet* items = de.rs("PRODUCAO").set().child(0, "PROITENS");
  ASSERT_EQ(items->rows.size(), 3u);
  const Layout l = loadLayout("reportPRO", QString());
  const LayoutItem& material = itemOf(l, "PROMPITENS_Detail", "MPNOME");
  // Every item's block: its name, then its materials, then its footer.
  std::vector<std::pair<size_t, int>> blocks;  // (page, top) of each item name
  size_t materials = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) {
    const auto name = find(doc, items->value(i, "ITNOME").toText());
    ASSERT_EQ(name.size(), 1u);
    blocks.push_back({name[0].page, name[0].run.rect.top()});
    materials += items->child(i, "PROMPITENS")->rows.size();
  }
  size_t printed = 0;
  for (const draw::Page& page : doc.pages)
    for (const draw::TextRun& t : texts(page))
      printed += t.rect.left() == 200 + material.left && t.rect.width() == material.width;
  EXPECT_EQ(printed, materials);
  EXPECT_EQ(find(doc, "MÁQUINA EMBALAGEM").size(), 3u);
  size_t alone = 0;
  for (size_t i = 0; i < items->rows.size(); ++i)
    if (items->child(i, "PROMPITENS")->rows.empty()) {
      ++alone;
      // The block's material titles are directly followed by its footer.
      const LayoutItem& title = itemOf(l, "PROITENS_Header", "MATERIAL");
      const auto titles = find(doc, "MATERIAL");
      ASSERT_EQ(titles.size(), 3u);
      const auto& mine = titles[i];
      const auto footers = find(doc, "MÁQUINA EMBALAGEM");
      const LayoutItem& footerTitle = itemOf(l, "PROITENS_Footer", "MÁQUINA EMBALAGEM");
      EXPECT_EQ(footers[i].run.rect.top(),
                mine.run.rect.top() - title.top + sectionHeight(l, "PROITENS_Header") + footerTitle.top);
    }
  EXPECT_EQ(alone, 1u);
}

TEST_F(OtherReports, ThePriceTableCaptionComesFromTheConfiguration) {
  m_->job.TBCOD = 1;
  const Layout l = loadLayout("reportTabelaPreco", QString());
  const LayoutItem& label = itemOf(l, "PageHeader", "Label2");
  auto label2 = [&](const draw::Document& doc) {
    QString text = "(none)";
    for (const draw::TextRun& t : texts(doc.pages[0]))
      if (t.rect.topLeft() == QPoint(200 + label.left, 200 + label.top) && t.rect.width() == label.width)
        text = t.text;
    return text;
  };
  const QString named = label2(prepare("tabela_preco"));
  EXPECT_EQ(named, QString("TABELA DE VERÃO 2024"));
  testsupport::writeIni(m_->config.path, {{"OUTRA", "x"}});
  EXPECT_EQ(label2(prepare("tabela_preco")), "");
  // The bottom margin is the layout's 1440: no row ends below it.
  const draw::Document doc = prepare("tabela_preco");
  for (const draw::Page& page : doc.pages)
    for (const draw::TextRun& t : texts(page)) EXPECT_LE(t.rect.bottom(), 16838 - 1440);
}

TEST_F(OtherReports, ThePurchaseOrderIsLandscape) {
  m_->job.ENCOD = "1";
  const draw::Document doc = prepare("pedidocompra");
  EXPECT_EQ(doc.orientation, draw::Orientation::Landscape);
  const Layout l = loadLayout("reportPedCompra", QString());
  EXPECT_EQ(l.width, 15480);
  // The widest items reach past a portrait sheet.
  int right = 0;
  for (const draw::TextRun& t : texts(doc.pages[0])) right = std::max(right, t.rect.right());
  EXPECT_GT(right, 11906);
  EXPECT_LE(right, 16838);
}

// --- end to end: each report once through the program, read back from its PDF ---

class OtherReportsEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = QDir(testsupport::scratchDir()).filePath("e2e-other");
    QDir().mkpath(dir_);
    const QString exe = qEnvironmentVariable("TL_EXE", TL_BINARY_DIR "/tl_relatorios");
    QFile::remove(dir_ + "/tl_relatorios");
    ASSERT_TRUE(QFile::copy(exe, dir_ + "/tl_relatorios"));
    QFile::setPermissions(dir_ + "/tl_relatorios", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(dir_ + "/demo.fdb");
    ASSERT_TRUE(QFile::copy(TL_BINARY_DIR "/fixture/demo.fdb", dir_ + "/demo.fdb"));
    QFile::setPermissions(dir_ + "/demo.fdb", QFile::ReadOwner | QFile::WriteOwner);
    testsupport::writeIni(dir_ + "/TL.ini", {{"USUARIO", "SYSDBA"},
                                             {"SENHA", "masterkey"},
                                             {"LOCALBANCO", dir_ + "/demo.fdb"},
                                             {"NOME_TABELA", "TABELA DE VERÃO"}});
    testutil::writeImages(dir_);
  }
  static QString dir_;
};
QString OtherReportsEndToEnd::dir_;

QString pdfPageSize(const QString& pdf) {
  QProcess p;
  p.start("pdfinfo", {pdf});
  p.waitForFinished(30000);
  static const QRegularExpression re("Page size:\\s+([0-9.]+ x [0-9.]+)");
  const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1) : QString();
}

// The first caption of a layout's first group header (or page header when
// the group header has none) that starts with a word and lies above every
// growing item: where its first word must be on page 1.
struct Anchor {
  QString word;
  double x, y;
};
Anchor anchorOf(const Layout& layout, const Preparation& p) {
  const int left = p.margins[0] >= 0 ? p.margins[0] : 1440;
  const int top = p.margins[2] >= 0 ? p.margins[2] : 1440;
  int offset = top;
  for (const LayoutSection& s : layout.sections) {
    if (s.kind != LayoutSection::Kind::PageHeader && s.kind != LayoutSection::Kind::GroupHeader) continue;
    int firstGrowing = s.height;
    for (const LayoutItem& i : s.items)
      if (i.grow) firstGrowing = std::min(firstGrowing, i.top);
    for (const LayoutItem& i : s.items) {
      if (i.type != LayoutItem::Type::Caption || i.bottom() > firstGrowing) continue;
      const QString word = i.text.section(' ', 0, 0, QString::SectionSkipEmpty);
      if (word.size() < 3 || i.text.contains('%') || !i.name.isEmpty()) continue;
      draw::Font font;
      font.pointSize = i.fontSize > 0 ? i.fontSize : layout.fontSize;
      font.bold = i.bold;
      const double width = draw::textWidth(font, i.text.trimmed());
      double x = left + i.left;
      if (i.align == draw::Align::Centre) x += (i.width - width) / 2;
      else if (i.align == draw::Align::Right) x += i.width - width;
      return {word, x, double(offset + i.top)};
    }
    offset += s.height;
    if (s.kind == LayoutSection::Kind::GroupHeader) break;
  }
  return {};
}

TEST_F(OtherReportsEndToEnd, EachReportGoesToItsPdf) {
  for (const Job& j : kJobs) {
    testsupport::writeIni(dir_ + "/parimp.txt",
                          {{"RELATORIO", j.code}, {j.key, j.value}, {"NOMEEMPRESA", "BRISA NORTE"}});
    const QString pdf = dir_ + "/" + j.code + ".pdf";
    QFile::remove(pdf);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ODBCINI", dir_ + "/sem-odbc.ini");
    p.setProcessEnvironment(env);
    p.start(dir_ + "/tl_relatorios", {"--batch", "--config", dir_ + "/TL.ini", "--job",
                                     dir_ + "/parimp.txt", "--pdf", pdf});
    ASSERT_TRUE(p.waitForFinished(60000)) << j.code;
    const QString err = QString::fromUtf8(p.readAllStandardError());
    ASSERT_EQ(p.exitCode(), 0) << j.code << " " << err.toStdString();
    EXPECT_GE(testsupport::pdfPageCount(pdf), 1) << j.code;
    EXPECT_EQ(pdfPageSize(pdf), QString(j.code) == "pedidocompra" ? "842 x 595" : "595 x 842")
        << j.code;
    const Preparation* prep = preparation(j.code);
    const Anchor a = anchorOf(loadLayout(prep->report, QString()), *prep);
    ASSERT_FALSE(a.word.isEmpty()) << j.code;
    bool found = false;
    for (const testsupport::PdfWord& w : testsupport::pdfWords(pdf))
      if (w.page == 1 && w.text == a.word && std::abs(w.xMin - a.x) < 15 && std::abs(w.yMin - a.y) < 15)
        found = true;
    EXPECT_TRUE(found) << j.code << ": " << a.word.toStdString() << " at " << a.x << "," << a.y;
    if (QString(j.code) == "saidaresumida")
      EXPECT_TRUE(err.contains("Carrega0") && err.contains("Carrega2")) << err.toStdString();
  }
}

}  // namespace
}  // namespace reports
