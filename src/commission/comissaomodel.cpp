#include "commission/comissaomodel.h"

#include <QHash>
#include <QSet>

#include "core/documentid.h"
#include "core/masks.h"
#include "core/sqltext.h"

namespace comissao {

namespace {

const QString kTitle = QStringLiteral("Talvora");
const QString kAppTitle = QStringLiteral("tl_relatorios");

QString grouped(double v) { return formatNumber(v, 2, true); }    // "###,0.00"
QString ungrouped(double v) { return formatNumber(v, 2, false); }  // "###0.00"

const QVector<int> kSellerSalesWidths = {3000, 1700, 2000, 800, 600, 1000, 800, 1100, 2000, 1000};
const QVector<int> kOtherSalesWidths = {3000, 1700, 2000, 800, 600, 1000, 800};
const QVector<int> kCancelledWidths = {3000, 1700, 2000, 800, 600, 1000, 800, 1000, 6000, 1500};

// Texts that repeat down a column (names, dates, percentages) are kept once
// and shared by their cells: a large result then costs little more memory
// than its distinct values.
class Texts {
 public:
  const QString& shared(const QString& s) {
    auto it = set_.constFind(s);
    return it != set_.cend() ? *it : *set_.insert(s);
  }
  // A date column as Value::toText() writes it, made once per day.
  const QString& date(const Value& v) {
    if (v.kind() != Value::Kind::Date) return shared(v.toText());
    const qint64 day = v.dateValue().toJulianDay();
    auto it = dates_.constFind(day);
    return it != dates_.cend() ? *it : *dates_.insert(day, v.toText());
  }
  // A percentage under "###0.00", made once per value.
  const QString& percent(const Value& v) {
    if (!v.isNumber()) return shared(formatMask(v, "###0.00"));
    const double n = v.toDouble();
    auto it = percents_.constFind(n);
    return it != percents_.cend() ? *it : *percents_.insert(n, formatMask(v, "###0.00"));
  }

 private:
  QSet<QString> set_;
  QHash<qint64, QString> dates_;
  QHash<double, QString> percents_;
};

// The customer's document in the grids: the chosen number without blanks.
QString customerDocument(const Value& cpf, const Value& cnpj) {
  switch (chooseTaxId(cpf, cnpj)) {
    case TaxId::Cpf: return cpf.trimmed();
    case TaxId::Cnpj: return cnpj.trimmed();
    case TaxId::None: break;
  }
  return {};
}

QDate fieldDate(const QString& text) { return parseFieldDate(text).value_or(QDate()); }

}  // namespace

// One refresh procedure: its mode, its grid and what sets it apart.
struct ComissaoConsulta::Procedimento {
  Modo modo;
  bool cancelados;
  const char* pessoa;      // header of column 2
  const char* pedido;      // header of column 3
  const char* percentual;  // column shown as "% Comiss"; nullptr: the typed percentage

