// How close the parameter transfers and the logbook reading come to the
// line's own limit. The protocol is stop-and-wait, so the time the bytes need
// on the line (10 bits each at the baud rate, both directions) is the least
// any transfer can take; the ratio shows what the program adds to it.
//
// Runs the program's serial port on a pseudo-terminal against the simulated
// panel, which paces every byte at the baud rate in both directions and
// answers without a think time of its own.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "common/clock.h"
#include "common/message_host.h"
#include "link/panel_link.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/parameter_image.h"
#include "panelsim/pty_server.h"

using namespace kx700;

namespace {

class QuietHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest& request) override {
    std::fprintf(stderr, "box: %s: %s\n", request.caption.c_str(), request.text.c_str());
    return MessageAnswer::Ok;
  }
};

class NoProgress final : public ProgressSink {
public:
  bool IsProgressShown() const override { return false; }
  bool ShowProgress(ProgressText, int) override { return false; }
  void StepProgress() override {}
  void HideProgress() override {}
};

// Counts the bytes that go out; the ring counts those that come in.
class CountingChannel final : public ByteChannel {
public:
  explicit CountingChannel(ByteChannel& inner) : inner_(inner) {}
  bool IsOpen() const override { return inner_.IsOpen(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    written += bytes.size();
    return inner_.Write(bytes);
  }
  RxRing& Ring() override { return inner_.Ring(); }
  void WaitForInput(std::uint64_t seen, int ms) override { inner_.WaitForInput(seen, ms); }
  std::uint64_t written = 0;

private:
  ByteChannel& inner_;
};

struct Run {
  const char* what;
  std::function<bool(CPanelLink&, CPc_kx700Doc&)> body;
};

} // namespace

int main() {
  std::printf("%-32s %6s %9s %9s %9s %9s %7s\n", "operation", "baud", "elapsed_s", "bytes_out", "bytes_in", "line_s",
              "ratio");
  bool allOk = true;
  for (int baud : {9600, 38400}) {
    panelsim::Engine panel(panelsim::RealisticPanel());
    panel.SetBaud(baud);
    panel.SetPaceReception(true);
    panel.SetAnswerDelayUs(0); // the line alone: no think time of the panel
    panel.SetProgramCardsAfterDownload(false);
    panel.SetKeepRequests(false);
    panel.state().image = panelsim::LargestImage();
    panel.state().logbook = panelsim::MakeLogbook(250);
    panelsim::PtyServer server(panel);
    if (!server.Open()) {
      std::fprintf(stderr, "cannot open a pseudo-terminal: %s\n", server.error().c_str());
      return 1;
    }
    std::thread serving([&] { server.Serve(); });

    QuietHost host;
    NoProgress progress;
    Ser_port port(host);
    if (!port.OpenDevice(server.SlavePath(), baud)) return 1;
    CountingChannel counted(port);
    CPanelLink link(counted, SystemClock::Instance(), host, progress);
    CPc_kx700Doc doc;

    const Run runs[] = {
        {"upload largest configuration",
         [](CPanelLink& l, CPc_kx700Doc& d) {
           Configuration received;
           if (!l.ReceiveParameters(received, 0, false)) return false;
           d.AdoptConfiguration(std::move(received));
           return true;
         }},
        {"download largest configuration",
         [](CPanelLink& l, CPc_kx700Doc& d) { return l.SendParameters(d, 0, false, false); }},
        {"logbook of 250 entries", [](CPanelLink& l, CPc_kx700Doc& d) { return l.ReadLogbook(d, 250, 0); }},
    };
    for (const auto& run : runs) {
      const std::uint64_t out0 = counted.written, in0 = port.Ring().Written();
      const auto start = std::chrono::steady_clock::now();
      const bool ok = run.body(link, doc);
      const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const std::uint64_t out = counted.written - out0, in = port.Ring().Written() - in0;
      const double line = static_cast<double>(out + in) * 10.0 / baud;
      std::printf("%-32s %6d %9.3f %9llu %9llu %9.3f %7.3f%s\n", run.what, baud, elapsed,
                  static_cast<unsigned long long>(out), static_cast<unsigned long long>(in), line, elapsed / line,
                  ok ? "" : "  FAILED");
      allOk = allOk && ok;
    }
    port.Close();
    server.Stop();
    serving.join();
  }
  return allOk ? 0 : 1;
}
