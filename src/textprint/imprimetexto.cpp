#include "textprint/imprimetexto.h"

#include "core/documentid.h"
#include "core/masks.h"
#include "core/sqltext.h"
#include "textprint/documenttransaction.h"
#include "core/linecomposer.h"
#include "textprint/printerfile.h"

namespace {

const QString kTitle = QStringLiteral("tl_relatorios");

// What the first query keeps for the header.
struct OrderSummary {
  QString payment;        // FPDESC trimmed
  QString purchaseOrder;  // SANF trimmed
  QString state;          // INUF
  QString delivery;       // ENTREGA
};

OrderSummary readSummary(modCnn& m, const QString& sacod) {
  OrderSummary s;
  m.FECHARS();
  m.Rs.open(
      "select s.sadesconto,f.fpdesc,s.sanf,u.funome,s.saobs,i.innome,i.inendereco,"
      "i.inmunicipio,i.inuf,i.incnpj,i.incpf,i.inbairro,i.ininscricao,i.incep,i.infone,"
      "i.datanascimento,i.entrega from saida s inner join interveniente i "
      "on(i.incod=s.safkinterveniente) inner join formapagamento f on (s.safktppag=f.fpcod) "
      "inner join funcionario u on (u.fucod=s.SAFKVENDEDOR) where s.sacod ='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  if (!m.Rs.eof()) {
    s.payment = m.Rs["FPDESC"].trimmed();
    s.purchaseOrder = m.Rs["SANF"].trimmed();
    s.state = m.Rs["INUF"].toText();
    s.delivery = m.Rs["ENTREGA"].isPresent() ? m.Rs["ENTREGA"].toText() : QString();
  }
  m.FECHARS();
  return s;
}

bool stateHasTaxRow(modCnn& m, const QString& state) {
  m.FECHARS();
  m.Rs.open("select icaliquota from icms where icuf ='" + sqlQuote(state) + "'", m.Cnn);
  const bool found = !m.Rs.eof();
  m.FECHARS();
  return found;
}

// The trimmed text cut to n characters.
QString fit(const Value& v, int n) { return cutText(v.trimmed(), n); }

// A number under a numeric mask, right-aligned in a placement mask of width
// columns, then cut to that width: a value too wide loses its last characters.
QString column(const Value& v, const QString& numericMask, int width) {
  return cutText(placeRight(formatMask(v, numericMask), width), width);
}
QString column(double v, const QString& numericMask, int width) {
  return column(Value::decimal(v), numericMask, width);
}

QString documentNumber(const Recordset& rs) {
  const Value cpf = rs["Incpf"], cnpj = rs["INCNPJ"];
  switch (chooseTaxId(cpf, cnpj)) {
    case TaxId::Cpf: return "CPF.:   " + cpf.toText();
    case TaxId::Cnpj: return "CNPJ:   " + cnpj.toText();
    case TaxId::None: break;
  }
  return {};
}

void printHeader(LineComposer& lc, const modCnn& m, const Recordset& rs,
                 const OrderSummary& summary, const QString& document, const QTime& now) {
  lc.println(controlBytes({0x1B, 0x0F}));  // condensed print
  lc.println(Tab{0}, m.job.NOMEEMPRESA);
  lc.println(Tab{0}, "no: " + rs["SACOD"].toText(), Tab{15}, fit(rs["TMDESC"], 15), Tab{30},
             "COD.CLIENTE: " + rs["INCOD"].trimmed(), Tab{50}, "DATA: " + rs["DATASAIDA"].toText(),
             Tab{70}, "ENTREGA: " + rs["DATAENTREGA"].toText(), Tab{100},
             "VEND.:" + fit(rs["FUNOME"], 16), Tab{128}, Value::time(now));
  lc.println(QString(135, '-'));
  lc.println(Tab{0}, "FANT: " + fit(rs["INAPELIDO"], 50));
  lc.println(Tab{0}, "NOME: " + fit(rs["INNOME"], 50), Tab{50}, summary.delivery, Tab{70},
             "CONTATO: " + fit(rs["Incontato"], 20), Tab{100},
             "TELEFONE: " + fit(rs["INFONE"], 13));
  lc.println(Tab{0}, "END.:" + fit(rs["Inenendereco"], 50), ",", rs["INENNUMERO"],
             rs["INENCOMPLEMENTO"], Tab{70}, "BAIRRO: " + fit(rs["Inenbairro"], 29), Tab{100},
             "CEL./FAX: " + fit(rs["INFAX"], 13));
  if (rs["DATANASCIMENTO"].isPresent())
    lc.println(Tab{0}, "DTN.:" + fit(rs["DATANASCIMENTO"], 20), Tab{70}, document, Tab{100},
               "CIDADE:   " + fit(rs["INENMUNICIPIO"], 27) + "-" + rs["INENUF"].trimmed());
  else
    lc.println(Tab{0}, "DTN.: NAO INF.", Tab{70}, document, Tab{100},
               "CIDADE:   " + fit(rs["INENMUNICIPIO"], 27));
  lc.println(Tab{0}, "REF.:" + fit(rs["Inenreferencia"], 55), Tab{70},
             "IE:     " + fit(rs["Ininscricao"], 15), Tab{100},
             "CEP.:     " + rs["INENCEP"].toText());
  lc.println(Tab{0}, "FORMA DE PAGAMENTO: ", summary.payment, Tab{70}, "ORDEM DE COMPRA: ",
             summary.purchaseOrder);
}

struct Totals {
  double ipi = 0;
  double weight = 0;
};

void printItems(LineComposer& lc, modCnn& m, const QString& sacod, Totals& totals) {
  lc.println("-----------|" + QString(110, '-') + "*" + QString(13, '-'));
  lc.println(Tab{0}, "COD.", Tab{12}, "| PRODUTO/EMBALAGEM", Tab{80}, "|    QTDE", Tab{90}, "  UN",
             Tab{96}, "|  P.UNIT", Tab{112}, "| IPI", Tab{125}, "P.TOTAL");
  lc.println("-----------*" + QString(110, '-') + "*" + QString(13, '-'));

  m.FECHARS();
  m.Rs.open(
      "select * from itemsaida inner join produto on produto.prcod=itemsaida.itfkprcod where "
      "itemsaida.itfksacod ='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  for (const Recordset& rs = m.Rs; !m.Rs.eof(); m.Rs.MoveNext()) {
    const Value ipiRate = rs["ITVRIPI"];
    if (!ipiRate.isNull() && !ipiRate.isEmpty())
      totals.ipi += arithmeticOperand(rs["ITVRTOTAL"], "itvrtotal") *
                    arithmeticOperand(ipiRate, "itvripi") * 0.01;
    // A null weight compares as not different from 0: no weight.
    const Value grossWeight = rs["PRBRU"];
    double weight = 0;
    if (grossWeight.isPresent() && grossWeight.toDouble() != 0)
      weight = arithmeticOperand(grossWeight, "prbru") * arithmeticOperand(rs["ITQTD"], "itqtd");

    lc.println(Tab{0}, rs["PRBARRA"].trimmed(), Tab{12}, "| " + fit(rs["ITPRNOME"], 51), Tab{80},
               "|" + placeRight(formatMask(rs["ITQTD"], "##0.000"), 9), Tab{90},
               "  " + fit(rs["ITUNIDADE"], 2), Tab{96},
               "|" + column(rs["ITVRUNITARIO"], "#####0.00", 9), Tab{112}, "|", ipiRate, "%",
               Tab{125}, column(rs["ITVRTOTAL"], "#####0.00", 9));
    totals.weight += weight;
  }
}

void printTotals(LineComposer& lc, const Totals& totals, double discount, double finalTotal) {
  lc.println("-----------*" + QString(81, '-') + "*" + QString(28, '-') + "*" + QString(13, '-'));
  lc.endLine();
  lc.println(Tab{61}, "| IPI: ", Tab{73}, column(totals.ipi, "###0.00", 7), Tab{105},
             "| TOTAL DESC:", Tab{123}, column(discount, "######0.00", 10));
  lc.println("VALORES " + QString(127, '-'));
  lc.println(Tab{61}, "| PESO: ", Tab{73}, column(totals.weight, "###0.00", 7), Tab{105},
             "| TOTAL PROD:", Tab{123}, column(finalTotal, "######0.00", 10));
  lc.println(QString(135, '-'));
  lc.endLine();
  lc.println(Tab{84}, "RESPONSAVEL: " + QString(39, '_'));
}

// The remarks in pieces of 130 characters, up to four; blank pieces are skipped.
void printRemarks(LineComposer& lc, const Value& remarks) {
  const QString text = remarks.toText();
  for (int start = 1; start <= 391; start += 130) {
    const QString piece = midText(text, start, 130);
    if (!trimBlanks(piece).isEmpty()) lc.println(Tab{0}, piece);
  }
}

}  // namespace

