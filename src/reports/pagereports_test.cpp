#include "reports/pagereports.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <tuple>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "reports/reportpreview.h"
#include "reports/reports_testutil.h"

namespace reports {
namespace {

using namespace testutil;
using testsupport::PdfWord;

// The dispatcher's page setup of each code (bottom 1440: the layout's own),
// and the job value that selects rows of the demo database.
struct Code {
  const char* code;
  const char* key;
  const char* value;
  int left, top, bottom;
  bool landscape, header, footer;
};
const Code kCodes[] = {
    {"pedidografico", "SACOD", "1", 500, 300, 800, false, true, true},
    {"pedidocaixa", "SACOD", "4", 500, 300, 800, false, true, true},
    {"pedidoorcamento", "SACOD", "1", 500, 300, 800, false, true, true},
    {"pedidosempreco", "SACOD", "1", 500, 300, 800, false, false, false},
    {"osvisita", "OSCOD", "1", 210, 300, 200, false, true, false},
    {"ose", "OSCOD", "1", 210, 300, 200, false, true, false},
    {"os", "OSCOD", "1", 210, 300, 200, false, true, false},
    {"pedidocompra", "ENCOD", "1", 500, 50, 300, true, true, false},
    {"pedidocomprac", "ENCOD", "1", 500, 50, 300, false, true, false},
    {"saidaresumida", "SACOD", "501", 500, 50, 300, false, false, false},
    {"cadastro_kit", "PRCOD", "60", 200, 200, 200, false, false, false},
    {"pedido_producao", "PCOD", "1", 200, 200, 300, false, false, false},
    {"tabela_preco", "TBCOD", "1", 200, 200, 1440, false, false, false},
};

Layout layoutOf(const Code& c) { return loadLayout(preparation(c.code)->report, QString()); }

// The first caption of the page header (or of the first group header) that
// starts with a word, is not set at run time and lies above every growing
// item: its box on page 1, and where its text starts.
struct Anchor {
  LayoutItem item;
  QRect rect;
  double textLeft;
};
Anchor anchorOf(const Code& c) {
  const Layout layout = layoutOf(c);
  int offset = c.top;
  for (const LayoutSection& s : layout.sections) {
    if (s.kind != LayoutSection::Kind::PageHeader && s.kind != LayoutSection::Kind::GroupHeader) continue;
    int firstGrowing = s.height;
    for (const LayoutItem& i : s.items)
      if (i.grow) firstGrowing = std::min(firstGrowing, i.top);
    for (const LayoutItem& i : s.items) {
      if (i.type != LayoutItem::Type::Caption || i.bottom() > firstGrowing || !i.name.isEmpty() ||
          i.text.contains('%') || i.text.section(' ', 0, 0, QString::SectionSkipEmpty).size() < 3)
        continue;
      draw::Font font;
      font.pointSize = i.fontSize > 0 ? i.fontSize : layout.fontSize;
      font.bold = i.bold;
      const double spare = i.width - draw::textWidth(font, i.text.trimmed());
      const double shift = i.align == draw::Align::Centre ? spare / 2 : i.align == draw::Align::Right ? spare : 0;
      return {i, QRect(c.left + i.left, offset + i.top, i.width, i.height), c.left + i.left + shift};
    }
    offset += s.height;
    if (s.kind == LayoutSection::Kind::GroupHeader) break;
  }
  throw RuntimeError("no anchor in " + layout.name);
}

TEST_F(Preparing, EveryCodeLaysOutItsReportWithItsMarginsOrientationAndImages) {
  EXPECT_EQ(preparations().size(), std::size(kCodes));
  EXPECT_THROW(prepareAll("OS"), RuntimeError);
  EXPECT_THROW(prepareAll("pedidocupom"), RuntimeError);
  for (const Code& c : kCodes) {
    SCOPED_TRACE(c.code);
    setJobValue(*m_, c.key, c.value);
    const size_t messages = ui_.shown.size();
    const draw::Document doc = prepare(c.code);
    ASSERT_FALSE(doc.pages.empty());
    EXPECT_EQ(ui_.shown.size() - messages, QString(c.code) == "saidaresumida" ? 3u : 0u);
    const Layout l = layoutOf(c);
    EXPECT_EQ(doc.title, l.title);
    EXPECT_EQ(doc.orientation, c.landscape ? draw::Orientation::Landscape : draw::Orientation::Portrait);
    // Left and top margins: the page header's first caption.
    const Anchor a = anchorOf(c);
    EXPECT_EQ(textIn(doc.pages[0], a.rect), a.item.text);
    // Each detail section's rows: texts that are no caption in the boxes of its fields.
    QStringList captions;
    for (const LayoutSection& s : l.sections)
      for (const LayoutItem& i : s.items) captions << i.text;
    for (const LayoutSection& s : l.sections) {
      size_t fields = 0, printed = 0;
      for (const LayoutItem& f : s.items) {
        if (s.kind != LayoutSection::Kind::Detail || f.type != LayoutItem::Type::Field) continue;
        ++fields;
        for (const draw::Page& page : doc.pages)
          for (const draw::TextRun& t : texts(page))
            printed += t.rect.left() == c.left + f.left && t.rect.width() == f.width && !captions.contains(t.text);
      }
      EXPECT_TRUE(fields == 0 || printed > 0) << s.name.toStdString();
    }
    // Bottom margin: the page footer sits on it.
    const LayoutSection* footer = l.section(LayoutSection::Kind::PageFooter);
    const int footerTop = (c.landscape ? 11906 : 16838) - c.bottom - (footer ? footer->height : 0);
    if (footer && footer->height > 0) {
      for (const LayoutItem& i : footer->items)
        if (i.isText()) {
          EXPECT_NE(textIn(doc.pages.back(), QRect(c.left + i.left, footerTop + i.top, i.width, i.height)), "(none)")
              << i.text.toStdString();
        }
    } else {  // nothing shows it on one page
      EXPECT_EQ(preparation(c.code)->margins[3], c.bottom == 1440 ? -1 : c.bottom);
    }
    // The header and footer images where the table says, in their places.
    std::vector<QRect> pictures, expected;
    for (const draw::Item& i : doc.pages[0].items)
      if (const auto* pic = std::get_if<draw::Picture>(&i)) pictures.push_back(pic->rect);
    if (c.header) {
      const LayoutItem& i = itemOf(l, "PageHeader", "cabecalho");
      expected.push_back(QRect(c.left + i.left, c.top + i.top, i.width, i.height));
    }
    if (c.footer) {
      const LayoutItem& i = itemOf(l, "PageFooter", "rodape");
      expected.push_back(QRect(c.left + i.left, footerTop + i.top, i.width, i.height));
    }
    EXPECT_EQ(pictures, expected);
    if (c.landscape) {  // the widest items reach past a portrait sheet
      int right = 0;
      for (const draw::TextRun& t : texts(doc.pages[0])) right = std::max(right, t.rect.right());
      EXPECT_GT(right, 11906);
      EXPECT_LE(right, 16838);
    }
  }
  // A job without its code: the report with no row.
  m_->job.SACOD.reset();
  const draw::Document empty = prepare("pedidografico");
  ASSERT_EQ(empty.pages.size(), 1u);
  EXPECT_TRUE(find(empty, "PEDIDO:").empty());
  EXPECT_EQ(find(empty, "Página").size(), 1u);
  // The service order without OSCOD: no group header either.
  m_->job.OSCOD = "1";
  EXPECT_EQ(find(prepare("os"), "ORDEM DE SERVIÇOS").size(), 1u);
  m_->job.OSCOD.reset();
  const draw::Document noOrder = prepare("os");
  ASSERT_EQ(noOrder.pages.size(), 1u);
  EXPECT_TRUE(find(noOrder, "ORDEM DE SERVIÇOS").empty());
}

TEST_F(Preparing, ACounterSaleWithAnExchangeOpensTwoWindowsAndClosingEitherEndsTheProgram) {
  m_->job.SACOD = "4";
  for (const char* troca : {"", "0", "abc", "-1"}) {
    m_->job.TROCA = troca;
    EXPECT_EQ(prepareAll("pedidocaixa").size(), 1u) << troca;
  }
  m_->job.TROCA = "3";
  const auto reports = prepareAll("pedidocaixa");
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].name, "reportPedidoCaixa");
  EXPECT_EQ(reports[1].name, "reportPedidoCaixaTroca");
  size_t pictures = 0;  // the sale's margins and images
  for (const draw::Item& i : reports[1].document.pages[0].items) pictures += std::holds_alternative<draw::Picture>(i);
  EXPECT_EQ(pictures, 2u);
  EXPECT_EQ(one(reports[1].document, "PEDIDO:").run.rect.left(), 500 + 30);
  // Both filled for the job's sale: its code beside "PEDIDO:".
  for (const auto& r : reports) {
    const QRect label = one(r.document, "PEDIDO:").run.rect;
    EXPECT_EQ(textIn(r.document.pages[0], QRect(500 + 990, label.top(), 1140, 255)).trimmed(), "4") << r.name.toStdString();
  }
  EXPECT_EQ(exchangePdfPath("/tmp/out.pdf"), "/tmp/out-troca.pdf");
  EXPECT_EQ(exchangePdfPath("pedido.1.pdf"), "pedido.1-troca.pdf");
  EXPECT_EQ(exchangePdfPath("/tmp/a.b/saida"), "/tmp/a.b/saida-troca");
  EXPECT_EQ(exchangePdfPath("/tmp/.pdf"), "/tmp/.pdf-troca");

