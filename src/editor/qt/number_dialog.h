#pragma once

#include <QDialog>

#include "editor/page_view.h"
#include "editor/qt/widget_bindings.h"

class QLabel;
class QLineEdit;

namespace kx700 {

// A small dialog that asks for one number within limits: the number of a
// record to go to or to add. A number outside the limits is refused with its
// message and the dialog stays.
class NumberDialog : public QDialog, public BoundView<PageView> {
  Q_OBJECT

public:
  static constexpr ControlId kNumberEdit = 1069;

  NumberDialog(const QString& caption, const QString& label, int low, int high, QWidget* parent = nullptr);

  void SetNumber(int number);
  // The caption, the label of the number and its limits.
  void SetParams(const QString& caption, const QString& label, int low, int high);
  // The number taken by OK.
  int number() const { return number_; }
  QLineEdit* edit() const { return edit_; }

  void accept() override;

private:
  QLabel* label_;
  QLineEdit* edit_;
  int low_;
  int high_;
  int number_ = 0;
};

// "Toevoegen": a number, 1..20 unless SetParams gives others.
class Cadd final : public NumberDialog {
  Q_OBJECT

public:
  explicit Cadd(QWidget* parent = nullptr);
};

// "Toevoegen lus": a loop number, 1..16.
class Cadd_zone final : public NumberDialog {
  Q_OBJECT

public:
  explicit Cadd_zone(QWidget* parent = nullptr);
};

} // namespace kx700
