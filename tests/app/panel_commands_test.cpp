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

// "Instellen datum/tijd": the panel's clock opens the dialog; OK sends the
// value chosen; Cancel and a panel that does not answer send nothing.
TEST(PanelCommands, ClockIsReadEditedAndSent) {
  test::AppBench b;
  b.RunFor(100);
  b.clock.SetNow({2026, 12, 10, 9, 30, 15, 4});
  b.panel.state().clock = {24, 2, 29, 23, 59, 58};

  b.dialogs.clock.push_back(PanelDateTime{2031, 3, 4, 5, 6, 7});
  ASSERT_TRUE(b.app->Dispatch(kCmdSetDateTime));
  ASSERT_EQ(b.dialogs.clockShown.size(), 1u);
  EXPECT_EQ(b.dialogs.clockShown[0], (PanelDateTime{2024, 2, 29, 23, 59, 58}));
  EXPECT_EQ(b.panel.state().clock, (std::array<std::uint8_t, 6>{31, 3, 4, 5, 6, 7}));
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].caption, "Instellen systeemtijd");
  EXPECT_EQ(b.host.boxes()[0].text, "Transmissie succesvol!");

  // A panel date that is no date opens at the PC's time; Cancel sends nothing.
  b.panel.state().clock = {26, 13, 1, 0, 0, 0};
  b.dialogs.clock.push_back(std::nullopt);
  b.panel.ClearRequests();
  ASSERT_TRUE(b.app->Dispatch(kCmdSetDateTime));
  EXPECT_EQ(b.dialogs.clockShown.back(), (PanelDateTime{2026, 12, 10, 9, 30, 15}));
  EXPECT_EQ(b.Requests(panelsim::req::kSetClock), 0);

  // A value that is no date is never sent.
  b.dialogs.clock.push_back(PanelDateTime{2025, 2, 29, 0, 0, 0});
  ASSERT_TRUE(b.app->Dispatch(kCmdSetDateTime));
  EXPECT_EQ(b.Requests(panelsim::req::kSetClock), 0);

  // No answer: the fault box, no dialog.
  b.panel.SetHandler(panelsim::req::kGetClock, nullptr);
  const std::size_t shown = b.dialogs.clockShown.size();
  ASSERT_TRUE(b.app->Dispatch(kCmdSetDateTime));
  EXPECT_EQ(b.dialogs.clockShown.size(), shown);
  EXPECT_EQ(b.host.boxes().back().text, "Er is een fout opgetreden tijdens de datatransfer.");
}

// "Instellen taal": the panel's code opens the dialog; the code chosen is
// sent; no choice or Cancel sends nothing.
TEST(PanelCommands, PanelLanguageIsReadEditedAndSent) {
  test::AppBench b;
  b.RunFor(100);
  b.panel.state().language = 2;
  b.dialogs.language.push_back(1);
  ASSERT_TRUE(b.app->Dispatch(kCmdPanelLanguage));
  EXPECT_EQ(b.dialogs.languageShown, std::vector<int>{2});
  EXPECT_EQ(b.panel.state().language, 1);
  EXPECT_EQ(b.host.boxes().back().caption, "Instellen taal");

  b.panel.ClearRequests();
  b.dialogs.language.push_back(std::nullopt);
  ASSERT_TRUE(b.app->Dispatch(kCmdPanelLanguage));
  EXPECT_EQ(b.Requests(panelsim::req::kSetLanguage), 0);
  EXPECT_EQ(b.panel.state().language, 1);
}