  bool vendasDoVendedor() const { return modo == Modo::Vendedor && !cancelados; }
};

ComissaoConsulta::ComissaoConsulta(modCnn& m, ui::Ui& ui) : m_(m), ui_(ui) {}

QStringList ComissaoConsulta::vendedores() {
  m_.FECHARS();
  m_.Rs.open(
      "select * from funcionario f inner join cargo c on(c.cacod=f.fkcargo) where "
      "f.fuinativo=0 and c.cacomissaovenda>0 order by f.funome",
      m_.Cnn);
  QStringList names;
  while (!m_.Rs.eof()) {
    names << m_.Rs["FUNOME"].trimmed();
    m_.Rs.MoveNext();
  }
  m_.FECHARS();
  return names;
}

std::optional<Indicados> ComissaoConsulta::procurarIndicacao(const QString& prefixo) {
  Indicados found;
  bool any = false;
  try {
    m_.FECHARS3();
    m_.Rs3.open("select innome from interveniente where innome like '" + sqlQuote(prefixo) +
                    "%' order by innome",
                m_.Cnn);
    if (!m_.Rs3.eof()) {
      any = true;
      found.primeiro = m_.Rs3["INNOME"].trimmed();
      while (!m_.Rs3.eof()) {
        const Value name = m_.Rs3["INNOME"];
        if (name.isPresent()) found.nomes << name.trimmed();
        m_.Rs3.MoveNext();
      }
    }
    m_.FECHARS3();
  } catch (const std::exception&) {
    // The look-up ends quietly and changes nothing.
    m_.FECHARS3();
    return std::nullopt;
  }
  if (!any) return std::nullopt;
  return found;
}

void ComissaoConsulta::totais(const std::function<void(Totais&)>& change) {
  change(totais_);
  if (totaisMudaram_) totaisMudaram_();
}

// ---- checks ----------------------------------------------------------------

void ComissaoConsulta::validarDatas(const Filtros& f) {
  // An empty field leaves its end of the period open.
  const std::pair<QString*, const QString*> ends[] = {{&dtInicial_, &f.emissaoDe},
                                                      {&dtFinal_, &f.emissaoAte}};
  dtInicial_ = f.emissaoDe == kEmptyDate ? QStringLiteral("19011231") : QString();
  dtFinal_ = f.emissaoAte == kEmptyDate ? QStringLiteral("30001231") : QString();
  for (auto [key, text] : ends) {
    if (!key->isEmpty()) continue;
    const auto date = parseFieldDate(*text);
    if (!date) {
      ui_.message("Entre com uma data válida.", "Erro!", ui::Icon::Exclamation);
      erro_ = true;
      return;
    }
    *key = dateKey(*date);
  }
}

// The cancellation period is optional: without both dates, or with one that
// is not a date, the cancelled-sales grid is simply not refreshed.
void ComissaoConsulta::validarCancelamento(const Filtros& f) {
  semEstorno_ = !parseFieldDate(f.cancelamentoDe) || !parseFieldDate(f.cancelamentoAte);
}

// The code of the row a name look-up finds; none when there is no such row
// or the look-up cannot run (the window's checks end quietly then).
std::optional<double> ComissaoConsulta::codigoPorNome(const QString& sql, const char* column) {
  std::optional<double> found;
  try {
    m_.FECHARS();
    m_.Rs.open(sql, m_.Cnn);
    if (!m_.Rs.eof()) found = m_.Rs[column].toDouble();
  } catch (const std::exception&) {
    // A look-up that cannot run finds nobody.
  }
  m_.FECHARS();
  return found;
}

void ComissaoConsulta::validarVendedor(const Filtros& f) {
  if (f.todos) {
    codFunc_ = kTodos;
    return;
  }
  const std::optional<double> found = codigoPorNome(
      "select FUCOD from FUNCIONARIO where FUNOME = '" + sqlQuote(f.vendedor) + "'", "FUCOD");
  if (!found) {
    ui_.message("Escolha um vendedor válido.", kAppTitle, ui::Icon::None);
    erro_ = true;
    return;
  }
  codFunc_ = qint64(*found);
}

void ComissaoConsulta::validarIndicacao(const Filtros& f) {
  if (f.percentual.isEmpty() || f.todos) {
    codIndicacao_ = int32_t(kTodos);
    return;
  }
  const std::optional<double> found = codigoPorNome(
      "select incod from interveniente where innome = '" + sqlQuote(f.indicacao) + "'", "INCOD");
  if (!found) {
    ui_.message("Escolha uma indicação válida.", kAppTitle, ui::Icon::None);
    erro_ = true;
    return;
  }
  codIndicacao_ = int32_t(*found);
}

// ---- &OK and &LIMPAR ---------------------------------------------------------

bool ComissaoConsulta::consultar(const Filtros& f, const std::function<void()>& busy) {
  totais([](Totais& t) {
    t.vendas.clear();
    t.pedidos.clear();
  });
  erro_ = false;
  codFunc_ = kTodos;
  validarDatas(f);
  validarCancelamento(f);
  if (f.modo != Modo::Indicacao)
    validarVendedor(f);
  else
    validarIndicacao(f);
  if (erro_) return false;
  if (busy) busy();

  // The six refresh procedures differ only in these.
  static const Procedimento kProcedimentos[] = {
      {Modo::Vendedor, false, "Funcionário", "O.P.", "CACOMISSAOVENDA"},
      {Modo::Vendedor, true, "Funcionário", "O.P.", "COPERCREAL"},
      {Modo::Representante, false, "Representante", "Ped.", "CACOMISSAOVENDA"},
      {Modo::Representante, true, "Representante", "Ped.", "CACOMISSAOVENDA"},
      {Modo::Indicacao, false, "Indicação", "Ped.", nullptr},
      {Modo::Indicacao, true, "Indicação", "Ped.", nullptr},
  };
  for (const Procedimento& p : kProcedimentos)
    if (p.modo == f.modo && (!p.cancelados || !semEstorno_)) atualizar(p, f);
  return true;
}

void ComissaoConsulta::limpar() {
  totais([](Totais& t) {
    t.pedidos.clear();
    t.vendas.clear();
    t.comissao.clear();
  });
  vendas_.clear();
  codFunc_.reset();
  codIndicacao_ = 0;
}

// ---- the refresh procedures --------------------------------------------------

// Runs the procedure's query and fills its grid and totals. A query that
// cannot be built or run ends as one without rows; a column the query does
// not return is an error.
void ComissaoConsulta::atualizar(const Procedimento& p, const Filtros& f) {
  CommissionGridModel& grid = p.cancelados ? cancelados_ : vendas_;
  totais([&](Totais& t) {
    if (p.cancelados) {
      t.cancelado = ungrouped(0);
    } else {
      t.comissao = p.vendasDoVendedor() ? grouped(0) : ungrouped(0);
      if (p.vendasDoVendedor()) t.vendas = grouped(0);
    }
  });
  grid.clear();

  bool hasRows = false;
  m_.FECHARS();
  const QString sent = montarConsulta(p, f);
  if (!sent.isEmpty()) {
    try {
      m_.Rs.open(" " + sent + " ", m_.Cnn);
      hasRows = !m_.Rs.eof();
    } catch (const std::exception&) {
      hasRows = false;
    }
  }
  if (!hasRows) {
    ui_.message(p.cancelados
                    ? QStringLiteral("Não há registros de estornos de comissão com os dados informados.")
                    : QStringLiteral("Não há registros de comissão com os dados informados."),
                kTitle, ui::Icon::Exclamation);
    grid.clear();
    return;
  }
  try {
    preencher(p, f, grid);
  } catch (...) {
    grid.endFill();
    grid.clear();
    throw;
  }
  m_.FECHARS();
}

// Keeps the procedure's query text for the statements and returns the one
// to send (the seller's sales send a faster text with the same rows); empty
// when the referral percentage is not plain digits and points, so that it
// never reaches the database.
QString ComissaoConsulta::montarConsulta(const Procedimento& p, const Filtros& f) {
  const qint64 cod = codFunc_.value_or(kTodos);
  const QDate de = fieldDate(f.cancelamentoDe), ate = fieldDate(f.cancelamentoAte);
  QString& kept = p.cancelados ? sqlEstorno_ : sqlComissao_;
  switch (p.modo) {
    case Modo::Vendedor:
      if (p.cancelados) return kept = sqlEstornoVendedor(de, ate, cod);
      kept = sqlComissaoVendedor(dtInicial_, dtFinal_, cod);
      return sqlComissaoVendedorEnviada(dtInicial_, dtFinal_, cod);
    case Modo::Representante:
      return kept = p.cancelados ? sqlEstornoRepresentante(de, ate, cod)
                                 : sqlComissaoRepresentante(dtInicial_, dtFinal_, cod);
    case Modo::Indicacao: {
      const QString factor = percentFactor(f.percentual);
      return kept = !isPlainFactor(factor) ? QString()
                    : p.cancelados         ? sqlEstornoIndicacao(factor, de, ate, codIndicacao_)
                                           : sqlComissaoIndicacao(factor, dtInicial_, dtFinal_, codIndicacao_);
    }
  }
  return {};
}

// The open query's columns, looked up once: a missing one throws before the
// grid changes. -1 for a column the procedure does not read.
struct ComissaoConsulta::Colunas {
  int client, cpf, cnpj, person, order, percent, date;
  int paid, tax, payment;       // seller's sales only
  int commission;               // all but the seller's sales
  int cancelled, reason, user;  // cancelled sales only

