#include "reports/layout.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/errors.h"

namespace reports {

namespace {

// The grey of the report runtime's shaded labels.
const QColor kGrey(192, 192, 192);

[[noreturn]] void bad(const QString& origin, const QString& what) {
  throw RuntimeError("Layout de relatório inválido (" + origin + "): " + what);
}

// Sizes and positions in twips: 0 to about 88 cm, far beyond any paper
// and small enough that no sum of them overflows an int.
constexpr double kMaxTwips = 50000;
// Font sizes in points; 0 means the report's.
constexpr double kMaxFontSize = 144;

int measure(const QJsonObject& o, const char* key, const QString& origin, const QString& where) {
  const QJsonValue v = o.value(key);
  if (!v.isDouble()) bad(origin, where + ": \"" + key + "\" deve ser um número");
  const double d = v.toDouble();
  if (!(d >= 0 && d <= kMaxTwips))
    bad(origin, where + ": \"" + key + "\" fora do intervalo de 0 a " +
                    QString::number(kMaxTwips) + " twips (" + QString::number(d) + ")");
  return qRound(d);
}

double fontSize(const QJsonObject& o, double fallback, const QString& origin,
                const QString& where) {
  const QJsonValue v = o.value("fontSize");
  if (v.isUndefined()) return fallback;
  const double d = v.toDouble(-1);
  if (!(d == 0 || (d >= 1 && d <= kMaxFontSize)))
    bad(origin, where + ": \"fontSize\" fora do intervalo de 1 a " +
                    QString::number(kMaxFontSize) + " pontos");
  return d;
}

LayoutItem::Type itemType(const QString& t, const QString& origin) {
  if (t == "caption") return LayoutItem::Type::Caption;
  if (t == "field") return LayoutItem::Type::Field;
  if (t == "sum") return LayoutItem::Type::Sum;
  if (t == "picture") return LayoutItem::Type::Picture;
  if (t == "vline") return LayoutItem::Type::VLine;
  if (t == "hline") return LayoutItem::Type::HLine;
  if (t == "rectangle") return LayoutItem::Type::Rectangle;
  bad(origin, "tipo de item desconhecido \"" + t + "\"");
}

LayoutSection::Kind sectionKind(const QString& k, const QString& origin) {
  using K = LayoutSection::Kind;
  if (k == "reportHeader") return K::ReportHeader;
  if (k == "pageHeader") return K::PageHeader;
  if (k == "groupHeader") return K::GroupHeader;
  if (k == "detail") return K::Detail;
  if (k == "groupFooter") return K::GroupFooter;
  if (k == "pageFooter") return K::PageFooter;
  if (k == "reportFooter") return K::ReportFooter;
  bad(origin, "tipo de seção desconhecido \"" + k + "\"");
}

draw::Align alignment(const QString& a, const QString& origin) {
  if (a.isEmpty() || a == "left") return draw::Align::Left;
  if (a == "right") return draw::Align::Right;
  if (a == "centre" || a == "center") return draw::Align::Centre;
  bad(origin, "alinhamento desconhecido \"" + a + "\"");
}

QString nameOf(const QJsonObject& item) {
  const QString name = item.value("name").toString();
  return name.isEmpty() ? QString() : " (" + name + ")";
}

LayoutItem parseItem(const QJsonObject& o, const QString& origin, const QString& where) {
  LayoutItem item;
  item.type = itemType(o.value("type").toString(), origin);
  item.name = o.value("name").toString();
  item.text = o.value("text").toString();
  item.recordset = o.value("recordset").toString();
  item.column = o.value("column").toString();
  item.mask = o.value("mask").toString();
  item.top = measure(o, "top", origin, where);
  item.left = measure(o, "left", origin, where);
  item.width = measure(o, "width", origin, where);
  item.height = measure(o, "height", origin, where);
  item.align = alignment(o.value("align").toString(), origin);
  item.grow = o.value("grow").toBool(false);
  item.bold = o.value("bold").toBool(false);
  item.fontSize = fontSize(o, 0, origin, where);
  const QString background = o.value("background").toString();
  if (background == "grey" || background == "gray") item.background = kGrey;
  else if (!background.isEmpty()) {
    const QColor c = QColor::fromString(background);
    if (!c.isValid()) bad(origin, where + ": cor de fundo desconhecida \"" + background + "\"");
    item.background = c;
  }
  if ((item.type == LayoutItem::Type::Field || item.type == LayoutItem::Type::Sum) &&
      (item.recordset.isEmpty() || item.column.isEmpty()))
    bad(origin, where + ": campo sem \"recordset\" ou \"column\"");
  return item;
}

}  // namespace

const LayoutSection* Layout::section(LayoutSection::Kind kind) const {
  for (const LayoutSection& s : sections)
    if (s.kind == kind) return &s;
  return nullptr;
}

LayoutSection* Layout::sectionNamed(const QString& sectionName) {
  for (LayoutSection& s : sections)
    if (s.name.compare(sectionName, Qt::CaseInsensitive) == 0) return &s;
  return nullptr;
}

LayoutItem& Layout::item(const QString& sectionName, const QString& itemName) {
  LayoutSection* s = sectionNamed(sectionName);
  if (!s) throw RuntimeError("Seção " + sectionName + " não encontrada no relatório " + name + ".");
  for (LayoutItem& i : s->items)
    if (i.name.compare(itemName, Qt::CaseInsensitive) == 0) return i;
  throw RuntimeError("Controle " + itemName + " não encontrado na seção " + sectionName +
                     " do relatório " + name + ".");
}

Layout parseLayout(const QByteArray& json, const QString& origin) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError)
    bad(origin, error.errorString() + " (posição " + QString::number(error.offset) + ")");
  if (!doc.isObject()) bad(origin, "o arquivo deve conter um objeto");
  const QJsonObject o = doc.object();
  Layout layout;
  layout.name = o.value("name").toString();
  layout.title = o.value("title").toString();
  layout.dataMember = o.value("dataMember").toString();
  layout.width = measure(o, "width", origin, "relatório");
  layout.fontSize = fontSize(o, 8, origin, "relatório");
  if (layout.fontSize == 0) bad(origin, "relatório: \"fontSize\" deve ser maior que 0");
  if (layout.dataMember.isEmpty()) bad(origin, "falta \"dataMember\"");
  for (const QJsonValue& sv : o.value("sections").toArray()) {
    const QJsonObject so = sv.toObject();
    LayoutSection s;
    s.name = so.value("name").toString();
    s.kind = sectionKind(so.value("kind").toString(), origin);
    s.recordset = so.value("recordset").toString();
    s.height = measure(so, "height", origin, "seção " + s.name);
    if ((s.kind == LayoutSection::Kind::GroupHeader || s.kind == LayoutSection::Kind::GroupFooter ||
         s.kind == LayoutSection::Kind::Detail) && s.recordset.isEmpty())
      bad(origin, "seção " + s.name + " sem \"recordset\"");
    int n = 0;
    for (const QJsonValue& iv : so.value("items").toArray())
      s.items.push_back(
          parseItem(iv.toObject(), origin, "seção " + s.name + ", item " + QString::number(++n) +
                                               nameOf(iv.toObject())));
    layout.sections.push_back(std::move(s));
  }
  return layout;
}

QString layoutPath(const QString& name, const QString& exeDir) {
  if (!exeDir.isEmpty()) {
    const QString override = QDir(exeDir).filePath("layouts/" + name + ".json");
    if (QFile::exists(override)) return override;
  }
  return ":/layouts/" + name + ".json";
}

Layout loadLayout(const QString& name, const QString& exeDir) {
  const QString path = layoutPath(name, exeDir);
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    throw RuntimeError("Layout de relatório não encontrado: " + path);
  return parseLayout(f.readAll(), path);
}

}  // namespace reports
