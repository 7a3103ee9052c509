#include "textprint/ostexto.h"

#include "core/errors.h"
#include "core/masks.h"
#include "core/sqltext.h"
#include "core/linecomposer.h"
#include "textprint/printerdestination.h"

namespace {

constexpr int kWidth = 135;
const QString kNotInformed = QStringLiteral("NAO INFORMADO");
const QString kEmptyDate = QStringLiteral("__/__/____");

// A field by the rule of the loader: when the test column is present, the
// read column (trimmed or as it comes); otherwise the fallback. A null read
// column gives an empty text.
QString field(const Recordset& rs, const char* test, const char* read, bool trim,
              const QString& fallback = QString()) {
  if (!rs[test].isPresent()) return fallback;
  const Value v = rs[read];
  return trim ? v.trimmed() : v.toText();
}

QString fit(const QString& s, int n) { return cutText(trimBlanks(s), n); }

// A line of blanks with a word whose first letter is in column `at`.
QString centredWord(const QString& word, int at) {
  return QString(at - 1, ' ') + word + QString(kWidth - (at - 1) - word.size(), ' ');
}

}  // namespace

OsTextFields VERIFICACAMPOS_OSTEXTO(modCnn& m) {
  Recordset rs;
  rs.open(
      "select f.funome, b.obdesc, t.tidesc, o.*, i.* from os o inner join funcionario f on "
      "(o.fktecnico=f.fucod) inner join objeto b on (b.obcod=o.fkobjeto) inner join tipoos t on "
      "(t.ticod=o.fktipo) inner join interveniente i on (i.incod=o.fkinterveniente) where "
      "o.oscod='" +
          sqlQuote(sqlCode(m.job.OSCOD, "OSCOD")) + "'",
      m.Cnn);
  if (rs.eof()) {
    throw RuntimeError("Ordem de serviço não encontrada: " + m.job.OSCOD.value_or(QString()) +
                       " (sem ordem com este código, ou sem técnico, objeto, tipo ou cliente).");
  }
  OsTextFields f;
  f.technician = field(rs, "FUNOME", "FUNOME", true, kNotInformed);
  f.orderType = field(rs, "TIDESC", "TIDESC", true);
  f.customerCode = field(rs, "INCOD", "INCOD", false);
  f.customerName = field(rs, "INNOME", "INNOME", true);
  f.contact = field(rs, "Incontato", "Incontato", true);
  f.phone = field(rs, "INFONE", "INFONE", true);
  f.mobile = field(rs, "INCELULAR", "INCELULAR", true);
  // The main address decides; the delivery address is what is printed.
  f.address = field(rs, "Inendereco", "Inenendereco", true);
  f.district = field(rs, "INBAIRRO", "Inenbairro", true);
  f.city = field(rs, "INMUNICIPIO", "INENMUNICIPIO", true);
  f.postalCode = field(rs, "Incep", "INENCEP", true, kNotInformed);
  f.orderId = field(rs, "OSID", "OSID", true);
  f.visitDate = field(rs, "osdataentrada", "osdataentrada", false);
  const Value schedule = rs["OSAGENDA"];
  if (schedule.isPresent() && schedule.toText() != kEmptyDate)
    f.visitDate = schedule.toText() + " " + rs["OSPERIODO"].toText();
  return f;
}

QString composeOsTexto(const modCnn& m, const OsTextFields& f, const QTime& now) {
  const QString equals(kWidth, '=');
  const QString underline(kWidth, '_');
  LineComposer lc;
  lc.println(controlBytes({0x0F}));  // condensed print
  lc.println(Tab{55}, m.job.NOMEEMPRESA);
  lc.println(Tab{0}, equals);
  // The order's own id, its type as heading and the visit date.
  lc.println(Tab{0}, "no: " + f.orderId, Tab{14}, fit(f.orderType, 20), Tab{40},
             "COD.CLI: " + f.customerCode, Tab{70}, "DATA: " + f.visitDate, Tab{128},
             Value::time(now));
  lc.println(Tab{0}, equals);
  lc.println(Tab{0}, "VISITA TECNICA:" + QString(38, '_'), Tab{45},
             "INSTALACAO:" + QString(69, '_'));
  lc.println(Tab{0}, "RESPONSAVEL:" + QString(123, '_'));
  lc.println(Tab{0}, equals);
  lc.println(Tab{0}, centredWord("CLIENTE", 60));
  lc.println(Tab{0}, equals);
  lc.println(Tab{0}, "NOME: " + fit(f.customerName, 50), Tab{70},
             "CONTATO: " + fit(f.contact, 20), Tab{100}, "TEL.: " + fit(f.phone, 13));
  lc.println(Tab{0}, "END.: " + fit(f.address, 50), Tab{70}, "BAIRRO: " + fit(f.district, 29),
             Tab{100}, "CEL.: " + fit(f.mobile, 13));
  lc.println(Tab{0}, "TEC.: " + fit(f.technician, 20), Tab{70}, "CIDADE:   " + fit(f.city, 27),
             Tab{100}, "CEP.: " + fit(f.postalCode, 13));
  lc.println(Tab{0}, equals);
  lc.println(Tab{0}, centredWord("EQUIPAMENTO", 58));
  lc.println(Tab{0}, equals);
  lc.println(Tab{0}, "EQUIPAMENTO:" + QString(123, '_'));
  lc.println(Tab{0}, "MODELO:" + QString(45, '_') + " MARCA:" + QString(38, '_') + " TAMANHO:" +
                         QString(29, '_'));
  lc.println(Tab{0}, "DEFEITO/PROBLEMA:" + QString(118, '_'));
  lc.println(Tab{0}, underline);
  lc.println(Tab{0}, "OBSERVACOES:" + QString(123, '_'));
  for (int i = 0; i < 4; ++i) lc.println(Tab{0}, underline);
  for (int i = 0; i < 3; ++i) lc.endLine();
  return lc.text();
}

void OSTEXTO(modCnn& m, ui::Ui&) {
  const OsTextFields fields = VERIFICACAMPOS_OSTEXTO(m);
  printStream(m, m.job.LOCALIMPRESSORA, composeOsTexto(m, fields, QTime::currentTime()),
              m.job.OSCOD.value_or(QString()));
}
