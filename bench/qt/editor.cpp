// How quickly the parameter sheet opens on the largest configuration there is
// (16 loops, 20 controls, 7 relay text modules, a full dossier), how long each
// page takes to come up the first time, and how long one step through the
// records of each record page takes, from the button click to the next record
// shown. A user should feel none of it: the sheet within 150 ms, a step within
// 10 ms.
//
// Runs the real widgets on the offscreen platform unless told otherwise.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

#include "common/message_host.h"
#include "common/string_format.h"
#include "common/text_tables.h"
#include "editor/central_page.h"
#include "editor/dossier_page.h"
#include "editor/qt/actions_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"

using namespace kx700;

namespace {

class QuietHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest& request) override {
    std::fprintf(stderr, "box: %s: %s\n", request.caption.c_str(), request.text.c_str());
    return MessageAnswer::Ok;
  }
};

void FillLargest(CPc_kx700Doc& document) {
  document.version = {1, 2, 2};
  for (int n = 1; n <= 20; ++n) {
    ControlForm control;
    control.number = n;
    control.name = StringPrintf("Sturing %d", n);
    control.type = n <= 2 ? n : (n <= 4 ? 3 : 0);
    for (std::size_t row = 0; row < control.rows.size(); ++row)
      control.rows[row] = {control.type == 3 ? 1 : (control.type == 2 ? 2 : 5), static_cast<int>(row % 3),
                           static_cast<int>(row), 0x5A};
    ControlRecord record;
    StoreControl(control, record);
    document.controls.push_back(record);
  }
  for (int n = 1; n <= 16; ++n) {
    LoopForm form;
    form.active = true;
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
    form.loopControl = 4 + n;
    form.composition = {{1, 10}, {2, 5}, {3, 2}, {5, n}};
    LoopRecord loop;
    StoreLoop(form, loop);
    document.loops.push_back(loop);
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
    document.relayTexts.push_back(texts);
  }
  CentralForm central;
  central.panelName = "Centrale groot";
  central.reactionTime = 2;
  central.generalControl = 1;
  central.alertControl = 2;
  central.silenceControls = {3, 4};
  StoreCentral(central, true, document.central);
  DossierForm dossier;
  dossier.customer = "Klant met de langste naam";
  dossier.address = "Straat 1\r\n9000 Gent";
  dossier.notes = std::string(200, 'n');
  dossier.commissioned = {2025, 6, 1};
  for (int a = 1; a <= 8; ++a) dossier.locations.push_back({a, StringPrintf("Herhaalbord %d", a)});
  StoreDossier(dossier, document.fixedBlocks);
}

using Steady = std::chrono::steady_clock;
double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Print(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-38s median %6.2f ms, worst %6.2f ms (%zu)\n", what, times[times.size() / 2], times.back(),
              times.size());
}

// Clicks "Volgende" through every record of a page.
template <typename Page>
void StepThrough(CParameterSheet& sheet, EditorPageKind kind, int records, std::vector<double>& steps) {
  sheet.RequestPage(kind);
  QWidget* next = static_cast<Page*>(sheet.page(kind))->navigationButton(nav_ids::kNext);
  for (int i = 1; i < records; ++i) {
    const auto step = Steady::now();
    QTest::mouseClick(next, Qt::LeftButton);
    QApplication::processEvents();
    steps.push_back(Ms(Steady::now() - step));
  }
}

} // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadAllTextTables();
  QuietHost host;

  constexpr int kRounds = 5;
  std::vector<double> opens;
  std::map<EditorPageKind, std::vector<double>> firstShows;
  std::vector<double> loopSteps, controlSteps, actionSteps;
  for (int round = 0; round < kRounds; ++round) {
    CPc_kx700Doc document;
    FillLargest(document);
    ParameterEditor editor(document, host);
    const auto start = Steady::now();
    CParameterSheet sheet(editor);
    sheet.show();
    QApplication::processEvents();
    opens.push_back(Ms(Steady::now() - start));
    for (EditorPageKind kind : editor.pages()) {
      const auto show = Steady::now();
      sheet.RequestPage(kind);
      QApplication::processEvents();
      firstShows[kind].push_back(Ms(Steady::now() - show));
    }
    StepThrough<Czone>(sheet, EditorPageKind::Loops, 16, loopSteps);
    StepThrough<Ccontrol>(sheet, EditorPageKind::Controls, 20, controlSteps);
    StepThrough<Crel_info>(sheet, EditorPageKind::Actions, 7, actionSteps);
    sheet.reject();
  }
  Print("sheet open, largest configuration:", opens);
  for (const auto& [kind, times] : firstShows) {
    Print(StringPrintf("first show of \"%s\":", EditorPageTitle(kind)).c_str(), times);
  }
  Print("step to the next loop:", loopSteps);
  Print("step to the next control:", controlSteps);
  Print("step to the next relay text module:", actionSteps);
  return 0;
}
