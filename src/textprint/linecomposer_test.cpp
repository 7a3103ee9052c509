#include "textprint/linecomposer.h"

#include <gtest/gtest.h>

#include "startup/cp1252.h"

namespace {

TEST(LineComposer, ItemsAreJoinedWithNothingBetween) {
  LineComposer lc;
  lc.println("AB", "CD", Value::text("E"));
  lc.println();
  EXPECT_EQ(lc.text(), "ABCDE\r\n\r\n");
  EXPECT_EQ(lc.column(), 1);
}

TEST(LineComposer, ColumnsCountFromOne) {
  LineComposer lc;
  EXPECT_EQ(lc.column(), 1);
  lc << "ABC";
  EXPECT_EQ(lc.column(), 4);
  lc.endLine();
  EXPECT_EQ(lc.column(), 1);
}

TEST(LineComposer, TabBelowOneIsOne) {
  LineComposer lc;
  lc << Tab{0} << "A";
  lc.endLine();
  lc << Tab{-5} << "B";
  EXPECT_EQ(lc.text(), "A\r\nB");
}

TEST(LineComposer, TabForwardWritesBlanks) {
  LineComposer lc;
  lc << "AB" << Tab{5} << "C";
  EXPECT_EQ(lc.text(), "AB  C");
  EXPECT_EQ(lc.column(), 6);
}

TEST(LineComposer, TabOnItsOwnColumnWritesNothing) {
  LineComposer lc;
  lc << "ABCD" << Tab{5} << "E";
  EXPECT_EQ(lc.text(), "ABCDE");
}

TEST(LineComposer, TabBehindGoesToTheSameColumnOfTheNextLine) {
  LineComposer lc;
  lc.println("ABCDEF", Tab{5}, "X", Tab{9}, "Y");
  // X starts in column 5 of the new line; the rest of the line goes on from there.
  EXPECT_EQ(lc.text(), "ABCDEF\r\n    X   Y\r\n");
}

TEST(LineComposer, ControlBytesCountAsColumns) {
  const QString esc = controlBytes({0x1B, 0x21, 0x01});
  ASSERT_EQ(esc.size(), 3);
  LineComposer a;
  a << esc << Tab{4} << "X";
  EXPECT_EQ(a.text(), esc + "X");
  LineComposer b;
  b << esc << Tab{3} << "X";
  EXPECT_EQ(b.text(), esc + "\r\n  X");
}

TEST(LineComposer, ControlBytesKeepTheirNul) {
  const QString cut = controlBytes({0x1D, 0x56, 0x42, 0x00});
  ASSERT_EQ(cut.size(), 4);
  EXPECT_EQ(cp1252::encode(cut), QByteArray("\x1D\x56\x42\x00", 4));
}

TEST(LineComposer, NumberItemsTakeTwoMoreColumnsThanTheirDigits) {
  LineComposer lc;
  lc << "CLI." << Value::integer(12);
  EXPECT_EQ(lc.text(), "CLI. 12 ");
  EXPECT_EQ(lc.column(), 9);
  lc << Value::integer(-3) << "|";
  EXPECT_EQ(lc.text(), "CLI. 12 -3 |");
}

TEST(LineComposer, CentringRoundsHalfToEven) {
  EXPECT_EQ(centreColumn(56, 56), 0);
  EXPECT_EQ(centreColumn(56, 55), 0);  // 0.5 -> 0
  EXPECT_EQ(centreColumn(56, 54), 1);
  EXPECT_EQ(centreColumn(56, 53), 2);  // 1.5 -> 2
  EXPECT_EQ(centreColumn(56, 51), 2);  // 2.5 -> 2
  EXPECT_EQ(centreColumn(56, 10), 23);
  EXPECT_EQ(centreColumn(56, 60), -2);
}

TEST(LineComposer, CentredHeaderOf56StartsInColumnOne) {
  const QString line(56, 'H');
  LineComposer lc;
  lc.println(Tab{centreColumn(56, 56)}, line);
  EXPECT_EQ(lc.text(), line + "\r\n");
}

TEST(LineComposer, CentredHeaderAfterSmallFontMovesToTheNextLine) {
  const QString esc = controlBytes({0x1B, 0x21, 0x01});
  const QString line54(54, 'H');
  LineComposer lc;
  lc << esc;
  lc.println(Tab{centreColumn(56, 54)}, line54);
  EXPECT_EQ(lc.text(), esc + "\r\n" + line54 + "\r\n");
  // A shorter one stays on the line of the command.
  LineComposer short_;
  short_ << esc;
  short_.println(Tab{centreColumn(56, 40)}, "x");
  EXPECT_EQ(short_.text(), esc + QString(4, ' ') + "x\r\n");  // Tab(8) from column 4
}

TEST(LineComposer, NothingIsWrappedOrCut) {
  const QString wide(300, 'w');
  LineComposer lc;
  lc.println(wide);
  EXPECT_EQ(lc.text(), wide + "\r\n");
}

TEST(LineComposer, OneColumnPerPrintedCharacter) {
  LineComposer lc;
  lc << QString::fromUtf8("Jose\u0301") << Tab{6} << "|";  // decomposed accent
  EXPECT_EQ(lc.text(), QString::fromUtf8("José |"));
  LineComposer wide;
  wide << QString::fromUtf8("a\U0001F600b") << Tab{5} << "|";
  EXPECT_EQ(cp1252::encode(wide.text()), QByteArray("a?b |"));
}

}  // namespace
