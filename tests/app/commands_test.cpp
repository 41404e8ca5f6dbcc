#include "app/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/application.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"

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

// The table describes each command once: the menus come out in their order,
// each tool bar place is taken once, and what has a handler can be enabled.
TEST(Commands, TableDescribesEachCommandOnce) {
  std::set<int> ids, places;
  std::vector<MenuId> menus;
  for (const CommandRow& row : CommandTable()) {
    EXPECT_TRUE(ids.insert(row.id).second) << row.id;
    EXPECT_EQ(FindCommand(row.id), &row);
    if (row.toolBarPlace != 0) {
      EXPECT_TRUE(places.insert(row.toolBarPlace).second) << row.id;
    }
    if (menus.empty() || menus.back() != row.menu) menus.push_back(row.menu);
    EXPECT_EQ(row.text == nullptr, row.id == kCmdRecentFile) << row.id;
    if (row.handler) {
      bool enabled = false;
      for (int mode = 0; mode < 4; ++mode) enabled |= CommandStateOf(row.id, {true, mode, false}).enabled;
      EXPECT_TRUE(enabled) << row.id;
    }
  }
  EXPECT_EQ(menus, (std::vector<MenuId>{MenuId::File, MenuId::Parameters, MenuId::Functions, MenuId::Settings,
                                        MenuId::Extra}));
  EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST(Commands, ADisabledCommandDoesNotRun) {
  test::FakeSeams fakes;
  auto port = std::make_unique<test::FakePort>();
  test::FakePort& line = *port;
  line.Open(1, 9600);
  CPc_kx700App app(fakes.seams(), std::move(port));
  for (int command : {kCmdReceive, kCmdSend, kCmdSilence, kCmdReset, kCmdTechnicianMode})
    EXPECT_FALSE(app.Dispatch(command)) << command;
  EXPECT_TRUE(line.writes.empty());
  EXPECT_TRUE(fakes.host.boxes().empty());

  // Connected, but in the card programming mode: sending stays off.
  PanelIdentification panel;
  panel.panelNumber = 7;
  panel.panelName = "Gent";
  app.engine().PanelIdentified(panel);
  ASSERT_TRUE(app.engine().EnterCardProgramming(nullptr));
  EXPECT_FALSE(app.Dispatch(kCmdSend));
  EXPECT_FALSE(app.Dispatch(kCmdSilence));
  EXPECT_TRUE(line.writes.empty());
}

} // namespace
} // namespace kx700
