#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "link/byte_channel.h"
#include "support/fake_clock.h"

namespace kx700::test {

// A line that records what is written and delivers scripted input, on
// virtual time: waiting for input moves the fake clock on to the next
// delivery or to the end of the wait.
class FakeChannel final : public ByteChannel {
public:
  using Bytes = std::vector<std::uint8_t>;

  explicit FakeChannel(FakeClock& clock) : clock_(clock) {}

  bool IsOpen() const override { return open; }
  bool Write(std::span<const std::uint8_t> bytes) override {
    writes.emplace_back(bytes.begin(), bytes.end());
    if (onWrite) onWrite(writes.back());
    return writeSucceeds;
  }
  RxRing& Ring() override { return ring_; }
  void WaitForInput(std::uint64_t seen, int ms) override;

  // Puts bytes into the receive ring now, or when the clock reaches `atMs`.
  void Deliver(const Bytes& bytes) { ring_.Put(bytes); }
  void DeliverAt(std::int64_t atMs, const Bytes& bytes) { scheduled_.emplace(atMs, bytes); }

  bool open = true;
  bool writeSucceeds = true;
  std::vector<Bytes> writes;
  std::function<void(const Bytes&)> onWrite;

private:
  FakeClock& clock_;
  RxRing ring_;
  std::multimap<std::int64_t, Bytes> scheduled_;
};

inline void FakeChannel::WaitForInput(std::uint64_t seen, int ms) {
  const std::int64_t until = clock_.SteadyMs() + ms;
  while (ring_.Written() <= seen) {
    if (scheduled_.empty() || scheduled_.begin()->first > until) {
      clock_.Advance(until - clock_.SteadyMs());
      return;
    }
    const auto next = scheduled_.begin();
    if (next->first > clock_.SteadyMs()) clock_.Advance(next->first - clock_.SteadyMs());
    ring_.Put(next->second);
    scheduled_.erase(next);
  }
}

} // namespace kx700::test
