#pragma once

#include <QWidget>

#include "session/service_window.h"

namespace kx700::test {

// Service windows as the view hosts them: a widget with its mode's window
// interface, counting what the link engine shows in it.
struct TestAnalogWindow final : QWidget, AnalogValuesWindow {
  using QWidget::QWidget;
  void RefreshCurrentLoop() override { ++refreshes; }
  int refreshes = 0;
};

struct TestControlWindow final : QWidget, ControlTestWindow {
  using QWidget::QWidget;
};

} // namespace kx700::test
