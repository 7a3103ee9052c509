#include "textprint/pageprinter.h"

#include <gtest/gtest.h>

#include "textprint/painterbackend.h"

namespace {

const draw::TextRun& runAt(const draw::Document& doc, size_t page, size_t index) {
  return std::get<draw::TextRun>(doc.pages.at(page).items.at(index));
}

draw::Font font(double size, bool bold) {
  draw::Font f;
  f.pointSize = size;
  f.bold = bold;
  return f;
}

}  // namespace

TEST(PagePrinter, PrintDrawsAtTheCurrentPositionInTheCurrentFont) {
  Printer p;
  p.CurrentX(2700);
  p.CurrentY(100);
  p.FontSize(16);
  p.FontBold(true);
  p.Print("RECIBO");
  const auto& r = runAt(p.current(), 0, 0);
  EXPECT_EQ(r.rect.topLeft(), QPoint(2700, 100));
  EXPECT_EQ(r.rect.width(), 0);  // unbounded
  EXPECT_EQ(r.text, "RECIBO");
  EXPECT_EQ(r.font, font(16, true));
  EXPECT_EQ(r.font.family, "Liberation Sans");
}

TEST(PagePrinter, EndOfLineGoesToTheLeftMarginOneLineLower) {
  Printer p;
  p.FontSize(8);
  p.CurrentX(1000);
  p.CurrentY(500);
  p.Print("LINHA");
  EXPECT_EQ(p.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 500 + draw::lineHeight(font(8, false)));
  p.Print("SEGUINTE");
  const auto& r = runAt(p.current(), 0, 1);
  EXPECT_EQ(r.rect.left(), 0);
  EXPECT_EQ(r.rect.top(), qRound(500 + draw::lineHeight(font(8, false))));
  // An empty statement draws nothing and still ends the line.
  const double y = p.CurrentY();
  p.Print();
  EXPECT_EQ(p.current().pages[0].items.size(), 2u);
  EXPECT_DOUBLE_EQ(p.CurrentY(), y + draw::lineHeight(font(8, false)));
}

TEST(PagePrinter, ItemsAreJoinedByThePrinterFileRules) {
  Printer p;
  p.Print("A", Value::integer(12), "B", Value::decimal(-2.5), Value(), Value::null(),
          Value::text("T"));
  EXPECT_EQ(runAt(p.current(), 0, 0).text, "A 12 B-2,5 T");
}

TEST(PagePrinter, DateAndTimeItemsAreFollowedByABlank) {
  Printer p;
  p.Print("X ", Value::date(QDate(2024, 12, 31)), Value::time(QTime(14, 22, 1)), "Y");
  EXPECT_EQ(runAt(p.current(), 0, 0).text, "X 31/12/2024 14:22:01 Y");
  EXPECT_EQ(renderPrintItem(Value::date(QDate(2024, 1, 2))), "02/01/2024 ");
  EXPECT_EQ(renderPrintItem(Value::integer(7)), " 7 ");
}

TEST(PagePrinter, AnOpenLineContinuesAfterTheTextDrawn) {
  Printer p;
  p.FontSize(10);
  p.CurrentX(300);
  p.CurrentY(400);
  p.PrintOpen("ABC");
  const double x = 300 + draw::textWidth(font(10, false), "ABC");
  EXPECT_DOUBLE_EQ(p.CurrentX(), x);
  EXPECT_EQ(p.CurrentY(), 400);
  p.FontBold(true);
  p.Print("DEF");
  const auto& r = runAt(p.current(), 0, 1);
  EXPECT_EQ(r.rect.topLeft(), QPoint(qRound(x), 400));
  EXPECT_TRUE(r.font.bold);
}

TEST(PagePrinter, TabJumpsCountColumnsOfTheOpenLine) {
  Printer p;
  p.PrintOpen("AB", Tab{5});
  p.Print("C");
  // The blanks of Tab(5) end the first run; the second continues in column 5.
  EXPECT_EQ(runAt(p.current(), 0, 0).text, "AB  ");
  EXPECT_EQ(runAt(p.current(), 0, 1).text, "C");
}

TEST(PagePrinter, TabBehindTheColumnBreaksTheLine) {
  Printer p;
  p.FontSize(8);
  p.CurrentX(100);
  p.CurrentY(1000);
  p.Print("ABCDEF", Tab{3}, "X");
  const auto& first = runAt(p.current(), 0, 0);
  const auto& second = runAt(p.current(), 0, 1);
  EXPECT_EQ(first.text, "ABCDEF");
  EXPECT_EQ(first.rect.topLeft(), QPoint(100, 1000));
  EXPECT_EQ(second.text, "  X");
  EXPECT_EQ(second.rect.topLeft(), QPoint(0, qRound(1000 + draw::lineHeight(font(8, false)))));
  EXPECT_DOUBLE_EQ(p.CurrentY(), 1000 + 2 * draw::lineHeight(font(8, false)));
}

TEST(PagePrinter, SettingThePositionRestartsTheColumns) {
  Printer p;
  p.PrintOpen("ABCDEF");
  p.CurrentX(5000);
  p.Print(Tab{3}, "X");
  EXPECT_EQ(runAt(p.current(), 0, 1).text, "  X");
  EXPECT_EQ(runAt(p.current(), 0, 1).rect.left(), 5000);
}

TEST(PagePrinter, FontObjectBoldIsTheSameSwitch) {
  Printer p;
  p.Font().Bold(true);
  EXPECT_TRUE(p.FontBold());
  p.Print("N");
  p.FontBold(false);
  EXPECT_FALSE(p.Font().Bold());
  p.Print("R");
  EXPECT_TRUE(runAt(p.current(), 0, 0).font.bold);
  EXPECT_FALSE(runAt(p.current(), 0, 1).font.bold);
}

TEST(PagePrinter, OrientationTakesOneOrTwo) {
  Printer p(draw::Orientation::Landscape);
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
  EXPECT_EQ(runAt(d, 0, 0).text, "UM");
  EXPECT_EQ(runAt(d, 1, 0).text, "DOIS");
  EXPECT_EQ(runAt(d, 1, 0).rect.top(), 500);

  // After EndDoc the next Print starts a new document on a fresh page.
  EXPECT_EQ(p.current().pages.size(), 1u);
  EXPECT_TRUE(p.current().pages[0].items.empty());
  p.Print("TRES");
  p.EndDoc();
  // An EndDoc with nothing drawn releases nothing.
  p.EndDoc();
  auto docs = p.takeDocuments();
  ASSERT_EQ(docs.size(), 2u);
  EXPECT_EQ(runAt(docs[1], 0, 0).text, "TRES");
  EXPECT_TRUE(p.documents().empty());
}

TEST(PagePrinter, AStoppedDocumentIsNotReleased) {
  Printer p;
  p.Print("PARCIAL");
  EXPECT_TRUE(p.takeDocuments().empty());
  EXPECT_EQ(p.current().pages[0].items.size(), 1u);
}

// A bare number would be ambiguous (a column? a value?): it must be wrapped.
static_assert(!std::is_constructible_v<Printer::Item, int>);
static_assert(!std::is_constructible_v<Printer::Item, double>);
static_assert(std::is_constructible_v<Printer::Item, Tab>);
