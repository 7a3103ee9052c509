// The six refresh procedures of the inquiry window: each builds its query,
// keeps the text for the statements, runs it and fills its grid and totals.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <functional>

#include "commission/comissaosql.h"
#include "commission/frmconscomissaogeral.h"
#include "core/masks.h"

namespace {

using RowFiller = std::function<void(Recordset&, std::vector<QString>&)>;

const QString kTitle = QStringLiteral("Talvora");
const QString kNoSales = QStringLiteral("Não há registros de comissão com os dados informados.");
const QString kNoReversals =
    QStringLiteral("Não há registros de estornos de comissão com os dados informados.");

// A column of the current row; a value that cannot be read counts as empty
// (its cell stays empty, its amount counts as 0).
Value get(const Recordset& rs, const char* name) {
  try {
    return rs.field(QString::fromLatin1(name));
  } catch (const std::exception&) {
    return Value();
  }
}

QString grouped(double v) { return formatNumber(v, 2, true); }    // "###,0.00"
QString ungrouped(double v) { return formatNumber(v, 2, false); }  // "###0.00"

void applyGridColour(QTableView* view) {
  const QString c = comissao::activeBorderColour().name();
  const QString sheet = QStringLiteral(
                            "QTableView { gridline-color: %1; } "
                            "QHeaderView::section { background-color: %1; }")
                            .arg(c);
  if (view->styleSheet() != sheet) view->setStyleSheet(sheet);
}

// Steps 4 to 8 of every refresh: run the query (an empty text or one the
// database refuses ends like a query without rows), fill the grid with the
// view hidden, and give the number of rows (0 after the no-rows message).
int fillGrid(modCnn& m, ui::Ui& ui, CommissionGridModel& model, QTableView* view,
             const QString& sql, const QStringList& headers, const QVector<int>& widths,
             const QString& noRows, const RowFiller& fillRow) {
  bool hasRows = false;
  m.FECHARS();
  if (!sql.isEmpty()) {
    try {
      m.Rs.open(" " + sql + " ", m.Cnn);
      hasRows = !m.Rs.eof();
    } catch (const std::exception&) {
      hasRows = false;
    }
  }
  if (!hasRows) {
    ui.message(noRows, kTitle, ui::Icon::Exclamation);
    model.clear();
    return 0;
  }

  view->setVisible(false);
  model.beginFill(headers, widths);
  applyGridColour(view);
  int counter = 0;
  const size_t n = size_t(headers.size());
  while (!m.Rs.eof()) {
    ++counter;
    std::vector<QString> cells;
    cells.reserve(n);
    fillRow(m.Rs, cells);
    model.appendRow(std::move(cells));
    try {
      m.Rs.MoveNext();
    } catch (const std::exception&) {
      break;  // a row that cannot be fetched ends the list
    }
  }
  model.endFill();
  comissao::applyColumnWidths(view, model);
  view->setVisible(true);
  m.FECHARS();
  return counter;
}

const QStringList kSellerSalesHeaders = {"Cliente",   "Cnpj/Cpf", "Funcionário", "O.P.",    "% Comiss",
                                         "Venda",     "R$ Comiss", "R$ Venda",   "Pagto..", "Venda"};
const QVector<int> kSellerSalesWidths = {3000, 1700, 2000, 800, 600, 1000, 800, 1100, 2000, 1000};
const QVector<int> kOtherSalesWidths = {3000, 1700, 2000, 800, 600, 1000, 800};
const QVector<int> kCancelledWidths = {3000, 1700, 2000, 800, 600, 1000, 800, 1000, 6000, 1500};

QStringList otherSalesHeaders(const QString& person) {
  return {"Cliente", "Cnpj/Cpf", person, "Ped.", "% Comiss", "Venda", "R$ Comiss"};
}

QStringList cancelledHeaders(const QString& person, const QString& order) {
  return {"Cliente", "Cnpj/Cpf", person,   order,    "% Comiss",
          "Venda",   "R$ Comiss", "Cancel.", "Motivo", "Usuario"};
}

QDate fieldDate(const QLineEdit* field) {
  return comissao::parseFieldDate(field->displayText()).value_or(QDate());
}

}  // namespace

