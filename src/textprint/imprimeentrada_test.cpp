#include "textprint/imprimeentrada.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QPrinter>
#include <map>
#include <set>
#include <gtest/gtest.h>

#include "startup/errors.h"
#include "textprint/entradaestoque.h"
#include "textprint/painterbackend.h"
#include "testsupport.h"
#include "ui/ui.h"

// Readable QString values in failure messages.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QDateTime kNow(QDate(2024, 12, 31), QTime(14, 22, 1));

struct Placed {
  int page;  // 1-based
  draw::TextRun run;
  int x() const { return run.rect.left(); }
  int y() const { return run.rect.top(); }
};

std::vector<Placed> runs(const draw::Document& doc) {
  std::vector<Placed> out;
  for (size_t p = 0; p < doc.pages.size(); ++p)
    for (const draw::Item& item : doc.pages[p].items)
      if (const auto* r = std::get_if<draw::TextRun>(&item)) out.push_back({int(p) + 1, *r});
  return out;
}

// The run whose text is exactly this (the first one).
Placed find(const draw::Document& doc, const QString& text) {
  for (const Placed& p : runs(doc))
    if (p.run.text == text) return p;
  ADD_FAILURE() << "no run \"" << text.toStdString() << "\"";
  return {0, {}};
}

std::vector<Placed> startingWith(const draw::Document& doc, const QString& prefix) {
  std::vector<Placed> out;
  for (const Placed& p : runs(doc))
    if (p.run.text.startsWith(prefix)) out.push_back(p);
  return out;
}

// The runs of one line, keyed by x.
std::map<int, QString> lineAt(const draw::Document& doc, int page, int y) {
  std::map<int, QString> out;
  for (const Placed& p : runs(doc))
    if (p.page == page && p.y() == y) out[p.x()] = p.run.text;
  return out;
}

void expectFont(const Placed& p, double size, bool bold) {
  EXPECT_EQ(p.run.font.family, "Liberation Sans") << p.run.text.toStdString();
  EXPECT_EQ(p.run.font.pointSize, size) << p.run.text.toStdString();
  EXPECT_EQ(p.run.font.bold, bold) << p.run.text.toStdString();
}

class ImprimeEntrada : public ::testing::Test {
 protected:
  void SetUp() override {
    m.Cnn.open(testsupport::fixtureConnectionString());
  }

  // The job file of an entry; the header values deliberately differ from
  // the database so the test shows where they come from.
  void job(int encod) {
    const QString path = QDir(testsupport::scratchDir()).filePath("parimp-entrada.txt");
    testsupport::writeIni(path, {{"RELATORIO", "entrada_estoque"},
                                 {"ENCOD", QString::number(encod)},
                                 {"ENDTENTRADA", "05/03/2024"},
                                 {"FKINCOD", "30 - DISTRIBUIDORA FRIO SUL"},
                                 {"ENNF", "NF 123456"},
                                 {"USUARIO", "ANA.PAULA"}});
    m.job = readJobParameters(path);
  }

  draw::Document print(int encod) {
    job(encod);
    Printer printer;
    IMPRIMEENTRADA(m, printer, kNow);
    auto docs = printer.takeDocuments();
    EXPECT_EQ(docs.size(), 1u);
    return docs.empty() ? draw::Document() : docs.front();
  }

  modCnn m;
};

}  // namespace

TEST_F(ImprimeEntrada, TitleHeaderAndHeadings) {
  const draw::Document doc = print(1);
  EXPECT_EQ(doc.orientation, draw::Orientation::Portrait);

  const Placed title = find(doc, "1   RECIBO DE PAGAMENTO 31/12/2024 14:22:01 ");
  EXPECT_EQ(title.page, 1);
  EXPECT_EQ(title.run.rect.topLeft(), QPoint(2700, 100));
  expectFont(title, 16, true);

  struct Expect {
    QString text;
    int x, y;
    bool bold;
  };
  for (const Expect& e : {Expect{"DATA: 05/03/2024", 200, 500, true},
                          Expect{"FORNECEDOR: 30 - DISTRIBUIDORA FRIO SUL", 200, 700, true},
                          Expect{"NOTA FISCAL: NF 123456", 200, 900, true},
                          Expect{"CÓD.INT.", 200, 1500, false}, Expect{"PRODUTO", 1200, 1500, false},
                          Expect{"QTDE", 6700, 1500, false}, Expect{"VR UNIT.", 7700, 1500, false},
                          Expect{"VR.TOT", 8700, 1500, false}, Expect{"IPI", 9850, 1500, false},
                          Expect{"ICMS ST", 10700, 1500, false}}) {
    const Placed p = find(doc, e.text);
    EXPECT_EQ(p.page, 1) << e.text.toStdString();
    EXPECT_EQ(p.run.rect.topLeft(), QPoint(e.x, e.y)) << e.text.toStdString();
    expectFont(p, 8, e.bold);
  }
}

