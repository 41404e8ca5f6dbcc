#include "link/panel_link.h"

#include <algorithm>

#include "common/error_mess.h"
#include "common/message_box.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

constexpr int kFaultTransfer = 6;
constexpr int kFaultNoCommunication = 16;
constexpr int kTextSuccess = 4;
constexpr int kMaxRepeatsInARow = 10;
// A panel may send a few blocks more than it announced; beyond this the
// upload is refused rather than run on for ever.
constexpr int kExtraBlocks = 10;

} // namespace

CPanelLink::CPanelLink(ByteChannel& channel, Clock& clock, MessageHost& host, ProgressSink& progress)
    : CPanelFrame(channel, clock), host_(host), progress_(progress) {}

bool CPanelLink::Done(bool ok) {
  EndProgress();
  if (armIdleCountdown_) armIdleCountdown_();
  return ok;
}

bool CPanelLink::Fail(int fault) {
  ShowFault(host_, fault);
  return Done(false);
}

bool CPanelLink::Succeed(int captionText) {
  ShowInformation(host_, GetText(kTextSuccess), GetText(captionText));
  return Done(true);
}

void CPanelLink::BeginProgress(int count, ProgressText text) {
  progressShown_ = false;
  if (!progress_.IsProgressShown()) progressShown_ = progress_.ShowProgress(text, count);
}

void CPanelLink::StepProgress() {
  if (progressShown_) progress_.StepProgress();
}

void CPanelLink::EndProgress() {
  if (progressShown_) progress_.HideProgress();
  progressShown_ = false;
}

CPanelLink::Wait CPanelLink::WaitUntil(const std::function<bool(int code)>& wanted, std::int64_t deadlineMs) {
  int repeats = 0;
  while (clock().SteadyMs() < deadlineMs) {
    const int code = WaitAnswerUntil(deadlineMs);
    if (code == kRequestRepeat) {
      if (++repeats > kMaxRepeatsInARow || !Resend()) return Wait::kTooManyRepeats;
      continue;
    }
    if (code == 0) continue;
    repeats = 0;
    if (wanted(code)) return Wait::kAnswered;
    // Any other answer is not the one awaited: dropped.
  }
  return Wait::kTimedOut;
}

bool CPanelLink::FailStart(Wait wait) {
  return Fail(wait == Wait::kTooManyRepeats ? kFaultTransfer : kFaultNoCommunication);
}

namespace {

// Answers to the requests of the idle engine's polling. One may still be on
// its way when a command starts: it is not the command's answer.
bool IsPollAnswer(int code) { return code == kAnswerIdentification || code == kAnswerStatus || code == kAnswerAnalog; }
constexpr int kMaxPollAnswersPassedOver = 3;

} // namespace

int CPanelLink::NextAnswer(int units) {
  for (int repeats = 0, polls = 0;;) {
    const int code = WaitAnswer(units, true, false);
    if (IsPollAnswer(code) && ++polls <= kMaxPollAnswersPassedOver) continue;
    if (code != kRequestRepeat) return code;
    if (++repeats > kMaxRepeatsInARow || !Resend()) return 0;
  }
}

bool CPanelLink::WaitAck(int seconds, std::optional<int> captionText) {
  if (!WaitFor(kAnswerAck, seconds)) {
    ShowFault(host_, kFaultTransfer);
    return false;
  }
  // A caption the language leaves unfilled still gets its box.
  if (captionText) ShowInformation(host_, GetText(kTextSuccess), GetText(*captionText));
  return true;
}

bool CPanelLink::WaitFor(int code, int seconds) {
  return WaitUntil([code](int c) { return c == code; }, clock().SteadyMs() + 1000LL * std::max(0, seconds)) ==
         Wait::kAnswered;
}

// --- single commands

bool CPanelLink::Silence(int address) {
  if (!SendSilence(address)) return Fail(kFaultTransfer);
  return Done(WaitAck(7, 30));
}

bool CPanelLink::ResetPanel(int address) {
  if (!SendReset(address)) return Fail(kFaultTransfer);
  return Done(WaitAck(15, 138));
}

