#include "reports/pagereports.h"

#include <QDir>
#include <QFile>
#include <QApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <cmath>

#include "reports/reportpreview.h"
#include "reports/reports_testutil.h"
#include "startup/errors.h"
#include "startup/masks.h"
#include "textprint/painterbackend.h"
#include "ui/ui.h"

namespace reports {
namespace {

using testsupport::PdfWord;
using testutil::find;

const QDateTime kNow(QDate(2024, 3, 15), QTime(9, 30));

// --- the preparation table ---

TEST(Preparations, MarginsOrientationAndImagesPerCode) {
  struct Expected {
    const char* code;
    int left, right, top, bottom, orientation;
    bool header, footer;
  };
  const Expected expected[] = {
      {"pedidografico", 500, 300, 300, 800, 0, true, true},
      {"pedidocaixa", 500, 300, 300, 800, 0, true, true},
      {"pedidoorcamento", 500, 300, 300, 800, 0, true, true},
      {"pedidosempreco", 500, 300, 300, 800, 0, false, false},
      {"osvisita", 210, 300, 300, 200, 0, true, false},
      {"ose", 210, 300, 300, 200, 0, true, false},
      {"os", 210, 300, 300, 200, 0, true, false},
      {"pedidocompra", 500, 300, 50, 300, 2, true, false},
      {"pedidocomprac", 500, 300, 50, 300, 0, true, false},
      {"saidaresumida", 500, 300, 50, 300, 0, false, false},
      {"cadastro_kit", 200, 300, 200, 200, 1, false, false},
      {"pedido_producao", 200, 300, 200, 300, 0, false, false},
      {"tabela_preco", 200, 300, 200, -1, 0, false, false},
  };
  EXPECT_EQ(preparations().size(), std::size(expected));
  for (const Expected& e : expected) {
    const Preparation* p = preparation(e.code);
    ASSERT_NE(p, nullptr) << e.code;
    EXPECT_EQ(p->margins[0], e.left) << e.code;
    EXPECT_EQ(p->margins[1], e.right) << e.code;
    EXPECT_EQ(p->margins[2], e.top) << e.code;
    EXPECT_EQ(p->margins[3], e.bottom) << e.code;
    EXPECT_EQ(p->orientation, e.orientation) << e.code;
    EXPECT_EQ(p->headerImage, e.header) << e.code;
    EXPECT_EQ(p->footerImage, e.footer) << e.code;
  }
  EXPECT_EQ(preparation("OS"), nullptr);
  EXPECT_EQ(preparation("pedidocupom"), nullptr);
}

TEST(Preparations, TheExchangeDocumentGoesBesideThePdf) {
  EXPECT_EQ(exchangePdfPath("/tmp/out.pdf"), "/tmp/out-troca.pdf");
  EXPECT_EQ(exchangePdfPath("pedido.1.pdf"), "pedido.1-troca.pdf");
  EXPECT_EQ(exchangePdfPath("/tmp/a.b/saida"), "/tmp/a.b/saida-troca");
  EXPECT_EQ(exchangePdfPath("/tmp/.pdf"), "/tmp/.pdf-troca");
}

// --- steps P1 to P5 in process ---

class Preparing : public ::testing::Test {
 protected:
  void SetUp() override {
    m_ = testutil::demoContext();
    exeDir_ = QDir(testsupport::scratchDir()).filePath("exe-images");
    QDir().mkpath(exeDir_);
    testutil::writeImages(exeDir_);
    m_->options.exeDir = exeDir_;
    m_->config.path = QDir(testsupport::scratchDir()).filePath("TL-nome.ini");
    testsupport::writeIni(m_->config.path, {{"NOME_TABELA", "TABELA DE VERÃO"}});
    m_->job.NOMEEMPRESA = "BRISA NORTE";
  }
  std::vector<PreparedReport> prepare(const QString& code) {
    m_->job.RELATORIO = code;
    DataEnvironment de(*m_);
    return preparePageReports(*m_, ui_, code, de, kNow);
  }
  std::unique_ptr<modCnn> m_;
  QString exeDir_;
  ui::ScriptedUi ui_;
};

int pictures(const draw::Document& doc) {
  int n = 0;
  for (const draw::Page& p : doc.pages)
    for (const draw::Item& i : p.items) n += std::holds_alternative<draw::Picture>(i);
  return n;
}

TEST_F(Preparing, TheOrderDocumentGetsMarginsAndBothImages) {
  m_->job.SACOD = "1";
  const auto reports = prepare("pedidografico");
  ASSERT_EQ(reports.size(), 1u);
  const draw::Document& doc = reports[0].document;
  EXPECT_EQ(doc.title, "Talvora - Pedido");
  EXPECT_EQ(pictures(doc), 2);
  const auto pedido = find(doc, "PEDIDO:");
  ASSERT_EQ(pedido.size(), 1u);
  EXPECT_EQ(pedido[0].run.rect.topLeft(), QPoint(500 + 30, 300 + 1935 + 45));
  for (const draw::Item& i : doc.pages[0].items)
    if (const auto* pic = std::get_if<draw::Picture>(&i)) {
      if (pic->rect.top() == 300) EXPECT_EQ(pic->rect, QRect(500 + 405, 300, 9975, 1215));
      else EXPECT_EQ(pic->rect, QRect(500 + 465, 16838 - 800 - 1215, 9975, 1215));
    }
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(Preparing, ACounterSaleWithAnExchangeNumberPreparesTheExchangeDocumentToo) {
  m_->job.SACOD = "4";
  for (const char* troca : {"", "0", "abc", "-1"}) {
    m_->job.TROCA = troca;
    EXPECT_EQ(prepare("pedidocaixa").size(), 1u) << troca;
  }
  m_->job.TROCA = "3";
  const auto reports = prepare("pedidocaixa");
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].name, "reportPedidoCaixa");
  EXPECT_EQ(reports[1].name, "reportPedidoCaixaTroca");
  EXPECT_EQ(find(reports[1].document, "RELAÇÃO DE PRODUTOS DE TROCA").size(), 1u);
  EXPECT_EQ(pictures(reports[1].document), 2);
  EXPECT_EQ(find(reports[0].document, "CRÉDITO TROCA").size(), 1u);
}

TEST_F(Preparing, AMissingImageIsARunTimeErrorNamingTheFile) {
  m_->job.SACOD = "1";
  QFile::remove(QDir(exeDir_).filePath("rodape.jpg"));
  try {
    prepare("pedidografico");
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains(QDir(exeDir_).filePath("rodape.jpg"))) << e.message().toStdString();
  }
  // The order without prices has no images.
  EXPECT_EQ(prepare("pedidosempreco").size(), 1u);
  // An unreadable image is refused as well.
  QFile bad(QDir(exeDir_).filePath("rodape.jpg"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a picture");
  bad.close();
  EXPECT_THROW(prepare("pedidografico"), RuntimeError);
}

TEST_F(Preparing, AJobWithoutItsCodeOpensTheReportWithNoRows) {
  m_->job.SACOD.reset();
  const auto reports = prepare("pedidografico");
  ASSERT_EQ(reports[0].document.pages.size(), 1u);
  EXPECT_TRUE(find(reports[0].document, "PEDIDO:").empty());
  EXPECT_EQ(find(reports[0].document, "Página").size(), 1u);
}

TEST_F(Preparing, ACounterSaleWithAnExchangeOpensTwoWindowsAndClosingEitherEndsTheProgram) {
  m_->job.RELATORIO = "pedidocaixa";
  m_->job.SACOD = "4";
  m_->job.TROCA = "3";
  ui::QtUi qt;
  ASSERT_EQ(showPageReport(*m_, qt, "pedidocaixa"), Outcome::WindowOpen);
  std::vector<ReportPreview*> windows;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* preview = qobject_cast<ReportPreview*>(w); preview && preview->isVisible())
      windows.push_back(preview);
  ASSERT_EQ(windows.size(), 2u);
  ReportPreview* exchange = nullptr;
  for (ReportPreview* w : windows) {
    EXPECT_EQ(w->windowTitle(), "Talvora - Pedido");
    if (!find(w->document(), "RELAÇÃO DE PRODUTOS DE TROCA").empty()) exchange = w;
  }
  ASSERT_NE(exchange, nullptr);
  // The exchange document is on top: shown last, the active window.
  EXPECT_TRUE(QTest::qWaitForWindowActive(exchange));
  EXPECT_EQ(QApplication::activeWindow(), exchange);
  // Closing it ends the event loop with status 0.
  QTimer::singleShot(0, exchange, [exchange] { exchange->close(); });
  EXPECT_EQ(QApplication::exec(), 0);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<ReportPreview*>(w)) delete w;
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

// pdftotext gives a word's box from the font's ascent above the baseline:
// its top is the text run's top within a few twips.
constexpr double kTolerance = 10;

// A copy of the program in its own folder, with the images beside it (the
// program reads them, and layout overrides, from its own folder), and its
// own copy of the demo database.
class EndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = QDir(testsupport::scratchDir()).filePath("e2e");
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
                                             {"LOCALBANCO", dir_ + "/demo.fdb"}});
  }
  void SetUp() override {
    testutil::writeImages(dir_);
    QDir(dir_ + "/layouts").removeRecursively();
  }

  struct Run {
    int exit = -1;
    QString err;
  };
  Run run(const QList<QPair<QString, QString>>& job, const QString& pdf) {
    testsupport::writeIni(dir_ + "/parimp.txt", job);
    QFile::remove(pdf);
    QFile::remove(exchangePdfPath(pdf));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ODBCINI", dir_ + "/sem-odbc.ini");
    p.setProcessEnvironment(env);
    p.start(dir_ + "/tl_relatorios", {"--batch", "--config", dir_ + "/TL.ini", "--job",
                                     dir_ + "/parimp.txt", "--pdf", pdf});
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
  }
  static QString pdf(const QString& name) { return dir_ + "/" + name + ".pdf"; }

  static std::vector<PdfWord> words(const QString& file, const QString& text) {
    std::vector<PdfWord> out;
    for (const PdfWord& w : testsupport::pdfWords(file))
      if (w.text == text) out.push_back(w);
    return out;
  }
  // The signature caption of the order without prices' page footer.
  static size_t footerWords(const QString& file, const QString& text) {
    size_t n = 0;
    for (const PdfWord& w : words(file, text))
      n += std::abs(w.yMin - (16838 - 800 - 945 + 750)) < kTolerance;
    return n;
  }
  static QString dir_;
};
QString EndToEnd::dir_;

