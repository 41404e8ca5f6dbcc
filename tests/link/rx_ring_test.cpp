#include "link/rx_ring.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace kx700 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RxRing, CountReadTerminatorFlushAcrossTheWrap) {
  RxRing ring;
  Bytes filler(1000, 0x11);
  ASSERT_EQ(ring.Put(filler), 1000u);
  std::uint8_t buffer[RxRing::kSize];
  ASSERT_EQ(ring.Read(buffer, 990), 990u);
  EXPECT_EQ(ring.Count(), 10u);

  // Across the end of the buffer: a frame and the byte after it.
  ASSERT_EQ(ring.Put(Bytes{0xE0, 0x57, 0x20, 0xE1, 0x01}), 5u);
  EXPECT_TRUE(ring.Contains(0xE1));
  EXPECT_FALSE(ring.Contains(0xE2));
  ring.Skip(10);
  ASSERT_EQ(ring.Read(buffer, sizeof buffer, 0xE1), 4u);
  EXPECT_EQ(Bytes(buffer, buffer + 4), (Bytes{0xE0, 0x57, 0x20, 0xE1}));
  EXPECT_EQ(ring.Count(), 1u);
  EXPECT_EQ(ring.Peek(0), 0x01);
  EXPECT_EQ(ring.Read(buffer, 0), 0u);
  ring.Flush();
  EXPECT_EQ(ring.Count(), 0u);
  EXPECT_EQ(ring.Written(), 1005u);
}

TEST(RxRing, NeverOverwritesUnreadBytes) {
  RxRing ring;
  Bytes first(RxRing::kSize - 4, 0x22);
  EXPECT_EQ(ring.Put(first), first.size());
  EXPECT_EQ(ring.Put(Bytes(10, 0x33)), 4u);
  EXPECT_EQ(ring.Put(Bytes{0x44}), 0u);
  EXPECT_EQ(ring.Free(), 0u);
  std::uint8_t buffer[RxRing::kSize];
  EXPECT_EQ(ring.Read(buffer, sizeof buffer), RxRing::kSize);
  EXPECT_EQ(buffer[0], 0x22);
  EXPECT_EQ(buffer[RxRing::kSize - 1], 0x33);
}

TEST(RxRing, OneProducerOneConsumerKeepEveryByteInOrder) {
  RxRing ring;
  constexpr std::size_t kTotal = 200000;
  std::thread producer([&] {
    std::size_t sent = 0;
    while (sent < kTotal) {
      std::uint8_t chunk[37];
      const std::size_t n = std::min(sizeof chunk, kTotal - sent);
      for (std::size_t i = 0; i < n; ++i) chunk[i] = static_cast<std::uint8_t>((sent + i) % 251);
      std::size_t put = 0;
      while (put < n) put += ring.Put(std::span(chunk + put, n - put));
      sent += n;
    }
  });
  std::size_t got = 0;
  bool inOrder = true;
  while (got < kTotal) {
    const std::uint64_t seen = ring.Written();
    std::uint8_t buffer[64];
    const std::size_t n = ring.Read(buffer, sizeof buffer);
    for (std::size_t i = 0; i < n; ++i) inOrder = inOrder && buffer[i] == (got + i) % 251;
    got += n;
    if (n == 0) ring.WaitForMore(seen, std::chrono::milliseconds(100));
  }
  producer.join();
  EXPECT_TRUE(inOrder);
}

} // namespace
} // namespace kx700
