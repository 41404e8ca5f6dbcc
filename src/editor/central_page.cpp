#include "editor/central_page.h"

#include <algorithm>
#include <cctype>

#include "common/message_box.h"
#include "common/string_format.h"
#include "common/text_helpers.h"
#include "common/text_tables.h"
#include "editor/exchange.h"

namespace kx700 {

namespace {

using namespace central_ids;
using R = CentralRecord;

constexpr int kSilenceFullFault = 26;
constexpr std::size_t kCodeWidth = R::kCodeWidth;
constexpr std::size_t kZeroedEnd = R::kFirmwareVersion; // +0..+83

std::string Trimmed(const CentralRecord& record, std::size_t offset, std::size_t width) {
  return TrimRightBlanks(record.Text(offset, width), static_cast<int>(width));
}

std::string Code(std::string_view code) { return PadLeftWithZeros(code, static_cast<int>(kCodeWidth)); }

const ControlRecord* FindUsable(const std::list<ControlRecord>& controls, int number) {
  for (const ControlRecord& control : controls) {
    if (control.Number() == number && HasUsableName(control)) return &control;
  }
  return nullptr;
}

std::vector<ChoiceItem> ControlItems(const std::list<ControlRecord>& controls, int type, bool twoDigits) {
  std::vector<ChoiceItem> items;
  for (const ControlRecord& control : controls) {
    if (control.Type() == type && HasUsableName(control))
      items.push_back({ControlChoiceText(control, twoDigits), control.Number()});
  }
  return items;
}

// The silence list as its sorted list box holds it.
std::vector<ChoiceItem> SilenceItems(const std::vector<int>& numbers, const std::list<ControlRecord>& controls) {
  std::vector<ChoiceItem> items;
  for (int number : numbers) {
    const ControlRecord* control = FindUsable(controls, number);
    items.push_back({control ? ControlChoiceText(*control, true) : StringPrintf("%02d", number), number});
  }
  return items;
}

// The index of the last item with that data; -1 for none.
int LastIndexOfData(const std::vector<ChoiceItem>& items, int data) {
  for (std::size_t i = items.size(); i-- > 0;) {
    if (items[i].data == data) return static_cast<int>(i);
  }
  return -1;
}

} // namespace

bool HasUsableName(const ControlRecord& control) {
  // The name with the byte after its field: a name that runs on is too long.
  const std::string name = control.Text(ControlRecord::kName, ControlRecord::kNameWidth + 1);
  return !name.empty() && name.front() != ' ' && name.size() <= ControlRecord::kNameWidth;
}

std::string ControlChoiceText(const ControlRecord& control, bool twoDigits) {
  return StringPrintf(twoDigits ? "%02d %s" : "%d %s", control.Number(), control.Name().c_str());
}

CentralForm LoadCentral(const CentralRecord& record, const std::list<ControlRecord>& controls) {
  CentralForm form;
  form.panelName = Trimmed(record, R::kPanelName, R::kPanelNameWidth);
  form.project = Trimmed(record, R::kProjectName, R::kProjectNameWidth);
  form.reactionTime = record.Signed(R::kEvacuationReactionTime);
  form.backbeep = record.Byte(R::kBackbeep) != 0;
  form.operatingCode = Code(record.Text(R::kOperatingCode, kCodeWidth));
  form.advancedCode = Code(record.Text(R::kAdvancedCode, kCodeWidth));
  form.advancedFlags = record.Byte(R::kAdvancedFlags);
  form.switchOver = record.Byte(R::kDirectEvacuationSwitch) != 0;
  form.switchOverHour = record.Signed(R::kSwitchOverHour);
  form.switchOverMinute = record.Signed(R::kSwitchOverMinute);
  form.summerWinterTime = record.Byte(R::kSummerWinterTime) != 0;
  form.repeaterPanels = record.Signed(R::kRepeaterPanels);
  form.relayCards = record.Signed(R::kRelayCards);
  for (std::size_t n = 0; n < form.monitoredSirens.size(); ++n)
    form.monitoredSirens[n] = (record.Byte(R::kMonitoredSirenCircuits) >> n) & 1;
  form.generalControl = record.Signed(R::kGeneralControl);
  form.alertControl = record.Signed(R::kAlertControl);
  std::vector<ChoiceItem> silence;
  for (std::size_t slot = 0; slot < R::kSilenceControlSlots; ++slot) {
    const int number = record.Signed(R::kSilenceControls + slot);
    const ControlRecord* control = number > 0 ? FindUsable(controls, number) : nullptr;
    if (!control) continue;
    InsertByText(silence, {ControlChoiceText(*control, true), number});
  }
  for (const ChoiceItem& item : silence) form.silenceControls.push_back(item.data);
  return form;
}

void StoreCentral(const CentralForm& form, bool advancedCode, CentralRecord& record) {
  for (std::size_t i = 0; i < kZeroedEnd; ++i) record.SetByte(i, 0);
  record.SetText(R::kPanelName, R::kPanelNameWidth, form.panelName);
  record.SetText(R::kProjectName, R::kProjectNameWidth, form.project);
  record.SetByte(R::kEvacuationReactionTime, form.reactionTime);
  record.SetByte(R::kBackbeep, form.backbeep ? 1 : 0);
  record.SetText(R::kOperatingCode, kCodeWidth, Code(form.operatingCode));
  if (advancedCode) record.SetText(R::kAdvancedCode, kCodeWidth, Code(form.advancedCode));
  record.SetByte(R::kAdvancedFlags, form.advancedFlags);
  record.SetByte(R::kDirectEvacuationSwitch, form.switchOver ? 1 : 0);
  record.SetByte(R::kSwitchOverHour, form.switchOverHour);
  record.SetByte(R::kSwitchOverMinute, form.switchOverMinute);
  record.SetByte(R::kSummerWinterTime, form.summerWinterTime ? 1 : 0);
  record.SetByte(R::kRepeaterPanels, form.repeaterPanels);
  record.SetByte(R::kRelayCards, form.relayCards);
  int sirens = 0;
  for (std::size_t n = 0; n < form.monitoredSirens.size(); ++n) sirens |= form.monitoredSirens[n] ? 1 << n : 0;
  record.SetByte(R::kMonitoredSirenCircuits, sirens);
  const std::size_t slots = std::min(form.silenceControls.size(), std::size_t{R::kSilenceControlSlots});
  for (std::size_t slot = 0; slot < slots; ++slot)
    record.SetByte(R::kSilenceControls + slot, form.silenceControls[slot]);
  record.SetByte(R::kGeneralControl, form.generalControl);
  record.SetByte(R::kAlertControl, form.alertControl);
}

void ApplyDefaultControls(CentralRecord& record, const std::list<ControlRecord>& controls) {
  for (const auto& [offset, type] : {std::pair{R::kGeneralControl, 1}, std::pair{R::kAlertControl, 2}}) {
    if (record.Signed(offset) > 0) continue;
    for (const ControlRecord& control : controls) {
      if (control.Type() == type && HasUsableName(control)) record.SetByte(offset, control.Number());
    }
  }
}

std::array<bool, 6> AdvancedOptions(std::uint8_t flags) {
  std::array<bool, 6> options{};
  for (std::size_t bit = 0; bit < options.size(); ++bit) options[bit] = (flags >> bit) & 1;
  options[5] = !options[5];
  return options;
}

std::uint8_t AdvancedFlags(const std::array<bool, 6>& options) {
  int flags = 0;
  for (std::size_t bit = 0; bit < options.size(); ++bit) {
    const bool set = bit == 5 ? !options[bit] : options[bit];
    if (set) flags |= 1 << bit;
  }
  return static_cast<std::uint8_t>(flags);
}

CentralPage::CentralPage(ParameterEditor& editor, CentralPageView& view) : editor_(editor), view_(view) {}

void CentralPage::OnInitDialog() { Activate(); }

void CentralPage::OnSetActive() { Activate(); }

// The control page may have changed the controls: the lists are filled
// anew, references not set take their defaults, and the record is shown.
void CentralPage::Activate() {
  CPc_kx700Doc& document = editor_.document();
  generals_ = ControlItems(document.controls, 1, false);
  view_.SetItems(kGeneralControl, generals_);
  alerts_ = {{OrEmpty(GetText(83)), 0}};
  const auto alerts = ControlItems(document.controls, 2, false);
  alerts_.insert(alerts_.end(), alerts.begin(), alerts.end());
  view_.SetItems(kAlertControl, alerts_);
  ApplyDefaultControls(document.central, document.controls);
  LoadFromDocument();
}

void CentralPage::LoadFromDocument() {
  form_ = LoadCentral(editor_.document().central, editor_.document().controls);
  view_.SetText(kPanelName, form_.panelName);
  view_.SetText(kProject, form_.project);
  view_.SetText(kReactionTime, std::to_string(form_.reactionTime));
  view_.SetChecked(kBackbeep, form_.backbeep);
  view_.SetText(kOperatingCode, form_.operatingCode);
  view_.SetChecked(kSwitchOver, form_.switchOver);
  view_.SetText(kHour, std::to_string(form_.switchOverHour));
  view_.SetText(kMinute, std::to_string(form_.switchOverMinute));
  view_.SetChecked(kSummerWinter, form_.summerWinterTime);
  view_.SetText(kRelayCards, std::to_string(form_.relayCards));
  for (int n = 1; n <= 3; ++n) view_.SetChecked(Siren(n), form_.monitoredSirens[static_cast<std::size_t>(n - 1)]);
  view_.SetText(kRepeaters, std::to_string(form_.repeaterPanels));
  view_.SetText(kAdvancedCode, form_.advancedCode);
  view_.SetSelection(kGeneralControl, LastIndexOfData(generals_, form_.generalControl));
  view_.SetSelection(kAlertControl, LastIndexOfData(alerts_, form_.alertControl));
  ShowSilence();
  UpdateControls();
}

void CentralPage::ShowSilence() {
  view_.SetItems(kSilence, SilenceItems(form_.silenceControls, editor_.document().controls));
}

void CentralPage::UpdateControls() {
  for (ControlId id : {kBackbeep, kOperatingCode, kSummerWinter, kSwitchOver, kReactionTime, kPanelName, kProject,
                       kRepeaters, kRelayCards, Siren(1), Siren(2), Siren(3), kGeneralControl, kSilence, kAddSilence,
                       kRemoveSilence, kAlertControl})
    view_.SetEnabled(id, true);
  view_.SetEnabled(kHour, form_.switchOver);
  view_.SetEnabled(kMinute, form_.switchOver);
  // The advanced settings exist from 1.01 on.
  const bool advanced = editor_.CompareVersion(1, 1, kVersionAtLeast);
  for (ControlId id : {kAdvancedCode, kAdvanced}) {
    view_.SetVisible(id, advanced);
    view_.SetEnabled(id, advanced);
  }
}

void CentralPage::OnActief() {
  form_.switchOver = view_.Checked(kSwitchOver);
  UpdateControls();
}

bool CentralPage::SaveToDocument() {
  CentralForm next = form_;
  FieldReader read(view_);
  read.Text(kOperatingCode, next.operatingCode, kCodeWidth);
  next.backbeep = view_.Checked(kBackbeep);
  read.Text(kPanelName, next.panelName, R::kPanelNameWidth);
  read.Text(kProject, next.project, R::kProjectNameWidth);
  read.Integer(kReactionTime, next.reactionTime, 1, 9);
  next.switchOver = view_.Checked(kSwitchOver);
  read.Integer(kHour, next.switchOverHour, 0, 23);
  read.Integer(kMinute, next.switchOverMinute, 0, 59);
  next.summerWinterTime = view_.Checked(kSummerWinter);
  read.Integer(kRelayCards, next.relayCards, 0, 8);
  for (int n = 1; n <= 3; ++n) next.monitoredSirens[static_cast<std::size_t>(n - 1)] = view_.Checked(Siren(n));
  read.Integer(kRepeaters, next.repeaterPanels, 0, 8);
  read.Text(kAdvancedCode, next.advancedCode, kCodeWidth);
  if (!read.ok()) {
    ReportExchangeFault(view_, *read.fault());
    return false;
  }
  next.operatingCode = Code(next.operatingCode);
  next.advancedCode = Code(next.advancedCode);
  next.generalControl = DataAt(generals_, view_.Selection(kGeneralControl));
  next.alertControl = DataAt(alerts_, view_.Selection(kAlertControl));
  CentralRecord& record = editor_.document().central;
  // A record shown and left as it was keeps its bytes.
  const bool changed = !(LoadCentral(record, editor_.document().controls) == next);
  form_ = std::move(next);
  if (changed) StoreCentral(form_, editor_.CompareVersion(1, 1, kVersionAtLeast), record);
  return true;
}

bool CentralPage::AddSilenceControl(int number) {
  if (form_.silenceControls.size() >= kSilenceSlots) return false;
  const ControlRecord* control = FindUsable(editor_.document().controls, number);
  if (!control) return false;
  auto items = SilenceItems(form_.silenceControls, editor_.document().controls);
  InsertByText(items, {ControlChoiceText(*control, true), number});
  form_.silenceControls.clear();
  for (const ChoiceItem& i : items) form_.silenceControls.push_back(i.data);
  ShowSilence();
  return true;
}

void CentralPage::OnAddSilenceControl() { view_.PickSilenceControls(); }

void CentralPage::OnRemoveSilenceControl() {
  const int selected = view_.Selection(kSilence);
  if (selected < 0 || selected >= static_cast<int>(form_.silenceControls.size())) return;
  form_.silenceControls.erase(form_.silenceControls.begin() + selected);
  ShowSilence();
}

void CentralPage::OnAdvanced() {
  if (const auto flags = view_.ChooseAdvancedFlags(form_.advancedFlags)) form_.advancedFlags = *flags;
}

void SilencePicker::FillList() {
  const std::vector<int>& taken = page_.silenceControls();
  items_.clear();
  for (const ChoiceItem& item : ControlItems(page_.editor().document().controls, 3, true)) {
    if (std::find(taken.begin(), taken.end(), item.data) == taken.end()) items_.push_back(item);
  }
  std::stable_sort(items_.begin(), items_.end(),
                   [](const ChoiceItem& a, const ChoiceItem& b) { return ListBoxOrder(a.text, b.text); });
  view_.SetItems(kPickerList, items_);
}

void SilencePicker::OnDblclkList() {
  if (page_.silenceControls().size() >= CentralPage::kSilenceSlots) {
    ShowFault(page_.editor().messages(), kSilenceFullFault, view_.Owner());
    return;
  }
  const int selected = view_.Selection(kPickerList);
  if (selected < 0 || selected >= static_cast<int>(items_.size())) return;
  if (!page_.AddSilenceControl(items_[static_cast<std::size_t>(selected)].data)) return;
  items_.erase(items_.begin() + selected);
  view_.SetItems(kPickerList, items_);
}

} // namespace kx700
