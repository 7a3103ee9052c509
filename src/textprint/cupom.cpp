#include "textprint/cupom.h"

#include "core/masks.h"
#include "core/sqltext.h"
#include "textprint/documenttransaction.h"
#include "core/linecomposer.h"
#include "textprint/printerdestination.h"

namespace {

constexpr int kWidth = 56;

const QString& ruler() {
  static const QString r(kWidth, '_');
  return r;
}

const Command& smallFont() {  // ESC ! 1
  static const Command s = controlBytes({0x1B, 0x21, 0x01});
  return s;
}

// Money columns: "##,0.00" and then a placement mask of the column's width,
// so that the last digits line up.
QString money(const Value& v, int width) { return placeRight(formatMask(v, "##,0.00"), width); }
QString money(double v, int width) { return money(Value::decimal(v), width); }

// A quantity right-aligned in columns 17 to 22.
QString quantity(const Value& v) { return formatMask(v, "@@@@@@"); }

void centred(LineComposer& lc, const QString& text) {
  lc.println(Tab{centreColumn(kWidth, static_cast<int>(text.size()))}, text);
}

bool anyLine(const QString (&lines)[3]) { return !(lines[0] + lines[1] + lines[2]).isEmpty(); }

void readStoreLines(modCnn& m, CupomSale& s) {
  Recordset rs;
  rs.open(
      "SELECT CB1,CB2,CB3,RP1,RP2,RP3 FROM PARAM INNER JOIN INTERVENIENTE ON "
      "(INTERVENIENTE.INCOD=PARAM.FKINCOD) WHERE INTERVENIENTE.FKTIPOINTERVENIENTE=5",
      m.Cnn);
  if (!rs.eof()) {
    const auto take = [&](const char* column) { return cutText(rs[column].trimmed(), kWidth); };
    s.header[0] = take("CB1");
    s.header[1] = take("CB2");
    s.header[2] = take("CB3");
    s.footer[0] = take("RP1");
    s.footer[1] = take("RP2");
    s.footer[2] = take("RP3");
  }
}

QString itemsQuery(const char* table, const QString& sacod) {
  return QStringLiteral(
             "select i.itunidade,i.tppromocao,i.itentrega_retira,p.prbarra,p.prcod,p.probs,"
             "p.prcusto,i.itprnome,i.itqtd,i.itsadesconto,i.itvrunitario,i.itobs from ") +
         table + " i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='" +
         sqlQuote(sacod) + "' order by prbarra";
}

std::vector<CupomItem> readItems(modCnn& m, const char* table, const QString& sacod) {
  std::vector<CupomItem> items;
  Recordset rs;
  rs.open(itemsQuery(table, sacod), m.Cnn);
  for (; !rs.eof(); rs.MoveNext()) {
    CupomItem it;
    it.code = rs["prcod"].toText();
    if (rs["probs"].isPresent()) it.code = rs["probs"].toText();
    if (rs["prbarra"].isPresent()) it.code = rs["prbarra"].toText();
    it.promotion = rs["TPPROMOCAO"].trimmed() == "1";
    it.quantity = rs["itqtd"];
    it.unit = rs["itunidade"];
    it.unitPrice = rs["itvrunitario"];
    it.name = rs["itprnome"].trimmed();
    it.remark = rs["ITOBS"].trimmed();
    items.push_back(std::move(it));
  }
  return items;
}

// One item in four lines at most; adds its quantity to the sum and gives
// its total as printed.
double printItem(LineComposer& lc, const CupomItem& it, double& quantitySum) {
  quantitySum += arithmeticOperand(it.quantity, "itqtd");
  const double total = arithmeticOperand(it.quantity, "itqtd") *
                       arithmeticOperand(it.unitPrice, "itvrunitario");
  lc.println(it.code, Tab{17}, quantity(it.quantity), Tab{25}, "X", Tab{28}, it.unit, Tab{33},
             money(it.unitPrice, 9), Tab{46}, money(total, 11));
  lc.println(QString(it.promotion ? "*" : ""), midText(it.name, 1, 56));
  const QString rest = midText(it.name, 57, 56);
  if (!trimBlanks(rest).isEmpty()) lc.println(rest);
  if (!it.remark.isEmpty()) lc.println(cutText(it.remark, kWidth));
  return roundToPlaces(total, 2);
}

}  // namespace