TEST_F(EndToEnd, AnItemsPositionIsMarginPlusSectionOffsetPlusItemTop) {
  const Run r = run({{"RELATORIO", "pedidografico"}, {"SACOD", "1"}}, pdf("pedido"));
  ASSERT_EQ(r.exit, 0) << r.err.toStdString();
  ASSERT_EQ(testsupport::pdfPageCount(pdf("pedido")), 1);
  // Page header: margins 500 (left) and 300 (top), caption at top 1680, left 0.
  const auto log = words(pdf("pedido"), "Log");
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NEAR(log[0].xMin, 500 + 0, kTolerance);
  EXPECT_NEAR(log[0].yMin, 300 + 1680, kTolerance);
  // Group header, after the page header (1935): "PEDIDO:" at top 45, left 30.
  const auto pedido = words(pdf("pedido"), "PEDIDO:");
  ASSERT_EQ(pedido.size(), 1u);
  EXPECT_NEAR(pedido[0].xMin, 500 + 30, kTolerance);
  EXPECT_NEAR(pedido[0].yMin, 300 + 1935 + 45, kTolerance);
  // The group footer's "ENTREGA:" follows the header (grown by the long
  // delivery reference) and three detail rows of 405.
  auto m = testutil::demoContext();
  Recordset rs;
  rs.open("select i.inenreferencia from saida s inner join interveniente i on (i.incod=s.safkinterveniente) where s.sacod=1", m->Cnn);
  draw::Font font;
  const int growth = int(std::ceil(draw::textHeight(font, rs.field("INENREFERENCIA").toText(), 4815, true))) - 240;
  std::vector<PdfWord> entrega;
  for (const PdfWord& w : words(pdf("pedido"), "ENTREGA:"))
    if (std::abs(w.xMin - (500 + 2190)) < kTolerance) entrega.push_back(w);
  ASSERT_EQ(entrega.size(), 1u);
  EXPECT_NEAR(entrega[0].xMin, 500 + 2190, kTolerance);
  EXPECT_NEAR(entrega[0].yMin, 300 + 1935 + 4080 + growth + 3 * 405 + 75, kTolerance);
}

