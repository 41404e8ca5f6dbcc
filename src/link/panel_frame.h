#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "common/clock.h"
#include "link/byte_channel.h"
#include "link/panel_identification.h"
#include "model/document.h"

// The panel frame: E0 'W' address 0 code flags payload checksum E1. The
// checksum is the XOR of the whole frame with its own slot as 0, masked to
// seven bits. Outside the data-block frames ('#'), payload bytes 0xC0..0xFF
// travel lowered by 0x40 and are raised again on reception, so that no
// payload byte can be taken for a start or end byte.
namespace kx700 {

constexpr std::uint8_t kFrameStart = 0xE0;
constexpr std::uint8_t kFrameEnd = 0xE1;
constexpr std::uint8_t kFrameMark = 'W';
constexpr std::uint8_t kPanelAddress = 0x20; // the panel as a whole
constexpr std::size_t kFrameOverhead = 8;
constexpr std::size_t kMaxReceivedFrame = 199;
constexpr std::size_t kMaxDataBlock = 100;
constexpr int kDataBlockCode = '#';

// Request and answer codes.
enum PanelCode : int {
  kAnswerAck = 1,
  kRequestRepeat = 2,
  kRequestAbort = 3,
  kAnswerNoMoreEntries = 4,
  kRequestDownloadStart = 32,
  kRequestUploadStart = 33,
  kAnswerUploadStart = 34,
  kDataBlock = 35,
  kDownloadEnd = 36,
  kRequestProgramModule = 37,
  kAnswerCardProgress = 38,
  kRequestStatus = 39,
  kAnswerStatus = 40,
  kRequestIdentify = 48,
  kAnswerIdentification = 49,
  kRequestText = 52,
  kAnswerText = 53,
  kRequestSilence = 64,
  kRequestReset = 65,
  kRequestGetDateTime = 66,
  kSetDateTime = 67, // request 67 sets the clock; answer 67 reports it
  kRequestAnalog = 68,
  kAnswerAnalog = 69,
  kRequestSwitch = 74,
  kRequestLoopAlarm = 79,
  kRequestLogbook = 81,
  kAnswerLogbookEntry = 82,
  kRequestRecord16 = 83,
  kAnswerRecord16 = 84,
  kRequestLanguage = 85,
  kAnswerLanguage = 86,
  kRequestSetLanguage = 87,
  kRequestRecord32 = 88,
  kAnswerRecord32 = 89,
  kRequestControlTest = 90,
  kRequestTechnicianMode = 91,
};

// Frame checksum over a whole frame, its checksum slot taken as 0.
std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame);

// Answer payloads, each read from a whole received frame (already checked
// and un-transformed). Each checks that the frame is long enough for its
// layout; a shorter frame is not that answer.
std::optional<int> ParseBlockCount(std::span<const std::uint8_t> frame);                          // answer 34
std::optional<std::span<const std::uint8_t>> ParseDataBlock(std::span<const std::uint8_t> frame); // '#'
std::optional<std::string> ParseTextAnswer(std::span<const std::uint8_t> frame, int index);       // answer 53
std::optional<std::array<std::uint8_t, 6>> ParseDateTime(std::span<const std::uint8_t> frame);    // answer 67
std::optional<std::uint8_t> ParseLanguage(std::span<const std::uint8_t> frame);                   // answer 86
std::optional<std::array<std::uint8_t, 16>> ParseRecord16(std::span<const std::uint8_t> frame);   // answer 84
std::optional<std::array<std::uint8_t, 32>> ParseRecord32(std::span<const std::uint8_t> frame);   // answer 89
std::optional<LogbookEntry> ParseLogbookEntry(std::span<const std::uint8_t> frame);               // answer 82
bool ParseIdentificationFrame(std::span<const std::uint8_t> frame, PanelIdentification& id);      // answer 49
bool ParseStatusFrame(std::span<const std::uint8_t> frame, PanelServiceState& state);             // answer 40
bool ParseAnalogFrame(std::span<const std::uint8_t> frame, PanelServiceState& state);             // answer 69
bool ParseCardProgressFrame(std::span<const std::uint8_t> frame, PanelServiceState& state);       // answer 38

