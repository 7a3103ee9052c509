#include "commission/comissaosql.h"

#include <QRegularExpression>

namespace comissao {

namespace {

QString number(qint64 v) { return QString::number(v); }

// The emission period condition shared by the three sales queries.
QString emissionPeriod(const QString& dtInicial, const QString& dtFinal) {
  return "n.nfdataemissao >= '" + dtInicial + "' and n.nfdataemissao <= '" + dtFinal + "' ";
}

}  // namespace

std::optional<QDate> parseFieldDate(const QString& text) {
  static const QRegularExpression re(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
  const auto m = re.match(text);
  if (!m.hasMatch()) return std::nullopt;
  const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
  if (!d.isValid()) return std::nullopt;
  return d;
}

QString dateKey(const QDate& d) {
  return QStringLiteral("%1%2%3")
      .arg(d.year(), 4, 10, QLatin1Char('0'))
      .arg(d.month(), 2, 10, QLatin1Char('0'))
      .arg(d.day(), 2, 10, QLatin1Char('0'));
}

QString cancelPeriodPieces(const QDate& from, const QDate& to) {
  QString s;
  s += number(from.month()) + "/" + number(from.day()) + "/" + number(from.year());
  s += "' and '";
  s += number(to.month()) + "/" + number(to.day()) + "/" + number(to.year());
  s += "' ";
  return s;
}

QString percentFactor(const QString& fieldText) {
  QString p = fieldText;
  p.replace(',', '.');
  return p;
}

bool isPlainFactor(const QString& factor) {
  for (QChar c : factor)
    if (!(c.isDigit() && c.unicode() < 128) && c != '.') return false;
  return true;
}

namespace {

// The joins and conditions of the seller sales query, from the item join to
// the seller condition.
QString sellerSalesBody(const QString& dtInicial, const QString& dtFinal, qint64 codFunc) {
  QString s;
  s += "inner join itemsaida z on (z.itfksacod=s.sacod) ";
  s += "inner join funcionario f on (s.safkvendedor=f.fucod) ";
  s += "inner join cargo c on (c.cacod=f.fkcargo) ";
  s += "inner join formapagamento w on (w.fpcod=s.safktppag) ";
  s += "inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') ";
  s += "inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')";
  s += "inner join interveniente i on (i.incod=s.safkinterveniente) ";
  s += "where s.status<>'C' and " + emissionPeriod(dtInicial, dtFinal);
  if (codFunc != kTodos) s += "and f.fucod='" + number(codFunc) + "' ";
  return s;
}

}  // namespace

QString sqlComissaoVendedor(const QString& dtInicial, const QString& dtFinal, qint64 codFunc) {
  return "select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, "
         "i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, "
         "s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s " +
         sellerSalesBody(dtInicial, dtFinal, codFunc) +
         "group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, "
         "i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago "
         "order by s.sacod";
}

QString sqlComissaoVendedorEnviada(const QString& dtInicial, const QString& dtFinal,
                                   qint64 codFunc) {
  QString s;
  s += "select c.cacomissaovenda,v.sacod,v.sadesconto,w.fpdesc,i.inapelido,i.innome,i.incnpj,"
       "i.incpf,f.funome,v.datasaida,v.dataentrega,v.savrtotal,v.savrpago,v.valoricmss from ";
  s += "(select s.sacod,max(s.sadesconto) as sadesconto,max(s.datasaida) as datasaida,"
       "max(s.dataentrega) as dataentrega,max(s.savrtotal) as savrtotal,"
       "max(s.savrpago) as savrpago,max(s.safkvendedor) as vendedor,"
       "max(s.safktppag) as pagamento,max(s.safkinterveniente) as cliente,"
       "sum(z.vicmsst) as valoricmss from saida s ";
  s += "inner join itemsaida z on (z.itfksacod=s.sacod) ";
  s += "inner join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') ";
  s += "inner join notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0') ";
  s += "where s.status<>'C' and " + emissionPeriod(dtInicial, dtFinal);
  if (codFunc != kTodos) s += "and s.safkvendedor='" + number(codFunc) + "' ";
  s += "group by s.sacod order by s.sacod) v ";
  s += "left join funcionario f on (f.fucod=v.vendedor) ";
  s += "left join cargo c on (c.cacod=f.fkcargo) ";
  s += "left join formapagamento w on (w.fpcod=v.pagamento) ";
  s += "left join interveniente i on (i.incod=v.cliente) ";
  s += "where f.fucod is not null and c.cacod is not null and w.fpcod is not null and "
       "i.incod is not null";
  return s;
}

QString sqlEstornoVendedor(const QDate& caInicial, const QDate& caFinal, qint64 codFunc) {
  QString s;
  s += "select distinct s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, "
       "i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, "
       "s.savrtotal, sum(c.covrcomissao) as vrcomis from comissaoitem c inner join funcionario "
       "f on (c.fkfucod=f.fucod) ";
  s += "inner join saida s on (s.sacod=c.fksacod and s.status='C') ";
  s += "inner join notafiscal n on (s.sacod=n.fksaida) ";
  s += "inner join interveniente i on (i.incod=s.safkinterveniente) ";
  s += "inner join cancelamento u on (s.sacod=u.sacod) ";
  s += "where n.nfnumerodanota<>'0' and s.sadtcancelamento between '" +
       cancelPeriodPieces(caInicial, caFinal);
  if (codFunc != kTodos) s += "and c.fkfucod='" + number(codFunc) + "' ";
  s += "group by s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, "
       "i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal";
  return s;
}

namespace {

// The joins and the invoice filter that both representative queries share.
QString representativeJoins() {
  QString s;
  s += "inner join interveniente i on (i.incod=s.safkinterveniente) ";
  s += "inner join funcionario f on (i.inrepresentante=f.fucod) ";
  s += "inner join cargo c on (f.fkcargo=c.cacod) ";
  s += "inner join notafiscal n on (s.sacod=n.fksaida) ";
  return s;
}

}  // namespace

QString sqlComissaoRepresentante(const QString& dtInicial, const QString& dtFinal,
                                 qint64 codFunc) {
  QString s;
  s += "select s.sacod as fksacod, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, "
       "i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrpago, "
       "((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s ";
  s += representativeJoins();
  s += "where n.nfnumerodanota<>'0' and " + emissionPeriod(dtInicial, dtFinal);
  if (codFunc != kTodos) s += "and i.inrepresentante='" + number(codFunc) + "' ";
  s += "order by n.nfdataemissao";
  return s;
}

QString sqlEstornoRepresentante(const QDate& caInicial, const QDate& caFinal, qint64 codFunc) {
  QString s;
  s += "select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, "
       "c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, "
       "s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s ";
  s += representativeJoins();
  s += "inner join cancelamento u on (s.sacod=u.sacod) ";
  s += "where n.nfnumerodanota<>'0' and s.sadtcancelamento between '" +
       cancelPeriodPieces(caInicial, caFinal);
  if (codFunc != kTodos) s += "and i.inrepresentante='" + number(codFunc) + "' ";
  s += "order by s.sadtcancelamento";
  return s;
}

QString sqlComissaoIndicacao(const QString& factor, const QString& dtInicial,
                             const QString& dtFinal, int32_t codIndicacao) {
  QString s;
  s += "select s.sacod as fksacod, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, "
       "s.dataentrega, s.savrpago, ((s.savrpago*" +
       factor + ")/100) as vrcomis from saida s ";
  s += "inner join interveniente i on (i.incod=s.safkinterveniente) ";
  s += "inner join notafiscal n on (s.sacod=n.fksaida) ";
  s += "where n.nfnumerodanota<>'0' and " + emissionPeriod(dtInicial, dtFinal);
  if (codIndicacao != kTodos) s += "and i.inindicacao='" + number(codIndicacao) + "' ";
  s += "order by n.nfdataemissao";
  return s;
}

QString sqlEstornoIndicacao(const QString& factor, const QDate& caInicial, const QDate& caFinal,
                            int32_t codIndicacao) {
  QString s;
  s += "select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, i.inapelido, "
       "i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*" +
       factor + ")/100) as vrcomis from saida s ";
  s += "inner join interveniente i on (i.incod=s.safkinterveniente) ";
  s += "inner join notafiscal n on (s.sacod=n.fksaida) ";
  s += "inner join cancelamento u on (s.sacod=u.sacod) ";
  s += "where n.nfnumerodanota<>'0' and s.sadtcancelamento between '" +
       cancelPeriodPieces(caInicial, caFinal);
  if (codIndicacao != kTodos) s += "and i.inindicacao='" + number(codIndicacao) + "' ";
  s += "order by s.sadtcancelamento";
  return s;
}

}  // namespace comissao
