#pragma once

#include "report/report.h"

class QPrinter;

namespace kx700 {

// The printable height of the printer's page in whole millimetres.
int PrintablePageHeightMm(const QPrinter& printer);
// Prints the report on the printer: the pages of its print range (all when it
// has none), each a band of the page height. False, printing nothing, when
// the page is less than a millimetre high.
bool PrintReport(QPrinter& printer, const ReportSource& source);

} // namespace kx700
