#include "core/linecomposer.h"

#include <gtest/gtest.h>
#include <variant>
#include <vector>

#include "core/masks.h"

namespace {

const Command kEscCommand = controlBytes({0x1B, 0x21, 0x01});  // three bytes, three columns
const QString kEsc = kEscCommand.bytes;
const QString kH56(56, 'H'), kH54(54, 'H');

struct End {};  // endLine()
struct Piece {
  Piece(const char* s) : v(QString::fromUtf8(s)) {}
  Piece(const QString& s) : v(s) {}
  Piece(const Value& x) : v(x) {}
  Piece(Tab t) : v(t) {}
  Piece(End e) : v(e) {}
  Piece(const Command& c) : v(c) {}
  std::variant<QString, Value, Tab, End, Command> v;
};

TEST(LineComposer, StatementsTabsAndColumns) {
  struct Case {
    const char* what;
    std::vector<Piece> pieces;
    QString text;
    int column;  // after the pieces; columns count from 1
  };
  const Case cases[] = {
      {"joined with nothing between", {"AB", "CD", Value::text("E"), End{}, End{}},
       "ABCDE\r\n\r\n", 1},
      {"Tab below 1 is 1", {Tab{0}, "A", End{}, Tab{-5}, "B"}, "A\r\nB", 2},
      {"Tab forward writes blanks", {"AB", Tab{5}, "C"}, "AB  C", 6},
      {"Tab on its own column", {"ABCD", Tab{5}, "E"}, "ABCDE", 6},
      // X in column 5 of the new line; the rest of the line goes on from there.
      {"Tab behind", {"ABCDEF", Tab{5}, "X", Tab{9}, "Y", End{}}, "ABCDEF\r\n    X   Y\r\n", 1},
      {"control bytes count as columns", {kEscCommand, Tab{4}, "X"}, kEsc + "X", 5},
      {"control bytes before a Tab behind", {kEscCommand, Tab{3}, "X"}, kEsc + "\r\n  X", 4},
      // Data never becomes a command: C0 and DEL in a value are blanks.
      {"control bytes in data are blanks",
       {QString::fromLatin1("A\x02Q\r\n\x1B\x7F\t", 8), QString(QChar(0)), Value::text("\x1B")},
       QString("A Q") + QString(7, QChar(32)), 11},
      {"numbers with their blanks", {"CLI.", Value::integer(12), Value::integer(-3), "|"},
       "CLI. 12 -3 |", 13},
      {"nothing wrapped or cut", {QString(300, 'w')}, QString(300, 'w'), 301},
      {"a value wider than its placement mask is whole",
       {formatMask(Value::text(formatMask(Value::decimal(12345678.9), "###0.00")), "@@@@@@@@@"), "|"},
       "12345678,90|", 13},
      {"a decomposed accent is one column", {QString::fromUtf8("Jose\u0301"), Tab{6}, "|"},
       QString::fromUtf8("José |"), 7},
      {"outside the basic plane: one '?'", {QString::fromUtf8("a\U0001F600b"), Tab{5}, "|"},
       "a?b |", 6},
      // Headers centred on 56 columns, after the small-font command or not.
      {"centred 56", {Tab{centreColumn(56, 56)}, kH56, End{}}, kH56 + "\r\n", 1},
      {"centred 54 after the command", {kEscCommand, Tab{centreColumn(56, 54)}, kH54, End{}},
       kEsc + "\r\n" + kH54 + "\r\n", 1},
      {"centred 40 after the command: Tab(8) from column 4",
       {kEscCommand, Tab{centreColumn(56, 40)}, "x", End{}}, kEsc + "    x\r\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LineComposer lc;
    EXPECT_EQ(lc.column(), 1);
    for (const Piece& p : c.pieces)
      std::visit(
          [&](const auto& x) {
            if constexpr (std::is_same_v<std::decay_t<decltype(x)>, End>) lc.endLine();
            else lc << x;
          },
          p.v);
    EXPECT_EQ(lc.text(), c.text);
    EXPECT_EQ(lc.column(), c.column);
  }
  LineComposer lc;  // a statement is its items and an end of line
  lc.println("A", Tab{3}, Value::integer(1));
  EXPECT_EQ(lc.text(), "A  1 \r\n");
}

TEST(LineComposer, CentringRoundsHalfToEven) {
  // {length, column} on 56 columns: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
  for (const auto& [length, column] :
       {std::pair{56, 0}, {55, 0}, {54, 1}, {53, 2}, {51, 2}, {10, 23}, {60, -2}})
    EXPECT_EQ(centreColumn(56, length), column) << length;
}

}  // namespace
