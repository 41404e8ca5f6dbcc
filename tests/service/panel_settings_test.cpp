#include "service/panel_settings.h"

#include <gtest/gtest.h>

namespace kx700 {
namespace {

using Bytes = std::array<std::uint8_t, 6>;

// The PC clock of the tests: a Tuesday in 2031.
constexpr LocalDateTime kPcNow{2031, 7, 8, 9, 10, 11, 2};
constexpr PanelDateTime kPcPreset{2031, 7, 8, 9, 10, 11};

TEST(PanelClock, BytesRoundTripThroughTheFullYear) {
  const struct {
    Bytes panel;
    PanelDateTime shown;
  } cases[] = {
      {{24, 3, 15, 14, 5, 9}, {2024, 3, 15, 14, 5, 9}},       {{0, 1, 1, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}},
      {{99, 12, 31, 23, 59, 59}, {2099, 12, 31, 23, 59, 59}}, {{24, 2, 29, 12, 0, 0}, {2024, 2, 29, 12, 0, 0}},
      {{0, 2, 29, 12, 0, 0}, {2000, 2, 29, 12, 0, 0}}, // 2000 is a leap year
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown.year);
    EXPECT_EQ(FromPanelClock(c.panel), c.shown);
    EXPECT_EQ(ClockPreset(c.panel, kPcNow), c.shown);
    EXPECT_EQ(ToPanelClock(c.shown), c.panel);
  }
}

// A panel value the pickers cannot show opens on the PC's time; the same
// value is never sent.
TEST(PanelClock, InvalidPanelValuePresetsPcTimeAndIsNotSent) {
  const struct {
    const char* what;
    Bytes panel;
  } cases[] = {
      {"month 0", {24, 0, 10, 12, 0, 0}},
      {"month 13", {24, 13, 10, 12, 0, 0}},
      {"day 0", {24, 5, 0, 12, 0, 0}},
      {"day 32", {24, 1, 32, 12, 0, 0}},
      {"31 April", {24, 4, 31, 12, 0, 0}},
      {"29 February, not a leap year", {23, 2, 29, 12, 0, 0}},
      {"30 February, leap year", {24, 2, 30, 12, 0, 0}},
      {"hour 24", {24, 5, 10, 24, 0, 0}},
      {"minute 60", {24, 5, 10, 23, 60, 0}},
      {"second 60", {24, 5, 10, 23, 59, 60}},
      {"year 2100", {100, 5, 10, 12, 0, 0}},
      {"all 0xFF", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(IsValidDateTime(FromPanelClock(c.panel)));
    EXPECT_EQ(ClockPreset(c.panel, kPcNow), kPcPreset);
    EXPECT_EQ(ToPanelClock(FromPanelClock(c.panel)), std::nullopt);
  }
}

TEST(PanelClock, OnlyYears2000To2099AreSent) {
  EXPECT_EQ(ToPanelClock({1999, 12, 31, 23, 59, 59}), std::nullopt);
  EXPECT_EQ(ToPanelClock({2100, 1, 1, 0, 0, 0}), std::nullopt);
  EXPECT_EQ(ToPanelClock({2000, 1, 1, 0, 0, -1}), std::nullopt);
  EXPECT_EQ(ToPanelClock(PanelDateTime{}), std::nullopt); // what an unread picker gives
  EXPECT_EQ(ClockPreset(PanelDateTime{2024, 4, 31, 0, 0, 0}, kPcNow), kPcPreset);
}

TEST(PanelClock, PcTimeKeepsTwoDigitsOfTheYear) {
  const struct {
    LocalDateTime now;
    PanelDateTime shown;
  } cases[] = {
      {{2099, 12, 31, 23, 59, 59, 4}, {2099, 12, 31, 23, 59, 59}}, {{2026, 1, 2, 3, 4, 5, 5}, {2026, 1, 2, 3, 4, 5}},
      {{2100, 2, 28, 8, 0, 0, 0}, {2000, 2, 28, 8, 0, 0}},         {{1996, 2, 29, 8, 0, 0, 4}, {2096, 2, 29, 8, 0, 0}},
      {{2016, 12, 31, 23, 59, 60, 6}, {2016, 12, 31, 23, 59, 59}}, // leap second
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.now.year);
    EXPECT_EQ(PcDateTime(c.now), c.shown);
    EXPECT_TRUE(ToPanelClock(PcDateTime(c.now)).has_value());
  }
}

TEST(PanelLanguage, PresetAndWhatOkSends) {
  const struct {
    int code;
    int radio;
    std::optional<int> sent; // OK without touching the radios
  } cases[] = {
      {1, 0, 1},
      {2, 1, 2},
      {3, 2, 3}, // Nederlands, Français, English
      {0, 2, 3},
      {6, 2, 3},
      {-1, 2, 3},
      {255, 2, 3}, // unknown codes count as English
      {4, -1, std::nullopt},
      {5, -1, std::nullopt}, // no button for these
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(LanguageRadioIndex(c.code), c.radio);
    EXPECT_EQ(LanguageCodeToSend(LanguageRadioIndex(c.code)), c.sent);
  }
  EXPECT_EQ(LanguageCodeToSend(3), std::nullopt);
}

} // namespace
} // namespace kx700
