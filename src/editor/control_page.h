#pragma once

#include <vector>

#include "editor/control_form.h"
#include "editor/record_page.h"

namespace kx700 {

// The "Sturingen" page: the document's controls, one at a time, edited in
// place. Pointing at a relay box shows that output's text from the relay texts
// being edited.
class ControlPage : public RecordPage<ControlRecord> {
public:
  static constexpr int kLimit = 20;

  ControlPage(ParameterEditor& editor, RecordPageView& view);

  void OnInitDialog() override;
  void OnSetActive() override;

  void OnSelchangeType();
  // The event or the module of a row changed.
  void OnSelchangeRow();
  void OnRelayCheck(int row, int box);
  // The pointer came onto a relay box, or left it.
  void OnRelayEnter(int row, int box);
  void OnRelayLeave();

  const ControlForm& form() const { return form_; }

protected:
  bool SaveRecord() override;
  void ShowRecord(bool focus) override;
  ControlRecord NewRecord(int number) const override;

private:
  void FillEventCombos(int type);
  void ShowForm();
  void UpdateControls();
  // The text of the box's output in the label; false when it has none.
  bool ShowRelayTip(int row, int box);
  void ClearRelayTip();

  ControlForm form_;
  std::vector<ChoiceItem> types_;
  std::vector<ChoiceItem> modules_;
  std::vector<ChoiceItem> events_;
};

} // namespace kx700
