#pragma once

#include <QDialog>

#include <array>
#include <optional>

#include "editor/central_page.h"
#include "editor/qt/editor_page_widget.h"
#include "editor/qt/widget_bindings.h"

class QCheckBox;
class QRadioButton;

namespace kx700 {

// "Geavanceerd": the advanced flags as six options; before 1.02 only three
// of them exist.
class Cadvanced final : public QDialog {
  Q_OBJECT

public:
  Cadvanced(bool allOptions, QWidget* parent = nullptr);
  void SetFlags(std::uint8_t flags);
  std::uint8_t GetFlags() const;
  // The option boxes in bit order; bit 1 is the second of its two radio buttons.
  QCheckBox* option(int bit) const;
  QRadioButton* warningOnly() const { return warningOnly_; }
  QRadioButton* warningEvacuation() const { return warningEvacuation_; }

private:
  std::array<QCheckBox*, 6> options_{};
  QRadioButton* warningOnly_;
  QRadioButton* warningEvacuation_;
};

// "Selecteer": the silence controls not yet chosen; a double click takes one.
// No buttons: the user closes it when done.
class Csellist final : public QDialog, public BoundView<PageView> {
  Q_OBJECT

public:
  Csellist(CentralPage& page, QWidget* parent = nullptr);
  QWidget* list() const { return bindings_.widget(central_ids::kPickerList); }

private:
  SilencePicker picker_;
};

// The "Algemeen" page of the parameter sheet.
class Ccentral final : public EditorPageWidget, public BoundView<CentralPageView> {
  Q_OBJECT

public:
  Ccentral(ParameterEditor& editor, QWidget* parent = nullptr);

  EditorPage& logic() override { return page_; }
  CentralPage& page() { return page_; }
  QWidget* control(ControlId id) const { return bindings_.widget(id); }

  // CentralPageView
  std::optional<std::uint8_t> ChooseAdvancedFlags(std::uint8_t flags) override;
  void PickSilenceControls() override;

private:
  ParameterEditor& editor_;
  CentralPage page_;
};

} // namespace kx700
