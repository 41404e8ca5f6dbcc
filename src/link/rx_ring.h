#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>

namespace kx700 {

// The receive ring between the serial reader thread (the only producer) and
// the user-interface thread (the only consumer). Positions are atomic and
// only grow; the ring never overwrites a byte that has not been read: when it
// is full, the producer keeps the rest until there is room.
class RxRing {
public:
  static constexpr std::size_t kSize = 1024;

  // Producer: stores as many bytes as there is room for; returns how many.
  std::size_t Put(std::span<const std::uint8_t> bytes);
  std::size_t Free() const { return kSize - Count(); }

  // Consumer: copies pending bytes in order, at most `max`, stopping right
  // after a byte equal to a non-zero `terminator`; returns the number copied.
  std::size_t Read(std::uint8_t* out, std::size_t max, std::uint8_t terminator = 0);
  // Drops `count` pending bytes (at most what is pending).
  void Skip(std::size_t count);
  // Drops every pending byte.
  void Flush();

  std::size_t Count() const;
  bool Contains(std::uint8_t byte) const;
  // The pending byte at `index` (0 = the oldest); the caller keeps index < Count().
  std::uint8_t Peek(std::size_t index) const;

  // Bytes ever put, to tell whether something arrived since a moment.
  std::uint64_t Written() const { return write_.load(std::memory_order_acquire); }
  // Consumer: blocks until more than `seen` bytes were ever written, or the
  // time has passed.
  void WaitForMore(std::uint64_t seen, std::chrono::milliseconds timeout);

private:
  std::array<std::uint8_t, kSize> data_{};
  std::atomic<std::uint64_t> write_{0};
  std::atomic<std::uint64_t> read_{0};
  std::mutex wakeMutex_;
  std::condition_variable wake_;
};

} // namespace kx700