bool CPanelLink::SetTechnicianMode(int address, bool on) {
  if (!SendTechnicianMode(address, on)) return Fail(kFaultTransfer);
  // One long wait of 15 units: the first answer of the panel's decides.
  if (NextAnswer(15) != kAnswerAck) return Fail(kFaultTransfer);
  return Succeed(on ? 122 : 121);
}

template <typename T>
std::optional<T> CPanelLink::Take(bool sent, int answer, int seconds,
                                  const std::function<std::optional<T>(std::span<const std::uint8_t>)>& parse) {
  std::optional<T> result;
  if (sent) {
    WaitUntil([&](int code) { return code == answer && (result = parse(LastAnswer())); },
              clock().SteadyMs() + 1000LL * seconds);
  }
  return result;
}

template <typename T>
std::optional<T> CPanelLink::Ask(bool sent, int answer, int seconds,
                                 const std::function<std::optional<T>(std::span<const std::uint8_t>)>& parse,
                                 bool quiet) {
  std::optional<T> result = Take(sent, answer, seconds, parse);
  if (!result && !quiet) ShowFault(host_, kFaultTransfer);
  Done(result.has_value());
  return result;
}

std::optional<std::array<std::uint8_t, 6>> CPanelLink::GetDateTime() {
  return Ask<std::array<std::uint8_t, 6>>(SendGetDateTime(), kSetDateTime, 5, ParseDateTime);
}

bool CPanelLink::SetDateTime(const std::array<std::uint8_t, 6>& dateTime) {
  if (!SendSetDateTime(dateTime)) return Fail(kFaultTransfer);
  return Done(WaitAck(7, 139));
}

std::optional<std::string> CPanelLink::ReadText(int index) {
  // The first text answer decides: another index than the one asked fails.
  std::optional<std::string> text;
  if (SendTextRequest(index) && WaitFor(kAnswerText, 5)) text = ParseTextAnswer(LastAnswer(), index);
  Done(text.has_value());
  return text;
}

std::optional<std::array<std::uint8_t, 16>> CPanelLink::ReadRecord16(int number) {
  return Ask<std::array<std::uint8_t, 16>>(SendRecord16Request(number), kAnswerRecord16, 12, ParseRecord16);
}

std::optional<std::uint8_t> CPanelLink::GetLanguage() {
  return Ask<std::uint8_t>(SendLanguageRequest(), kAnswerLanguage, 12, ParseLanguage);
}

bool CPanelLink::SetLanguage(int language) {
  if (!SendSetLanguage(language)) return Fail(kFaultTransfer);
  return Done(WaitAck(7, 149));
}

std::optional<std::array<std::uint8_t, 32>> CPanelLink::ReadRecord32(int number) {
  return Ask<std::array<std::uint8_t, 32>>(SendRecord32Request(number), kAnswerRecord32, 12, ParseRecord32);
}

bool CPanelLink::TestControl(int control, int kind, int event, int row, bool on) {
  if (!SendControlTest(control, kind, event, row, on) || !WaitFor(kAnswerAck, 8)) return Fail(kFaultTransfer);
  return Done(true);
}

bool CPanelLink::ReadPeripheryVersions(PeripheryVersions& into) {
  into = {};
  using Record32 = std::array<std::uint8_t, 32>;
  const auto read32 = [this](int block) {
    return Take<Record32>(SendRecord32Request(block), kAnswerRecord32, 12, ParseRecord32);
  };
  constexpr int kPowerSupplyPauseMs = 500;
  BeginProgress(4, ProgressText::Updating);
  bool ok = Take<std::array<std::uint8_t, 16>>(SendRecord16Request(0), kAnswerRecord16, 12, ParseRecord16).has_value();
  StepProgress();
  if (ok) {
    const auto record = read32(32);
    StepProgress();
    if ((ok = record.has_value())) std::copy_n(record->begin(), 16, into.repeaters.emplace().begin());
  }
  if (ok) {
    const auto record = read32(20);
    StepProgress();
    if ((ok = record.has_value())) std::copy_n(record->begin(), 16, into.relayCards.emplace().begin());
  }
  if (ok) {
    clock().SleepMs(kPowerSupplyPauseMs);
    const auto record = read32(19);
    StepProgress();
    if ((ok = record.has_value())) std::copy_n(record->begin(), 2, into.powerSupply.emplace().begin());
  }
  return ok ? Done(true) : Fail(kFaultTransfer);
}

