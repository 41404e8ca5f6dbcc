// The menu commands of the application object: receive and send the
// configuration, silence, reset, the technician mode, the communication
// settings and the about box.
#include "app/application.h"
#include "common/error_mess.h"
#include "common/message_box.h"
#include "common/string_format.h"
#include "common/text_tables.h"
#include "editor/parameter_editor.h"

namespace kx700 {
namespace {

constexpr int kFaultNoPanel = 24;

// The wait cursor for as long as a command talks to the panel; the link
// engine keeps still meanwhile.
class PanelWork {
public:
  PanelWork(LinkEngine& engine, FrameHost* frame) : busy_(engine), frame_(frame) {
    if (frame_) frame_->BeginWaitCursor();
  }
  ~PanelWork() {
    if (frame_) frame_->EndWaitCursor();
  }
  PanelWork(const PanelWork&) = delete;
  PanelWork& operator=(const PanelWork&) = delete;

private:
  LinkEngine::BusyScope busy_;
  FrameHost* frame_;
};

} // namespace

bool CPc_kx700App::IsCommandEnabled(int command) const {
  const CommandRow* row = FindCommand(command);
  return row && row->handler && CommandStateOf(command, commandContext()).enabled;
}

bool CPc_kx700App::Dispatch(int command) {
  if (!IsCommandEnabled(command)) return false;
  FindCommand(command)->handler(*this);
  return true;
}

bool CPc_kx700App::ReceiveParameters() {
  if (!session().connected()) return false;
  if (!CheckVersionCompatibility(VersionCheckForm::Panel)) return false;
  MessageHost& host = seams_.messages;
  if (document_.HoldsData() &&
      host.Show({OrEmpty(GetMessage(1)), OrEmpty(GetText(3)), MessageButtons::OkCancel, MessageIcon::Question, {}}) !=
          MessageAnswer::Ok)
    return false;

  PanelWork work(engine_, frame_);
  // The transfer fills a configuration of its own: the document changes only
  // when all of it came.
  Configuration received;
  if (!link_.ReceiveParameters(received, 0, false)) {
    if (frame_) frame_->DocumentChanged();
    return false;
  }
  received.sourcePanelNumber = session().identification.panelNumber;
  if (const auto panel = GetStoredPanelVersion()) received.version = *panel;

  if (HasExtendedRecords(EffectiveVersion(received.version, this))) {
    // The firmware versions of the periphery, for the dossier; what came
    // before a failed read is kept.
    PeripheryVersions versions;
    link_.ReadPeripheryVersions(versions);
    auto& blocks = received.fixedBlocks;
    if (versions.repeaters)
      std::copy_n(versions.repeaters->begin(), 16, blocks.repeater.bytes.begin() + RepeaterBlock::VersionOffset(0));
    if (versions.relayCards)
      std::copy_n(versions.relayCards->begin(), 16,
                  blocks.peripheryVersion.bytes.begin() + PeripheryVersionBlock::CardVersionOffset(0));
    if (versions.powerSupply)
      std::copy_n(versions.powerSupply->begin(), 2,
                  blocks.peripheryVersion.bytes.begin() + PeripheryVersionBlock::kPowerSupplyVersion);
  }
  controller().AdoptReceivedConfiguration(std::move(received));
  ShowInformation(host, GetText(4), GetText(3));
  if (frame_) frame_->DocumentChanged();
  return true;
}

void CPc_kx700App::OnSendParameters() {
  if (!session().connected()) return;
  if (!CheckVersionCompatibility(VersionCheckForm::Panel)) return;
  const int source = document_.sourcePanelNumber;
  if (source >= 0 && source != session().identification.panelNumber) {
    CError_Mess mess;
    const std::string text = StringPrintf("%s\n\n%d %s\n\n%s", OrEmpty(GetMessage(10)), source,
                                          document_.central.PanelName().c_str(), OrEmpty(GetText(50)));
    if (seams_.messages.Show({text, mess.QuestionCaption(10), MessageButtons::YesNo, MessageIcon::Exclamation, {}}) !=
        MessageAnswer::Yes)
      return;
  }
  {
    PanelWork work(engine_, frame_);
    if (link_.SendParameters(document_, 0, true, true)) {
      const bool relayCards = document_.central.RelayCards() > 0;
      if (!relayCards || !serviceWindows_ || !serviceWindows_->OpenPeriphProgramming())
        ShowInformation(seams_.messages, GetText(4), GetText(2));
    }
  }
  // The panel restarts with the new configuration: find it anew.
  engine_.ForgetPanel();
}

void CPc_kx700App::OnSilence() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  PanelWork work(engine_, frame_);
  link_.Silence(0);
}

void CPc_kx700App::OnReset() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  PanelWork work(engine_, frame_);
  link_.ResetPanel(0);
}

