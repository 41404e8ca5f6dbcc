#pragma once

#include <cstdint>
#include <functional>

#include "common/clock.h"
#include "link/byte_channel.h"
#include "link/panel_link.h"
#include "model/document.h"
#include "session/panel_session.h"
#include "session/service_window.h"

namespace kx700 {

enum LinkMode : int {
  kLinkSupervision = 0,
  kLinkAnalogValues = 1,
  kLinkCardProgramming = 2,
  kLinkControlTest = 3,
};

constexpr int kDefaultBaud = 9600;

// How often the connection is supervised. The panel is asked every period;
// stray bytes on the line put the request off by the delay.
struct SupervisionTiming {
  std::int64_t periodMs = 5000;
  std::int64_t strayBytesDelayMs = 2000;
};

// The link engine: the program's work whenever it is idle. Each step does one
// small thing: reopen the port after a settings change, supervise the
// connection to the panel, or drive the polling of the open service window. A
// step never waits; where a wait is due the step ends, and the next one (5 ms
// later) goes on.
//
// It keeps the panel session: supervision finds and loses the panel, and the
// commands change it through the intent methods below.
class LinkEngine {
public:
  // What the engine tells the main window.
  class Listener {
  public:
    virtual ~Listener() = default;
    // The panel session changed: the dialog bar and the enable rules follow.
    virtual void PanelSessionChanged() = 0;
    // The link mode or the technician code changed: the enable rules, the
    // check marks and the technician pane follow.
    virtual void CommandStatesChanged() = 0;
  };

  LinkEngine(PortChannel& port, CPanelLink& link, Clock& clock, CPc_kx700Doc& document, Listener& listener);
  ~LinkEngine();
  LinkEngine(const LinkEngine&) = delete;
  LinkEngine& operator=(const LinkEngine&) = delete;

  // --- one step
  void OnIdle();
  void SuperviseConnection();
  void PollAnalogValues();
  void PollCardProgramming();

  // --- the panel session
  const PanelSession& session() const { return session_; }
  // What supervision does with an identification answer: the panel is
  // connected and its text shown when it is new.
  void PanelIdentified(const PanelIdentification& identification);
  // The panel restarts (after a send): it is found anew by the next
  // identification.
  void ForgetPanel();
  void SetTechnicianMode(bool on);
  // No code shows until the next identification, which then shows it anew.
  void ClearTechnicianCode();

  // --- link modes, each entered with the window it serves (or none)
  bool EnterAnalogValues(AnalogValuesWindow* window);
  bool EnterCardProgramming(CardProgrammingWindow* window);
  bool EnterControlTest(ControlTestWindow* window);
  // Back to supervision (always accepted); the mode's window is dropped.
  void LeaveMode();
  int GetLinkMode() const { return linkMode_; }
  int idleCountdown() const { return idleCountdown_; }
  // Gives a pending answer ten steps before the next request.
  void ArmIdleCountdown();
  // Relay card reprogramming: a card ordered gets the whole wait for its
  // answers before the window is given back.
  void ArmCardCountdown();

  // --- the port
  // Opens the port at start; it becomes the requested and the active one.
  void OpenPort(int port, int baud);
  // The user chose a port and rate: the next step reopens the port when they
  // differ from the active ones, or when the port is closed.
  void RequestPort(int port, int baud);
  int requestedPort() const { return requestedPort_; }
  int requestedBaud() const { return requestedBaud_; }
  int activePort() const { return activePort_; }
  int activeBaud() const { return activeBaud_; }

  // --- pacing by the idle timer
  // Called whenever the engine's state changed so that its next step is due
  // at once.
  void SetWake(std::function<void()> wake) { wake_ = std::move(wake); }
  // How long the program may stay idle before the next step is due: the
  // polling modes count steps of 5 ms, supervision only needs its next due
  // time, provided a step also runs whenever bytes arrive
  // (StepsOnArrivingBytes); analog polling takes an answer as soon as it is
  // whole.
  int NextIdleDelayMs() const;
  bool StepsOnArrivingBytes() const;
  void SetSupervisionTiming(SupervisionTiming timing) { timing_ = timing; }

  // While a command talks to the panel the engine keeps still.
  class BusyScope {
  public:
    explicit BusyScope(LinkEngine& engine) : engine_(engine) { ++engine_.busy_; }
    ~BusyScope() {
      if (--engine_.busy_ == 0) engine_.Wake();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    LinkEngine& engine_;
  };
  bool busy() const { return busy_ > 0; }

private:
  friend class ServiceWindow;
  bool Enter(int mode, ServiceWindow* window);
  // The window is going: its mode ends when it is the one served.
  void Leave(const ServiceWindow& window);
  void ShowStatusText(std::string text);
  // Analog polling waits for an answer, and a whole frame has come.
  bool AnalogAnswerWaiting() const;
  // The panel is gone: its text, and the technician mode with it.
  void PanelLost();
  // Takes one identification answer from the ring, when one is there.
  void TakeIdentification();
  void Wake() {
    if (wake_) wake_();
  }

  PortChannel& port_;
  CPanelLink& link_;
  Clock& clock_;
  CPc_kx700Doc& document_;
  Listener& listener_;
  SupervisionTiming timing_;

  PanelSession session_;
  int linkMode_ = kLinkSupervision;
  int idleCountdown_ = 0;
  ServiceWindow* served_ = nullptr;
  AnalogValuesWindow* analogWindow_ = nullptr;
  CardProgrammingWindow* cardWindow_ = nullptr;

  int requestedPort_ = 1;
  int requestedBaud_ = kDefaultBaud;
  int activePort_ = 1;
  int activeBaud_ = kDefaultBaud;
  bool portRetry_ = false;

  // Supervision of the connection.
  std::int64_t nextSupervisionMs_ = 0; // due at once
  bool replySeen_ = false;
  int lastShownPanelNumber_ = 0;
  char lastTechnicianChar_ = 0;

  int busy_ = 0;
  bool stepSlept_ = false; // the last card progress step waited (5 ms) for an answer
  std::function<void()> wake_;
};

} // namespace kx700
