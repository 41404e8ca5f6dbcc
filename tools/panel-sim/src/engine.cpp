#include "panelsim/engine.h"

#include <algorithm>

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

template <std::size_t N>
void Append(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& field) {
  out.insert(out.end(), field.begin(), field.end());
}

template <typename Map>
auto RecordOrZeros(const Map& records, std::uint8_t number) {
  auto it = records.find(number);
  return it == records.end() ? typename Map::mapped_type{} : it->second;
}

} // namespace

Engine::Engine(PanelState state) : state_(std::move(state)) {
  const auto on = [this](std::uint8_t code, void (Engine::*member)(const Request&)) { handlers_[code] = member; };
  on(req::kRepeat, &Engine::OnRepeat);
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
  nowUs_ = nowUs;
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
  std::size_t n = 0;
  while (!out_.empty() && out_.front().dueUs <= nowUs) {
    out.push_back(out_.front().value);
    out_.pop_front();
    ++n;
  }
  return n;
}

std::optional<std::int64_t> Engine::NextDueUs() const {
  if (out_.empty()) return std::nullopt;
  return out_.front().dueUs;
}

void Engine::Answer(std::uint8_t code, std::span<const std::uint8_t> payload, std::uint8_t flags,
                    std::int64_t extraDelayUs) {
  Frame f{panelAddress_, code, flags, std::vector<std::uint8_t>(payload.begin(), payload.end())};
  Emit(Encode(f), extraDelayUs);
}

void Engine::Acknowledge(std::uint8_t requestCode) {
  const std::uint8_t payload[] = {requestCode};
  Answer(kAckCode, payload);
}

void Engine::Emit(std::vector<std::uint8_t> frame, std::int64_t extraDelayUs) {
  if (hangingUp_) return;
  auto d = faults_.Decide(answeringCode_);
  if (d.hangUp) {
    hangingUp_ = true;
    return;
  }
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
  std::vector<std::uint8_t> p{r.payload[0]};
  AppendDigits(p, loop.value, 3);
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

} // namespace panelsim