  ui::QtUi qt;
  ASSERT_EQ(showPageReport(*m_, qt, "pedidocaixa"), Outcome::WindowOpen);
  // The windows hold no database: the connection was closed and forgotten.
  EXPECT_FALSE(QSqlDatabase::contains(m_->Cnn.name()));
  std::vector<ReportPreview*> windows;
  ReportPreview* exchange = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* preview = qobject_cast<ReportPreview*>(w); preview && preview->isVisible()) {
      windows.push_back(preview);
      EXPECT_EQ(preview->windowTitle(), "Talvora - Pedido");
      if (!find(preview->document(), "RELAÇÃO DE PRODUTOS DE TROCA").empty()) exchange = preview;
      else EXPECT_EQ(find(preview->document(), "CRÉDITO TROCA").size(), 1u);
    }
  ASSERT_EQ(windows.size(), 2u);
  ASSERT_NE(exchange, nullptr);
  // The exchange document, shown last, is the active window; closing it ends the loop with 0.
  EXPECT_TRUE(QTest::qWaitForWindowActive(exchange));
  EXPECT_EQ(QApplication::activeWindow(), exchange);
  QTimer::singleShot(0, exchange, [exchange] { exchange->close(); });
  EXPECT_EQ(QApplication::exec(), 0);
  // Collected first: deleting a window also deletes its own popups.
  std::vector<QPointer<QWidget>> left;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<ReportPreview*>(w)) left.emplace_back(w);
  for (const auto& w : left) delete w.data();
}