TEST_F(ImprimeEntrada, ItemLinesLongNamesAndNullTaxAmounts) {
  const draw::Document doc = print(1);
  // Item 101: a 44-character name continues on a second line.
  EXPECT_EQ(lineAt(doc, 1, 1750),
            (std::map<int, QString>{{200, " 1 "},
                                    {1200, "AR-CONDICIONADO SPLIT 9000 BTUS SÓ FRIO "},
                                    {6700, "5"},
                                    {7700, "  1450,00"},
                                    {8700, "  7250,00"},
                                    {9700, "   362,50"},
                                    {10700, "   650,00"}}));
  EXPECT_EQ(lineAt(doc, 1, 1950), (std::map<int, QString>{{1200, "220V"}}));
  // Item 102: 123 characters: 1-40, then 41-100; the rest is not printed.
  const auto item102 = lineAt(doc, 1, 2150);
  EXPECT_EQ(item102.at(1200), "KIT COMPLETO DE INSTALAÇÃO PARA AR-CONDI");
  EXPECT_EQ(item102.at(9700), "    75,00");
  EXPECT_EQ(item102.at(10700), "   120,00");
  EXPECT_EQ(lineAt(doc, 1, 2350),
            (std::map<int, QString>{
                {1200, "CIONADO SPLIT HI-WALL COM TUBULAÇÃO DE COBRE, ISOLAMENTO TÉR"}}));
  // Item 103: IPI null, no IPI amount; item 104: ICMS-ST null, none either.
  EXPECT_EQ(lineAt(doc, 1, 2550),
            (std::map<int, QString>{{200, " 3 "},
                                    {1200, "TUBO DE COBRE 1/4 POLEGADA"},
                                    {6700, "100"},
                                    {7700, "    12,40"},
                                    {8700, "  1240,00"},
                                    {10700, "   110,00"}}));
  EXPECT_EQ(lineAt(doc, 1, 2750),
            (std::map<int, QString>{{200, " 4 "},
                                    {1200, "TUBO DE COBRE 3/8 POLEGADA"},
                                    {6700, "50"},
                                    {7700, "    16,90"},
                                    {8700, "   845,00"},
                                    {9700, "    42,50"}}));
  for (const Placed& p : runs(doc)) expectFont(p, p.page == 1 && p.y() == 100 ? 16 : 8,
                                                 p.y() < 1500 || p.y() >= 3150);
}