TEST_F(EndToEnd, AFortyItemOrderNumbersItsPages) {
  const Run r = run({{"RELATORIO", "pedidografico"}, {"SACOD", "2"}}, pdf("quarenta"));
  ASSERT_EQ(r.exit, 0) << r.err.toStdString();
  const int pages = testsupport::pdfPageCount(pdf("quarenta"));
  ASSERT_GE(pages, 2);
  const auto all = testsupport::pdfWords(pdf("quarenta"));
  for (int p = 1; p <= pages; ++p) {
    QStringList header;
    for (const PdfWord& w : all)
      if (w.page == p && std::abs(w.yMin - (300 + 1695)) < kTolerance && w.xMin > 500 + 9400)
        header << w.text;
    EXPECT_EQ(header, QStringList({"Página", QString::number(p), "de", QString::number(pages)}));
  }
}

TEST_F(EndToEnd, ACounterSaleWithAnExchangeWritesBothDocuments) {
  const Run r = run({{"RELATORIO", "pedidocaixa"}, {"SACOD", "4"}, {"TROCA", "3"}}, pdf("caixa"));
  ASSERT_EQ(r.exit, 0) << r.err.toStdString();
  ASSERT_TRUE(QFile::exists(pdf("caixa-troca")));
  EXPECT_EQ(words(pdf("caixa"), "CRÉDITO").size(), 1u);
  EXPECT_EQ(words(pdf("caixa"), "4.838,32").size(), 1u);
  EXPECT_EQ(words(pdf("caixa-troca"), "RELAÇÃO").size(), 1u);
  EXPECT_TRUE(words(pdf("caixa-troca"), "CRÉDITO").empty());

  const Run single = run({{"RELATORIO", "pedidocaixa"}, {"SACOD", "4"}, {"TROCA", "0"}}, pdf("caixa"));
  ASSERT_EQ(single.exit, 0) << single.err.toStdString();
  EXPECT_TRUE(QFile::exists(pdf("caixa")));
  EXPECT_FALSE(QFile::exists(pdf("caixa-troca")));
}

