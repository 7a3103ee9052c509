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

template <typename... Items>
void printAt(Printer& p, int x, int y, const Items&... items) {
  p.CurrentX(x);
  p.CurrentY(y);
  p.Print(items...);
}

// Amounts that the database left null count as 0, so one missing tax value
// does not stop the whole receipt.
double amount(const Value& v) { return v.isNull() ? 0 : v.toDouble(); }

}  // namespace

void IMPRIMEENTRADA(modCnn& m, Printer& printer, const QDateTime& now) {
  const QString job = m.job.path;
  const QString encod = m.job.ENCOD ? sqlCode(m.job.ENCOD, "ENCOD") : QString();
  LinePosition y(printer);

  if (printer.Orientation() == 2) printer.Orientation(1);

  printer.FontSize(16);
  printer.FontBold(true);
  printAt(printer, 2700, 100, encod, "   RECIBO DE PAGAMENTO ", Value::date(now.date()),
          Value::time(now.time()));

  printer.FontBold(true);
  printer.FontSize(8);
  printAt(printer, 200, 500, "DATA: " + LEINI("Geral", "ENDTENTRADA", job));
  printAt(printer, 200, 700, "FORNECEDOR: ", LEINI("Geral", "FKINCOD", job));
  printAt(printer, 200, 900, "NOTA FISCAL: ", LEINI("Geral", "ENNF", job));

  printer.FontBold(false);
  printAt(printer, 200, 1500, "CÓD.INT.");
  printAt(printer, 1200, 1500, "PRODUTO");
  printAt(printer, 6700, 1500, "QTDE");
  printAt(printer, 7700, 1500, "VR UNIT.");
  printAt(printer, 8700, 1500, "VR.TOT");
  printAt(printer, 9850, 1500, "IPI");
  printAt(printer, 10700, 1500, "ICMS ST");

  printer.FontBold(false);
  y.set(1750);
  printer.FontSize(8);
  double total = 0;
  QString remarks;
  m.FECHARS2();
  m.Rs2.open(
      "select e.enobs,i.itprnome,i.itfkprcod,i.itqtd,i.itvrunitario,i.itvrtotal,i.itvripi,"
      "i.ITVRICMSST from itementrada i inner join entrada e on(e.encod=i.itfkencod) where "
      "itfkencod='" + sqlCode(m.job.ENCOD, "ENCOD") + "'",
      m.Cnn);
  while (!m.Rs2.eof()) {
    const Recordset& rs = m.Rs2;
    remarks = rs["enobs"].trimmed();
    const QString name = rs["ITPRNOME"].trimmed();
    const Value qtd = rs["ITQTD"];
    const Value ipi = rs["ITVRIPI"];
    const Value icms = rs["ITVRICMSST"];
    printAt(printer, 200, y.y(), rs["ITFKPRCOD"]);
    printAt(printer, 1200, y.y(), name.left(40));
    printAt(printer, 6700, y.y(), qtd.trimmed());
    printAt(printer, 7700, y.y(), money(rs["ITVRUNITARIO"]));
    printAt(printer, 8700, y.y(), money(rs["ITVRTOTAL"]));
    if (ipi.isPresent()) printAt(printer, 9700, y.y(), money(qtd.toDouble() * ipi.toDouble()));
    if (icms.isPresent())
      printAt(printer, 10700, y.y(), money(qtd.toDouble() * icms.toDouble()));
    total += amount(rs["ITVRTOTAL"]) + amount(qtd) * amount(ipi) + amount(qtd) * amount(icms);
    const QString rest = midText(name, 41, 60);
    if (!rest.isEmpty()) {
      y.advance(200, 500);
      printAt(printer, 1200, y.y(), rest);
    }
    y.advance(200, 500);
    m.Rs2.MoveNext();
  }

  y.add(200);
  printer.FontSize(8);
  printer.Font().Bold(true);
  printAt(printer, 6200, y.y(), "TOTAL:");
  printAt(printer, 7700, y.y(), money(total));

  y.advance(200, 500);
  y.add(300);
  y.advance(200, 500);
  printAt(printer, 1000, y.y(), " ----  VENCIMENTOS ----");

  m.FECHARS2();
  m.Rs2.open(
      "select * from lancamento l inner join tiporecebimento t on(t.trcod=l.fktrcod) where "
      "fkentrada='" + sqlCode(m.job.ENCOD, "ENCOD") + "' order by l.datavencimento",
      m.Cnn);
  while (!m.Rs2.eof()) {
    const Recordset& rs = m.Rs2;
    y.advance(200, 500);
    printAt(printer, 1000, y.y(), rs["TRDESC"].trimmed());
    printAt(printer, 3000, y.y(), money(rs["LAVALOR"]));
    printAt(printer, 4000, y.y(), rs["DATAVENCIMENTO"]);
    m.Rs2.MoveNext();
  }
  m.FECHARS2();

  y.advance(300, 300);
  printAt(printer, 1000, y.y(), "OBS: ", remarks);
  y.advance(500, 500);
  printAt(printer, 1000, y.y(), "USUÁRIO RESPONSÁVEL: ", LEINI("Geral", "USUARIO", job));
  y.advance(500, 500);
  printAt(printer, 1000, y.y(), QString(39, '_'));
  y.advance(300, 300);
  printAt(printer, 1000, y.y(), "ASS.FORNECEDOR: ", LEINI("Geral", "FKINCOD", job));

  printer.EndDoc();
  m.FECHARS();
}
