#include "service/control_test.h"

#include <vector>

#include "common/string_format.h"
#include "common/text_tables.h"
#include "link/panel_link.h"
#include "session/link_engine.h"

namespace kx700 {

namespace {

// The text numbers of the event codes 1..14.
constexpr std::array<int, 15> kEventTexts = {0, 30, 84, 86, 85, 88, 58, 59, 90, 91, 92, 93, 94, 95, 195};
constexpr std::array<int, kControlKindCount> kKindTexts = {107, 108, 109, 110};
constexpr int kDefaultKind = 1;

// The name field with its terminator: a name that fills it has none.
constexpr std::size_t kNameField = ControlRecord::kNameNul - ControlRecord::kName + 1;

std::size_t EventAt(int row) { return ControlRecord::EventOffset(static_cast<std::size_t>(row - 1)); }

} // namespace

int EventCodeOf(const ControlRecord& control, int row) {
  if (row < 1 || row > kControlTestRows) return 0;
  return control.Byte(EventAt(row) + ControlEvent::kEventCode);
}

EventRowTexts EventRowOf(const ControlRecord& control, int row) {
  EventRowTexts texts;
  const int code = EventCodeOf(control, row);
  if (code == 0) return texts;
  if (code < static_cast<int>(kEventTexts.size())) texts.event = OrEmpty(GetText(kEventTexts[code]));

  const std::size_t entry = EventAt(row);
  const int module = control.Byte(entry + ControlEvent::kModuleKind);
  const std::string address = std::to_string(control.Byte(entry + ControlEvent::kCardAddress));
  switch (module) {
    case 0: texts.module = OrEmpty(GetText(116)); break;
    case 1:
      texts.module = OrEmpty(GetText(117));
      texts.address = address;
      break;
    case 2:
      texts.module = OrEmpty(GetText(118));
      texts.address = address;
      break;
    default: return texts; // no module this program knows: no relays either
  }
  const std::uint8_t mask = control.ShownRelays(static_cast<std::size_t>(row - 1));
  const int first = module == 2 ? 9 : 1;
  for (int i = 0; i < 8; ++i)
    texts.relays[static_cast<std::size_t>(i)] = (mask >> i) & 1 ? std::to_string(first + i) : std::string(".");
  return texts;
}

bool OfferedForTest(const ControlRecord& control) {
  const std::uint8_t first = control.Byte(ControlRecord::kName);
  return first != ' ' && first != 0 && control.Text(ControlRecord::kName, kNameField).size() < kNameField;
}

std::string ControlChoiceText(const ControlRecord& control) {
  return StringPrintf("%d %s", control.Number(), control.Name().c_str());
}

// --- the window's logic -----------------------------------------------------

using namespace control_test_control;

namespace {

// One request to the panel: the engine keeps still and the wait cursor shows
// until it is answered or timed out.
class PanelRequest {
public:
  PanelRequest(LinkEngine& engine, ControlTestView& view) : busy_(engine), view_(view) { view_.BeginWaitCursor(); }
  ~PanelRequest() { view_.EndWaitCursor(); }
  PanelRequest(const PanelRequest&) = delete;
  PanelRequest& operator=(const PanelRequest&) = delete;

private:
  LinkEngine::BusyScope busy_;
  ControlTestView& view_;
};

} // namespace

ControlTest::ControlTest(ControlTestView& view, const ServiceContext& panel) : view_(view), panel_(panel) {}

void ControlTest::OnInitDialog() {
  FillKindCombo();
  view_.SetCaption(panel_.engine.session().statusText);
  OnSelchangeKind();
}

void ControlTest::FillKindCombo() {
  std::vector<ChoiceItem> kinds;
  for (int kind = 0; kind < kControlKindCount; ++kind)
    kinds.push_back({OrEmpty(GetText(kKindTexts[static_cast<std::size_t>(kind)])), kind});
  view_.SetItems(kKinds, kinds);
  view_.SetSelection(kKinds, kDefaultKind);
}

void ControlTest::FillControlCombo(int kind) {
  number_.reset();
  offered_.clear();
  for (const ControlRecord& control : panel_.document.controls) {
    if (control.Type() != kind || !OfferedForTest(control)) continue;
    offered_.push_back({ControlChoiceText(control), control.Number()});
    if (!number_) number_ = control.Number();
  }
  view_.SetItems(kControls, offered_);
  if (!offered_.empty()) view_.SetSelection(kControls, 0);
}

void ControlTest::OnSelchangeKind() {
  // The kind is the combo's index; no selection offers no controls.
  kind_ = view_.Selection(kKinds);
  FillControlCombo(kind_);
  ShowControl();
  ShowButtons();
}

void ControlTest::OnSelchangeControl() {
  const int index = view_.Selection(kControls);
  if (index >= 0 && index < static_cast<int>(offered_.size())) number_ = DataAt(offered_, index);
  ShowControl();
  ShowButtons();
}

const ControlRecord* ControlTest::CurrentControl() const {
  if (!number_) return nullptr;
  for (const ControlRecord& control : panel_.document.controls) {
    if (control.Number() == *number_ && control.Type() == kind_ && OfferedForTest(control)) return &control;
  }
  return nullptr;
}

void ControlTest::ShowControl() {
  const ControlRecord* control = CurrentControl();
  shown_ = control ? std::optional<ControlRecord>(*control) : std::nullopt;
  for (int row = 1; row <= kControlTestRows; ++row) {
    view_.ShowEventRow(row, control ? EventRowOf(*control, row) : EventRowTexts{});
    selected_[Index(row)] = false;
    view_.SetRowSelected(row, false);
    view_.SetRowTextColor(row, kControlTestPlainText);
  }
}

void ControlTest::ShowButtons() {
  const bool exists = CurrentControl() != nullptr;
  const bool silence = kind_ == kSilenceControlKind;
  view_.SetText(kOn, OrEmpty(GetText(silence ? 137 : 135)));
  view_.SetEnabled(kOn, exists);
  view_.SetVisible(kOff, !silence);
  view_.SetEnabled(kOff, exists && !silence);
}

void ControlTest::OnMouseDownGrid(int row, int col) {
  if (col != 0 || row < 1 || row > kControlTestRows) return;
  const ControlRecord* control = CurrentControl();
  if (!control || EventCodeOf(*control, row) == 0) return;
  bool& selected = selected_[Index(row)];
  selected = !selected;
  view_.SetRowSelected(row, selected);
}

void ControlTest::OnOn() {
  // A silence control is switched with 0, and without asking.
  if (kind_ == kSilenceControlKind)
    SendRows(0, false, kControlTestOnText);
  else
    SendRows(1, true, kControlTestOnText);
}

void ControlTest::OnOff() {
  if (kind_ == kSilenceControlKind) return; // it has no off
  SendRows(0, false, kControlTestOffText);
}

void ControlTest::SendRows(int onOff, bool ask, ColorRef doneColour) {
  const ControlRecord* found = CurrentControl();
  if (!found) return;
  // A copy: the question box lets other things happen before the rows go.
  const ControlRecord control = *found;
  const int number = *number_;
  const int kind = kind_;
  for (int row = 1; row <= kControlTestRows; ++row) {
    if (!selected_[Index(row)]) continue;
    if (ask) {
      ask = false;
      const MessageBoxRequest question{OrEmpty(GetText(1)), OrEmpty(GetText(133)), MessageButtons::YesNo,
                                       MessageIcon::Question, view_.Owner()};
      if (panel_.messages.Show(question) != MessageAnswer::Yes) return;
    }
    bool acknowledged = false;
    {
      PanelRequest request(panel_.engine, view_);
      acknowledged = panel_.link.TestControl(number, kind, EventCodeOf(control, row), row, onOff != 0);
    }
    // The link has shown its fault; the rows sent before keep their colour.
    if (!acknowledged) return;
    view_.SetRowTextColor(row, doneColour);
  }
}

void ControlTest::OnCancel() {
  if (closed_) return;
  closed_ = true;
  LeaveLinkMode();
  // The panel would otherwise keep the outputs switched by the test.
  LinkEngine::BusyScope busy(panel_.engine);
  panel_.link.SendReset(0);
}

void ControlTest::DocumentChanged() {
  const std::optional<int> chosen = number_;
  const std::optional<ControlRecord> before = shown_;
  FillControlCombo(kind_);
  if (chosen) {
    const int index = IndexOfData(offered_, *chosen);
    if (index >= 0) {
      view_.SetSelection(kControls, index);
      number_ = chosen;
    }
  }
  const ControlRecord* now = CurrentControl();
  if (!now || !before || !(*now == *before)) ShowControl();
  ShowButtons();
}

} // namespace kx700