// Builds request frames and sends them; takes answer frames out of the
// receive ring. User-interface thread only.
class CPanelFrame {
public:
  CPanelFrame(ByteChannel& channel, Clock& clock);

  ByteChannel& channel() { return channel_; }
  Clock& clock() { return clock_; }

  // --- frames
  // Sends the request in the transmit buffer: transform, checksum, write.
  // Whatever is pending in the receive ring is dropped first, so that a stale
  // answer can never be taken for this request's.
  bool SendFrame();
  // Sends the last request again, byte for byte.
  bool Resend();
  // One poll: the code of the next complete, good answer frame, or 0. A bad
  // checksum is answered with a repeat request, at most three in a row.
  int ReceiveAnswer();
  // Polls until an answer comes or the budget runs out: min(units, 20) x 400
  // ms with a long wait, otherwise units ms (rounded down to an even number).
  // Wakes as soon as bytes arrive. With flushFirst, pending input is dropped.
  int WaitAnswer(int units, bool longWait, bool flushFirst);
  // Polls until an answer comes or the steady clock reaches `deadlineMs`.
  int WaitAnswerUntil(std::int64_t deadlineMs);
  // The last answer frame taken, un-transformed.
  std::span<const std::uint8_t> LastAnswer() const { return std::span(rx_.data(), rxLength_); }
  int repeatRequestsInARow() const { return badChecksums_; }

  // --- requests; each sends at once and returns whether the write succeeded
  bool SendAck(int address, int code);
  bool SendRepeatRequest();
  bool SendAbort(int address);
  bool SendDownloadStart(int address);
  bool SendUploadStart(int address);
  // 1 to 100 data bytes, sent untransformed; any other count sends nothing.
  bool SendDataBlock(int address, std::span<const std::uint8_t> data);
  bool SendDownloadEnd(int address);
  bool SendProgramModule(int address, int deviceKind, int deviceNumber);
  bool SendStatusRequest();
  bool SendIdentify(int address);
  bool SendTextRequest(int index);
  bool SendSilence(int address);
  bool SendReset(int address);
  bool SendGetDateTime();
  bool SendSetDateTime(const std::array<std::uint8_t, 6>& dateTime);
  // Loop index 1 to 16; any other sends nothing.
  bool SendAnalogRequest(int address, int loop);
  bool SendLoopSwitch(bool service, bool on, int loop);
  bool SendSirensSwitch(bool on);
  bool SendTransmissionSwitch(bool on);
  bool SendLoopAlarm(int loop);
  bool SendLogbookRequest(bool next, int selector);
  bool SendRecord16Request(int record);
  bool SendLanguageRequest();
  bool SendSetLanguage(int language);
  bool SendRecord32Request(int record);
  // Control number 0 to 999 (three digits on the line); any other sends nothing.
  bool SendControlTest(int control, int kind, int event, int row, bool on);
  bool SendTechnicianMode(int address, bool on);

  // --- answers that poll once; false unless the answer taken is theirs
  bool ParseIdentification(PanelIdentification& id);
  // Answers 40 (status) and 69 (analog value of the loop being polled).
  bool ParseAnalogAnswer(PanelServiceState& state);
  bool ParseCardProgress(PanelServiceState& state);

private:
  bool Send(int address, int code, std::span<const std::uint8_t> payload = {});
  bool WriteFrame(std::span<std::uint8_t> frame, std::size_t length);

  ByteChannel& channel_;
  Clock& clock_;
  std::array<std::uint8_t, 6 + 1 + kMaxDataBlock + 2> tx_{};
  std::size_t txLength_ = 0;
  std::array<std::uint8_t, kFrameOverhead> repeat_{}; // request 2, so that Resend keeps the real request
  std::array<std::uint8_t, kMaxReceivedFrame> rx_{};
  std::size_t rxLength_ = 0;
  int badChecksums_ = 0;
};

} // namespace kx700
