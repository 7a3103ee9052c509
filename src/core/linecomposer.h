#pragma once
#include <QString>
#include <initializer_list>

#include "core/value.h"

// Column jump of a print statement: Tab(n).
struct Tab {
  int n;
};

// Turns print statements into characters: items are joined with nothing
// between them, the current column starts at 1 on every line and counts
// every character written (control bytes included), lines end with CR LF.
// Nothing is wrapped or cut here; documents cut their fields themselves.
class LineComposer {
 public:
  LineComposer& operator<<(const QString& text);
  LineComposer& operator<<(const char* text) { return *this << QString::fromUtf8(text); }
  LineComposer& operator<<(const Value& value);  // rendered without a mask
  LineComposer& operator<<(Tab tab);
  // Ends the current line (a statement with an end of line).
  void endLine();
  // A statement: its items, then an end of line.
  template <typename... Items>
  void println(const Items&... items) {
    (*this << ... << items);
    endLine();
  }

  int column() const { return column_; }
  const QString& text() const { return text_; }

 private:
  QString text_;
  int column_ = 1;
};

// Printer commands as characters for a print item; each byte is one column.
// A plain string literal would stop at the NUL of some of them.
QString controlBytes(std::initializer_list<unsigned char> bytes);

// The column c that centres a text of this length on a line of width columns:
// (width - length) / 2 rounded half to even; 0 or less starts in column 1.
int centreColumn(int width, int length);
