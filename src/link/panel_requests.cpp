#include "link/panel_frame.h"

#include <algorithm>

#include "common/string_format.h"

namespace kx700 {
namespace {

// Whether a frame reaches index `last` of its payload area (the checksum and
// end byte follow).
bool Reaches(std::span<const std::uint8_t> frame, std::size_t last) { return frame.size() >= last + 3; }

// A decimal field as the C library reads one, within its own width.
int DigitsValue(std::span<const std::uint8_t> field) {
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
  int value = 0;
  for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i) value = value * 10 + (field[i] - '0');
  return negative ? -value : value;
}

// A text field up to its width or its first NUL.
std::string TextField(std::span<const std::uint8_t> field) {
  const auto end = std::find(field.begin(), field.end(), 0);
  return std::string(field.begin(), end);
}

int AnswerCode(std::span<const std::uint8_t> frame) {
  return frame.size() >= kFrameOverhead ? static_cast<std::int8_t>(frame[4]) : 0;
}

} // namespace

// --- answers

std::optional<int> ParseBlockCount(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kAnswerUploadStart || !Reaches(frame, 9)) return std::nullopt;
  return DigitsValue(frame.subspan(6, 4));
}

std::optional<std::span<const std::uint8_t>> ParseDataBlock(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kDataBlock || !Reaches(frame, 6)) return std::nullopt;
  const std::size_t count = frame[6];
  if (7 + count > frame.size() - 2) return std::nullopt; // the length byte must not exceed the payload
  return frame.subspan(7, count);
}

std::optional<std::string> ParseTextAnswer(std::span<const std::uint8_t> frame, int index) {
  if (AnswerCode(frame) != kAnswerText || !Reaches(frame, 24) || frame[6] != static_cast<std::uint8_t>(index))
    return std::nullopt;
  return TextField(frame.subspan(7, 18));
}

std::optional<std::array<std::uint8_t, 6>> ParseDateTime(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kSetDateTime || !Reaches(frame, 11)) return std::nullopt;
  std::array<std::uint8_t, 6> out{};
  std::copy_n(frame.begin() + 6, 6, out.begin());
  return out;
}

std::optional<std::uint8_t> ParseLanguage(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kAnswerLanguage || !Reaches(frame, 6)) return std::nullopt;
  return frame[6];
}

std::optional<std::array<std::uint8_t, 16>> ParseRecord16(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kAnswerRecord16 || !Reaches(frame, 22)) return std::nullopt;
  std::array<std::uint8_t, 16> out{};
  std::copy_n(frame.begin() + 7, out.size(), out.begin());
  return out;
}

std::optional<std::array<std::uint8_t, 32>> ParseRecord32(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kAnswerRecord32 || !Reaches(frame, 38)) return std::nullopt;
  std::array<std::uint8_t, 32> out{};
  std::copy_n(frame.begin() + 7, out.size(), out.begin());
  return out;
}

std::optional<LogbookEntry> ParseLogbookEntry(std::span<const std::uint8_t> frame) {
  if (AnswerCode(frame) != kAnswerLogbookEntry || !Reaches(frame, 13)) return std::nullopt;
  const std::size_t payloadEnd = frame.size() - 2; // checksum index
  LogbookEntry e;
  e.year = frame[7];
  e.month = frame[8];
  e.day = frame[9];
  e.hour = frame[10];
  e.minute = frame[11];
  e.second = frame[12];
  // Each text is length-prefixed; both are clipped to what the frame holds
  // and to their field.
  std::size_t at = 13;
  auto text = [&](std::size_t width) {
    if (at >= payloadEnd) return std::string();
    const std::size_t length = std::min<std::size_t>(frame[at], payloadEnd - at - 1);
    const auto field = frame.subspan(at + 1, length);
    at += 1 + length;
    return TextField(field.first(std::min(width, field.size())));
  };
  e.eventText = text(LogbookEntry::kEventTextWidth);
  e.infoText = text(LogbookEntry::kInfoTextWidth);
  return e;
}

