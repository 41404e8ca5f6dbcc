#include "session/link_engine.h"

#include <algorithm>

#include "common/string_format.h"

namespace kx700 {
namespace {

constexpr int kAnalogAnswerSteps = 1000;
constexpr int kCardProgressSteps = 1500;
constexpr int kArmedSteps = 10;
constexpr int kStepMs = 5;
constexpr int kQuietMs = 1000;

} // namespace

LinkEngine::LinkEngine(PortChannel& port, CPanelLink& link, Clock& clock, CPc_kx700Doc& document, Listener& listener)
    : port_(port), link_(link), clock_(clock), document_(document), listener_(listener) {}

LinkEngine::~LinkEngine() {
  // A window that outlives the engine must not call back into it.
  if (served_) served_->engine_ = nullptr;
}

void LinkEngine::OnIdle() {
  if (requestedPort_ != activePort_ || requestedBaud_ != activeBaud_ || (portRetry_ && !port_.IsOpen())) {
    portRetry_ = false;
    activePort_ = requestedPort_;
    activeBaud_ = requestedBaud_;
    port_.Close();
    port_.Open(activePort_, activeBaud_);
    return;
  }
  portRetry_ = false;
  if (port_.IsOpen() && port_.LineLost()) {
    // The adapter went away or the panel's end closed: no panel any more.
    // Supervision opens the line again on its period until it is back.
    port_.Close();
    if (session_.connected()) PanelLost();
  }
  if (linkMode_ == kLinkCardProgramming) {
    PollCardProgramming();
  } else if (!session_.connected()) {
    SuperviseConnection();
    if (session_.connected()) ArmIdleCountdown();
  } else if (linkMode_ == kLinkAnalogValues) {
    PollAnalogValues();
  } else if (linkMode_ != kLinkControlTest) {
    SuperviseConnection();
  }
}

int LinkEngine::NextIdleDelayMs() const {
  if (portRetry_ || (port_.IsOpen() && port_.LineLost())) return 0; // a port to open or close at once
  const bool connected = session_.connected();
  // Analog polling: an answer that has come is taken at once; otherwise the
  // next step is 5 ms on, a waiting step or the pause before the next
  // request.
  if (linkMode_ == kLinkAnalogValues && connected) return AnalogAnswerWaiting() ? 0 : kStepMs;
  // Card progress: a step that took an answer goes on at once, one that
  // waited for an answer sleeps its 5 ms.
  if (linkMode_ == kLinkCardProgramming) return stepSlept_ ? kStepMs : 0;
  if (linkMode_ == kLinkControlTest && connected) return kQuietMs;
  // Supervision: an awaited answer wakes the engine through the arriving
  // bytes; a frame that came with others is taken at once; otherwise
  // nothing happens before the next request is due.
  if (StepsOnArrivingBytes() && port_.Ring().Contains(kFrameEnd)) return 0;
  const std::int64_t untilDue = nextSupervisionMs_ - clock_.SteadyMs();
  return static_cast<int>(std::clamp<std::int64_t>(untilDue, 0, kQuietMs));
}

bool LinkEngine::StepsOnArrivingBytes() const {
  if (linkMode_ == kLinkAnalogValues && session_.connected()) return AnalogAnswerWaiting();
  const bool supervising = !session_.connected() || linkMode_ != kLinkControlTest;
  return supervising && linkMode_ != kLinkCardProgramming;
}

bool LinkEngine::AnalogAnswerWaiting() const {
  // Only a whole frame wakes the poll: a step that finds half an answer
  // would count as a waiting step.
  return idleCountdown_ > 0 && port_.Ring().Contains(kFrameEnd);
}

void LinkEngine::SuperviseConnection() {
  const std::int64_t now = clock_.SteadyMs();
  RxRing& ring = port_.Ring();
  if (now >= nextSupervisionMs_) {
    if (!port_.IsOpen()) port_.OpenQuietly(activePort_, activeBaud_);
    // An answer that came while the engine was held up (a modal dialog, a
    // transaction) is the panel's answer all the same.
    if (!replySeen_) TakeIdentification();
    if (!replySeen_) {
      PanelLost(); // no answer since the last request
    }
    if (ring.Count() == 0) {
      nextSupervisionMs_ = now + timing_.periodMs;
      replySeen_ = false;
      link_.SendIdentify(0);
    } else {
      // Someone else is talking on the line: try again a little later.
      ring.Flush();
      nextSupervisionMs_ = now + timing_.strayBytesDelayMs;
    }
    return;
  }

  TakeIdentification();
}

void LinkEngine::TakeIdentification() {
  PanelIdentification answer = session_.identification;
  if (!link_.ParseIdentification(answer)) return;
  port_.Ring().Flush();
  PanelIdentified(answer);
}

void LinkEngine::PanelIdentified(const PanelIdentification& identification) {
  const bool technicianBefore = session_.identification.technicianMode;
  session_.identification = identification;
  replySeen_ = true;
  const PanelIdentification& id = session_.identification;
  if (!session_.connected() || id.panelNumber != lastShownPanelNumber_) {
    lastShownPanelNumber_ = id.panelNumber;
    ShowStatusText(id.identificationText.empty()
                       ? StringPrintf("%d %s", id.panelNumber, id.panelName.c_str())
                       : StringPrintf("%s - %s", id.identificationText.c_str(), id.panelName.c_str()));
  }
  const char technicianChar = id.technicianCode.size() > 2 ? id.technicianCode[2] : 0;
  if (technicianChar != lastTechnicianChar_ || technicianBefore != id.technicianMode) {
    lastTechnicianChar_ = technicianChar;
    listener_.CommandStatesChanged();
  }
}

void LinkEngine::ForgetPanel() { ShowStatusText({}); }

void LinkEngine::PanelLost() {
  session_.identification.technicianMode = false;
  ShowStatusText({});
}

void LinkEngine::ShowStatusText(std::string text) {
  session_.statusText = std::move(text);
  listener_.PanelSessionChanged();
}

void LinkEngine::SetTechnicianMode(bool on) {
  if (session_.identification.technicianMode == on) return;
  session_.identification.technicianMode = on;
  listener_.CommandStatesChanged();
}

void LinkEngine::ClearTechnicianCode() {
  session_.identification.technicianCode.clear();
  lastTechnicianChar_ = 0;
  listener_.CommandStatesChanged();
}

void LinkEngine::PollAnalogValues() {
  PanelServiceState& service = document_.serviceState();
  if (idleCountdown_ <= 0) {
    // The status answer that ends a cycle was lost: start again at the first loop.
    if (service.polledLoop == 0) service.polledLoop = std::max(1, service.firstLoop);
    link_.SendAnalogRequest(service.analogRequestAddress, service.polledLoop);
    idleCountdown_ = kAnalogAnswerSteps;
    return;
  }
  if (!link_.ParseAnalogAnswer(service)) {
    --idleCountdown_;
    return;
  }
  idleCountdown_ = 0;
  if (analogWindow_) {
    analogWindow_->RefreshCurrentLoop();
    if (++service.polledLoop > service.lastLoop) {
      link_.SendStatusRequest();
      idleCountdown_ = kAnalogAnswerSteps;
      service.polledLoop = 0;
    }
  }
}

void LinkEngine::PollCardProgramming() {
  PanelServiceState& service = document_.serviceState();
  stepSlept_ = false;
  if (link_.ParseCardProgress(service)) {
    if (cardWindow_ && service.relayCardProgress.answerWaiting) {
      // Counted before the window shows it: the window may leave the mode.
      idleCountdown_ = kCardProgressSteps;
      cardWindow_->ShowProgress();
    }
    return;
  }
  stepSlept_ = true;
  if (idleCountdown_ >= 0) {
    --idleCountdown_;
    if (idleCountdown_ == 0 && cardWindow_) cardWindow_->EnableSelection(true);
  }
}

bool LinkEngine::EnterAnalogValues(AnalogValuesWindow* window) {
  if (!Enter(kLinkAnalogValues, window)) return false;
  analogWindow_ = window;
  return true;
}

bool LinkEngine::EnterCardProgramming(CardProgrammingWindow* window) {
  if (!Enter(kLinkCardProgramming, window)) return false;
  cardWindow_ = window;
  return true;
}

bool LinkEngine::EnterControlTest(ControlTestWindow* window) { return Enter(kLinkControlTest, window); }

bool LinkEngine::Enter(int mode, ServiceWindow* window) {
  // A second mode is refused while one is on, the same one too; a window
  // serves one mode at a time.
  if (linkMode_ != kLinkSupervision || (window && window->engine_)) return false;
  linkMode_ = mode;
  if (mode == kLinkCardProgramming) idleCountdown_ = kCardProgressSteps;
  stepSlept_ = false;
  served_ = window;
  if (window) window->engine_ = this;
  listener_.CommandStatesChanged();
  Wake();
  return true;
}

void LinkEngine::LeaveMode() {
  if (served_) served_->engine_ = nullptr;
  served_ = nullptr;
  analogWindow_ = nullptr;
  cardWindow_ = nullptr;
  const bool changed = linkMode_ != kLinkSupervision;
  linkMode_ = kLinkSupervision;
  idleCountdown_ = 0;
  if (changed) listener_.CommandStatesChanged();
  Wake();
}

void LinkEngine::Leave(const ServiceWindow& window) {
  if (served_ == &window) LeaveMode();
}

void LinkEngine::ArmIdleCountdown() {
  if (linkMode_ != kLinkCardProgramming) idleCountdown_ = kArmedSteps;
  Wake();
}

void LinkEngine::ArmCardCountdown() {
  if (linkMode_ == kLinkCardProgramming) idleCountdown_ = kCardProgressSteps;
  Wake();
}

void LinkEngine::OpenPort(int port, int baud) {
  requestedPort_ = activePort_ = port;
  requestedBaud_ = activeBaud_ = baud;
  port_.Open(activePort_, activeBaud_);
}

void LinkEngine::RequestPort(int port, int baud) {
  requestedPort_ = port;
  requestedBaud_ = baud;
  portRetry_ = true;
  Wake();
}

} // namespace kx700
