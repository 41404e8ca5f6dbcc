#pragma once

#include <cstdint>
#include <vector>

#include "link/byte_channel.h"
#include "panelsim/engine.h"
#include "support/fake_clock.h"

namespace kx700::test {

// The line to the simulated panel inside the test process, on virtual time:
// what the program writes reaches the panel at once, and waiting for input
// moves the fake clock on to the panel's next byte, paced as the panel says.
class SimChannel final : public PortChannel {
public:
  SimChannel(FakeClock& clock, panelsim::Engine& engine) : clock_(clock), engine_(engine) {}

  bool Open(int port, int baud) override {
    opens.push_back({port, baud});
    open_ = true;
    return true;
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_ && !engine_.HungUp(); }
  bool Write(std::span<const std::uint8_t> bytes) override {
    if (!IsOpen()) return false;
    engine_.Receive(bytes, NowUs());
    Pump();
    return true;
  }
  RxRing& Ring() override { return ring_; }
  void WaitForInput(std::uint64_t seen, int ms) override {
    const std::int64_t until = clock_.SteadyMs() + ms;
    for (;;) {
      Pump();
      if (ring_.Written() > seen) return;
      const auto next = engine_.NextDueUs();
      const std::int64_t nextMs = next ? (*next + 999) / 1000 : until + 1;
      if (!pending_.empty() || nextMs > until) {
        clock_.Advance(until - clock_.SteadyMs());
        Pump();
        return;
      }
      if (nextMs > clock_.SteadyMs()) clock_.Advance(nextMs - clock_.SteadyMs());
    }
  }

  // Lets `ms` pass and hands over what the panel sent meanwhile, as the
  // reader thread would.
  void Advance(int ms) {
    clock_.Advance(ms);
    Pump();
  }

  struct Opening {
    int port, baud;
  };
  std::vector<Opening> opens;

private:
  std::int64_t NowUs() const { return clock_.SteadyMs() * 1000; }
  // Moves the panel's due bytes into the ring; what does not fit waits, as
  // it would in the driver.
  void Pump() {
    engine_.TakeDue(NowUs(), pending_);
    const std::size_t put = ring_.Put(pending_);
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(put));
  }

  FakeClock& clock_;
  panelsim::Engine& engine_;
  RxRing ring_;
  std::vector<std::uint8_t> pending_;
  bool open_ = true;
};

} // namespace kx700::test