bool ParseIdentificationFrame(std::span<const std::uint8_t> frame, PanelIdentification& id) {
  if (AnswerCode(frame) != kAnswerIdentification || !Reaches(frame, 58)) return false;
  id.technicianMode = (frame[5] & 0x02) != 0;
  id.identificationText = TextField(frame.subspan(6, 20));
  id.panelNumber = DigitsValue(frame.subspan(26, 2));
  id.panelName = TextField(frame.subspan(28, 20));
  id.firmwareMajor = DigitsValue(frame.subspan(48, 2));
  id.firmwareMinor = DigitsValue(frame.subspan(51, 2));
  id.technicianCode = TextField(frame.subspan(54, 3));
  id.minimumProgramMinor = static_cast<std::int8_t>(frame[57]);
  id.firmwareBuild = frame[58];
  return true;
}

bool ParseStatusFrame(std::span<const std::uint8_t> frame, PanelServiceState& state) {
  if (AnswerCode(frame) != kAnswerStatus || !Reaches(frame, 7)) return false;
  state.sirensOutOfService = frame[6] & 1;
  state.transmissionOutOfService = frame[7] & 1;
  return true;
}

bool ParseAnalogFrame(std::span<const std::uint8_t> frame, PanelServiceState& state) {
  if (AnswerCode(frame) != kAnswerAnalog || !Reaches(frame, 13)) return false;
  const int loop = static_cast<std::int8_t>(frame[6]);
  // Only the answer for the loop being polled counts.
  if (loop != state.polledLoop || loop < 1 || loop >= static_cast<int>(state.analogLoops.size())) return false;
  AnalogLoopState& s = state.analogLoops[static_cast<std::size_t>(loop)];
  s.value = static_cast<std::uint32_t>(std::max(0, DigitsValue(frame.subspan(7, 3))));
  s.state = static_cast<std::int8_t>(frame[10]);
  s.inService = frame[11] != 0;
  s.inTest = frame[12] & 1;
  s.answerFlags = frame[13];
  return true;
}

bool ParseCardProgressFrame(std::span<const std::uint8_t> frame, PanelServiceState& state) {
  if (AnswerCode(frame) != kAnswerCardProgress || !Reaches(frame, 26)) return false;
  RelayCardProgress& p = state.relayCardProgress;
  p.answerWaiting = true;
  p.resultState = static_cast<std::int8_t>(frame[6]);
  p.deviceKind = static_cast<std::int8_t>(frame[7]);
  p.cardNumber = static_cast<std::int8_t>(frame[8]);
  p.text = TextField(frame.subspan(9, 18));
  return true;
}

bool CPanelFrame::ParseIdentification(PanelIdentification& id) {
  return ReceiveAnswer() == kAnswerIdentification && ParseIdentificationFrame(LastAnswer(), id);
}

bool CPanelFrame::ParseAnalogAnswer(PanelServiceState& state) {
  switch (ReceiveAnswer()) {
    case kAnswerStatus: return ParseStatusFrame(LastAnswer(), state);
    case kAnswerAnalog: return ParseAnalogFrame(LastAnswer(), state);
    default: return false;
  }
}

bool CPanelFrame::ParseCardProgress(PanelServiceState& state) {
  return ReceiveAnswer() == kAnswerCardProgress && ParseCardProgressFrame(LastAnswer(), state);
}

// --- requests

namespace {
std::uint8_t B(int value) { return static_cast<std::uint8_t>(value); }
} // namespace

bool CPanelFrame::SendAck(int address, int code) {
  const std::uint8_t payload[] = {B(code)};
  return Send(address, kAnswerAck, payload);
}
bool CPanelFrame::SendAbort(int address) { return Send(address, kRequestAbort); }
bool CPanelFrame::SendDownloadStart(int address) { return Send(address, kRequestDownloadStart); }
bool CPanelFrame::SendUploadStart(int address) { return Send(address, kRequestUploadStart); }

