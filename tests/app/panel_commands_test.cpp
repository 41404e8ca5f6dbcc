// The menu commands of the application object on virtual time against the
// simulated panel, with the dialogs answered through their seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "app/application.h"
#include "panelsim/parameter_image.h"
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

// "Ontvangen" from a 1.01 panel: after the image it reads record 0, then the
// periphery versions of records 32, 20 and 19, which replace what the image
// held for the repeater panels, the relay cards and the power supply.
TEST(PanelCommands, ReceiveTakesThePeripheryVersionsFromThePanelsRecords) {
  test::AppBench b;
  auto& s = b.panel.state();
  std::array<std::uint8_t, 32> repeaters{}, cards{}, power{};
  for (std::size_t i = 0; i < 32; ++i) {
    repeaters[i] = static_cast<std::uint8_t>(0x21 + i); // beyond 16: not a version
    cards[i] = static_cast<std::uint8_t>(0x51 + i);
    power[i] = static_cast<std::uint8_t>(0x71 + i); // beyond 2: not a version
  }
  s.records32[32] = repeaters;
  s.records32[20] = cards;
  s.records32[19] = power;
  // What the image holds for those blocks, with the versions read put in.
  const auto records = panelsim::ReadImage(s.image);
  ASSERT_TRUE(records);
  std::vector<std::uint8_t> repeaterBlock, versionBlock;
  for (const auto& r : *records) {
    if (r.tag == panelsim::tag::kRepeater) repeaterBlock = r.bytes;
    if (r.tag == panelsim::tag::kPeripheryVersion) versionBlock = r.bytes;
  }
  ASSERT_EQ(repeaterBlock.size(), RepeaterBlock::kSize);
  ASSERT_EQ(versionBlock.size(), PeripheryVersionBlock::kSize);
  ASSERT_NE(repeaterBlock[RepeaterBlock::VersionOffset(0)], repeaters[0]);
  ASSERT_NE(versionBlock[PeripheryVersionBlock::kPowerSupplyVersion], power[0]);
  ASSERT_NE(versionBlock[PeripheryVersionBlock::CardVersionOffset(0)], cards[0]);
  std::copy_n(repeaters.begin(), 16, repeaterBlock.begin() + RepeaterBlock::VersionOffset(0));
  std::copy_n(cards.begin(), 16, versionBlock.begin() + PeripheryVersionBlock::CardVersionOffset(0));
  std::copy_n(power.begin(), 2, versionBlock.begin() + PeripheryVersionBlock::kPowerSupplyVersion);

  b.RunFor(100);
  ASSERT_TRUE(b.app->session().connected());
  b.panel.ClearRequests();
  ASSERT_TRUE(b.app->Dispatch(kCmdReceive));
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].text, "Transmissie succesvol!");

  std::vector<std::pair<int, int>> reads; // request code, record number
  for (const auto& r : b.panel.requests()) {
    if (r.code == panelsim::req::kRecord16 || r.code == panelsim::req::kRecord32)
      reads.emplace_back(r.code, r.payload.at(0));
  }
  const std::vector<std::pair<int, int>> expected{{panelsim::req::kRecord16, 0},
                                                  {panelsim::req::kRecord32, 32},
                                                  {panelsim::req::kRecord32, 20},
                                                  {panelsim::req::kRecord32, 19}};
  EXPECT_EQ(reads, expected);

  // Byte 0, the checksum, is the image's business.
  const auto& blocks = b.app->document().fixedBlocks;
  EXPECT_EQ(std::vector<std::uint8_t>(blocks.repeater.bytes.begin() + 1, blocks.repeater.bytes.end()),
            std::vector<std::uint8_t>(repeaterBlock.begin() + 1, repeaterBlock.end()));
  EXPECT_EQ(std::vector<std::uint8_t>(blocks.peripheryVersion.bytes.begin() + 1, blocks.peripheryVersion.bytes.end()),
            std::vector<std::uint8_t>(versionBlock.begin() + 1, versionBlock.end()));
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