void FrmConsComissaoGERAL::ATUALIZACOMISSAO_VENDEDOR() {
  LBLCOMIS->setText(grouped(0));
  LBLTOTAL->setText(grouped(0));
  double totalComis = 0;
  double totalVenda = 0;
  gridTabela.clear();
  SQLCOMISSAO = comissao::sqlComissaoVendedor(DTINICIAL, DTFINAL, CODFUNC.value_or(comissao::kTodos));
  const int rows = fillGrid(
      m_, ui_, gridTabela, TABELA, SQLCOMISSAO, kSellerSalesHeaders, kSellerSalesWidths, kNoSales,
      [&](Recordset& rs, std::vector<QString>& c) {
        const Value percent = get(rs, "CACOMISSAOVENDA");
        // A null amount (a sale whose items carry no ICMS-ST) counts as 0.
        const double venda = get(rs, "SAVRPAGO").toDouble() - get(rs, "VALORICMSS").toDouble();
        const double comis = venda * percent.toDouble() / 100;
        const QString date = get(rs, "DATASAIDA").toText();
        c.push_back(get(rs, "INNOME").trimmed());
        c.push_back(comissao::customerDocument(get(rs, "INCPF"), get(rs, "INCNPJ")));
        c.push_back(get(rs, "FUNOME").trimmed());
        c.push_back(get(rs, "SACOD").toText());
        c.push_back(formatMask(percent, "###0.00"));
        c.push_back(date);
        c.push_back(grouped(comis));
        c.push_back(grouped(venda));
        c.push_back(get(rs, "FPDESC").trimmed());
        c.push_back(date);
        totalComis += comis;
        totalVenda += venda;
      });
  if (rows == 0) return;
  LBLCOMIS->setText(grouped(totalComis));
  LBLTOTAL->setText(grouped(totalVenda));
  LBLPEDIDOS->setText("Nro. de Pedidos: " + QString::number(rows));
}

namespace {

// The representative and referral sales grids share their columns; only the
// person and the percentage come from elsewhere.
struct OtherSales {
  QString personHeader;
  std::function<QString(const Recordset&)> person;
  std::function<QString(const Recordset&)> percent;
};

// Cancelled-sales rows of every mode.
struct Cancelled {
  QString personHeader, orderHeader;
  std::function<QString(const Recordset&)> person;
  std::function<QString(const Recordset&)> percent;
};

void salesRow(const OtherSales& s, const Recordset& rs, std::vector<QString>& c, double& total) {
  const Value comis = get(rs, "vrcomis");
  c.push_back(get(rs, "INNOME").trimmed());
  c.push_back(comissao::customerDocument(get(rs, "INCPF"), get(rs, "INCNPJ")));
  c.push_back(s.person(rs));
  c.push_back(get(rs, "FKSACOD").toText());
  c.push_back(s.percent(rs));
  c.push_back(get(rs, "DATASAIDA").toText());
  c.push_back(formatMask(comis, "###0.00"));
  total += comis.toDouble();
}

void cancelledRow(const Cancelled& k, const Recordset& rs, std::vector<QString>& c,
                  double& total) {
  const Value comis = get(rs, "vrcomis");
  c.push_back(get(rs, "INNOME").trimmed());
  c.push_back(comissao::customerDocument(get(rs, "INCPF"), get(rs, "INCNPJ")));
  c.push_back(k.person(rs));
  c.push_back(get(rs, "FKSACOD").toText());
  c.push_back(k.percent(rs));
  c.push_back(get(rs, "DATASAIDA").toText());
  c.push_back(formatMask(comis, "###0.00"));
  c.push_back(get(rs, "sadtcancelamento").toText());
  c.push_back(get(rs, "CNMOTIVO").trimmed());
  c.push_back(get(rs, "CNusuario").trimmed());
  total += comis.toDouble();
}

QString funome(const Recordset& rs) { return get(rs, "FUNOME").trimmed(); }
QString percentColumn(const Recordset& rs, const char* column) {
  return formatMask(get(rs, column), "###0.00");
}

}  // namespace

void FrmConsComissaoGERAL::ATUALIZACOMISSAOCANCELADA_VENDEDOR() {
  LBLCAN->setText(ungrouped(0));
  double total = 0;
  gridTabelaCan.clear();
  SQLESTORNO = comissao::sqlEstornoVendedor(fieldDate(CAINICIAL), fieldDate(CAFINAL),
                                            CODFUNC.value_or(comissao::kTodos));
  const Cancelled k{"Funcionário", "O.P.", funome,
                    [](const Recordset& rs) { return percentColumn(rs, "COPERCREAL"); }};
  const int rows = fillGrid(m_, ui_, gridTabelaCan, TABELACAN, SQLESTORNO,
                            cancelledHeaders(k.personHeader, k.orderHeader), kCancelledWidths,
                            kNoReversals, [&](Recordset& rs, std::vector<QString>& c) {
                              cancelledRow(k, rs, c, total);
                            });
  if (rows > 0) LBLCAN->setText(ungrouped(total));
}

