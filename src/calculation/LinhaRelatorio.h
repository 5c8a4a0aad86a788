#pragma once
// The lines of a data sheet. A quantity's line (LinhaRelatorio) is 78 columns: the label,
// a blank, an underscore leader up to column 34, a blank, the value from column 36, and, when
// the quantity has a unit, a blank, a second leader, a blank and the unit ending in column 78.
// A line without a unit ends after its value. The report list keeps every line with one
// leading blank in front (ReportItem).

#include <QString>

namespace calculation {

// Width of a data-sheet line.
inline constexpr int LineWidth = 78;

// The line of one quantity. An empty unit gives no unit part. When the value and the unit
// together are longer than 41 characters the second leader cannot be built: the line is
// written without leader and unit.
QString LinhaRelatorio(const QString &rotulo, const QString &valor, const QString &unidade);

// A centred title: n = (78 - length of titulo) / 2, halves to even, then n "=", the title,
// n "=".
QString TitleLine(const QString &titulo);

// The report-list item of a line: one blank followed by the line; the second form builds the
// item of a quantity's line at once.
QString ReportItem(const QString &linha);
QString ReportItem(const QString &rotulo, const QString &valor, const QString &unidade);

// Rounds value to n - Int(log10 value) decimals (n = digitos): with n = 4, 0,654321 gives
// 0,65432 and 65,43219 gives 65,432; with n = 1, 1234,56 gives 1200. A value at or below
// zero (it has no logarithm) comes back unrounded.
double Arredonda(double valor, int digitos);

} // namespace calculation