void CPc_kx700App::OnTechnicianMode() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  engine_.ClearTechnicianCode();
  const bool on = session().identification.technicianMode;
  PanelWork work(engine_, frame_);
  if (link_.SetTechnicianMode(0, !on)) engine_.SetTechnicianMode(!on);
}

void CPc_kx700App::OnAnalogValues() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  if (serviceWindows_) serviceWindows_->OpenAnalogValues();
}

void CPc_kx700App::OnTestControls() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  if (serviceWindows_ && serviceWindows_->IsTestControlsOpen()) return;
  const int source = document_.sourcePanelNumber;
  if (source < 0 || source != session().identification.panelNumber) {
    CError_Mess mess;
    const std::string text = StringPrintf("%s\n\n%s", OrEmpty(GetText(134)), OrEmpty(GetMessage(11)));
    if (seams_.messages.Show({text, mess.QuestionCaption(11), MessageButtons::YesNo, MessageIcon::Exclamation, {}}) !=
        MessageAnswer::Yes)
      return;
    if (!ReceiveParameters()) return;
  }
  if (serviceWindows_) serviceWindows_->OpenTestControls();
}

void CPc_kx700App::OnPeriphery() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  PeripherySession periphery;
  {
    PanelWork work(engine_, frame_);
    // Block 0 opens the exchange; its content is not shown. The first
    // failure ends it with the link's fault box.
    for (const int block : {0, 32, 20, 19}) {
      const auto record = link_.ReadRecord16(block);
      if (!record) return;
      periphery.states.StoreAnswer(block, *record);
    }
  }
  const PanelIdentification& id = session().identification;
  periphery.panelMajor = id.firmwareMajor;
  periphery.panelMinor = id.firmwareMinor;
  periphery.panelBuild = id.firmwareBuild;
  periphery.readVersions = [this](PeripheryVersions& versions) {
    LinkEngine::BusyScope busy(engine_);
    return link_.ReadPeripheryVersions(versions);
  };
  seams_.dialogs.RunPeriphery(periphery);
}

void CPc_kx700App::OnSetDateTime() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  std::optional<std::array<std::uint8_t, 6>> panel;
  {
    PanelWork work(engine_, frame_);
    panel = link_.GetDateTime();
  }
  if (!panel) return;
  LinkEngine::BusyScope busy(engine_);
  const auto chosen = seams_.dialogs.RunAdjustTime(ClockPreset(*panel, seams_.clock.Now()));
  // A value that is no date or time never reaches the panel.
  const auto bytes = chosen ? ToPanelClock(*chosen) : std::nullopt;
  if (!bytes) return;
  PanelWork work(engine_, frame_);
  link_.SetDateTime(*bytes);
}

void CPc_kx700App::OnPanelLanguage() {
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  std::optional<std::uint8_t> code;
  {
    PanelWork work(engine_, frame_);
    code = link_.GetLanguage();
  }
  if (!code) return;
  LinkEngine::BusyScope busy(engine_);
  const auto chosen = seams_.dialogs.RunPanelLanguage(*code);
  if (!chosen) return;
  PanelWork work(engine_, frame_);
  link_.SetLanguage(*chosen);
}

void CPc_kx700App::OnCommunicationSettings() {
  const auto choice = seams_.dialogs.RunCommunicationSettings(engine_.requestedPort(), engine_.requestedBaud());
  if (!choice) return;
  // The next idle step opens the port chosen, even the same one when it is closed.
  engine_.RequestPort(choice->port, choice->baud);
}

void CPc_kx700App::OnEditParameters() {
  ParameterEditor editor(document_, seams_.messages, seams_.clock);
  seams_.dialogs.RunParameterSheet(editor);
  if (editor.Finish()) controller_->SetModified(true);
  if (frame_) frame_->DocumentChanged();
}

void CPc_kx700App::OnLogbook() {
  constexpr int kLogbookEntries = 250;
  if (!session().connected()) return ShowFault(seams_.messages, kFaultNoPanel);
  {
    PanelWork work(engine_, frame_);
    if (!link_.ReadLogbook(document_, kLogbookEntries, 0)) return;
  }
  if (document_.logbook().empty()) return;
  seams_.dialogs.RunLogbook(
      {document_.logbook(), session().statusText, seams_.clock.Now(), seams_.messages, seams_.files, seams_.shell});
}

ReportSource CPc_kx700App::reportSource() const {
  return {document_.configuration(), GetConfigurationVersion(), seams_.clock.Now()};
}

void CPc_kx700App::OnFilePrint() { seams_.dialogs.RunPrint(reportSource()); }

void CPc_kx700App::OnFilePrintPreview() { seams_.dialogs.RunPrintPreview(reportSource()); }

void CPc_kx700App::OnFilePrintSetup() { seams_.dialogs.RunPrintSetup(); }

void CPc_kx700App::OnAppAbout() { seams_.dialogs.RunAbout(AboutTextsOf(session())); }

void CPc_kx700App::OnAppExit() {
  if (frame_) frame_->CloseMainWindow();
}

} // namespace kx700
