#include "reports/pagereports.h"

#include <QApplication>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "reports/reportpreview.h"
#include "reports/reports_testutil.h"

namespace reports {
namespace {

using namespace testutil;
using Kind = LayoutSection::Kind;

// The job value that selects rows of the demo database for each code.
struct Code { const char *code, *key, *value; };
const Code kCodes[] = {
    {"pedidografico", "SACOD", "1"}, {"pedidocaixa", "SACOD", "4"},     {"pedidoorcamento", "SACOD", "1"},
    {"pedidosempreco", "SACOD", "1"}, {"osvisita", "OSCOD", "1"},       {"ose", "OSCOD", "1"},
    {"os", "OSCOD", "1"},             {"pedidocompra", "ENCOD", "1"},   {"pedidocomprac", "ENCOD", "1"},
    {"saidaresumida", "SACOD", "501"}, {"cadastro_kit", "PRCOD", "60"}, {"pedido_producao", "PCOD", "1"},
    {"tabela_preco", "TBCOD", "1"}};

// The texts laid out in the boxes of an item's column (left edge and width), on every page.
QStringList inColumn(const draw::Document& doc, int left, const LayoutItem& i) {
  QStringList out;
  for (const draw::Page& page : doc.pages)
    for (const draw::TextRun& t : texts(page))
      if (t.rect.left() == left + i.left && t.rect.width() == i.width) out << t.text;
  return out;
}

// Where the dispatcher's margins put a page footer item of the code's report.
QRect footerBox(const Preparation& p, const Layout& l, const LayoutItem& i) {
  const int sheet = p.orientation == 2 ? 11906 : 16838, bottom = p.margins[3] < 0 ? 1440 : p.margins[3];
  return QRect(p.margins[0] + i.left, sheet - bottom - l.section(Kind::PageFooter)->height + i.top, i.width, i.height);
}

ShapedSet command(modCnn& m, const QString& name, const QString& key) {
  DataEnvironment de(m);
  name == "OS" ? de.execute(name, key) : de.execute(name, key.toInt());
  return de.rs(name).set();
}

TEST_F(Preparing, EveryCodeLaysOutItsReportWithItsMarginsOrientationAndImages) {
  EXPECT_EQ(preparations().size(), std::size(kCodes));
  for (const Code& c : kCodes) {
    SCOPED_TRACE(c.code);
    setJobValue(*m_, c.key, c.value);
    const Preparation& p = *preparation(c.code);
    const int left = p.margins[0], top = p.margins[2];
    const size_t messages = ui_.shown.size();
    const draw::Document doc = prepare(c.code);
    ASSERT_FALSE(doc.pages.empty());
    EXPECT_EQ(ui_.shown.size() - messages, QString(c.code) == "saidaresumida" ? 3u : 0u);
    const Layout l = loadLayout(p.report, QString());
    EXPECT_TRUE(!l.title.isEmpty() && doc.title == l.title);
    EXPECT_EQ(doc.orientation, p.orientation == 2 ? draw::Orientation::Landscape : draw::Orientation::Portrait);
    // Left and top margins: the text items of the page header (or, when it
    // has none, of the first group header) above any growing item.
    size_t placed = 0;
    for (int offset = top; const LayoutSection& s : l.sections) {
      if (placed || (s.kind != Kind::PageHeader && s.kind != Kind::GroupHeader)) continue;
      int firstGrowing = s.height;
      for (const LayoutItem& i : s.items) firstGrowing = i.grow ? std::min(firstGrowing, i.top) : firstGrowing;
      for (const LayoutItem& i : s.items) {
        if (!i.isText() || i.bottom() > firstGrowing) continue;
        ++placed;
        EXPECT_NE(textIn(doc.pages[0], QRect(left + i.left, offset + i.top, i.width, i.height)), "(none)")
            << (i.text + i.column).toStdString();
      }
      offset += s.height;
    }
    EXPECT_GT(placed, 0u);
    // Each detail section's rows: texts that are no caption in the boxes of its fields.
    QStringList captions;
    for (const LayoutSection& s : l.sections)
      for (const LayoutItem& i : s.items) captions << i.text;
    for (const LayoutSection& s : l.sections) {
      size_t fields = 0, printed = 0;
      for (const LayoutItem& f : s.items) {
        if (s.kind != Kind::Detail || f.type != LayoutItem::Type::Field) continue;
        ++fields;
        for (const QString& t : inColumn(doc, left, f)) printed += !captions.contains(t);
      }
      EXPECT_TRUE(fields == 0 || printed > 0) << s.name.toStdString();
    }
    // Bottom margin: the page footer's texts sit on it.
    const LayoutSection* footer = l.section(Kind::PageFooter);
    for (const LayoutItem& i : footer ? footer->items : std::vector<LayoutItem>())
      EXPECT_NE(i.isText() ? textIn(doc.pages.back(), footerBox(p, l, i)) : QString(), "(none)");
    // The header and footer images the code loads, in their places.
    std::vector<QRect> pictures, expected;
    for (const draw::Item& i : doc.pages[0].items)
      if (const auto* pic = std::get_if<draw::Picture>(&i)) pictures.push_back(pic->rect);
    if (p.headerImage) {
      const LayoutItem& i = itemOf(l, "PageHeader", "cabecalho");
      expected.push_back(QRect(left + i.left, top + i.top, i.width, i.height));
    }
    if (p.footerImage) expected.push_back(footerBox(p, l, itemOf(l, "PageFooter", "rodape")));
    EXPECT_EQ(pictures, expected);
  }
}

TEST_F(Preparing, ACounterSaleWithAnExchangeOpensTwoWindowsAndClosingEitherEndsTheProgram) {
  m_->job.SACOD = "4";
  for (const char* troca : {"", "0", "abc", "-1"}) {
    m_->job.TROCA = troca;
    EXPECT_EQ(prepareAll("pedidocaixa").size(), 1u) << troca;
  }
  m_->job.TROCA = "3";
  const auto reports = prepareAll("pedidocaixa");
  ASSERT_TRUE(reports.size() == 2 && reports[0].name == "reportPedidoCaixa" && reports[1].name == "reportPedidoCaixaTroca");
  size_t pictures = 0;  // the sale's margins and images
  for (const draw::Item& i : reports[1].document.pages[0].items) pictures += std::holds_alternative<draw::Picture>(i);
  EXPECT_EQ(pictures, 2u);
  EXPECT_EQ(one(reports[1].document, "PEDIDO:").run.rect.left(), 500 + 30);
  // The sale's tax columns are texts: under the mask "0" they keep their leading zeros.
  const QString cst = command(*m_, "PEDIDO", "4").child(0, "ITEMSAIDA")->value(0, "PRCST").toText();
  ASSERT_TRUE(cst.startsWith('0') && cst.size() == 3) << cst.toStdString();
  EXPECT_FALSE(find(reports[0].document, cst).empty());
  // The exchange document sums the exchanged items.
  one(reports[1].document, money(sumOf(*command(*m_, "PEDIDO_TROCA", "4").child(0, "ITEMSAIDA_TROCA"), "ITVRTOTAL")));
  for (const auto& [pdf, exchange] : {std::pair{"/tmp/out.pdf", "/tmp/out-troca.pdf"}, {"pedido.1.pdf", "pedido.1-troca.pdf"},
                                      {"/tmp/a.b/saida", "/tmp/a.b/saida-troca"}, {"/tmp/.pdf", "/tmp/.pdf-troca"}})
    EXPECT_EQ(exchangePdfPath(pdf), exchange);

  ui::QtUi qt;
  ASSERT_EQ(showPageReport(*m_, qt, "pedidocaixa"), Outcome::WindowOpen);
  // The windows hold no database: the connection was closed and forgotten.
  EXPECT_FALSE(QSqlDatabase::contains(m_->Cnn.name()));
  std::vector<QPointer<QWidget>> windows;
  ReportPreview* exchange = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* preview = qobject_cast<ReportPreview*>(w); preview && preview->isVisible()) {
      windows.emplace_back(preview);
      if (!find(preview->document(), "RELAÇÃO DE PRODUTOS DE TROCA").empty()) exchange = preview;
      else EXPECT_EQ(find(preview->document(), "CRÉDITO TROCA").size(), 1u);
    }
  ASSERT_TRUE(windows.size() == 2 && exchange);
  // The exchange document, shown last, is the active window; closing it ends the loop with 0.
  EXPECT_TRUE(QTest::qWaitForWindowActive(exchange));
  QTimer::singleShot(0, exchange, [exchange] { exchange->close(); });
  EXPECT_EQ(QApplication::exec(), 0);
  for (const auto& w : windows) delete w.data();  // collected first: a window deletes its own popups
}

TEST_F(Preparing, WithoutWindowsAndWithoutPdfThereMustBeAPrinter) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  m_->job.SACOD = "1";
  ui::BatchUi batch;
  testsupport::expectRuntimeError([&] { showPageReport(*m_, batch, "pedidosempreco"); }, "--pdf");
}

