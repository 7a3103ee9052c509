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

struct StoreLines {
  QString header[3];
  QString footer[3];
  bool anyHeader() const { return !(header[0] + header[1] + header[2]).isEmpty(); }
  bool anyFooter() const { return !(footer[0] + footer[1] + footer[2]).isEmpty(); }
};

StoreLines readStoreLines(modCnn& m) {
  StoreLines s;
  m.FECHARS();
  m.Rs.open(
      "SELECT CB1,CB2,CB3,RP1,RP2,RP3 FROM PARAM INNER JOIN INTERVENIENTE ON "
      "(INTERVENIENTE.INCOD=PARAM.FKINCOD) WHERE INTERVENIENTE.FKTIPOINTERVENIENTE=5",
      m.Cnn);
  if (!m.Rs.eof()) {
    const auto take = [&](const char* column) { return cutText(m.Rs[column].trimmed(), kWidth); };
    s.header[0] = take("CB1");
    s.header[1] = take("CB2");
    s.header[2] = take("CB3");
    s.footer[0] = take("RP1");
    s.footer[1] = take("RP2");
    s.footer[2] = take("RP3");
  }
  m.FECHARS();
  return s;
}

void centred(LineComposer& lc, const QString& text) {
  lc.println(Tab{centreColumn(kWidth, static_cast<int>(text.size()))}, text);
}

QString itemsQuery(const char* table, const QString& sacod) {
  return QStringLiteral(
             "select i.itunidade,i.tppromocao,i.itentrega_retira,p.prbarra,p.prcod,p.probs,"
             "p.prcusto,i.itprnome,i.itqtd,i.itsadesconto,i.itvrunitario,i.itobs from ") +
         table + " i inner join produto p on(p.prcod=i.itfkprcod) where i.itfksacod ='" +
         sqlQuote(sacod) + "' order by prbarra";
}

// One item in four lines at most; adds its quantity to the sum and gives
// its total as printed.
double printItem(LineComposer& lc, const Recordset& rs, double& quantitySum) {
  const Value qtd = rs["itqtd"];
  quantitySum += arithmeticOperand(qtd, "itqtd");

  QString code = rs["prcod"].toText();
  if (rs["probs"].isPresent()) code = rs["probs"].toText();
  if (rs["prbarra"].isPresent()) code = rs["prbarra"].toText();
  const QString mark = rs["TPPROMOCAO"].trimmed() == "1" ? "*" : "";

  const double total =
      arithmeticOperand(qtd, "itqtd") * arithmeticOperand(rs["itvrunitario"], "itvrunitario");
  lc.println(code, Tab{17}, quantity(qtd), Tab{25}, "X", Tab{28}, rs["itunidade"],
             Tab{33}, money(rs["itvrunitario"], 9), Tab{46}, money(total, 11));

  const QString name = rs["itprnome"].trimmed();
  lc.println(mark, midText(name, 1, 56));
  const QString rest = midText(name, 57, 56);
  if (!trimBlanks(rest).isEmpty()) lc.println(rest);
  const QString remark = rs["ITOBS"].trimmed();
  if (!remark.isEmpty()) lc.println(cutText(remark, kWidth));
  return roundToPlaces(total, 2);
}

}  // namespace

