#pragma once
#include <QString>
#include <initializer_list>

#include "core/value.h"

// Column jump of a print statement: Tab(n).
struct Tab {
  int n;
};

// A printer command of the program's own (ESC ! 1, GS V 66 0, SI, STX ...):
// its bytes reach the printer as they are, one column each.
struct Command {
  QString bytes;
};

// Turns print statements into characters: items are joined with nothing
// between them, the current column starts at 1 on every line and counts
// every character written (control bytes included), lines end with CR LF.
// Nothing is wrapped or cut here; documents cut their fields themselves.
// Every item but a Command is data: on printer streams its control bytes
// (C0 and DEL) become blanks, so no name or remark can become a command.
class LineComposer {
 public:
  enum class Controls { Blank, Keep };
  // Keep: the drawn documents, where no byte goes to a printer as a command.
  explicit LineComposer(Controls controls = Controls::Blank) : controls_(controls) {}
  LineComposer& operator<<(const Command& command);
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
  void append(const QString& s);

  Controls controls_;
  QString text_;
  int column_ = 1;
};

// Data made safe for a printer stream: C0 control bytes and DEL become blanks.
QString blankControls(const QString& text);

// A printer command from its bytes (a plain string literal would stop at
// the NUL of some of them).
Command controlBytes(std::initializer_list<unsigned char> bytes);

// The column c that centres a text of this length on a line of width columns:
// (width - length) / 2 rounded half to even; 0 or less starts in column 1.
int centreColumn(int width, int length);
