// How quickly the report of the largest configuration there is (16 loops, 20
// controls, 7 relay text modules, a full dossier) is laid out, printed to a
// PDF file, and repainted in the main view while scrolling. Goals: the whole
// print under 1 s; one repaint under 16 ms, so scrolling stays smooth.
//
// Runs on the offscreen platform unless told otherwise.
#include <QApplication>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "common/text_tables.h"
#include "largest_configuration.h"
#include "report/qt/report_printer.h"
#include "report/qt/report_view.h"

using namespace kx700;

namespace {

using Steady = std::chrono::steady_clock;
double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Print(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-40s median %7.2f ms, worst %7.2f ms (%zu)\n", what, times[times.size() / 2], times.back(),
              times.size());
}

} // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadAllTextTables();
  const Configuration configuration = bench::LargestConfiguration();
  const ReportSource source{configuration, configuration.version, {2026, 12, 10, 9, 0, 0, 4}};
  QTemporaryDir dir;

  std::vector<double> layouts, prints;
  int pages = 0;
  for (int round = 0; round < 5; ++round) {
    const auto start = Steady::now();
    MeasuringCanvas measure;
    const ReportExtent extent =
        DrawReport(configuration, configuration.version, ReportContext{true, 297, {}, {}}, measure);
    layouts.push_back(Ms(Steady::now() - start));
    pages = ReportPageCount(extent.height, 297);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report%1.pdf").arg(round)));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    const auto print = Steady::now();
    PrintReport(printer, source);
    prints.push_back(Ms(Steady::now() - print));
  }

  QScrollArea area;
  area.resize(1000, 700);
  auto* view = new CReportView([&source] { return source; });
  area.setWidget(view);
  area.show();
  QApplication::processEvents();
  std::vector<double> repaints;
  QScrollBar* bar = area.verticalScrollBar();
  for (int step = 0; step < 60; ++step) {
    bar->setValue(bar->maximum() * step / 60);
    const auto paint = Steady::now();
    view->repaint();
    repaints.push_back(Ms(Steady::now() - paint));
  }

  std::printf("report of the largest configuration: %d pages of A4\n", pages);
  Print("layout (one measuring pass):", layouts);
  Print("layout and print to PDF, every page:", prints);
  Print("repaint of the view while scrolling:", repaints);
  return 0;
}