std::optional<CupomSale> readCupom(modCnn& m) {
  DocumentTransaction transaction(m);
  CupomSale d;
  readStoreLines(m, d);
  const QString sacod = sqlCode(m.job.SACOD, "SACOD");
  d.saleNumber = m.job.SACOD.value_or(QString());

  Recordset sale;
  sale.open(
      "select s.datasaida,t.tmdesc,s.usuario_cri,s.safkinterveniente,i.innome,s.savrtotal,"
      "s.savrpago,s.sadesconto,f.funome from saida s inner join tipomovimento t "
      "on(s.safktpsaida=t.tmcod) inner join interveniente i on(i.incod=s.safkinterveniente) "
      "inner join funcionario f on(f.fucod=s.safkvendedor) where s.sacod ='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  if (sale.eof()) return std::nullopt;
  d.operatorName = sale["usuario_cri"];
  d.date = sale["datasaida"].trimmed();
  d.customerCode = sale["safkinterveniente"];
  d.customerName = sale["innome"];
  d.movement = sale["tmdesc"];
  d.seller = sale["funome"];
  d.total = sale["savrtotal"];
  d.paid = sale["savrpago"];
  d.discount = sale["sadesconto"];

  d.items = readItems(m, "itemsaida", sacod);
  Recordset pay;
  pay.open(
      "select l.datavencimento,t.trdesc,l.lavalor from lancamento l inner join tiporecebimento t "
      "on(t.trcod=l.fktrcod) where l.fksaida ='" +
          sqlQuote(sacod) + "' order by l.datavencimento",
      m.Cnn);
  for (; !pay.eof(); pay.MoveNext())
    d.payments.push_back({pay["DATAVENCIMENTO"], pay["TRDESC"].trimmed(), pay["LAVALOR"]});
  d.exchange = readItems(m, "itemsaida_troca", sacod);
  return d;
}

QString composeCupom(const CupomSale& d) {
  LineComposer lc;
  lc << smallFont();
  for (const QString& line : d.header)
    if (!line.isEmpty()) centred(lc, line);
  if (anyLine(d.header)) lc.println(smallFont(), ruler());

  lc.println("NRO. ", d.saleNumber, Tab{15}, "OPER.", cutText(d.operatorName.toText(), 13),
             Tab{38}, d.date);
  lc.println("CLI.", d.customerCode, Tab{15}, cutText(d.customerName.toText(), 40));
  centred(lc, trimBlanks(cutText(d.movement.toText(), kWidth)));
  lc.println(Tab{16}, "NAO POSSUI VALOR FISCAL");
  lc.println(ruler());
  lc.println("CODIGO", Tab{19}, "QTDE", Tab{28}, "UN", Tab{37}, "PRECO", Tab{52}, "TOTAL");

  double quantitySum = 0;
  for (const CupomItem& it : d.items) printItem(lc, it, quantitySum);
  lc.println(ruler());

  lc.println("ITENS", Tab{17}, quantity(Value::decimal(quantitySum)), Tab{33}, "SUB TOTAL:",
             Tab{46}, money(d.total, 11));
  // A stored discount of 0 still prints the line; only a null leaves it out.
  if (d.discount.isPresent()) {
    const double difference =
        arithmeticOperand(d.total, "savrtotal") - arithmeticOperand(d.paid, "savrpago");
    lc.println(Tab{33}, "DESCONTO(-)", Tab{46}, money(difference, 11));
  }
  lc.println(Tab{33}, "T O T A L:", Tab{46}, money(d.paid, 11));
  lc.println(ruler());
  lc.println("PAGAMENTO:");
  for (const CupomPayment& p : d.payments)
    lc.println(p.dueDate, Tab{12}, cutText(p.kind, 30), Tab{46}, money(p.amount, 11));
  lc.println("VENDEDOR: ", trimBlanks(cutText(d.seller.toText(), 40)));

  if (!d.exchange.empty()) {
    lc.println(ruler());
    lc.println("ITENS TROCA");
    double exchangeSum = 0;
    double exchangeTotal = 0;
    for (const CupomItem& it : d.exchange) exchangeTotal += printItem(lc, it, exchangeSum);
    lc.println(ruler());
    lc.println("ITENS", Tab{17}, quantity(Value::decimal(exchangeSum)), Tab{33}, "TROCA:",
               Tab{46}, money(exchangeTotal, 11));
  }

  if (anyLine(d.footer)) {
    lc.println(ruler());
    for (const QString& line : d.footer)
      if (!line.isEmpty()) centred(lc, line);
  }
  for (int i = 0; i < 4; ++i) lc.endLine();
  lc << controlBytes({0x1D, 0x56, 0x42, 0x00});  // feed and partial cut
  return lc.text();
}

void Cupom(modCnn& m, ui::Ui&) {
  const std::optional<CupomSale> sale = readCupom(m);
  if (!sale) return;
  // Composed whole first: a failure on the way leaves the printer untouched.
  const QString receipt = composeCupom(*sale);
  printStream(m, m.job.LOCALIMPRESSORA, receipt, m.job.SACOD.value_or(QString()));
}
