// How long one full refresh of the analog values window takes (all 16 loops
// and the status of the outputs), at 9600 and 38400 baud, against its floor:
// the bytes of every request and answer on the line, plus one 5 ms waiting
// step per request. Goal: at most 1.05 x the floor.
//
// The whole program runs, offscreen, against the simulated panel on a
// pseudo-terminal that paces its answers at the baud rate: the serial port
// and its reader thread, the idle timer and the window's drawing. The panel
// answers at once (no think time), so that only the program's own time is
// measured beside the line's.
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include "app/application.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_dialog_runner.h"
#include "app/qt/qt_file_dialog_host.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/qt_shell_opener.h"
#include "app/qt/qt_startup_host.h"
#include "app/qt/view.h"
#include "common/qt/qt_message_host.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/frame.h"
#include "panelsim/pty_server.h"
#include "service/qt/analog_values_window.h"

using namespace kx700;

namespace {

using Steady = std::chrono::steady_clock;

constexpr int kLoops = 16;
constexpr int kCycles = 10;
constexpr double kStepMs = 5.0;

// The window, noting when each cycle ends (the status answer is shown
// last), until it has seen `cycles` whole ones.
class TimedWindow final : public Can_values {
public:
  TimedWindow(CPc_kx700App& app, QWidget* parent, QEventLoop& done)
      : Can_values(app.serviceContext(), parent), app_(app), done_(done) {}
  void RefreshCurrentLoop() override {
    Can_values::RefreshCurrentLoop();
    if (app_.document().serviceState().polledLoop != 0) return;
    ends.push_back(Steady::now());
    if (ends.size() > kCycles) done_.quit();
  }
  std::vector<Steady::time_point> ends;

private:
  CPc_kx700App& app_;
  QEventLoop& done_;
};

// Runs the program's own event loop (a test's wait would sleep between its
// rounds) until `done` holds or `ms` have passed.
bool RunUntil(const std::function<bool()>& done, int ms) {
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  check.start(10);
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  return done();
}

std::size_t WireBytes(std::uint8_t code, std::size_t payload) {
  return panelsim::Encode(panelsim::Frame{0, code, 0, std::vector<std::uint8_t>(payload, 0)}).size();
}

// The floor of one cycle in milliseconds.
double FloorMs(int baud) {
  const std::size_t loopBytes = WireBytes(kRequestAnalog, 1) + WireBytes(kAnswerAnalog, 8);
  const std::size_t statusBytes = WireBytes(kRequestStatus, 0) + WireBytes(kAnswerStatus, 2);
  const double bytes = static_cast<double>(kLoops * loopBytes + statusBytes);
  return bytes * 10.0 * 1000.0 / baud + (kLoops + 1) * kStepMs;
}

// The median cycle, in milliseconds, of the program polling at `baud`.
double MeasureCycleMs(int baud) {
  panelsim::Engine panel(panelsim::RealisticPanel());
  panel.SetBaud(baud);
  panel.SetPaceReception(true);
  panel.SetAnswerDelayUs(0);
  panel.SetKeepRequests(false);
  panelsim::PtyServer server(panel);
  if (!server.Open()) {
    std::fprintf(stderr, "bench_analog: no pseudo-terminal: %s\n", server.error().c_str());
    std::exit(1);
  }
  std::thread serving([&] { server.Serve(); });
  qputenv("KX700_COM9", QByteArray::fromStdString(server.SlavePath()));

  QtMessageHost host;
  QtSettingsStore settings;
  settings.SetProgramValue("Com_port", "COM9");
  const SettingLookup lookup = [&settings](const std::string& key) { return settings.ProgramValue(key); };
  QtFileDialogHost files;
  QtDialogRunner dialogs(lookup);
  QtShellOpener shell;
  double median = 0;
  {
    CPc_kx700App app({host, settings, SystemClock::Instance(), files, dialogs, shell},
                     std::make_unique<Ser_port>(host, lookup));
    QtStartupHost startup(app);
    app.InitInstance(startup, {});
    app.engine().RequestPort(9, baud);
    if (!RunUntil([&] { return app.session().connected(); }, 20'000)) {
      std::fprintf(stderr, "bench_analog: the panel was not found at %d baud\n", baud);
      std::exit(1);
    }
    QEventLoop cycles;
    TimedWindow* window = nullptr;
    startup.mainFrame()->view()->OpenServiceWindow(CPc_kx700View::ServiceKind::AnalogValues, [&](QWidget* parent) {
      window = new TimedWindow(app, parent, cycles);
      return window;
    });
    // The first cycle starts with the window; the measured ones follow it.
    QTimer::singleShot(120'000, &cycles, &QEventLoop::quit);
    cycles.exec();
    if (window->ends.size() <= kCycles) {
      std::fprintf(stderr, "bench_analog: the polling stalled at %d baud\n", baud);
      std::exit(1);
    }
    std::vector<double> times;
    for (std::size_t i = 1; i < window->ends.size(); ++i)
      times.push_back(std::chrono::duration<double, std::milli>(window->ends[i] - window->ends[i - 1]).count());
    std::sort(times.begin(), times.end());
    median = times[times.size() / 2];
    window->close();
    app.ExitInstance();
  }
  server.Stop();
  serving.join();
  return median;
}

} // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication qt(argc, argv);

  std::printf("analog refresh cycle: %d loops and the status, median of %d cycles\n", kLoops, kCycles);
  for (int baud : {9600, 38400}) {
    const double floor = FloorMs(baud);
    const double cycle = MeasureCycleMs(baud);
    std::printf("  %5d baud: %7.1f ms, floor %7.1f ms, %.2f x the floor (goal <= 1.05)\n", baud, cycle, floor,
                cycle / floor);
  }
  return 0;
}
