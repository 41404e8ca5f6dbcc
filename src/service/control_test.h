#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/colour.h"
#include "common/message_host.h"
#include "editor/page_view.h"
#include "model/document.h"
#include "session/service_context.h"
#include "session/service_window.h"

// The control test window's logic that needs no window: which controls it
// offers, what an event row shows, and the rows switched on and off through
// the panel.
namespace kx700 {

class CPanelLink;

// Control kinds as the kind combo numbers them.
inline constexpr int kControlKindCount = 4;
inline constexpr int kSilenceControlKind = 3;
// The event rows of a control, 1..8 in the grid (row 0 is the heading).
inline constexpr int kControlTestRows = 8;

// Column 0 of a row chosen for switching.
inline constexpr ColorRef kControlTestSelected = Rgb(255, 255, 0);
// The text of a row the panel switched on, and off.
inline constexpr ColorRef kControlTestOnText = Rgb(0, 128, 0);
inline constexpr ColorRef kControlTestOffText = Rgb(255, 64, 64);
// The text of a row not switched since it was shown.
inline constexpr ColorRef kControlTestPlainText = SystemColor(SystemColour::WindowText);

// What columns 1..11 of an event row show.
struct EventRowTexts {
  std::string event;                 // column 1
  std::string module;                // column 2
  std::string address;               // column 3, relay cards only
  std::array<std::string, 8> relays; // columns 4..11: the relay's number, "." when not set
  bool operator==(const EventRowTexts&) const = default;
};

// The texts of event entry `row` (1..8) of a control; all empty for an empty
// entry (event code 0) or a row outside 1..8.
EventRowTexts EventRowOf(const ControlRecord& control, int row);
// The event code of entry `row` (1..8); 0 outside.
int EventCodeOf(const ControlRecord& control, int row);
// Whether the control combo offers a control: its name neither begins with a
// blank or NUL nor fills its whole field, terminator included.
bool OfferedForTest(const ControlRecord& control);
// "%d %s" of number and name.
std::string ControlChoiceText(const ControlRecord& control);

// The inputs of the control test window.
namespace control_test_control {
inline constexpr ControlId kKinds = 1215;
inline constexpr ControlId kControls = 1217;
inline constexpr ControlId kOn = 1218;  // "AAN", or "STILTE" for a silence control
inline constexpr ControlId kOff = 1219; // "UIT"
inline constexpr ControlId kGrid = 1220;
} // namespace control_test_control

// The widgets of the control test window as its logic sees them.
class ControlTestView : public PageView {
public:
  // Columns 1..11 of an event row (1..8).
  virtual void ShowEventRow(int row, const EventRowTexts& texts) = 0;
  // Column 0 of a row: marked as chosen, or the grid's own colour.
  virtual void SetRowSelected(int row, bool selected) = 0;
  // The text colour of columns 1..11 of a row.
  virtual void SetRowTextColor(int row, ColorRef colour) = 0;
  virtual void SetCaption(const std::string& panelText) = 0;
  // Around each request to the panel, which blocks until it is answered.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
};

// The logic of the control test window. It talks to the controls of the
// document, the panel, the link engine that keeps still while the window
// talks, and the boxes: the whole of its context. It keeps the chosen kind and control
// number, never a reference into the document's control list, and looks the
// control up whenever it acts.
class ControlTest : public ControlTestWindow {
public:
  ControlTest(ControlTestView& view, const ServiceContext& panel);

  // The kinds, the caption, and the first control of the default kind.
  void OnInitDialog();
  void FillKindCombo();
  // Offers the controls of a kind, the first of them chosen.
  void FillControlCombo(int kind);
  // The user chose a kind, or a control.
  void OnSelchangeKind();
  void OnSelchangeControl();
  // A press on the grid: a row's number toggles its choice.
  void OnMouseDownGrid(int row, int col);
  // "AAN"/"STILTE" and "UIT": the chosen rows, one request each, in order.
  void OnOn();
  void OnOff();
  // The window closes (Escape, its close box, or the main window closing):
  // back to supervision, then the panel drops the test activations.
  void OnCancel();
  // The document's controls changed: the lists are filled anew; the chosen
  // control stays chosen while it is offered, and its rows keep their choice
  // and colours while it is unchanged.
  void DocumentChanged();

  int selectedKind() const { return kind_; }
  std::optional<int> selectedNumber() const { return number_; }
  bool rowSelected(int row) const { return row >= 1 && row <= kControlTestRows && selected_[Index(row)]; }

private:
  static std::size_t Index(int row) { return static_cast<std::size_t>(row); }
  // The chosen control as the document now holds it; none when it is gone.
  const ControlRecord* CurrentControl() const;
  void ShowControl();
  void ShowButtons();
  // Sends the chosen rows; the question comes before the first when `ask`.
  void SendRows(int onOff, bool ask, ColorRef doneColour);

  ControlTestView& view_;
  ServiceContext panel_;
  int kind_ = 1;
  std::optional<int> number_;
  std::vector<ChoiceItem> offered_; // the control combo's items
  std::array<bool, kControlTestRows + 1> selected_{};
  // The chosen control as its rows were last shown, to see whether a change
  // of the document touched it.
  std::optional<ControlRecord> shown_;
  bool closed_ = false;
};

} // namespace kx700
