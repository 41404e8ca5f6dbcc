#pragma once

#include <string>

#include "common/clock.h"
#include "model/configuration.h"
#include "model/version.h"
#include "report/report_canvas.h"

// The configuration report: one long strip of sections that the screen shows
// whole and a printer cuts into pages. The layout is one const function of
// the configuration; only the context (screen or printer) changes it.
namespace kx700 {

struct ReportContext {
  bool printing = false;
  int pageHeightMm = 0; // the printable height in whole millimetres, printing only
  LocalDateTime today;  // for the page header
  std::string printTitle;
};

struct ReportExtent {
  int width = 0;  // 0.1 mm
  int height = 0; // 0.1 mm, positive: the whole report
};

// What a report is made of, as the print commands hand it over.
struct ReportSource {
  const Configuration& configuration;
  VersionTriple version; // the effective version
  LocalDateTime today;
};

inline constexpr int kReportWidth = 1980;
inline constexpr ColorRef kInactiveLoopColour = Rgb(0, 128, 192);

// The cursor after a feed of `dy` from `y`. Printing, a line that ends fewer
// than 12 mm (or `needMm` + 8) above the end of its page moves the cursor to
// 10 mm into the next page.
int ReportLineFeed(int y, int dy, bool printing, int pageHeightMm, int needMm = 0);
// The pages a report of `height` (0.1 mm) fills; 0 for a page height below
// 1 mm, which cannot be printed on.
int ReportPageCount(int height, int pageHeightMm);
// The title on the first printed page: "project - panel", or the panel name
// alone without a project.
std::string MakePrintTitle(const CentralRecord& central);

// Draws the whole report and gives its extent. The configuration is only read.
ReportExtent DrawReport(const Configuration& configuration, const VersionTriple& version, const ReportContext& context,
                        ReportCanvas& canvas);

} // namespace kx700
