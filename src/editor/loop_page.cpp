#include "editor/loop_page.h"

#include <algorithm>
#include <string>

#include "common/message_box.h"
#include "common/string_format.h"
#include "common/text_tables.h"
#include "editor/exchange.h"

namespace kx700 {

namespace {

using namespace loop_ids;

constexpr NavigationRules kLoopNavigation{LoopPage::kLimit, 5, 5};
constexpr int kDuplicateLoopFault = 18;
constexpr int kCompositionFullFault = 40;
constexpr std::size_t kCompositionLimit = LoopRecord::kCompositionPairs;

std::string TextOf(int number) { return OrEmpty(GetText(number)); }

} // namespace

std::vector<ChoiceItem> DetectionKindItems() {
  using enum DetectionKind;
  const std::pair<int, DetectionKind> order[] = {{57, Standard}, {152, Evacuation},   {60, TechnicalMessage},
                                                 {58, PreAlarm}, {59, MultipleAlarm}, {61, Gas}};
  std::vector<ChoiceItem> items;
  for (const auto& [text, kind] : order) items.push_back({TextOf(text), static_cast<int>(kind)});
  return items;
}

std::vector<ChoiceItem> LoopControlItems(const std::list<ControlRecord>& controls) {
  std::vector<ChoiceItem> items{{TextOf(83), 0}};
  for (const ControlRecord& control : controls) {
    // The name with the byte after its field: a name that fills the field
    // and runs on is not offered.
    const std::string name = control.Text(ControlRecord::kName, ControlRecord::kNameWidth + 1);
    if (control.Type() != 0 || name.empty() || name.front() == ' ' || name.size() > ControlRecord::kNameWidth) continue;
    items.push_back({StringPrintf("%d %s", control.Number(), name.c_str()), control.Number()});
  }
  return items;
}

LoopPage::LoopPage(ParameterEditor& editor, LoopPageView& view)
    : RecordPage(
          editor, view, editor.document().loops, kLoopNavigation, [](const LoopRecord& loop) { return loop.Number(); },
          kDuplicateLoopFault, false),
      view_(view) {}

void LoopPage::OnInitDialog() {
  FillDetectionKinds();
  FillLoopControls();
  navigator_.SetCurrent(navigator_.list().begin());
  ShowRecord(false);
}

void LoopPage::OnSetActive() {
  // The control page may have changed the controls meanwhile.
  FillLoopControls();
  if (const LoopRecord* loop = navigator_.currentRecord()) {
    form_.loopControl = loop->Signed(LoopRecord::kLoopControl);
    view_.SetSelection(kLoopControl, IndexOfData(loopControls_, form_.loopControl));
  }
  UpdateControls();
}

void LoopPage::FillDetectionKinds() {
  kinds_ = DetectionKindItems();
  view_.SetItems(kDetectionKind, kinds_);
}

void LoopPage::FillLoopControls() {
  loopControls_ = LoopControlItems(editor_.document().controls);
  view_.SetItems(kLoopControl, loopControls_);
}

void LoopPage::ReadChoices(LoopForm& form) const {
  // A disabled input keeps what the loop held, even a value it cannot show.
  const auto box = [this](ControlId id, bool& value) {
    if (view_.IsEnabled(id)) value = view_.Checked(id);
  };
  const auto combo = [this](ControlId id, const std::vector<ChoiceItem>& items, int& value) {
    if (view_.IsEnabled(id)) value = DataAt(items, view_.Selection(id));
  };
  box(kActive, form.active);
  box(kWarningEvacuation, form.warningEvacuation);
  box(kDelayedEvacuation, form.delayedEvacuation);
  box(kZener, form.zener);
  combo(kDetectionKind, kinds_, form.kind);
  combo(kLoopControl, loopControls_, form.loopControl);
}

bool LoopPage::SaveRecord() {
  LoopRecord* loop = navigator_.currentRecord();
  if (!loop) return true;
  LoopForm next = form_;
  ReadChoices(next);
  FieldReader read(view_);
  read.Text(kName, next.name, LoopRecord::kNameWidth);
  read.Text(kFaultText, next.faultText, LoopRecord::kLevelTextWidth);
  read.Integer(kInterventionTime, next.interventionTime, 1, 9);
  read.Integer(kDependency, next.dependency, 0, kLimit);
  read.Text(kUpperText, next.upperText, LoopRecord::kLevelTextWidth);
  read.Text(kLowerText, next.lowerText, LoopRecord::kLevelTextWidth);
  read.Decimal(kUpperLevel, next.upperLevel, 0.0, 10.0);
  read.Decimal(kFaultLevel, next.faultLevel, 0.0, 10.0);
  read.Decimal(kShortLevel, next.shortLevel, 0.0, 10.0);
  read.Decimal(kLowerLevel, next.lowerLevel, 0.0, 10.0);
  if (!read.ok()) {
    ReportExchangeFault(view_, *read.fault());
    return false;
  }
  // A loop shown and left as it was keeps its bytes (its checksum too), so
  // looking through the loops changes nothing.
  const bool changed = !(LoadLoop(*loop) == next);
  form_ = std::move(next);
  if (changed) StoreLoop(form_, *loop);
  return true;
}

void LoopPage::ShowRecord(bool focus) {
  if (const LoopRecord* loop = navigator_.currentRecord()) form_ = LoadLoop(*loop);
  ShowForm();
  UpdateControls();
  if (focus) view_.Focus(kName);
}

void LoopPage::ShowForm() {
  view_.SetText(kNumber, std::to_string(form_.number));
  view_.SetChecked(kActive, form_.active);
  view_.SetText(kName, form_.name);
  view_.SetSelection(kDetectionKind, IndexOfData(kinds_, form_.kind));
  view_.SetChecked(kZener, form_.zener);
  view_.SetText(kUpperText, form_.upperText);
  view_.SetText(kUpperLevel, FormatDecimal(form_.upperLevel));
  view_.SetText(kLowerText, form_.lowerText);
  view_.SetText(kLowerLevel, FormatDecimal(form_.lowerLevel));
  view_.SetText(kFaultText, form_.faultText);
  view_.SetText(kFaultLevel, FormatDecimal(form_.faultLevel));
  view_.SetText(kShortLevel, FormatDecimal(form_.shortLevel));
  view_.SetChecked(kWarningEvacuation, form_.warningEvacuation);
  view_.SetChecked(kDelayedEvacuation, form_.delayedEvacuation);
  view_.SetText(kInterventionTime, std::to_string(form_.interventionTime));
  view_.SetText(kDependency, std::to_string(form_.dependency));
  view_.SetSelection(kLoopControl, IndexOfData(loopControls_, form_.loopControl));
  ShowComposition();
}

void LoopPage::ShowComposition() {
  std::vector<ChoiceItem> items;
  for (const CompositionEntry& entry : form_.composition) items.push_back({CompositionText(entry), entry.kind});
  view_.SetItems(kComposition, items);
}

void LoopPage::UpdateControls() {
  const bool hasCurrent = navigator_.HasCurrent();
  if (!hasCurrent && form_.active) {
    form_.active = false;
    view_.SetChecked(kActive, false);
  }
  const LoopControlStates states =
      LoopControlRules(hasCurrent, form_.active, DataAt(kinds_, view_.Selection(kDetectionKind)), form_.zener,
                       form_.warningEvacuation, form_.delayedEvacuation);
  for (const auto& input : states.inputs) view_.SetEnabled(input.id, input.enabled);
  view_.SetRowLabels(states.upperLabel, states.lowerLabel);
}

void LoopPage::OnSelchangeDetectionKind() {
  ReadChoices(form_);
  form_.upperText = StoredText(view_.Text(kUpperText));
  form_.lowerText = StoredText(view_.Text(kLowerText));
  ApplyDetectionKind(form_.kind, form_);
  view_.SetText(kUpperText, form_.upperText);
  view_.SetText(kLowerText, form_.lowerText);
  view_.SetText(kUpperLevel, FormatDecimal(form_.upperLevel));
  view_.SetText(kLowerLevel, FormatDecimal(form_.lowerLevel));
  UpdateControls();
}

void LoopPage::OnCheckboxClicked() {
  ReadChoices(form_);
  UpdateControls();
}

void LoopPage::OnAddComposition() {
  const int selected = view_.Selection(kComposition);
  const bool hasSelection = selected >= 0 && selected < static_cast<int>(form_.composition.size());
  const CompositionEntry preset =
      hasSelection ? form_.composition[static_cast<std::size_t>(selected)] : CompositionEntry{kFirstDetectorKind, 0};
  const auto chosen = view_.ChooseDetectorKind(preset);
  if (!chosen || chosen->kind == 0 || chosen->count <= 0) return;
  auto& list = form_.composition;
  const auto same =
      std::find_if(list.begin(), list.end(), [&](const CompositionEntry& entry) { return entry.kind == chosen->kind; });
  if (same != list.end()) list.erase(same);
  if (list.size() >= kCompositionLimit) {
    ShowComposition();
    ShowFault(editor_.messages(), kCompositionFullFault, view_.Owner());
    return;
  }
  InsertSorted(list, *chosen);
  ShowComposition();
}

void LoopPage::OnRemoveComposition() {
  const int selected = view_.Selection(kComposition);
  if (selected < 0 || selected >= static_cast<int>(form_.composition.size())) return;
  form_.composition.erase(form_.composition.begin() + selected);
  ShowComposition();
}

LoopRecord LoopPage::NewRecord(int number) const {
  const auto current = navigator_.current();
  return NewLoop(number, navigator_.HasCurrent() ? &*current : nullptr);
}

std::vector<ChoiceItem> DetectorKindItems() {
  std::vector<ChoiceItem> items;
  for (int kind = kFirstDetectorKind; kind <= kLastDetectorKind; ++kind)
    items.push_back({DetectorKindText(kind), kind});
  return items;
}

CompositionEntry DetectorKindPreset(const CompositionEntry& preset) {
  CompositionEntry shown = preset;
  if (shown.kind < kFirstDetectorKind || shown.kind > kLastDetectorKind) shown.kind = kFirstDetectorKind;
  if (shown.count < 0 || shown.count > kMaxDetectorCount) shown.count = 0;
  return shown;
}

void ShowDetectorKindChoice(PageView& view, const CompositionEntry& preset) {
  const CompositionEntry shown = DetectorKindPreset(preset);
  const auto items = DetectorKindItems();
  view.SetItems(detector_kind_ids::kKind, items);
  view.SetSelection(detector_kind_ids::kKind, IndexOfData(items, shown.kind));
  view.SetText(detector_kind_ids::kCount, std::to_string(shown.count));
}

std::optional<CompositionEntry> AcceptDetectorKindChoice(PageView& view) {
  CompositionEntry chosen{DataAt(DetectorKindItems(), view.Selection(detector_kind_ids::kKind)), 0};
  FieldReader read(view);
  read.Integer(detector_kind_ids::kCount, chosen.count, 0, kMaxDetectorCount);
  if (!read.ok()) {
    ReportExchangeFault(view, *read.fault());
    return std::nullopt;
  }
  return chosen;
}

} // namespace kx700
