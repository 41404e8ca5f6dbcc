#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "panelsim/fault_plan.h"
#include "panelsim/frame.h"
#include "panelsim/panel_state.h"

namespace panelsim {

// Request codes the panel knows today.
namespace req {
inline constexpr std::uint8_t kRepeat = 2;
inline constexpr std::uint8_t kStatus = 39;
inline constexpr std::uint8_t kIdentify = 48;
inline constexpr std::uint8_t kText = 52;
inline constexpr std::uint8_t kSilence = 64;
inline constexpr std::uint8_t kReset = 65;
inline constexpr std::uint8_t kGetClock = 66;
inline constexpr std::uint8_t kSetClock = 67;
inline constexpr std::uint8_t kAnalog = 68;
inline constexpr std::uint8_t kSwitch = 74;
inline constexpr std::uint8_t kLoopAlarm = 79;
inline constexpr std::uint8_t kRecord16 = 83;
inline constexpr std::uint8_t kGetLanguage = 85;
inline constexpr std::uint8_t kSetLanguage = 87;
inline constexpr std::uint8_t kRecord32 = 88;
inline constexpr std::uint8_t kControlTest = 90;
inline constexpr std::uint8_t kTechnicianMode = 91;
} // namespace req

inline constexpr std::uint8_t kAckCode = 1;
inline constexpr std::uint8_t kRepeatCode = 2;
inline constexpr std::uint8_t kAddressWholePanel = 0x20;

// A well-formed request as the panel received it (payload raised).
struct Request {
  std::uint8_t address = 0;
  std::uint8_t code = 0;
  std::vector<std::uint8_t> payload;
};

enum class UnknownRequests { kIgnore, kAcknowledge };

// The simulated panel. It has no clock of its own: every call carries the
// caller's time in microseconds, and the output bytes come out through
// TakeDue when their time has come, paced at the baud rate.
class Engine {
public:
  // Handles one request addressed to this panel; answers with Answer().
  using Handler = std::function<void(Engine&, const Request&)>;

  explicit Engine(PanelState state = RealisticPanel());

  // Bytes from the program, all arrived at `nowUs`.
  void Receive(std::span<const std::uint8_t> bytes, std::int64_t nowUs);
  // Appends the output bytes due by `nowUs`; returns how many.
  std::size_t TakeDue(std::int64_t nowUs, std::vector<std::uint8_t>& out);
  // When the next output byte is due, if one is waiting.
  std::optional<std::int64_t> NextDueUs() const;
  // True once a hang-up has happened and every byte before it has been taken.
  bool HungUp() const { return hangingUp_ && out_.empty(); }
  // Stops answering from now on; bytes already queued still go out.
  void HangUp() { hangingUp_ = true; }

  PanelState& state() { return state_; }
  const PanelState& state() const { return state_; }
  FaultPlan& faults() { return faults_; }

  // Every well-formed request received, to any address, in order (unless
  // switched off for a long run).
  const std::vector<Request>& requests() const { return requests_; }
  void ClearRequests() { requests_.clear(); }
  void SetKeepRequests(bool on) { keepRequests_ = on; }
  // Requests received with a bad checksum.
  std::size_t badRequests() const { return badRequests_; }

  // 10 bits per byte; 0 sends every byte of an answer at once.
  void SetBaud(int baud) { baud_ = baud < 0 ? 0 : baud; }
  int baud() const { return baud_; }
  // The panel's think time between a request and the first byte of its answer.
  void SetAnswerDelayUs(std::int64_t us) { answerDelayUs_ = us < 0 ? 0 : us; }
  std::int64_t answerDelayUs() const { return answerDelayUs_; }
  // The panel answers requests to this address and to 0x20 (the whole panel).
  void SetPanelAddress(std::uint8_t address) { panelAddress_ = address; }
  std::uint8_t panelAddress() const { return panelAddress_; }
  // Whether loop switch (74) and loop alarm (79) requests are acknowledged.
  void SetAcknowledgeSwitches(bool on) { ackSwitches_ = on; }
  // Whether a request with a bad checksum is answered with code 2.
  void SetAskRepeatOnBadChecksum(bool on) { askRepeatOnBadChecksum_ = on; }
  void SetUnknownRequests(UnknownRequests how) { unknown_ = how; }

  // Replaces the handler of a request code; an empty handler makes it unknown.
  void SetHandler(std::uint8_t code, Handler handler) { handlers_[code] = std::move(handler); }

  // Sends one answer frame (through the fault plan) `extraDelayUs` after the
  // usual answer delay, counted from the last time the engine was given.
  void Answer(std::uint8_t code, std::span<const std::uint8_t> payload = {}, std::uint8_t flags = 0,
              std::int64_t extraDelayUs = 0);
  // Answer 1 with the acknowledged request code as its payload.
  void Acknowledge(std::uint8_t requestCode);

private:
  struct OutByte {
    std::uint8_t value;
    std::int64_t dueUs;
  };

  void Dispatch(const Request& r);
  void Emit(std::vector<std::uint8_t> frame, std::int64_t extraDelayUs);
  void Schedule(std::span<const std::uint8_t> bytes, std::int64_t readyUs);

  void OnRepeat(const Request& r);
  void OnStatus(const Request& r);
  void OnIdentify(const Request& r);
  void OnText(const Request& r);
  void OnSilence(const Request& r);
  void OnReset(const Request& r);
  void OnGetClock(const Request& r);
  void OnSetClock(const Request& r);
  void OnAnalog(const Request& r);
  void OnSwitch(const Request& r);
  void OnLoopAlarm(const Request& r);
  void OnRecord16(const Request& r);
  void OnGetLanguage(const Request& r);
  void OnSetLanguage(const Request& r);
  void OnRecord32(const Request& r);
  void OnControlTest(const Request& r);
  void OnTechnicianMode(const Request& r);

  PanelState state_;
  FaultPlan faults_;
  std::array<Handler, 256> handlers_;
  FrameReceiver receiver_;
  std::vector<Request> requests_;
  std::size_t badRequests_ = 0;

  std::deque<OutByte> out_;
  std::vector<std::uint8_t> lastFrame_; // as the panel built it, before any line fault
  std::int64_t nowUs_ = 0;
  std::optional<std::int64_t> lineFreeUs_;
  std::uint8_t answeringCode_ = 0; // the request being answered, for the fault plan
  bool hangingUp_ = false;
  std::array<std::optional<int>, kLoopCount> valueBeforeAlarm_{};

  int baud_ = 9600;
  std::int64_t answerDelayUs_ = 2'000;
  std::uint8_t panelAddress_ = 0;
  bool ackSwitches_ = false;
  bool keepRequests_ = true;
  bool askRepeatOnBadChecksum_ = true;
  UnknownRequests unknown_ = UnknownRequests::kIgnore;
};

} // namespace panelsim
