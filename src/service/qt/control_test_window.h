#pragma once

#include <QDialog>

#include "editor/qt/widget_bindings.h"
#include "service/control_test.h"

class QComboBox;

namespace kx700 {

class CClrButton;
class CMSFlexGrid;

// "Sturingen testen": one control of the document chosen by kind and number,
// its event rows chosen by their numbers, and their outputs switched on and
// off through the panel. Modeless; the link engine keeps still while it is
// open. However it closes, the panel is reset afterwards.
class Ctest_control : public QDialog, public BoundView<ControlTestView>, public ControlTest {
  Q_OBJECT

public:
  Ctest_control(const ServiceContext& context, QWidget* parent = nullptr);
  ~Ctest_control() override;

  // ControlTestView
  void ShowEventRow(int row, const EventRowTexts& texts) override;
  void SetRowSelected(int row, bool selected) override;
  void SetRowTextColor(int row, ColorRef colour) override;
  void SetCaption(const std::string& panelText) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;

  QComboBox* kindCombo() const { return kinds_; }
  QComboBox* controlCombo() const { return controls_; }
  CMSFlexGrid* grid() const { return grid_; }
  CClrButton* onButton() const { return on_; }
  CClrButton* offButton() const { return off_; }

public slots:
  // Escape, the close box and closing from outside all end here.
  void reject() override;

private:
  void BuildGrid();

  QComboBox* kinds_;
  QComboBox* controls_;
  CMSFlexGrid* grid_;
  CClrButton* on_;
  CClrButton* off_;
  // Column 0's colour in a row not chosen, as the grid first had it.
  ColorRef defaultBack_ = 0;
};

} // namespace kx700
