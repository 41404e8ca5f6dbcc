#include "service/periphery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using enum PeripheryDevice;

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kOrange = Rgb(255, 128, 0);
constexpr ColorRef kGreen = Rgb(0, 255, 0);
constexpr ColorRef kCyan = Rgb(0, 255, 255);

// One letter per verdict: R required, O recommended, G OK, C unknown.
char Letter(VersionVerdict verdict) {
  switch (verdict) {
    case VersionVerdict::UpdateRequired: return 'R';
    case VersionVerdict::UpdateRecommended: return 'O';
    case VersionVerdict::Ok: return 'G';
    case VersionVerdict::Unknown: return 'C';
  }
  return '-';
}

// Each kind's rule over panel minors 0..3 (and one below), for device minors
// 0..6 and one far above: the verdicts as letters, then the minimum and
// recommended minors, which do not depend on the device's.
TEST(PeripheryVersion, EachKindIsJudgedAgainstThePanelMinor) {
  struct Case {
    PeripheryDevice device;
    int panelMinor;
    const char* verdicts; // device minors 0, 1, 2, 3, 4, 5, 6, 99
    int minimum;
    int recommended;
  };
  const std::vector<Case> cases = {
      {RepeaterPanel, 0, "GGCCCCCC", 0, 1}, {RepeaterPanel, 1, "OGCCCCCC", 1, 1},  {RepeaterPanel, 2, "OGCCCCCC", 1, 1},
      {RepeaterPanel, 3, "RRRRRRRR", 0, 0}, {RepeaterPanel, -1, "RRRRRRRR", 0, 0}, {RelayCard, 0, "ROOOGCCC", 4, 4},
      {RelayCard, 1, "ROOOGCCC", 4, 4},     {RelayCard, 2, "ROOOGCCC", 4, 4},      {RelayCard, 3, "RRRRRRRR", 0, 0},
      {PowerSupply, 0, "GGCCCCCC", 0, 1},   {PowerSupply, 1, "OGGCCCCC", 1, 2},    {PowerSupply, 2, "OGGCCCCC", 1, 2},
      {PowerSupply, 3, "RRRRRRRR", 0, 0},   {PowerSupply, 255, "RRRRRRRR", 0, 0},
  };
  const int minors[] = {0, 1, 2, 3, 4, 5, 6, 99};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "device " << static_cast<int>(c.device) << ", panel minor " << c.panelMinor);
    std::string verdicts;
    for (int d : minors) {
      const VersionJudgement j = JudgeVersion(c.device, c.panelMinor, d);
      verdicts += Letter(j.verdict);
      EXPECT_EQ(j.minimumMinor, c.minimum);
      EXPECT_EQ(j.recommendedMinor, c.recommended);
    }
    EXPECT_EQ(verdicts, c.verdicts);
  }
  // A kind that is none of the three is never judged good.
  EXPECT_EQ(JudgeVersion(static_cast<PeripheryDevice>(7), 0, 1), (VersionJudgement{VersionVerdict::UpdateRequired}));
}

TEST(PeripheryStates, StoreAnswerTakesTheStatesOfItsBlock) {
  std::array<std::uint8_t, 16> record{};
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = static_cast<std::uint8_t>(0x10 + i);
  PeripheryStates states;
  states.StoreAnswer(32, record);
  EXPECT_EQ(states.repeaters, (std::array<std::uint8_t, 8>{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}));
  EXPECT_EQ(states.relayCards, (std::array<std::uint8_t, 8>{}));
  EXPECT_EQ(states.powerSupply, 0);

  record[0] = 2;
  record[7] = 1;
  states.StoreAnswer(20, record);
  EXPECT_EQ(states.relayCards, (std::array<std::uint8_t, 8>{2, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 1}));
  states.StoreAnswer(19, record);
  EXPECT_EQ(states.powerSupply, 2);
  EXPECT_EQ(states.repeaters[0], 0x10); // another block leaves the others

  // Blocks that carry no states change nothing.
  const PeripheryStates before = states;
  record.fill(0xEE);
  for (int block : {0, 18, 21, 33, -32, 32 + 256}) states.StoreAnswer(block, record);
  EXPECT_EQ(states.repeaters, before.repeaters);
  EXPECT_EQ(states.relayCards, before.relayCards);
  EXPECT_EQ(states.powerSupply, before.powerSupply);
}

