#pragma once

#include <cstdint>

namespace kx700 {

// Local calendar date and time, as the panel, the report and exports show it.
struct LocalDateTime {
  int year = 0;    // e.g. 2026
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
  int weekday = 0; // 0 = Sunday
};

// Time source of every timeout and period, and of dates shown or sent to the
// panel. Timeouts use SteadyMs only, so a change of the wall clock never
// shortens or stretches a wait.
class Clock {
public:
  Clock() = default;
  Clock(const Clock&) = delete; // every user shares the one it was given
  Clock& operator=(const Clock&) = delete;
  virtual ~Clock() = default;

  // Milliseconds of a monotonic clock; only differences are meaningful.
  virtual std::int64_t SteadyMs() const = 0;
  // The local wall-clock date and time.
  virtual LocalDateTime Now() const = 0;
  // Blocks the calling thread (a fake advances its virtual time instead).
  virtual void SleepMs(int ms) = 0;
};

class SystemClock final : public Clock {
public:
  std::int64_t SteadyMs() const override;
  LocalDateTime Now() const override;
  void SleepMs(int ms) override;

  // The process-wide instance for code that has no clock handed in.
  static SystemClock& Instance();
};

} // namespace kx700