// --- the service-order, stock-issue, purchase, production and price-table reports ---

// A service order's footer: the company, and the customer or, without one,
// the design text (and no row: the command joins the customer).
TEST_F(Preparing, TheServiceOrdersRowsTotalsCompanyAndCustomer) {
  const ShapedSet os = command(*m_, "OS", "1");
  const ShapedSet* rows = os.child(0, "SERVICO");
  EXPECT_EQ(money(sumOf(*rows, "ITOSVRTOTAL")), "554,75");
  for (const char* code : {"ose", "os"}) {
    const Layout l = loadLayout(preparation(code)->report, QString());
    const auto caption = [&](const draw::Document& doc, const QString& name) {
      return textIn(doc.pages.back(), footerBox(*preparation(code), l, itemOf(l, "PageFooter", name)));
    };
    m_->job.OSCOD = "1";
    draw::Document doc = prepare(code);
    EXPECT_TRUE(caption(doc, "lbl_cliente") == "JOSÉ D'ÁVILA" && caption(doc, "lbl_empresa") == "BRISA NORTE CLIMATIZAÇÃO");
    EXPECT_EQ(m_->Rs.State(), 0);
    if (QString(code) == "os") {
      for (size_t i = 0; i < rows->rows.size(); ++i) one(doc, rows->value(i, "ITOSNOME").toText());
      EXPECT_EQ(one(doc, "554,75").run.align, draw::Align::Right);
      m_->job.OSCOD = "3";
      doc = prepare(code);
      one(doc, "ORDEM DE SERVIÇOS");
      one(doc, "0,00");
    }
    m_->job.OSCOD = "4";
    doc = prepare(code);
    EXPECT_EQ(caption(doc, "lbl_cliente"), itemOf(l, "PageFooter", "lbl_cliente").text) << code;
    EXPECT_TRUE(find(doc, "ORDEM DE SERVIÇOS").empty());
  }
  m_->job.OSCOD = "1";
  EXPECT_TRUE(find(prepare("osvisita"), "BRISA NORTE CLIMATIZAÇÃO").empty());
}

