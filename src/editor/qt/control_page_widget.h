#pragma once

#include <optional>

#include "editor/control_page.h"
#include "editor/qt/editor_page_widget.h"
#include "editor/qt/widget_bindings.h"

namespace kx700 {

class NavigationBar;

// The "Sturingen" page of the parameter sheet. The relay boxes show their
// output's text while the pointer is over them.
class Ccontrol final : public EditorPageWidget, public BoundView<RecordPageView> {
  Q_OBJECT

public:
  Ccontrol(ParameterEditor& editor, QWidget* parent = nullptr);

  EditorPage& logic() override { return page_; }
  ControlPage& page() { return page_; }
  QWidget* control(ControlId id) const { return bindings_.widget(id); }
  QWidget* navigationButton(ControlId id) const;

  // RecordPageView
  std::optional<int> ChooseNumber(int preset) override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  ControlPage page_;
  NavigationBar* navigation_;
};

} // namespace kx700
