#include "commission/comissaosql.h"

#include <gtest/gtest.h>

using namespace comissao;

// Each text written out for one person; with kTodos the same text without
// that person's condition.
TEST(ComissaoSql, QueryTexts) {
  const QDate from(2024, 3, 5), to(2024, 3, 31);
  struct Case {
    const char* name;
    QString forOne, forAll, expected, condition;
  };
  const Case cases[] = {
      {"vendas do vendedor", sqlComissaoVendedor("20240301", "20240331", 7),
       sqlComissaoVendedor("20240301", "20240331", kTodos),
       "select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, "
       "i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, "
       "s.savrtotal,s.savrpago,sum(z.vicmsst) as valoricmss from saida s inner join itemsaida z on "
       "(z.itfksacod=s.sacod) inner join funcionario f on (s.safkvendedor=f.fucod) inner join "
       "cargo c on (c.cacod=f.fkcargo) inner join formapagamento w on (w.fpcod=s.safktppag) inner "
       "join tipomovimento t on (s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join "
       "notafiscal n on (s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on "
       "(i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '20240301' and "
       "n.nfdataemissao <= '20240331' and f.fucod='7' group by "
       "c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, i.incpf, "
       "f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod",
       "and f.fucod='7' "},
      {"estornos do vendedor", sqlEstornoVendedor(from, to, 1),
       sqlEstornoVendedor(from, to, kTodos),
       "select distinct s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, "
       "i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal, "
       "sum(c.covrcomissao) as vrcomis from comissaoitem c inner join funcionario f on "
       "(c.fkfucod=f.fucod) inner join saida s on (s.sacod=c.fksacod and s.status='C') inner join "
       "notafiscal n on (s.sacod=n.fksaida) inner join interveniente i on "
       "(i.incod=s.safkinterveniente) inner join cancelamento u on (s.sacod=u.sacod) where "
       "n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' "
       "and c.fkfucod='1' group by s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, "
       "i.innome, i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, "
       "s.dataentrega, s.savrtotal",
       "and c.fkfucod='1' "},
      {"vendas do representante", sqlComissaoRepresentante("20240101", "20241231", 5),
       sqlComissaoRepresentante("20240101", "20241231", kTodos),
       "select s.sacod as fksacod, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, "
       "f.funome, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as "
       "vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner "
       "join funcionario f on (i.inrepresentante=f.fucod) inner join cargo c on "
       "(f.fkcargo=c.cacod) inner join notafiscal n on (s.sacod=n.fksaida) where "
       "n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240101' and n.nfdataemissao <= "
       "'20241231' and i.inrepresentante='5' order by n.nfdataemissao",
       "and i.inrepresentante='5' "},
      {"estornos do representante", sqlEstornoRepresentante(from, to, 5),
       sqlEstornoRepresentante(from, to, kTodos),
       "select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, "
       "c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, "
       "s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s "
       "inner join interveniente i on (i.incod=s.safkinterveniente) inner join funcionario f on "
       "(i.inrepresentante=f.fucod) inner join cargo c on (f.fkcargo=c.cacod) inner join "
       "notafiscal n on (s.sacod=n.fksaida) inner join cancelamento u on (s.sacod=u.sacod) where "
       "n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' and "
       "i.inrepresentante='5' order by s.sadtcancelamento",
       "and i.inrepresentante='5' "},
      {"vendas da indicação",
       sqlComissaoIndicacao(percentFactor("2,5"), "19011231", "30001231", 40000),
       sqlComissaoIndicacao("2.5", "19011231", "30001231", kTodos),
       "select s.sacod as fksacod, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, "
       "s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join "
       "interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on "
       "(s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '19011231' and "
       "n.nfdataemissao <= '30001231' and i.inindicacao='40000' order by n.nfdataemissao",
       "and i.inindicacao='40000' "},
      {"estornos da indicação", sqlEstornoIndicacao("2.5", from, to, 40000),
       sqlEstornoIndicacao("2.5", from, to, kTodos),
       "select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, i.inapelido, "
       "i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, "
       "((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on "
       "(i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) inner join "
       "cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento "
       "between '3/5/2024' and '3/31/2024' and i.inindicacao='40000' order by s.sadtcancelamento",
       "and i.inindicacao='40000' "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.forOne, c.expected);
    QString all = c.expected;
    ASSERT_EQ(all.count(c.condition), 1);
    EXPECT_EQ(c.forAll, all.remove(c.condition));
  }
  // Codes are written whole; the period has no leading zeros in either date.
  EXPECT_TRUE(sqlComissaoVendedor("19011231", "30001231", 70000).contains("and f.fucod='70000' "));
  EXPECT_EQ(cancelPeriodPieces(QDate(2023, 12, 1), QDate(2024, 1, 10)),
            "12/1/2023' and '1/10/2024' ");
}

TEST(ComissaoSql, OnlyPlainFactorsAreJoined) {
  EXPECT_TRUE(isPlainFactor("2.5"));
  EXPECT_TRUE(isPlainFactor(""));
  EXPECT_FALSE(isPlainFactor("2)/100) as vrcomis from rdb$database --"));
  EXPECT_FALSE(isPlainFactor("2 5"));
}

TEST(ComissaoSql, FieldDatesAreWholeValidDates) {
  EXPECT_EQ(parseFieldDate("05/03/2024"), QDate(2024, 3, 5));
  EXPECT_EQ(dateKey(QDate(2024, 3, 5)), "20240305");
  for (const char* text : {"__/__/____", "12/__/____", "99/99/9999", "31/02/2024"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(parseFieldDate(text), std::nullopt);
  }
}

// The CPF unless empty, blank or its (possibly CHAR-padded) mask; else the
// CNPJ on the same terms; else nothing.
TEST(ComissaoSql, CustomerDocument) {
  const Value cnpj = Value::text("12.345.678/0001-90");
  const Value paddedCnpj = Value::text("12.345.678/0001-90    ");
  const Value cnpjMask = Value::text("__.___.___/____-__");
  const struct {
    Value cpf, cnpj;
    const char* expected;
  } cases[] = {
      {Value::text(" 123.456.789-09 "), cnpj, "123.456.789-09"},
      {Value::text("___.___.___-__"), cnpj, "12.345.678/0001-90"},
      {Value::null(), cnpj, "12.345.678/0001-90"},
      {Value::text(""), cnpjMask, ""},
      {Value::text("___.___.___-__"), Value::null(), ""},
      {Value::text("___.___.___-__      "), paddedCnpj, "12.345.678/0001-90"},
      {Value::text("              "), paddedCnpj, "12.345.678/0001-90"},
      {Value::text("   "), Value::text("__.___.___/____-__  "), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cpf.toText().toStdString() + " / " + c.cnpj.toText().toStdString());
    EXPECT_EQ(customerDocument(c.cpf, c.cnpj), c.expected);
  }
}