TEST(PeripheryStates, StateCellsShowAbsentPresentAndFaulty) {
  const ColorRef info = SystemColor(SystemColour::InfoBackground);
  EXPECT_EQ(StateCellLookFor(1, 0), (StateCellLook{"1", info, Rgb(192, 192, 192)}));
  EXPECT_EQ(StateCellLookFor(8, 1), (StateCellLook{"8", kGreen, kBlack}));
  for (std::uint8_t fault : {2, 3, 0x80, 0xFF})
    EXPECT_EQ(StateCellLookFor(3, fault), (StateCellLook{"3", kRed, kBlack}));
}

TEST(PeripheryVersion, CellLooks) {
  const ColorRef info = SystemColor(SystemColour::InfoBackground);
  struct Case {
    const char* what;
    PeripheryDevice device;
    bool present;
    int major, minor;
    int panelMajor, panelMinor;
    VersionCellLook look;
  };
  const std::vector<Case> cases = {
      {"relay card 1.02 on panel 1.00", RelayCard, true, 1, 2, 1, 0, {kOrange, "1.02"}},
      {"relay card 1.04", RelayCard, true, 1, 4, 1, 0, {kGreen, "1.04"}},
      {"relay card 1.05", RelayCard, true, 1, 5, 1, 0, {kCyan, "1.05"}},
      {"relay card 1.00", RelayCard, true, 1, 0, 1, 0, {kRed, "1.00"}},
      {"present, answered major 0", RelayCard, true, 0, 4, 1, 0, {kRed, "?"}},
      {"absent: the text stays", RelayCard, false, 0, 0, 1, 0, {info, std::nullopt}},
      {"repeater 1.00 on panel 1.01", RepeaterPanel, true, 1, 0, 1, 1, {kOrange, "1.00"}},
      {"power supply 1.02 on panel 1.01", PowerSupply, true, 1, 2, 1, 1, {kGreen, "1.02"}},
      {"power supply 1.03 on panel 1.01", PowerSupply, true, 1, 3, 1, 1, {kCyan, "1.03"}},
      {"panel minor 3", PowerSupply, true, 1, 1, 1, 3, {kRed, "1.01"}},
      {"another major, minor OK", RelayCard, true, 2, 4, 1, 0, {kRed, "2.04"}},
      {"an older major", RepeaterPanel, true, 1, 1, 2, 0, {kRed, "1.01"}},
      {"an absent device that answered", RepeaterPanel, false, 1, 1, 1, 0, {kGreen, "1.01"}},
      {"the largest bytes", RelayCard, true, 255, 255, 1, 0, {kRed, "255.255"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(VersionCellLookFor(c.device, c.present, c.major, c.minor, c.panelMajor, c.panelMinor), c.look);
  }
}

// Every row of both eight-device columns is judged from its own pair and
// state, the power supply in row 1 only.
TEST(PeripheryVersion, GridCellsTakeTheirDevicesPairAndState) {
  const ColorRef info = SystemColor(SystemColour::InfoBackground);
  PeripheryStates states;
  states.repeaters = {1, 1, 1, 1, 1, 1, 1, 2};
  states.relayCards = {0, 0, 0, 0, 0, 0, 0, 1};
  states.powerSupply = 1;
  PeripheryVersions versions;
  auto& repeaters = versions.repeaters.emplace();
  auto& cards = versions.relayCards.emplace();
  for (std::size_t i = 0; i < 8; ++i) {
    repeaters[2 * i] = 1;
    repeaters[2 * i + 1] = static_cast<std::uint8_t>(i); // 1.00 .. 1.07
  }
  cards[14] = 1;
  cards[15] = 4; // card 8: 1.04
  versions.powerSupply = std::array<std::uint8_t, 2>{1, 2};

  const auto cell = [&](int row, int column) { return VersionGridCellLook(states, versions, 1, 1, row, column); };
  EXPECT_EQ(cell(1, 1), (VersionCellLook{kOrange, "1.00"}));
  EXPECT_EQ(cell(2, 1), (VersionCellLook{kGreen, "1.01"}));
  EXPECT_EQ(cell(8, 1), (VersionCellLook{kCyan, "1.07"}));
  EXPECT_EQ(cell(1, 2), (VersionCellLook{info, std::nullopt}));
  EXPECT_EQ(cell(8, 2), (VersionCellLook{kGreen, "1.04"}));
  EXPECT_EQ(cell(1, 3), (VersionCellLook{kGreen, "1.02"}));
  for (int row = 2; row <= 8; ++row) EXPECT_EQ(cell(row, 3), (VersionCellLook{info, std::nullopt})) << row;
  // Outside the devices: nothing to draw.
  for (auto [row, column] : {std::pair{0, 1}, {9, 1}, {-1, 2}, {1, 0}, {1, 4}, {8, -1}})
    EXPECT_EQ(cell(row, column), std::nullopt) << row << "," << column;

  // A record that did not come: present devices show that they told nothing.
  versions.relayCards.reset();
  versions.powerSupply.reset();
  EXPECT_EQ(cell(8, 2), (VersionCellLook{kRed, "?"}));
  EXPECT_EQ(cell(1, 2), (VersionCellLook{info, std::nullopt}));
  EXPECT_EQ(cell(1, 3), (VersionCellLook{kRed, "?"}));
}

TEST(PeripheryVersion, LegendAndLabelTexts) {
  std::vector<std::pair<int, ColorRef>> legend;
  for (VersionVerdict v : kVerdictLegend) legend.emplace_back(VerdictTextNumber(v), VerdictColour(v));
  EXPECT_EQ(legend, (std::vector<std::pair<int, ColorRef>>{{140, kGreen}, {141, kOrange}, {142, kRed}, {143, kCyan}}));

  EXPECT_EQ(VersionText(1, 4), "1.04");
  EXPECT_EQ(VersionText(2, 10), "2.10");
  EXPECT_EQ(PanelVersionLabel(1, 2, 0), "Centrale: 1.02");
  EXPECT_EQ(PanelVersionLabel(1, 2, 3), "Centrale: 1.02.03");
  EXPECT_EQ(PanelVersionLabel(1, 12, 34), "Centrale: 1.12.34");
}

TEST(PeripheryVersion, ColumnsNameTheirKindAndItsVersions) {
  EXPECT_EQ(KindLabelsFor(DeviceOfColumn(0), 1, 1), (KindLabels{"Herhaalbord", "1.01", "1.01"}));
  EXPECT_EQ(KindLabelsFor(DeviceOfColumn(1), 1, 0), (KindLabels{"Herhaalbord", "1.00", "1.01"}));
  EXPECT_EQ(KindLabelsFor(DeviceOfColumn(2), 1, 0), (KindLabels{"Relaiskaart", "1.04", "1.04"}));
  EXPECT_EQ(KindLabelsFor(DeviceOfColumn(3), 1, 2), (KindLabels{"Voedingscontroller", "1.01", "1.02"}));
  EXPECT_EQ(KindLabelsFor(DeviceOfColumn(4), 1, 2), (KindLabels{"", "1.00", "1.00"}));
  EXPECT_EQ(KindLabelsFor(DeviceOfColumn(-1), 2, 0), (KindLabels{"", "2.00", "2.00"}));
  // Panel minor 3: no device has a version for it.
  for (int column = 1; column <= 3; ++column)
    EXPECT_EQ(KindLabelsFor(DeviceOfColumn(column), 1, 3).minimum, "1.00") << column;

  // A language that leaves the kind unnamed shows no name, the same versions.
  test::ScopedTextLanguage english(TextLanguage::English);
  EXPECT_EQ(KindLabelsFor(RelayCard, 1, 0), (KindLabels{"", "1.04", "1.04"}));
}

TEST(PeripheryVersion, HoverChangesTheLabelsOnlyInAnotherColumn) {
  VersionGridHover hover(1, 1);
  // Nothing seen yet: the first column shown, even the repeaters' again.
  EXPECT_EQ(hover.MouseOver(1), (KindLabels{"Herhaalbord", "1.01", "1.01"}));
  EXPECT_EQ(hover.MouseOver(1), std::nullopt);
  EXPECT_EQ(hover.MouseOver(3), (KindLabels{"Voedingscontroller", "1.01", "1.02"}));
  EXPECT_EQ(hover.MouseOver(3), std::nullopt);
  EXPECT_EQ(hover.MouseOver(-1), (KindLabels{"", "1.00", "1.00"}));
  EXPECT_EQ(hover.MouseOver(0), (KindLabels{"Herhaalbord", "1.01", "1.01"}));
  EXPECT_EQ(hover.MouseOver(2), (KindLabels{"Relaiskaart", "1.04", "1.04"}));

  // Each window starts afresh.
  VersionGridHover other(1, 1);
  EXPECT_EQ(other.MouseOver(2), (KindLabels{"Relaiskaart", "1.04", "1.04"}));
}

} // namespace
} // namespace kx700
