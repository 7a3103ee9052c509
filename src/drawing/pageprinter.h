#pragma once
#include <QString>
#include <variant>
#include <vector>

#include "core/value.h"
#include "drawing/displaylist.h"
#include "core/linecomposer.h"

// The drawing printer of the drawn documents, with the statements of the
// legacy program's printer object (CurrentX, Print, NewPage, EndDoc).
// Positions are twips from the top-left corner of the printable page. Print
// statements follow the printer file's rules (items joined with nothing
// between them, values rendered as print items); each line of a statement
// becomes one text run whose top is CurrentY. Nothing is
// painted here: EndDoc hands the finished display list over (documents()),
// and the caller renders it to the printer, a PDF or the preview.
class Printer {
 public:
  // One print item: a text or a value (rendered without a mask).
  // A bare number is refused: wrap it in a Value to print it as a number.
  struct Item {
    Item(const QString& text) : v(text) {}
    Item(const char* text) : v(QString::fromUtf8(text)) {}
    Item(const Value& value) : v(value) {}
    Item(int) = delete;
    Item(double) = delete;
    std::variant<QString, Value> v;
  };

  // The font object of the printer (Printer.Font.Bold).
  class FontObject {
   public:
    void Bold(bool on);
    bool Bold() const;
    void Size(double points);
    double Size() const;

   private:
    friend class Printer;
    explicit FontObject(Printer& p) : p_(p) {}
    Printer& p_;
  };

  explicit Printer(draw::Orientation orientation = draw::Orientation::Portrait);
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // 1 portrait, 2 landscape; other values are ignored.
  int Orientation() const { return static_cast<int>(doc_.orientation); }
  void Orientation(int value);

  double CurrentX() const { return x_; }
  void CurrentX(double twips);
  double CurrentY() const { return y_; }
  void CurrentY(double twips);

  double FontSize() const { return font_.pointSize; }
  void FontSize(double points) { font_.pointSize = points; }
  bool FontBold() const { return font_.bold; }
  void FontBold(bool on) { font_.bold = on; }
  FontObject& Font() { return fontObject_; }
  const draw::Font& currentFont() const { return font_; }

  // A statement with an end of line: after it CurrentX is 0 (the left
  // margin) and CurrentY one line height lower.
  template <typename... Items>
  void Print(const Items&... items) {
    statement({Item(items)...});
  }
  // A statement at x, y (twips): CurrentX and CurrentY set, then Print.
  template <typename... Items>
  void PrintAt(double x, double y, const Items&... items) {
    CurrentX(x);
    CurrentY(y);
    Print(items...);
  }
  void statement(const std::vector<Item>& items);

  // Ends the page; the next item goes on a new one, at 0, 0.
  void NewPage();
  // Ends the document and releases it (documents()); a document with
  // nothing on it is not released. The next Print starts a new document.
  void EndDoc();

  // The document being drawn (not yet ended).
  const draw::Document& current() const { return doc_; }
  // The documents ended so far, oldest first; takeDocuments() empties the list.
  const std::vector<draw::Document>& documents() const { return ended_; }
  std::vector<draw::Document> takeDocuments();

 private:
  void drawSegment(const QString& text);
  void newLine();
  void resetLine() { line_ = LineComposer(LineComposer::Controls::Keep); }
  bool blank() const;

  draw::Document doc_;
  std::vector<draw::Document> ended_;
  draw::Font font_;
  FontObject fontObject_{*this};
  double x_ = 0;
  double y_ = 0;
  LineComposer line_{LineComposer::Controls::Keep};  // joins a statement's items
};

// A value as a print item of a drawn document: the printer file's rendering,
// and a date or time is followed by one blank (so that a date followed by a
// time reads as two words).
QString renderPrintItem(const Value& v);
