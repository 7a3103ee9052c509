#include "textprint/imprimeentrada.h"

#include <QPrinter>
#include <algorithm>

#include "textdoc_testutil.h"
#include "textprint/entradaestoque.h"

namespace {

using textdoc::scratchFile;

const QDateTime kNow(QDate(2024, 12, 31), QTime(14, 22, 1));
const QString kSupplier = "30 - DISTRIBUIDORA FRIO SUL";
constexpr int kNoCode = -1;

// The job file of an entry. The header values differ from the database's,
// which shows where they come from. kNoCode leaves ENCOD out.
QString writeJob(const QString& name, int encod) {
  QList<QPair<QString, QString>> keys = {{"RELATORIO", "entrada_estoque"},
                                         {"ENDTENTRADA", "05/03/2024"},
                                         {"FKINCOD", kSupplier},
                                         {"ENNF", "NF 123456"},
                                         {"USUARIO", "ANA.PAULA"}};
  if (encod != kNoCode) keys.append({"ENCOD", QString::number(encod)});
  return testsupport::writeIni(scratchFile(name), keys);
}

std::vector<draw::TextRun> runs(const draw::Document& doc) {
  std::vector<draw::TextRun> out;
  for (const draw::Page& page : doc.pages)
    for (const draw::Item& item : page.items)
      if (const auto* r = std::get_if<draw::TextRun>(&item)) out.push_back(*r);
  return out;
}

// The lines listed in testdata/entrada_<name>.lines.
void expectLines(const draw::Document& doc, const QString& name) {
  testsupport::expectDrawnLines(testsupport::drawnLines(doc),
                                "src/textprint/testdata/entrada_" + name + ".lines");
}

class ImprimeEntrada : public ::testing::Test {
 protected:
  void SetUp() override { textdoc::openDemo(m); }

  void job(int encod) { m.job = readJobParameters(writeJob("parimp-entrada.txt", encod)); }

  // Drawn on a landscape printer: the receipt turns it to portrait.
  draw::Document print(int encod) {
    job(encod);
    Printer printer(draw::Orientation::Landscape);
    IMPRIMEENTRADA(m, printer, kNow);
    auto docs = printer.takeDocuments();
    EXPECT_EQ(docs.size(), 1u);
    if (docs.empty()) return {};
    EXPECT_EQ(docs[0].orientation, draw::Orientation::Portrait);
    return docs[0];
  }