TEST_F(ImprimeEntrada, TotalInstalmentsAndClosingLines) {
  const draw::Document doc = print(1);
  ASSERT_EQ(doc.pages.size(), 1u);
  // The null amounts count as 0: 7250 + 362,50 + 650 + 1500 + 75 + 120
  // + 1240 + 110 + 845 + 42,50.
  EXPECT_EQ(lineAt(doc, 1, 3150), (std::map<int, QString>{{6200, "TOTAL:"}, {7700, " 12195,00"}}));
  expectFont(find(doc, "TOTAL:"), 8, true);
  EXPECT_EQ(lineAt(doc, 1, 3850), (std::map<int, QString>{{1000, " ----  VENCIMENTOS ----"}}));
  // Instalments by due date: type, value, date (a date item and its blank).
  EXPECT_EQ(lineAt(doc, 1, 4050), (std::map<int, QString>{{1000, "BOLETO BANCÁRIO"},
                                                          {3000, "  4195,00"},
                                                          {4000, "20/03/2024 "}}));
  EXPECT_EQ(lineAt(doc, 1, 4250).at(4000), "04/04/2024 ");
  EXPECT_EQ(lineAt(doc, 1, 4450).at(4000), "04/05/2024 ");
  EXPECT_EQ(lineAt(doc, 1, 4750),
            (std::map<int, QString>{
                {1000, "OBS: MERCADORIA CONFERIDA. CAIXA DO ITEM 3 CHEGOU AMASSADA, SEM AVARIA "
                       "NO PRODUTO."}}));
  EXPECT_EQ(lineAt(doc, 1, 5250),
            (std::map<int, QString>{{1000, "USUÁRIO RESPONSÁVEL: ANA.PAULA"}}));
  EXPECT_EQ(lineAt(doc, 1, 5750), (std::map<int, QString>{{1000, QString(39, '_')}}));
  EXPECT_EQ(lineAt(doc, 1, 6050),
            (std::map<int, QString>{{1000, "ASS.FORNECEDOR: 30 - DISTRIBUIDORA FRIO SUL"}}));
  for (const Placed& p : startingWith(doc, "")) {
    if (p.y() >= 3150) expectFont(p, 8, true);
  }
  EXPECT_EQ(m.Rs.State(), 0);
  EXPECT_EQ(m.Rs2.State(), 0);
}

TEST_F(ImprimeEntrada, EntryWithoutItemsPrintsAZeroTotal) {
  const draw::Document doc = print(2);
  ASSERT_EQ(doc.pages.size(), 1u);
  EXPECT_TRUE(lineAt(doc, 1, 1750).empty());
  EXPECT_EQ(lineAt(doc, 1, 1950), (std::map<int, QString>{{6200, "TOTAL:"}, {7700, "     0,00"}}));
  EXPECT_EQ(find(doc, " ----  VENCIMENTOS ----").y(), 2650);
  EXPECT_EQ(lineAt(doc, 1, 2850).at(1000), "PIX");
  // No item row: the remarks are empty.
  EXPECT_EQ(lineAt(doc, 1, 3150), (std::map<int, QString>{{1000, "OBS: "}}));
  EXPECT_EQ(find(doc, "ASS.FORNECEDOR: 30 - DISTRIBUIDORA FRIO SUL").y(), 4450);
}

// The y of every item code (x 200) of the items, with its page.
std::vector<Placed> itemCodes(const draw::Document& doc) {
  std::vector<Placed> codes;
  for (const Placed& p : runs(doc))
    if (p.x() == 200 && p.y() >= 1750 - 1250 * (p.page > 1)) codes.push_back(p);
  return codes;
}

TEST_F(ImprimeEntrada, LongEntryBreaksPagesBetweenItemLines) {
  // Entry 3: 75 items, some with a second name line. Item lines follow one
  // another 200 apart; the first line at or past 15200 is the last of its
  // page, and the next starts the next page at 500.
  const draw::Document doc = print(3);
  ASSERT_EQ(doc.pages.size(), 2u);
  std::map<int, std::set<int>> lines;  // page -> y of item lines (codes and names)
  for (const Placed& p : runs(doc))
    if ((p.x() == 200 || p.x() == 1200) && (p.page > 1 || p.y() >= 1750) &&
        p.run.text != "PRODUTO")
      lines[p.page].insert(p.y());
  ASSERT_EQ(lines.size(), 2u);
  const std::vector<int> first(lines[1].begin(), lines[1].end());
  const std::vector<int> second(lines[2].begin(), lines[2].end());
  EXPECT_EQ(first.front(), 1750);
  for (size_t i = 1; i < first.size(); ++i) EXPECT_EQ(first[i] - first[i - 1], 200);
  EXPECT_GE(first.back(), 15200);
  EXPECT_LT(first.back() - 200, 15200);
  EXPECT_EQ(second.front(), 500);
  for (size_t i = 1; i < second.size(); ++i) EXPECT_EQ(second[i] - second[i - 1], 200);
  EXPECT_EQ(itemCodes(doc).size(), 75u);
  // The total follows the last item line on the second page.
  const Placed total = find(doc, "TOTAL:");
  EXPECT_EQ(total.page, 2);
  EXPECT_EQ(total.y(), second.back() + 400);
}

