#include "drawing/pageprinter.h"

#include <gtest/gtest.h>

#include "drawing/painterbackend.h"

namespace {

const draw::TextRun& runAt(const draw::Document& doc, size_t page, size_t index) {
  return std::get<draw::TextRun>(doc.pages.at(page).items.at(index));
}

// One line of 8 pt (measured once there is an application).
double line8() { return draw::lineHeight(draw::Font{.pointSize = 8}); }

TEST(PagePrinter, PrintDrawsItemsAtTheCurrentPositionInTheCurrentFont) {
  Printer p;
  p.CurrentX(2700);
  p.CurrentY(100);
  p.FontSize(16);
  p.FontBold(true);
  // Items follow the printer file's rules; a date or a time is followed by a blank.
  p.Print("A", Value::integer(12), "B", Value::decimal(-2.5), Value(), Value::null(),
          Value::text("T"), " ", Value::date(QDate(2024, 12, 31)), Value::time(QTime(14, 22, 1)),
          "Y");
  const auto& r = runAt(p.current(), 0, 0);
  EXPECT_EQ(r.text, "A 12 B-2,5 T 31/12/2024 14:22:01 Y");
  EXPECT_EQ(r.rect.topLeft(), QPoint(2700, 100));
  EXPECT_EQ(r.rect.width(), 0);  // unbounded
  EXPECT_EQ(r.font, (draw::Font{.family = "Liberation Sans", .pointSize = 16, .bold = true}));
}

TEST(PagePrinter, LinesEndAtTheLeftMarginOneLineLowerOrStayOpen) {
  Printer p;
  p.FontSize(8);
  p.CurrentX(1000);
  p.CurrentY(500);
  p.Print("LINHA");
  EXPECT_EQ(p.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500 + line8());
  p.Print("SEGUINTE");
  EXPECT_EQ(runAt(p.current(), 0, 1).rect.topLeft(), QPoint(0, qRound(500 + line8())));
  p.Print();  // draws nothing and still ends the line
  EXPECT_EQ(p.current().pages[0].items.size(), 2u);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500 + 3 * line8());

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
  EXPECT_EQ(runAt(p.current(), 0, 3).rect.topLeft(), QPoint(qRound(x), 400));
  EXPECT_TRUE(runAt(p.current(), 0, 3).font.bold);
}

TEST(PagePrinter, TabCountsColumnsOfTheOpenLine) {
  Printer a;  // the blanks of Tab(5) end the first run; the second goes on in column 5
  a.PrintOpen("AB", Tab{5});
  a.Print("C");
  EXPECT_EQ(runAt(a.current(), 0, 0).text, "AB  ");
  EXPECT_EQ(runAt(a.current(), 0, 1).text, "C");

  Printer b;  // a Tab behind the column breaks the line
  b.FontSize(8);
  b.CurrentX(100);
  b.CurrentY(1000);
  b.Print("ABCDEF", Tab{3}, "X");
  EXPECT_EQ(runAt(b.current(), 0, 0).text, "ABCDEF");
  EXPECT_EQ(runAt(b.current(), 0, 0).rect.topLeft(), QPoint(100, 1000));
  EXPECT_EQ(runAt(b.current(), 0, 1).text, "  X");
  EXPECT_EQ(runAt(b.current(), 0, 1).rect.topLeft(), QPoint(0, qRound(1000 + line8())));
  EXPECT_DOUBLE_EQ(b.CurrentY(), 1000 + 2 * line8());

  Printer c;  // setting the position restarts the columns
  c.PrintOpen("ABCDEF");
  c.CurrentX(5000);
  c.Print(Tab{3}, "X");
  EXPECT_EQ(runAt(c.current(), 0, 1).text, "  X");
  EXPECT_EQ(runAt(c.current(), 0, 1).rect.left(), 5000);
}

TEST(PagePrinter, FontObjectAndOrientation) {
  Printer p(draw::Orientation::Landscape);
  p.Font().Bold(true);  // the same switch as FontBold
  EXPECT_TRUE(p.FontBold());
  p.Print("N");
  p.FontBold(false);
  EXPECT_FALSE(p.Font().Bold());
  p.Print("R");
  EXPECT_TRUE(runAt(p.current(), 0, 0).font.bold);
  EXPECT_FALSE(runAt(p.current(), 0, 1).font.bold);

  // 1 portrait, 2 landscape; other values are ignored.
  EXPECT_EQ(p.Orientation(), 2);
  p.Orientation(1);
  EXPECT_EQ(p.Orientation(), 1);
  EXPECT_EQ(p.current().orientation, draw::Orientation::Portrait);
  p.Orientation(7);
  EXPECT_EQ(p.Orientation(), 1);
  p.Orientation(2);
  EXPECT_EQ(p.current().orientation, draw::Orientation::Landscape);
}

TEST(PagePrinter, NewPageAndEndDocMakeDocumentsOfPages) {
  Printer p;
  p.Print("PARCIAL");
  EXPECT_TRUE(p.takeDocuments().empty());  // not ended: not released
  EXPECT_EQ(p.current().pages[0].items.size(), 1u);
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
  EXPECT_EQ(runAt(d, 0, 1).text, "UM");
  EXPECT_EQ(runAt(d, 1, 0).text, "DOIS");
  EXPECT_EQ(runAt(d, 1, 0).rect.top(), 500);

  // After EndDoc the next Print starts a new document on a fresh page.
  EXPECT_EQ(p.current().pages.size(), 1u);
  EXPECT_TRUE(p.current().pages[0].items.empty());
  p.Print("TRES");
  p.EndDoc();
  p.EndDoc();  // with nothing drawn: releases nothing
  auto docs = p.takeDocuments();
  ASSERT_EQ(docs.size(), 2u);
  EXPECT_EQ(runAt(docs[1], 0, 0).text, "TRES");
  EXPECT_TRUE(p.documents().empty());
}

// A bare number would be ambiguous (a column? a value?): it must be wrapped.
static_assert(!std::is_constructible_v<Printer::Item, int>);
static_assert(!std::is_constructible_v<Printer::Item, double>);
static_assert(std::is_constructible_v<Printer::Item, Tab>);

}  // namespace
