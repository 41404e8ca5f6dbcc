#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/dialog_runner.h"
#include "app/document_controller.h"
#include "app/frame_host.h"
#include "app/settings_store.h"
#include "app/startup_host.h"
#include "common/clock.h"
#include "common/message_host.h"
#include "link/byte_channel.h"
#include "link/panel_link.h"
#include "link/progress_sink.h"
#include "model/document.h"
#include "model/version.h"
#include "report/report.h"
#include "session/file_dialog_host.h"
#include "session/link_engine.h"
#include "session/panel_session.h"
#include "session/service_context.h"
#include "session/service_window.h"
#include "session/shell_opener.h"

namespace kx700 {

// The window system's side of the program, as the application object uses it.
struct AppSeams {
  MessageHost& messages;
  SettingsStore& settings;
  Clock& clock;
  FileDialogHost& files;
  DialogRunner& dialogs;
  ShellOpener& shell;
};

// The program's one application object: it owns the document, the link to
// the panel and the link engine, knows the connected panel, chooses the
// language and the port at start and keeps the port in the settings at exit.
// The menu commands that act on the panel are its handlers.
class CPc_kx700App final : public PanelVersionSource, public ProgressSink, private LinkEngine::Listener {
public:
  CPc_kx700App(const AppSeams& seams, std::unique_ptr<PortChannel> port);
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

  // --- the connected panel and the link engine
  const PanelSession& session() const { return engine_.session(); }
  LinkEngine& engine() { return engine_; }
  const LinkEngine& engine() const { return engine_; }
  void OnIdle() { engine_.OnIdle(); }

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

  // --- commands (see the command table)
  CommandContext commandContext() const;
  // A command of the table that has a handler in this build and whose rule
  // allows it now.
  bool IsCommandEnabled(int command) const;
  // Runs a command of the table after checking its rule again; false when it
  // is not enabled.
  bool Dispatch(int command);
  // "Ontvangen": the panel's configuration replaces the document's when the
  // whole transfer succeeds; true then.
  bool ReceiveParameters();
  void OnReceiveParameters() { ReceiveParameters(); }
  void OnSendParameters();
  void OnSilence();
  void OnReset();
  void OnTechnicianMode();
  // "Analoge waarden": the analog values window, polled while it is open.
  void OnAnalogValues();
  // "Periferie": the states of the periphery read, then shown; the versions
  // are read from the dialog.
  void OnPeriphery();
  // "Sturingen testen": the control test window over the document, which
  // must be the connected panel's configuration (it offers to receive it).
  void OnTestControls();
  // "Instellen datum/tijd" and "Instellen taal": the panel's setting read,
  // edited in its dialog, and sent back after OK.
  void OnSetDateTime();
  void OnPanelLanguage();
  // "Wijzigen": the parameter sheet over the document. The document counts as
  // modified afterwards when any of its configuration bytes changed.
  void OnEditParameters();
  // "Afdrukken", "Afdrukvoorbeeld", "Printerinstellingen": the report of the
  // document as it stands, through the print dialogs.
  // "Logboek": the panel's logbook read, up to 250 entries, then shown.
  void OnLogbook();
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();
  // What the report is made of now.
  ReportSource reportSource() const;
  void OnCommunicationSettings();
  void OnAppAbout();
  void OnAppExit();

  // --- the windows
  void SetFrameHost(FrameHost* frame) { frame_ = frame; }
  void SetServiceWindowHost(ServiceWindowHost* windows) { serviceWindows_ = windows; }

  CPc_kx700Doc& document() { return document_; }
  CPanelLink& link() { return link_; }
  PortChannel& port() { return *port_; }
  MessageHost& messageHost() { return seams_.messages; }
  // What a service window works with, for the shell that opens one.
  ServiceContext serviceContext() { return {document_, link_, engine_, seams_.messages}; }
  SettingsStore& settings() { return seams_.settings; }
  Clock& clock() { return seams_.clock; }
  DialogRunner& dialogs() { return seams_.dialogs; }
  ShellOpener& shell() { return seams_.shell; }
  // New, Open, Save As and the recent files; there from start-up on.
  DocumentController& controller() { return *controller_; }

private:
  // LinkEngine::Listener
  void PanelSessionChanged() override;
  void CommandStatesChanged() override;

  AppSeams seams_;
  std::unique_ptr<PortChannel> port_;
  CPc_kx700Doc document_;
  CPanelLink link_;
  LinkEngine engine_;
  ProgressSink* progressSink_ = nullptr;
  FrameHost* frame_ = nullptr;
  ServiceWindowHost* serviceWindows_ = nullptr;
  std::optional<DocumentController> controller_;
};

} // namespace kx700
