#include "reports/pagereports.h"

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QImageReader>
#include <QThread>
#include <QPrinter>

#include "reports/reportpreview.h"
#include "core/errors.h"
#include "core/inifile.h"
#include "core/sqltext.h"
#include "drawing/painterbackend.h"

namespace reports {

namespace {

constexpr int kUnset = -1;
const QString kAppTitle = QStringLiteral("tl_relatorios");

// The exchange document of a counter sale: same margins and images as the sale.
const Preparation kExchange = {"pedidocaixa", "reportPedidoCaixaTroca", "PEDIDO_TROCA",
                               JobCode::SACOD, {500, 300, 300, 800}, 0, true, true,
                               ExtraStep::None};

QImage loadImage(const QString& exeDir, const QString& file) {
  const QString path = QDir(exeDir).filePath(file);
  if (!QFile::exists(path)) throw RuntimeError("Arquivo de imagem não encontrado: " + path);
  QImageReader reader(path);
  QImage image = reader.read();
  if (image.isNull())
    throw RuntimeError("Não foi possível ler a imagem " + path + ": " + reader.errorString());
  return image;
}

// The job's code for a command's parameter, checked whole (TBCOD is
// already a rounded 32-bit number).
QString jobCode(const modCnn& m, JobCode c) {
  switch (c) {
    case JobCode::SACOD: return sqlCode(m.job.SACOD, "SACOD");
    case JobCode::OSCOD: return sqlCode(m.job.OSCOD, "OSCOD");
    case JobCode::ENCOD: return sqlCode(m.job.ENCOD, "ENCOD");
    case JobCode::PRCOD: return sqlCode(m.job.PRCOD, "PRCOD");
    case JobCode::PCOD: return sqlCode(m.job.PCOD, "PCOD");
    case JobCode::TBCOD: return QString::number(m.job.TBCOD);
  }
  return {};
}

// A whole code as the 32-bit parameter of a command.
int32_t jobNumber(const modCnn& m, JobCode c) {
  return intCode(jobCode(m, c), "");
}

void message(ui::Ui& ui, const QString& text) {
  ui.message(text, kAppTitle, ui::Icon::None, ui::Buttons::Ok, ui::Answer::Ok);
}

// The company's name and the service order's customer in the page footer.
void companyAndCustomer(modCnn& m, BandReport& r) {
  r.setCaption("PageFooter", "lbl_empresa", m.job.NOMEEMPRESA);
  m.FECHARS();
  m.Rs.open(
      "select i.innome from os o inner join interveniente i on (i.incod=o.fkinterveniente) "
      "where o.oscod='" + sqlQuote(sqlCode(m.job.OSCOD, "OSCOD")) + "'",
      m.Cnn);
  if (!m.Rs.eof()) r.setCaption("PageFooter", "lbl_cliente", m.Rs["innome"].trimmed());
  m.FECHARS();
}

// Closes the command's record set if open, then executes it with the job's value.
void executeCommand(modCnn& m, DataEnvironment& de, const Preparation& p) {
  CommandRecordset& rs = de.rs(p.command);
  if (rs.State() == 1) rs.Close();
  if (p.argument == JobCode::OSCOD) de.execute(p.command, jobCode(m, p.argument));
  else if (p.argument == JobCode::TBCOD) de.execute(p.command, m.job.TBCOD);
  else de.execute(p.command, jobNumber(m, p.argument));
}

PreparedReport prepare(modCnn& m, ui::Ui& ui, const Preparation& p, DataEnvironment& de,
                       const QDateTime& now) {
  jobCode(m, p.argument);  // a code that is not whole stops the report before anything
  BandReport r;
  r.layout = loadLayout(p.report, m.options.exeDir);
  // Margins and orientation the code asks for.
  if (p.margins[0] != kUnset) r.page.left = p.margins[0];
  if (p.margins[1] != kUnset) r.page.right = p.margins[1];
  if (p.margins[2] != kUnset) r.page.top = p.margins[2];
  if (p.margins[3] != kUnset) r.page.bottom = p.margins[3];
  if (p.orientation == 2) r.page.orientation = draw::Orientation::Landscape;
  else if (p.orientation == 1) r.page.orientation = draw::Orientation::Portrait;
  bool executed = false;
  if (p.extra == ExtraStep::LoadingMessages) {
    // The legacy program's progress messages, which the shop's users know; kept as they were.
    message(ui, "Carrega0");
    r.setCaption("PageHeader", "lbl_empresa", m.job.NOMEEMPRESA);
    message(ui, "Carrega1");
    CommandRecordset& rs = de.rs(p.command);
    if (rs.State() == 1) {
      message(ui, "Fecha conexao");
      rs.Close();
    }
    message(ui, "Carrega2");
    de.execute(p.command, jobNumber(m, p.argument));
    executed = true;
  }
  // Header and footer pictures.
  if (p.headerImage)
    r.setPicture("PageHeader", "cabecalho", loadImage(m.options.exeDir, "cabecalho.jpg"));
  if (p.footerImage)
    r.setPicture("PageFooter", "rodape", loadImage(m.options.exeDir, "rodape.jpg"));
  if (p.extra == ExtraStep::CompanyAndCustomer) companyAndCustomer(m, r);
  if (p.extra == ExtraStep::PriceTableName)
    r.setCaption("PageHeader", "Label2", LEINI("Geral", "NOME_TABELA", m.config.path));
  // The data, unless the loading messages already fetched it.
  if (!executed) executeCommand(m, de, p);
  return {p.report, layoutBandReport(r, de.rs(p.command).set(), now)};
}

// The documents of one request on the printer the interface gives: the
// one named by --printer, else the default printer.
void printWithoutWindow(ui::Ui& ui, const std::vector<PreparedReport>& prepared) {
  std::vector<draw::Document> docs;
  for (const PreparedReport& r : prepared) docs.push_back(r.document);
  QPrinter printer(QPrinter::HighResolution);
  draw::preparePrinter(printer, docs.front().orientation, docs.front().title);
  if (!ui.printDialog(printer, {int(docs.front().pages.size()), -1})) return;
  if (printer.printerName().isEmpty() && printer.outputFileName().isEmpty())
    throw RuntimeError(
        "Sem janelas o relatório só pode ser gravado em PDF (--pdf ARQUIVO) ou numa impressora "
        "(--printer NOME): não há impressora padrão.");
  draw::renderToPrinter(docs, printer);
}

// For the tests that run another job while a report has let go of its
// database: TL_RELATORIOS_PAUSA names a file created here, and the run waits
// (at most 20 s) until somebody removes it.
void pauseIfAsked() {
  const QString path = qEnvironmentVariable("TL_RELATORIOS_PAUSA");
  if (path.isEmpty()) return;
  QFile marker(path);
  if (!marker.open(QIODevice::WriteOnly)) return;
  marker.close();
  QElapsedTimer waited;
  waited.start();
  while (QFile::exists(path) && waited.elapsed() < 20000) QThread::msleep(20);
}

}  // namespace

const std::vector<Preparation>& preparations() {
  static const std::vector<Preparation> table = {
      {"pedidografico", "reportPedido", "PEDIDO", JobCode::SACOD, {500, 300, 300, 800}, 0, true, true, ExtraStep::None},
      {"pedidocaixa", "reportPedidoCaixa", "PEDIDO", JobCode::SACOD, {500, 300, 300, 800}, 0, true, true, ExtraStep::None},
      {"pedidoorcamento", "reportOrcamento", "PEDIDO", JobCode::SACOD, {500, 300, 300, 800}, 0, true, true, ExtraStep::None},
      {"pedidosempreco", "reportPedidoSpreco", "PEDIDO", JobCode::SACOD, {500, 300, 300, 800}, 0, false, false, ExtraStep::None},
      {"osvisita", "reportOSVISITA", "OS", JobCode::OSCOD, {210, 300, 300, 200}, 0, true, false, ExtraStep::None},
      {"ose", "reportOSE", "OS", JobCode::OSCOD, {210, 300, 300, 200}, 0, true, false, ExtraStep::CompanyAndCustomer},
      {"os", "reportOS", "OS", JobCode::OSCOD, {210, 300, 300, 200}, 0, true, false, ExtraStep::CompanyAndCustomer},
      {"pedidocompra", "reportPedCompra", "PEDCOMP", JobCode::ENCOD, {500, 300, 50, 300}, 2, true, false, ExtraStep::None},
      {"pedidocomprac", "reportPedCompraC", "PEDCOMP", JobCode::ENCOD, {500, 300, 50, 300}, 0, true, false, ExtraStep::None},
      {"saidaresumida", "reportSAIDARESUMIDA", "SR", JobCode::SACOD, {500, 300, 50, 300}, 0, false, false, ExtraStep::LoadingMessages},
      {"cadastro_kit", "reportKIT", "KIT", JobCode::PRCOD, {200, 300, 200, 200}, 1, false, false, ExtraStep::None},
      {"pedido_producao", "reportPRO", "PRODUCAO", JobCode::PCOD, {200, 300, 200, 300}, 0, false, false, ExtraStep::None},
      {"tabela_preco", "reportTabelaPreco", "TABELAPRECO", JobCode::TBCOD, {200, 300, 200, kUnset}, 0, false, false, ExtraStep::PriceTableName},
  };
  return table;
}

const Preparation* preparation(const QString& code) {
  for (const Preparation& p : preparations())
    if (p.code == code) return &p;
  return nullptr;
}

std::vector<PreparedReport> preparePageReports(modCnn& m, ui::Ui& ui, const QString& code,
                                               DataEnvironment& de, const QDateTime& now) {
  const Preparation* p = preparation(code);
  if (!p) throw RuntimeError("Código de relatório sem relatório de página: " + code);
  std::vector<PreparedReport> out;
  out.push_back(prepare(m, ui, *p, de, now));
  if (code == "pedidocaixa") {
    const std::optional<double> troca = parseLocaleNumber(m.job.TROCA);
    if (troca && *troca > 0) out.push_back(prepare(m, ui, kExchange, de, now));
  }
  return out;
}

QString exchangePdfPath(const QString& pdfPath) {
  const qsizetype slash = std::max(pdfPath.lastIndexOf('/'), pdfPath.lastIndexOf('\\'));
  const qsizetype dot = pdfPath.lastIndexOf('.');
  if (dot <= slash + 1) return pdfPath + "-troca";
  return pdfPath.left(dot) + "-troca" + pdfPath.mid(dot);
}

}  // namespace reports

