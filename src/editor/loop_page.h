#pragma once

#include <optional>
#include <vector>

#include "editor/loop_form.h"
#include "editor/record_page.h"

namespace kx700 {

// The widgets of the loop page, with its two small dialogs.
class LoopPageView : public RecordPageView {
public:
  // "Detectorsoort" preset to an entry: the entry chosen with OK.
  virtual std::optional<CompositionEntry> ChooseDetectorKind(const CompositionEntry& preset) = 0;
  virtual void SetRowLabels(LevelRowLabel upper, LevelRowLabel lower) = 0;
};

// The "Lus" page: the document's loops, one at a time, edited in place.
class LoopPage : public RecordPage<LoopRecord> {
public:
  static constexpr int kLimit = 16;

  LoopPage(ParameterEditor& editor, LoopPageView& view);

  void OnInitDialog() override;
  void OnSetActive() override;

  void OnSelchangeDetectionKind();
  // A click on "Actief", the warning-evacuation boxes or "Zenerbarrier".
  void OnCheckboxClicked();
  // ">" or a double click on the composition: add or change an entry.
  void OnAddComposition();
  // "<": the selected entry goes.
  void OnRemoveComposition();

  // The page's values as last shown or saved.
  const LoopForm& form() const { return form_; }

protected:
  bool SaveRecord() override;
  void ShowRecord(bool focus) override;
  LoopRecord NewRecord(int number) const override;

private:
  void FillDetectionKinds();
  void FillLoopControls();
  // The check boxes and the combo boxes into the form, without validating.
  void ReadChoices(LoopForm& form) const;
  // The whole form into the widgets.
  void ShowForm();
  void ShowComposition();
  void UpdateControls();

  LoopPageView& view_;
  LoopForm form_;
  std::vector<ChoiceItem> kinds_;
  std::vector<ChoiceItem> loopControls_;
};

// The items of the detection kind combo, in their order.
std::vector<ChoiceItem> DetectionKindItems();
// The items of the loop control combo: "Geen", then the loop controls with a
// usable name, as "%d %s".
std::vector<ChoiceItem> LoopControlItems(const std::list<ControlRecord>& controls);

// "Detectorsoort": the kinds offered, the preset as the dialog shows it, and
// what OK takes (nothing when the count is refused, its message shown).
namespace detector_kind_ids {
inline constexpr ControlId kKind = 1267;
inline constexpr ControlId kCount = 1268;
} // namespace detector_kind_ids
inline constexpr int kMaxDetectorCount = 30;
std::vector<ChoiceItem> DetectorKindItems();
CompositionEntry DetectorKindPreset(const CompositionEntry& preset);
void ShowDetectorKindChoice(PageView& view, const CompositionEntry& preset);
std::optional<CompositionEntry> AcceptDetectorKindChoice(PageView& view);

} // namespace kx700
