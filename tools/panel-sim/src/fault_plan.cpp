#include "panelsim/fault_plan.h"

#include <algorithm>

namespace panelsim {

FaultRule NextAnswers(Fault fault, int n) {
  FaultRule r;
  r.fault = fault;
  r.times = n;
  return r;
}

FaultRule AnswersTo(Fault fault, std::uint8_t code, int times) {
  FaultRule r;
  r.fault = fault;
  r.requestCode = code;
  r.times = times;
  return r;
}

FaultRule AnswersWithCode(Fault fault, std::uint8_t code, int times) {
  FaultRule r;
  r.fault = fault;
  r.answerCode = code;
  r.times = times;
  return r;
}

FaultRule EveryKthAnswer(Fault fault, int k, int times) {
  FaultRule r;
  r.fault = fault;
  r.every = k;
  r.times = times;
  return r;
}

void FaultPlan::Add(FaultRule rule) {
  if (rule.times == 0) return;
  rule.every = std::max(rule.every, 1);
  rules_.push_back(Active{std::move(rule)});
}

FaultDecision FaultPlan::Decide(std::uint8_t requestCode, std::uint8_t answerCode) {
  FaultDecision d;
  for (auto& a : rules_) {
    const auto& r = a.rule;
    if (r.requestCode && *r.requestCode != requestCode) continue;
    if (r.answerCode && *r.answerCode != answerCode) continue;
    if (++a.matched % r.every != 0) continue;
    ++a.hits;
    switch (r.fault) {
      case Fault::kBadChecksum: d.badChecksum = true; break;
      case Fault::kDrop: d.drop = true; break;
      case Fault::kDelay: d.extraDelayUs += r.delayUs; break;
      case Fault::kDuplicate: d.duplicate = true; break;
      case Fault::kStrayBytes: d.stray.insert(d.stray.end(), r.stray.begin(), r.stray.end()); break;
      case Fault::kShortFrame:
        d.shortFrame = true;
        d.shortBy = std::max(d.shortBy, r.shortBy);
        break;
      case Fault::kNoMark: d.noMark = true; break;
      case Fault::kHangUp: d.hangUp = true; break;
      case Fault::kAskRepeat: d.askRepeat = true; break;
    }
  }
  std::erase_if(rules_, [](const Active& a) { return a.rule.times != kUnlimited && a.hits >= a.rule.times; });
  return d;
}

} // namespace panelsim