TEST_F(Preparing, APurchaseWithoutItemsPrintsItsHeaderAndAnEmptyList) {
  for (const char* code : {"pedidocompra", "pedidocomprac"}) {
    SCOPED_TRACE(code);
    const Layout l = loadLayout(preparation(code)->report, QString());
    const LayoutItem& name = itemOf(l, "ITEMSAIDA_Detail", "ITPRNOME");
    qsizetype perRow = 0;  // the portrait one has the item's remark under its name
    for (const LayoutItem& i : sectionOf(l, "ITEMSAIDA_Detail").items) perRow += i.left == name.left && i.width == name.width;
    m_->job.ENCOD = "1";
    EXPECT_EQ(inColumn(prepare(code), 500, name).size(), 4 * perRow);
    m_->job.ENCOD = "2";
    const draw::Document doc = prepare(code);
    EXPECT_TRUE(inColumn(doc, 500, name).isEmpty() && doc.pages.size() == 1);
    one(doc, command(*m_, "PEDCOMP", "2").value(0, "INNOME").toText());
    one(doc, "PEDIDO SEM ITENS.");
  }
}

// The stock issue's loading messages (with rsSR still open, it says it closes
// it first), the company in its page header, the quantity and total summed.
TEST_F(Preparing, TheStockIssueShowsItsMessagesAndSumsQuantityAndTotal) {
  m_->job.SACOD = "501";
  DataEnvironment de(*m_);
  for (const QStringList& messages : {QStringList{"Carrega0", "Carrega1", "Carrega2"},
                                      QStringList{"Carrega0", "Carrega1", "Fecha conexao", "Carrega2"}}) {
    ui_.shown.clear();
    const draw::Document doc = preparePageReports(*m_, ui_, "saidaresumida", de, kNow)[0].document;
    EXPECT_EQ(ui_.texts(), messages);
    for (const auto& s : ui_.shown)
      EXPECT_TRUE(s.title == "tl_relatorios" && s.icon == ui::Icon::None && s.buttons == ui::Buttons::Ok);
    one(doc, "BRISA NORTE CLIMATIZAÇÃO");
    const ShapedSet* items = de.rs("SR").set().child(0, "SRITENS");
    one(doc, money(sumOf(*items, "ITQTD")));
    one(doc, money(sumOf(*items, "ITVRTOTAL")));
  }
}

