#pragma once
// Number conventions of the program: it always works with Brazilian Portuguese conventions
// (decimal comma), whatever the host locale is.

#include <QLocale>
#include <QString>
#include <optional>

namespace platform {

// The locale of every number the user types or reads: Portuguese (Brazil), decimal comma.
QLocale ProgramLocale();

// The default text of a double: at most 15 significant digits, decimal comma, no grouping,
// no trailing zeros; exponent form ("1E-06", "1,5E+15") when the decimal exponent is below
// -5 or 15 and above.
QString FormatDouble(double value);

// A field text as a number, with the decimal comma ("1,5" is 1.5); blanks around it are
// ignored. Empty or anything that is not a number gives nullopt.
std::optional<double> ParseNumber(const QString &text);

// The number a text starts with: blanks skipped, point as decimal separator whatever the
// process's locale, 0 when the text does not start with a number or is beyond a double (the
// way the case file and the settings read their whole numbers).
double LeadingNumber(const QString &text);

// Rounding to the nearest whole number, halves to the even one (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double value);

} // namespace platform
