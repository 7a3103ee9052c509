#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

#include "drawing/displaylist.h"

// A band layout as the layout files describe it (layouts/FORMAT.md).
namespace reports {

struct LayoutItem {
  enum class Type { Caption, Field, Sum, Picture, VLine, HLine, Rectangle };
  Type type = Type::Caption;
  QString name;       // control name, for the items set at run time
  QString text;       // caption
  QString recordset;  // field, sum
  QString column;     // field, sum
  QString mask;       // field, sum
  int top = 0, left = 0, width = 0, height = 0;
  draw::Align align = draw::Align::Left;
  bool grow = false;
  QColor background;  // invalid: none
  double fontSize = 0;  // 0: the report's
  bool bold = false;
  QImage image;  // picture: loaded at run time (cabecalho, rodape); none in the file

  bool isText() const {
    return type == Type::Caption || type == Type::Field || type == Type::Sum;
  }
  int bottom() const { return top + height; }
};

struct LayoutSection {
  enum class Kind { ReportHeader, PageHeader, GroupHeader, Detail, GroupFooter, PageFooter, ReportFooter };
  QString name;
  Kind kind = Kind::Detail;
  QString recordset;  // group header/footer: the level's record set; detail: the innermost
  int height = 0;
  std::vector<LayoutItem> items;
};

struct Layout {
  QString name;
  QString title;
  QString dataMember;
  int width = 0;
  double fontSize = 8;
  std::vector<LayoutSection> sections;

  // The first section of a kind, or null.
  const LayoutSection* section(LayoutSection::Kind kind) const;
  LayoutSection* sectionNamed(const QString& sectionName);
  // The item of that name in a section; throws RuntimeError when either is missing.
  LayoutItem& item(const QString& sectionName, const QString& itemName);
};

// Reads a layout file's text; origin names the file in error messages.
// Throws RuntimeError for malformed JSON or an unknown key value.
Layout parseLayout(const QByteArray& json, const QString& origin);

// The layout named name ("reportPedido"): exeDir/layouts/<name>.json when
// that file exists, else the one compiled in (:/layouts/<name>.json).
Layout loadLayout(const QString& name, const QString& exeDir);

// Where loadLayout reads a layout from.
QString layoutPath(const QString& name, const QString& exeDir);

}  // namespace reports
