#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace panelsim {

// What can go wrong with one answer of the panel.
enum class Fault {
  kBadChecksum, // the checksum byte is wrong
  kDrop,        // nothing reaches the line
  kDelay,       // the answer comes later by the rule's delay
  kDuplicate,   // the answer is sent twice
  kStrayBytes,  // the rule's stray bytes go out before the answer
  kShortFrame,  // a well-formed frame with fewer payload bytes than its layout
  kNoMark,      // the 'W' after the start byte is missing (checksum still right)
  kHangUp,      // the panel stops answering for good; the transport closes the line
  kAskRepeat,   // the panel answers code 2 (send that again) instead
};

inline constexpr int kUnlimited = -1;

// Which answers a fault hits: among the answers that match (all, those to one
// request code, those of one answer code, or both) every `every`-th, at most
// `times` of them.
struct FaultRule {
  Fault fault = Fault::kDrop;
  std::optional<std::uint8_t> requestCode; // only answers to this request; none: every answer
  std::optional<std::uint8_t> answerCode;  // only frames of this code (as the panel built them)
  int every = 1;
  int times = 1;                                           // kUnlimited: for ever
  std::int64_t delayUs = 500'000;                          // kDelay
  std::vector<std::uint8_t> stray{0x00, 0x55, 0x7F, 0x13}; // kStrayBytes
  std::size_t shortBy = 1;                                 // kShortFrame: payload bytes left out
};

// The next `n` answers.
FaultRule NextAnswers(Fault fault, int n = 1);
// The answers to request `code` (the repeat request counts as code 2).
FaultRule AnswersTo(Fault fault, std::uint8_t code, int times = kUnlimited);
// The frames of answer code `code`, e.g. 35 for the data blocks of an upload.
FaultRule AnswersWithCode(Fault fault, std::uint8_t code, int times = kUnlimited);
// Answers k, 2k, 3k ... counted from when the rule is added.
FaultRule EveryKthAnswer(Fault fault, int k, int times = kUnlimited);

// What the plan does to one answer.
struct FaultDecision {
  bool badChecksum = false;
  bool drop = false;
  bool duplicate = false;
  bool shortFrame = false;
  bool noMark = false;
  bool hangUp = false;
  bool askRepeat = false;
  std::int64_t extraDelayUs = 0;
  std::size_t shortBy = 0;
  std::vector<std::uint8_t> stray;
};

class FaultPlan {
public:
  void Add(FaultRule rule);
  void Clear() { rules_.clear(); }
  bool empty() const { return rules_.empty(); }

  // Called once for every frame the panel sends, with the request it answers
  // and its own code; spent rules are removed.
  FaultDecision Decide(std::uint8_t requestCode, std::uint8_t answerCode);

private:
  struct Active {
    FaultRule rule;
    int matched = 0;
    int hits = 0;
  };
  std::vector<Active> rules_;
};

} // namespace panelsim
