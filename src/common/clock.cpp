#include "common/clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace kx700 {

std::int64_t SystemClock::SteadyMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

LocalDateTime SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday};
}

void SystemClock::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

SystemClock& SystemClock::Instance() {
  static SystemClock clock;
  return clock;
}

} // namespace kx700
