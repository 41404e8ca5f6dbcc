#include "service/analog_values.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "editor/exchange.h"
#include "link/panel_frame.h"
#include "support/app_bench.h"
#include "support/fake_page_view.h"

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
      {"at the minimum, which is inside", answered(30, 0), Observation, ObservationRange{0, 3.0, 6.0}, false,
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

// --- the window's logic, driven by the link engine against the simulated panel

using namespace analog_control;
using Bytes = std::vector<std::uint8_t>;

struct FakeAnalogView final : test::FakeWidgets<AnalogValuesView> {
  void DrawLoopRow(int loop, const LoopRowLook& look) override {
    rows[loop] = look;
    drawn.push_back(loop);
  }
  void SetOutputBackground(int column, ColorRef colour) override { outputs[column] = colour; }
  void SetCaption(const std::string& text) override { caption = text; }
  std::map<int, LoopRowLook> rows;
  std::vector<int> drawn;
  std::map<int, ColorRef> outputs;
  std::string caption;
};

// The window open on the realistic panel: loops 1-6 answer (3 in test, 4
// open, 5 out of service), 7-16 do not.
struct AnalogWindow : testing::Test, test::AppBench {
  FakeAnalogView view;
  AnalogValues window{view, {app->document().serviceState(), app->link(), app->engine()}};

  void Open() {
    RunFor(100); // the panel is found
    ASSERT_TRUE(app->session().connected());
    window.OnInitDialog();
    ASSERT_TRUE(window.EnterLinkMode(app->engine()));
  }
  // Every request since the last call but the analog ones, as code and payload.
  std::vector<Bytes> Sent() {
    std::vector<Bytes> out;
    for (const auto& r : panel.requests()) {
      if (r.code == kRequestAnalog) continue; // the polling
      Bytes b{r.code};
      b.insert(b.end(), r.payload.begin(), r.payload.end());
      out.push_back(b);
    }
    panel.ClearRequests();
    return out;
  }
  const LoopRowLook& Row(int loop) { return view.rows.at(loop); }
};

TEST_F(AnalogWindow, OpensWithEveryLoopUnknownThenFillsInFromThePolls) {
  Open();
  EXPECT_EQ(view.caption, app->session().statusText);
  EXPECT_EQ(window.displayMode(), AnalogDisplayMode::Value);
  for (int loop = 1; loop <= 16; ++loop) EXPECT_EQ(Row(loop), (LoopRowLook{kWhite, kBlack, "-", ""})) << loop;
  for (ControlId id : {kOutputsGrid, kMinimum, kMaximum, kStart, kInsideRange, kOutsideRange, kObservationLabel})
    EXPECT_FALSE(view.visible.at(id)) << id;
  EXPECT_EQ(view.text.at(kObservationLabel), "Observatie\n0.1 - 6.0");

  panel.ClearRequests();
  RunFor(1'000);
  std::vector<int> asked;
  for (const auto& r : panel.requests()) asked.push_back(r.code == kRequestStatus ? 0 : r.payload.at(0));
  ASSERT_GE(asked.size(), 18u);
  EXPECT_EQ(std::vector<int>(asked.begin(), asked.begin() + 18),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0, 1}));
  EXPECT_EQ(Row(1), (LoopRowLook{kWhite, Rgb(0, 160, 0), "0.3", "RUST"}));
  EXPECT_EQ(Row(3), (LoopRowLook{kAnalogInTest, Rgb(0, 160, 0), "0.3", "RUST"}));
  EXPECT_EQ(Row(4), (LoopRowLook{kWhite, Rgb(0, 0, 255), "0.0", "OPEN"}));
  EXPECT_EQ(Row(5), (LoopRowLook{kAnalogOutOfService, Rgb(0, 160, 0), "0.3", "RUST"}));
  for (int loop = 7; loop <= 16; ++loop)
    EXPECT_EQ(Row(loop), (LoopRowLook{kAnalogNoAnswer, kAnalogNoAnswerText, "-", ""})) << loop;
  // Only loops are drawn and numbered, never the status answer's 0.
  for (int loop : view.drawn) EXPECT_TRUE(loop >= 1 && loop <= 16) << loop;
  const int shown = std::stoi(view.text.at(kPolledLoop));
  EXPECT_TRUE(shown >= 1 && shown <= 16);
}