std::optional<QString> composeImprimeTexto(modCnn& m, ui::Ui& ui, const QTime& now) {
  DocumentTransaction transaction(m);
  const QString sacod = sqlCode(m.job.SACOD);
  const OrderSummary summary = readSummary(m, sacod);
  if (!stateHasTaxRow(m, summary.state))
    ui.message("O Cadastro do cliente não está informado a UF, atualize o cadastro.", kTitle,
               ui::Icon::None);

  m.FECHARS();
  m.Rs.open(
      "select c.cacomissaovenda,f.funome, s.saobs, s.sacod,g.gcdesc,t.tmdesc, i.*, "
      "s.datasaida,s.dataentrega,s.sadesconto,s.savrtotal from saida s,tipomovimento t,"
      "grupocompra g,interveniente i, funcionario f, cargo c where f.fkcargo=c.cacod and "
      "f.fucod=s.safkvendedor and i.fkgcompra=g.gccod and s.safktpsaida=t.tmcod and "
      "s.safkinterveniente=i.incod and s.sacod='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  if (m.Rs.eof()) {
    ui.message("Cadastro do funcionário ou do cliente incompleto, verifique e tente novamente.",
               kTitle, ui::Icon::Information);
    m.FECHARS();
    return std::nullopt;
  }
  const Value remarks = m.Rs["SAOBS"];
  const Value orderTotal = m.Rs["SAVRTOTAL"];
  const Value discountRate = m.Rs["SADESCONTO"];

  LineComposer lc;
  printHeader(lc, m, m.Rs, summary, documentNumber(m.Rs), now);
  m.FECHARS();

  Totals totals;
  printItems(lc, m, sacod, totals);

  const double total = arithmeticOperand(orderTotal, "savrtotal");
  const double discount = total * arithmeticOperand(discountRate, "sadesconto") / 100;
  const double finalTotal = totals.ipi + (total - discount);
  printTotals(lc, totals, discount, finalTotal);
  printRemarks(lc, remarks);
  m.FECHARS();
  return lc.text();
}

void IMPRIMETEXTO(modCnn& m, ui::Ui& ui) {
  // Composed whole first: a failure on the way leaves the printer untouched.
  const std::optional<QString> document = composeImprimeTexto(m, ui, QTime::currentTime());
  if (!document) return;
  writePrinterFile(m.job.LOCALIMPRESSORA, *document);
}
