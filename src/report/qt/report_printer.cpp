#include "report/qt/report_printer.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>
#include <filesystem>
#include <optional>
#include <span>

#include "common/atomic_file.h"
#include "report/qt/qt_report_canvas.h"

namespace kx700 {

namespace {

ReportContext PrintContext(int pageHeight, const ReportSource& source) {
  return {true, pageHeight, source.today, MakePrintTitle(source.configuration.central)};
}

// What a print job prints, or why it prints nothing.
struct PrintJob {
  std::optional<PrintResult> refusal;
  ReportContext context;
  std::vector<int> pages;
};

PrintJob PlanJob(const QPrinter& printer, const ReportSource& source) {
  PrintJob job;
  const int pageHeight = PrintablePageHeightMm(printer);
  if (pageHeight < 1) {
    job.refusal = PrintResult::Failed;
    return job;
  }
  job.context = PrintContext(pageHeight, source);
  job.pages = PagesToPrint(printer, ReportPageCountOn(printer, source));
  if (job.pages.empty()) job.refusal = PrintResult::NoPageInRange;
  return job;
}

// Draws the pages on the device, each the whole report seen through its band
// of the page height. No clip: the paper is the only edge.
bool DrawPages(QPagedPaintDevice& device, double resolution, const PrintJob& job, const ReportSource& source) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double scale = resolution / 254.0; // 0.1 mm in device pixels
  const int band = job.context.pageHeightMm * 10;
  bool first = true;
  for (int page : job.pages) {
    if (!first && !device.newPage()) {
      painter.end();
      return false;
    }
    first = false;
    QtReportCanvas canvas(painter, scale, true, (page - 1) * band);
    canvas.SetVisibleBand(0, band);
    DrawReport(source.configuration, source.version, job.context, canvas);
  }
  return painter.end();
}

// A PDF file: made in memory with the printer's page and resolution, then
// written out whole, so that a full disk leaves no part of it behind.
bool PrintToPdfFile(const QPrinter& printer, const PrintJob& job, const ReportSource& source) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageLayout(printer.pageLayout());
    writer.setResolution(printer.resolution());
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    if (!DrawPages(writer, writer.resolution(), job, source)) return false;
  }
  const QByteArray& bytes = pdf.data();
  return ReplaceFile(
      std::filesystem::path(printer.outputFileName().toStdString()),
      std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
}

} // namespace

int PrintablePageHeightMm(const QPagedPaintDevice& device) {
  return static_cast<int>(std::floor(device.pageLayout().paintRect(QPageLayout::Millimeter).height()));
}

int ReportPageCountOn(const QPrinter& printer, const ReportSource& source) {
  const int pageHeight = PrintablePageHeightMm(printer);
  if (pageHeight < 1) return 0;
  MeasuringCanvas measure;
  const ReportExtent extent =
      DrawReport(source.configuration, source.version, PrintContext(pageHeight, source), measure);
  return ReportPageCount(extent.height, pageHeight);
}

std::vector<int> PagesToPrint(const QPrinter& printer, int pages) {
  std::vector<int> out;
  const bool ranged = printer.printRange() == QPrinter::PageRange;
  const QPageRanges ranges = printer.pageRanges();
  for (int page = 1; page <= pages; ++page) {
    if (!ranged || ranges.contains(page)) out.push_back(page);
  }
  return out;
}

PrintResult DrawReportOn(QPrinter& printer, const ReportSource& source) {
  const PrintJob job = PlanJob(printer, source);
  if (job.refusal) return *job.refusal;
  return DrawPages(printer, printer.resolution(), job, source) ? PrintResult::Printed : PrintResult::Failed;
}

PrintResult PrintReport(QPrinter& printer, const ReportSource& source) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    const PrintJob job = PlanJob(printer, source);
    if (job.refusal) return *job.refusal;
    return PrintToPdfFile(printer, job, source) ? PrintResult::Printed : PrintResult::Failed;
  }
  const PrintResult result = DrawReportOn(printer, source);
  const bool failed = printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted;
  return result == PrintResult::Printed && failed ? PrintResult::Failed : result;
}

} // namespace kx700
