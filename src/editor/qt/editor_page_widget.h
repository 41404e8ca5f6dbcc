#pragma once

#include <QWidget>

#include "editor/editor_page.h"

namespace kx700 {

// A page of the parameter sheet: a widget with the page logic behind it.
class EditorPageWidget : public QWidget {
  Q_OBJECT

public:
  using QWidget::QWidget;
  virtual EditorPage& logic() = 0;
};

} // namespace kx700