// "Periferie": the four records read in order give the states; "Check
// versie" reads the versions through the session.
TEST(PanelCommands, PeripheryReadsTheStatesThenShowsThem) {
  test::AppBench b;
  b.RunFor(100);
  auto& s = b.panel.state();
  s.records16[32] = {1, 1, 0, 2};
  s.records16[20] = {1, 0, 3};
  s.records16[19] = {2};
  s.records32[20] = {1, 4, 1, 2};
  b.panel.ClearRequests();
  PeripheryVersions versions;
  bool read = false;
  b.dialogs.periphery = [&](const PeripherySession& session) { read = session.readVersions(versions); };
  ASSERT_TRUE(b.app->Dispatch(kCmdPeriphery));
  ASSERT_EQ(b.dialogs.peripheries.size(), 1u);
  const PeripherySession& shown = b.dialogs.peripheries[0];
  EXPECT_EQ(shown.states.repeaters, (std::array<std::uint8_t, 8>{1, 1, 0, 2}));
  EXPECT_EQ(shown.states.relayCards, (std::array<std::uint8_t, 8>{1, 0, 3}));
  EXPECT_EQ(shown.states.powerSupply, 2);
  EXPECT_EQ(shown.panelMajor, s.firmwareMajor);
  EXPECT_EQ(shown.panelMinor, s.firmwareMinor);
  EXPECT_EQ(shown.panelBuild, s.firmwareBuild);
  std::vector<int> reads;
  for (const auto& r : b.panel.requests()) {
    if (r.code == panelsim::req::kRecord16) reads.push_back(r.payload.at(0));
    if (r.code == panelsim::req::kRecord32) reads.push_back(100 + r.payload.at(0));
  }
  EXPECT_EQ(reads, (std::vector<int>{0, 32, 20, 19, 0, 132, 120, 119}));
  ASSERT_TRUE(read);
  ASSERT_TRUE(versions.relayCards);
  EXPECT_EQ((*versions.relayCards)[1], 4);
  EXPECT_TRUE(b.host.boxes().empty());

  // A record that does not come: the fault box, no dialog.
  b.panel.faults().Add(panelsim::AnswersTo(panelsim::Fault::kDrop, panelsim::req::kRecord16, 1));
  ASSERT_TRUE(b.app->Dispatch(kCmdPeriphery));
  EXPECT_EQ(b.dialogs.peripheries.size(), 1u);
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].text, "Er is een fout opgetreden tijdens de datatransfer.");
}

// The view's side of opening the modeless service windows.
struct FakeServiceWindows final : ServiceWindowHost {
  bool OpenAnalogValues() override { return ++analog, true; }
  bool OpenPeriphProgramming() override { return ++cards, true; }
  bool OpenTestControls() override {
    ++tests;
    open = true;
    return true;
  }
  bool IsTestControlsOpen() const override { return open; }
  int analog = 0, cards = 0, tests = 0;
  bool open = false;
};

// "Sturingen testen" works on the connected panel's configuration: a
// document from elsewhere is received first, when the user agrees.
TEST(PanelCommands, TestControlsOfferToReceiveTheConfigurationFirst) {
  test::AppBench b;
  FakeServiceWindows windows;
  b.app->SetServiceWindowHost(&windows);
  b.RunFor(100);
  const std::string question =
      "Parameters ontvangen?\n\nVoor het uitvoeren van deze functie, \nmoeten de "
      "parameters van de centrale eerst ontvangen worden!";
  b.host.Answer(MessageAnswer::No);
  ASSERT_TRUE(b.app->Dispatch(kCmdTestControls));
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].text, question);
  EXPECT_EQ(windows.tests, 0);

  b.host.Answer(MessageAnswer::Yes);
  ASSERT_TRUE(b.app->Dispatch(kCmdTestControls));
  EXPECT_EQ(b.host.boxes().back().text, "Transmissie succesvol!"); // received
  EXPECT_EQ(b.app->document().sourcePanelNumber, b.panel.state().panelNumber);
  EXPECT_EQ(windows.tests, 1);

  // Open: nothing more. Closed again: the configuration is the panel's, no question.
  const std::size_t boxes = b.host.boxes().size();
  ASSERT_TRUE(b.app->Dispatch(kCmdTestControls));
  windows.open = false;
  ASSERT_TRUE(b.app->Dispatch(kCmdTestControls));
  EXPECT_EQ(b.host.boxes().size(), boxes);
  EXPECT_EQ(windows.tests, 2);
  b.app->SetServiceWindowHost(nullptr);
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
