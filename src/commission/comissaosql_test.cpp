#include "commission/comissaosql.h"

#include <gtest/gtest.h>

using namespace comissao;

namespace {

// The seller-sales text with its seller condition (empty for all sellers),
// written out whole.
QString sellerSales(const QString& from, const QString& to, const QString& condition) {
  return "select distinct c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, "
         "i.incnpj, i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago,sum(z.vicmsst) "
         "as valoricmss from saida s inner join itemsaida z on (z.itfksacod=s.sacod) inner join "
         "funcionario f on (s.safkvendedor=f.fucod) inner join cargo c on (c.cacod=f.fkcargo) inner "
         "join formapagamento w on (w.fpcod=s.safktppag) inner join tipomovimento t on "
         "(s.safktpsaida=t.tmcod and t.tmcomissao='SIM') inner join notafiscal n on "
         "(s.sacod=n.fksaida and n.nfinnome<>'0')inner join interveniente i on "
         "(i.incod=s.safkinterveniente) where s.status<>'C' and n.nfdataemissao >= '" +
         from + "' and n.nfdataemissao <= '" + to + "' " + condition +
         "group by c.cacomissaovenda,s.sacod,s.sadesconto,w.fpdesc,i.inapelido, i.innome, i.incnpj, "
         "i.incpf, f.funome, s.datasaida, s.dataentrega, s.savrtotal,s.savrpago order by s.sacod";
}

}  // namespace

TEST(ComissaoSql, SellerSalesForOneSeller) {
  EXPECT_EQ(sqlComissaoVendedor("20240301", "20240331", 7),
            sellerSales("20240301", "20240331", "and f.fucod='7' "));
}

TEST(ComissaoSql, SellerSalesForAllSellersHasNoSellerCondition) {
  const QString sql = sqlComissaoVendedor("19011231", "30001231", kTodos);
  EXPECT_EQ(sql, sellerSales("19011231", "30001231", ""));
  EXPECT_FALSE(sql.contains("fucod='"));
}

TEST(ComissaoSql, SellerCodesAboveSixteenBitsAreWrittenWhole) {
  EXPECT_TRUE(sqlComissaoVendedor("19011231", "30001231", 70000).contains("and f.fucod='70000' "));
}

TEST(ComissaoSql, CancellationPeriodIsMonthDayYearWithoutLeadingZeros) {
  EXPECT_EQ(cancelPeriodPieces(QDate(2024, 3, 5), QDate(2024, 3, 31)),
            "3/5/2024' and '3/31/2024' ");
  EXPECT_EQ(cancelPeriodPieces(QDate(2023, 12, 1), QDate(2024, 1, 10)),
            "12/1/2023' and '1/10/2024' ");
}

TEST(ComissaoSql, SellerCancellations) {
  const QString expected =
      "select distinct s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, i.innome, i.incnpj, "
      "i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, s.dataentrega, s.savrtotal, "
      "sum(c.covrcomissao) as vrcomis from comissaoitem c inner join funcionario f on "
      "(c.fkfucod=f.fucod) inner join saida s on (s.sacod=c.fksacod and s.status='C') inner join "
      "notafiscal n on (s.sacod=n.fksaida) inner join interveniente i on "
      "(i.incod=s.safkinterveniente) inner join cancelamento u on (s.sacod=u.sacod) where "
      "n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' "
      "and c.fkfucod='1' group by s.sadtcancelamento,u.cnusuario,u.cnmotivo,i.inapelido, "
      "i.innome, i.incnpj, i.incpf, f.funome, c.fksacod, c.copercreal, s.datasaida, "
      "s.dataentrega, s.savrtotal";
  EXPECT_EQ(sqlEstornoVendedor(QDate(2024, 3, 5), QDate(2024, 3, 31), 1), expected);
  QString all = expected;
  all.remove("and c.fkfucod='1' ");
  EXPECT_EQ(sqlEstornoVendedor(QDate(2024, 3, 5), QDate(2024, 3, 31), kTodos), all);
}

TEST(ComissaoSql, RepresentativeSales) {
  const QString expected =
      "select s.sacod as fksacod, c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, "
      "f.funome, s.datasaida, s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as "
      "vrcomis from saida s inner join interveniente i on (i.incod=s.safkinterveniente) inner "
      "join funcionario f on (i.inrepresentante=f.fucod) inner join cargo c on "
      "(f.fkcargo=c.cacod) inner join notafiscal n on (s.sacod=n.fksaida) where "
      "n.nfnumerodanota<>'0' and n.nfdataemissao >= '20240101' and n.nfdataemissao <= "
      "'20241231' and i.inrepresentante='5' order by n.nfdataemissao";
  EXPECT_EQ(sqlComissaoRepresentante("20240101", "20241231", 5), expected);
  QString all = expected;
  all.remove("and i.inrepresentante='5' ");
  EXPECT_EQ(sqlComissaoRepresentante("20240101", "20241231", kTodos), all);
}

