#include "link/rx_ring.h"

#include <algorithm>

namespace kx700 {

std::size_t RxRing::Put(std::span<const std::uint8_t> bytes) {
  const std::uint64_t w = write_.load(std::memory_order_relaxed);
  const std::uint64_t r = read_.load(std::memory_order_acquire);
  const std::size_t n = std::min<std::size_t>(bytes.size(), kSize - static_cast<std::size_t>(w - r));
  for (std::size_t i = 0; i < n; ++i) data_[(w + i) % kSize] = bytes[i];
  write_.store(w + n, std::memory_order_release);
  if (n > 0) {
    // Taking the lock orders this wake-up after a consumer's check of Written().
    { std::lock_guard<std::mutex> lock(wakeMutex_); }
    wake_.notify_all();
  }
  return n;
}

std::size_t RxRing::Count() const {
  return static_cast<std::size_t>(write_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire));
}

std::size_t RxRing::Read(std::uint8_t* out, std::size_t max, std::uint8_t terminator) {
  const std::uint64_t r = read_.load(std::memory_order_relaxed);
  const std::uint64_t w = write_.load(std::memory_order_acquire);
  std::size_t n = 0;
  while (n < max && r + n < w) {
    const std::uint8_t b = data_[(r + n) % kSize];
    out[n++] = b;
    if (terminator != 0 && b == terminator) break;
  }
  read_.store(r + n, std::memory_order_release);
  return n;
}

void RxRing::Skip(std::size_t count) {
  const std::uint64_t r = read_.load(std::memory_order_relaxed);
  const std::uint64_t w = write_.load(std::memory_order_acquire);
  read_.store(r + std::min<std::uint64_t>(count, w - r), std::memory_order_release);
}

void RxRing::Flush() { read_.store(write_.load(std::memory_order_acquire), std::memory_order_release); }

bool RxRing::Contains(std::uint8_t byte) const {
  const std::uint64_t r = read_.load(std::memory_order_relaxed);
  const std::uint64_t w = write_.load(std::memory_order_acquire);
  for (std::uint64_t i = r; i < w; ++i) {
    if (data_[i % kSize] == byte) return true;
  }
  return false;
}

std::uint8_t RxRing::Peek(std::size_t index) const {
  return data_[(read_.load(std::memory_order_relaxed) + index) % kSize];
}

void RxRing::WaitForMore(std::uint64_t seen, std::chrono::milliseconds timeout) {
  std::unique_lock<std::mutex> lock(wakeMutex_);
  wake_.wait_for(lock, timeout, [&] { return Written() > seen; });
}

} // namespace kx700
