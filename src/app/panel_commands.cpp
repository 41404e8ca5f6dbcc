// The panel commands of the menu: receive and send the configuration,
// silence, reset and the technician mode.
#include "app/application.h"
#include "common/error_mess.h"
#include "common/message_box.h"
#include "common/string_format.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

constexpr int kFaultNoPanel = 24;

// The wait cursor for as long as a command talks to the panel; the link
// engine keeps still meanwhile.
class PanelWork {
public:
  explicit PanelWork(CPc_kx700App& app) : busy_(app), frame_(app.frameHost()) {
    if (frame_) frame_->BeginWaitCursor();
  }
  ~PanelWork() {
    if (frame_) frame_->EndWaitCursor();
  }
  PanelWork(const PanelWork&) = delete;
  PanelWork& operator=(const PanelWork&) = delete;

private:
  CPc_kx700App::BusyScope busy_;
  FrameHost* frame_;
};

} // namespace

bool CPc_kx700App::Dispatch(int command) {
  if (!IsCommandEnabled(command)) return false;
  switch (command) {
    case kCmdReceive: ReceiveParameters(); return true;
    case kCmdSend: OnSendParameters(); return true;
    case kCmdSilence: OnSilence(); return true;
    case kCmdReset: OnReset(); return true;
    case kCmdTechnicianMode: OnTechnicianMode(); return true;
    default: return false;
  }
}

bool CPc_kx700App::ReceiveParameters() {
  if (statusText.empty()) return false;
  if (!CheckVersionCompatibility(VersionCheckForm::Panel)) return false;
  if (document_.HoldsData() &&
      host_.Show({OrEmpty(GetMessage(1)), OrEmpty(GetText(3)), MessageButtons::OkCancel, MessageIcon::Question, {}}) !=
          MessageAnswer::Ok)
    return false;

  PanelWork work(*this);
  // The transfer fills a configuration of its own: the document changes only
  // when all of it came.
  Configuration received;
  if (!link_.ReceiveParameters(received, 0, false)) {
    if (frame_) frame_->DocumentChanged();
    return false;
  }
  received.sourcePanelNumber = identification.panelNumber;
  if (const auto panel = GetStoredPanelVersion()) received.version = *panel;

  if (HasExtendedRecords(EffectiveVersion(received.version, this))) {
    // The firmware versions of the periphery, for the dossier.
    const bool shown = !IsProgressShown() && ShowProgress(ProgressText::Updating, 4);
    auto step = [&] {
      if (shown) StepProgress();
    };
    auto& blocks = received.fixedBlocks;
    bool ok = link_.ReadRecord16(0).has_value();
    step();
    if (ok) {
      const auto repeaters = link_.ReadRecord32(32);
      step();
      if ((ok = repeaters.has_value()))
        std::copy_n(repeaters->begin(), 16, blocks.repeater.bytes.begin() + RepeaterBlock::VersionOffset(0));
    }
    if (ok) {
      const auto cards = link_.ReadRecord32(20);
      step();
      if ((ok = cards.has_value()))
        std::copy_n(cards->begin(), 16,
                    blocks.peripheryVersion.bytes.begin() + PeripheryVersionBlock::CardVersionOffset(0));
    }
    if (ok) {
      clock_.SleepMs(500);
      const auto power = link_.ReadRecord32(19);
      step();
      if (power)
        std::copy_n(power->begin(), 2,
                    blocks.peripheryVersion.bytes.begin() + PeripheryVersionBlock::kPowerSupplyVersion);
    }
    if (shown) HideProgress();
  }
  controller().AdoptReceivedConfiguration(std::move(received));
  ShowInformation(host_, GetText(4), GetText(3));
  if (frame_) frame_->DocumentChanged();
  return true;
}

void CPc_kx700App::OnSendParameters() {
  if (statusText.empty()) return;
  if (!CheckVersionCompatibility(VersionCheckForm::Panel)) return;
  const int source = document_.sourcePanelNumber;
  if (source >= 0 && source != identification.panelNumber) {
    CError_Mess mess;
    const std::string text = StringPrintf("%s\n\n%d %s\n\n%s", OrEmpty(GetMessage(10)), source,
                                          document_.central.PanelName().c_str(), OrEmpty(GetText(50)));
    if (host_.Show({text, mess.QuestionCaption(10), MessageButtons::YesNo, MessageIcon::Exclamation, {}}) !=
        MessageAnswer::Yes)
      return;
  }
  {
    PanelWork work(*this);
    if (link_.SendParameters(document_, 0, true, true)) {
      const bool relayCards = document_.central.RelayCards() > 0;
      if (!relayCards || !frame_ || !frame_->OpenPeriphProgramming()) ShowInformation(host_, GetText(4), GetText(2));
    }
  }
  // The panel restarts with the new configuration: find it anew.
  statusText.clear();
  connected = false;
}

void CPc_kx700App::OnSilence() {
  if (statusText.empty()) return ShowFault(host_, kFaultNoPanel);
  PanelWork work(*this);
  link_.Silence(0);
}

void CPc_kx700App::OnReset() {
  if (statusText.empty()) return ShowFault(host_, kFaultNoPanel);
  PanelWork work(*this);
  link_.ResetPanel(0);
}

void CPc_kx700App::OnTechnicianMode() {
  if (statusText.empty()) return ShowFault(host_, kFaultNoPanel);
  // No code shows until the next identification, which then shows it anew.
  identification.technicianCode.clear();
  lastTechnicianChar_ = 0;
  {
    PanelWork work(*this);
    if (link_.SetTechnicianMode(0, !identification.technicianMode))
      identification.technicianMode = !identification.technicianMode;
  }
  if (frame_) frame_->RefreshCommandStates();
}

} // namespace kx700
