#pragma once

#include <QDialog>

#include <optional>

#include "editor/loop_page.h"
#include "editor/qt/editor_page_widget.h"
#include "editor/qt/widget_bindings.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kx700 {

class NavigationBar;

// "Detectorsoort": one entry of a loop's composition, a detector kind and a
// count of 0..30.
class Csel_det_kind final : public QDialog, public BoundView<PageView> {
  Q_OBJECT

public:
  explicit Csel_det_kind(const CompositionEntry& preset, QWidget* parent = nullptr);
  // The entry taken by OK.
  const CompositionEntry& entry() const { return entry_; }
  QComboBox* kindCombo() const { return kind_; }
  QLineEdit* countEdit() const { return count_; }

  void accept() override;

private:
  QComboBox* kind_;
  QLineEdit* count_;
  CompositionEntry entry_;
};

// The "Lus" page of the parameter sheet.
class Czone final : public EditorPageWidget, public BoundView<LoopPageView> {
  Q_OBJECT

public:
  Czone(ParameterEditor& editor, QWidget* parent = nullptr);

  EditorPage& logic() override { return page_; }
  LoopPage& page() { return page_; }
  // The widget of a control id (tests, screenshots).
  QWidget* control(ControlId id) const { return bindings_.widget(id); }
  QWidget* navigationButton(ControlId id) const;

  // LoopPageView
  std::optional<int> ChooseNumber(int preset) override;
  std::optional<CompositionEntry> ChooseDetectorKind(const CompositionEntry& preset) override;
  void SetRowLabels(LevelRowLabel upper, LevelRowLabel lower) override;

private:
  LoopPage page_;
  NavigationBar* navigation_;
  QLabel* upperLabel_;
  QLabel* lowerLabel_;
};

} // namespace kx700