Outcome showPageReport(modCnn& m, ui::Ui& ui, const QString& code) {
  using namespace reports;
  DataEnvironment de(m);
  std::vector<PreparedReport> prepared =
      preparePageReports(m, ui, code, de, QDateTime::currentDateTime());
  // The pages hold all they show: the rows go before the pages are drawn.
  if (const Preparation* p = preparation(code)) de.rs(p->command).Close();
  // Laid out: nothing more is read, so no window of ours holds the database
  // while it is open (another job may need the embedded engine's file).
  de.release();
  m.releaseDatabase();
  pauseIfAsked();
  for (const PreparedReport& r : prepared) m.record.pages += int(r.document.pages.size());
  if (!m.options.pdfPath.isEmpty()) {
    draw::renderToPdf(prepared[0].document, m.options.pdfPath);
    m.record.pdfs << m.options.pdfPath;
    if (prepared.size() > 1) {
      draw::renderToPdf(prepared[1].document, exchangePdfPath(m.options.pdfPath));
      m.record.pdfs << exchangePdfPath(m.options.pdfPath);
    }
    return Outcome::Ended;
  }
  if (!ui.windowsAllowed()) {
    printWithoutWindow(ui, prepared);
    return Outcome::Ended;
  }
  // Each window ends the program when it is closed; the last one shown (the
  // exchange document) is on top.
  int offset = 0;
  for (PreparedReport& r : prepared) {
    auto* window = new ReportPreview(std::move(r.document), ui);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Shifted inside the screen's area, so the one below still shows.
    window->setGeometry(window->geometry().adjusted(offset, offset, 0, 0));
    window->show();
    window->raise();
    window->activateWindow();
    offset += 40;
  }
  return Outcome::WindowOpen;
}
