#pragma once
// The program's number conventions: numbers become text in the shortest
// decimal form of up to 15 significant digits with a '.' whatever the locale,
// and text becomes a number by the number it starts with.
#include <QString>
#include <QStringList>

// Shortest decimal text of up to 15 significant digits, '.' as separator,
// no exponent, no leading blank; whole numbers without a point ("145").
QString NumberToText(double value);

// The number a text starts with: blanks anywhere are skipped, reading stops at
// the first character that cannot continue the number (sign, digits, one
// point, an exponent E or D followed by digits); no number reads as 0.
// A value too large for a double reads as +/- infinity.
double TextToNumber(const QString &text);

// The items of a list of evenly stepped whole numbers: first, first + step,
// ..., count of them ("0", "10", "20").
QStringList SteppedNumberItems(int first, int step, int count);

// The print form of a number: a blank for a value of 0 or more, or "-" for a
// negative one, followed by its digits (" 5", "-12", " 0.5").
QString NumberPrintForm(double value);