TEST_F(AnalogWindow, PerLoopCommandsByMode) {
  Open();
  RunFor(1'000);
  using enum AnalogDisplayMode;
  struct Case {
    const char* what;
    AnalogDisplayMode mode;
    int grid, row;
    std::vector<Bytes> sent;
  };
  const std::vector<Case> cases = {
      {"values: nothing", Value, 0, 1, {}},
      {"observation: nothing", Observation, 0, 1, {}},
      {"out of service", Service, 0, 1, {{kRequestSwitch, 1, 0, 1, 1, 0}}},
      {"back in service", Service, 0, 5, {{kRequestSwitch, 1, 1, 1, 5, 0}}},
      {"into test", Test, 0, 2, {{kRequestSwitch, 0, 1, 1, 2, 0}}},
      {"out of test", Test, 0, 3, {{kRequestSwitch, 0, 0, 1, 3, 0}}},
      {"alarm", Alarm, 0, 6, {{kRequestLoopAlarm, 6}}},
      {"the heading", Service, 0, 0, {}},
      {"below the rows", Service, 1, -1, {}},
      {"a loop that does not answer", Service, 0, 7, {}},
      {"the second grid", Service, 1, 1, {}}, // loop 9 does not answer
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window.SetDisplayMode(c.mode);
    Sent();
    const int polledBefore = app->document().serviceState().polledLoop;
    window.OnMouseDownLoops(c.grid, c.row);
    EXPECT_EQ(Sent(), c.sent);
    const bool switched = !c.sent.empty() && c.sent[0][0] == kRequestSwitch;
    EXPECT_EQ(app->document().serviceState().polledLoop, switched ? c.row : polledBefore);
    if (!c.sent.empty()) {
      EXPECT_EQ(app->engine().idleCountdown(), 10);
    }
    RunFor(1'000);
  }
  // Their effect shows at the next polls: loop 2 in test in the test mode.
  window.SetDisplayMode(Test);
  RunFor(1'000);
  EXPECT_EQ(Row(2).background, kAnalogInTest);
  EXPECT_EQ(Row(3).background, kWhite);
  EXPECT_EQ(Row(1).background, kAnalogOutOfService);
}

TEST_F(AnalogWindow, OutputsSwitchInTheServiceModeOnly) {
  Open();
  RunFor(1'000);
  Sent();
  window.OnMouseDownOutputs(0);
  EXPECT_EQ(Sent(), std::vector<Bytes>{});
  window.SetDisplayMode(AnalogDisplayMode::Service);
  EXPECT_TRUE(view.visible.at(kOutputsGrid));
  window.OnMouseDownOutputs(0);
  EXPECT_EQ(Sent(), (std::vector<Bytes>{{kRequestSwitch, 1, 0, 3, 0, 0}, {kRequestStatus}}));
  RunFor(1'000);
  EXPECT_TRUE(panel.state().sirensOut);
  EXPECT_EQ(view.outputs.at(0), kAnalogOutOfService);
  EXPECT_FALSE(view.outputs.contains(1));

  Sent();
  window.OnMouseDownOutputs(1);
  window.OnMouseDownOutputs(0);
  EXPECT_EQ(Sent(),
            (std::vector<Bytes>{
                {kRequestSwitch, 1, 0, 4, 0, 0}, {kRequestStatus}, {kRequestSwitch, 1, 1, 3, 0, 0}, {kRequestStatus}}));
  RunFor(1'000);
  EXPECT_EQ(view.outputs.at(0), kWhite);
  EXPECT_EQ(view.outputs.at(1), kAnalogOutOfService);
  Sent();
  window.OnMouseDownOutputs(2);
  EXPECT_EQ(Sent(), std::vector<Bytes>{});
}

TEST_F(AnalogWindow, TheAlarmShowsInTheAlarmModeOnly) {
  Open();
  window.SetDisplayMode(AnalogDisplayMode::Alarm);
  window.OnMouseDownLoops(0, 2);
  RunFor(1'000);
  EXPECT_EQ(Row(2), (LoopRowLook{kAnalogAlarm, kWhite, "1.7", "ALARM"}));
  window.SetDisplayMode(AnalogDisplayMode::Value);
  RunFor(1'000);
  EXPECT_EQ(Row(2), (LoopRowLook{kWhite, Rgb(255, 0, 0), "1.7", "ALARM"}));
}

TEST_F(AnalogWindow, ObservationMarksLatchUntilTheModeIsLeft) {
  Open();
  window.SetDisplayMode(AnalogDisplayMode::Observation);
  for (ControlId id : {kMinimum, kMaximum, kStart, kInsideRange, kOutsideRange, kObservationLabel})
    EXPECT_TRUE(view.visible.at(id)) << id;
  view.checked[kInsideRange] = true;
  view.checked[kOutsideRange] = false;
  window.OnRangeChanged();
  EXPECT_EQ(window.range().mode, 0);
  RunFor(1'000);
  EXPECT_EQ(Row(1), (LoopRowLook{kAnalogObserved, kWhite, "0.3", "RUST"}));
  EXPECT_EQ(Row(4).background, kWhite); // 0.0 V lies below the range
  EXPECT_EQ(Row(7).background, kAnalogNoAnswer);

  // Loop 1 leaves the range; its mark stays.
  panel.state().Loop(1).value = 80;
  RunFor(1'000);
  EXPECT_EQ(Row(1), (LoopRowLook{kAnalogObserved, kWhite, "0.3", "RUST"}));
  EXPECT_TRUE(window.marked(1));

  // Leaving the mode redraws the marked rows at once from what the panel said last.
  window.SetDisplayMode(AnalogDisplayMode::Value);
  EXPECT_FALSE(window.marked(1));
  EXPECT_EQ(Row(1), (LoopRowLook{kWhite, Rgb(0, 160, 0), "8.0", "RUST"}));
}

TEST_F(AnalogWindow, TheRangeIsOrderedAndRefusedInputKeepsTheRangeInForce) {
  Open();
  window.SetDisplayMode(AnalogDisplayMode::Observation);
  view.text[kMinimum] = "5";
  view.text[kMaximum] = "2.0";
  window.OnRangeChanged();
  EXPECT_EQ(window.range().minimum, 2.0);
  EXPECT_EQ(window.range().maximum, 5.0);
  EXPECT_EQ(view.text[kMinimum], "2.0");
  EXPECT_EQ(view.text[kMaximum], "5.0");
  EXPECT_EQ(view.text[kObservationLabel], "Observatie\n2.0 - 5.0");
  EXPECT_TRUE(view.faults.empty());

  struct Case {
    const char* minimum;
    ExchangeFault::Kind fault;
  };
  const Case cases[] = {
      {"abc", ExchangeFault::Kind::NotDecimal},
      {"2,5", ExchangeFault::Kind::NotDecimal}, // the decimal separator is '.'
      {"", ExchangeFault::Kind::NotDecimal},
      {"10.5", ExchangeFault::Kind::DecimalRange},
      {"-1", ExchangeFault::Kind::DecimalRange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.minimum);
    view.faults.clear();
    view.text[kMinimum] = c.minimum;
    view.checked[kInsideRange] = true; // the user also picked the other radio
    view.checked[kOutsideRange] = false;
    window.OnRangeChanged();
    ASSERT_EQ(view.faults.size(), 1u);
    EXPECT_EQ(view.faults[0].kind, c.fault);
    EXPECT_EQ(view.faults[0].field, kMinimum);
    EXPECT_EQ(view.focused, kMinimum);
    EXPECT_EQ(window.range().mode, 1);
    EXPECT_EQ(window.range().minimum, 2.0);
    EXPECT_FALSE(view.checked[kInsideRange]); // the radios show the range in force
    EXPECT_TRUE(view.checked[kOutsideRange]);
  }
}

TEST_F(AnalogWindow, HoverAsksEachLoopsTextOnce) {
  Open();
  RunFor(1'000);
  const auto textRequests = [&] {
    int n = 0;
    for (const auto& r : panel.requests()) n += r.code == kRequestText;
    return n;
  };
  panel.ClearRequests();
  window.OnMouseMoveLoops(0, 2);
  EXPECT_EQ(view.text[kLoopText], "Gelijkvloers");
  EXPECT_EQ(window.hoveredLoop(), 2);
  EXPECT_EQ(app->engine().idleCountdown(), 10);
  window.OnMouseMoveLoops(0, 2);
  EXPECT_EQ(textRequests(), 1);
  window.OnMouseMoveLoops(0, 0); // the heading
  EXPECT_EQ(view.text[kLoopText], "");
  EXPECT_EQ(window.hoveredLoop(), 0);
  window.OnMouseMoveLoops(1, 0); // the other grid's heading is no loop 8
  window.OnMouseMoveLoops(0, 7); // does not answer
  EXPECT_EQ(textRequests(), 1);
  window.OnMouseMoveLoops(0, 5);
  EXPECT_EQ(view.text[kLoopText], "Zolder");
  window.OnMouseMove();
  EXPECT_EQ(view.text[kLoopText], "");

  // A panel that does not give the text leaves the line empty, after its wait.
  panel.faults().Add(panelsim::AnswersTo(panelsim::Fault::kDrop, kRequestText, 1));
  window.OnMouseMoveLoops(0, 6);
  EXPECT_EQ(view.text[kLoopText], "");
  EXPECT_EQ(window.hoveredLoop(), 6);
  RunFor(1'000);
  EXPECT_EQ(Row(6).value, "0.5"); // polling goes on
}

} // namespace
} // namespace kx700
