#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/colour.h"
#include "editor/page_view.h"
#include "model/document.h"
#include "session/service_window.h"

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

// What the window shows of one loop after a poll, from its entry in the
// service area; only the alarm mode shows the alarm.
LoopReading ReadingOf(const AnalogLoopState& loop, AnalogDisplayMode mode);

// The inputs of the analog values window.
namespace analog_control {
inline constexpr ControlId kLoopText = 1050;     // the hovered loop's text
inline constexpr ControlId kPolledLoop = 1211;   // the loop just refreshed
inline constexpr ControlId kInsideRange = 1203;  // "Binnen bereik"
inline constexpr ControlId kOutsideRange = 1204; // "Buiten bereik"
inline constexpr ControlId kMinimum = 1205;
inline constexpr ControlId kMaximum = 1206;
inline constexpr ControlId kStart = 1207;
inline constexpr ControlId kMinimumLabel = 1208;
inline constexpr ControlId kMaximumLabel = 1209;
inline constexpr ControlId kOutputsGrid = 1212;
inline constexpr ControlId kObservationLabel = 1213;
} // namespace analog_control

// The widgets of the analog values window as its logic sees them.
class AnalogValuesView : public PageView {
public:
  // Both cells of a loop's row (1..16).
  virtual void DrawLoopRow(int loop, const LoopRowLook& look) = 0;
  // The background of an output's cell: 0 the sirens, 1 the transmission.
  virtual void SetOutputBackground(int column, ColorRef colour) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
};

class CPanelLink;

// What the window talks to: the live values in the document, the panel and
// the link engine that polls it.
struct AnalogValuesPanel {
  PanelServiceState& service;
  CPanelLink& link;
  LinkEngine& engine;
};

// The logic of the analog values window: the link engine polls the loops one
// by one and calls RefreshCurrentLoop after each answer; the window draws the
// loop's row, and its clicks send the per-loop commands.
class AnalogValues : public AnalogValuesWindow {
public:
  AnalogValues(AnalogValuesView& view, const AnalogValuesPanel& panel);

  // The window's first state: every loop unknown, the value mode.
  void OnInitDialog();
  void RefreshCurrentLoop() override;

  // A tool bar button was pressed.
  void SetDisplayMode(AnalogDisplayMode mode);
  AnalogDisplayMode displayMode() const { return mode_; }
  // A range radio or "Start": the range is read, ordered and applied, and
  // the rows are observed anew. An input refused keeps the range in force.
  void OnRangeChanged();
  const ObservationRange& range() const { return range_; }

  // The mouse over a loop grid (0: loops 1-8, 1: loops 9-16) at a row (0 is
  // the heading), or over the window itself.
  void OnMouseMoveLoops(int grid, int row);
  void OnMouseMove();
  int hoveredLoop() const { return hovered_; }
  // A press on a loop grid's row, or on an output's column.
  void OnMouseDownLoops(int grid, int row);
  void OnMouseDownOutputs(int column);

  void ResetLoopTable();
  void ClearObservationMarks();
  bool marked(int loop) const { return loop >= 1 && loop <= 16 && marked_[static_cast<std::size_t>(loop)]; }

private:
  void DrawLoopRow(int loop, const LoopReading& reading);
  void DrawLoop(int loop);
  void ShowControlsForMode();
  bool ApplyObservationRange();
  void ShowLoopText(int loop);
  // The loop of a grid row when it is one the user may act on; 0 otherwise.
  int ActiveLoopAt(int grid, int row) const;
  void ShowOutput(int column, std::uint8_t out, std::uint8_t& lastShown);

  AnalogValuesView& view_;
  AnalogValuesPanel panel_;
  AnalogDisplayMode mode_ = AnalogDisplayMode::Value;
  ObservationRange range_{1, 0.0, 0.0};
  std::array<bool, 17> marked_{};
  int hovered_ = 0;
  std::uint8_t shownSirensOut_ = 0;
  std::uint8_t shownTransmissionOut_ = 0;
};

} // namespace kx700
