#include "reports/datacommands.h"

#include <QHash>
#include <QRegularExpression>

#include "core/errors.h"

namespace reports {

namespace {

struct Text {
  const char* name;
  const char* text;
};

// The command texts. PEDIDO's item query also returns P.PRCLASS and P.PRCST,
// which the counter-sale document prints; PRODUCAO joins the materials with
// a LEFT join so that an item without materials still prints its block.
const Text kTexts[] = {
    {"PEDIDO",
        " SHAPE {SELECT t.tmdesc,s.total,s.sacod, s.datasaida,s.dataentrega, s.saentrega, "
        "s.sadesconto, s.valoripi, s.valoricmss, s.vrfrete,s.savrtroca, s.saobs, i.innome,"
        "i.inindicacao,i.incontato, i.inendereco, i.innumero, i.incomplemento, i.inmunicipio, "
        "i.inuf, i.inbairro, i.incep, i.inendereco2, i.innumero2, i.incomplemento2, "
        "i.inmunicipio2, i.inuf2, i.inbairro2, i.incep2, i.inenendereco, i.inennumero, "
        "i.inencomplemento, i.inenreferencia,i.inenzona,i.inenmunicipio, i.inenuf, i.inenbairro, "
        "i.inencep,i.infone,i.infax,i.incelular,i.inenhrinicial,i.inenhrfinal,i.inensemana,"
        "i.incpf,i.incnpj,i.inrg,i.ininscricao,f.fpdesc, w.funome, (s.savrpago) AS VRCOMFRETE,"
        "(s.savrpago - s.savrtroca) AS VRCOMTROCA  \r\n"
        "FROM saida s \r\n"
        "INNER JOIN interveniente i ON (i.incod = s.safkinterveniente) INNER JOIN formapagamento "
        "f ON (f.fpcod = s.safktppag) \r\n"
        "INNER JOIN tipomovimento t ON (t.tmcod = s.safktpsaida) \r\n"
        "INNER JOIN funcionario w ON (w.fucod = s.safkvendedor) WHERE s.sacod = ?}  AS PEDIDO "
        "APPEND ({SELECT I.ITFKSACOD, I.ITQTD, P.PROBS,P.PRBARRA, I.ITPRNOME, I.ITUNIDADE, "
        "I.ITVRUNITARIO, I.ITVRTOTAL, I.ITVRIPI, P.PRCLASS, P.PRCST FROM ITEMSAIDA I INNER JOIN "
        "PRODUTO P ON(P.PRCOD=I.ITFKPRCOD)}  AS ITEMSAIDA RELATE 'SACOD' TO 'ITFKSACOD') AS "
        "ITEMSAIDA"},
    {"PEDIDO_TROCA",
        " SHAPE {SELECT t.tmdesc,s.total,s.sacod, s.datasaida, s.saentrega, s.sadesconto, "
        "s.valoripi, s.valoricmss, s.vrfrete, s.saobs, i.innome,i.inindicacao,i.incontato, "
        "i.inendereco, i.innumero, i.incomplemento, i.inmunicipio, i.inuf, i.inbairro, i.incep, "
        "i.inendereco2, i.innumero2, i.incomplemento2, i.inmunicipio2, i.inuf2, i.inbairro2, "
        "i.incep2, i.inenendereco, i.inennumero, i.inencomplemento, i.inenreferencia,i.inenzona,"
        "i.inenmunicipio, i.inenuf, i.inenbairro, i.inencep,i.infone,i.infax,i.incelular,"
        "i.inenhrinicial,i.inenhrfinal,i.inensemana,i.incpf,i.incnpj,i.inrg,i.ininscricao,"
        "f.fpdesc, w.funome\r\n"
        "FROM saida s \r\n"
        "INNER JOIN interveniente i ON (i.incod = s.safkinterveniente) INNER JOIN formapagamento "
        "f ON (f.fpcod = s.safktppag) \r\n"
        "INNER JOIN tipomovimento t ON (t.tmcod = s.safktpsaida) \r\n"
        "INNER JOIN funcionario w ON (w.fucod = s.safkvendedor) WHERE s.sacod = ?}  AS "
        "PEDIDO_TROCA APPEND ({SELECT I.ITFKSACOD, I.ITQTD, P.PRBARRA, I.ITPRNOME, I.ITUNIDADE, "
        "I.ITVRUNITARIO, I.ITVRTOTAL, I.ITVRIPI FROM ITEMSAIDA_TROCA I INNER JOIN PRODUTO P "
        "ON(P.PRCOD=I.ITFKPRCOD)}  AS ITEMSAIDA_TROCA RELATE 'SACOD' TO 'ITFKSACOD') AS "
        "ITEMSAIDA_TROCA"},
    {"OS",
        " SHAPE {SELECT \r\n"
        "S.SIDESC,I.INCPF,I.INCNPJ,I.INNOME,I.INENDERECO,I.INNUMERO,I.INCOMPLEMENTO,I.INBAIRRO,"
        "I.INMUNICIPIO,I.INUF,I.INCEP,I.INFONE,I.INFAX,I.INCELULAR,I.INENREFERENCIA,"
        "I.INENENDERECO,I.INENNUMERO,I.INENCOMPLEMENTO,I.INENBAIRRO,I.INENMUNICIPIO,I.INENUF,"
        "I.INENCEP,I.INENDERECO2,I.INNUMERO2,I.INCOMPLEMENTO2,I.INBAIRRO2,I.INMUNICIPIO2,I.INUF2,"
        "I.INCEP2,\r\n"
        "O.*,\r\n"
        "F.FUNOME,B.OBDESC\r\n"
        "FROM OS O INNER JOIN FUNCIONARIO F ON(F.FUCOD=O.FKTECNICO) INNER JOIN INTERVENIENTE I "
        "ON(I.INCOD=O.FKINTERVENIENTE) INNER JOIN OBJETO B ON(B.OBCOD=O.FKOBJETO) INNER JOIN "
        "SITUACAO S ON(S.SICOD=O.FKSITUACAO) WHERE O.OSCOD=?}  AS OS APPEND ({SELECT * FROM "
        "ITEMOS ORDER BY ITOSTIPO}  AS SERVICO RELATE 'OSCOD' TO 'ITFKOS') AS SERVICO"},
    {"PEDCOMP",
        " SHAPE {select * from entradacompra e\r\n"
        "inner join interveniente i on (i.incod=e.fkincod)\r\n"
        "where e.encod=?}  AS PEDCOMP APPEND ({select distinct p.*,i.*, "
        "(i.itvrtotal+(i.itqtd*i.vripi)+(i.itqtd*i.itvricmsst)) as TOTALPROD,\r\n"
        "(i.itqtd*i.itvricmsst) as titvricmsst,(i.itqtd*i.vripi) as tvripi from "
        "itementradacompra i\r\n"
        "inner join produto p on (p.prcod=i.itfkprcod)\r\n"
        "}  AS ITPEDCOMP RELATE 'ENCOD' TO 'ITFKENCOD') AS ITPEDCOMP"},
    {"SR",
        " SHAPE {SELECT s.sacod,s.datasaida,s.usuario,s.saobs,f.funome,c.ccdesc,t.tmdesc FROM "
        "SAIDARESUMIDA S INNER JOIN FUNCIONARIO F ON (S.FKFUNCIONARIO=F.FUCOD) INNER JOIN "
        "CENTROCUSTO C ON (S.FKCCCOD=C.CCCOD) INNER JOIN TIPOMOVIMENTO T ON "
        "(S.FKTPSAIDA=T.TMCOD) WHERE S.SACOD=?}  AS SR APPEND ({SELECT I.ITFKSAIDARESUMIDA,"
        "I.ITPRNOME,I.ITUNIDADE,I.ITQTD,I.ITVRUNITARIO,I.ITVRTOTAL,P.PRBARRA FROM ITEMSAIDA I "
        "INNER JOIN PRODUTO P ON (P.PRCOD=I.ITFKPRCOD)}  AS SRITENS RELATE 'SACOD' TO "
        "'ITFKSAIDARESUMIDA') AS SRITENS"},
    {"KIT",
        " SHAPE {SELECT PRCOD,PRNOME FROM PRODUTO WHERE PRCOD=?}  AS KIT APPEND ({SELECT \r\n"
        "K.FKPRCODKIT,\r\n"
        "K.KITPRQTDE, \r\n"
        "K.KITORDEM,\r\n"
        "P.PRNOME,\r\n"
        "P.OBSPRODUCAO\r\n"
        "FROM \r\n"
        "KIT K\r\n"
        "INNER JOIN PRODUTO P ON(P.PRCOD=K.FKPRCOD)\r\n"
        "ORDER BY K.KITORDEM}  AS MP_KIT RELATE 'PRCOD' TO 'FKPRCODKIT') AS MP_KIT"},
    {"PRODUCAO",
        " SHAPE {select p.pcod, p.pdtpedido, p.pdtentrega, p.pobs, t.tmdesc from producao p "
        "inner join tipomovimento t on(t.tmcod=p.fktmcod) where p.pcod=?}  AS PRODUCAO APPEND (( "
        "SHAPE {select distinct itemproducao.*, produto.prbarra from itemproducao inner join "
        "producao on (producao.pcod=itemproducao.fkpcod) left join mpitemproducao on "
        "(mpitemproducao.fkitcod=itemproducao.itcod) inner join produto on "
        "(produto.prcod=itemproducao.fkprcod)}  AS PROITENS APPEND ({select mpitemproducao.* "
        "from mpitemproducao order by mpcod}  AS PROMPITENS RELATE 'ITCOD' TO 'FKITCOD') AS "
        "PROMPITENS) AS PROITENS RELATE 'PCOD' TO 'FKPCOD') AS PROITENS"},
    {"TABELAPRECO",
        " SHAPE {SELECT  DISTINCT TBCOD FROM TABELAPRODUTO  WHERE TBCOD=?}  AS TABELAPRECO "
        "APPEND ({SELECT * FROM PRODUTO INNER JOIN TABELAPRODUTO ON "
        "(TABELAPRODUTO.PRCOD=PRODUTO.PRCOD) ORDER BY PRODUTO.PRNOME}  AS ITENSTABELA RELATE "
        "'TBCOD' TO 'TBCOD') AS ITENSTABELA"},
};

// The child column each child query is restricted by, as the query names it.
const QHash<QString, QString>& filterColumns() {
  static const QHash<QString, QString> columns = {
    {"ITEMSAIDA", "I.ITFKSACOD"},
    {"ITEMSAIDA_TROCA", "I.ITFKSACOD"},
    {"SERVICO", "ITFKOS"},
    {"ITPEDCOMP", "i.itfkencod"},
    {"SRITENS", "I.ITFKSAIDARESUMIDA"},
    {"MP_KIT", "K.FKPRCODKIT"},
    {"PROITENS", "itemproducao.fkpcod"},
    {"PROMPITENS", "mpitemproducao.fkitcod"},
    {"ITENSTABELA", "TABELAPRODUTO.TBCOD"},
  };
  return columns;
}

// A small reader of the command language: words, {query} blocks,
// 'quoted' names, parentheses and commas.
class ShapeReader {
 public:
  explicit ShapeReader(const QString& text) : s_(text) {}

