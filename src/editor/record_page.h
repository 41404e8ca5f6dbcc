#pragma once

#include <algorithm>
#include <list>
#include <optional>

#include "common/message_box.h"
#include "editor/editor_page.h"
#include "editor/page_view.h"
#include "editor/parameter_editor.h"
#include "editor/record_navigator.h"

namespace kx700 {

// The control ids of the navigation buttons, the same on every record page.
namespace nav_ids {
inline constexpr ControlId kNext = 1041;
inline constexpr ControlId kPrevious = 1042;
inline constexpr ControlId kAdd = 1043;
inline constexpr ControlId kDelete = 1044;
inline constexpr ControlId kNextFast = 1045;
inline constexpr ControlId kPreviousFast = 1046;
inline constexpr ControlId kChooseNumber = 1047;
} // namespace nav_ids

// A page that shows one record of a list at a time and moves through the
// list. Every move first saves the shown record and stops when one of its
// fields is refused; the list is sorted by number before each move, so the
// neighbours are those in number order. What a move changes is in the
// document at once.
template <typename R>
class RecordPage : public EditorPage {
public:
  void OnNext() { Move(&Navigator::Next); }
  void OnPrevious() { Move(&Navigator::Previous); }
  void OnNextFive() { Move(&Navigator::NextFast); }
  void OnPreviousFive() { Move(&Navigator::PreviousFast); }

  // A record with the first free number, after the shown one.
  virtual void OnAdd() {
    if (!SaveRecord()) return;
    SortRecords();
    const int number = navigator_.FindFreeNumber();
    if (number >= 1) InsertRecord(number);
  }

  // Asks for a number: an existing record is shown, a new number is added.
  void OnChooseNumber() {
    if (!SaveRecord()) return;
    SortRecords();
    const auto number = pageView_.ChooseNumber(std::max(navigator_.FindFreeNumber(), 1));
    if (!number) return;
    if (navigator_.HasCurrent()) {
      // A failed save adds nothing either.
      if (!SaveRecord()) return;
      if (navigator_.GoTo(*number)) {
        ShowRecord(false);
        return;
      }
    }
    InsertRecord(*number);
  }

  // No question and no save: the record goes at once.
  void OnDelete() {
    if (!navigator_.HasCurrent()) return;
    navigator_.Delete();
    if (sortAfterDelete_) SortRecords();
    ShowRecord(false);
  }

  // Shows the first record with that number; false when there is none or the
  // shown record could not be saved.
  bool GoToNumber(int number) {
    if (!navigator_.HasCurrent() || !SaveRecord()) return false;
    if (!navigator_.GoTo(number)) return false;
    ShowRecord(false);
    return true;
  }

  // Shows the second of two records with the same number with the page's
  // fault: false then.
  virtual bool CheckDuplicates() {
    if (navigator_.CheckDuplicates()) return true;
    ShowRecord(false);
    ShowFault(editor_.messages(), duplicateFault_, pageView_.Owner());
    return false;
  }

  bool OnKillActive() override { return !navigator_.HasCurrent() || (SaveRecord() && CheckDuplicates()); }
  bool OnOK() override { return OnKillActive(); }
  // The shown record's unsaved input is dropped; the list is left sorted.
  void OnCancel() override { CheckDuplicates(); }

  const RecordNavigator<R>& navigator() const { return navigator_; }

protected:
  using Navigator = RecordNavigator<R>;

  RecordPage(ParameterEditor& editor, RecordPageView& view, std::list<R>& list, NavigationRules rules,
             typename Navigator::Key key, int duplicateFault, bool sortAfterDelete)
      : editor_(editor),
        pageView_(view),
        navigator_(list, rules, std::move(key)),
        duplicateFault_(duplicateFault),
        sortAfterDelete_(sortAfterDelete) {}

  // Writes the shown values into the current record; false, with the field's
  // message shown and nothing written, when a field is refused. True without
  // a current record.
  virtual bool SaveRecord() = 0;
  // Shows the current record (the last values, inputs disabled, without one).
  virtual void ShowRecord(bool focus) = 0;
  // A new record with that number, made from the current one (or the first).
  virtual R NewRecord(int number) const = 0;
  // The list in key order; equal keys keep their order.
  virtual void SortRecords() { navigator_.Sort(); }

  void InsertRecord(int number) {
    navigator_.Insert(NewRecord(number));
    ShowRecord(true);
  }

  ParameterEditor& editor_;
  RecordPageView& pageView_;
  Navigator navigator_;

private:
  void Move(void (Navigator::*step)()) {
    if (!navigator_.HasCurrent() || !SaveRecord()) return;
    SortRecords();
    (navigator_.*step)();
    ShowRecord(false);
  }

  const int duplicateFault_;
  const bool sortAfterDelete_;
};

} // namespace kx700