TEST_F(ImprimeEntrada, SecondNameLineCanStartTheNextPage) {
  // Entry 6: item 69 lies at 1750 + 68 * 200 = 15350; its second name line
  // therefore opens page 2 at 500 and item 70 follows at 700.
  const draw::Document doc = print(6);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(lineAt(doc, 1, 15150).at(1200), "PARAFUSO SEXTAVADO 6-68");
  EXPECT_EQ(lineAt(doc, 1, 15350).at(1200), "PARAFUSO SEXTAVADO INOX 1/4 X 2 POL COM ");
  EXPECT_EQ(lineAt(doc, 2, 500), (std::map<int, QString>{{1200, "PORCA E ARRUELA LISA"}}));
  EXPECT_EQ(lineAt(doc, 2, 700).at(1200), "PARAFUSO SEXTAVADO 6-70");
  EXPECT_EQ(lineAt(doc, 2, 1100).at(6200), "TOTAL:");
  // 70 items of 10,00 with 0,50 IPI each.
  EXPECT_EQ(lineAt(doc, 2, 1100).at(7700), "   735,00");
  EXPECT_EQ(lineAt(doc, 2, 700).at(9700), "     0,50");
  EXPECT_EQ(lineAt(doc, 2, 700).count(10700), 0u);  // ICMS-ST null
}

TEST_F(ImprimeEntrada, RemarksStartANewPageAt300) {
  // Entry 4: 63 items, the last at 14150; TOTAL 14550, VENCIMENTOS 15250;
  // no instalment, so the remarks advance meets 15250 and restarts at 300.
  const draw::Document doc = print(4);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(itemCodes(doc).back().y(), 14150);
  EXPECT_EQ(lineAt(doc, 1, 14550).at(7700), "   661,50");
  EXPECT_EQ(lineAt(doc, 1, 15250).at(1000), " ----  VENCIMENTOS ----");
  EXPECT_EQ(lineAt(doc, 2, 300),
            (std::map<int, QString>{{1000, "OBS: OBSERVAÇÃO NO ALTO DA SEGUNDA PÁGINA."}}));
  EXPECT_EQ(lineAt(doc, 2, 800).at(1000), "USUÁRIO RESPONSÁVEL: ANA.PAULA");
  EXPECT_EQ(lineAt(doc, 2, 1300).at(1000), QString(39, '_'));
  EXPECT_EQ(lineAt(doc, 2, 1600).at(1000), "ASS.FORNECEDOR: 30 - DISTRIBUIDORA FRIO SUL");
  EXPECT_EQ(doc.pages[1].items.size(), 4u);
}

TEST_F(ImprimeEntrada, SupplierLineStartsANewPageAt300) {
  // Entry 5: 56 items; the signature rule lands at 15350 on page 1, so the
  // supplier line restarts at 300 on page 2.
  const draw::Document doc = print(5);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(lineAt(doc, 1, 14050).at(1000), "DINHEIRO");
  EXPECT_EQ(lineAt(doc, 1, 14350).at(1000), "OBS: ASSINATURA NA SEGUNDA PÁGINA.");
  EXPECT_EQ(lineAt(doc, 1, 14850).at(1000), "USUÁRIO RESPONSÁVEL: ANA.PAULA");
  EXPECT_EQ(lineAt(doc, 1, 15350).at(1000), QString(39, '_'));
  EXPECT_EQ(lineAt(doc, 2, 300),
            (std::map<int, QString>{{1000, "ASS.FORNECEDOR: 30 - DISTRIBUIDORA FRIO SUL"}}));
  EXPECT_EQ(doc.pages[1].items.size(), 1u);
}

TEST_F(ImprimeEntrada, OtherClosingLinesRestartAt500) {
  // Entry 7: 61 items, 1 instalment at 15050, remarks at 15350; the user
  // line opens page 2 at 500, not 300.
  const draw::Document doc = print(7);
  ASSERT_EQ(doc.pages.size(), 2u);
  EXPECT_EQ(lineAt(doc, 1, 15050).at(1000), "PIX");
  EXPECT_EQ(lineAt(doc, 1, 15350).at(1000), "OBS: USUÁRIO NA SEGUNDA PÁGINA.");
  EXPECT_EQ(lineAt(doc, 2, 500).at(1000), "USUÁRIO RESPONSÁVEL: ANA.PAULA");
  EXPECT_EQ(lineAt(doc, 2, 1000).at(1000), QString(39, '_'));
  EXPECT_EQ(lineAt(doc, 2, 1300).at(1000), "ASS.FORNECEDOR: 30 - DISTRIBUIDORA FRIO SUL");
}

