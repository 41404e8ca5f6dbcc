#include <gtest/gtest.h>

#include "app/application.h"
#include "panelsim/engine.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_settings.h"
#include "support/sim_channel.h"

namespace kx700 {
namespace {

using panelsim::AnswersTo;
using panelsim::Fault;
using test::FakeClock;
using test::FakeMessageHost;
using test::FakeSettings;
using test::SimChannel;

struct FakeFrame final : FrameHost {
  void SetDialogBarText(const std::string& text) override { texts.push_back(text); }
  void RefreshCommandStates() override { ++refreshes; }
  std::vector<std::string> texts;
  int refreshes = 0;
};

struct FakeAnalogWindow final : AnalogValuesWindow {
  void RefreshCurrentLoop() override { ++refreshes; }
  int refreshes = 0;
};

struct FakeCardWindow final : CardProgrammingWindow {
  void ShowProgress() override { ++shown; }
  void EnableSelection(bool enable) override { enables.push_back(enable); }
  int shown = 0;
  std::vector<bool> enables;
};

// The application against the simulated panel; the idle timer ticks every
// 5 ms of virtual time.
struct Engine {
  FakeClock clock;
  panelsim::Engine panel;
  SimChannel* channel;
  FakeMessageHost host;
  FakeSettings settings;
  FakeFrame frame;
  test::FakeFileDialogs dialogs;
  std::unique_ptr<CPc_kx700App> app;

