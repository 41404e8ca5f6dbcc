#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include "session/service_window.h"

namespace kx700 {

class CPc_kx700App;
class CReportView;

// The main view: it shows the configuration as its report and hosts the
// modeless service windows, at most one of each kind. A window enters its link mode when it
// opens and leaves it when it goes, however it goes.
class CPc_kx700View : public QWidget, public ServiceWindowHost {
  Q_OBJECT

public:
  enum class ServiceKind { AnalogValues, CardProgramming, ControlTest };

  explicit CPc_kx700View(CPc_kx700App& app, QWidget* parent = nullptr);
  ~CPc_kx700View() override;

  // Opens a window made by `make` (a widget that is a ServiceWindow) unless
  // one of that kind is open, and enters its link mode with it; a window
  // whose mode is refused is not shown. It deletes itself when closed.
  bool OpenServiceWindow(ServiceKind kind, const std::function<QWidget*(QWidget* parent)>& make);
  QWidget* serviceWindow(ServiceKind kind) const;
  // Closes every open service window through its own close path; false
  // when one of them stays open.
  bool CloseServiceWindows();
  // Whether every open service window would close now.
  bool ServiceWindowsMayClose() const;

  // ServiceWindowHost
  bool OpenAnalogValues() override;
  bool OpenPeriphProgramming() override;
  bool OpenTestControls() override;
  bool IsTestControlsOpen() const override { return controlTest_; }

  // The document changed: the report and the control test window show it
  // as it now stands.
  void DocumentChanged();
  // The report shows the document as it now stands.
  void RefreshReport();
  CReportView* report() const { return report_; }

private:
  QPointer<QWidget>& Slot(ServiceKind kind);

  CPc_kx700App& app_;
  CReportView* report_;
  QPointer<QWidget> analogValues_;
  QPointer<QWidget> cardProgramming_;
  QPointer<QWidget> controlTest_;
};

} // namespace kx700
