#pragma once

#include "link/panel_link.h"
#include "panelsim/engine.h"
#include "support/fake_clock.h"
#include "support/fake_message_host.h"
#include "support/fake_progress.h"
#include "support/sim_channel.h"

namespace kx700::test {

// The program's link against the simulated panel, on virtual time.
struct LinkBench {
  FakeClock clock;
  panelsim::Engine panel;
  SimChannel channel{clock, panel};
  FakeMessageHost host;
  FakeProgress progress;
  CPanelLink link{channel, clock, host, progress};
  int countdowns = 0;

  LinkBench() {
    link.SetIdleCountdownHook([this] { ++countdowns; });
  }
  std::int64_t Elapsed(std::int64_t since) const { return clock.SteadyMs() - since; }
};

} // namespace kx700::test
