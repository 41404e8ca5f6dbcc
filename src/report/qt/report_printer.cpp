#include "report/qt/report_printer.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "report/qt/qt_report_canvas.h"

namespace kx700 {

int PrintablePageHeightMm(const QPrinter& printer) {
  return static_cast<int>(std::floor(printer.pageRect(QPrinter::Millimeter).height()));
}

bool PrintReport(QPrinter& printer, const ReportSource& source) {
  const int pageHeight = PrintablePageHeightMm(printer);
  if (pageHeight < 1) return false;
  ReportContext context{true, pageHeight, source.today, MakePrintTitle(source.configuration.central)};
  MeasuringCanvas measure;
  const ReportExtent extent = DrawReport(source.configuration, source.version, context, measure);
  const int pages = ReportPageCount(extent.height, pageHeight);
  const bool range = printer.printRange() == QPrinter::PageRange;
  const int first = range ? std::max(1, printer.fromPage()) : 1;
  const int last = range && printer.toPage() > 0 ? std::min(printer.toPage(), pages) : pages;
  if (first > last) return true;

  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // 0.1 mm in device pixels.
  const double scale = printer.resolution() / 254.0;
  const int band = pageHeight * 10;
  for (int page = first; page <= last; ++page) {
    if (page > first) printer.newPage();
    // Every page draws the whole report and shows its own band of it.
    painter.save();
    painter.setClipRect(QRectF(0, 0, kReportWidth * scale + 1, band * scale));
    QtReportCanvas canvas(painter, scale, true, (page - 1) * band);
    canvas.SetVisibleBand(0, band);
    DrawReport(source.configuration, source.version, context, canvas);
    painter.restore();
  }
  painter.end();
  return true;
}

} // namespace kx700
