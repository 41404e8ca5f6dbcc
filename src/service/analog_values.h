#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/colour.h"

// The analog values window's logic that needs no window: how a loop row
// looks in each display mode, and the observation range.
namespace kx700 {

// The display modes, numbered as the tool bar's buttons.
enum class AnalogDisplayMode : int {
  Value = 2000,
  Service = 2001,
  Test = 2002,
  Alarm = 2003,
  Observation = 2004,
};

inline constexpr ColorRef kAnalogBlank = Rgb(192, 192, 192);
inline constexpr ColorRef kAnalogNoAnswer = Rgb(128, 128, 128);
inline constexpr ColorRef kAnalogNoAnswerText = Rgb(192, 192, 192);
inline constexpr ColorRef kAnalogAlarm = Rgb(255, 0, 0);
inline constexpr ColorRef kAnalogOutOfService = Rgb(192, 255, 255);
inline constexpr ColorRef kAnalogInTest = Rgb(255, 255, 128);
inline constexpr ColorRef kAnalogObserved = Rgb(255, 128, 0);

// What a poll answer says of one loop, as the row shows it.
struct LoopReading {
  bool blank = false; // outside the polled loops
  bool outOfService = false;
  bool inTest = false;
  bool alarm = false; // only looked at in the alarm mode
  bool answered = true;
  std::uint32_t value = 0; // tenths of a volt; above 255 no value is known
  int state = 127;
};

// Which values the observation mode marks: inside or outside the range.
struct ObservationRange {
  int mode = 1; // 0 inside, 1 outside
  double minimum = 0.1;
  double maximum = 6.0;
};

// Both cells of a loop row: value and state texts, background and text
// colour (nothing: the text colour stays as it was).
struct LoopRowLook {
  ColorRef background = kWhite;
  std::optional<ColorRef> text;
  std::string value;
  std::string state;
  bool operator==(const LoopRowLook&) const = default;
};

// How a row looks after a reading; nothing when it stays as it is (a row the
// observation mode marked keeps its mark until the mark is cleared).
std::optional<LoopRowLook> LoopRowLookFor(const LoopReading& reading, AnalogDisplayMode mode,
                                          const ObservationRange& range, bool marked);

// The state's text ("RUST", "OPEN", ...); empty for a state that has none.
std::string LoopStateText(int state);
// A reading's volts with one decimal ("3.0", "-0.1"), '.' whatever the locale.
std::string LoopVolts(std::uint32_t value);

// The range applied: minimum and maximum in order.
ObservationRange Ordered(ObservationRange range);
// "Observatie" and, on a second line, "%.1f - %.1f".
std::string ObservationLabel(const ObservationRange& range);

} // namespace kx700
