#pragma once

#include <QPointer>
#include <QWidget>

#include <map>
#include <string>
#include <vector>

#include "editor/exchange.h"
#include "editor/page_view.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kx700 {

// An edit for a text field of a record: of what is put in, what the records
// cannot carry to the panel and back is left out, 'î' is taken as 'i', and
// what is left is cut at `maxChars` characters.
void MakeTextField(QLineEdit* edit, int maxChars);
// A new edit for a text field of `maxChars`, wide enough for most of it.
QLineEdit* NewTextField(QWidget* parent, int maxChars);
// A new edit for a number of about `chars` digits, aligned right.
QLineEdit* NewNumberField(QWidget* parent, int chars);
// A new label that names `buddy` (its mnemonic and its accessible name).
QLabel* NewBuddyLabel(const QString& text, QWidget* buddy, QWidget* parent);

// A multi-line edit for a text stored with CR LF between its lines: the same
// rules as a text field's, line breaks aside, at most `maxStored` characters
// with each line break counted as the two it takes.
void MakeLinesField(QPlainTextEdit* edit, int maxStored);

// The widgets of a page or a small dialog by control id, moved to and from
// the values the page logic works with. Edits and labels carry texts, check
// boxes their state, combo boxes and list widgets their items. Changes made
// here never emit the widgets' signals, so only the user's actions reach the
// page's handlers.
class WidgetBindings {
public:
  explicit WidgetBindings(QWidget* owner) : owner_(owner) {}

  void Bind(ControlId id, QWidget* widget);
  QWidget* widget(ControlId id) const;

  std::string Text(ControlId id) const;
  void SetText(ControlId id, const std::string& text);
  bool Checked(ControlId id) const;
  void SetChecked(ControlId id, bool checked);
  void SetItems(ControlId id, const std::vector<ChoiceItem>& items);
  int Selection(ControlId id) const;
  void SetSelection(ControlId id, int index);
  bool IsEnabled(ControlId id) const;
  void SetEnabled(ControlId id, bool enabled);
  void SetVisible(ControlId id, bool visible);
  void Focus(ControlId id);
  void ShowExchangeFault(const ExchangeFault& fault);
  QWidget* owner() const { return owner_; }

private:
  QWidget* owner_;
  std::map<ControlId, QPointer<QWidget>> widgets_;
};

// A page view interface served by bindings.
template <class View>
class BoundView : public View {
public:
  explicit BoundView(QWidget* owner) : bindings_(owner) {}

  std::string Text(ControlId id) const override { return bindings_.Text(id); }
  void SetText(ControlId id, const std::string& text) override { bindings_.SetText(id, text); }
  bool Checked(ControlId id) const override { return bindings_.Checked(id); }
  void SetChecked(ControlId id, bool checked) override { bindings_.SetChecked(id, checked); }
  void SetItems(ControlId id, const std::vector<ChoiceItem>& items) override { bindings_.SetItems(id, items); }
  int Selection(ControlId id) const override { return bindings_.Selection(id); }
  void SetSelection(ControlId id, int index) override { bindings_.SetSelection(id, index); }
  bool IsEnabled(ControlId id) const override { return bindings_.IsEnabled(id); }
  void SetEnabled(ControlId id, bool enabled) override { bindings_.SetEnabled(id, enabled); }
  void SetVisible(ControlId id, bool visible) override { bindings_.SetVisible(id, visible); }
  void Focus(ControlId id) override { bindings_.Focus(id); }
  void ShowExchangeFault(const ExchangeFault& fault) override { bindings_.ShowExchangeFault(fault); }
  MessageOwner Owner() const override { return MessageOwner{bindings_.owner()}; }

protected:
  WidgetBindings bindings_;
};

} // namespace kx700
