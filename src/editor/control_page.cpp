#include "editor/control_page.h"

#include <string>

#include "editor/exchange.h"

namespace kx700 {

namespace {

using namespace control_ids;

constexpr NavigationRules kControlNavigation{ControlPage::kLimit, 5, 5};
constexpr int kDuplicateControlFault = 25;
constexpr int kRows = ControlRecord::kEventCount;
constexpr int kBoxes = 8;

} // namespace

ControlPage::ControlPage(ParameterEditor& editor, RecordPageView& view)
    : RecordPage(
          editor, view, editor.document().controls, kControlNavigation,
          [](const ControlRecord& control) { return control.Number(); }, kDuplicateControlFault, true) {}

void ControlPage::OnInitDialog() {
  types_ = ControlTypeItems();
  modules_ = OutputModuleItems();
  pageView_.SetItems(kType, types_);
  for (int row = 0; row < kRows; ++row) pageView_.SetItems(Module(row), modules_);
  navigator_.SetCurrent(navigator_.list().begin());
  ShowRecord(false);
}

void ControlPage::OnSetActive() {
  if (navigator_.HasCurrent()) ShowRecord(false);
}

void ControlPage::FillEventCombos(int type) {
  events_ = ControlEventItems(type, editor_.version());
  for (int row = 0; row < kRows; ++row) {
    pageView_.SetItems(Event(row), events_);
    pageView_.SetSelection(Event(row), 0);
  }
}

bool ControlPage::SaveRecord() {
  ControlRecord* control = navigator_.currentRecord();
  if (!control) return true;
  ControlForm next = form_;
  FieldReader read(pageView_);
  read.Text(kName, next.name, ControlRecord::kNameWidth);
  if (!read.ok()) {
    ReportExchangeFault(pageView_, *read.fault());
    return false;
  }
  next.type = pageView_.Selection(kType);
  for (int r = 0; r < kRows; ++r) {
    ControlRow& row = next.rows[static_cast<std::size_t>(r)];
    row.event = DataAt(events_, pageView_.Selection(Event(r)));
    row.module = pageView_.Selection(Module(r));
    row.address = pageView_.Selection(Address(r));
    row.relays = 0;
    for (int b = 0; b < kBoxes; ++b) {
      if (pageView_.Checked(Relay(r, b))) row.relays |= static_cast<std::uint8_t>(1u << b);
    }
  }
  // A control shown and left as it was keeps its bytes.
  const bool changed = !(LoadControl(*control) == next);
  form_ = std::move(next);
  if (changed) StoreControl(form_, *control);
  return true;
}

void ControlPage::ShowRecord(bool focus) {
  if (const ControlRecord* control = navigator_.currentRecord()) {
    form_ = LoadControl(*control);
    FillEventCombos(form_.type);
  }
  ShowForm();
  UpdateControls();
  if (focus) pageView_.Focus(kName);
}

void ControlPage::ShowForm() {
  pageView_.SetText(kNumber, std::to_string(form_.number));
  pageView_.SetText(kName, form_.name);
  pageView_.SetSelection(kType, form_.type >= 0 && form_.type < static_cast<int>(types_.size()) ? form_.type : -1);
  for (int r = 0; r < kRows; ++r) {
    const ControlRow& row = form_.rows[static_cast<std::size_t>(r)];
    pageView_.SetSelection(Event(r), IndexOfData(events_, row.event));
    pageView_.SetSelection(Module(r), row.module >= 0 && row.module <= 2 ? row.module : -1);
    pageView_.SetSelection(Address(r), row.address);
    for (int b = 0; b < kBoxes; ++b) pageView_.SetChecked(Relay(r, b), (row.relays >> b) & 1);
  }
}

void ControlPage::UpdateControls() {
  const bool current = navigator_.HasCurrent();
  bool anyEvent = false;
  for (int r = 0; r < kRows; ++r) {
    const int event = pageView_.Selection(Event(r));
    const int module = pageView_.Selection(Module(r));
    const ControlRowState state = ControlRowRules(current, event, module);
    anyEvent = anyEvent || event != 0;
    pageView_.SetEnabled(RowLabel(r), state.labelEnabled);
    pageView_.SetEnabled(Event(r), state.eventEnabled);
    for (const auto& [id, shown] :
         {std::pair{Module(r), state.moduleShown}, std::pair{Address(r), state.addressShown}}) {
      pageView_.SetEnabled(id, shown);
      pageView_.SetVisible(id, shown);
    }
    for (int b = 0; b < kBoxes; ++b) {
      pageView_.SetEnabled(Relay(r, b), state.relaysShown);
      pageView_.SetVisible(Relay(r, b), state.relaysShown);
      if (state.relaysShown) pageView_.SetText(Relay(r, b), RelayCaption(module, b, pageView_.Checked(Relay(r, b))));
    }
  }
  pageView_.SetEnabled(kNumber, current);
  pageView_.SetEnabled(kName, current);
  // The type is fixed once a row has an event.
  const bool typeFixed = current && anyEvent;
  pageView_.SetEnabled(kType, current && !anyEvent);
  pageView_.SetVisible(kType, !typeFixed);
  pageView_.SetVisible(kTypeText, typeFixed);
  if (typeFixed) pageView_.SetText(kTypeText, ControlTypeText(pageView_.Selection(kType)));
}

void ControlPage::OnSelchangeType() {
  UpdateControls();
  FillEventCombos(pageView_.Selection(kType));
  UpdateControls();
}

void ControlPage::OnSelchangeRow() { UpdateControls(); }

void ControlPage::OnRelayCheck(int row, int box) {
  UpdateControls();
  // A box without a text clears the label, as leaving it does.
  if (!ShowRelayTip(row, box)) ClearRelayTip();
}

void ControlPage::OnRelayEnter(int row, int box) {
  if (DataAt(events_, pageView_.Selection(Event(row))) == 0 || !ShowRelayTip(row, box)) ClearRelayTip();
}

void ControlPage::OnRelayLeave() { ClearRelayTip(); }

bool ControlPage::ShowRelayTip(int row, int box) {
  const int module = pageView_.Selection(Module(row));
  const int card = module == 1 || module == 2 ? pageView_.Selection(Address(row)) + 1 : 0;
  std::string text;
  if (!editor_.relayTexts().GetOutputText(text, module, card, box + 1)) return false;
  pageView_.SetText(kRelayText, text);
  return true;
}

void ControlPage::ClearRelayTip() { pageView_.SetText(kRelayText, {}); }

ControlRecord ControlPage::NewRecord(int number) const { return NewControl(number, !navigator_.HasCurrent()); }

} // namespace kx700