TEST_F(Preparing, WithoutWindowsAndWithoutPdfThereMustBeAPrinter) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  m_->job.SACOD = "1";
  ui::BatchUi batch;
  try {
    showPageReport(*m_, batch, "pedidosempreco");
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("--pdf")) << e.message().toStdString();
  }
}

// --- end to end with --pdf ---

// A copy of the program in its own folder (it reads the images and layout
// overrides from there), with its own copy of the demo database.
class EndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = QDir(testsupport::scratchDir()).filePath("e2e");
    QDir().mkpath(dir_);
    testsupport::copyProgram(dir_);
    QFile::remove(dir_ + "/demo.fdb");
    ASSERT_TRUE(QFile::copy(TL_BINARY_DIR "/fixture/demo.fdb", dir_ + "/demo.fdb"));
    QFile::setPermissions(dir_ + "/demo.fdb", QFile::ReadOwner | QFile::WriteOwner);
    testsupport::writeIni(dir_ + "/TL.ini", {{"USUARIO", "SYSDBA"}, {"SENHA", "masterkey"},
                                             {"LOCALBANCO", dir_ + "/demo.fdb"}, {"NOME_TABELA", "TABELA"}});
  }
  void SetUp() override {
    writeImages(dir_);
    QDir(dir_ + "/layouts").removeRecursively();
  }
  // Runs the job into dir/name.pdf: the exit status and standard error.
  static std::pair<int, QString> run(const QString& name, const QList<QPair<QString, QString>>& job) {
    testsupport::writeIni(dir_ + "/parimp.txt", job);
    QFile::remove(pdf(name));
    QFile::remove(exchangePdfPath(pdf(name)));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ODBCINI", dir_ + "/sem-odbc.ini");
    p.setProcessEnvironment(env);
    p.start(dir_ + "/tl_relatorios",
            {"--batch", "--config", dir_ + "/TL.ini", "--job", dir_ + "/parimp.txt", "--pdf", pdf(name)});
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
  }
  static QString pdf(const QString& name) { return dir_ + "/" + name + ".pdf"; }
  // How many words of a PDF have that text and start near (x, y) in twips
  // (pdftotext boxes start at the font's ascent, a few twips below the run's
  // top); NaN: anywhere.
  static size_t wordsAt(const QString& name, const QString& text, double x = NAN, double y = NAN,
                        double tolerance = 10) {
    size_t n = 0;
    for (const PdfWord& w : testsupport::pdfWords(pdf(name)))
      n += w.text == text && (std::isnan(x) || std::abs(w.xMin - x) < tolerance) &&
           (std::isnan(y) || std::abs(w.yMin - y) < tolerance);
    return n;
  }
  static inline QString dir_;
};

