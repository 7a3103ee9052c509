#include "drawing/pageprinter.h"

#include <cmath>

#include "core/masks.h"
#include "drawing/painterbackend.h"

QString renderPrintItem(const Value& v) {
  QString s = renderPlain(v);
  if (v.isDateLike() && !s.endsWith(' ')) s += ' ';
  return s;
}

void Printer::FontObject::Bold(bool on) { p_.FontBold(on); }
bool Printer::FontObject::Bold() const { return p_.FontBold(); }
void Printer::FontObject::Size(double points) { p_.FontSize(points); }
double Printer::FontObject::Size() const { return p_.FontSize(); }

Printer::Printer(draw::Orientation orientation) {
  doc_.orientation = orientation;
  doc_.pages.emplace_back();
  font_.pointSize = 10;  // the printer's default font until a document sets one
}

void Printer::Orientation(int value) {
  if (value == 1 || value == 2) doc_.orientation = static_cast<draw::Orientation>(value);
}

void Printer::CurrentX(double twips) {
  x_ = twips;
  resetLine();
}

void Printer::CurrentY(double twips) {
  y_ = twips;
  resetLine();
}

void Printer::statement(const std::vector<Item>& items) {
  // The line composer applies the joining rules; what it adds for this
  // statement is drawn line by line from the current position.
  const qsizetype before = line_.text().size();
  for (const Item& item : items) {
    if (const auto* text = std::get_if<QString>(&item.v)) line_ << *text;
    else line_ << renderPrintItem(std::get<Value>(item.v));
  }
  const QStringList lines = line_.text().mid(before).split(QStringLiteral("\r\n"));
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) newLine();
    drawSegment(lines[i]);
  }
  newLine();
}

void Printer::drawSegment(const QString& text) {
  if (text.isEmpty()) return;
  const double height = draw::lineHeight(font_);
  draw::TextRun run;
  run.rect = QRect(int(std::lround(x_)), int(std::lround(y_)), 0, int(std::lround(height)));
  run.text = text;
  run.font = font_;
  doc_.pages.back().items.push_back(run);
  x_ += draw::textWidth(font_, text);
}

void Printer::newLine() {
  x_ = 0;
  y_ += draw::lineHeight(font_);
  resetLine();
}

void Printer::NewPage() {
  doc_.pages.emplace_back();
  x_ = 0;
  y_ = 0;
  resetLine();
}

bool Printer::blank() const {
  for (const draw::Page& p : doc_.pages)
    if (!p.items.empty()) return false;
  return doc_.pages.size() <= 1;
}

void Printer::EndDoc() {
  if (!blank()) ended_.push_back(doc_);
  const draw::Orientation orientation = doc_.orientation;
  doc_ = draw::Document();
  doc_.orientation = orientation;
  doc_.pages.emplace_back();
  x_ = 0;
  y_ = 0;
  resetLine();
}

std::vector<draw::Document> Printer::takeDocuments() {
  std::vector<draw::Document> docs;
  docs.swap(ended_);
  return docs;
}
