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

#include "common/string_format.h"
#include "common/text_tables.h"
#include "editor/central_page.h"
#include "editor/control_form.h"
#include "editor/dossier_page.h"
#include "editor/loop_form.h"
#include "report/qt/report_printer.h"
#include "report/qt/report_view.h"

using namespace kx700;

namespace {

Configuration Largest() {
  Configuration c;
  c.version = {1, 2, 2};
  for (int n = 1; n <= 20; ++n) {
    ControlForm control;
    control.number = n;
    control.name = StringPrintf("Sturing %d", n);
    control.type = n <= 2 ? n : (n <= 4 ? 3 : 0);
    for (std::size_t row = 0; row < control.rows.size(); ++row)
      control.rows[row] = {5, static_cast<int>(row % 3), static_cast<int>(row), 0x5A};
    ControlRecord record;
    StoreControl(control, record);
    c.controls.push_back(record);
  }
  for (int n = 1; n <= 16; ++n) {
    LoopForm form;
    form.active = n % 3 != 0;
    form.number = n;
    form.name = StringPrintf("Lus %d verdieping %d", n, n % 4);
    form.kind = n % 6;
    form.upperLevel = 2.5;
    form.lowerLevel = 1.2;
    form.faultLevel = 0.1;
    form.upperText = "ALARM";
    form.lowerText = "VOORALARM";
    form.faultText = "FOUT";
    form.warningEvacuation = true;
    form.delayedEvacuation = true;
    form.interventionTime = 3;
    form.dependency = n % 16 + 1;
    form.loopControl = 4 + n;
    form.composition = {{1, 10}, {2, 5}, {3, 2}, {5, n}};
    LoopRecord loop;
    StoreLoop(form, loop);
    c.loops.push_back(loop);
  }
  for (int n = 0; n < 7; ++n) {
    RelayTextRecord texts;
    texts.SetByte(RelayTextRecord::kSequence, n + 1);
    texts.SetByte(RelayTextRecord::kModuleKind, n == 0 ? 0 : 1 + n % 2);
    texts.SetByte(RelayTextRecord::kCardAddress, n == 0 ? 0 : (n + 1) / 2);
    for (std::size_t k = 0; k < RelayTextRecord::kTextCount; ++k) {
      texts.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * k, RelayTextRecord::kTextWidth,
                    StringPrintf("Uitgang %d.%zu", n, k + 1));
    }
    c.relayTexts.push_back(texts);
  }
  CentralForm central;
  central.panelName = "Centrale groot";
  central.project = "Project maximum";
  central.reactionTime = 2;
  central.generalControl = 1;
  central.alertControl = 2;
  central.silenceControls = {3, 4};
  central.advancedFlags = 0x1F;
  StoreCentral(central, true, c.central);
  DossierForm dossier;
  dossier.customer = "Klant met de langste naam";
  dossier.address = "Straat 1\r\n9000 Gent\r\nBelgie";
  dossier.technician = "Technicus";
  dossier.notes = std::string(120, 'n') + " " + std::string(120, 'o');
  dossier.commissioned = {2025, 6, 1};
  for (int a = 1; a <= 8; ++a) dossier.locations.push_back({a, StringPrintf("Herhaalbord %d", a)});
  StoreDossier(dossier, c.fixedBlocks);
  return c;
}

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
  const Configuration configuration = Largest();
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
