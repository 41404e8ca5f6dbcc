#include "app/commands.h"

#include <gtest/gtest.h>

#include <map>

#include "app/application.h"
#include "support/fake_clock.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_settings.h"

namespace kx700 {
namespace {

// Expected enable state per command over the contexts: not connected, then
// connected in link modes 0, 1, 2 and 3.
TEST(Commands, EnableRules) {
  const std::map<int, std::array<bool, 5>> rules = {
      {kCmdFileNew, {true, true, true, false, true}},
      {kCmdFileOpen, {true, true, true, true, true}},
      {kCmdFileSaveAs, {true, true, true, false, true}},
      {kCmdFilePrintSetup, {true, true, true, true, true}},
      {kCmdAppExit, {true, true, true, true, true}},
      {kCmdEditParameters, {true, true, true, false, true}},
      {kCmdReceive, {false, true, true, true, true}},
      {kCmdSend, {false, true, false, false, false}},
      {kCmdAnalogValues, {false, true, false, false, false}},
      {kCmdLogbook, {false, true, true, false, true}},
      {kCmdPeriphery, {false, true, true, false, true}},
      {kCmdTestControls, {false, true, false, false, false}},
      {kCmdSilence, {false, true, true, false, true}},
      {kCmdReset, {false, true, true, false, true}},
      {kCmdSetDateTime, {false, true, true, false, true}},
      {kCmdPanelLanguage, {false, true, true, false, true}},
      {kCmdTechnicianMode, {false, true, true, false, true}},
      {kCmdCommunication, {true, true, false, false, false}},
      {kCmdAbout, {true, true, true, true, true}},
  };
  for (const auto& [command, expected] : rules) {
    for (bool technician : {false, true}) {
      const CommandContext contexts[] = {{false, 0, technician},
                                         {true, 0, technician},
                                         {true, 1, technician},
                                         {true, 2, technician},
                                         {true, 3, technician}};
      for (std::size_t i = 0; i < std::size(contexts); ++i) {
        const CommandState state = CommandStateOf(command, contexts[i]);
        EXPECT_EQ(state.enabled, expected[i]) << command << " context " << i;
        EXPECT_EQ(state.checked, command == kCmdTechnicianMode && technician) << command;
      }
    }
  }
  // Without a connection the communication settings follow the mode alone.
  EXPECT_FALSE(CommandStateOf(kCmdCommunication, {false, 2, false}).enabled);
  EXPECT_FALSE(CommandStateOf(12345, {true, 0, false}).enabled);
}

TEST(Commands, ADisabledCommandDoesNotRun) {
  test::FakeMessageHost host;
  test::FakeSettings settings;
  test::FakeClock clock;
  test::FakeFileDialogs dialogs;
  auto port = std::make_unique<test::FakePort>();
  test::FakePort& line = *port;
  line.Open(1, 9600);
  CPc_kx700App app(host, settings, clock, dialogs, std::move(port));
  for (int command : {kCmdReceive, kCmdSend, kCmdSilence, kCmdReset, kCmdTechnicianMode})
    EXPECT_FALSE(app.Dispatch(command)) << command;
  EXPECT_TRUE(line.writes.empty());
  EXPECT_TRUE(host.boxes().empty());

  // Connected, but in the card programming mode: sending stays off.
  app.statusText = "7 Gent";
  app.connected = true;
  ASSERT_TRUE(app.SetLinkMode(kLinkCardProgramming));
  EXPECT_FALSE(app.Dispatch(kCmdSend));
  EXPECT_FALSE(app.Dispatch(kCmdSilence));
  EXPECT_TRUE(line.writes.empty());
}

} // namespace
} // namespace kx700