TEST_F(ImprimeEntrada, LandscapePrinterIsTurnedToPortrait) {
  job(2);
  Printer printer(draw::Orientation::Landscape);
  IMPRIMEENTRADA(m, printer, kNow);
  ASSERT_EQ(printer.documents().size(), 1u);
  EXPECT_EQ(printer.documents()[0].orientation, draw::Orientation::Portrait);
}

TEST_F(ImprimeEntrada, JobValuesAreReadWhenPrinted) {
  job(2);
  // The host may rewrite the header keys after start-up; the receipt shows
  // what the file holds when it prints.
  testsupport::writeIni(m.job.path, {{"ENCOD", "2"}, {"FKINCOD", "OUTRO"}, {"USUARIO", "JOSÉ"}});
  Printer printer;
  IMPRIMEENTRADA(m, printer, kNow);
  const draw::Document doc = printer.takeDocuments().at(0);
  find(doc, "FORNECEDOR: OUTRO");
  find(doc, "ASS.FORNECEDOR: OUTRO");
  find(doc, "USUÁRIO RESPONSÁVEL: JOSÉ");
  find(doc, "DATA: ");
  find(doc, "NOTA FISCAL: ");
}

TEST_F(ImprimeEntrada, UnknownEntryPrintsAnEmptyReceipt) {
  const draw::Document doc = print(999);
  EXPECT_EQ(lineAt(doc, 1, 1950).at(7700), "     0,00");
  EXPECT_EQ(find(doc, "OBS: ").y(), 2950);
}

TEST_F(ImprimeEntrada, MissingEntryCodeQueriesZero) {
  const QString path = QDir(testsupport::scratchDir()).filePath("parimp-sem-encod.txt");
  testsupport::writeIni(path, {{"RELATORIO", "entrada_estoque"}});
  m.job = readJobParameters(path);
  Printer printer;
  IMPRIMEENTRADA(m, printer, kNow);
  const draw::Document doc = printer.takeDocuments().at(0);
  find(doc, "   RECIBO DE PAGAMENTO 31/12/2024 14:22:01 ");
  find(doc, "     0,00");
}

// The dialog and the copies.

TEST_F(ImprimeEntrada, CancelledDialogPrintsNothing) {
  job(1);
  ui::ScriptedUi ui;
  ui.printCopies = 0;
  QPrinter printer;
  int delivered = 0;
  try {
    printEntradaEstoque(m, ui, printer, [&](const draw::Document&) { ++delivered; });
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_TRUE(e.message().contains("cancelamento")) << e.message().toStdString();
  }
  EXPECT_EQ(ui.printDialogs, 1);
  EXPECT_EQ(delivered, 0);
}

TEST_F(ImprimeEntrada, ThreeCopiesAreThreeDocuments) {
  job(3);
  ui::ScriptedUi ui;
  ui.printCopies = 3;
  QPrinter printer;
  std::vector<draw::Document> docs;
  printEntradaEstoque(m, ui, printer, [&](const draw::Document& d) { docs.push_back(d); });
  EXPECT_EQ(ui.printDialogs, 1);
  EXPECT_EQ(printer.copyCount(), 1);  // each job is one copy
  ASSERT_EQ(docs.size(), 3u);
  for (const auto& d : docs) EXPECT_EQ(d.pages.size(), 2u);

  const QString pdf = QDir(testsupport::scratchDir()).filePath("tres-copias.pdf");
  draw::renderToPdf(docs, pdf);
  EXPECT_EQ(testsupport::pdfPageCount(pdf), 6);
  std::vector<int> titlePages;
  for (const auto& w : testsupport::pdfWords(pdf))
    if (w.text == "RECIBO") titlePages.push_back(w.page);
  EXPECT_EQ(titlePages, (std::vector<int>{1, 3, 5}));
}