TEST_F(EndToEnd, AMissingImageEndsWithStatusOneAndNoReport) {
  QFile::remove(dir_ + "/cabecalho.jpg");
  const Run r = run({{"RELATORIO", "pedidoorcamento"}, {"SACOD", "1"}}, pdf("sem-imagem"));
  EXPECT_EQ(r.exit, 1);
  EXPECT_TRUE(r.err.contains(dir_ + "/cabecalho.jpg")) << r.err.toStdString();
  EXPECT_FALSE(QFile::exists(pdf("sem-imagem")));
  // The order without prices needs no image.
  const Run s = run({{"RELATORIO", "pedidosempreco"}, {"SACOD", "1"}}, pdf("sem-preco"));
  EXPECT_EQ(s.exit, 0) << s.err.toStdString();
  EXPECT_EQ(footerWords(pdf("sem-preco"), "CLIENTE"), 1u);
}

TEST_F(EndToEnd, ALayoutBesideTheProgramReplacesTheCompiledOne) {
  QDir().mkpath(dir_ + "/layouts");
  QFile compiled(":/layouts/reportPedidoSpreco.json");
  ASSERT_TRUE(compiled.open(QIODevice::ReadOnly));
  QByteArray json = compiled.readAll();
  json.replace("\"CLIENTE\"", "\"COMPRADOR\"");
  QFile f(dir_ + "/layouts/reportPedidoSpreco.json");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(json);
  f.close();
  const Run r = run({{"RELATORIO", "pedidosempreco"}, {"SACOD", "1"}}, pdf("troca-layout"));
  ASSERT_EQ(r.exit, 0) << r.err.toStdString();
  EXPECT_EQ(footerWords(pdf("troca-layout"), "COMPRADOR"), 1u);
  EXPECT_EQ(footerWords(pdf("troca-layout"), "CLIENTE"), 0u);
}

}  // namespace
}  // namespace reports