QString pdfPageSize(const QString& pdf) {
  QProcess p;
  p.start("pdfinfo", {pdf});
  p.waitForFinished(30000);
  static const QRegularExpression re("Page size:\\s+([0-9.]+ x [0-9.]+)");
  return re.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1);
}

TEST_F(EndToEnd, EveryCodeWritesItsPdfWithItsPageSizeAndMargins) {
  for (const Code& c : kCodes) {
    SCOPED_TRACE(c.code);
    const auto [exit, err] = run(c.code, {{"RELATORIO", c.code}, {c.key, c.value}, {"NOMEEMPRESA", "BRISA NORTE"}});
    ASSERT_EQ(exit, 0) << err.toStdString();
    EXPECT_EQ(pdfPageSize(pdf(c.code)), c.landscape ? "842 x 595" : "595 x 842");
    // The anchor's first word where margin, section offset and item top put it.
    const Anchor a = anchorOf(c);
    EXPECT_EQ(wordsAt(c.code, a.item.text.section(' ', 0, 0, QString::SectionSkipEmpty), a.textLeft, a.rect.top(), 15), 1u)
        << a.item.text.toStdString();
    if (QString(c.code) == "saidaresumida") {
      EXPECT_TRUE(err.contains("Carrega0") && err.contains("Carrega2")) << err.toStdString();
    }
  }
}

