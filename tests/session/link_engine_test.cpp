#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/application.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/pty_server.h"
#include "support/app_bench.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using panelsim::AnswersTo;
using panelsim::Fault;

struct FakeAnalogWindow final : AnalogValuesWindow {
  void RefreshCurrentLoop() override { ++refreshes; }
  int refreshes = 0;
};

struct FakeControlTestWindow final : ControlTestWindow {};

struct FakeCardWindow final : CardProgrammingWindow {
  void ShowProgress() override { ++shown; }
  void EnableSelection(bool enable) override { enables.push_back(enable); }
  int shown = 0;
  std::vector<bool> enables;
};

// Enters a mode without a window, or leaves it (0).
bool SetLinkMode(LinkEngine& engine, int mode) {
  switch (mode) {
    case kLinkAnalogValues: return engine.EnterAnalogValues(nullptr);
    case kLinkCardProgramming: return engine.EnterCardProgramming(nullptr);
    case kLinkControlTest: return engine.EnterControlTest(nullptr);
    default: engine.LeaveMode(); return true;
  }
}

// The application against the simulated panel, with the analog requests
// it made.
struct Engine : test::AppBench {
  std::vector<int> AnalogRequests() const {
    std::vector<int> loops;
    for (const auto& r : panel.requests()) {
      if (r.code == kRequestAnalog) loops.push_back(r.payload.at(0));
      if (r.code == kRequestStatus) loops.push_back(0);
    }
    return loops;
  }
};

