// How quickly the parameter sheet opens on the largest configuration there is
// (16 loops, 20 controls, every composition filled) and how long one step
// through the loops takes, from the button click to the next loop shown. A
// user should feel neither: the sheet within 150 ms, a step within 10 ms.
//
// Runs the real widgets on the offscreen platform unless told otherwise.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "common/message_host.h"
#include "common/string_format.h"
#include "common/text_tables.h"
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
    ControlRecord control;
    control.SetByte(ControlRecord::kNumber, n);
    control.SetText(ControlRecord::kName, ControlRecord::kNameWidth, StringPrintf("Sturing %d", n));
    document.controls.push_back(control);
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
    form.loopControl = n;
    form.composition = {{1, 10}, {2, 5}, {3, 2}, {5, n}};
    LoopRecord loop;
    StoreLoop(form, loop);
    document.loops.push_back(loop);
  }
}

using Steady = std::chrono::steady_clock;
double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

} // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  LoadAllTextTables();
  QuietHost host;

  constexpr int kRounds = 5;
  std::vector<double> opens;
  std::vector<double> steps;
  for (int round = 0; round < kRounds; ++round) {
    CPc_kx700Doc document;
    FillLargest(document);
    ParameterEditor editor(document, host);
    const auto start = Steady::now();
    CParameterSheet sheet(editor);
    sheet.show();
    QApplication::processEvents();
    opens.push_back(Ms(Steady::now() - start));

    auto* page = static_cast<Czone*>(sheet.page(EditorPageKind::Loops));
    QWidget* next = page->navigationButton(nav_ids::kNext);
    for (int loop = 1; loop < 16; ++loop) {
      const auto step = Steady::now();
      QTest::mouseClick(next, Qt::LeftButton);
      QApplication::processEvents();
      steps.push_back(Ms(Steady::now() - step));
    }
    sheet.reject();
  }
  std::sort(opens.begin(), opens.end());
  std::sort(steps.begin(), steps.end());
  std::printf("sheet open, largest configuration: median %.1f ms, worst %.1f ms (%d rounds)\n", opens[opens.size() / 2],
              opens.back(), kRounds);
  std::printf("step to the next loop:            median %.2f ms, worst %.2f ms (%zu steps)\n", steps[steps.size() / 2],
              steps.back(), steps.size());
  return 0;
}
