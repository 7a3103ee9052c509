#include "commission/comissaoprint.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QRadioButton>
#include <memory>
#include <optional>
#include <vector>

#include "commission/frmconscomissaogeral.h"
#include "core/documentid.h"
#include "core/errors.h"
#include "core/masks.h"
#include "drawing/painterbackend.h"

namespace comissao {

namespace {

// One row of the family table.
struct Family {
  bool reversal;
  bool sales;     // IMPRIME: the sale-value column and the running sales total
  bool referral;  // the group person is the referrer typed in the window
  QString personHeading;
  QString orderHeading;
  const char* percentColumn;  // "% COMISS" column read from the row (nullptr: the typed text)
};

Family family(Statement s) {
  switch (s) {
    case Statement::IMPRIME: return {false, true, false, "VENDEDOR", "PED.", nullptr};
    case Statement::IMPRIME_ESTORNO: return {true, false, false, "VENDEDOR", "PED.", "copercreal"};
    case Statement::IMPRIME_REP:
      return {false, false, false, "REPRESENTANTE", "OP", "cacomissaovenda"};
    case Statement::IMPRIME_ESTORNO_REP:
      return {true, false, false, "REPRESENTANTE", "OP", "cacomissaovenda"};
    case Statement::IMPRIME_IND: return {false, false, true, "INDICACAO", "OP", nullptr};
    case Statement::IMPRIME_ESTORNO_IND: return {true, false, true, "INDICACAO", "OP", nullptr};
  }
  return {};
}

constexpr int kPageEnd = 15000;

// Amount rendering: numeric mask, right-aligned in 9 characters, prefix.
QString amount(const QString& prefix, double v, bool grouped) {
  return prefix + placeRight(formatNumber(v, 2, grouped), 9);
}
QString amount(const QString& prefix, const Value& v) {
  return prefix + placeRight(formatMask(v, "###0.00"), 9);
}

QString client(const Recordset& rs) {
  const QString shortName = rs["inapelido"].trimmed();
  return (shortName.isEmpty() ? rs["innome"].trimmed() : shortName).left(20);
}

// The CPF as it stands; without one, the CNPJ as it stands, even when it is
// empty or its empty mask.
QString taxNumber(const Recordset& rs) {
  const Value cpf = rs["incpf"], cnpj = rs["incnpj"];
  return (chooseTaxId(cpf, cnpj) == TaxId::Cpf ? cpf : cnpj).toText().left(20);
}

// A date column in the short date form; a timestamp's time of day is not
// part of the statement.
QString shortDate(const Value& v) {
  if (v.kind() == Value::Kind::Date || v.kind() == Value::Kind::DateTime)
    return QLocale().toString(v.dateValue(), QLocale::ShortFormat);
  return v.toText();
}

// The person a row belongs to, compared as text so that a missing name
// cannot stall the grouping.
QString rowPerson(const Family& f, const Recordset& rs, const StatementInputs& in) {
  // The referral queries return no seller: all their rows form one group
  // under the referrer chosen in the window.
  return f.referral ? in.indicacao : rs["funome"].toText();
}

// One row of a statement as it prints.
struct StatementLine {
  QString person;       // the group the row belongs to
  QString order;        // the sale's date and code, or the order code
  QString client, taxNumber;
  QString valueColumn;  // the sale value, or "% " and the percentage
  QString commission;   // "R$ " and the row's commission
  QString lastColumn;   // the payment, or the cancellation date (reversals)
  double commissionValue = 0;
  double sale = 0;  // seller's sales statement only
};

struct StatementData {
  Family family;
  QString periodFrom, periodTo;
  std::vector<StatementLine> lines;
};

// Runs the statement's query and keeps its rows as they will print; none
// when nothing is to be printed.
std::optional<StatementData> readStatement(Statement which, modCnn& m, const StatementInputs& in) {
  const Family f = family(which);
  if (f.reversal && in.sql.isEmpty()) return std::nullopt;
  m.FECHARS();
  m.Rs.open(" " + in.sql + " ", m.Cnn);
  Recordset& rs = m.Rs;
  if (rs.eof()) return std::nullopt;

  StatementData d{f, in.periodFrom, in.periodTo, {}};
  const QString typedPercent = formatMask(Value::text(in.percentText), "###0.00");
  while (!rs.eof()) {
    StatementLine l;
    l.person = rowPerson(f, rs, in);
    if (f.sales) {
      // A null amount counts as 0, as in the inquiry grid.
      l.sale = rs["savrpago"].toDouble() - rs["valoricmss"].toDouble();
      l.commissionValue = l.sale * rs["cacomissaovenda"].toDouble() / 100;
      l.order = shortDate(rs["datasaida"]) + " " + rs["sacod"].trimmed();
      l.client = client(rs);
      l.taxNumber = taxNumber(rs);
      l.valueColumn = placeRight(formatNumber(l.sale, 2, true), 9);
      l.commission = amount("R$ ", l.commissionValue, true);
      l.lastColumn = rs["fpdesc"].trimmed().left(16);
    } else {
      const Value vrcomis = rs["vrcomis"];
      l.commissionValue = vrcomis.toDouble();
      l.order = rs["fksacod"].trimmed();
      l.client = client(rs);
      l.taxNumber = taxNumber(rs);
      l.valueColumn =
          "% " + placeRight(f.percentColumn ? formatMask(rs[f.percentColumn], "###0.00") : typedPercent, 9);
      l.commission = amount("R$ ", vrcomis);
      if (f.reversal) l.lastColumn = shortDate(rs["sadtcancelamento"]);
    }
    d.lines.push_back(std::move(l));
    rs.MoveNext();
  }
  m.FECHARS();
  return d;
}

// Lays the rows out by person: a rule and the person's name, the person's
// rows, a subtotal; the grand total at the end.
void composeStatement(const StatementData& d, Printer& p) {
  const Family& f = d.family;
  // Title and column headings, first page only.
  p.FontSize(16);
  p.FontBold(true);
  p.PrintAt(1300, 300,
            QString(f.reversal ? "RELATÓRIO DE ESTORNO DE COMISSÕES   " : "RELATÓRIO DE COMISSÕES   ") +
                d.periodFrom + " - " + d.periodTo);
  p.FontSize(8);
  p.PrintAt(100, 1000, f.personHeading);
  p.PrintAt(1100, 1200, f.orderHeading);
  p.PrintAt(2000, 1200, "CLIENTE");
  p.PrintAt(4500, 1200, "CNPJ/CPF");
  p.PrintAt(7000, 1200, f.sales ? "R$ VENDA" : "% COMISS");
  p.PrintAt(8500, 1200, "R$ COMISS");
  if (f.reversal) p.PrintAt(10000, 1200, "CANCEL.");
  p.FontBold(false);

  double statementTotal = 0;
  double groupCommission = 0;
  double salesTotal = 0;  // seller's sales: never reset between groups
  int y = 1200;
  p.FontSize(8);
  auto step = [&] {
    if (y < kPageEnd) {
      y += 200;
    } else {
      p.NewPage();
      y = 200;
    }
  };

  size_t i = 0;
  while (i < d.lines.size()) {
    step();
    const QString& group = d.lines[i].person;
    y += 200;
    p.PrintAt(100, y, QString(133, '_'));
    y += 200;
    p.PrintAt(100, y, group);
    if (y >= kPageEnd) {
      // The group starts again on the next page.
      p.NewPage();
      y = 200;
    } else {
      y += 300;
      for (; i < d.lines.size() && d.lines[i].person == group; ++i) {
        const StatementLine& l = d.lines[i];
        p.PrintAt(f.sales ? 500 : 1100, y, l.order);
        p.PrintAt(2000, y, l.client);
        p.PrintAt(4500, y, l.taxNumber);
        p.PrintAt(7000, y, l.valueColumn);
        p.PrintAt(8500, y, l.commission);
        if (f.sales || f.reversal) p.PrintAt(10000, y, l.lastColumn);
        salesTotal += l.sale;
        groupCommission += l.commissionValue;
        step();
      }
      p.PrintAt(6800, y, QString(30, '='));
      y += 200;
      p.PrintAt(7000, y, f.sales ? amount("R$ ", salesTotal, true) : QStringLiteral("SUB TOTAL:"));
      p.PrintAt(8500, y, amount("R$ ", groupCommission, f.sales));
    }
    statementTotal += groupCommission;
    groupCommission = 0;
  }

  p.FontBold(true);
  y += 500;
  p.PrintAt(f.reversal ? 6500 : 7000, y, f.reversal ? "TOTAL A ESTORNAR" : "TOTAL GERAL");
  p.PrintAt(8500, y, amount("R$ ", statementTotal, false));
  p.EndDoc();
}

}  // namespace

bool drawStatement(Statement which, modCnn& m, Printer& p, const StatementInputs& in) {
  const std::optional<StatementData> d = readStatement(which, m, in);
  if (!d) return false;
  composeStatement(*d, p);
  return true;
}

}  // namespace comissao