TEST(ComissaoSql, RepresentativeCancellations) {
  const QString expected =
      "select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, "
      "c.cacomissaovenda, i.inapelido, i.innome, i.incnpj, i.incpf, f.funome, s.datasaida, "
      "s.dataentrega, s.savrpago, ((s.savrpago*c.cacomissaovenda)/100) as vrcomis from saida s "
      "inner join interveniente i on (i.incod=s.safkinterveniente) inner join funcionario f on "
      "(i.inrepresentante=f.fucod) inner join cargo c on (f.fkcargo=c.cacod) inner join "
      "notafiscal n on (s.sacod=n.fksaida) inner join cancelamento u on (s.sacod=u.sacod) where "
      "n.nfnumerodanota<>'0' and s.sadtcancelamento between '3/5/2024' and '3/31/2024' and "
      "i.inrepresentante='5' order by s.sadtcancelamento";
  EXPECT_EQ(sqlEstornoRepresentante(QDate(2024, 3, 5), QDate(2024, 3, 31), 5), expected);
}

TEST(ComissaoSql, ReferralPercentageEntersWithAPoint) {
  EXPECT_EQ(percentFactor("2,5"), "2.5");
  const QString expected =
      "select s.sacod as fksacod, i.inapelido, i.innome, i.incnpj, i.incpf, s.datasaida, "
      "s.dataentrega, s.savrpago, ((s.savrpago*2.5)/100) as vrcomis from saida s inner join "
      "interveniente i on (i.incod=s.safkinterveniente) inner join notafiscal n on "
      "(s.sacod=n.fksaida) where n.nfnumerodanota<>'0' and n.nfdataemissao >= '19011231' and "
      "n.nfdataemissao <= '30001231' and i.inindicacao='40000' order by n.nfdataemissao";
  EXPECT_EQ(sqlComissaoIndicacao(percentFactor("2,5"), "19011231", "30001231", 40000), expected);
}

TEST(ComissaoSql, ReferralTodosAddsNoCondition) {
  const QString sales = sqlComissaoIndicacao("2.5", "19011231", "30001231", kTodos);
  EXPECT_FALSE(sales.contains("inindicacao"));
  EXPECT_TRUE(sales.contains("where n.nfnumerodanota<>'0' and n.nfdataemissao >= '19011231' and "
                             "n.nfdataemissao <= '30001231' order by n.nfdataemissao"));
  const QString expected =
      "select s.sacod as fksacod, s.sadtcancelamento, u.cnusuario, u.cnmotivo, i.inapelido, "
      "i.innome, i.incnpj, i.incpf, s.datasaida, s.dataentrega, s.savrpago, "
      "((s.savrpago*2.5)/100) as vrcomis from saida s inner join interveniente i on "
      "(i.incod=s.safkinterveniente) inner join notafiscal n on (s.sacod=n.fksaida) inner join "
      "cancelamento u on (s.sacod=u.sacod) where n.nfnumerodanota<>'0' and s.sadtcancelamento "
      "between '3/5/2024' and '3/31/2024' order by s.sadtcancelamento";
  EXPECT_EQ(sqlEstornoIndicacao("2.5", QDate(2024, 3, 5), QDate(2024, 3, 31), kTodos), expected);
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
  EXPECT_EQ(parseFieldDate("__/__/____"), std::nullopt);
  EXPECT_EQ(parseFieldDate("12/__/____"), std::nullopt);
  EXPECT_EQ(parseFieldDate("99/99/9999"), std::nullopt);
  EXPECT_EQ(parseFieldDate("31/02/2024"), std::nullopt);
}

TEST(ComissaoSql, CpfWinsOverCnpjUnlessEmptyOrMask) {
  const Value cnpj = Value::text("12.345.678/0001-90");
  EXPECT_EQ(customerDocument(Value::text(" 123.456.789-09 "), cnpj), "123.456.789-09");
  EXPECT_EQ(customerDocument(Value::text("___.___.___-__"), cnpj), "12.345.678/0001-90");
  EXPECT_EQ(customerDocument(Value::null(), cnpj), "12.345.678/0001-90");
  EXPECT_EQ(customerDocument(Value::text(""), Value::text("__.___.___/____-__")), "");
  EXPECT_EQ(customerDocument(Value::text("___.___.___-__"), Value::null()), "");
}

TEST(ComissaoSql, PaddedOrBlankDocumentsCountAsEmpty) {
  const Value cnpj = Value::text("12.345.678/0001-90    ");
  EXPECT_EQ(customerDocument(Value::text("___.___.___-__      "), cnpj), "12.345.678/0001-90");
  EXPECT_EQ(customerDocument(Value::text("              "), cnpj), "12.345.678/0001-90");
  EXPECT_EQ(customerDocument(Value::text("   "), Value::text("__.___.___/____-__  ")), "");
}
