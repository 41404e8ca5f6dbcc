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

// Request codes the panel knows.
namespace req {
inline constexpr std::uint8_t kAck = 1; // the program acknowledges an answer of an upload
inline constexpr std::uint8_t kRepeat = 2;
inline constexpr std::uint8_t kAbort = 3;
inline constexpr std::uint8_t kDownloadStart = 32;
inline constexpr std::uint8_t kUploadStart = 33;
inline constexpr std::uint8_t kDataBlock = 35;
inline constexpr std::uint8_t kDownloadEnd = 36;
inline constexpr std::uint8_t kProgramModule = 37;
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
inline constexpr std::uint8_t kLogbook = 81;
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

// Answer codes of the transfers, the logbook and relay card programming.
namespace answer {
inline constexpr std::uint8_t kNoMoreEntries = 4;
inline constexpr std::uint8_t kUploadStart = 34; // the block count as four ASCII digits
inline constexpr std::uint8_t kDataBlock = 35;
inline constexpr std::uint8_t kUploadEnd = 36;
inline constexpr std::uint8_t kCardProgress = 38;
inline constexpr std::uint8_t kLogbookEntry = 82;
} // namespace answer

// Payload bytes of every logbook entry answer (82): the frame has a fixed
// size, whatever the texts it carries.
inline constexpr std::size_t kLogbookEntrySize = 54;

inline constexpr std::size_t kMaxBlockData = 100; // data bytes in one block of a sound transfer
// The most data bytes the panel puts into a block when told to: the length
// byte and the data fill the largest answer payload a program can take.
inline constexpr std::size_t kMaxOverlongBlockData = 190;
// A download that would grow the image beyond this is refused block by block.
inline constexpr std::size_t kImageCapacity = 65'536;
inline constexpr std::uint8_t kDeviceRelayCard = 20; // device kind of request 37

// How the panel cuts its image into the blocks of an upload. The defaults
// make a sound panel; the others make uploads a program must refuse.
struct UploadShape {
  std::size_t blockSize = kMaxBlockData; // data bytes per block, 1..kMaxOverlongBlockData
  std::optional<int> announcedBlocks;    // the count in answer 34; none: the blocks really sent
  std::optional<std::size_t> endAfter;   // '$' after this many image bytes: a truncated image
};

// How relay card programming reports: `steps` answers 38 per card, the first
// at once, the last (the result) `durationUs` later, the others evenly between
// (with one step only the result, after `durationUs`). The answers before the
// result carry `progressState`. Cards are programmed one after the other.
struct CardProgramming {
  int steps = 4;
  std::int64_t durationUs = 3'000'000;
  std::uint8_t progressState = card_state::kUnknown;
};

enum class Transfer { kNone, kDownload, kUpload };

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
  // Stops answering from now on; bytes already queued still go out, answers
  // planned for later (relay card progress) do not.
  void HangUp();

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
  // Whether bytes from the program also take their line time at the baud
  // rate before the panel has them (a pseudo-terminal delivers them at once).
  void SetPaceReception(bool on) { paceReception_ = on; }
  std::int64_t answerDelayUs() const { return answerDelayUs_; }
  // The panel answers requests to this address and to 0x20 (the whole panel).
  void SetPanelAddress(std::uint8_t address) { panelAddress_ = address; }
  std::uint8_t panelAddress() const { return panelAddress_; }
  // Whether the values of loops at rest wander by a tenth of a volt from one
  // analog answer to the next, as live loops do (off: the values as set).
  void SetLiveValues(bool on) { liveValues_ = on; }
  // Whether loop switch (74) and loop alarm (79) requests are acknowledged.
  void SetAcknowledgeSwitches(bool on) { ackSwitches_ = on; }
  // Whether a request with a bad checksum is answered with code 2.
  void SetAskRepeatOnBadChecksum(bool on) { askRepeatOnBadChecksum_ = on; }
  void SetUnknownRequests(UnknownRequests how) { unknown_ = how; }

  // The transfer in progress, if any.
  Transfer transfer() const { return transfer_; }
  // Applies from the next upload start on.
  void SetUploadShape(const UploadShape& shape);
  void SetCardProgramming(const CardProgramming& how) { cardProgramming_ = how; }
  // Whether the panel programs its relay cards after a download, reporting
  // each with answers 38 as if request 37 had asked for it (on by default).
  void SetProgramCardsAfterDownload(bool on) { programCardsAfterDownload_ = on; }

  // Replaces the handler of a request code; an empty handler makes it unknown.
  void SetHandler(std::uint8_t code, Handler handler) { handlers_[code] = std::move(handler); }

  // Sends one answer frame (through the fault plan) `extraDelayUs` after the
  // usual answer delay, counted from the last time the engine was given.
  // False when the fault plan made the panel ask for a repeat in its place,
  // or hang up: the request then counts as not handled.
  bool Answer(std::uint8_t code, std::span<const std::uint8_t> payload = {}, std::uint8_t flags = 0,
              std::int64_t extraDelayUs = 0);
  // Answer 1 with the acknowledged request code as its payload.
  bool Acknowledge(std::uint8_t requestCode);

private:
  struct OutByte {
    std::uint8_t value;
    std::int64_t dueUs;
  };

  // An answer the panel sends later of its own accord.
  struct TimedAnswer {
    std::int64_t atUs;
    std::uint8_t requestCode; // what started it, for the fault plan
    std::uint8_t code;
    std::vector<std::uint8_t> payload;
  };

  void Dispatch(const Request& r);
  bool Emit(std::vector<std::uint8_t> frame, std::int64_t extraDelayUs);
  void Schedule(std::span<const std::uint8_t> bytes, std::int64_t readyUs);
  void FireTimed(std::int64_t upToUs);
  void ProgramCard(int card);
  void SendNextBlock();

  void OnAck(const Request& r);
  void OnAbort(const Request& r);
  void OnDownloadStart(const Request& r);
  void OnUploadStart(const Request& r);
  void OnDataBlock(const Request& r);
  void OnDownloadEnd(const Request& r);
  void OnProgramModule(const Request& r);
  void OnLogbook(const Request& r);

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
  bool paceReception_ = false;
  std::int64_t receptionFreeUs_ = 0; // when the incoming line has carried what came so far
  std::optional<std::int64_t> lineFreeUs_;
  std::uint8_t answeringCode_ = 0; // the request being answered, for the fault plan
  bool hangingUp_ = false;
  std::array<std::optional<int>, kLoopCount> valueBeforeAlarm_{};

  Transfer transfer_ = Transfer::kNone;
  std::vector<std::uint8_t> transferImage_; // a download: what came so far; an upload: what goes out
  std::size_t uploadPosition_ = 0;          // image bytes sent and acknowledged or in flight
  bool uploadAnnounced_ = false;            // answer 34 is out, its acknowledgement not yet in
  UploadShape uploadShape_;
  std::size_t logbookNext_ = 0;
  std::deque<TimedAnswer> timed_; // by time
  std::int64_t cardsBusyUntilUs_ = 0;
  CardProgramming cardProgramming_;
  bool programCardsAfterDownload_ = true;

  int baud_ = 9600;
  std::int64_t answerDelayUs_ = 2'000;
  std::uint8_t panelAddress_ = 0;
  bool ackSwitches_ = false;
  bool liveValues_ = false;
  std::array<std::uint32_t, kLoopCount> analogAsked_{}; // analog answers given, by loop
  bool keepRequests_ = true;
  bool askRepeatOnBadChecksum_ = true;
  UnknownRequests unknown_ = UnknownRequests::kIgnore;
};

} // namespace panelsim
