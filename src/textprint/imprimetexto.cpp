#include "textprint/imprimetexto.h"

#include "core/documentid.h"
#include "core/masks.h"
#include "core/sqltext.h"
#include "textprint/documenttransaction.h"
#include "core/linecomposer.h"
#include "textprint/printerdestination.h"

namespace {

const QString kTitle = QStringLiteral("tl_relatorios");

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

QString documentNumber(const OrderText& d) {
  switch (chooseTaxId(d.cpf, d.cnpj)) {
    case TaxId::Cpf: return "CPF.:   " + d.cpf.toText();
    case TaxId::Cnpj: return "CNPJ:   " + d.cnpj.toText();
    case TaxId::None: break;
  }
  return {};
}

void printHeader(LineComposer& lc, const OrderText& d, const QTime& now) {
  const QString document = documentNumber(d);
  lc.println(controlBytes({0x1B, 0x0F}));  // condensed print
  lc.println(Tab{0}, d.company);
  lc.println(Tab{0}, "no: " + d.number.toText(), Tab{15}, fit(d.movement, 15), Tab{30},
             "COD.CLIENTE: " + d.customerCode.trimmed(), Tab{50}, "DATA: " + d.date.toText(),
             Tab{70}, "ENTREGA: " + d.deliveryDate.toText(), Tab{100},
             "VEND.:" + fit(d.seller, 16), Tab{128}, Value::time(now));
  lc.println(QString(135, '-'));
  lc.println(Tab{0}, "FANT: " + fit(d.tradeName, 50));
  lc.println(Tab{0}, "NOME: " + fit(d.name, 50), Tab{50}, d.delivery, Tab{70},
             "CONTATO: " + fit(d.contact, 20), Tab{100}, "TELEFONE: " + fit(d.phone, 13));
  lc.println(Tab{0}, "END.:" + fit(d.address, 50), ",", d.addressNumber, d.complement, Tab{70},
             "BAIRRO: " + fit(d.district, 29), Tab{100}, "CEL./FAX: " + fit(d.fax, 13));
  if (d.birthDate.isPresent())
    lc.println(Tab{0}, "DTN.:" + fit(d.birthDate, 20), Tab{70}, document, Tab{100},
               "CIDADE:   " + fit(d.city, 27) + "-" + d.state.trimmed());
  else
    lc.println(Tab{0}, "DTN.: NAO INF.", Tab{70}, document, Tab{100},
               "CIDADE:   " + fit(d.city, 27));
  lc.println(Tab{0}, "REF.:" + fit(d.reference, 55), Tab{70},
             "IE:     " + fit(d.stateRegistration, 15), Tab{100},
             "CEP.:     " + d.postalCode.toText());
  lc.println(Tab{0}, "FORMA DE PAGAMENTO: ", d.payment, Tab{70}, "ORDEM DE COMPRA: ",
             d.purchaseOrder);
}

struct Totals {
  double ipi = 0;
  double weight = 0;
};

void printItems(LineComposer& lc, const std::vector<OrderTextItem>& items, Totals& totals) {
  lc.println("-----------|" + QString(110, '-') + "*" + QString(13, '-'));
  lc.println(Tab{0}, "COD.", Tab{12}, "| PRODUTO/EMBALAGEM", Tab{80}, "|    QTDE", Tab{90}, "  UN",
             Tab{96}, "|  P.UNIT", Tab{112}, "| IPI", Tab{125}, "P.TOTAL");
  lc.println("-----------*" + QString(110, '-') + "*" + QString(13, '-'));
  for (const OrderTextItem& it : items) {
    if (!it.ipiRate.isNull() && !it.ipiRate.isEmpty())
      totals.ipi += arithmeticOperand(it.total, "itvrtotal") *
                    arithmeticOperand(it.ipiRate, "itvripi") * 0.01;
    // A null weight compares as not different from 0: no weight.
    double weight = 0;
    if (it.grossWeight.isPresent() && it.grossWeight.toDouble() != 0)
      weight = arithmeticOperand(it.grossWeight, "prbru") * arithmeticOperand(it.quantity, "itqtd");

    lc.println(Tab{0}, it.barcode.trimmed(), Tab{12}, "| " + fit(it.name, 51), Tab{80},
               "|" + placeRight(formatMask(it.quantity, "##0.000"), 9), Tab{90},
               "  " + fit(it.unit, 2), Tab{96}, "|" + column(it.unitPrice, "#####0.00", 9),
               Tab{112}, "|", it.ipiRate, "%", Tab{125}, column(it.total, "#####0.00", 9));
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

// The sale with its customer, seller and movement; false when a join finds
// nothing (an incomplete customer or employee record).
bool readSaleAndCustomer(modCnn& m, const QString& sacod, OrderText& d) {
  Recordset rs;
  rs.open(
      "select c.cacomissaovenda,f.funome, s.saobs, s.sacod,g.gcdesc,t.tmdesc, i.*, "
      "s.datasaida,s.dataentrega,s.sadesconto,s.savrtotal from saida s,tipomovimento t,"
      "grupocompra g,interveniente i, funcionario f, cargo c where f.fkcargo=c.cacod and "
      "f.fucod=s.safkvendedor and i.fkgcompra=g.gccod and s.safktpsaida=t.tmcod and "
      "s.safkinterveniente=i.incod and s.sacod='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  if (rs.eof()) return false;
  d.number = rs["SACOD"];
  d.movement = rs["TMDESC"];
  d.customerCode = rs["INCOD"];
  d.date = rs["DATASAIDA"];
  d.deliveryDate = rs["DATAENTREGA"];
  d.seller = rs["FUNOME"];
  d.tradeName = rs["INAPELIDO"];
  d.name = rs["INNOME"];
  d.contact = rs["Incontato"];
  d.phone = rs["INFONE"];
  d.address = rs["Inenendereco"];
  d.addressNumber = rs["INENNUMERO"];
  d.complement = rs["INENCOMPLEMENTO"];
  d.district = rs["Inenbairro"];
  d.fax = rs["INFAX"];
  d.birthDate = rs["DATANASCIMENTO"];
  d.city = rs["INENMUNICIPIO"];
  d.state = rs["INENUF"];
  d.reference = rs["Inenreferencia"];
  d.stateRegistration = rs["Ininscricao"];
  d.postalCode = rs["INENCEP"];
  d.cpf = rs["Incpf"];
  d.cnpj = rs["INCNPJ"];
  d.remarks = rs["SAOBS"];
  d.total = rs["SAVRTOTAL"];
  d.discountRate = rs["SADESCONTO"];
  return true;
}

void readItems(modCnn& m, const QString& sacod, OrderText& d) {
  Recordset rs;
  rs.open(
      "select * from itemsaida inner join produto on produto.prcod=itemsaida.itfkprcod where "
      "itemsaida.itfksacod ='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  for (; !rs.eof(); rs.MoveNext())
    d.items.push_back({rs["PRBARRA"], rs["ITPRNOME"], rs["ITQTD"], rs["ITUNIDADE"],
                       rs["ITVRUNITARIO"], rs["ITVRIPI"], rs["ITVRTOTAL"], rs["PRBRU"]});
}

}  // namespace

std::optional<OrderText> readImprimeTexto(modCnn& m, ui::Ui& ui) {
  DocumentTransaction transaction(m);
  const QString sacod = sqlCode(m.job.SACOD, "SACOD");
  OrderText d;
  d.company = m.job.NOMEEMPRESA;
  QString customerState;
  {
    Recordset rs;
    rs.open(
        "select s.sadesconto,f.fpdesc,s.sanf,u.funome,s.saobs,i.innome,i.inendereco,"
        "i.inmunicipio,i.inuf,i.incnpj,i.incpf,i.inbairro,i.ininscricao,i.incep,i.infone,"
        "i.datanascimento,i.entrega from saida s inner join interveniente i "
        "on(i.incod=s.safkinterveniente) inner join formapagamento f on (s.safktppag=f.fpcod) "
        "inner join funcionario u on (u.fucod=s.SAFKVENDEDOR) where s.sacod ='" +
            sqlQuote(sacod) + "'",
        m.Cnn);
    if (!rs.eof()) {
      d.payment = rs["FPDESC"].trimmed();
      d.purchaseOrder = rs["SANF"].trimmed();
      customerState = rs["INUF"].toText();
      d.delivery = rs["ENTREGA"].isPresent() ? rs["ENTREGA"].toText() : QString();
    }
  }
  {
    Recordset tax;
    tax.open("select icaliquota from icms where icuf ='" + sqlQuote(customerState) + "'", m.Cnn);
    if (tax.eof())
      ui.message("O Cadastro do cliente não está informado a UF, atualize o cadastro.", kTitle,
                 ui::Icon::None);
  }
  if (!readSaleAndCustomer(m, sacod, d)) {
    ui.message("Cadastro do funcionário ou do cliente incompleto, verifique e tente novamente.",
               kTitle, ui::Icon::Information);
    return std::nullopt;
  }
  readItems(m, sacod, d);
  return d;
}

QString composeImprimeTexto(const OrderText& d, const QTime& now) {
  LineComposer lc;
  printHeader(lc, d, now);
  Totals totals;
  printItems(lc, d.items, totals);
  const double total = arithmeticOperand(d.total, "savrtotal");
  const double discount = total * arithmeticOperand(d.discountRate, "sadesconto") / 100;
  const double finalTotal = totals.ipi + (total - discount);
  printTotals(lc, totals, discount, finalTotal);
  printRemarks(lc, d.remarks);
  return lc.text();
}

void IMPRIMETEXTO(modCnn& m, ui::Ui& ui) {
  const std::optional<OrderText> order = readImprimeTexto(m, ui);
  if (!order) return;
  // Composed whole first: a failure on the way leaves the printer untouched.
  const QString document = composeImprimeTexto(*order, QTime::currentTime());
  printStream(m, m.job.LOCALIMPRESSORA, document, m.job.SACOD.value_or(QString()));
}
