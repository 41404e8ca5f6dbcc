#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/document_controller.h"
#include "app/file_dialog_host.h"
#include "app/frame_host.h"
#include "app/settings_store.h"
#include "app/startup_host.h"
#include "common/clock.h"
#include "common/message_host.h"
#include "link/byte_channel.h"
#include "link/panel_identification.h"
#include "link/panel_link.h"
#include "link/progress_sink.h"
#include "model/document.h"
#include "model/version.h"

namespace kx700 {

enum LinkMode : int {
  kLinkSupervision = 0,
  kLinkAnalogValues = 1,
  kLinkCardProgramming = 2,
  kLinkControlTest = 3,
};

constexpr int kDefaultBaud = 9600;

// The program's one application object: it owns the document and the link
// to the panel, knows the connected panel, chooses the language and the
// port at start and keeps the port in the settings at exit.
class CPc_kx700App final : public PanelVersionSource, public ProgressSink {
public:
  CPc_kx700App(MessageHost& host, SettingsStore& settings, Clock& clock, FileDialogHost& dialogs,
               std::unique_ptr<PortChannel> port);
  ~CPc_kx700App() override;
  CPc_kx700App(const CPc_kx700App&) = delete;
  CPc_kx700App& operator=(const CPc_kx700App&) = delete;

  // Start-up, in order: language, port, recent files, main window, the file
  // named on the command line, showing the window. False when the command
  // line cannot be carried out: the program then ends.
  bool InitInstance(StartupHost& startup, const std::vector<std::string>& arguments);
  // Shut-down: the port in use goes back into the settings.
  int ExitInstance();

  void LoadLanguage(StartupHost& startup);
  void ReadComPortSetting();
  void WriteComPortSetting();

  // --- versions
  std::optional<VersionTriple> GetStoredPanelVersion() const override;
  bool GetPanelVersion(int& major, int& minor) const;
  VersionTriple GetConfigurationVersion() const { return document_.GetConfigurationVersion(); }
  bool CompareVersion(int major, int minor, int op) const { return document_.CompareVersion(major, minor, op); }
  // The panel form checks the identified panel; the file form `given`.
  bool CheckVersionCompatibility(VersionCheckForm form, VersionTriple given = {});

  // --- progress of long transfers, forwarded to the main window's status bar
  void SetProgressSink(ProgressSink* sink) { progressSink_ = sink; }
  bool IsProgressShown() const override { return progressSink_ && progressSink_->IsProgressShown(); }
  bool ShowProgress(ProgressText text, int count) override {
    return progressSink_ && progressSink_->ShowProgress(text, count);
  }
  void StepProgress() override {
    if (progressSink_) progressSink_->StepProgress();
  }
  void HideProgress() override {
    if (progressSink_) progressSink_->HideProgress();
  }

  // --- panel commands
  CommandContext commandContext() const { return {!statusText.empty(), linkMode, identification.technicianMode}; }
  bool IsCommandEnabled(int command) const { return CommandStateOf(command, commandContext()).enabled; }
  // Runs a panel command after checking its rule again; false when it is
  // disabled or not a panel command.
  bool Dispatch(int command);
  // "Ontvangen": the panel's configuration replaces the document's when the
  // whole transfer succeeds; true then.
  bool ReceiveParameters();
  void OnSendParameters();
  void OnSilence();
  void OnReset();
  void OnTechnicianMode();

  // --- the link engine: one step each time the program is idle
  void OnIdle();
  // Enters a service window's link mode (refused while another one is on) or
  // leaves it (mode 0, always accepted).
  bool SetLinkMode(int mode);
  int GetLinkMode() const { return linkMode; }
  // Gives a pending answer ten steps before the next request.
  void ArmIdleCountdown();
  void SetTechnicianMode(bool on);
  // The next idle step reopens the port if it is closed, even with the same
  // settings: the user chose a port again.
  void RequestPortRetry() {
    portRetry_ = true;
    WakeEngine();
  }
  // Called whenever the engine's state changed so that its next step is due
  // at once (the idle timer sets it).
  void SetEngineWake(std::function<void()> wake) { wakeEngine_ = std::move(wake); }
  // How long the program may stay idle before the next step is due: the
  // polling modes count steps of 5 ms, supervision only needs its next due
  // time, provided a step also runs whenever bytes arrive
  // (StepsOnArrivingBytes).
  int NextIdleDelayMs() const;
  bool StepsOnArrivingBytes() const;
  void SuperviseConnection();
  void PollAnalogValues();
  void PollCardProgramming();

  void SetFrameHost(FrameHost* frame) { frame_ = frame; }
  FrameHost* frameHost() const { return frame_; }

  // While a command talks to the panel the link engine keeps still.
  class BusyScope {
  public:
    explicit BusyScope(CPc_kx700App& app) : app_(app) { ++app_.busy_; }
    ~BusyScope() {
      if (--app_.busy_ == 0) app_.WakeEngine();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    CPc_kx700App& app_;
  };
  bool busy() const { return busy_ > 0; }
  AnalogValuesWindow* analogWindow = nullptr;
  CardProgrammingWindow* cardWindow = nullptr;

  CPc_kx700Doc& document() { return document_; }
  CPanelLink& link() { return link_; }
  PortChannel& port() { return *port_; }
  MessageHost& messageHost() { return host_; }
  SettingsStore& settings() { return settings_; }
  Clock& clock() { return clock_; }
  // New, Open, Save As and the recent files; there from start-up on.
  DocumentController& controller() { return *controller_; }

  // The connected panel, as its identification answer gives it.
  PanelIdentification identification;
  std::string statusText; // the panel text of the dialog bar; empty: not connected
  bool connected = false;
  int linkMode = kLinkSupervision;
  int idleCountdown = 0;
  int requestedPort = 1;
  int requestedBaud = kDefaultBaud;
  int activePort = 1;
  int activeBaud = kDefaultBaud;

private:
  MessageHost& host_;
  SettingsStore& settings_;
  Clock& clock_;
  std::unique_ptr<PortChannel> port_;
  CPc_kx700Doc document_;
  CPanelLink link_;
  ProgressSink* progressSink_ = nullptr;
  FrameHost* frame_ = nullptr;
  FileDialogHost& dialogs_;
  std::optional<DocumentController> controller_;

  // Supervision of the connection.
  std::int64_t nextSupervisionMs_ = 0; // due at once
  bool replySeen_ = false;
  int lastShownPanelNumber_ = 0;
  char lastTechnicianChar_ = 0;
  bool portRetry_ = false;
  int busy_ = 0;
  bool stepSlept_ = false; // the last polling step waited (5 ms) for an answer
  std::function<void()> wakeEngine_;
  void WakeEngine() {
    if (wakeEngine_) wakeEngine_();
  }
};

} // namespace kx700
