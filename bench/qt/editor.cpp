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
#include "editor/qt/actions_page_widget.h"
#include "editor/qt/control_page_widget.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "largest_configuration.h"

using namespace kx700;

namespace {

class QuietHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest& request) override {
    std::fprintf(stderr, "box: %s: %s\n", request.caption.c_str(), request.text.c_str());
    return MessageAnswer::Ok;
  }
};

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
    document.AdoptConfiguration(bench::LargestConfiguration());
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