// Each production item's block once: its name, its materials, its footer;
// an item without material has its footer right after its header.
TEST_F(Preparing, AProductionItemWithoutMaterialPrintsItsBlockAlone) {
  m_->job.PCOD = "1";
  const draw::Document doc = prepare("pedido_producao");
  const ShapedSet order = command(*m_, "PRODUCAO", "1");
  const ShapedSet* items = order.child(0, "PROITENS");
  const Layout l = loadLayout("reportPRO", QString());
  const auto titles = find(doc, "MATERIAL"), footers = find(doc, "MÁQUINA EMBALAGEM");
  ASSERT_TRUE(items->rows.size() == 3 && titles.size() == 3 && footers.size() == 3);
  const int gap = sectionOf(l, "PROITENS_Header").height - itemOf(l, "PROITENS_Header", "MATERIAL").top +
                  itemOf(l, "PROITENS_Footer", "MÁQUINA EMBALAGEM").top;
  qsizetype materials = 0, alone = 0;
  for (size_t i = 0; i < items->rows.size(); ++i) {
    one(doc, items->value(i, "ITNOME").toText());
    const qsizetype n = qsizetype(items->child(i, "PROMPITENS")->rows.size());
    materials += n;
    alone += n == 0;
    EXPECT_EQ(footers[i].run.rect.top() - titles[i].run.rect.top() == gap, n == 0) << i;
  }
  EXPECT_EQ(alone, 1);
  EXPECT_EQ(inColumn(doc, 200, itemOf(l, "PROMPITENS_Detail", "MPNOME")).size(), materials);
}

// A layout file beside the program replaces the compiled one.
TEST_F(Preparing, ALayoutBesideTheProgramReplacesTheCompiledOne) {
  m_->job.SACOD = "1";
  writeLayoutOverride(exeDir_);
  EXPECT_EQ(layoutPath("reportPedido", exeDir_), ":/layouts/reportPedido.json");
  const draw::Document doc = prepare("pedidosempreco");
  QDir(exeDir_ + "/layouts").removeRecursively();
  one(doc, "COMPRADOR");
  EXPECT_TRUE(find(doc, "CLIENTE").empty());
}

TEST_F(Preparing, ThePriceTableCaptionComesFromTheConfiguration) {
  m_->job.TBCOD = 1;
  const LayoutItem label = itemOf(loadLayout("reportTabelaPreco", QString()), "PageHeader", "Label2");
  const QRect at(200 + label.left, 200 + label.top, label.width, label.height);
  EXPECT_EQ(textIn(prepare("tabela_preco").pages[0], at), QString("TABELA DE VERÃO 2024"));
  testsupport::writeIni(m_->config.path, {{"OUTRA", "x"}});
  EXPECT_EQ(textIn(prepare("tabela_preco").pages[0], at), "");
}

// --- end to end with --pdf ---

// A copy of the program in its own folder (it reads the images from there),
// with its own copy of the demo database.
class EndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = QDir(testsupport::scratchDir()).filePath("e2e");
    QDir().mkpath(dir_);
    testsupport::copyProgram(dir_);
    ASSERT_TRUE(QFile::copy(TL_BINARY_DIR "/fixture/demo.fdb", dir_ + "/demo.fdb"));
    QFile::setPermissions(dir_ + "/demo.fdb", QFile::ReadOwner | QFile::WriteOwner);
    testsupport::writeIni(dir_ + "/TL.ini", {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                                             {"LOCALBANCO", dir_ + "/demo.fdb"}, {"NOME_TABELA", "TABELA"}});
    writeImages(dir_);
  }
  // Starts the program on a job (into a PDF); extra variables set, or removed when empty.
  static void start(QProcess& p, const QString& job, const QString& out, const QMap<QString, QString>& extra = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ODBCINI", dir_ + "/sem-odbc.ini");
    for (auto it = extra.begin(); it != extra.end(); ++it)
      it.value().isEmpty() ? env.remove(it.key()) : env.insert(it.key(), it.value());
    p.setProcessEnvironment(env);
    const QStringList args = {"--batch", "--config", dir_ + "/TL.ini", "--job", job};
    p.start(dir_ + "/tl_relatorios", out.isEmpty() ? args : args + QStringList{"--pdf", out});
  }
  static QString pdf(const QString& name) { return dir_ + "/" + name + ".pdf"; }
  static QStringList words(const QString& name) {
    QStringList out;
    for (const testsupport::PdfWord& w : testsupport::pdfWords(pdf(name))) out << w.text;
    return out;
  }
  static inline QString dir_;
};

