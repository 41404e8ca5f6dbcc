#pragma once

#include "common/clock.h"

namespace kx700::test {

// Virtual time: sleeping advances it at once, so long timeouts run in no time.
class FakeClock final : public Clock {
public:
  std::int64_t SteadyMs() const override { return steadyMs_; }
  LocalDateTime Now() const override { return now_; }
  void SleepMs(int ms) override {
    if (ms > 0) steadyMs_ += ms;
  }

  void Advance(std::int64_t ms) { steadyMs_ += ms; }
  void SetNow(const LocalDateTime& now) { now_ = now; }

private:
  std::int64_t steadyMs_ = 1'000'000;
  LocalDateTime now_{2026, 12, 9, 10, 30, 0, 3};
};

} // namespace kx700::test