// --- long transfers

bool CPanelLink::ReceiveParameters(Configuration& into, int address, bool showSuccess) {
  into = Configuration();
  std::optional<int> announced;
  if (!SendUploadStart(address)) return Fail(kFaultNoCommunication);
  const Wait started =
      WaitUntil([&](int code) { return code == kAnswerUploadStart && (announced = ParseBlockCount(LastAnswer())); },
                clock().SteadyMs() + 5000);
  if (started != Wait::kAnswered) return FailStart(started);

  const int count = std::max(0, *announced);
  BeginProgress(count, ProgressText::Receiving);
  // From here on a failure also tells the panel to stop.
  auto fail = [&] {
    SendAbort(address);
    into = Configuration();
    return Fail(kFaultTransfer);
  };
  if (!SendAck(address, kAnswerUploadStart)) return fail();

  ParameterImageDecoder decoder(into);
  int received = 0;
  for (bool first = true;; first = false) {
    const int code = NextAnswer(10);
    if (code == kDownloadEnd) {
      // Only a whole image counts: the end mark seen and no record cut off.
      if (!decoder.Complete()) return fail();
      break;
    }
    if (code != kDataBlock) return fail();
    const auto data = ParseDataBlock(LastAnswer());
    if (!data || ++received > count + kExtraBlocks || !decoder.PutReceivedData(first, *data)) return fail();
    if (!SendAck(address, kDataBlock)) return fail();
    if (received <= count) StepProgress();
  }
  if (showSuccess) return Succeed(3);
  return Done(true);
}

bool CPanelLink::SendParameters(CPc_kx700Doc& document, int address, bool checkFirst, bool confirm) {
  const int count = static_cast<int>(document.GetParameterSize() / kMaxDataBlock + 1);
  if (checkFirst && !document.CheckParameters(host_)) return Done(false);
  if (confirm &&
      host_.Show({OrEmpty(GetMessage(2)), OrEmpty(GetText(2)), MessageButtons::OkCancel, MessageIcon::Question, {}}) !=
          MessageAnswer::Ok)
    return Done(false);

  BeginProgress(count, ProgressText::Sending);
  std::array<std::uint8_t, kMaxDataBlock> block{};
  std::size_t length = 0;
  if (!document.GetSendData(true, block, length)) return Fail(kFaultTransfer);
  if (!SendDownloadStart(address)) return Fail(kFaultNoCommunication);
  const Wait started = WaitUntil([](int code) { return code == kAnswerAck; }, clock().SteadyMs() + 1000LL * 7);
  if (started != Wait::kAnswered) return FailStart(started);

  int sent = 0;
  for (;;) {
    if (length == 0) {
      // The whole image went out; the end is not acknowledged.
      if (!SendDownloadEnd(address)) return Fail(kFaultTransfer);
      return Done(true);
    }
    if (!SendDataBlock(address, std::span(block).first(length))) return Fail(kFaultTransfer);
    if (!document.GetSendData(false, block, length)) return Fail(kFaultTransfer);
    if (++sent <= count) StepProgress();
    if (NextAnswer(5) != kAnswerAck) return Fail(kFaultTransfer);
  }
}

bool CPanelLink::ReadLogbook(CPc_kx700Doc& document, int count, int selector) {
  document.FreeLogbook();
  BeginProgress(count, ProgressText::Receiving);
  auto& logbook = document.logbook();
  bool ended = false;
  while (static_cast<int>(logbook.size()) < count) {
    if (!SendLogbookRequest(!logbook.empty(), selector)) break;
    // Repeat requests are served as in the other transfers; any answer but
    // an entry or the end stops the reading.
    const int code = NextAnswer(10);
    if (code == kAnswerNoMoreEntries) {
      ended = true;
      break;
    }
    const auto entry = code == kAnswerLogbookEntry ? ParseLogbookEntry(LastAnswer()) : std::nullopt;
    if (!entry) break;
    logbook.push_back(*entry);
    StepProgress();
  }
  EndProgress();
  if (static_cast<int>(logbook.size()) < count && !ended) {
    document.FreeLogbook();
    return Fail(kFaultTransfer);
  }
  if (logbook.empty()) ShowQuestion(host_, 3);
  return Done(true);
}

} // namespace kx700
