// The menu commands of the application object on virtual time against the
// simulated panel, with the dialogs answered through their seam.
#include <gtest/gtest.h>

#include "app/application.h"
#include "support/app_bench.h"
#include "support/fake_port.h"

namespace kx700 {
namespace {

// "Communicatie": the dialog shows the requested port and rate; OK requests
// the chosen ones, and the next idle step opens them, also the same port
// again when it is closed; Cancel changes nothing.
TEST(PanelCommands, CommunicationSettingsChooseThePortTheEngineOpens) {
  test::FakeSeams fakes;
  auto& [host, settings, clock, files, dialogs, shell] = fakes;
  std::vector<std::string> log;
  auto owned = std::make_unique<test::FakePort>();
  test::FakePort& port = *owned;
  port.log = &log;
  CPc_kx700App app(fakes.seams(), std::move(owned));
  settings.program["Com_port"] = "COM3";
  app.ReadComPortSetting();

  struct Step {
    std::optional<CommunicationChoice> answer;
    bool portOpenBefore;
    std::vector<std::string> opened; // by the next idle step
    CommunicationChoice requestedAfter;
  };
  const Step steps[] = {
      {CommunicationChoice{5, 19200}, true, {"close", "open COM5 19200"}, {5, 19200}},
      {std::nullopt, true, {}, {5, 19200}},                                         // Cancel
      {CommunicationChoice{5, 19200}, true, {}, {5, 19200}},                        // the same, open: nothing to do
      {CommunicationChoice{5, 19200}, false, {"open COM5 19200"}, {5, 19200}},      // the same, closed: retried
      {CommunicationChoice{5, 2400}, true, {"close", "open COM5 2400"}, {5, 2400}}, // the rate only
  };
  CommunicationChoice shown{3, 9600};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const Step& s = steps[i];
    if (!s.portOpenBefore) port.Close();
    log.clear();
    dialogs.communication.push_back(s.answer);
    ASSERT_TRUE(app.Dispatch(kCmdCommunication)) << i;
    ASSERT_EQ(dialogs.communicationShown.size(), i + 1);
    EXPECT_EQ(dialogs.communicationShown.back().port, shown.port) << i;
    EXPECT_EQ(dialogs.communicationShown.back().baud, shown.baud) << i;
    EXPECT_TRUE(log.empty()) << i; // the dialog only requests
    app.OnIdle();
    EXPECT_EQ(log, s.opened) << i;
    EXPECT_EQ(app.engine().requestedPort(), s.requestedAfter.port) << i;
    EXPECT_EQ(app.engine().requestedBaud(), s.requestedAfter.baud) << i;
    shown = s.requestedAfter;
  }
  app.ExitInstance();
  EXPECT_EQ(settings.program["Com_port"], "COM5");

  // Not in supervision: the settings cannot be changed.
  ASSERT_TRUE(app.engine().EnterControlTest(nullptr));
  EXPECT_FALSE(app.Dispatch(kCmdCommunication));
  EXPECT_EQ(dialogs.communicationShown.size(), std::size(steps));
  EXPECT_TRUE(host.boxes().empty());
}

// After a send the panel restarts: the dialog bar loses its text and the
// commands that need a panel go off in the same step.
TEST(PanelCommands, ASendForgetsThePanelInTheDialogBarAndTheRulesAlike) {
  test::AppBench b;
  b.panel.SetProgramCardsAfterDownload(false);
  b.RunFor(100);
  ASSERT_TRUE(b.app->session().connected());
  ASSERT_EQ(b.frame.texts.back(), "7 Gent");
  ASSERT_TRUE(b.app->Dispatch(kCmdReceive)); // the panel's own configuration goes back
  b.host.Answer(MessageAnswer::Ok);          // overwrite the panel's configuration
  const std::size_t texts = b.frame.texts.size();
  ASSERT_TRUE(b.app->Dispatch(kCmdSend));
  EXPECT_EQ(b.host.boxes().back().text, "Transmissie succesvol!");
  ASSERT_EQ(b.frame.texts.size(), texts + 1);
  EXPECT_EQ(b.frame.texts.back(), "");
  EXPECT_FALSE(b.app->session().connected());
  EXPECT_FALSE(b.app->IsCommandEnabled(kCmdSend));
  EXPECT_FALSE(b.app->IsCommandEnabled(kCmdSilence));
  // The next identification brings both back.
  b.RunFor(5'100);
  EXPECT_EQ(b.frame.texts.back(), "7 Gent");
  EXPECT_TRUE(b.app->IsCommandEnabled(kCmdSend));
}

TEST(PanelCommands, AboutBoxAndExit) {
  test::AppBench b;
  ASSERT_TRUE(b.app->Dispatch(kCmdAbout));
  ASSERT_EQ(b.dialogs.abouts.size(), 1u);
  EXPECT_EQ(b.dialogs.abouts[0].programVersion, "1.02  02");
  EXPECT_EQ(b.dialogs.abouts[0].panelLabel, "");
  EXPECT_EQ(b.dialogs.abouts[0].panelVersion, "");

  b.panel.state().firmwareMajor = 2;
  b.panel.state().firmwareMinor = 1;
  b.panel.state().firmwareBuild = 7;
  b.RunFor(100);
  ASSERT_TRUE(b.app->Dispatch(kCmdAbout));
  EXPECT_EQ(b.dialogs.abouts[1].panelLabel, "Centrale");
  EXPECT_EQ(b.dialogs.abouts[1].panelVersion, "2.01  07");
  EXPECT_EQ(b.dialogs.abouts[1].conflict, "Versie conflict!");

  ASSERT_TRUE(b.app->Dispatch(kCmdAppExit));
  EXPECT_EQ(b.frame.closes, 1);
  EXPECT_TRUE(b.host.boxes().empty());
}

} // namespace
} // namespace kx700
