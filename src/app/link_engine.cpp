// The link engine: the application object's work whenever the program is
// idle. Each call does one small step: reopen the port after a settings
// change, supervise the connection, or drive the polling of the open service
// window. A step never waits; where a wait is due, the step ends and the
// next idle call (5 ms later) goes on.
#include <algorithm>

#include "app/application.h"
#include "common/string_format.h"
#include "link/panel_frame.h"

namespace kx700 {
namespace {

constexpr std::int64_t kSupervisionPeriodMs = 5000;
constexpr std::int64_t kStrayBytesDelayMs = 2000;
constexpr int kAnalogAnswerSteps = 1000;
constexpr int kCardProgressSteps = 1500;
constexpr int kArmedSteps = 10;

} // namespace

void CPc_kx700App::OnIdle() {
  if (requestedPort != activePort || requestedBaud != activeBaud || (portRetry_ && !port_->IsOpen())) {
    portRetry_ = false;
    activePort = requestedPort;
    activeBaud = requestedBaud;
    port_->Close();
    port_->Open(activePort, activeBaud);
    return;
  }
  portRetry_ = false;
  if (linkMode == kLinkCardProgramming) {
    PollCardProgramming();
  } else if (!connected) {
    SuperviseConnection();
    if (connected) ArmIdleCountdown();
  } else if (linkMode == kLinkAnalogValues) {
    PollAnalogValues();
  } else if (linkMode != kLinkControlTest) {
    SuperviseConnection();
  }
}

int CPc_kx700App::NextIdleDelayMs() const {
  constexpr int kStepMs = 5;
  constexpr int kQuietMs = 1000;
  if (requestedPort != activePort || requestedBaud != activeBaud || portRetry_) return 0;
  // A polling step that took an answer goes on at once, one that waited
  // for an answer sleeps its 5 ms.
  if ((linkMode == kLinkAnalogValues && connected) || linkMode == kLinkCardProgramming) return stepSlept_ ? kStepMs : 0;
  if (linkMode == kLinkControlTest && connected) return kQuietMs;
  // Supervision: an awaited answer wakes the engine through the arriving
  // bytes; a frame that came with others is taken at once; otherwise
  // nothing happens before the next request is due.
  if (StepsOnArrivingBytes() && port_->Ring().Contains(kFrameEnd)) return 0;
  const std::int64_t untilDue = nextSupervisionMs_ - clock_.SteadyMs();
  return static_cast<int>(std::clamp<std::int64_t>(untilDue, 0, kQuietMs));
}

bool CPc_kx700App::StepsOnArrivingBytes() const {
  const bool supervising = !connected || (linkMode != kLinkAnalogValues && linkMode != kLinkControlTest);
  return supervising && linkMode != kLinkCardProgramming;
}

void CPc_kx700App::SuperviseConnection() {
  const std::int64_t now = clock_.SteadyMs();
  RxRing& ring = port_->Ring();
  if (now >= nextSupervisionMs_) {
    if (!replySeen_) {
      // No answer since the last request: the panel is gone.
      statusText.clear();
      SetTechnicianMode(false);
      if (frame_) frame_->SetDialogBarText(statusText);
      connected = false;
    }
    if (ring.Count() == 0) {
      nextSupervisionMs_ = now + kSupervisionPeriodMs;
      replySeen_ = false;
      link_.SendIdentify(0);
    } else {
      // Someone else is talking on the line: try again a little later.
      ring.Flush();
      nextSupervisionMs_ = now + kStrayBytesDelayMs;
    }
    return;
  }

  const bool technicianBefore = identification.technicianMode;
  if (!link_.ParseIdentification(identification)) return;
  ring.Flush();
  connected = true;
  replySeen_ = true;
  if (statusText.empty() || identification.panelNumber != lastShownPanelNumber_) {
    lastShownPanelNumber_ = identification.panelNumber;
    statusText =
        identification.identificationText.empty()
            ? StringPrintf("%d %s", identification.panelNumber, identification.panelName.c_str())
            : StringPrintf("%s - %s", identification.identificationText.c_str(), identification.panelName.c_str());
    if (frame_) frame_->SetDialogBarText(statusText);
  }
  const char technicianChar = identification.technicianCode.size() > 2 ? identification.technicianCode[2] : 0;
  if (technicianChar != lastTechnicianChar_ || technicianBefore != identification.technicianMode) {
    lastTechnicianChar_ = technicianChar;
    if (frame_) frame_->RefreshCommandStates();
  }
}

void CPc_kx700App::PollAnalogValues() {
  PanelServiceState& service = document_.serviceState();
  if (idleCountdown <= 0) {
    // The status answer that ends a cycle was lost: start again at the first loop.
    if (service.polledLoop == 0) service.polledLoop = std::max(1, service.firstLoop);
    link_.SendAnalogRequest(service.analogRequestAddress, service.polledLoop);
    idleCountdown = kAnalogAnswerSteps;
    stepSlept_ = true;
    return;
  }
  if (!link_.ParseAnalogAnswer(service)) {
    --idleCountdown;
    stepSlept_ = true;
    return;
  }
  stepSlept_ = false;
  idleCountdown = 0;
  if (analogWindow) {
    analogWindow->RefreshCurrentLoop();
    if (++service.polledLoop > service.lastLoop) {
      link_.SendStatusRequest();
      idleCountdown = kAnalogAnswerSteps;
      service.polledLoop = 0;
    }
  }
}

void CPc_kx700App::PollCardProgramming() {
  PanelServiceState& service = document_.serviceState();
  stepSlept_ = false;
  if (link_.ParseCardProgress(service)) {
    if (cardWindow && service.relayCardProgress.answerWaiting) {
      cardWindow->ShowProgress();
      idleCountdown = kCardProgressSteps;
    }
    return;
  }
  stepSlept_ = true;
  if (idleCountdown >= 0) {
    --idleCountdown;
    if (idleCountdown == 0 && cardWindow) cardWindow->EnableSelection(true);
  }
}

bool CPc_kx700App::SetLinkMode(int mode) {
  if (mode == kLinkSupervision) {
    linkMode = kLinkSupervision;
    idleCountdown = 0;
    cardWindow = nullptr;
    WakeEngine();
    return true;
  }
  if (linkMode != kLinkSupervision) return false;
  linkMode = mode;
  if (mode == kLinkCardProgramming) idleCountdown = kCardProgressSteps;
  stepSlept_ = false;
  WakeEngine();
  return true;
}

void CPc_kx700App::ArmIdleCountdown() {
  if (linkMode != kLinkCardProgramming) idleCountdown = kArmedSteps;
  WakeEngine();
}

void CPc_kx700App::SetTechnicianMode(bool on) { identification.technicianMode = on; }

} // namespace kx700
