#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/message_host.h"
#include "link/panel_frame.h"
#include "link/progress_sink.h"
#include "model/document.h"

namespace kx700 {

// The firmware versions of the periphery, as the panel gives them; each pair
// is major, minor. Only what was read before a failure is there.
struct PeripheryVersions {
  std::optional<std::array<std::uint8_t, 16>> repeaters;  // eight repeater panels (block 32)
  std::optional<std::array<std::uint8_t, 16>> relayCards; // eight relay cards (block 20)
  std::optional<std::array<std::uint8_t, 2>> powerSupply; // the power supply controller (block 19)
};

// Complete exchanges with the panel: a request, its answer, the result kept
// and success or failure shown. User-interface thread only; each blocks until
// it is done, bounded by its timeouts.
class CPanelLink : public CPanelFrame {
public:
  CPanelLink(ByteChannel& channel, Clock& clock, MessageHost& host, ProgressSink& progress);

  // Called after every transaction that changes the panel or moves many
  // blocks, so that the idle engine waits before its next request.
  void SetIdleCountdownHook(std::function<void()> arm) { armIdleCountdown_ = std::move(arm); }

  // Waits up to `seconds` for an acknowledgement; with a caption (a text
  // number), success is shown in an information box, and failure always as
  // fault 6.
  bool WaitAck(int seconds, std::optional<int> captionText);
  // Waits up to `seconds` for an answer with `code`; shows nothing.
  bool WaitFor(int code, int seconds);

  bool Silence(int address);
  bool ResetPanel(int address);
  bool SetTechnicianMode(int address, bool on);
  std::optional<std::array<std::uint8_t, 6>> GetDateTime();
  bool SetDateTime(const std::array<std::uint8_t, 6>& dateTime);
  // The loop text of an index; nothing (and no box) when the panel does not give it.
  std::optional<std::string> ReadText(int index);
  std::optional<std::array<std::uint8_t, 16>> ReadRecord16(int number);
  std::optional<std::uint8_t> GetLanguage();
  bool SetLanguage(int language);
  std::optional<std::array<std::uint8_t, 32>> ReadRecord32(int number);
  bool TestControl(int control, int kind, int event, int row, bool on);
  // Reads block 0, then the versions of the repeater panels, the relay cards
  // and, after a pause of 500 ms, the power supply, with progress; the first
  // failure ends it with fault 6. True when all four came.
  bool ReadPeripheryVersions(PeripheryVersions& into);

  // Uploads the panel's configuration into `into`, which should be fresh:
  // the caller takes it only when this returns true, so a failed transfer
  // leaves the document as it was.
  bool ReceiveParameters(Configuration& into, int address, bool showSuccess);
  // Downloads the document's configuration; with `checkFirst` the checks
  // before sending run first, with `confirm` the user is asked.
  bool SendParameters(CPc_kx700Doc& document, int address, bool checkFirst, bool confirm);
  // Reads up to `count` logbook entries into the document's logbook.
  bool ReadLogbook(CPc_kx700Doc& document, int count, int selector);

private:
  // Waits until an answer satisfies `wanted` or the deadline passes;
  // requests for a repeat are served, ten in a row at most.
  enum class Wait { kAnswered, kTimedOut, kTooManyRepeats };
  Wait WaitUntil(const std::function<bool(int code)>& wanted, std::int64_t deadlineMs);
  // The next answer within the budget, repeats served, a late answer to the
  // idle engine's polling passed over; 0 on time-out or when the panel keeps
  // asking for repeats or a resend fails.
  int NextAnswer(int units);
  // The fault of a transfer whose start was not answered: 16, or 6 when the
  // panel only asked for repeats.
  bool FailStart(Wait wait);
  // After a request went out (`sent`), waits up to `seconds` for an answer
  // with code `answer` that `parse` accepts; Take shows nothing and leaves
  // the transaction open, Ask ends it and shows fault 6 on failure unless
  // `quiet`.
  template <typename T>
  std::optional<T> Take(bool sent, int answer, int seconds,
                        const std::function<std::optional<T>(std::span<const std::uint8_t>)>& parse);
  template <typename T>
  std::optional<T> Ask(bool sent, int answer, int seconds,
                       const std::function<std::optional<T>(std::span<const std::uint8_t>)>& parse, bool quiet = false);
  bool Done(bool ok); // every transaction ends here
  bool Fail(int fault);
  bool Succeed(int captionText);
  void BeginProgress(int count, ProgressText text);
  void StepProgress();
  void EndProgress();

  MessageHost& host_;
  ProgressSink& progress_;
  std::function<void()> armIdleCountdown_;
  bool progressShown_ = false;
};

} // namespace kx700