bool CPanelFrame::SendDataBlock(int address, std::span<const std::uint8_t> data) {
  if (data.empty() || data.size() > kMaxDataBlock) return false;
  std::array<std::uint8_t, 1 + kMaxDataBlock> payload{};
  payload[0] = B(static_cast<int>(data.size()));
  std::copy(data.begin(), data.end(), payload.begin() + 1);
  return Send(address, kDataBlock, std::span(payload).first(1 + data.size()));
}

bool CPanelFrame::SendDownloadEnd(int address) { return Send(address, kDownloadEnd); }

bool CPanelFrame::SendProgramModule(int address, int deviceKind, int deviceNumber) {
  const std::uint8_t payload[] = {B(deviceKind), B(deviceNumber)};
  return Send(address, kRequestProgramModule, payload);
}

bool CPanelFrame::SendStatusRequest() { return Send(kPanelAddress, kRequestStatus); }
bool CPanelFrame::SendIdentify(int address) { return Send(address, kRequestIdentify); }

bool CPanelFrame::SendTextRequest(int index) {
  const std::uint8_t payload[] = {B(index)};
  return Send(kPanelAddress, kRequestText, payload);
}

bool CPanelFrame::SendSilence(int address) { return Send(address, kRequestSilence); }
bool CPanelFrame::SendReset(int address) { return Send(address, kRequestReset); }
bool CPanelFrame::SendGetDateTime() { return Send(kPanelAddress, kRequestGetDateTime); }

bool CPanelFrame::SendSetDateTime(const std::array<std::uint8_t, 6>& dateTime) {
  return Send(kPanelAddress, kSetDateTime, dateTime);
}

bool CPanelFrame::SendAnalogRequest(int address, int loop) {
  if (loop < 1 || loop > 16) return false;
  const std::uint8_t payload[] = {B(loop)};
  return Send(address, kRequestAnalog, payload);
}

bool CPanelFrame::SendLoopSwitch(bool service, bool on, int loop) {
  const std::uint8_t payload[] = {B(service), B(on), 1, B(loop), 0};
  return Send(kPanelAddress, kRequestSwitch, payload);
}

bool CPanelFrame::SendSirensSwitch(bool on) {
  const std::uint8_t payload[] = {1, B(on), 3, 0, 0};
  return Send(kPanelAddress, kRequestSwitch, payload);
}

bool CPanelFrame::SendTransmissionSwitch(bool on) {
  const std::uint8_t payload[] = {1, B(on), 4, 0, 0};
  return Send(kPanelAddress, kRequestSwitch, payload);
}

bool CPanelFrame::SendLoopAlarm(int loop) {
  const std::uint8_t payload[] = {B(loop)};
  return Send(kPanelAddress, kRequestLoopAlarm, payload);
}

bool CPanelFrame::SendLogbookRequest(bool next, int selector) {
  const std::uint8_t payload[] = {B(next), B(selector)};
  return Send(kPanelAddress, kRequestLogbook, payload);
}

bool CPanelFrame::SendRecord16Request(int record) {
  const std::uint8_t payload[] = {B(record)};
  return Send(kPanelAddress, kRequestRecord16, payload);
}

bool CPanelFrame::SendLanguageRequest() { return Send(kPanelAddress, kRequestLanguage); }

bool CPanelFrame::SendSetLanguage(int language) {
  const std::uint8_t payload[] = {B(language)};
  return Send(kPanelAddress, kRequestSetLanguage, payload);
}

bool CPanelFrame::SendRecord32Request(int record) {
  const std::uint8_t payload[] = {B(record)};
  return Send(kPanelAddress, kRequestRecord32, payload);
}

bool CPanelFrame::SendControlTest(int control, int kind, int event, int row, bool on) {
  if (control < 0 || control > 999) return false;
  const std::string digits = StringPrintf("%03d", control);
  const std::uint8_t payload[] = {B(digits[0]), B(digits[1]), B(digits[2]), B(kind), B(event), B(row), B(on)};
  return Send(kPanelAddress, kRequestControlTest, payload);
}

bool CPanelFrame::SendTechnicianMode(int address, bool on) {
  const std::uint8_t payload[] = {B(on)};
  return Send(address, kRequestTechnicianMode, payload);
}

} // namespace kx700
