#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "panelsim/engine.h"
#include "support/fake_seams.h"
#include "support/sim_channel.h"

namespace kx700::test {

// The main window as the application object sees it: what it was told.
struct FakeFrame final : FrameHost {
  void PanelSessionChanged(const PanelSession& session) override {
    texts.push_back(session.statusText);
    ++refreshes; // the enable rules follow the session
  }
  void RefreshCommandStates() override { ++refreshes; }
  void CloseMainWindow() override { ++closes; }
  std::vector<std::string> texts; // the dialog bar, one entry each time it was set
  int refreshes = 0;
  int closes = 0;
};

// The application object against the simulated panel on virtual time, with
// every window-system seam faked; the idle timer ticks every 5 ms.
struct AppBench : FakeSeams {
  panelsim::Engine panel;
  SimChannel* channel;
  FakeFrame frame;
  std::unique_ptr<CPc_kx700App> app;

  AppBench() {
    panel.SetBaud(9600);
    auto owned = std::make_unique<SimChannel>(clock, panel);
    channel = owned.get();
    app = std::make_unique<CPc_kx700App>(seams(), std::move(owned));
    NoStartup startup;
    app->InitInstance(startup, {});
    app->SetFrameHost(&frame);
    auto& s = panel.state();
    panelsim::FillText(s.identification, "");
    panelsim::FillText(s.panelName, "Gent");
    s.panelNumber = 7;
  }
  void RunFor(int ms) {
    for (int t = 0; t < ms; t += 5) {
      channel->Advance(5);
      app->OnIdle();
    }
  }
  int Requests(int code) const {
    return static_cast<int>(std::count_if(panel.requests().begin(), panel.requests().end(),
                                          [code](const panelsim::Request& r) { return r.code == code; }));
  }
};

} // namespace kx700::test
