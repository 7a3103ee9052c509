#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

#include "commission/comissaogrid.h"
#include "commission/comissaosql.h"
#include "core/modcnn.h"
#include "ui/ui.h"

// The commission inquiry without its window: filters and their checks, the
// six queries, the two grids' rows and the totals, and the query texts the
// statements re-run. Messages go through ui::Ui; it knows no widget.
namespace comissao {

enum class Modo { Vendedor, Representante, Indicacao };

// The filters as the operator left them: the masked date fields as shown
// ("__/__/____" when empty) and the texts of the boxes.
struct Filtros {
  QString emissaoDe = kEmptyDate, emissaoAte = kEmptyDate;
  QString cancelamentoDe = kEmptyDate, cancelamentoAte = kEmptyDate;
  Modo modo = Modo::Vendedor;
  bool todos = false;
  QString vendedor;    // the seller (or representative) box
  QString indicacao;   // the referrer box
  QString percentual;  // the referral percentage as typed ("2,5")
};

// The texts under the grids; empty when cleared.
struct Totais {
  QString comissao;   // commission of the sales grid
  QString vendas;     // net sales (seller mode)
  QString pedidos;    // "Nro. de Pedidos: n" (seller mode)
  QString cancelado;  // commission of the cancelled-sales grid
};

// Referrers whose name begins with a typed prefix.
struct Indicados {
  QString primeiro;
  QStringList nomes;
};

class ComissaoConsulta {
 public:
  ComissaoConsulta(modCnn& m, ui::Ui& ui);

  // Active employees whose position pays a sales commission, by name. A
  // failing query is a run-time error.
  QStringList vendedores();
  // The referrer look-up; nullopt when nothing is found or the look-up fails.
  std::optional<Indicados> procurarIndicacao(const QString& prefixo);

  // &OK: the totals of seller mode are emptied, every check runs (each
  // failure shows its message), then, when all passed, busy() is called and
  // the grids of the mode are refreshed. False when a check failed.
  bool consultar(const Filtros& f, const std::function<void()>& busy = {});
  // &LIMPAR: the sales grid, its totals and the chosen codes; the cancelled
  // sales stay.
  void limpar();

  // Called after every change of the totals.
  void aoMudarTotais(std::function<void()> f) { totaisMudaram_ = std::move(f); }

  int32_t codIndicacao() const { return codIndicacao_; }  // referrer codes exceed 16 bits
  // The texts the window's rules build, kept for the statements even when
  // their query found nothing.
  const QString& sqlComissao() const { return sqlComissao_; }
  const QString& sqlEstorno() const { return sqlEstorno_; }
  // Replaces the kept reversal text (a statement is then printed from it).
  void setSqlEstorno(const QString& sql) { sqlEstorno_ = sql; }

  CommissionGridModel& vendas() { return vendas_; }
  CommissionGridModel& cancelados() { return cancelados_; }
  const CommissionGridModel& vendas() const { return vendas_; }
  const CommissionGridModel& cancelados() const { return cancelados_; }
  const Totais& totais() const { return totais_; }

 private:
  struct Procedimento;
  struct Colunas;
  void validarDatas(const Filtros& f);
  void validarCancelamento(const Filtros& f);
  std::optional<double> codigoPorNome(const QString& sql, const char* column);
  void validarVendedor(const Filtros& f);
  void validarIndicacao(const Filtros& f);
  void atualizar(const Procedimento& p, const Filtros& f);
  QString montarConsulta(const Procedimento& p, const Filtros& f);
  void preencher(const Procedimento& p, const Filtros& f, CommissionGridModel& grid);
  void totais(const std::function<void(Totais&)>& change);

  modCnn& m_;
  ui::Ui& ui_;
  bool erro_ = false;
  bool semEstorno_ = false;
  QString dtInicial_, dtFinal_;     // yyyymmdd
  std::optional<qint64> codFunc_;  // none after limpar()
  int32_t codIndicacao_ = 0;
  QString sqlComissao_, sqlEstorno_;
  CommissionGridModel vendas_, cancelados_;
  Totais totais_;
  std::function<void()> totaisMudaram_;
};

}  // namespace comissao
