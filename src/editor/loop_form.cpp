#include "editor/loop_form.h"

#include <algorithm>
#include <cctype>

#include "common/string_format.h"
#include "common/text_helpers.h"
#include "common/text_tables.h"

namespace kx700 {

namespace {

using R = LoopRecord;

constexpr int kDetectorKindTexts[] = {155, 156, 154, 157, 158, 159};

std::string FieldText(const LoopRecord& record, std::size_t offset, std::size_t width) {
  return TrimRightBlanks(record.Text(offset, width), static_cast<int>(width));
}

int Tenths(double volts) { return static_cast<int>(volts * 10.0); }
double Volts(std::int8_t tenths) { return tenths / 10.0; }

// A numbered text compared exactly; a text the language leaves unfilled
// matches nothing.
bool Is(const std::string& text, int number) {
  const char* entry = GetText(number);
  return entry && text == entry;
}

std::string TextOf(int number) { return OrEmpty(GetText(number)); }

} // namespace

std::string DetectorKindText(int kind) {
  if (kind < kFirstDetectorKind || kind > kLastDetectorKind) return {};
  return TextOf(kDetectorKindTexts[kind - kFirstDetectorKind]);
}

std::string CompositionText(const CompositionEntry& entry) {
  return StringPrintf("%d x %s", entry.count, DetectorKindText(entry.kind).c_str());
}

void InsertSorted(std::vector<CompositionEntry>& list, const CompositionEntry& entry) {
  const std::string text = CompositionText(entry);
  const auto at = std::upper_bound(list.begin(), list.end(), text, [](const std::string& t, const CompositionEntry& e) {
    return ListBoxOrder(t, CompositionText(e));
  });
  list.insert(at, entry);
}

LoopForm LoadLoop(const LoopRecord& record) {
  LoopForm form;
  form.active = (record.Byte(R::kActive) & 1) != 0;
  form.number = record.Signed(R::kNumber);
  form.name = FieldText(record, R::kName, R::kNameWidth);
  form.zener = record.Byte(R::kZenerBarrier) != 0;
  form.kind = record.Signed(R::kDetectionKind);
  form.upperLevel = Volts(record.Signed(R::kLevelU));
  form.lowerLevel = Volts(record.Signed(R::kLevelL));
  form.faultLevel = Volts(record.Signed(R::kLevelF));
  form.shortLevel = Volts(record.Signed(R::kLevelS));
  form.upperText = FieldText(record, R::kTextU, R::kLevelTextWidth);
  form.lowerText = FieldText(record, R::kTextL, R::kLevelTextWidth);
  form.faultText = FieldText(record, R::kTextF, R::kLevelTextWidth);
  form.dependency = record.Signed(R::kDependency);
  form.warningEvacuation = record.Byte(R::kAlertActive) != 0;
  form.interventionTime = record.Signed(R::kInterventionTime);
  form.delayedEvacuation = record.Byte(R::kDelayedEvacuation) != 0;
  form.loopControl = record.Signed(R::kLoopControl);
  for (std::size_t pair = 0; pair < R::kCompositionPairs; ++pair) {
    const int kind = record.Signed(R::kComposition + 2 * pair);
    if (kind >= kFirstDetectorKind && kind <= kLastDetectorKind)
      InsertSorted(form.composition, {kind, record.Signed(R::kComposition + 2 * pair + 1)});
  }
  return form;
}

void StoreLoop(const LoopForm& form, LoopRecord& record) {
  record.bytes.fill(0);
  record.SetByte(R::kActive, form.active ? 1 : 0);
  record.SetByte(R::kNumber, form.number);
  record.SetText(R::kName, R::kNameWidth, form.name);
  record.SetByte(R::kZenerBarrier, form.zener ? 1 : 0);
  record.SetByte(R::kDetectionKind, form.kind);
  record.SetByte(R::kLevelU, Tenths(form.upperLevel));
  record.SetByte(R::kLevelL, form.kind == static_cast<int>(DetectionKind::Standard) ? Tenths(form.upperLevel)
                                                                                    : Tenths(form.lowerLevel));
  record.SetByte(R::kLevelF, Tenths(form.faultLevel));
  record.SetByte(R::kLevelS, Tenths(form.shortLevel));
  record.SetText(R::kTextU, R::kLevelTextWidth, form.upperText);
  record.SetText(R::kTextL, R::kLevelTextWidth, form.lowerText);
  record.SetText(R::kTextF, R::kLevelTextWidth, form.faultText);
  switch (static_cast<DetectionKind>(form.kind)) {
    case DetectionKind::Evacuation: break;
    case DetectionKind::TechnicalMessage: record.SetByte(R::kDependency, form.dependency); break;
    default:
      record.SetByte(R::kDependency, form.dependency);
      record.SetByte(R::kAlertActive, form.warningEvacuation ? 1 : 0);
  }
  record.SetByte(R::kInterventionTime, form.interventionTime);
  record.SetByte(R::kDelayedEvacuation, form.delayedEvacuation ? 1 : 0);
  record.SetByte(R::kLoopControl, form.loopControl);
  const std::size_t pairs = std::min(form.composition.size(), R::kCompositionPairs);
  for (std::size_t pair = 0; pair < pairs; ++pair) {
    record.SetByte(R::kComposition + 2 * pair, form.composition[pair].kind);
    record.SetByte(R::kComposition + 2 * pair + 1, form.composition[pair].count);
  }
}

void ApplyDetectionKind(int kind, LoopForm& form) {
  constexpr int kAlarmPlus = 41, kAlarm = 42, kPreAlarm = 43, kEvacuation = 153;
  std::string& upper = form.upperText;
  std::string& lower = form.lowerText;
  switch (static_cast<DetectionKind>(kind)) {
    case DetectionKind::PreAlarm:
      if (Is(upper, kAlarmPlus) || Is(upper, kEvacuation)) upper = TextOf(kAlarm);
      if (Is(lower, kAlarm) || Is(lower, kEvacuation)) lower = TextOf(kPreAlarm);
      form.upperLevel = 2.5;
      form.lowerLevel = 1.2;
      break;
    case DetectionKind::MultipleAlarm:
      if (Is(upper, kAlarm) || Is(upper, kEvacuation)) upper = TextOf(kAlarmPlus);
      if (Is(lower, kPreAlarm) || Is(lower, kEvacuation)) lower = TextOf(kAlarm);
      form.upperLevel = 2.5;
      form.lowerLevel = 1.2;
      break;
    case DetectionKind::Evacuation:
      upper = lower = TextOf(kEvacuation);
      form.upperLevel = form.lowerLevel = 1.2;
      break;
    default:
      if (Is(upper, kAlarmPlus) || Is(upper, kEvacuation)) upper = TextOf(kAlarm);
      if (Is(lower, kPreAlarm) || Is(lower, kEvacuation)) lower = TextOf(kAlarm);
      form.upperLevel = form.lowerLevel = 1.2;
  }
}

LoopRecord NewLoop(int number, const LoopRecord* from) {
  LoopRecord record;
  record.SetByte(R::kNumber, number);
  // The name counts as valid only with its word: Dutch when the language
  // leaves it unfilled.
  const char* word = GetText(6);
  record.SetText(R::kName, R::kNameWidth, StringPrintf("%s %d", word ? word : GetTextDutch(6), number));
  record.SetByte(R::kActive, 1);
  if (!from) {
    record.SetByte(R::kLevelU, 12);
    record.SetText(R::kTextU, R::kLevelTextWidth, TextOf(42));
    record.SetByte(R::kLevelL, 12);
    record.SetText(R::kTextL, R::kLevelTextWidth, TextOf(42));
    record.SetByte(R::kLevelF, 1);
    record.SetText(R::kTextF, R::kLevelTextWidth, TextOf(44));
    record.SetByte(R::kLevelS, 60);
    record.SetByte(R::kAlertActive, 1);
    record.SetByte(R::kInterventionTime, 2);
    return record;
  }
  for (std::size_t offset = R::kZenerBarrier; offset <= R::kLevelS; ++offset)
    record.SetByte(offset, from->Byte(offset));
  for (std::size_t offset : {R::kAlertActive, R::kInterventionTime, R::kDelayedEvacuation})
    record.SetByte(offset, from->Byte(offset));
  return record;
}

bool LoopControlStates::Enabled(ControlId id) const {
  const auto it = std::find_if(inputs.begin(), inputs.end(), [id](const Input& input) { return input.id == id; });
  return it != inputs.end() && it->enabled;
}

LoopControlStates LoopControlRules(bool hasCurrent, bool active, int kind, bool zener, bool warningEvacuation,
                                   bool delayedEvacuation) {
  using namespace loop_ids;
  LoopControlStates states;
  const auto set = [&states](std::initializer_list<ControlId> ids, bool enabled) {
    for (ControlId id : ids) states.inputs.push_back({id, enabled});
  };
  const bool a = hasCurrent && active;
  set({kActive}, hasCurrent);
  set({kName, kShortLevel, kUpperLevel, kFaultLevel, kFaultText, kLoopControl, kDetectionKind, kComposition,
       kAddComposition, kRemoveComposition},
      a);
  switch (static_cast<DetectionKind>(kind)) {
    case DetectionKind::PreAlarm:
    case DetectionKind::MultipleAlarm:
      set({kZener}, false);
      if (kind == static_cast<int>(DetectionKind::PreAlarm)) {
        states.upperLabel = LevelRowLabel::Alarm;
        states.lowerLabel = LevelRowLabel::PreAlarm;
      } else {
        states.upperLabel = LevelRowLabel::MultipleAlarm;
        states.lowerLabel = LevelRowLabel::Alarm;
      }
      // Without a loop nothing can be edited, whatever the kind last shown.
      set({kLowerText, kLowerLabel, kLowerLevel}, hasCurrent && !zener);
      break;
    default:
      set({kZener}, a);
      set({kLowerText, kLowerLabel, kLowerLevel}, false);
      if (kind == static_cast<int>(DetectionKind::Evacuation)) {
        set({kUpperText, kDependency, kWarningGroup, kWarningEvacuation, kInterventionTime, kDelayedEvacuation,
             kInterventionLabel},
            false);
        return states;
      }
  }
  set({kUpperText, kDependency}, a);
  if (kind == static_cast<int>(DetectionKind::TechnicalMessage)) {
    set({kWarningGroup, kWarningEvacuation, kInterventionTime, kDelayedEvacuation, kInterventionLabel}, false);
  } else if (!warningEvacuation) {
    set({kWarningGroup, kWarningEvacuation}, a);
    set({kInterventionTime, kDelayedEvacuation, kInterventionLabel}, false);
  } else {
    set({kWarningGroup, kWarningEvacuation, kDelayedEvacuation}, a);
    set({kInterventionTime}, a && delayedEvacuation);
    set({kInterventionLabel}, delayedEvacuation);
  }
  return states;
}

} // namespace kx700
