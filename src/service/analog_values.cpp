#include "service/analog_values.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "common/string_format.h"
#include "common/text_tables.h"
#include "editor/exchange.h"
#include "link/panel_link.h"
#include "session/link_engine.h"

namespace kx700 {

namespace {

// "%.1f" in the C locale, whatever the program's locale.
std::string OneDecimal(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
  return std::string(buffer, result.ptr);
}

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

// The range's limits as the edits show them: at least one decimal.
std::string RangeText(double value) {
  std::string text = FormatDecimal(value);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

constexpr int kLoops = 16;
constexpr int kLoopsPerGrid = 8;

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

LoopReading ReadingOf(const AnalogLoopState& loop, AnalogDisplayMode mode) {
  LoopReading reading;
  reading.blank = loop.notInRange != 0;
  reading.outOfService = loop.inService == 0;
  reading.inTest = (loop.inTest & 1) != 0;
  reading.alarm = mode == AnalogDisplayMode::Alarm && (loop.answerFlags & 2) != 0;
  reading.answered = loop.answerFlags != 0;
  reading.value = loop.value;
  reading.state = loop.state;
  return reading;
}

// --- the window's logic -----------------------------------------------------

using namespace analog_control;

AnalogValues::AnalogValues(AnalogValuesView& view, const AnalogValuesPanel& panel) : view_(view), panel_(panel) {}

void AnalogValues::OnInitDialog() {
  range_.minimum = 0.1;
  range_.maximum = 6.0;
  mode_ = AnalogDisplayMode::Value;
  view_.SetChecked(kInsideRange, range_.mode == 0);
  view_.SetChecked(kOutsideRange, range_.mode == 1);
  view_.SetText(kMinimum, RangeText(range_.minimum));
  view_.SetText(kMaximum, RangeText(range_.maximum));
  shownSirensOut_ = shownTransmissionOut_ = 0;
  ShowControlsForMode();
  ApplyObservationRange();

  PanelServiceState& service = panel_.service;
  service.analogRequestAddress = 0;
  service.polledLoop = 1;
  view_.SetCaption(panel_.engine.session().statusText);
  service.firstLoop = 1;
  service.lastLoop = kLoops;
  ResetLoopTable();
}

void AnalogValues::ResetLoopTable() {
  PanelServiceState& service = panel_.service;
  service.polledLoop = service.firstLoop;
  service.sirensOutOfService = service.transmissionOutOfService = 0;
  marked_.fill(false);
  for (int i = 0; i <= kLoops; ++i) {
    AnalogLoopState& loop = service.analogLoops[static_cast<std::size_t>(i)];
    loop = AnalogLoopState{};
    loop.value = 0xFFFFFFFF;
    loop.inService = 1;
    loop.answerFlags = 1;
    loop.state = 127;
    loop.notInRange = i < service.firstLoop || i > service.lastLoop ? 1 : 0;
    LoopReading reading;
    reading.blank = loop.notInRange != 0;
    reading.value = loop.value;
    DrawLoopRow(i, reading);
  }
}

void AnalogValues::DrawLoopRow(int loop, const LoopReading& reading) {
  if (loop < 1 || loop > kLoops) return;
  bool& mark = marked_[static_cast<std::size_t>(loop)];
  const auto look = LoopRowLookFor(reading, mode_, range_, mark);
  if (!look) return; // latched by the observation
  mark = look->background == kAnalogObserved;
  view_.DrawLoopRow(loop, *look);
}

void AnalogValues::DrawLoop(int loop) {
  if (loop < 1 || loop > kLoops) return;
  DrawLoopRow(loop, ReadingOf(panel_.service.analogLoops[static_cast<std::size_t>(loop)], mode_));
}

void AnalogValues::RefreshCurrentLoop() {
  const PanelServiceState& service = panel_.service;
  const int loop = service.polledLoop;
  if (loop >= 1 && loop <= kLoops) {
    DrawLoop(loop);
    view_.SetText(kPolledLoop, std::to_string(loop));
  }
  if (mode_ == AnalogDisplayMode::Service) {
    ShowOutput(0, service.sirensOutOfService, shownSirensOut_);
    ShowOutput(1, service.transmissionOutOfService, shownTransmissionOut_);
  }
}

void AnalogValues::ShowOutput(int column, std::uint8_t out, std::uint8_t& lastShown) {
  if (out == lastShown) return;
  lastShown = out;
  view_.SetOutputBackground(column, out ? kAnalogOutOfService : kWhite);
}

void AnalogValues::ShowControlsForMode() {
  for (ControlId id : {kOutputsGrid, kMinimum, kMaximum, kStart, kInsideRange, kOutsideRange}) {
    view_.SetVisible(id, false);
    view_.SetEnabled(id, false);
  }
  for (ControlId id : {kMinimumLabel, kMaximumLabel, kObservationLabel}) view_.SetVisible(id, false);
  if (mode_ == AnalogDisplayMode::Service) {
    view_.SetVisible(kOutputsGrid, true);
    view_.SetEnabled(kOutputsGrid, true);
  } else if (mode_ == AnalogDisplayMode::Observation) {
    for (ControlId id : {kMinimum, kMaximum, kStart, kInsideRange, kOutsideRange}) {
      view_.SetVisible(id, true);
      view_.SetEnabled(id, true);
    }
    for (ControlId id : {kMinimumLabel, kMaximumLabel, kObservationLabel}) view_.SetVisible(id, true);
  }
}

void AnalogValues::SetDisplayMode(AnalogDisplayMode mode) {
  if (mode == mode_) return;
  const AnalogDisplayMode old = mode_;
  mode_ = mode;
  // The marks go with the mode; their rows show the new mode at once.
  if (old == AnalogDisplayMode::Observation) ClearObservationMarks();
  ShowControlsForMode();
}

void AnalogValues::ClearObservationMarks() {
  for (int loop = 1; loop <= kLoops; ++loop) {
    if (!marked_[static_cast<std::size_t>(loop)]) continue;
    marked_[static_cast<std::size_t>(loop)] = false;
    DrawLoop(loop);
  }
}

void AnalogValues::OnRangeChanged() {
  // The range is read first: a refused input changes nothing, marks included.
  if (ApplyObservationRange()) ClearObservationMarks();
}

bool AnalogValues::ApplyObservationRange() {
  ObservationRange next = range_;
  if (view_.Checked(kInsideRange))
    next.mode = 0;
  else if (view_.Checked(kOutsideRange))
    next.mode = 1;
  FieldReader read(view_);
  read.Decimal(kMinimum, next.minimum, 0.0, 10.0);
  read.Decimal(kMaximum, next.maximum, 0.0, 10.0);
  if (!read.ok()) {
    view_.SetChecked(kInsideRange, range_.mode == 0);
    view_.SetChecked(kOutsideRange, range_.mode == 1);
    ReportExchangeFault(view_, *read.fault());
    return false;
  }
  if (next.minimum > next.maximum) {
    next = Ordered(next);
    view_.SetText(kMinimum, RangeText(next.minimum));
    view_.SetText(kMaximum, RangeText(next.maximum));
  }
  range_ = next;
  view_.SetText(kObservationLabel, ObservationLabel(range_));
  return true;
}

int AnalogValues::ActiveLoopAt(int grid, int row) const {
  if (row < 1 || row > kLoopsPerGrid || grid < 0 || grid > 1) return 0;
  const PanelServiceState& service = panel_.service;
  const int loop = row + kLoopsPerGrid * grid;
  if (loop < service.firstLoop || loop > service.lastLoop) return 0;
  return service.analogLoops[static_cast<std::size_t>(loop)].answerFlags != 0 ? loop : 0;
}

void AnalogValues::OnMouseMoveLoops(int grid, int row) {
  // A heading or a row below the grid is no loop, whatever its number.
  const int loop = row >= 1 && row <= kLoopsPerGrid ? row + kLoopsPerGrid * grid : 0;
  if (loop != 0 && loop == hovered_) return;
  if (const int active = ActiveLoopAt(grid, row)) {
    hovered_ = active;
    ShowLoopText(active);
  } else {
    OnMouseMove();
  }
}

void AnalogValues::OnMouseMove() {
  if (hovered_ == 0) return;
  hovered_ = 0;
  view_.SetText(kLoopText, {});
}

void AnalogValues::ShowLoopText(int loop) {
  {
    LinkEngine::BusyScope busy(panel_.engine);
    view_.SetText(kLoopText, panel_.link.ReadText(loop).value_or(std::string()));
  }
  panel_.engine.ArmIdleCountdown();
}

void AnalogValues::OnMouseDownLoops(int grid, int row) {
  const int loop = ActiveLoopAt(grid, row);
  if (loop == 0) return;
  PanelServiceState& service = panel_.service;
  const AnalogLoopState& state = service.analogLoops[static_cast<std::size_t>(loop)];
  switch (mode_) {
    case AnalogDisplayMode::Service:
      panel_.link.SendLoopSwitch(true, state.inService == 0, loop);
      service.polledLoop = loop; // its new state shows at the next poll
      break;
    case AnalogDisplayMode::Test:
      panel_.link.SendLoopSwitch(false, (state.inTest & 1) == 0, loop);
      service.polledLoop = loop;
      break;
    case AnalogDisplayMode::Alarm: panel_.link.SendLoopAlarm(loop); break;
    case AnalogDisplayMode::Value:
    case AnalogDisplayMode::Observation: break;
  }
  panel_.engine.ArmIdleCountdown();
}

void AnalogValues::OnMouseDownOutputs(int column) {
  if (mode_ != AnalogDisplayMode::Service) return;
  const PanelServiceState& service = panel_.service;
  if (column == 0) {
    panel_.link.SendSirensSwitch(service.sirensOutOfService != 0);
  } else if (column == 1) {
    panel_.link.SendTransmissionSwitch(service.transmissionOutOfService != 0);
  } else {
    return;
  }
  // The new states come with the status answer; the next refresh shows them.
  panel_.link.SendStatusRequest();
  panel_.engine.ArmIdleCountdown();
}

} // namespace kx700