TEST_F(EndToEnd, TheOrderDocumentsSectionsAndPageNumbers) {
  auto [exit, err] = run("pedido", {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}});
  ASSERT_EQ(exit, 0) << err.toStdString();
  ASSERT_EQ(testsupport::pdfPageCount(pdf("pedido")), 1);
  // The group header after the page header (1935): "PEDIDO:" at top 45, left 30.
  EXPECT_EQ(wordsAt("pedido", "PEDIDO:", 500 + 30, 300 + 1935 + 45), 1u);
  // The group footer's "ENTREGA:" after the header (grown by the long
  // delivery reference) and three detail rows of 405.
  auto m = demoContext();
  DataEnvironment de(*m);
  de.execute("PEDIDO", 1);
  const Layout l = loadLayout("reportPedido", QString());
  const LayoutItem& reference = itemOf(l, "PEDIDO_Header", "INENREFERENCIA");
  const int growth =
      neededHeight(l, reference, de.rs("PEDIDO").set().value(0, "INENREFERENCIA").toText()) - reference.height;
  EXPECT_EQ(wordsAt("pedido", "ENTREGA:", 500 + 2190, 300 + 1935 + 4080 + growth + 3 * 405 + 75), 1u);

  // Forty items: "Página p de N" at the top right of every page.
  std::tie(exit, err) = run("quarenta", {{"RELATORIO", "pedidografico"}, {"SACOD", "2"}});
  ASSERT_EQ(exit, 0) << err.toStdString();
  const int pages = testsupport::pdfPageCount(pdf("quarenta"));
  ASSERT_GE(pages, 2);
  const auto all = testsupport::pdfWords(pdf("quarenta"));
  for (int p = 1; p <= pages; ++p) {
    QStringList header;
    for (const PdfWord& w : all)
      if (w.page == p && std::abs(w.yMin - (300 + 1695)) < 10 && w.xMin > 500 + 9400) header << w.text;
    EXPECT_EQ(header, QStringList({"Página", QString::number(p), "de", QString::number(pages)}));
  }
}

TEST_F(EndToEnd, ACounterSaleWithAnExchangeWritesBothDocuments) {
  auto [exit, err] = run("caixa", {{"RELATORIO", "pedidocaixa"}, {"SACOD", "4"}, {"TROCA", "3"}});
  ASSERT_EQ(exit, 0) << err.toStdString();
  ASSERT_TRUE(QFile::exists(pdf("caixa-troca")));
  EXPECT_EQ(wordsAt("caixa", "CRÉDITO"), 1u);
  EXPECT_EQ(wordsAt("caixa", "4.838,32"), 1u);
  EXPECT_EQ(wordsAt("caixa-troca", "RELAÇÃO"), 1u);
  EXPECT_EQ(wordsAt("caixa-troca", "CRÉDITO"), 0u);
  std::tie(exit, err) = run("caixa", {{"RELATORIO", "pedidocaixa"}, {"SACOD", "4"}, {"TROCA", "0"}});
  ASSERT_EQ(exit, 0) << err.toStdString();
  EXPECT_TRUE(QFile::exists(pdf("caixa")));
  EXPECT_FALSE(QFile::exists(pdf("caixa-troca")));
}

TEST_F(EndToEnd, ImagesAndLayoutsBesideTheProgram) {
  // A missing or unreadable image: status 1, naming the file, and no PDF.
  QFile::remove(dir_ + "/cabecalho.jpg");
  auto [exit, err] = run("sem-imagem", {{"RELATORIO", "pedidoorcamento"}, {"SACOD", "1"}});
  EXPECT_EQ(exit, 1);
  EXPECT_TRUE(err.contains(dir_ + "/cabecalho.jpg")) << err.toStdString();
  EXPECT_FALSE(QFile::exists(pdf("sem-imagem")));
  // The order without prices needs no image; the signature captions of its page footer.
  const double footer = 16838 - 800 - 945 + 750;
  std::tie(exit, err) = run("sem-preco", {{"RELATORIO", "pedidosempreco"}, {"SACOD", "1"}});
  ASSERT_EQ(exit, 0) << err.toStdString();
  EXPECT_EQ(wordsAt("sem-preco", "CLIENTE", NAN, footer), 1u);
  writeImages(dir_);
  QFile bad(dir_ + "/rodape.jpg");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
  bad.write("not a picture");
  bad.close();
  std::tie(exit, err) = run("ilegivel", {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}});
  EXPECT_EQ(exit, 1);
  EXPECT_TRUE(err.contains(dir_ + "/rodape.jpg")) << err.toStdString();
  EXPECT_FALSE(QFile::exists(pdf("ilegivel")));
  // A layout file beside the program replaces the compiled one.
  writeLayoutOverride(dir_);
  std::tie(exit, err) = run("troca-layout", {{"RELATORIO", "pedidosempreco"}, {"SACOD", "1"}});
  ASSERT_EQ(exit, 0) << err.toStdString();
  EXPECT_EQ(wordsAt("troca-layout", "COMPRADOR", NAN, footer), 1u);
  EXPECT_EQ(wordsAt("troca-layout", "CLIENTE", NAN, footer), 0u);
}


