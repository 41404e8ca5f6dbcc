#include "service/analog_values.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "common/string_format.h"
#include "common/text_tables.h"

namespace kx700 {

namespace {

std::string OneDecimal(double value) { return FormatTenths(std::llround(value * 10.0)); }

ColorRef StateColour(int state, bool alarmBackground) {
  switch (state) {
    case 0: return Rgb(0, 160, 0);
    case 1:
    case 5: return Rgb(0, 0, 255);
    case 2: return Rgb(255, 0, 255);
    case 3:
    case 4: return alarmBackground ? kWhite : Rgb(255, 0, 0);
    default: return kBlack;
  }
}

} // namespace

std::string LoopStateText(int state) {
  static constexpr int kTexts[] = {129, 128, 43, 42, 41, 127};
  return state >= 0 && state <= 5 ? OrEmpty(GetText(kTexts[state])) : std::string();
}

std::string LoopVolts(std::uint32_t value) { return FormatTenths(static_cast<std::int32_t>(value)); }

std::optional<LoopRowLook> LoopRowLookFor(const LoopReading& reading, AnalogDisplayMode mode,
                                          const ObservationRange& range, bool marked) {
  LoopRowLook look;
  if (reading.blank) {
    look.background = kAnalogBlank;
    return look;
  }
  const double volts = static_cast<std::int32_t>(reading.value) / 10.0;
  bool alarmBackground = false;
  if (!reading.answered) {
    look.background = kAnalogNoAnswer;
    look.text = kAnalogNoAnswerText;
  } else {
    if (mode == AnalogDisplayMode::Observation && marked) return std::nullopt;
    alarmBackground = reading.alarm;
    look.background = reading.alarm          ? kAnalogAlarm
                      : reading.outOfService ? kAnalogOutOfService
                      : reading.inTest       ? kAnalogInTest
                                             : kWhite;
    if (!reading.alarm && mode == AnalogDisplayMode::Observation) {
      const bool inside = range.minimum <= volts && volts <= range.maximum;
      const bool mark =
          (range.mode == 0 && inside) || (range.mode == 1 && (volts < range.minimum || volts > range.maximum));
      if (mark) {
        look.background = kAnalogObserved;
        look.text = kWhite;
        look.value = LoopVolts(reading.value);
        look.state = LoopStateText(reading.state);
        return look;
      }
    }
    look.text = StateColour(reading.state, alarmBackground);
  }
  look.value = reading.value > 255 ? "-" : LoopVolts(reading.value);
  look.state = LoopStateText(reading.state);
  return look;
}

ObservationRange Ordered(ObservationRange range) {
  if (range.minimum > range.maximum) std::swap(range.minimum, range.maximum);
  return range;
}

std::string ObservationLabel(const ObservationRange& range) {
  return StringPrintf("%s\n%s - %s", OrEmpty(GetText(132)), OneDecimal(range.minimum).c_str(),
                      OneDecimal(range.maximum).c_str());
}

} // namespace kx700
