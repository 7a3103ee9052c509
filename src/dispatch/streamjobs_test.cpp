// --pdf on text and label jobs, the no-document message box and the job log,
// through the real executable where it can run.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QFileInfo>
#include <cmath>

#include <QAction>
#include <QApplication>

#include "core/joblog.h"
#include "dispatch/form1.h"
#include "dispatch/streampicture.h"
#include "reports/reportpreview.h"
#include "textprint/printerdestination.h"
#include "testsupport.h"

namespace {

using testsupport::scratchFile;

struct JobRun {
  testsupport::RunResult result;
  QString printer, pdf, log;
};

// A job through the executable with its own printer file, PDF (when asked for) and log.
JobRun runJob(const QString& name, QList<QPair<QString, QString>> keys, bool pdf = false,
              const QString& config = {}) {
  JobRun run{{}, scratchFile(name + ".prn"), scratchFile(name + ".pdf"),
             scratchFile(name + "/tl_relatorios/trabalhos.log")};
  for (const QString& file : {run.printer, run.pdf, run.log}) QFile::remove(file);
  keys << qMakePair(QString("LOCALIMPRESSORA"), run.printer)
       << qMakePair(QString("IMPRESSORA"), run.printer);
  const QString job = testsupport::writeIni(scratchFile(name + ".txt"), keys, false);
  QStringList args = {"--batch", "--config",
                      config.isEmpty() ? testsupport::writeFixtureConfig(scratchFile("TL.ini")) : config,
                      "--job", job};
  if (pdf) args << "--pdf" << run.pdf;
  run.result = testsupport::runExecutable(args, 60000, {{"LC_ALL", "pt_BR.UTF-8"}, {"LANG", "pt_BR.UTF-8"},
                                                        {"XDG_STATE_HOME", scratchFile(name)}});
  return run;
}

QJsonObject lastLogLine(const QString& log) {
  const QList<QByteArray> lines = testsupport::readFile(log).trimmed().split('\n');
  return QJsonDocument::fromJson(lines.last()).object();
}

// The picture instead of the printer: no printer byte; the words in order and columns; labels' texts and copies.
TEST(StreamJobs, PdfIsAPictureOfTheStreamAndNoPrinterByte) {
  const QString golden = "src/dispatch/testdata/stream_pdf.lines";
  QStringList actual;
  for (const QString& line : testsupport::goldenLines(golden)) {
    const QStringList job = line.section(" | ", 0, 0).split(' '), expected = line.section(" | ", 1, 1).split(' ');
    const QString code = job[0];
    SCOPED_TRACE(code.toStdString());
    QList<QPair<QString, QString>> keys = {{"RELATORIO", code}};
    for (const QString& k : job.mid(1)) keys << qMakePair(k.section('=', 0, 0), k.section('=', 1));
    const JobRun run = runJob("pic-" + code, keys, true);
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err.toStdString();
    EXPECT_FALSE(QFile::exists(run.printer));
    const auto words = testsupport::pdfWords(run.pdf);
    const int pages = testsupport::pdfPageCount(run.pdf);
    bool found = false;
    for (size_t i = 0; i + expected.size() <= words.size() && !found; ++i) {
      found = true;
      for (qsizetype k = 0; k < expected.size(); ++k)
        found = found && words[i + k].text.startsWith(expected[k]) &&
                std::abs(words[i + k].yMin - words[i].yMin) < 20 &&
                (k == 0 || words[i + k].xMin > words[i + k - 1].xMax);
    }
    actual << line.section(" | ", 0, 0) + " | " + (found ? "" : "(não achou) ") + expected.join(' ') + " | " +
                  QString::number(pages);
    const QJsonObject log = lastLogLine(run.log);
    EXPECT_EQ(log["relatorio"].toString(), code);
    EXPECT_EQ(log["pdf"].toArray().first().toString(), run.pdf);
    EXPECT_EQ(log["paginas"].toInt(), pages);
    EXPECT_EQ(log["bytes"].toInt(), 0);
  }
  testsupport::expectGoldenLines(actual, golden);
}

// One line per run, failing runs too, in TL.ini's LOG file when it names one.
TEST(JobLog, EveryRunAppendsOneLine) {
  const JobRun ok = runJob("log-ok", {{"RELATORIO", "pedidocupom"}, {"SACOD", "4"}});
  QJsonObject line = lastLogLine(ok.log);
  EXPECT_EQ(line["saida"].toInt(), 0);
  EXPECT_EQ(line["destino"].toString(), ok.printer);
  EXPECT_EQ(line["bytes"].toInt(), QFileInfo(ok.printer).size());
  EXPECT_EQ(line["chaves"].toObject()["SACOD"].toString(), "4");
  EXPECT_TRUE(line["hora"].toString().contains('T'));

  const JobRun report = runJob("log-report", {{"RELATORIO", "pedidografico"}, {"SACOD", "1"}}, true);
  line = lastLogLine(report.log);
  EXPECT_EQ(line["pdf"].toArray().first().toString(), report.pdf);
  EXPECT_EQ(line["paginas"].toInt(), testsupport::pdfPageCount(report.pdf));

  const JobRun none = runJob("log-none", {{"RELATORIO", "naoexiste"}});
  line = lastLogLine(none.log);
  EXPECT_EQ(line["saida"].toInt(), 3);
  EXPECT_TRUE(line["mensagem"].toString().contains("naoexiste"));

  const QString badDb = testsupport::writeIni(
      scratchFile("log-bad.ini"),
      {{"LOCALBANCO", scratchFile("nao.fdb")}, {"LOG", scratchFile("log-ini/registro.log")}});
  const JobRun bad = runJob("log-bad", {{"RELATORIO", "pedidocupom"}, {"SACOD", "4"}}, false, badDb);
  EXPECT_FALSE(QFile::exists(bad.log));
  line = lastLogLine(scratchFile("log-ini/registro.log"));
  EXPECT_EQ(line["saida"].toInt(), 1);

  // A log that cannot be written: the job runs, one line on standard error.
  const QString unwritable = testsupport::writeIni(
      scratchFile("log-unw.ini"), {{"LOCALBANCO", testsupport::fixtureDatabase()},
                                   {"USUARIO", "SYSDBA"},
                                   {"LOG", "/dev/null/trabalhos.log"}});
  const JobRun unw = runJob("log-unw", {{"RELATORIO", "pedidocupom"}, {"SACOD", "4"}}, false, unwritable);
  EXPECT_EQ(unw.result.exitCode, 0) << unw.result.err.toStdString();
  EXPECT_TRUE(QFile::exists(unw.printer));
  EXPECT_EQ(unw.result.err.count("registro de trabalhos"), 1) << unw.result.err.toStdString();
}

TEST(JobLog, RotatesAtOneMegabyteKeepingOneOldFile) {
  const QString log = scratchFile("rot/trabalhos.log");
  QDir().mkpath(scratchFile("rot"));
  QFile::remove(log + ".1");
  testsupport::prefilled(log, QByteArray(joblog::kRotateBytes - 10, 'x'));
  ASSERT_TRUE(joblog::append(log, "{\"a\":1}\n"));  // still fits
  EXPECT_FALSE(QFile::exists(log + ".1"));
  ASSERT_TRUE(joblog::append(log, "{\"b\":2}\n"));
  EXPECT_EQ(QFileInfo(log + ".1").size(), joblog::kRotateBytes - 2);
  EXPECT_EQ(testsupport::readFile(log), "{\"b\":2}\n");
}

// A session where windows are allowed.
class WindowUi : public ui::ScriptedUi {
 public:
  bool windowsAllowed() const override { return true; }
};

// --preview: the picture in the preview window, whose Imprimir sends the
// unchanged stream to the job's printer; no window possible, nothing printed.
TEST(StreamJobs, PreviewPrintsTheUnchangedStream) {
  modCnn m;
  m.job.RELATORIO = "pedidocupom";
  m.options.preview = true;
  const QString printer = scratchFile("preview.prn");
  QFile::remove(printer);
  const QString stream = "\x1b!\x01NRO. 4\r\n\x1dVB" + QString(QChar(0)) + "\r\n";
  {
    StreamPicture picture(m);
    printStream(m, printer, stream);
    EXPECT_FALSE(QFile::exists(printer));
    ui::ScriptedUi batch;
    EXPECT_THROW(picture.finish(batch), RuntimeError);
  }
  StreamPicture picture(m);
  printStream(m, printer, stream);
  WindowUi ui;
  ASSERT_EQ(picture.finish(ui), Outcome::WindowOpen);
  reports::ReportPreview* window = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* p = qobject_cast<reports::ReportPreview*>(w); p && p->isVisible()) window = p;
  ASSERT_NE(window, nullptr);
  window->printAction()->trigger();
  EXPECT_EQ(testsupport::readFile(printer), QByteArray("\x1b!\x01NRO. 4\r\n\x1dVB\0\r\n", 17));
  EXPECT_EQ(m.record.bytes, 17);
  window->onClosed = nullptr;
  window->close();
}

TEST(NoDocument, ShowsAMessageBoxWhereWindowsAreAllowed) {
  modCnn m;
  m.job.RELATORIO = "naoexiste";
  m.job.path = testsupport::writeIni(scratchFile("nodoc.txt"), {{"RELATORIO", "naoexiste"}});
  WindowUi ui;
  reportNoDocument(ui, noDocumentMessage(m));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "tl_relatorios");
  EXPECT_TRUE(ui.shown[0].text.contains("\"naoexiste\""));
  ui::ScriptedUi batch;
  reportNoDocument(batch, noDocumentMessage(m));
  EXPECT_TRUE(batch.shown.empty());
}

}  // namespace
