#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editor/central_page.h"
#include "editor/dossier_page.h"
#include "editor/exchange.h"
#include "editor/loop_page.h"
#include "editor/page_view.h"

// Editor page widgets as plain maps: a test types into `text`, ticks
// `checked` and picks from `selection`, then reads back what the page showed.
namespace kx700::test {

// The widgets every page has, over any view interface derived from PageView.
template <typename View>
class FakeWidgets : public View {
public:
  std::string Text(ControlId id) const override { return Find(text, id, std::string()); }
  void SetText(ControlId id, const std::string& value) override { text[id] = value; }
  bool Checked(ControlId id) const override { return Find(checked, id, false); }
  void SetChecked(ControlId id, bool value) override { checked[id] = value; }
  void SetItems(ControlId id, const std::vector<ChoiceItem>& values) override {
    items[id] = values;
    selection[id] = -1;
  }
  int Selection(ControlId id) const override { return Find(selection, id, -1); }
  void SetSelection(ControlId id, int index) override {
    // A combo box takes -1 or an index of its items; anything else is a slip.
    const int count = static_cast<int>(Find(items, id, std::vector<ChoiceItem>()).size());
    if (index < -1 || index >= count) {
      ADD_FAILURE() << "selection " << index << " of " << count << " items, id " << id;
    }
    selection[id] = index;
  }
  bool IsEnabled(ControlId id) const override { return Find(enabled, id, true); }
  void SetEnabled(ControlId id, bool value) override { enabled[id] = value; }
  void SetVisible(ControlId id, bool value) override { visible[id] = value; }
  void Focus(ControlId id) override { focused = id; }
  void ShowExchangeFault(const ExchangeFault& fault) override { faults.push_back(fault); }

  // Picks the item carrying `data`, as a user would.
  void Select(ControlId id, int data) {
    const auto& list = items[id];
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].data == data) {
        selection[id] = static_cast<int>(i);
        return;
      }
    }
    ADD_FAILURE() << "no item with data " << data << " in id " << id;
  }
  // The texts of a combo or list box, in order.
  std::vector<std::string> ItemTexts(ControlId id) const {
    std::vector<std::string> out;
    for (const ChoiceItem& item : Find(items, id, std::vector<ChoiceItem>())) out.push_back(item.text);
    return out;
  }
  // The data of the selected item; nullopt without a selection.
  std::optional<int> SelectedData(ControlId id) const {
    const int index = Selection(id);
    const auto list = Find(items, id, std::vector<ChoiceItem>());
    if (index < 0 || index >= static_cast<int>(list.size())) return std::nullopt;
    return list[static_cast<std::size_t>(index)].data;
  }

  std::map<ControlId, std::string> text;
  std::map<ControlId, bool> checked;
  std::map<ControlId, std::vector<ChoiceItem>> items;
  std::map<ControlId, int> selection;
  std::map<ControlId, bool> enabled; // an id never set is enabled
  std::map<ControlId, bool> visible; // an id never set is shown
  std::optional<ControlId> focused;
  std::vector<ExchangeFault> faults;

private:
  template <typename T>
  static T Find(const std::map<ControlId, T>& map, ControlId id, T fallback) {
    const auto it = map.find(id);
    return it == map.end() ? fallback : it->second;
  }
};

// Answers to a page's small dialogs, taken in order; a dialog without one is
// a test failure and cancelled.
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& script, const char* dialog) {
  if (script.empty()) {
    ADD_FAILURE() << dialog << " without a scripted answer";
    return std::nullopt;
  }
  const auto answer = script.front();
  script.pop_front();
  return answer;
}

// A small dialog (a number dialog, "Detectorsoort") on its own.
class FakePageView final : public FakeWidgets<PageView> {};

// The record pages' number dialog over the widgets.
template <typename View>
class FakeRecordWidgets : public FakeWidgets<View> {
public:
  std::optional<int> ChooseNumber(int preset) override {
    numberPresets.push_back(preset);
    return NextAnswer(numbers, "number dialog");
  }
  std::deque<std::optional<int>> numbers; // nullopt = Cancel
  std::vector<int> numberPresets;
};

// A record page with no dialogs of its own (controls, actions).
class FakeRecordPageView final : public FakeRecordWidgets<RecordPageView> {};

class FakeLoopPageView final : public FakeRecordWidgets<LoopPageView> {
public:
  std::optional<CompositionEntry> ChooseDetectorKind(const CompositionEntry& preset) override {
    detectorKindPresets.push_back(preset);
    return NextAnswer(detectorKinds, "detector kind dialog");
  }
  void SetRowLabels(LevelRowLabel upper, LevelRowLabel lower) override {
    upperLabel = upper;
    lowerLabel = lower;
  }

  std::deque<std::optional<CompositionEntry>> detectorKinds; // nullopt = Cancel
  std::vector<CompositionEntry> detectorKindPresets;
  std::optional<LevelRowLabel> upperLabel;
  std::optional<LevelRowLabel> lowerLabel;
};

// The general page: "Geavanceerd" answers from a script, "Selecteer" runs
// what the test gives it (a SilencePicker over a FakePageView, say).
class FakeCentralPageView final : public FakeWidgets<CentralPageView> {
public:
  std::optional<std::uint8_t> ChooseAdvancedFlags(std::uint8_t flags) override {
    advancedPresets.push_back(flags);
    return NextAnswer(advancedFlags, "advanced dialog");
  }
  void PickSilenceControls() override {
    if (!pickSilence) {
      ADD_FAILURE() << "silence picker without a script";
      return;
    }
    pickSilence();
  }

  std::deque<std::optional<std::uint8_t>> advancedFlags; // nullopt = Cancel
  std::vector<std::uint8_t> advancedPresets;
  std::function<void()> pickSilence;
};

// The dossier page: the date picker as a value, the lock picture as a log.
class FakeDossierPageView final : public FakeWidgets<DossierPageView> {
public:
  DossierDate Date() const override { return date; }
  void SetDate(const DossierDate& value) override { date = value; }
  void ShowLock(bool locked) override { lockShown.push_back(locked); }
  std::optional<RepeaterLocation> EditLocation(const RepeaterLocation& preset) override {
    locationPresets.push_back(preset);
    return NextAnswer(locations, "location dialog");
  }

  DossierDate date;
  std::vector<bool> lockShown;
  std::deque<std::optional<RepeaterLocation>> locations; // nullopt = Cancel
  std::vector<RepeaterLocation> locationPresets;
};

} // namespace kx700::test
