#pragma once

#include <QDialog>

#include <optional>

#include "editor/dossier_page.h"
#include "editor/qt/editor_page_widget.h"
#include "editor/qt/widget_bindings.h"

class QDateEdit;
class QLineEdit;
class QPushButton;

namespace kx700 {

// "Herhaalbord locatie": the location of one repeater panel.
class Cloc_periph final : public QDialog, public BoundView<PageView> {
  Q_OBJECT

public:
  explicit Cloc_periph(QWidget* parent = nullptr);
  void SetData(const RepeaterLocation& location);
  // The location taken by OK.
  const RepeaterLocation& location() const { return location_; }
  QLineEdit* addressEdit() const { return address_; }
  QLineEdit* textEdit() const { return text_; }

  void accept() override;

private:
  QLineEdit* address_;
  QLineEdit* text_;
  RepeaterLocation location_;
};

// The "Dossier" page of the parameter sheet.
class Cdocu final : public EditorPageWidget, public BoundView<DossierPageView> {
  Q_OBJECT

public:
  Cdocu(ParameterEditor& editor, QWidget* parent = nullptr);

  EditorPage& logic() override { return page_; }
  DossierPage& page() { return page_; }
  QWidget* control(ControlId id) const { return bindings_.widget(id); }
  QDateEdit* dateEdit() const { return date_; }

  // DossierPageView
  DossierDate Date() const override;
  void SetDate(const DossierDate& date) override;
  void ShowLock(bool locked) override;
  std::optional<RepeaterLocation> EditLocation(const RepeaterLocation& preset) override;

private:
  QDateEdit* date_;
  QPushButton* lock_;
  DossierPage page_;
};

} // namespace kx700
