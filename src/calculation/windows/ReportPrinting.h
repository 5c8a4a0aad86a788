#pragma once
// Draws a printed data sheet on a printer: each line in its font, each piece of text at its
// column (character cells of the line's font), lines running on to further pages.

#include "calculation/ReportSheet.h"

#include <QFont>

class QPrinter;

namespace calculation {

// "Arial Black" 28 bold and "Courier New" 10; a machine without them gets the nearest family
// (a fixed-pitch one for the text font).
QFont PrintFont(PrintedLine::Font fonte);

// Prints the lines as one document on the printer. Returns the error text, empty on success.
QString PrintLines(QPrinter &printer, const QList<PrintedLine> &linhas);

} // namespace calculation
