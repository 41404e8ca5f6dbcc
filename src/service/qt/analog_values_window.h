#pragma once

#include <QDialog>
#include <QToolBar>

#include "editor/qt/widget_bindings.h"
#include "service/analog_values.h"
#include "session/service_context.h"

class QActionGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kx700 {

class CClrButton;
class CLabel;
class CMSFlexGrid;

// The analog values window's tool bar: one checked button per display mode.
class Can_val_selbar final : public QToolBar {
  Q_OBJECT

public:
  explicit Can_val_selbar(QWidget* parent = nullptr);

  AnalogDisplayMode selected() const { return selected_; }
  // Presses the button of a mode, as the user would.
  void Select(AnalogDisplayMode mode);
  QAction* button(AnalogDisplayMode mode) const;

signals:
  void ModeSelected(kx700::AnalogDisplayMode mode);

private:
  QActionGroup* group_;
  AnalogDisplayMode selected_ = AnalogDisplayMode::Value;
};

// "Info - Analoge waarden": what the loop voltages mean.
class Canval_info final : public QDialog {
  Q_OBJECT

public:
  explicit Canval_info(QWidget* parent = nullptr);
};

// "Analoge waarden": the live values and states of loops 1 to 16, the secured
// siren circuits and the transmission output, with the per-loop commands of
// each display mode. Modeless; the link engine polls the loops while it is
// open.
class Can_values : public QDialog, public BoundView<AnalogValuesView>, public AnalogValues {
  Q_OBJECT

public:
  Can_values(const ServiceContext& context, QWidget* parent = nullptr);
  ~Can_values() override;

  // AnalogValuesView
  void DrawLoopRow(int loop, const LoopRowLook& look) override;
  void SetOutputBackground(int column, ColorRef colour) override;
  void SetCaption(const std::string& panelText) override;

  CMSFlexGrid* loopGrid(int grid) const { return grid == 0 ? loops1_ : loops2_; }
  CMSFlexGrid* legendGrid() const { return legend_; }
  CMSFlexGrid* outputsGrid() const { return outputs_; }
  Can_val_selbar* toolBar() const { return toolBar_; }
  QPushButton* infoButton() const;
  QLineEdit* minimumEdit() const { return minimum_; }
  QLineEdit* maximumEdit() const { return maximum_; }
  QPushButton* startButton() const { return start_; }
  QRadioButton* rangeButton(int mode) const { return mode == 0 ? inside_ : outside_; }
  CLabel* observationLabel() const { return observation_; }
  QLabel* loopTextLine() const { return loopText_; }

  // Shows the info dialog modally.
  void OnInfo();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

private:
  void BuildLoopGrid(CMSFlexGrid* grid, int firstLoop);

  CMSFlexGrid* legend_;
  CMSFlexGrid* loops1_;
  CMSFlexGrid* loops2_;
  CMSFlexGrid* outputs_;
  CClrButton* info_;
  QLabel* loopText_;
  QLabel* polledLoop_;
  QRadioButton* inside_;
  QRadioButton* outside_;
  QLineEdit* minimum_;
  QLineEdit* maximum_;
  QPushButton* start_;
  CLabel* observation_;
  Can_val_selbar* toolBar_;
};

} // namespace kx700
