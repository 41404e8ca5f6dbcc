#pragma once

#include <vector>

#include "editor/page_view.h"
#include "editor/record_page.h"
#include "editor/relay_texts.h"

namespace kx700 {

// The control ids of the actions page.
namespace action_ids {
inline constexpr ControlId kCard = 1290; // "Geen", "Adres 1".."Adres 8": item index = card
inline constexpr ControlId kKind = 1076;
inline constexpr ControlId kFirstOutput = 1270; // check boxes 1270..1277
inline constexpr ControlId kFirstText = 1278;   // edits 1278..1285
inline constexpr ControlId kDuplicateMark = 1287;
inline constexpr ControlId kPosition = 1291;
inline constexpr ControlId Output(int k) { return kFirstOutput + k; }
inline constexpr ControlId Text(int k) { return kFirstText + k; }
} // namespace action_ids

// The items of the module kind combo.
std::vector<ChoiceItem> ModuleKindItems();

// The "Acties" page: the relay output texts of the editor's private copy, one
// module at a time. Duplicates are marked, never refused; the copy reaches
// the document when the sheet closes, however it closes.
class ActionsPage : public RecordPage<RelInfoEntry> {
public:
  ActionsPage(ParameterEditor& editor, RecordPageView& view);

  void OnInitDialog() override;
  void OnSetActive() override;

  // "Toevoegen": a new module after the shown one, while there are fewer
  // than seven.
  void OnAdd() override;
  bool CheckDuplicates() override;

  void OnSelchangeKind();
  void OnSelchangeCard();
  void OnOutputCheck();

protected:
  bool SaveRecord() override;
  void ShowRecord(bool focus) override;
  RelInfoEntry NewRecord(int number) const override;
  void SortRecords() override;

private:
  int SelectedKind() const;
  void UpdateControls();
  void ShowDuplicateMark();

  std::vector<ChoiceItem> kinds_;
};

} // namespace kx700