  Engine() {
    panel.SetBaud(9600);
    auto owned = std::make_unique<SimChannel>(clock, panel);
    channel = owned.get();
    app = std::make_unique<CPc_kx700App>(host, settings, clock, dialogs, std::move(owned));
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
  EXPECT_TRUE(e.app->connected);
  EXPECT_EQ(e.app->statusText, "7 Gent");
  // The first step finds no panel yet and shows so, the answer brings the text.
  EXPECT_EQ(e.frame.texts, (std::vector<std::string>{"", "7 Gent"}));
  EXPECT_EQ(e.app->idleCountdown, 10); // armed when the panel was found
  e.RunFor(20'000);
  EXPECT_EQ(e.Requests(kRequestIdentify), 5); // at 0, 5, 10, 15 and 20 s
  // Formatted again only when something changed.
  EXPECT_EQ(e.frame.texts.size(), 2u);

  e.panel.state().panelNumber = 8;
  panelsim::FillText(e.panel.state().identification, "Brandweer");
  e.RunFor(5'000);
  EXPECT_EQ(e.app->statusText, "Brandweer - Gent");
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
  EXPECT_TRUE(e.app->connected);
}

TEST(LinkEngine, APanelThatStopsAnsweringIsGoneAtTheNextRequest) {
  Engine e;
  e.panel.state().technicianMode = true;
  e.RunFor(100);
  ASSERT_TRUE(e.app->connected);
  EXPECT_TRUE(e.app->identification.technicianMode);
  e.panel.faults().Add(AnswersTo(Fault::kDrop, kRequestIdentify, panelsim::kUnlimited));
  e.RunFor(5'000); // the request at 5 s goes unanswered
  EXPECT_TRUE(e.app->connected);
  e.RunFor(5'000); // at 10 s the loss is seen
  EXPECT_FALSE(e.app->connected);
  EXPECT_EQ(e.app->statusText, "");
  EXPECT_EQ(e.frame.texts.back(), "");
  EXPECT_FALSE(e.app->identification.technicianMode);

  e.panel.faults().Clear();
  e.RunFor(5'100);
  EXPECT_TRUE(e.app->connected);
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
  EXPECT_EQ(e.app->identification.technicianCode, "T42");
  const int after = e.frame.refreshes;
  e.RunFor(5'000);
  EXPECT_EQ(e.frame.refreshes, after); // nothing new
}

TEST(LinkEngine, ARefusedTechnicianModeShowsTheCodeAgainAtTheNextIdentification) {
  Engine e;
  e.panel.state().technicianMode = true;
  e.panel.state().technicianCode = {'T', '4', '2'};
  e.RunFor(100);
  ASSERT_EQ(e.app->identification.technicianCode, "T42");
  e.panel.SetHandler(kRequestTechnicianMode, nullptr); // the panel refuses: no answer, no change
  e.app->OnTechnicianMode();
  EXPECT_TRUE(e.app->identification.technicianMode);
  EXPECT_EQ(e.app->identification.technicianCode, "");
  const int refreshes = e.frame.refreshes;
  e.RunFor(5'000);
  EXPECT_EQ(e.app->identification.technicianCode, "T42");
  EXPECT_GT(e.frame.refreshes, refreshes);
}

TEST(LinkEngine, IdleDelayBetweenSteps) {
  Engine e;
  e.RunFor(100);
  ASSERT_TRUE(e.app->connected);
  // Supervising: nothing until the next request, at most a second at a time.
  const int delay = e.app->NextIdleDelayMs();
  EXPECT_GT(delay, 5);
  EXPECT_LE(delay, 1000);
  EXPECT_TRUE(e.app->StepsOnArrivingBytes());
  // A complete frame already waiting is taken at once.
  e.channel->Ring().Put(std::vector<std::uint8_t>{0xE0, 'W', 0, 0, 1, 0, 0x27, 0xE1});
  EXPECT_EQ(e.app->NextIdleDelayMs(), 0);
  e.channel->Ring().Flush();
  // A settings change is carried out at once.
  e.app->requestedBaud = 19200;
  EXPECT_EQ(e.app->NextIdleDelayMs(), 0);
  e.app->OnIdle();
  // Polling: 5 ms after a step that waited, at once after one that took an answer.
  e.app->document().serviceState() = PanelServiceState{};
  e.app->document().serviceState().lastLoop = 2;
  e.app->document().serviceState().polledLoop = 1;
  ASSERT_TRUE(e.app->SetLinkMode(kLinkAnalogValues));
  EXPECT_FALSE(e.app->StepsOnArrivingBytes());
  e.app->OnIdle(); // sends the request
  EXPECT_EQ(e.app->NextIdleDelayMs(), 5);
  bool answered = false;
  for (int i = 0; i < 100 && !answered; ++i) {
    e.channel->Advance(5);
    e.app->OnIdle();
    answered = e.app->NextIdleDelayMs() == 0;
  }
  EXPECT_TRUE(answered);
}

TEST(LinkEngine, AnalogValuesLoopByLoopThenTheStatus) {
  Engine e;
  e.RunFor(100);
  FakeAnalogWindow window;
  e.app->analogWindow = &window;
  auto& service = e.app->document().serviceState();
  service.firstLoop = 1;
  service.lastLoop = 3;
  service.polledLoop = 1;
  ASSERT_TRUE(e.app->SetLinkMode(kLinkAnalogValues));
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
  e.app->analogWindow = &window;
  auto& service = e.app->document().serviceState();
  service.firstLoop = 2;
  service.lastLoop = 2;
  service.polledLoop = 2;
  e.panel.faults().Add(AnswersTo(Fault::kDrop, kRequestStatus, 1));
  ASSERT_TRUE(e.app->SetLinkMode(kLinkAnalogValues));
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
  ASSERT_TRUE(e.app->SetLinkMode(kLinkAnalogValues));
  e.RunFor(500);
  EXPECT_EQ(service.polledLoop, 1);
}

TEST(LinkEngine, CardProgrammingCountdownGivesTheSelectionBack) {
  Engine e;
  FakeCardWindow window;
  e.app->cardWindow = &window;
  ASSERT_TRUE(e.app->SetLinkMode(kLinkCardProgramming));
  EXPECT_EQ(e.app->idleCountdown, 1500);
  e.RunFor(5 * 1499);
  EXPECT_TRUE(window.enables.empty());
  e.RunFor(5);
  EXPECT_EQ(window.enables, std::vector<bool>{true});
  e.RunFor(5'000);
  EXPECT_EQ(window.enables.size(), 1u);
  EXPECT_EQ(e.Requests(kRequestIdentify), 0); // no supervision in this mode
  e.app->ArmIdleCountdown();
  EXPECT_LT(e.app->idleCountdown, 0); // not armed in this mode
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
    EXPECT_EQ(e.app->SetLinkMode(s.mode), s.accepted) << s.mode;
    EXPECT_EQ(e.app->GetLinkMode(), s.after);
  }
}

TEST(LinkEngine, ASettingsChangeReopensThePortAndDoesNothingElseThatStep) {
  Engine e;
  e.app->activePort = e.app->requestedPort = 3;
  e.app->requestedBaud = 38400; // the baud only
  e.app->OnIdle();
  ASSERT_EQ(e.channel->opens.size(), 1u);
  EXPECT_EQ(e.channel->opens[0].port, 3);
  EXPECT_EQ(e.channel->opens[0].baud, 38400);
  EXPECT_EQ(e.Requests(kRequestIdentify), 0);
  e.app->OnIdle();
  EXPECT_EQ(e.channel->opens.size(), 1u);
  // Choosing the same port again retries it when it is closed.
  e.channel->Close();
  e.app->RequestPortRetry();
  e.app->OnIdle();
  EXPECT_EQ(e.channel->opens.size(), 2u);
}

} // namespace
} // namespace kx700
