#include "textprint/imprimeentrada.h"

#include <limits>

#include "core/errors.h"
#include "core/inifile.h"
#include "core/masks.h"

namespace {

// The page test of the receipt: a line at or below this y ends the page.
constexpr int kPageEnd = 15200;

// A money column: "###0.00", then right-aligned in nine columns.
QString money(double v) { return placeRight(formatNumber(v, 2, false), 9); }

QString money(const Value& v) { return placeRight(formatMask(v, "###0.00"), 9); }

// The receipt keeps its vertical position in a 16-bit integer.
class LinePosition {
 public:
  explicit LinePosition(Printer& p) : p_(p) {}
  int y() const { return y_; }
  void set(int y) { y_ = check(y); }
  void add(int step) { set(y_ + step); }
  // Advance by step; a line at or past the page end starts a new page at
  // restart instead. The test is made on the old position.
  void advance(int step, int restart) {
    if (y_ >= kPageEnd) {
      p_.NewPage();
      set(restart);
    } else {
      add(step);
    }
  }

 private:
  static qint16 check(int y) {
    if (y > std::numeric_limits<qint16>::max() || y < std::numeric_limits<qint16>::min())
      throw RuntimeError("Estouro de capacidade na posição vertical do recibo de entrada.");
    return qint16(y);
  }
  Printer& p_;
  qint16 y_ = 0;
};

// Amounts that the database left null count as 0, so one missing tax value
// does not stop the whole receipt.
double amount(const Value& v) { return v.isNull() ? 0 : v.toDouble(); }

}  // namespace

StockEntry readEntrada(modCnn& m) {
  const QString job = m.job.path;
  StockEntry d;
  d.code = m.job.ENCOD.value_or(QString());
  d.date = LEINI("Geral", "ENDTENTRADA", job);
  d.supplier = LEINI("Geral", "FKINCOD", job);
  d.invoice = LEINI("Geral", "ENNF", job);
  d.user = LEINI("Geral", "USUARIO", job);
  Recordset rs;
  rs.open(
      "select e.enobs,i.itprnome,i.itfkprcod,i.itqtd,i.itvrunitario,i.itvrtotal,i.itvripi,"
      "i.ITVRICMSST from itementrada i inner join entrada e on(e.encod=i.itfkencod) where "
      "itfkencod='" + sqlCode(m.job.ENCOD, "ENCOD") + "'",
      m.Cnn);
  for (; !rs.eof(); rs.MoveNext()) {
    d.remarks = rs["enobs"].trimmed();  // every row carries the entry's remarks
    d.items.push_back({rs["ITFKPRCOD"], rs["ITPRNOME"].trimmed(), rs["ITQTD"],
                       rs["ITVRUNITARIO"], rs["ITVRTOTAL"], rs["ITVRIPI"], rs["ITVRICMSST"]});
  }
  rs.open(
      "select * from lancamento l inner join tiporecebimento t on(t.trcod=l.fktrcod) where "
      "fkentrada='" + sqlCode(m.job.ENCOD, "ENCOD") + "' order by l.datavencimento",
      m.Cnn);
  for (; !rs.eof(); rs.MoveNext())
    d.instalments.push_back({rs["TRDESC"].trimmed(), rs["LAVALOR"], rs["DATAVENCIMENTO"]});
  return d;
}

void drawEntrada(const StockEntry& d, Printer& printer, const QDateTime& now) {
  LinePosition y(printer);

  if (printer.Orientation() == 2) printer.Orientation(1);

  printer.FontSize(16);
  printer.FontBold(true);
  printer.PrintAt(2700, 100, d.code, "   RECIBO DE PAGAMENTO ", Value::date(now.date()),
          Value::time(now.time()));

  printer.FontBold(true);
  printer.FontSize(8);
  printer.PrintAt(200, 500, "DATA: " + d.date);
  printer.PrintAt(200, 700, "FORNECEDOR: ", d.supplier);
  printer.PrintAt(200, 900, "NOTA FISCAL: ", d.invoice);

  printer.FontBold(false);
  printer.PrintAt(200, 1500, "CÓD.INT.");
  printer.PrintAt(1200, 1500, "PRODUTO");
  printer.PrintAt(6700, 1500, "QTDE");
  printer.PrintAt(7700, 1500, "VR UNIT.");
  printer.PrintAt(8700, 1500, "VR.TOT");
  printer.PrintAt(9850, 1500, "IPI");
  printer.PrintAt(10700, 1500, "ICMS ST");

  printer.FontBold(false);
  y.set(1750);
  printer.FontSize(8);
  double total = 0;
  for (const StockEntryItem& it : d.items) {
    const Value& qtd = it.quantity;
    printer.PrintAt(200, y.y(), it.code);
    printer.PrintAt(1200, y.y(), it.name.left(40));
    printer.PrintAt(6700, y.y(), qtd.trimmed());
    printer.PrintAt(7700, y.y(), money(it.unitPrice));
    printer.PrintAt(8700, y.y(), money(it.total));
    if (it.ipi.isPresent())
      printer.PrintAt(9700, y.y(), money(qtd.toDouble() * it.ipi.toDouble()));
    if (it.icms.isPresent())
      printer.PrintAt(10700, y.y(), money(qtd.toDouble() * it.icms.toDouble()));
    total += amount(it.total) + amount(qtd) * amount(it.ipi) + amount(qtd) * amount(it.icms);
    const QString rest = midText(it.name, 41, 60);
    if (!rest.isEmpty()) {
      y.advance(200, 500);
      printer.PrintAt(1200, y.y(), rest);
    }
    y.advance(200, 500);
  }

  y.add(200);
  printer.FontSize(8);
  printer.Font().Bold(true);
  printer.PrintAt(6200, y.y(), "TOTAL:");
  printer.PrintAt(7700, y.y(), money(total));

  y.advance(200, 500);
  y.add(300);
  y.advance(200, 500);
  printer.PrintAt(1000, y.y(), " ----  VENCIMENTOS ----");
  for (const StockEntryInstalment& in : d.instalments) {
    y.advance(200, 500);
    printer.PrintAt(1000, y.y(), in.kind);
    printer.PrintAt(3000, y.y(), money(in.amount));
    printer.PrintAt(4000, y.y(), in.dueDate);
  }

  y.advance(300, 300);
  printer.PrintAt(1000, y.y(), "OBS: ", d.remarks);
  y.advance(500, 500);
  printer.PrintAt(1000, y.y(), "USUÁRIO RESPONSÁVEL: ", d.user);
  y.advance(500, 500);
  printer.PrintAt(1000, y.y(), QString(39, '_'));
  y.advance(300, 300);
  printer.PrintAt(1000, y.y(), "ASS.FORNECEDOR: ", d.supplier);

  printer.EndDoc();
}

void IMPRIMEENTRADA(modCnn& m, Printer& printer, const QDateTime& now) {
  drawEntrada(readEntrada(m), printer, now);
}
