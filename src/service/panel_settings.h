#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "common/clock.h"

// The rules of the panel clock and panel language dialogs: what they show of
// the panel's setting and what they may send back.
namespace kx700 {

// A date and time as the clock dialog edits it: the full year.
struct PanelDateTime {
  int year = 0; // e.g. 2026
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const PanelDateTime&) const = default;
};

// The panel's six clock bytes (two-digit year, month, day, hour, minute,
// second) with the year made full: 2000 + the two digits.
PanelDateTime FromPanelClock(const std::array<std::uint8_t, 6>& panel);
// A real calendar date (leap years counted) in 2000..2099 and a time of day.
bool IsValidDateTime(const PanelDateTime& value);
// The six bytes to send (year modulo 100); nothing for a value that is not
// valid, which is never sent.
std::optional<std::array<std::uint8_t, 6>> ToPanelClock(const PanelDateTime& value);
// What the dialog opens with: the panel's clock, or the PC's time when the
// panel's date or time is not a valid one.
PanelDateTime ClockPreset(const std::array<std::uint8_t, 6>& panel, const LocalDateTime& pcNow);
// The same for a value already made full: itself when valid, else the PC's.
PanelDateTime ClockPreset(const PanelDateTime& panel, const LocalDateTime& pcNow);
// "PC-tijd": the PC's local time, the year as year modulo 100 + 2000 (a
// leap second counts as second 59).
PanelDateTime PcDateTime(const LocalDateTime& pcNow);

// The panel's language codes.
enum class PanelLanguageCode : int { Dutch = 1, French = 2, English = 3 };
// The radio button (0 Nederlands, 1 Français, 2 English) a panel code
// presets: codes outside 1..5 count as English; 4 and 5 preset none (-1).
int LanguageRadioIndex(int code);
// The code OK sends for a radio index; nothing when no language is chosen.
std::optional<int> LanguageCodeToSend(int radioIndex);

} // namespace kx700
