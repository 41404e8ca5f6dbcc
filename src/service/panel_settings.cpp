#include "service/panel_settings.h"

namespace kx700 {
namespace {

constexpr int kFirstYear = 2000; // the panel keeps two digits of 20xx
constexpr int kLastYear = 2099;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool InRange(int value, int low, int high) { return low <= value && value <= high; }

} // namespace

PanelDateTime FromPanelClock(const std::array<std::uint8_t, 6>& panel) {
  return {kFirstYear + panel[0], panel[1], panel[2], panel[3], panel[4], panel[5]};
}

bool IsValidDateTime(const PanelDateTime& value) {
  return InRange(value.year, kFirstYear, kLastYear) && InRange(value.month, 1, 12) &&
         InRange(value.day, 1, DaysInMonth(value.year, value.month)) && InRange(value.hour, 0, 23) &&
         InRange(value.minute, 0, 59) && InRange(value.second, 0, 59);
}

std::optional<std::array<std::uint8_t, 6>> ToPanelClock(const PanelDateTime& value) {
  if (!IsValidDateTime(value)) return std::nullopt;
  const auto byte = [](int v) { return static_cast<std::uint8_t>(v); };
  return std::array<std::uint8_t, 6>{byte(value.year % 100), byte(value.month),  byte(value.day),
                                     byte(value.hour),       byte(value.minute), byte(value.second)};
}

PanelDateTime ClockPreset(const PanelDateTime& panel, const LocalDateTime& pcNow) {
  // The pickers cannot show a date that does not exist.
  return IsValidDateTime(panel) ? panel : PcDateTime(pcNow);
}

PanelDateTime ClockPreset(const std::array<std::uint8_t, 6>& panel, const LocalDateTime& pcNow) {
  return ClockPreset(FromPanelClock(panel), pcNow);
}

PanelDateTime PcDateTime(const LocalDateTime& pcNow) {
  // Modulo 100 keeps every calendar date valid (a century year in 2000..2099
  // is 2000, a leap year); a leap second reads as :59.
  return {pcNow.year % 100 + kFirstYear,        pcNow.month, pcNow.day, pcNow.hour, pcNow.minute,
          pcNow.second > 59 ? 59 : pcNow.second};
}

int LanguageRadioIndex(int code) {
  if (code < 1 || code > 5) code = static_cast<int>(PanelLanguageCode::English);
  // Codes 4 and 5 have no button.
  return code <= static_cast<int>(PanelLanguageCode::English) ? code - 1 : -1;
}

std::optional<int> LanguageCodeToSend(int radioIndex) {
  if (radioIndex < 0 || radioIndex > static_cast<int>(PanelLanguageCode::English) - 1) return std::nullopt;
  return radioIndex + 1;
}

} // namespace kx700