// ---- the window's statements and its print button ------------------------

namespace {

struct PrintRequest {
  Printer printer;
  std::vector<draw::Document> ended;
};

}  // namespace

void FrmConsComissaoGERAL::statement(comissao::Statement which) {
  if (!printer_) throw RuntimeError("Nenhuma impressão em andamento.");
  const bool reversal = which == comissao::Statement::IMPRIME_ESTORNO ||
                        which == comissao::Statement::IMPRIME_ESTORNO_REP ||
                        which == comissao::Statement::IMPRIME_ESTORNO_IND;
  comissao::StatementInputs in;
  in.sql = reversal ? consulta_.sqlEstorno() : consulta_.sqlComissao();
  in.periodFrom = (reversal ? c_.CAINICIAL : c_.COINICIAL)->displayText();
  in.periodTo = (reversal ? c_.CAFINAL : c_.COFINAL)->displayText();
  in.indicacao = c_.ININDICACAO->currentText();
  in.percentText = c_.COMISS_INDICACAO->text();
  comissao::drawStatement(which, m_, *printer_, in);
}

void FrmConsComissaoGERAL::Command3_Click() {
  const QString pdf = m_.options.pdfPath;
  std::unique_ptr<QPrinter> device;
  int copies = 1;
  if (pdf.isEmpty()) {
    device = std::make_unique<QPrinter>(QPrinter::HighResolution);
    draw::preparePrinter(*device, draw::Orientation::Portrait, QString());
    // The statements are laid out after the dialog: their pages are not known yet.
    if (!ui_.printDialog(*device, {0, -1})) return;  // Cancel prints nothing and says nothing
    copies = std::max(1, device->copyCount());
    device->setCopyCount(1);  // each copy is printed as its own pair of documents
  }

  // The statements leave the orientation as the printer has it.
  Printer printer(device && device->pageLayout().orientation() == QPageLayout::Landscape
                      ? draw::Orientation::Landscape
                      : draw::Orientation::Portrait);
  printer_ = &printer;
  std::vector<draw::Document> forFile;
  // "Print to file" (a dialog's, or --pdf) gets every document of the
  // request in one file, written at the end.
  const bool oneFile = !device || !device->outputFileName().isEmpty();
  // Every document ended so far goes out at once, as the spooler would
  // take it; a statement that fails leaves its own document unended.
  auto release = [&] {
    for (draw::Document& d : printer.takeDocuments()) {
      if (oneFile)
        forFile.push_back(std::move(d));
      else
        printSink_(d, *device);
    }
  };
  try {
    using S = comissao::Statement;
    // The pair of the mode selected now, commission statement first.
    const auto pair = c_.OPVENDEDOR->isChecked()        ? std::pair{S::IMPRIME, S::IMPRIME_ESTORNO}
                      : c_.OPREPRESENTANTE->isChecked() ? std::pair{S::IMPRIME_REP, S::IMPRIME_ESTORNO_REP}
                                                        : std::pair{S::IMPRIME_IND, S::IMPRIME_ESTORNO_IND};
    for (int copy = 0; copy < copies; ++copy) {
      statement(pair.first);
      release();
      statement(pair.second);
      release();
    }
  } catch (const std::exception& e) {
    // The print request ends here without a message box.
    qWarning("tl_relatorios: impressão interrompida: %s", e.what());
  }
  printer_ = nullptr;
  if (!forFile.empty()) {
    try {
      if (!pdf.isEmpty())
        draw::renderToPdf(forFile, pdf);
      else
        draw::renderToPrinter(forFile, *device);
    } catch (const std::exception& e) {
      qWarning("tl_relatorios: %s", e.what());
    }
  }
}
