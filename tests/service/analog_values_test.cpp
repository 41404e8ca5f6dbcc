#include "service/analog_values.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx700 {
namespace {

constexpr std::uint32_t kNoValue = 0xFFFFFFFF;

// How one reading draws its row, over modes, states and flags.
TEST(AnalogRow, LooksFollowModeStateAndFlags) {
  using enum AnalogDisplayMode;
  const ObservationRange inside{0, 0.1, 6.0};
  const ObservationRange outside{1, 0.1, 6.0};
  struct Case {
    const char* what;
    LoopReading reading;
    AnalogDisplayMode mode;
    ObservationRange range;
    bool marked;
    std::optional<LoopRowLook> look;
  };
  const auto answered = [](std::uint32_t value, int state) {
    LoopReading r;
    r.value = value;
    r.state = state;
    return r;
  };
  LoopReading blank;
  blank.blank = true;
  LoopReading silent = answered(kNoValue, 127);
  silent.answered = false;
  LoopReading service = answered(12, 1);
  service.outOfService = true;
  LoopReading test = answered(12, 0);
  test.inTest = true;
  LoopReading alarm = answered(31, 3);
  alarm.alarm = true;
  const std::vector<Case> cases = {
      {"outside the polled loops", blank, Value, outside, false, LoopRowLook{kAnalogBlank, std::nullopt, "", ""}},
      {"no answer", silent, Value, outside, false, LoopRowLook{kAnalogNoAnswer, kAnalogNoAnswerText, "-", ""}},
      {"after opening", answered(kNoValue, 127), Value, outside, false, LoopRowLook{kWhite, kBlack, "-", ""}},
      {"at rest", answered(30, 0), Value, outside, false, LoopRowLook{kWhite, Rgb(0, 160, 0), "3.0", "RUST"}},
      {"open", answered(0, 1), Value, outside, false, LoopRowLook{kWhite, Rgb(0, 0, 255), "0.0", "OPEN"}},
      {"pre-alarm", answered(17, 2), Value, outside, false, LoopRowLook{kWhite, Rgb(255, 0, 255), "1.7", "VOORALARM"}},
      {"alarm without the alarm mode", answered(31, 3), Value, outside, false,
       LoopRowLook{kWhite, Rgb(255, 0, 0), "3.1", "ALARM"}},
      {"alarm+", answered(43, 4), Value, outside, false, LoopRowLook{kWhite, Rgb(255, 0, 0), "4.3", "ALARM+"}},
      {"short circuit", answered(100, 5), Value, outside, false,
       LoopRowLook{kWhite, Rgb(0, 0, 255), "10.0", "KORTSLUITING"}},
      {"out of service", service, Service, outside, false,
       LoopRowLook{kAnalogOutOfService, Rgb(0, 0, 255), "1.2", "OPEN"}},
      {"in test", test, Test, outside, false, LoopRowLook{kAnalogInTest, Rgb(0, 160, 0), "1.2", "RUST"}},
      {"in alarm, alarm mode", alarm, Alarm, outside, false, LoopRowLook{kAnalogAlarm, kWhite, "3.1", "ALARM"}},
      {"observed inside the range", answered(30, 0), Observation, inside, false,
       LoopRowLook{kAnalogObserved, kWhite, "3.0", "RUST"}},
      {"inside, but watching outside", answered(30, 0), Observation, outside, false,
       LoopRowLook{kWhite, Rgb(0, 160, 0), "3.0", "RUST"}},
      {"observed outside the range", answered(70, 5), Observation, outside, false,
       LoopRowLook{kAnalogObserved, kWhite, "7.0", "KORTSLUITING"}},
      // A mark writes its value whatever it is.
      {"no value, observed", answered(kNoValue, 127), Observation, outside, false,
       LoopRowLook{kAnalogObserved, kWhite, "-0.1", ""}},
      {"a marked row stays marked", answered(30, 0), Observation, outside, true, std::nullopt},
      {"a mark is kept only in the observation mode", answered(30, 0), Value, outside, true,
       LoopRowLook{kWhite, Rgb(0, 160, 0), "3.0", "RUST"}},
      {"an unknown range marks nothing", answered(30, 0), Observation, ObservationRange{2, 0.1, 6.0}, false,
       LoopRowLook{kWhite, Rgb(0, 160, 0), "3.0", "RUST"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto look = LoopRowLookFor(c.reading, c.mode, c.range, c.marked);
    ASSERT_EQ(look.has_value(), c.look.has_value());
    if (!look) continue;
    EXPECT_EQ(look->background, c.look->background);
    EXPECT_EQ(look->text, c.look->text);
    EXPECT_EQ(look->value, c.look->value);
    EXPECT_EQ(look->state, c.look->state);
  }
}

// Applying a range puts minimum and maximum in order for the label.
TEST(AnalogRow, ObservationRangeInOrder) {
  const ObservationRange range = Ordered({0, 5.0, 2.0});
  EXPECT_EQ(range.minimum, 2.0);
  EXPECT_EQ(range.maximum, 5.0);
  EXPECT_EQ(ObservationLabel(range), "Observatie\n2.0 - 5.0");
  EXPECT_EQ(ObservationLabel({1, 0.1, 6.0}), "Observatie\n0.1 - 6.0");
}

} // namespace
} // namespace kx700