TEST(LinkEngine, IdentifiesThePanelEveryFiveSeconds) {
  Engine e;
  e.RunFor(100);
  EXPECT_TRUE(e.app->session().connected());
  EXPECT_EQ(e.app->session().statusText, "7 Gent");
  // The first step finds no panel yet and shows so, the answer brings the text.
  EXPECT_EQ(e.frame.texts, (std::vector<std::string>{"", "7 Gent"}));
  EXPECT_EQ(e.app->engine().idleCountdown(), 10); // armed when the panel was found
  e.RunFor(20'000);
  EXPECT_EQ(e.Requests(kRequestIdentify), 5); // at 0, 5, 10, 15 and 20 s
  // Formatted again only when something changed.
  EXPECT_EQ(e.frame.texts.size(), 2u);

  e.panel.state().panelNumber = 8;
  panelsim::FillText(e.panel.state().identification, "Brandweer");
  e.RunFor(5'000);
  EXPECT_EQ(e.app->session().statusText, "Brandweer - Gent");
  EXPECT_EQ(e.frame.texts.back(), "Brandweer - Gent");
}

TEST(LinkEngine, StrayBytesDelayTheRequestByTwoSeconds) {
  Engine e;
  e.RunFor(100);
  ASSERT_EQ(e.Requests(kRequestIdentify), 1);
  e.RunFor(4'800); // just before the next request is due
  e.channel->Ring().Put(std::vector<std::uint8_t>{0x11, 0x22});
  e.RunFor(200);
  EXPECT_EQ(e.Requests(kRequestIdentify), 1);
  EXPECT_EQ(e.channel->Ring().Count(), 0u);
  e.RunFor(1'900);
  EXPECT_EQ(e.Requests(kRequestIdentify), 1);
  e.RunFor(200);
  EXPECT_EQ(e.Requests(kRequestIdentify), 2);
  EXPECT_TRUE(e.app->session().connected());
}

// The engine is held up (a modal dialog, a transaction) between a request
// and its answer, past the next request's time: the answer waiting in the
// ring is the panel's, so the panel stays connected and is asked again.
TEST(LinkEngine, AnAnswerThatCameWhileTheEngineWasHeldUpCounts) {
  Engine e;
  e.RunFor(100);
  e.RunFor(4'905); // the request at 5 s goes out
  ASSERT_EQ(e.Requests(kRequestIdentify), 2);
  const std::size_t shown = e.frame.texts.size();
  e.channel->Advance(6'000); // its answer comes; no step runs
  ASSERT_GT(e.channel->Ring().Count(), 0u);
  e.app->OnIdle();
  EXPECT_TRUE(e.app->session().connected());
  EXPECT_EQ(e.frame.texts.size(), shown); // no empty panel text in between
  EXPECT_EQ(e.Requests(kRequestIdentify), 3);
}

TEST(LinkEngine, APanelThatStopsAnsweringIsGoneAtTheNextRequest) {
  Engine e;
  e.panel.state().technicianMode = true;
  e.RunFor(100);
  ASSERT_TRUE(e.app->session().connected());
  EXPECT_TRUE(e.app->session().identification.technicianMode);
  e.panel.faults().Add(AnswersTo(Fault::kDrop, kRequestIdentify, panelsim::kUnlimited));
  e.RunFor(5'000); // the request at 5 s goes unanswered
  EXPECT_TRUE(e.app->session().connected());
  e.RunFor(5'000); // at 10 s the loss is seen
  EXPECT_FALSE(e.app->session().connected());
  EXPECT_EQ(e.app->session().statusText, "");
  EXPECT_EQ(e.frame.texts.back(), "");
  EXPECT_FALSE(e.app->session().identification.technicianMode);

  e.panel.faults().Clear();
  e.RunFor(5'100);
  EXPECT_TRUE(e.app->session().connected());
  EXPECT_EQ(e.frame.texts.back(), "7 Gent"); // the text comes back at once
}

TEST(LinkEngine, TechnicianCodeChangesRefreshTheWindow) {
  Engine e;
  e.RunFor(100);
  const int before = e.frame.refreshes;
  e.panel.state().technicianMode = true;
  e.panel.state().technicianCode = {'T', '4', '2'};
  e.RunFor(5'000);
  EXPECT_GT(e.frame.refreshes, before);
  EXPECT_EQ(e.app->session().identification.technicianCode, "T42");
  const int after = e.frame.refreshes;
  e.RunFor(5'000);
  EXPECT_EQ(e.frame.refreshes, after); // nothing new

  // The commands' changes tell the window too; setting the flag it has does not.
  e.app->engine().SetTechnicianMode(true);
  EXPECT_EQ(e.frame.refreshes, after);
  e.app->engine().SetTechnicianMode(false);
  EXPECT_EQ(e.frame.refreshes, after + 1);
  e.app->engine().ClearTechnicianCode();
  EXPECT_EQ(e.frame.refreshes, after + 2);
  EXPECT_EQ(e.app->session().identification.technicianCode, "");
}

TEST(LinkEngine, ARefusedTechnicianModeShowsTheCodeAgainAtTheNextIdentification) {
  Engine e;
  e.panel.state().technicianMode = true;
  e.panel.state().technicianCode = {'T', '4', '2'};
  e.RunFor(100);
  ASSERT_EQ(e.app->session().identification.technicianCode, "T42");
  e.panel.SetHandler(kRequestTechnicianMode, nullptr); // the panel refuses: no answer, no change
  e.app->OnTechnicianMode();
  EXPECT_TRUE(e.app->session().identification.technicianMode);
  EXPECT_EQ(e.app->session().identification.technicianCode, "");
  const int refreshes = e.frame.refreshes;
  e.RunFor(5'000);
  EXPECT_EQ(e.app->session().identification.technicianCode, "T42");
  EXPECT_GT(e.frame.refreshes, refreshes);
}

TEST(LinkEngine, IdleDelayBetweenSteps) {
  Engine e;
  e.RunFor(100);
  ASSERT_TRUE(e.app->session().connected());
  // Supervising: nothing until the next request, at most a second at a time.
  const int delay = e.app->engine().NextIdleDelayMs();
  EXPECT_GT(delay, 5);
  EXPECT_LE(delay, 1000);
  EXPECT_TRUE(e.app->engine().StepsOnArrivingBytes());
  // A complete frame already waiting is taken at once.
  e.channel->Ring().Put(std::vector<std::uint8_t>{0xE0, 'W', 0, 0, 1, 0, 0x27, 0xE1});
  EXPECT_EQ(e.app->engine().NextIdleDelayMs(), 0);
  e.channel->Ring().Flush();
  // A settings change is carried out at once.
  e.app->engine().RequestPort(e.app->engine().requestedPort(), 19200);
  EXPECT_EQ(e.app->engine().NextIdleDelayMs(), 0);
  e.app->OnIdle();
  // Polling: 5 ms between steps, but an answer is taken as soon as it is
  // whole, and the next request follows it 5 ms later.
  e.app->document().serviceState() = PanelServiceState{};
  e.app->document().serviceState().lastLoop = 2;
  e.app->document().serviceState().polledLoop = 1;
  ASSERT_TRUE(e.app->engine().EnterAnalogValues(nullptr));
  bool answered = false;
  for (int ms = 0; ms < 500 && !answered; ++ms) {
    if (ms % 5 == 0) {
      e.app->OnIdle(); // the steps that send the request, then wait for it
      EXPECT_EQ(e.app->engine().NextIdleDelayMs(), 5);
    }
    e.channel->Advance(1);
    answered = e.app->engine().StepsOnArrivingBytes();
  }
  ASSERT_TRUE(answered);
  EXPECT_EQ(e.app->engine().NextIdleDelayMs(), 0);
  e.app->OnIdle(); // takes it
  EXPECT_EQ(e.app->engine().idleCountdown(), 0);
  EXPECT_EQ(e.app->engine().NextIdleDelayMs(), 5);
  EXPECT_FALSE(e.app->engine().StepsOnArrivingBytes());
}

TEST(LinkEngine, AnalogValuesLoopByLoopThenTheStatus) {
  Engine e;
  e.RunFor(100);
  FakeAnalogWindow window;
  auto& service = e.app->document().serviceState();
  service.firstLoop = 1;
  service.lastLoop = 3;
  service.polledLoop = 1;
  ASSERT_TRUE(e.app->engine().EnterAnalogValues(&window));
  e.panel.ClearRequests();
  e.RunFor(2'000);
  const auto polled = e.AnalogRequests();
  ASSERT_GE(polled.size(), 8u);
  EXPECT_EQ(std::vector<int>(polled.begin(), polled.begin() + 8), (std::vector<int>{1, 2, 3, 0, 1, 2, 3, 0}));
  EXPECT_EQ(e.Requests(kRequestIdentify), 0); // no supervision meanwhile
  EXPECT_GE(window.refreshes, 7);
  EXPECT_EQ(service.analogLoops[2].value, static_cast<std::uint32_t>(e.panel.state().Loop(2).value));
}

TEST(LinkEngine, AnalogPollingRestartsAfterALostStatusAnswer) {
  Engine e;
  e.RunFor(100);
  FakeAnalogWindow window;
  auto& service = e.app->document().serviceState();
  service.firstLoop = 2;
  service.lastLoop = 2;
  service.polledLoop = 2;
  e.panel.faults().Add(AnswersTo(Fault::kDrop, kRequestStatus, 1));
  ASSERT_TRUE(e.app->engine().EnterAnalogValues(&window));
  e.panel.ClearRequests();
  e.RunFor(6'000); // 1000 steps without an answer, then on
  const auto polled = e.AnalogRequests();
  ASSERT_GE(polled.size(), 4u);
  EXPECT_EQ(std::vector<int>(polled.begin(), polled.begin() + 4), (std::vector<int>{2, 0, 2, 0}));
}

TEST(LinkEngine, AnalogAnswerWithoutTheWindowDoesNotAdvance) {
  Engine e;
  e.RunFor(100);
  auto& service = e.app->document().serviceState();
  service.firstLoop = 1;
  service.lastLoop = 4;
  service.polledLoop = 1;
  ASSERT_TRUE(e.app->engine().EnterAnalogValues(nullptr));
  e.RunFor(500);
  EXPECT_EQ(service.polledLoop, 1);
}

TEST(LinkEngine, CardProgrammingCountdownGivesTheSelectionBack) {
  Engine e;
  FakeCardWindow window;
  ASSERT_TRUE(e.app->engine().EnterCardProgramming(&window));
  EXPECT_EQ(e.app->engine().idleCountdown(), 1500);
  e.RunFor(5 * 1499);
  EXPECT_TRUE(window.enables.empty());
  e.RunFor(5);
  EXPECT_EQ(window.enables, std::vector<bool>{true});
  e.RunFor(5'000);
  EXPECT_EQ(window.enables.size(), 1u);
  EXPECT_EQ(e.Requests(kRequestIdentify), 0); // no supervision in this mode
  e.app->engine().ArmIdleCountdown();
  EXPECT_LT(e.app->engine().idleCountdown(), 0); // not armed in this mode
}

TEST(LinkEngine, LinkModeChanges) {
  Engine e;
  struct Step {
    int mode;
    bool accepted;
    int after;
  };
  const Step steps[] = {{3, true, 3},  {1, false, 3}, {3, false, 3}, {0, true, 0}, {1, true, 1},
                        {2, false, 1}, {0, true, 0},  {0, true, 0},  {2, true, 2}};
  for (const auto& s : steps) {
    EXPECT_EQ(SetLinkMode(e.app->engine(), s.mode), s.accepted) << s.mode;
    EXPECT_EQ(e.app->engine().GetLinkMode(), s.after);
  }
}

TEST(LinkEngine, ASettingsChangeReopensThePortAndDoesNothingElseThatStep) {
  Engine e;
  e.app->engine().OpenPort(3, 9600);
  e.channel->opens.clear();
  e.app->engine().RequestPort(3, 38400); // the baud only
  e.app->OnIdle();
  ASSERT_EQ(e.channel->opens.size(), 1u);
  EXPECT_EQ(e.channel->opens[0].port, 3);
  EXPECT_EQ(e.channel->opens[0].baud, 38400);
  EXPECT_EQ(e.Requests(kRequestIdentify), 0);
  e.app->OnIdle();
  EXPECT_EQ(e.channel->opens.size(), 1u);
  // Choosing the same port again retries it when it is closed.
  e.channel->Close();
  e.app->engine().RequestPort(3, 38400);
  e.app->OnIdle();
  EXPECT_EQ(e.channel->opens.size(), 2u);
}

// Each mode is entered with its window and left with it on every way out:
// back to supervision, the window going, and the application going first.
TEST(LinkEngine, AModeAndItsWindowAreLeftTogether) {
  enum class Way { Supervision, WindowGoes, ApplicationGoes };
  struct Windows {
    std::unique_ptr<FakeAnalogWindow> analog = std::make_unique<FakeAnalogWindow>();
    std::unique_ptr<FakeCardWindow> card = std::make_unique<FakeCardWindow>();
    std::unique_ptr<FakeControlTestWindow> test = std::make_unique<FakeControlTestWindow>();
    // What the engine has shown in them so far.
    std::size_t Calls() const { return analog->refreshes + card->shown + card->enables.size(); }
  };
  for (int mode : {kLinkAnalogValues, kLinkCardProgramming, kLinkControlTest}) {
    for (Way way : {Way::Supervision, Way::WindowGoes, Way::ApplicationGoes}) {
      const std::string label = "mode " + std::to_string(mode) + " way " + std::to_string(static_cast<int>(way));
      Engine e;
      e.RunFor(100);
      auto& service = e.app->document().serviceState();
      service.firstLoop = service.polledLoop = 1;
      service.lastLoop = 2;
      Windows w;
      ServiceWindow* window = mode == kLinkAnalogValues      ? static_cast<ServiceWindow*>(w.analog.get())
                              : mode == kLinkCardProgramming ? static_cast<ServiceWindow*>(w.card.get())
                                                             : static_cast<ServiceWindow*>(w.test.get());
      const int refreshes = e.frame.refreshes;
      ASSERT_TRUE(window->EnterLinkMode(e.app->engine())) << label;
      EXPECT_TRUE(window->served());
      EXPECT_EQ(e.app->engine().GetLinkMode(), mode);
      EXPECT_GT(e.frame.refreshes, refreshes) << label;              // the enable rules follow the mode
      EXPECT_FALSE(window->EnterLinkMode(e.app->engine())) << label; // once
      e.RunFor(8'000);                                               // long enough for the card countdown to run out
      if (mode != kLinkControlTest) {
        EXPECT_GT(w.Calls(), 0u) << label;
      }

      switch (way) {
        case Way::Supervision: e.app->engine().LeaveMode(); break;
        case Way::WindowGoes:
          if (mode == kLinkAnalogValues) w.analog.reset();
          if (mode == kLinkCardProgramming) w.card.reset();
          if (mode == kLinkControlTest) w.test.reset();
          window = nullptr;
          break;
        case Way::ApplicationGoes: e.app.reset(); break;
      }
      if (window) {
        EXPECT_FALSE(window->served()) << label;
      }
      if (!e.app) continue; // the window outlives the program's objects, and goes safely
      EXPECT_EQ(e.app->engine().GetLinkMode(), kLinkSupervision) << label;
      const std::size_t calls = (w.analog && w.card) ? w.Calls() : 0;
      e.RunFor(8'000);
      if (w.analog && w.card) {
        EXPECT_EQ(w.Calls(), calls) << label; // dropped: never reached again
      }
      EXPECT_GE(e.Requests(kRequestIdentify), 2) << label; // supervision is back
      // Another window can take a mode now; the one dropped can come back.
      FakeControlTestWindow other;
      EXPECT_TRUE(other.EnterLinkMode(e.app->engine())) << label;
      other.LeaveLinkMode();
      if (window) {
        EXPECT_TRUE(window->EnterLinkMode(e.app->engine())) << label;
        window->LeaveLinkMode();
      }
      EXPECT_EQ(e.app->engine().GetLinkMode(), kLinkSupervision) << label;
    }
  }
}

// A panel on a pseudo-terminal that the program reaches through a device name
// of its own, as an adapter that comes and goes keeps its name.
class PanelOnDevice {
public:
  PanelOnDevice(const std::string& device, const char* name) : device_(device), server_(panel_) {
    panelsim::FillText(panel_.state().identification, "");
    panelsim::FillText(panel_.state().panelName, name);
    panel_.SetBaud(0);
    ok_ = server_.Open();
    std::filesystem::remove(device_);
    std::filesystem::create_symlink(server_.SlavePath(), device_);
    serving_ = std::thread([this] { server_.Serve(); });
  }
  ~PanelOnDevice() {
    server_.Stop();
    serving_.join();
  }
  bool ok() const { return ok_; }
  // The line drops: the panel's end closes, as when a cable is pulled.
  void HangUp() {
    server_.WithEngine([](panelsim::Engine& e) { e.HangUp(); });
    serving_.join();
    serving_ = std::thread([] {});
  }

private:
  std::string device_;
  panelsim::Engine panel_;
  panelsim::PtyServer server_;
  std::thread serving_;
  bool ok_ = false;
};

// The line hangs up and comes back on the same device: the panel is missed at
// once and found again without a user's action, and no box says anything.
TEST(LinkEngine, ReconnectsByItselfWhenTheLineComesBack) {
  test::TempDir dir;
  const std::string device = dir.File("ttyPanel");
  test::FakeSeams fakes;
  fakes.settings.program = {{"Com_port", "COM9"}, {"Devices/COM9", device}};
  test::FakeFrame frame;
  auto first = std::make_unique<PanelOnDevice>(device, "Gent");
  ASSERT_TRUE(first->ok());
  const AppSeams seams{fakes.host, fakes.settings, SystemClock::Instance(), fakes.files, fakes.dialogs, fakes.shell};
  auto port =
      std::make_unique<Ser_port>(fakes.host, [&](const std::string& key) { return fakes.settings.ProgramValue(key); });
  Ser_port& line = *port;
  CPc_kx700App app(seams, std::move(port));
  app.engine().SetSupervisionTiming({200, 100});
  test::NoStartup startup;
  app.InitInstance(startup, {});
  app.SetFrameHost(&frame);
  // Idle steps for real, until `done` or 5 s.
  const auto runUntil = [&](const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < end) {
      app.OnIdle();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
  };

  ASSERT_TRUE(runUntil([&] { return app.session().connected(); }));
  EXPECT_EQ(app.session().statusText, "1 Gent");
  first->HangUp();
  ASSERT_TRUE(runUntil([&] { return !app.session().connected(); }));
  EXPECT_EQ(frame.texts.back(), "");
  EXPECT_FALSE(line.IsOpen()); // closed, and tried again on the supervision period
  first.reset();

  PanelOnDevice second(device, "Brugge");
  ASSERT_TRUE(second.ok());
  ASSERT_TRUE(runUntil([&] { return app.session().connected(); }));
  EXPECT_EQ(app.session().statusText, "1 Brugge");
  EXPECT_EQ(frame.texts.back(), "1 Brugge");
  EXPECT_TRUE(fakes.host.boxes().empty());
}

} // namespace
} // namespace kx700