  ShapeNode shape() {
    ShapeNode node;
    expectWord("SHAPE");
    node.sql = block();
    if (peekWord("AS")) {
      expectWord("AS");
      node.name = word();
    }
    if (peekWord("APPEND")) {
      expectWord("APPEND");
      do {
        expect('(');
        ShapeNode child = childCommand();
        expectWord("RELATE");
        child.parentColumn = quoted();
        expectWord("TO");
        child.childColumn = quoted();
        expect(')');
        if (peekWord("AS")) {
          expectWord("AS");
          child.name = word();
        }
        node.children.push_back(std::move(child));
      } while (accept(','));
    }
    return node;
  }

  void end() {
    skip();
    if (pos_ < s_.size()) fail("fim do comando");
  }

 private:
  ShapeNode childCommand() {
    skip();
    ShapeNode node;
    if (pos_ < s_.size() && s_[pos_] == '{') {
      node.sql = block();
    } else {
      expect('(');
      node = shape();
      expect(')');
    }
    if (peekWord("AS")) {
      expectWord("AS");
      node.name = word();
    }
    return node;
  }

  void skip() {
    while (pos_ < s_.size() && s_[pos_].isSpace()) ++pos_;
  }
  [[noreturn]] void fail(const QString& what) const {
    throw RuntimeError("Comando de dados inválido: esperava " + what + " na posição " +
                       QString::number(pos_ + 1));
  }
  bool accept(QChar c) {
    skip();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  void expect(QChar c) {
    if (!accept(c)) fail(QString("\"%1\"").arg(c));
  }
  QString word() {
    skip();
    const qsizetype start = pos_;
    while (pos_ < s_.size() && (s_[pos_].isLetterOrNumber() || s_[pos_] == '_')) ++pos_;
    if (pos_ == start) fail("um nome");
    return s_.mid(start, pos_ - start);
  }
  bool peekWord(const QString& w) {
    skip();
    const qsizetype save = pos_;
    QString got;
    while (pos_ < s_.size() && (s_[pos_].isLetterOrNumber() || s_[pos_] == '_')) got += s_[pos_++];
    pos_ = save;
    return got.compare(w, Qt::CaseInsensitive) == 0;
  }
  void expectWord(const QString& w) {
    if (!peekWord(w)) fail(w);
    word();
  }
  QString block() {
    expect('{');
    const qsizetype end = s_.indexOf('}', pos_);
    if (end < 0) fail("\"}\"");
    QString sql = s_.mid(pos_, end - pos_);
    pos_ = end + 1;
    return sql;
  }
  QString quoted() {
    expect('\'');
    const qsizetype end = s_.indexOf('\'', pos_);
    if (end < 0) fail("\"'\"");
    QString v = s_.mid(pos_, end - pos_);
    pos_ = end + 1;
    return v;
  }

  QString s_;
  qsizetype pos_ = 0;
};

void assignFilterColumns(ShapeNode& node) {
  for (ShapeNode& child : node.children) {
    child.filterColumn = filterColumns().value(child.name.toUpper());
    if (child.filterColumn.isEmpty())
      throw RuntimeError("Comando de dados sem coluna de filtro para " + child.name);
    assignFilterColumns(child);
  }
}

}  // namespace

const ShapeNode* ShapeNode::child(const QString& childName) const {
  for (const ShapeNode& c : children)
    if (c.name.compare(childName, Qt::CaseInsensitive) == 0) return &c;
  return nullptr;
}

ShapeNode parseShape(const QString& text) {
  ShapeReader reader(text);
  ShapeNode node = reader.shape();
  reader.end();
  return node;
}

const std::vector<DataCommand>& dataCommands() {
  static const std::vector<DataCommand> commands = [] {
    std::vector<DataCommand> list;
    for (const Text& t : kTexts) {
      DataCommand c;
      c.name = QString::fromUtf8(t.name);
      c.text = QString::fromUtf8(t.text);
      c.param = c.name == "OS" ? ParamType::Text8 : ParamType::Integer32;
      c.shape = parseShape(c.text);
      assignFilterColumns(c.shape);
      list.push_back(std::move(c));
    }
    return list;
  }();
  return commands;
}

const DataCommand& dataCommand(const QString& name) {
  for (const DataCommand& c : dataCommands())
    if (c.name == name) return c;
  throw RuntimeError("Comando de dados inexistente: " + name);
}

QString bindParam1(const QString& sql, const QString& literal) {
  const qsizetype at = sql.lastIndexOf('?');
  if (at < 0) throw RuntimeError("Comando de dados sem parâmetro: " + sql);
  return sql.left(at) + literal + sql.mid(at + 1);
}

QString filterByKeys(const QString& sql, const QString& column, const QStringList& literals) {
  static const QRegularExpression orderBy("\\bORDER\\s+BY\\b",
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression where("\\bWHERE\\b", QRegularExpression::CaseInsensitiveOption);
  const QString condition = column + " IN (" + literals.join(',') + ")";
  qsizetype at = sql.size();
  QRegularExpressionMatchIterator it = orderBy.globalMatch(sql);
  while (it.hasNext()) at = it.next().capturedStart();
  const QString head = sql.left(at);
  const QString joiner = where.match(head).hasMatch() ? " AND " : " WHERE ";
  QString body = head;
  while (body.endsWith(' ') || body.endsWith('\n') || body.endsWith('\r')) body.chop(1);
  return body + joiner + condition + (at < sql.size() ? " " + sql.mid(at) : QString());
}

}  // namespace reports
