#include "drawing/pageprinter.h"

#include <gtest/gtest.h>

#include "drawing/painterbackend.h"

namespace {

// One run as "text @x,y", with " bold" when it is.
QString at(const draw::Document& doc, size_t page, size_t index) {
  const auto& r = std::get<draw::TextRun>(doc.pages.at(page).items.at(index));
  return QString("%1 @%2,%3%4").arg(r.text).arg(r.rect.left()).arg(r.rect.top()).arg(r.font.bold ? " bold" : "");
}
QString textOf(const draw::Document& doc, size_t page, size_t index) {
  return std::get<draw::TextRun>(doc.pages.at(page).items.at(index)).text;
}
QString at(const QString& text, double x, double y, bool bold = false) {
  return QString("%1 @%2,%3%4").arg(text).arg(qRound(x)).arg(qRound(y)).arg(bold ? " bold" : "");
}

TEST(PagePrinter, PrintDrawsAtTheCurrentPositionInTheCurrentFontAndEndsTheLine) {
  const double line = draw::lineHeight(draw::Font{.pointSize = 8});
  Printer p;
  p.CurrentX(2700);
  p.CurrentY(100);
  p.FontSize(16);
  p.Font().Bold(true);  // the same switch as FontBold
  EXPECT_TRUE(p.FontBold());
  // Items follow the printer file's rules; a date or a time is followed by a blank.
  p.Print("A", Value::integer(12), "B", Value::decimal(-2.5), Value(), Value::null(), Value::text("T"), " ",
          Value::date(QDate(2024, 12, 31)), Value::time(QTime(14, 22, 1)), "Y");
  const auto& first = std::get<draw::TextRun>(p.current().pages[0].items[0]);
  EXPECT_EQ(first.rect.width(), 0);  // unbounded
  EXPECT_EQ(first.font, (draw::Font{.family = "Liberation Sans", .pointSize = 16, .bold = true}));
  EXPECT_EQ(at(p.current(), 0, 0), at("A 12 B-2,5 T 31/12/2024 14:22:01 Y", 2700, 100, true));
  // A line ends at the left margin one line (of the font of the moment) lower.
  p.FontSize(8);
  p.FontBold(false);
  EXPECT_FALSE(p.Font().Bold());
  p.CurrentX(1000);
  p.CurrentY(500);
  p.Print("LINHA");
  EXPECT_EQ(p.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500 + line);
  p.Print("SEGUINTE");
  EXPECT_EQ(at(p.current(), 0, 2), at("SEGUINTE", 0, qRound(500 + line)));
  p.Print();  // draws nothing and still ends the line
  EXPECT_EQ(p.current().pages[0].items.size(), 3u);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500 + 3 * line);
  // An open line goes on after the text drawn, in the font of the moment.
  p.FontSize(10);
  p.CurrentX(300);
  p.CurrentY(400);
  p.PrintOpen("ABC");
  const double x = 300 + draw::textWidth(draw::Font{.pointSize = 10}, "ABC");
  EXPECT_DOUBLE_EQ(p.CurrentX(), x);
  EXPECT_EQ(p.CurrentY(), 400);
  p.FontBold(true);
  p.Print("DEF");
  EXPECT_EQ(at(p.current(), 0, 4), at("DEF", qRound(x), 400, true));
}

TEST(PagePrinter, TabCountsColumnsOfTheOpenLine) {
  const double line = draw::lineHeight(draw::Font{.pointSize = 8});
  Printer a;  // the blanks of Tab(5) end the first run; the second goes on in column 5
  a.PrintOpen("AB", Tab{5});
  a.Print("C");
  EXPECT_EQ(textOf(a.current(), 0, 0), "AB  ");
  EXPECT_EQ(textOf(a.current(), 0, 1), "C");
  Printer b;  // a Tab behind the column breaks the line
  b.FontSize(8);
  b.CurrentX(100);
  b.CurrentY(1000);
  b.Print("ABCDEF", Tab{3}, "X");
  EXPECT_EQ(at(b.current(), 0, 0), at("ABCDEF", 100, 1000));
  EXPECT_EQ(at(b.current(), 0, 1), at("  X", 0, qRound(1000 + line)));
  EXPECT_DOUBLE_EQ(b.CurrentY(), 1000 + 2 * line);
  Printer c;  // setting the position restarts the columns
  c.PrintOpen("ABCDEF");
  c.CurrentX(5000);
  c.Print(Tab{3}, "X");
  EXPECT_EQ(at(c.current(), 0, 1), at("  X", 5000, 0));
}

TEST(PagePrinter, OrientationNewPageAndEndDoc) {
  Printer p(draw::Orientation::Landscape);
  // 1 portrait, 2 landscape; other values are ignored.
  for (const auto& [set, expected] : {std::pair{0, 2}, {1, 1}, {7, 1}, {2, 2}}) {
    if (set) p.Orientation(set);
    EXPECT_EQ(p.Orientation(), expected) << set;
    EXPECT_EQ(int(p.current().orientation), expected) << set;
  }
  p.Print("PARCIAL");
  EXPECT_TRUE(p.takeDocuments().empty());  // not ended: not released
  p.CurrentX(100);
  p.CurrentY(15000);
  p.Print("UM");
  p.NewPage();
  EXPECT_EQ(p.CurrentX(), 0);
  EXPECT_EQ(p.CurrentY(), 0);
  p.CurrentY(500);
  p.Print("DOIS");
  EXPECT_TRUE(p.documents().empty());
  p.EndDoc();
  ASSERT_EQ(p.documents().size(), 1u);
  const draw::Document& d = p.documents()[0];
  ASSERT_EQ(d.pages.size(), 2u);
  EXPECT_EQ(textOf(d, 0, 1), "UM");
  EXPECT_EQ(at(d, 1, 0), at("DOIS", 0, 500));
  // After EndDoc the next Print starts a new document on a fresh page.
  ASSERT_EQ(p.current().pages.size(), 1u);
  EXPECT_TRUE(p.current().pages[0].items.empty());
  p.Print("TRES");
  p.EndDoc();
  p.EndDoc();  // with nothing drawn: releases nothing
  auto docs = p.takeDocuments();
  ASSERT_EQ(docs.size(), 2u);
  EXPECT_EQ(textOf(docs[1], 0, 0), "TRES");
  EXPECT_TRUE(p.documents().empty());
}

// A bare number would be ambiguous (a column? a value?): it must be wrapped.
static_assert(!std::is_constructible_v<Printer::Item, int> && !std::is_constructible_v<Printer::Item, double>);

}  // namespace
