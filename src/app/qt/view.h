#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace kx700 {

class CPc_kx700App;

// The main view: it shows the configuration and hosts the modeless service
// windows, at most one of each kind; while one is open the link engine
// works for it in its link mode.
class CPc_kx700View : public QWidget {
  Q_OBJECT

public:
  enum class ServiceWindow { AnalogValues, CardProgramming, ControlTest };

  explicit CPc_kx700View(CPc_kx700App& app, QWidget* parent = nullptr);
  ~CPc_kx700View() override;

  // Opens a window made by `make` unless one of that kind is open; its
  // link mode comes on when the window is there. The window deletes itself
  // when closed and the mode goes back to supervision.
  bool OpenServiceWindow(ServiceWindow kind, const std::function<QWidget*(QWidget* parent)>& make);
  QWidget* serviceWindow(ServiceWindow kind) const;
  // Closes every open service window through its own close path.
  void CloseServiceWindows();

private:
  void OnServiceWindowClosed(ServiceWindow kind);
  QPointer<QWidget>& Slot(ServiceWindow kind);

  CPc_kx700App& app_;
  QPointer<QWidget> analogValues_;
  QPointer<QWidget> cardProgramming_;
  QPointer<QWidget> controlTest_;
};

} // namespace kx700