// A counter sale with an exchange also writes the exchange document beside its PDF; no other code does.
TEST_F(EndToEnd, EveryCodeWritesItsPdf) {
  for (const Code& c : kCodes) {
    SCOPED_TRACE(c.code);
    QProcess run;
    start(run, testsupport::writeIni(dir_ + "/parimp.txt", {{"RELATORIO", c.code}, {c.key, c.value}, {"TROCA", "3"}}),
          pdf(c.code));
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString err = QString::fromUtf8(run.readAllStandardError());
    ASSERT_EQ(run.exitCode(), 0) << err.toStdString();
    EXPECT_FALSE(words(c.code).isEmpty());
    EXPECT_EQ(QFile::exists(exchangePdfPath(pdf(c.code))), QString(c.code) == "pedidocaixa");
    EXPECT_TRUE(QString(c.code) != "saidaresumida" || (err.contains("Carrega0") && err.contains("Carrega2")));
  }
  EXPECT_TRUE(words("pedidocaixa").contains("CRÉDITO") && words("pedidocaixa").contains("4.838,32"));
  EXPECT_TRUE(words("pedidocaixa-troca").contains("RELAÇÃO") && !words("pedidocaixa-troca").contains("CRÉDITO"));
}

// While a report's output is open (TL_RELATORIOS_PAUSA), a receipt on the same
// database file runs, with the program's engine set-up and with the system's
// (exclusive files, where only the release lets the receipt in).
TEST_F(EndToEnd, AReportHoldsNoDatabaseWhileItsOutputIsOpen) {
  QStringList roots = {QString()};
  for (const QString& arch : QDir("/usr/lib").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (QFile::exists("/usr/lib/" + arch + "/firebird/3.0/plugins/libEngine12.so"))
      roots << "/usr/lib/" + arch + "/firebird/3.0";
  const QString receipt = dir_ + "/cupom-concorrente.prn", marker = dir_ + "/pausa";
  const QString receiptJob = testsupport::writeIni(
      dir_ + "/parimp-cupom.txt", {{"RELATORIO", "pedidocupom"}, {"SACOD", "4"}, {"LOCALIMPRESSORA", receipt}});
  const QString job = testsupport::writeIni(dir_ + "/parimp.txt", {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}});
  for (const QString& firebirdRoot : roots) {
    SCOPED_TRACE(firebirdRoot.toStdString());
    for (const QString& f : {marker, receipt, pdf("aberto")}) QFile::remove(f);
    QProcess report, cupom;
    start(report, job, pdf("aberto"), {{"FIREBIRD", firebirdRoot}, {"TL_RELATORIOS_PAUSA", marker}});
    for (int i = 0; i < 600 && !QFile::exists(marker) && report.state() != QProcess::NotRunning; ++i) QTest::qWait(50);
    ASSERT_TRUE(QFile::exists(marker)) << report.readAllStandardError().constData();
    start(cupom, receiptJob, {}, {{"FIREBIRD", firebirdRoot}});
    ASSERT_TRUE(cupom.waitForFinished(30000));
    EXPECT_EQ(cupom.exitCode(), 0) << cupom.readAllStandardError().constData();
    EXPECT_TRUE(QFile::exists(receipt));
    EXPECT_TRUE(QFile::exists(marker));  // the report was still open meanwhile
    QFile::remove(marker);
    ASSERT_TRUE(report.waitForFinished(30000));
    EXPECT_EQ(report.exitCode(), 0) << report.readAllStandardError().constData();
    EXPECT_TRUE(QFile::exists(pdf("aberto")));
  }
}

}  // namespace
}  // namespace reports
