#pragma once
#include <QString>

#include "core/value.h"

// How values become text, under the locale of QLocale() (pt_BR for the users).

// A value printed as a print item without a mask: numbers with a leading blank
// (or minus) and a trailing blank, dates in the short date form (and the long
// time form when there is a time of day), text unchanged, empty/null nothing.
QString renderPlain(const Value& v);

// Applies a format mask:
//  numeric  "##,0.00" "###,0.00" (grouped), "###0.00" "##0.000" "0" "0000";
//  placement "@@@@@@@@@" (right-aligned in as many columns, never cut);
//  date     "dd/MM/yyyy" (also "dd/mm/yyyy").
// A value the mask cannot apply to (a non-numeric text under a numeric or
// date mask) comes back unchanged; null and empty give "" except under a
// placement mask, which pads them.
QString formatMask(const Value& v, const QString& mask);

// Right-aligns a text in a field of width columns; a longer text is kept whole.
QString placeRight(const QString& text, int width);

// A number under a numeric mask: decimals rounded half away from zero.
// Throws RuntimeError for infinity, NaN and a value needing more than 15
// significant digits (a double holds no more).
QString formatNumber(double v, int decimals, bool grouped, int minIntegerDigits = 1);

// The number as a numeric mask with this many decimals prints it (half away
// from zero), for sums of printed values.
double roundToPlaces(double v, int decimals);

// Rounds half to even, as the legacy runtime converts a computed Tab argument
// (a 16-bit whole number: the result is kept within -32768..32767).
int roundHalfEven(double v);

// The number in its shortest general form with the locale's decimal
// separator and no blanks ("12", "10,5", "-0,25"); infinity and NaN throw.
QString generalNumber(double v);

// Characters start..start+length-1 (1-based) of a text, fewer if it is shorter.
QString midText(const QString& s, int start, int length);

// Text fitting: leading and trailing blanks (U+0020 only, not tabs or line
// breaks) removed; and the cut to characters 1..n.
QString trimBlanks(const QString& s);
QString cutText(const QString& s, int n);
