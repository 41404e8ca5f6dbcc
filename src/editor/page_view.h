#pragma once

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "common/message_host.h"

// The widgets of an editor page as its logic sees them: inputs named by their
// control id, values in code page 1252. The page logic decides everything; a
// window only moves values between its widgets and this interface.
namespace kx700 {

using ControlId = int;

// One entry of a combo box or a list box.
struct ChoiceItem {
  std::string text;
  int data = 0;
  bool operator==(const ChoiceItem&) const = default;
};

// The index of the first item with that data; -1 for none.
inline int IndexOfData(const std::vector<ChoiceItem>& items, int data) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].data == data) return static_cast<int>(i);
  }
  return -1;
}
// The data of the item at `index`; 0 for no item (no selection).
inline int DataAt(const std::vector<ChoiceItem>& items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)].data : 0;
}

// The order of a sorted list box: by text, case ignored.
inline bool ListBoxOrder(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}
// Adds an item where a sorted list box puts it: after those of the same text.
inline void InsertByText(std::vector<ChoiceItem>& items, ChoiceItem item) {
  const auto at = std::upper_bound(items.begin(), items.end(), item, [](const ChoiceItem& a, const ChoiceItem& b) {
    return ListBoxOrder(a.text, b.text);
  });
  items.insert(at, std::move(item));
}

struct ExchangeFault;

class PageView {
public:
  virtual ~PageView() = default;

  // Edits, statics, and the captions of check boxes.
  virtual std::string Text(ControlId id) const = 0;
  virtual void SetText(ControlId id, const std::string& text) = 0;
  // Check boxes.
  virtual bool Checked(ControlId id) const = 0;
  virtual void SetChecked(ControlId id, bool checked) = 0;
  // Combo boxes and list boxes: the items in the order given, nothing
  // selected; a selection is an index, -1 for none.
  virtual void SetItems(ControlId id, const std::vector<ChoiceItem>& items) = 0;
  virtual int Selection(ControlId id) const = 0;
  virtual void SetSelection(ControlId id, int index) = 0;

  virtual bool IsEnabled(ControlId id) const = 0;
  virtual void SetEnabled(ControlId id, bool enabled) = 0;
  // A hidden input keeps its value; it is not read as a change of the user's.
  virtual void SetVisible(ControlId id, bool visible) = 0;
  // The input focus, with an edit's text selected.
  virtual void Focus(ControlId id) = 0;

  // The message of a refused field, translated, over the page.
  virtual void ShowExchangeFault(const ExchangeFault& fault) = 0;
  // The window that the page's message boxes belong to.
  virtual MessageOwner Owner() const { return {}; }
};

// A page with the record navigation asks for a number to go to or to add.
class RecordPageView : public PageView {
public:
  // The page's number dialog preset to `preset`: the number after OK, nothing
  // after Cancel.
  virtual std::optional<int> ChooseNumber(int preset) = 0;
};

} // namespace kx700