std::optional<QString> composeCupom(modCnn& m) {
  DocumentTransaction transaction(m);
  const StoreLines store = readStoreLines(m);
  const QString sacod = sqlCode(m.job.SACOD, "SACOD");

  m.FECHARS();
  m.Rs.open(
      "select s.datasaida,t.tmdesc,s.usuario_cri,s.safkinterveniente,i.innome,s.savrtotal,"
      "s.savrpago,s.sadesconto,f.funome from saida s inner join tipomovimento t "
      "on(s.safktpsaida=t.tmcod) inner join interveniente i on(i.incod=s.safkinterveniente) "
      "inner join funcionario f on(f.fucod=s.safkvendedor) where s.sacod ='" +
          sqlQuote(sacod) + "'",
      m.Cnn);
  if (m.Rs.eof()) {
    m.FECHARS();
    return std::nullopt;
  }
  const Recordset& sale = m.Rs;
  LineComposer lc;

  lc << smallFont();
  for (const QString& line : store.header)
    if (!line.isEmpty()) centred(lc, line);
  if (store.anyHeader()) lc.println(smallFont(), ruler());

  lc.println("NRO. ", m.job.SACOD.value_or(QString()), Tab{15}, "OPER.",
             cutText(sale["usuario_cri"].toText(), 13), Tab{38}, sale["datasaida"].trimmed());
  lc.println("CLI.", sale["safkinterveniente"], Tab{15}, cutText(sale["innome"].toText(), 40));
  centred(lc, trimBlanks(cutText(sale["tmdesc"].toText(), kWidth)));
  lc.println(Tab{16}, "NAO POSSUI VALOR FISCAL");
  lc.println(ruler());
  lc.println("CODIGO", Tab{19}, "QTDE", Tab{28}, "UN", Tab{37}, "PRECO", Tab{52}, "TOTAL");

  double quantitySum = 0;
  m.FECHARS2();
  m.Rs2.open(itemsQuery("itemsaida", sacod), m.Cnn);
  for (; !m.Rs2.eof(); m.Rs2.MoveNext()) printItem(lc, m.Rs2, quantitySum);
  m.FECHARS2();
  lc.println(ruler());

  lc.println("ITENS", Tab{17}, quantity(Value::decimal(quantitySum)), Tab{33},
             "SUB TOTAL:", Tab{46}, money(sale["savrtotal"], 11));
  // A stored discount of 0 still prints the line; only a null leaves it out.
  if (sale["sadesconto"].isPresent()) {
    const double difference = arithmeticOperand(sale["SAVRTOTAL"], "savrtotal") -
                              arithmeticOperand(sale["SAVRPAGO"], "savrpago");
    lc.println(Tab{33}, "DESCONTO(-)", Tab{46}, money(difference, 11));
  }
  lc.println(Tab{33}, "T O T A L:", Tab{46}, money(sale["savrpago"], 11));
  lc.println(ruler());
  lc.println("PAGAMENTO:");

  m.FECHARS2();
  m.Rs2.open(
      "select l.datavencimento,t.trdesc,l.lavalor from lancamento l inner join tiporecebimento t "
      "on(t.trcod=l.fktrcod) where l.fksaida ='" +
          sqlQuote(sacod) + "' order by l.datavencimento",
      m.Cnn);
  for (; !m.Rs2.eof(); m.Rs2.MoveNext())
    lc.println(m.Rs2["DATAVENCIMENTO"], Tab{12}, cutText(m.Rs2["TRDESC"].trimmed(), 30), Tab{46},
               money(m.Rs2["LAVALOR"], 11));
  m.FECHARS2();
  lc.println("VENDEDOR: ", trimBlanks(cutText(sale["funome"].toText(), 40)));

  m.FECHARS2();
  m.Rs2.open(itemsQuery("itemsaida_troca", sacod), m.Cnn);
  if (!m.Rs2.eof()) {
    lc.println(ruler());
    lc.println("ITENS TROCA");
    // Still on the first row: running the query again would give the same rows.
    double exchangeSum = 0;
    double exchangeTotal = 0;
    for (; !m.Rs2.eof(); m.Rs2.MoveNext()) exchangeTotal += printItem(lc, m.Rs2, exchangeSum);
    m.FECHARS2();
    lc.println(ruler());
    lc.println("ITENS", Tab{17}, quantity(Value::decimal(exchangeSum)), Tab{33},
               "TROCA:", Tab{46}, money(exchangeTotal, 11));
  }
  m.FECHARS2();

  if (store.anyFooter()) {
    lc.println(ruler());
    for (const QString& line : store.footer)
      if (!line.isEmpty()) centred(lc, line);
  }
  for (int i = 0; i < 4; ++i) lc.endLine();
  lc << controlBytes({0x1D, 0x56, 0x42, 0x00});  // feed and partial cut
  m.FECHARS();
  return lc.text();
}

void Cupom(modCnn& m, ui::Ui&) {
  // Composed whole first: a failure on the way leaves the printer untouched.
  const std::optional<QString> receipt = composeCupom(m);
  if (!receipt) return;
  printStream(m, m.job.LOCALIMPRESSORA, *receipt,
              m.job.SACOD.value_or(QString()));
}