// The preview's print button: the dialog is told the pages and the page
// shown, and "current page" prints that one alone, into the dialog's file.
TEST(PreviewPrint, TheDialogsRangeAndCurrentPage) {
  draw::Document doc;
  doc.title = "cinco";
  for (int i = 1; i <= 5; ++i) {
    draw::TextRun r;
    r.rect = QRect(1000, 1000, 0, 0);
    r.text = "PAGINA" + QString::number(i);
    doc.pages.push_back({{r}});
  }
  ui::ScriptedUi ui;
  ReportPreview preview(doc, ui);
  preview.showPage(3);
  const QString file = QDir(testsupport::scratchDir()).filePath("atual.pdf");
  ui.printToFile = file;
  for (const auto& [current, from, to, expected] :
       {std::tuple{true, 0, 0, QStringList{"PAGINA4"}},
        {false, 2, 3, QStringList{"PAGINA2", "PAGINA3"}}}) {
    ui.printCurrentPage = current;
    ui.printFrom = from;
    ui.printTo = to;
    QFile::remove(file);
    preview.print();
    EXPECT_EQ(ui.lastPages.count, 5);
    EXPECT_EQ(ui.lastPages.current, 3);
    QStringList words;
    for (const PdfWord& w : testsupport::pdfWords(file)) words << w.text;
    EXPECT_EQ(words, expected);
  }
}

// A report has let go of the database before its output (the preview, here
// held open by TL_RELATORIOS_PAUSA): a receipt on the same embedded
// database file runs meanwhile, and both end with 0. Once with the engine
// as the program sets it up (files shared between processes), once with the
// system's own root (each process opens the file exclusively): there only
// the release lets the receipt in.
TEST_F(EndToEnd, AReportHoldsNoDatabaseWhileItsOutputIsOpen) {
  QStringList roots = {QString()};
  for (const QString& arch : QDir("/usr/lib").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    if (QFile::exists("/usr/lib/" + arch + "/firebird/3.0/plugins/libEngine12.so"))
      roots << "/usr/lib/" + arch + "/firebird/3.0";
  const QString receipt = dir_ + "/cupom-concorrente.prn";
  const QString receiptJob = testsupport::writeIni(
      dir_ + "/parimp-cupom.txt",
      {{"RELATORIO", "pedidocupom"}, {"SACOD", "4"}, {"LOCALIMPRESSORA", receipt}});
  testsupport::writeIni(dir_ + "/parimp.txt", {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}});
  for (const QString& firebirdRoot : roots) {
    SCOPED_TRACE(firebirdRoot.toStdString());
    const QString marker = dir_ + "/pausa";
    QFile::remove(marker);
    QFile::remove(receipt);
    QFile::remove(pdf("aberto"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ODBCINI", dir_ + "/sem-odbc.ini");
    env.remove("FIREBIRD");
    if (!firebirdRoot.isEmpty()) env.insert("FIREBIRD", firebirdRoot);
    QProcess report, cupom;
    cupom.setProcessEnvironment(env);
    env.insert("TL_RELATORIOS_PAUSA", marker);
    report.setProcessEnvironment(env);
    report.start(dir_ + "/tl_relatorios", {"--batch", "--config", dir_ + "/TL.ini", "--job",
                                           dir_ + "/parimp.txt", "--pdf", pdf("aberto")});
    for (int i = 0; i < 600 && !QFile::exists(marker) && report.state() != QProcess::NotRunning;
         ++i)
      QTest::qWait(50);
    ASSERT_TRUE(QFile::exists(marker)) << report.readAllStandardError().constData();
    cupom.start(dir_ + "/tl_relatorios",
                {"--batch", "--config", dir_ + "/TL.ini", "--job", receiptJob});
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