  Colunas(const Procedimento& p, const Recordset& rs) {
    const bool seller = p.vendasDoVendedor();
    auto only = [&rs](bool wanted, const char* name) { return wanted ? rs.column(name) : -1; };
    client = rs.column("INNOME");
    cpf = rs.column("INCPF");
    cnpj = rs.column("INCNPJ");
    person = only(p.modo != Modo::Indicacao, "FUNOME");
    order = rs.column(seller ? "SACOD" : "FKSACOD");
    percent = only(p.percentual != nullptr, p.percentual);
    date = rs.column("DATASAIDA");
    paid = only(seller, "SAVRPAGO");
    tax = only(seller, "VALORICMSS");
    payment = only(seller, "FPDESC");
    commission = only(!seller, "vrcomis");
    cancelled = only(p.cancelados, "sadtcancelamento");
    reason = only(p.cancelados, "CNMOTIVO");
    user = only(p.cancelados, "CNusuario");
  }
};

// Reads every row of the open query into the grid and writes the totals.
// Seller sales compute their commission on the net sale and show it with the
// sale's payment; the other five read the query's commission.
void ComissaoConsulta::preencher(const Procedimento& p, const Filtros& f, CommissionGridModel& grid) {
  const Recordset& rs = m_.Rs;
  const Colunas c(p, rs);
  const bool sellerSales = p.vendasDoVendedor();
  QStringList headers = {"Cliente", "Cnpj/Cpf", p.pessoa, p.pedido, "% Comiss", "Venda", "R$ Comiss"};
  if (sellerSales) headers << "R$ Venda" << "Pagto.." << "Venda";
  if (p.cancelados) headers << "Cancel." << "Motivo" << "Usuario";
  const QString referrer = f.indicacao.trimmed();
  const QString typedPercent = formatMask(Value::text(f.percentual), "###0.00");

  Texts texts;
  double totalCommission = 0, totalSales = 0;
  int rows = 0;
  std::vector<QString> cells;
  cells.reserve(size_t(headers.size()));
  grid.beginFill(headers, sellerSales   ? kSellerSalesWidths
                          : p.cancelados ? kCancelledWidths
                                         : kOtherSalesWidths);
  while (!m_.Rs.eof()) {
    ++rows;
    const Value percent = c.percent >= 0 ? rs.field(c.percent) : Value();
    cells.push_back(texts.shared(rs.field(c.client).trimmed()));
    cells.push_back(texts.shared(customerDocument(rs.field(c.cpf), rs.field(c.cnpj))));
    cells.push_back(c.person < 0 ? referrer : texts.shared(rs.field(c.person).trimmed()));
    cells.push_back(rs.field(c.order).toText());
    cells.push_back(c.percent >= 0 ? texts.percent(percent) : typedPercent);
    const QString& date = texts.date(rs.field(c.date));
    cells.push_back(date);
    if (sellerSales) {
      // A null amount (a sale whose items carry no ICMS-ST) counts as 0.
      const double sale = rs.field(c.paid).toDouble() - rs.field(c.tax).toDouble();
      const double commission = sale * percent.toDouble() / 100;
      cells.push_back(grouped(commission));
      cells.push_back(grouped(sale));
      cells.push_back(texts.shared(rs.field(c.payment).trimmed()));
      cells.push_back(date);
      totalCommission += commission;
      totalSales += sale;
    } else {
      const Value commission = rs.field(c.commission);
      cells.push_back(formatMask(commission, "###0.00"));
      totalCommission += commission.toDouble();
    }
    if (p.cancelados) {
      cells.push_back(texts.date(rs.field(c.cancelled)));
      cells.push_back(texts.shared(rs.field(c.reason).trimmed()));
      cells.push_back(texts.shared(rs.field(c.user).trimmed()));
    }
    grid.appendRow(cells);
    m_.Rs.MoveNext();
  }
  grid.endFill();

  totais([&](Totais& t) {
    if (p.cancelados) {
      t.cancelado = ungrouped(totalCommission);
    } else if (sellerSales) {
      t.comissao = grouped(totalCommission);
      t.vendas = grouped(totalSales);
      t.pedidos = "Nro. de Pedidos: " + QString::number(rows);
    } else {
      t.comissao = ungrouped(totalCommission);
    }
  });
}

}  // namespace comissao
