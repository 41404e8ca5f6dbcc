#pragma once

#include <optional>

#include "editor/actions_page.h"
#include "editor/qt/editor_page_widget.h"
#include "editor/qt/widget_bindings.h"

namespace kx700 {

class NavigationBar;

// The "Acties" page of the parameter sheet: the texts of one output module's
// eight outputs at a time.
class Crel_info final : public EditorPageWidget, public BoundView<RecordPageView> {
  Q_OBJECT

public:
  Crel_info(ParameterEditor& editor, QWidget* parent = nullptr);

  EditorPage& logic() override { return page_; }
  ActionsPage& page() { return page_; }
  QWidget* control(ControlId id) const { return bindings_.widget(id); }
  QWidget* navigationButton(ControlId id) const;

  // The outputs' captions also name their texts for a screen reader.
  void SetText(ControlId id, const std::string& text) override;
  // The page has no number dialog.
  std::optional<int> ChooseNumber(int) override { return std::nullopt; }

private:
  ActionsPage page_;
  NavigationBar* navigation_;
};

} // namespace kx700
