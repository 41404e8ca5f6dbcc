#pragma once

#include <vector>

#include "report/report.h"

class QPagedPaintDevice;
class QPrinter;

namespace kx700 {

enum class PrintResult { Printed, NoPageInRange, Failed };

// The printable height of the device's page in whole millimetres.
int PrintablePageHeightMm(const QPagedPaintDevice& device);
// The pages the report fills on the printer's page: 0 when the page is less
// than a millimetre high, which cannot be printed on.
int ReportPageCountOn(const QPrinter& printer, const ReportSource& source);
// The pages of a report of `pages` that the printer's print range asks for,
// in order: all of them without a range.
std::vector<int> PagesToPrint(const QPrinter& printer, int pages);
// Draws the report on the printer as it stands (the print preview's): the
// pages of its print range, each a band of the page height.
PrintResult DrawReportOn(QPrinter& printer, const ReportSource& source);
// Prints the report on the printer: the pages of its print range, each a band
// of the page height. Printed to a PDF file, the file is written whole or not
// at all. Nothing is printed when the page is less than a millimetre high or
// the range holds none of the report's pages.
PrintResult PrintReport(QPrinter& printer, const ReportSource& source);

} // namespace kx700
