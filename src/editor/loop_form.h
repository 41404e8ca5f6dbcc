#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/page_view.h"
#include "model/records.h"

// The loop page's values and how they map to the bytes of a loop record.
namespace kx700 {

// What a loop detects (record byte 23).
enum class DetectionKind : int {
  Standard = 0,
  PreAlarm = 1,
  MultipleAlarm = 2,
  Evacuation = 3,
  TechnicalMessage = 4,
  Gas = 5,
};

// The kinds of detector a loop's composition counts, 1..6.
inline constexpr int kFirstDetectorKind = 1;
inline constexpr int kLastDetectorKind = 6;
// The text of a detector kind ("Optisch" ...); "" for a kind outside 1..6.
std::string DetectorKindText(int kind);

// One composition entry: a detector kind and how many of it.
struct CompositionEntry {
  int kind = kFirstDetectorKind;
  int count = 0;
  bool operator==(const CompositionEntry&) const = default;
};

// "%d x %s": count and detector kind text.
std::string CompositionText(const CompositionEntry& entry);
// Adds an entry where a sorted list box puts it: by its text, ignoring case.
void InsertSorted(std::vector<CompositionEntry>& list, const CompositionEntry& entry);

// A loop as the page shows it: the levels in volts.
struct LoopForm {
  bool active = false;
  int number = 1;
  std::string name;
  bool zener = false;
  int kind = 0;
  double upperLevel = 0.0;
  double lowerLevel = 0.0;
  double faultLevel = 0.0;
  double shortLevel = 6.0;
  std::string upperText;
  std::string lowerText;
  std::string faultText;
  int dependency = 0;
  bool warningEvacuation = false;
  int interventionTime = 2;
  bool delayedEvacuation = false;
  int loopControl = 0;
  std::vector<CompositionEntry> composition; // in list order
  bool operator==(const LoopForm&) const = default;
};

// The record's values for the page. Texts are cut at their width and lose
// trailing blanks; levels are tenths of a volt shown in volts; composition
// pairs whose kind is not 1..6 are left out.
LoopForm LoadLoop(const LoopRecord& record);
// The whole record from the page's values: every other byte zero, levels in
// tenths truncated towards zero, the lower level equal to the upper one for
// the standard kind, the fields a kind does not use zeroed, at most four
// composition pairs.
void StoreLoop(const LoopForm& form, LoopRecord& record);

// The level texts and levels after the detection kind changed to `kind`:
// the standard texts follow the kind, other texts stay (except for
// evacuation). The fault and short-circuit levels are not touched.
void ApplyDetectionKind(int kind, LoopForm& form);

// A new loop with number `number`: from scratch when `from` is none, else
// copying the kind, levels, texts and evacuation settings of `from`.
LoopRecord NewLoop(int number, const LoopRecord* from);

// The control ids of the loop page.
namespace loop_ids {
inline constexpr ControlId kComposition = 1244;
inline constexpr ControlId kLoopControl = 1179;
inline constexpr ControlId kDetectionKind = 1066;
inline constexpr ControlId kName = 1050;
inline constexpr ControlId kFaultText = 1059;
inline constexpr ControlId kWarningEvacuation = 1051;
inline constexpr ControlId kInterventionTime = 1015;
inline constexpr ControlId kDelayedEvacuation = 1052;
inline constexpr ControlId kDependency = 1054;
inline constexpr ControlId kActive = 1048;
inline constexpr ControlId kNumber = 1049;
inline constexpr ControlId kUpperText = 1055;
inline constexpr ControlId kLowerText = 1058;
inline constexpr ControlId kZener = 1053;
inline constexpr ControlId kUpperLabel = 1067;
inline constexpr ControlId kLowerLabel = 1068;
inline constexpr ControlId kUpperLevel = 1056;
inline constexpr ControlId kFaultLevel = 1057;
inline constexpr ControlId kShortLevel = 1073;
inline constexpr ControlId kLowerLevel = 1039;
inline constexpr ControlId kAddComposition = 1265;
inline constexpr ControlId kRemoveComposition = 1266;
inline constexpr ControlId kWarningGroup = 1238;
inline constexpr ControlId kInterventionLabel = 1063;
} // namespace loop_ids

// The label of a level row.
enum class LevelRowLabel { MultipleAlarm, Alarm, PreAlarm };

// Which inputs of the loop page can be used, and the level row labels.
struct LoopControlStates {
  struct Input {
    ControlId id;
    bool enabled;
  };
  std::vector<Input> inputs;
  LevelRowLabel upperLabel = LevelRowLabel::Alarm;
  LevelRowLabel lowerLabel = LevelRowLabel::Alarm;
  // Whether the input is enabled; false for an input not in the list.
  bool Enabled(ControlId id) const;
};

// The enable rules: `active` is the loop's "Actief", `kind` the selected
// detection kind.
LoopControlStates LoopControlRules(bool hasCurrent, bool active, int kind, bool zener, bool warningEvacuation,
                                   bool delayedEvacuation);

} // namespace kx700