TEST_F(ImprimeEntrada, PdfOptionWritesOneCopyWithoutDialog) {
  job(1);
  m.options.pdfPath = QDir(testsupport::scratchDir()).filePath("uma-copia.pdf");
  ui::ScriptedUi ui;
  ui.printCopies = 3;
  printEntradaEstoque(m, ui);
  EXPECT_EQ(ui.printDialogs, 0);
  EXPECT_EQ(testsupport::pdfPageCount(m.options.pdfPath), 1);
}

// End to end: the real executable writes the receipt as a PDF.

namespace {

// pdftotext gives each word's box in twips; positions are compared within
// one twip (the PDF keeps them to a small fraction of a point, and the
// font's ascent to a thousandth of an em: under 0.1 twip at 16 pt).
constexpr double kPdfTolerance = 1;

struct ReceiptRun {
  testsupport::RunResult result;
  QString pdf;
};

ReceiptRun runReceipt(int encod, const QString& name, bool pdf = true,
                      const QMap<QString, QString>& env = {}) {
  const QDir dir(testsupport::scratchDir());
  const QString config = testsupport::writeFixtureConfig(dir.filePath("TL-" + name + ".ini"));
  const QString job = testsupport::writeIni(dir.filePath("parimp-" + name + ".txt"),
                                            {{"RELATORIO", "entrada_estoque"},
                                             {"ENCOD", QString::number(encod)},
                                             {"ENDTENTRADA", "05/03/2024"},
                                             {"FKINCOD", "30 - DISTRIBUIDORA FRIO SUL"},
                                             {"ENNF", "NF 123456"},
                                             {"USUARIO", "ANA.PAULA"}});
  ReceiptRun r;
  r.pdf = dir.filePath(name + ".pdf");
  QFile::remove(r.pdf);
  QMap<QString, QString> e = env;
  e.insert("LC_ALL", "pt_BR.UTF-8");  // the users' locale, whatever the machine's
  QStringList args = {"--config", config, "--job", job, "--batch"};
  if (pdf) args << "--pdf" << r.pdf;
  r.result = testsupport::runExecutable(args, 60000, e);
  return r;
}

const testsupport::PdfWord* wordAt(const std::vector<testsupport::PdfWord>& words,
                                   const QString& text, int page, double x, double y) {
  for (const auto& w : words)
    if (w.text == text && w.page == page && std::abs(w.xMin - x) <= kPdfTolerance &&
        std::abs(w.yMin - y) <= kPdfTolerance)
      return &w;
  return nullptr;
}

}  // namespace