  modCnn m;
};

// Entry 1, every line: title, the header from the job file, headings, items
// (item 101's 44-character name goes on two lines, item 102's 123 characters
// print as 1-40 and 41-100; 103 has a null IPI, 104 a null ICMS-ST: no
// amount), the total (null amounts count as 0), instalments by due date,
// remarks, user, signature rule and supplier.
TEST_F(ImprimeEntrada, ReceiptOfAnEntry) {
  const draw::Document doc = print(1);
  ASSERT_EQ(doc.pages.size(), 1u);
  expectLines(doc, "1");
  // Liberation Sans, the title 16 pt and the rest 8; bold down to the
  // headings and from the total on.
  for (const draw::TextRun& r : runs(doc))
    EXPECT_EQ(r.font, (draw::Font{.pointSize = r.rect.top() == 100 ? 16.0 : 8.0,
                                  .bold = r.rect.top() < 1500 || r.rect.top() >= 3150}))
        << r.text.toStdString();
}

// No item row: a zero total and empty remarks. Entry 2 has one instalment;
// entry 999 does not exist; without ENCOD the entry queried is 0.
TEST_F(ImprimeEntrada, EntriesWithoutItemsPrintAZeroTotal) {
  for (int encod : {2, 999, kNoCode}) {
    SCOPED_TRACE(encod);
    const draw::Document doc = print(encod);
    ASSERT_EQ(doc.pages.size(), 1u);
    expectLines(doc, encod == kNoCode ? "sem_encod" : QString::number(encod));
  }
}

// Lines 200 apart from 1750; the first at or past 15200 is the last of its
// page. Entry 6: item 69's second name line opens page 2 at 500 (items of
// 10,00 with 0,50 IPI, null ICMS-ST); entries 4, 5, 7: the instalments, the
// remarks, the supplier or the user line restart page 2 (testdata).
TEST_F(ImprimeEntrada, ClosingLinesPastTheFootStartPage2) {
  for (const auto& [encod, page2Runs] : {std::pair{6, 0u}, {4, 4u}, {5, 1u}, {7, 0u}}) {  // 0: not counted
    SCOPED_TRACE(encod);
    const draw::Document doc = print(encod);
    ASSERT_EQ(doc.pages.size(), 2u);
    expectLines(doc, QString::number(encod));
    EXPECT_TRUE(!page2Runs || doc.pages[1].items.size() == page2Runs) << doc.pages[1].items.size();
  }
}

// The host may rewrite the header keys after start-up; the receipt shows
// what the file holds when it prints.
TEST_F(ImprimeEntrada, JobValuesAreReadWhenPrinted) {
  job(2);
  testsupport::writeIni(m.job.path, {{"ENCOD", "2"}, {"FKINCOD", "OUTRO"}, {"USUARIO", "JOSÉ"}});
  Printer printer;
  IMPRIMEENTRADA(m, printer, kNow);
  const draw::Document doc = printer.takeDocuments().at(0);
  for (const char* text : {"FORNECEDOR: OUTRO", "ASS.FORNECEDOR: OUTRO",
                           "USUÁRIO RESPONSÁVEL: JOSÉ", "DATA: ", "NOTA FISCAL: "})
    EXPECT_TRUE(std::ranges::any_of(runs(doc), [&](const draw::TextRun& r) { return r.text == text; })) << text;
}

// Cancel prints nothing; three copies are three one-copy jobs of the same
// document but for the title's clock; --pdf: no dialog, one copy.
TEST_F(ImprimeEntrada, PrintDialogCopiesAndPdf) {
  job(3);
  ui::ScriptedUi ui;
  QPrinter printer;
  std::vector<draw::Document> docs;
  const auto deliver = [&](const draw::Document& d) { docs.push_back(d); };
  ui.printCopies = 0;
  textdoc::expectRuntimeError([&] { printEntradaEstoque(m, ui, printer, deliver); }, "cancelamento");
  EXPECT_EQ(ui.printDialogs, 1);
  EXPECT_TRUE(docs.empty());

  ui.printCopies = 3;
  printEntradaEstoque(m, ui, printer, deliver);
  EXPECT_EQ(printer.copyCount(), 1);
  ASSERT_EQ(docs.size(), 3u);
  const auto body = [](const draw::Document& d) {
    auto lines = testsupport::drawnLines(d);
    lines.erase("1/100");  // the title, with the clock
    return lines;
  };
  for (const auto& d : docs) {
    EXPECT_EQ(d.pages.size(), 2u);
    EXPECT_EQ(body(d), body(docs[0]));
  }

  m.options.pdfPath = scratchFile("uma-copia.pdf");
  printEntradaEstoque(m, ui);
  EXPECT_EQ(ui.printDialogs, 2);
  EXPECT_EQ(testsupport::pdfPageCount(m.options.pdfPath), 2);  // one copy of two pages
}

// End to end: the real executable, as the host starts it.

testsupport::RunResult runReceipt(const QString& job, const QString& pdf,
                                  const QMap<QString, QString>& env = {}) {
  const QString config = testsupport::writeFixtureConfig(scratchFile("TL-entrada.ini"));
  QMap<QString, QString> e = env;
  e.insert("LC_ALL", "pt_BR.UTF-8");  // the users' locale, whatever the machine's
  QStringList args = {"--config", config, "--job", job, "--batch"};
  if (!pdf.isEmpty()) args << "--pdf" << pdf;
  return testsupport::runExecutable(args, 60000, e);
}

TEST(ImprimeEntradaPdf, BatchWithoutPdfNeedsADefaultPrinter) {
  // No print server reachable: no default printer.
  const auto r = runReceipt(writeJob("parimp-sem-impressora.txt", 1), "",
                            {{"CUPS_SERVER", "/nonexistent/cups.sock"}});
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(QString::fromUtf8(r.err).contains("Nenhuma impressora padrão"))
      << r.err.toStdString();
}

}  // namespace