void FrmConsComissaoGERAL::ATUALIZACOMISSAO_REPRESENTANTE() {
  LBLCOMIS->setText(ungrouped(0));
  double total = 0;
  gridTabela.clear();
  SQLCOMISSAO = comissao::sqlComissaoRepresentante(DTINICIAL, DTFINAL,
                                                   CODFUNC.value_or(comissao::kTodos));
  const OtherSales s{"Representante", funome,
                     [](const Recordset& rs) { return percentColumn(rs, "CACOMISSAOVENDA"); }};
  const int rows = fillGrid(m_, ui_, gridTabela, TABELA, SQLCOMISSAO,
                            otherSalesHeaders(s.personHeader), kOtherSalesWidths, kNoSales,
                            [&](Recordset& rs, std::vector<QString>& c) {
                              salesRow(s, rs, c, total);
                            });
  if (rows > 0) LBLCOMIS->setText(ungrouped(total));
}

void FrmConsComissaoGERAL::ATUALIZACOMISSAOCANCELADA_REPRESENTANTE() {
  LBLCAN->setText(ungrouped(0));
  double total = 0;
  gridTabelaCan.clear();
  SQLESTORNO = comissao::sqlEstornoRepresentante(fieldDate(CAINICIAL), fieldDate(CAFINAL),
                                                 CODFUNC.value_or(comissao::kTodos));
  const Cancelled k{"Representante", "Ped.", funome,
                    [](const Recordset& rs) { return percentColumn(rs, "CACOMISSAOVENDA"); }};
  const int rows = fillGrid(m_, ui_, gridTabelaCan, TABELACAN, SQLESTORNO,
                            cancelledHeaders(k.personHeader, k.orderHeader), kCancelledWidths,
                            kNoReversals, [&](Recordset& rs, std::vector<QString>& c) {
                              cancelledRow(k, rs, c, total);
                            });
  if (rows > 0) LBLCAN->setText(ungrouped(total));
}

namespace {

// The referral queries multiply by the typed percentage; a factor that is
// not plain digits and points never reaches the database (the procedure
// then ends as a query that failed).
QString referralQuery(const QString& factor, const std::function<QString()>& build) {
  return comissao::isPlainFactor(factor) ? build() : QString();
}

}  // namespace

void FrmConsComissaoGERAL::ATUALIZACOMISSAO_INDICACAO() {
  LBLCOMIS->setText(ungrouped(0));
  double total = 0;
  gridTabela.clear();
  const QString factor = comissao::percentFactor(COMISS_INDICACAO->text());
  SQLCOMISSAO = referralQuery(factor, [&] {
    return comissao::sqlComissaoIndicacao(factor, DTINICIAL, DTFINAL, CODINDICACAO);
  });
  const QString referrer = ININDICACAO->currentText().trimmed();
  const QString percent = formatMask(Value::text(COMISS_INDICACAO->text()), "###0.00");
  const OtherSales s{"Indicação", [&](const Recordset&) { return referrer; },
                     [&](const Recordset&) { return percent; }};
  const int rows = fillGrid(m_, ui_, gridTabela, TABELA, SQLCOMISSAO,
                            otherSalesHeaders(s.personHeader), kOtherSalesWidths, kNoSales,
                            [&](Recordset& rs, std::vector<QString>& c) {
                              salesRow(s, rs, c, total);
                            });
  if (rows > 0) LBLCOMIS->setText(ungrouped(total));
}

void FrmConsComissaoGERAL::ATUALIZACOMISSAOCANCELADA_INDICACAO() {
  LBLCAN->setText(ungrouped(0));
  double total = 0;
  gridTabelaCan.clear();
  const QString factor = comissao::percentFactor(COMISS_INDICACAO->text());
  SQLESTORNO = referralQuery(factor, [&] {
    return comissao::sqlEstornoIndicacao(factor, fieldDate(CAINICIAL), fieldDate(CAFINAL),
                                         CODINDICACAO);
  });
  const QString referrer = ININDICACAO->currentText().trimmed();
  const QString percent = formatMask(Value::text(COMISS_INDICACAO->text()), "###0.00");
  const Cancelled k{"Indicação", "Ped.", [&](const Recordset&) { return referrer; },
                    [&](const Recordset&) { return percent; }};
  const int rows = fillGrid(m_, ui_, gridTabelaCan, TABELACAN, SQLESTORNO,
                            cancelledHeaders(k.personHeader, k.orderHeader), kCancelledWidths,
                            kNoReversals, [&](Recordset& rs, std::vector<QString>& c) {
                              cancelledRow(k, rs, c, total);
                            });
  if (rows > 0) LBLCAN->setText(ungrouped(total));
}