TEST(ImprimeEntradaPdf, ExecutablePlacesTheReceiptInTwips) {
  const ReceiptRun r = runReceipt(1, "recibo1");
  ASSERT_TRUE(r.result.finished);
  ASSERT_EQ(r.result.exitCode, 0) << r.result.err.toStdString();
  EXPECT_EQ(testsupport::pdfPageCount(r.pdf), 1);
  const auto words = testsupport::pdfWords(r.pdf);

  draw::Font title;
  title.pointSize = 16;
  title.bold = true;
  draw::Font regular;
  draw::Font bold;
  bold.bold = true;
  struct Expect {
    QString word;
    double x, y;
  };
  const std::vector<Expect> expected = {
      {"1", 2700, 100},
      {"RECIBO", 2700 + draw::textWidth(title, "1   "), 100},
      {"DATA:", 200, 500},
      {"FORNECEDOR:", 200, 700},
      {"NOTA", 200, 900},
      {"CÓD.INT.", 200, 1500},
      {"PRODUTO", 1200, 1500},
      {"QTDE", 6700, 1500},
      {"VR", 7700, 1500},
      {"VR.TOT", 8700, 1500},
      {"IPI", 9850, 1500},
      {"ICMS", 10700, 1500},
      {"1", 200 + draw::textWidth(regular, " "), 1750},
      {"AR-CONDICIONADO", 1200, 1750},
      {"5", 6700, 1750},
      {"1450,00", 7700 + draw::textWidth(regular, "  "), 1750},
      {"7250,00", 8700 + draw::textWidth(regular, "  "), 1750},
      {"362,50", 9700 + draw::textWidth(regular, "   "), 1750},
      {"650,00", 10700 + draw::textWidth(regular, "   "), 1750},
      {"220V", 1200, 1950},
      {"TOTAL:", 6200, 3150},
      {"12195,00", 7700 + draw::textWidth(bold, " "), 3150},
      {"VENCIMENTOS", 1000 + draw::textWidth(bold, " ----  "), 3850},
      {"BOLETO", 1000, 4050},
      {"4195,00", 3000 + draw::textWidth(bold, "  "), 4050},
      {"20/03/2024", 4000, 4050},
      {"OBS:", 1000, 4750},
      {"USUÁRIO", 1000, 5250},
      {QString(39, '_'), 1000, 5750},
      {"ASS.FORNECEDOR:", 1000, 6050},
  };
  for (const Expect& e : expected)
    EXPECT_NE(wordAt(words, e.word, 1, e.x, e.y), nullptr)
        << e.word.toStdString() << " at " << e.x << "," << e.y;
  // The title's date and time, as two words after "PAGAMENTO".
  bool date = false;
  for (const auto& w : words)
    if (std::abs(w.yMin - 100) <= kPdfTolerance &&
        QRegularExpression("^\\d\\d/\\d\\d/\\d{4}$").match(w.text).hasMatch())
      date = true;
  EXPECT_TRUE(date);
  // Font sizes: the word boxes are the face's ascent plus descent.
  const auto* t = wordAt(words, "RECIBO", 1, expected[1].x, 100);
  ASSERT_NE(t, nullptr);
  EXPECT_NEAR(t->yMax - t->yMin, draw::lineHeight(title), kPdfTolerance);
  const auto* h = wordAt(words, "PRODUTO", 1, 1200, 1500);
  ASSERT_NE(h, nullptr);
  EXPECT_NEAR(h->yMax - h->yMin, draw::lineHeight(regular), kPdfTolerance);
}

TEST(ImprimeEntradaPdf, EveryTextRunOfALongReceiptIsWhereTheDisplayListPutsIt) {
  const ReceiptRun r = runReceipt(3, "recibo3");
  ASSERT_EQ(r.result.exitCode, 0) << r.result.err.toStdString();
  EXPECT_EQ(testsupport::pdfPageCount(r.pdf), 2);
  const auto words = testsupport::pdfWords(r.pdf);

  modCnn m;
  m.Cnn.open(testsupport::fixtureConnectionString());
  m.job = readJobParameters(QDir(testsupport::scratchDir()).filePath("parimp-recibo3.txt"));
  Printer printer;
  IMPRIMEENTRADA(m, printer);
  const draw::Document doc = printer.takeDocuments().at(0);
  int checked = 0;
  for (size_t page = 0; page < doc.pages.size(); ++page) {
    for (const draw::Item& item : doc.pages[page].items) {
      const auto& run = std::get<draw::TextRun>(item);
      const QString trimmedLeft = QString(run.text).remove(QRegularExpression("^ +"));
      if (trimmedLeft.isEmpty()) continue;
      const QString first = trimmedLeft.section(' ', 0, 0);
      const double x = run.rect.left() +
                       draw::textWidth(run.font, run.text.left(run.text.size() - trimmedLeft.size()));
      EXPECT_NE(wordAt(words, first, int(page) + 1, x, run.rect.top()), nullptr)
          << first.toStdString() << " page " << page + 1 << " at " << x << ","
          << run.rect.top();
      ++checked;
    }
  }
  EXPECT_GT(checked, 300);
}

TEST(ImprimeEntradaPdf, BatchWithoutPdfNeedsADefaultPrinter) {
  // No print server reachable: no default printer.
  const ReceiptRun r = runReceipt(1, "sem-impressora", false,
                           {{"CUPS_SERVER", "/nonexistent/cups.sock"}});
  ASSERT_TRUE(r.result.finished);
  EXPECT_EQ(r.result.exitCode, 1);
  EXPECT_TRUE(QString::fromUtf8(r.result.err).contains("Nenhuma impressora padrão"))
      << r.result.err.toStdString();
  EXPECT_FALSE(QFile::exists(r.pdf));
}
