#include "panelsim/engine.h"

#include <algorithm>
#include <string>

#include "panelsim/parameter_image.h"

namespace panelsim {
namespace {

constexpr std::uint8_t kAnswerStatus = 40;
constexpr std::uint8_t kAnswerIdentify = 49;
constexpr std::uint8_t kAnswerText = 53;
constexpr std::uint8_t kAnswerClock = 67;
constexpr std::uint8_t kAnswerAnalog = 69;
constexpr std::uint8_t kAnswerRecord16 = 84;
constexpr std::uint8_t kAnswerLanguage = 86;
constexpr std::uint8_t kAnswerRecord32 = 89;

constexpr std::uint8_t kFlagTechnicianMode = 0x02; // flags byte of answer 49

// Switch request (74): byte 2 says what is switched.
constexpr std::uint8_t kSwitchLoop = 1;
constexpr std::uint8_t kSwitchSirens = 3;
constexpr std::uint8_t kSwitchTransmission = 4;

// A loop alarm raised by the technician shows one detector in alarm.
constexpr int kOneDetectorInAlarm = 17;
constexpr std::int8_t kStateRest = 0;
constexpr std::int8_t kStateAlarm = 3;

constexpr std::int64_t kBitsPerByte = 10;
constexpr std::int64_t kUsPerSecond = 1'000'000;

// `value` as `width` ASCII decimal digits, held to what fits.
void AppendDigits(std::vector<std::uint8_t>& out, int value, int width) {
  int limit = 1;
  for (int i = 0; i < width; ++i) limit *= 10;
  value = std::clamp(value, 0, limit - 1);
  for (int div = limit / 10; div > 0; div /= 10) out.push_back(static_cast<std::uint8_t>('0' + value / div % 10));
}

// The 18-character text of a relay card progress answer.
std::array<std::uint8_t, 18> CardText(std::string_view text) {
  std::array<std::uint8_t, 18> field{};
  FillText(field, text);
  return field;
}

std::string_view CardResultText(std::uint8_t state) {
  switch (state) {
    case card_state::kOk: return "OK";
    case card_state::kUnknown: return "Onbekend";
    case card_state::kError: return "Fout";
    case card_state::kNoCommunication: return "Geen communicatie";
    default: return "";
  }
}

template <std::size_t N>
void Append(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& field) {
  out.insert(out.end(), field.begin(), field.end());
}

template <typename Map>
auto RecordOrZeros(const Map& records, std::uint8_t number) {
  auto it = records.find(number);
  return it == records.end() ? typename Map::mapped_type{} : it->second;
}

// Answer 82 always carries the whole entry: unused byte, date and time, then
// the event and info texts behind their length bytes, NUL-padded to the size
// of the panel's fixed frame. Both texts at the panel's widths (21 and 24)
// fill it exactly. Longer texts, which only tests store, go out as stored and
// are cut with the entry, so a length byte may then promise more than came;
// it says at most the room the texts have, so that it travels unchanged.
constexpr std::size_t kLogbookTextRoom = kLogbookEntrySize - 7;

std::vector<std::uint8_t> LogbookPayload(const LogbookEntry& entry) {
  std::vector<std::uint8_t> p{0};
  Append(p, entry.time);
  for (const std::string* text : {&entry.event, &entry.info}) {
    const std::size_t n = std::min(text->size(), kLogbookTextRoom);
    p.push_back(static_cast<std::uint8_t>(n));
    p.insert(p.end(), text->begin(), text->begin() + static_cast<std::ptrdiff_t>(n));
  }
  p.resize(kLogbookEntrySize, 0);
  return p;
}

} // namespace

Engine::Engine(PanelState state) : state_(std::move(state)) {
  const auto on = [this](std::uint8_t code, void (Engine::*member)(const Request&)) { handlers_[code] = member; };
  on(req::kAck, &Engine::OnAck);
  on(req::kRepeat, &Engine::OnRepeat);
  on(req::kAbort, &Engine::OnAbort);
  on(req::kDownloadStart, &Engine::OnDownloadStart);
  on(req::kUploadStart, &Engine::OnUploadStart);
  on(req::kDataBlock, &Engine::OnDataBlock);
  on(req::kDownloadEnd, &Engine::OnDownloadEnd);
  on(req::kProgramModule, &Engine::OnProgramModule);
  on(req::kLogbook, &Engine::OnLogbook);
  on(req::kStatus, &Engine::OnStatus);
  on(req::kIdentify, &Engine::OnIdentify);
  on(req::kText, &Engine::OnText);
  on(req::kSilence, &Engine::OnSilence);
  on(req::kReset, &Engine::OnReset);
  on(req::kGetClock, &Engine::OnGetClock);
  on(req::kSetClock, &Engine::OnSetClock);
  on(req::kAnalog, &Engine::OnAnalog);
  on(req::kSwitch, &Engine::OnSwitch);
  on(req::kLoopAlarm, &Engine::OnLoopAlarm);
  on(req::kRecord16, &Engine::OnRecord16);
  on(req::kGetLanguage, &Engine::OnGetLanguage);
  on(req::kSetLanguage, &Engine::OnSetLanguage);
  on(req::kRecord32, &Engine::OnRecord32);
  on(req::kControlTest, &Engine::OnControlTest);
  on(req::kTechnicianMode, &Engine::OnTechnicianMode);
}

void Engine::Receive(std::span<const std::uint8_t> bytes, std::int64_t nowUs) {
  FireTimed(nowUs);
  nowUs_ = nowUs;
  if (paceReception_ && baud_ > 0) {
    // The panel has the bytes once the line has carried them.
    receptionFreeUs_ = std::max(nowUs, receptionFreeUs_) + static_cast<std::int64_t>(bytes.size()) * 10'000'000 / baud_;
    nowUs_ = receptionFreeUs_;
  }
  if (hangingUp_) return;
  std::vector<FrameReceiver::Result> frames;
  receiver_.Put(bytes, frames);
  for (auto& f : frames) {
    if (hangingUp_) return;
    const bool forUs = f.frame.address == kAddressWholePanel || f.frame.address == panelAddress_;
    if (f.verdict == FrameReceiver::Verdict::kBadChecksum) {
      ++badRequests_;
      if (forUs && askRepeatOnBadChecksum_) {
        answeringCode_ = f.frame.code;
        Answer(kRepeatCode);
      }
      continue;
    }
    const Request r{f.frame.address, f.frame.code, std::move(f.frame.payload)};
    if (keepRequests_) requests_.push_back(r);
    if (forUs) Dispatch(r);
  }
}

void Engine::Dispatch(const Request& r) {
  answeringCode_ = r.code;
  // A copy: a handler may replace itself.
  if (const Handler handler = handlers_[r.code]) {
    handler(*this, r);
  } else if (unknown_ == UnknownRequests::kAcknowledge) {
    Acknowledge(r.code);
  }
}

std::size_t Engine::TakeDue(std::int64_t nowUs, std::vector<std::uint8_t>& out) {
  FireTimed(nowUs);
  std::size_t n = 0;
  while (!out_.empty() && out_.front().dueUs <= nowUs) {
    out.push_back(out_.front().value);
    out_.pop_front();
    ++n;
  }
  return n;
}

std::optional<std::int64_t> Engine::NextDueUs() const {
  std::optional<std::int64_t> due;
  if (!out_.empty()) due = out_.front().dueUs;
  // A planned answer is due no earlier than the answer delay after its time.
  if (!timed_.empty()) {
    const std::int64_t planned = timed_.front().atUs + answerDelayUs_;
    due = due ? std::min(*due, planned) : planned;
  }
  return due;
}

void Engine::HangUp() {
  hangingUp_ = true;
  timed_.clear();
}

void Engine::SetUploadShape(const UploadShape& shape) {
  uploadShape_ = shape;
  uploadShape_.blockSize = std::clamp<std::size_t>(shape.blockSize, 1, kMaxOverlongBlockData);
}

bool Engine::Answer(std::uint8_t code, std::span<const std::uint8_t> payload, std::uint8_t flags,
                    std::int64_t extraDelayUs) {
  Frame f{panelAddress_, code, flags, std::vector<std::uint8_t>(payload.begin(), payload.end())};
  return Emit(Encode(f), extraDelayUs);
}

bool Engine::Acknowledge(std::uint8_t requestCode) {
  const std::uint8_t payload[] = {requestCode};
  return Answer(kAckCode, payload);
}

bool Engine::Emit(std::vector<std::uint8_t> frame, std::int64_t extraDelayUs) {
  if (hangingUp_) return false;
  auto d = faults_.Decide(answeringCode_, frame[4]);
  if (d.hangUp) {
    HangUp();
    return false;
  }
  const bool asMeant = !d.askRepeat;
  if (d.askRepeat) frame = Encode(Frame{panelAddress_, kRepeatCode, 0, {}});
  lastFrame_ = frame;

  // Everything below happens on the line: a repeat request gets the frame as built.
  std::vector<std::uint8_t> line = std::move(d.stray);
  if (!d.drop) {
    auto wire = std::move(frame);
    if (d.shortFrame) {
      const std::size_t payload = wire.size() - kFrameOverhead;
      const std::size_t cut = std::min(d.shortBy, payload);
      const auto end = wire.begin() + static_cast<std::ptrdiff_t>(kPayloadOffset + payload);
      wire.erase(end - static_cast<std::ptrdiff_t>(cut), end);
      Seal(wire);
    }
    if (d.noMark) {
      wire[1] = 'V';
      Seal(wire);
    }
    if (d.badChecksum) wire[wire.size() - 2] ^= 0x01;
    line.insert(line.end(), wire.begin(), wire.end());
    if (d.duplicate) line.insert(line.end(), wire.begin(), wire.end());
  }
  Schedule(line, nowUs_ + answerDelayUs_ + extraDelayUs + d.extraDelayUs);
  return asMeant;
}

void Engine::FireTimed(std::int64_t upToUs) {
  while (!timed_.empty() && timed_.front().atUs <= upToUs) {
    TimedAnswer t = std::move(timed_.front());
    timed_.pop_front();
    // The answer leaves as if the panel had been given its planned time.
    const std::int64_t given = nowUs_;
    nowUs_ = t.atUs;
    answeringCode_ = t.requestCode;
    Answer(t.code, t.payload);
    nowUs_ = std::max(given, t.atUs);
  }
}

void Engine::Schedule(std::span<const std::uint8_t> bytes, std::int64_t readyUs) {
  if (bytes.empty()) return;
  const std::int64_t start = lineFreeUs_ ? std::max(readyUs, *lineFreeUs_) : readyUs;
  // Due times from the start of the burst, so that rounding never adds up.
  const auto offset = [this](std::int64_t i) { return baud_ > 0 ? i * kBitsPerByte * kUsPerSecond / baud_ : 0; };
  std::int64_t i = 0;
  for (auto b : bytes) out_.push_back(OutByte{b, start + offset(i++)});
  lineFreeUs_ = start + offset(i);
}

// --- the panel's answers -------------------------------------------------

void Engine::OnRepeat(const Request&) {
  if (!lastFrame_.empty()) Emit(lastFrame_, 0);
}

void Engine::OnStatus(const Request&) {
  const std::uint8_t p[] = {static_cast<std::uint8_t>(state_.sirensOut ? 1 : 0),
                            static_cast<std::uint8_t>(state_.transmissionOut ? 1 : 0)};
  Answer(kAnswerStatus, p);
}

void Engine::OnIdentify(const Request&) {
  const auto& s = state_;
  std::vector<std::uint8_t> p;
  Append(p, s.identification);
  AppendDigits(p, s.panelNumber, 2);
  Append(p, s.panelName);
  AppendDigits(p, s.firmwareMajor, 2);
  p.push_back('.');
  AppendDigits(p, s.firmwareMinor, 2);
  p.push_back(' ');
  // The code shows only while the technician is in.
  if (s.technicianMode) {
    Append(p, s.technicianCode);
  } else {
    p.insert(p.end(), s.technicianCode.size(), ' ');
  }
  p.push_back(s.minProgramMinor);
  p.push_back(s.firmwareBuild);
  Answer(kAnswerIdentify, p, s.technicianMode ? kFlagTechnicianMode : 0);
}

void Engine::OnText(const Request& r) {
  if (r.payload.empty()) return;
  const std::uint8_t index = r.payload[0];
  std::vector<std::uint8_t> p{index};
  Append(p, RecordOrZeros(state_.texts, index));
  Answer(kAnswerText, p);
}

void Engine::OnSilence(const Request& r) {
  ++state_.silences;
  Acknowledge(r.code);
}

void Engine::OnReset(const Request& r) {
  ++state_.resets;
  for (int n = 1; n <= kLoopCount; ++n) {
    auto& loop = state_.Loop(n);
    auto& saved = valueBeforeAlarm_[static_cast<std::size_t>(n - 1)];
    if (loop.flags & kLoopInAlarm) {
      loop.flags &= static_cast<std::uint8_t>(~kLoopInAlarm);
      loop.state = kStateRest;
      loop.value = saved.value_or(loop.value);
    }
    saved.reset();
  }
  Acknowledge(r.code);
}

void Engine::OnGetClock(const Request&) { Answer(kAnswerClock, state_.clock); }

void Engine::OnSetClock(const Request& r) {
  if (r.payload.size() < state_.clock.size()) return;
  std::copy_n(r.payload.begin(), state_.clock.size(), state_.clock.begin());
  Acknowledge(r.code);
}

void Engine::OnAnalog(const Request& r) {
  if (r.payload.empty() || !IsLoopNumber(r.payload[0])) return;
  const auto& loop = state_.Loop(r.payload[0]);
  int value = loop.value;
  if (liveValues_ && loop.state == 0 && (loop.flags & kLoopAnswers) && value > 0 && value < 255) {
    // 0, +1, 0, -1 tenths, in turn.
    static constexpr int kWander[] = {0, 1, 0, -1};
    value += kWander[analogAsked_[r.payload[0] - 1]++ % 4];
  }
  std::vector<std::uint8_t> p{r.payload[0]};
  AppendDigits(p, value, 3);
  p.push_back(static_cast<std::uint8_t>(loop.state));
  p.push_back(loop.inService ? 1 : 0);
  p.push_back(loop.inTest ? 1 : 0);
  p.push_back(loop.flags);
  Answer(kAnswerAnalog, p);
}

void Engine::OnSwitch(const Request& r) {
  if (r.payload.size() < 5) return;
  const auto& p = r.payload;
  const bool on = p[1] != 0;
  switch (p[2]) {
    case kSwitchLoop:
      if (!IsLoopNumber(p[3])) return;
      if (p[0] == 1) {
        state_.Loop(p[3]).inService = on;
      } else if (p[0] == 0) {
        state_.Loop(p[3]).inTest = on;
      }
      break;
    // "On" puts the output back in service.
    case kSwitchSirens: state_.sirensOut = !on; break;
    case kSwitchTransmission: state_.transmissionOut = !on; break;
    default: return;
  }
  if (ackSwitches_) Acknowledge(r.code);
}

void Engine::OnLoopAlarm(const Request& r) {
  if (r.payload.empty() || !IsLoopNumber(r.payload[0])) return;
  const int n = r.payload[0];
  auto& loop = state_.Loop(n);
  // A loop that is absent or out of service cannot go into alarm.
  if ((loop.flags & kLoopAnswers) && loop.inService && !(loop.flags & kLoopInAlarm)) {
    valueBeforeAlarm_[static_cast<std::size_t>(n - 1)] = loop.value;
    loop.flags |= kLoopInAlarm;
    loop.state = kStateAlarm;
    loop.value = kOneDetectorInAlarm;
  }
  if (ackSwitches_) Acknowledge(r.code);
}

void Engine::OnRecord16(const Request& r) {
  if (r.payload.empty()) return;
  std::vector<std::uint8_t> p{r.payload[0]};
  Append(p, RecordOrZeros(state_.records16, r.payload[0]));
  Answer(kAnswerRecord16, p);
}

void Engine::OnRecord32(const Request& r) {
  if (r.payload.empty()) return;
  std::vector<std::uint8_t> p{r.payload[0]};
  Append(p, RecordOrZeros(state_.records32, r.payload[0]));
  Answer(kAnswerRecord32, p);
}

void Engine::OnGetLanguage(const Request&) {
  const std::uint8_t p[] = {state_.language};
  Answer(kAnswerLanguage, p);
}

void Engine::OnSetLanguage(const Request& r) {
  if (r.payload.empty()) return;
  state_.language = r.payload[0];
  Acknowledge(r.code);
}

void Engine::OnControlTest(const Request& r) {
  std::array<std::uint8_t, 7> p{};
  if (r.payload.size() < p.size()) return;
  std::copy_n(r.payload.begin(), p.size(), p.begin());
  state_.controlTests.push_back(p);
  Acknowledge(r.code);
}

void Engine::OnTechnicianMode(const Request& r) {
  if (r.payload.empty()) return;
  state_.technicianMode = r.payload[0] != 0;
  Acknowledge(r.code);
}

// --- transfers ------------------------------------------------------------

void Engine::OnAck(const Request& r) {
  if (r.payload.empty() || transfer_ != Transfer::kUpload) return;
  const bool next = uploadAnnounced_ ? r.payload[0] == answer::kUploadStart : r.payload[0] == answer::kDataBlock;
  if (next) SendNextBlock();
}

void Engine::SendNextBlock() {
  if (uploadPosition_ >= transferImage_.size()) {
    // A repeat request may still fetch the end answer; a new ack sends it again.
    if (Answer(answer::kUploadEnd)) transfer_ = Transfer::kNone;
    return;
  }
  const std::size_t n = std::min(uploadShape_.blockSize, transferImage_.size() - uploadPosition_);
  std::vector<std::uint8_t> p{static_cast<std::uint8_t>(n)};
  const auto from = transferImage_.begin() + static_cast<std::ptrdiff_t>(uploadPosition_);
  p.insert(p.end(), from, from + static_cast<std::ptrdiff_t>(n));
  // A block the panel did not send (it asked for the ack again) is sent on the next ack.
  if (Answer(answer::kDataBlock, p)) {
    uploadPosition_ += n;
    uploadAnnounced_ = false;
  }
}

void Engine::OnAbort(const Request&) {
  // An aborted download leaves the image as it was.
  transfer_ = Transfer::kNone;
  transferImage_.clear();
}

void Engine::OnDownloadStart(const Request& r) {
  transfer_ = Transfer::kDownload;
  transferImage_.clear();
  Acknowledge(r.code);
}

void Engine::OnUploadStart(const Request&) {
  transfer_ = Transfer::kUpload;
  transferImage_ = state_.image;
  if (uploadShape_.endAfter && *uploadShape_.endAfter < transferImage_.size()) {
    transferImage_.resize(*uploadShape_.endAfter);
  }
  uploadPosition_ = 0;
  uploadAnnounced_ = true;
  const std::size_t size = transferImage_.size();
  const auto blocks = static_cast<int>((size + uploadShape_.blockSize - 1) / uploadShape_.blockSize);
  std::vector<std::uint8_t> p;
  AppendDigits(p, uploadShape_.announcedBlocks.value_or(blocks), 4);
  Answer(answer::kUploadStart, p);
}

void Engine::OnDataBlock(const Request& r) {
  if (transfer_ != Transfer::kDownload) return;
  const auto& p = r.payload;
  const std::size_t n = p.empty() ? 0 : p[0];
  // A block that does not hold what its length byte says, or that would not
  // fit, is asked for again; the program gives up after a few.
  if (n == 0 || n > kMaxBlockData || p.size() != n + 1 || transferImage_.size() + n > kImageCapacity) {
    Answer(kRepeatCode);
    return;
  }
  if (Acknowledge(r.code)) transferImage_.insert(transferImage_.end(), p.begin() + 1, p.end());
}

void Engine::OnDownloadEnd(const Request&) {
  if (transfer_ != Transfer::kDownload) return;
  transfer_ = Transfer::kNone;
  state_.image = std::move(transferImage_);
  transferImage_.clear();
  if (const auto cards = RelayCardCount(state_.image); cards && *cards >= 0 && *cards <= kMaxRelayCards) {
    state_.relayCards = *cards;
  }
  if (programCardsAfterDownload_) {
    for (int card = 1; card <= state_.relayCards; ++card) ProgramCard(card);
  }
}

// --- relay card programming and the logbook ---------------------------------

void Engine::OnProgramModule(const Request& r) {
  if (r.payload.size() < 2 || r.payload[0] != kDeviceRelayCard) return;
  const int card = r.payload[1];
  if (card < 1 || card > kMaxRelayCards) return;
  ProgramCard(card);
}

void Engine::ProgramCard(int card) {
  const auto& how = cardProgramming_;
  const int steps = std::max(how.steps, 1);
  const std::int64_t duration = std::max<std::int64_t>(how.durationUs, 0);
  std::uint8_t result = card_state::kNoCommunication;
  if (card <= state_.relayCards) {
    const auto it = state_.cardResults.find(card);
    result = it == state_.cardResults.end() ? card_state::kOk : it->second;
  }
  if (result == card_state::kSilent) return;

  const std::int64_t start = std::max(nowUs_, cardsBusyUntilUs_);
  cardsBusyUntilUs_ = start + duration;
  for (int k = 0; k < steps; ++k) {
    const bool last = k == steps - 1;
    const std::int64_t at = steps == 1 ? start + duration : start + duration * k / (steps - 1);
    std::vector<std::uint8_t> p{last ? result : how.progressState, kDeviceRelayCard, static_cast<std::uint8_t>(card)};
    const std::string progress = "Programmeren " + std::to_string(100 * k / std::max(steps - 1, 1)) + "%";
    Append(p, CardText(last ? CardResultText(result) : std::string_view(progress)));
    TimedAnswer t{at, answeringCode_, answer::kCardProgress, std::move(p)};
    const auto later = std::upper_bound(timed_.begin(), timed_.end(), at,
                                        [](std::int64_t us, const TimedAnswer& a) { return us < a.atUs; });
    timed_.insert(later, std::move(t));
  }
}

void Engine::OnLogbook(const Request& r) {
  if (r.payload.size() < 2 || r.payload[0] > 1) return;
  if (r.payload[0] == 0) logbookNext_ = 0;
  const std::size_t count = std::min(state_.logbook.size(), kLogbookCapacity);
  if (logbookNext_ >= count) {
    Answer(answer::kNoMoreEntries);
    return;
  }
  // An entry the panel asked to be asked for again is sent again.
  if (Answer(answer::kLogbookEntry, LogbookPayload(state_.logbook[logbookNext_]))) ++logbookNext_;
}

} // namespace panelsim
