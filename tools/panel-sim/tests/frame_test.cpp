#include "panelsim/frame.h"

#include <gtest/gtest.h>

#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Bytes;

TEST(Frame, StatusRequestHasTheKnownBytes) {
  const Bytes expected{0xE0, 0x57, 0x20, 0x00, 0x27, 0x00, 0x51, 0xE1};
  EXPECT_EQ(Encode(Frame{0x20, 39, 0, {}}), expected);
  EXPECT_TRUE(ChecksumOk(expected));
}

TEST(Frame, ChecksumIgnoresItsOwnSlotAndKeepsSevenBits) {
  Bytes f{0xE0, 0x57, 0x20, 0x00, 0x27, 0x00, 0x90, 0xBF, 0x00, 0xE1};
  Seal(f);
  EXPECT_EQ(f[8], (0xE0 ^ 0x57 ^ 0x20 ^ 0x27 ^ 0x90 ^ 0xBF ^ 0xE1) & 0x7F);
  f[8] ^= 0x40; // any other value in the slot gives the same checksum
  EXPECT_EQ(Checksum(f), (0xE0 ^ 0x57 ^ 0x20 ^ 0x27 ^ 0x90 ^ 0xBF ^ 0xE1) & 0x7F);
  EXPECT_FALSE(ChecksumOk(f));
}

TEST(Frame, PayloadTransformBothWays) {
  struct Case {
    std::uint8_t code;
    Bytes meant;
    Bytes wire;
    Bytes readBack;
  };
  const Case cases[] = {
      {52, {0xD5}, {0x95}, {0xD5}},
      {35, {0xD5}, {0xD5}, {0xD5}}, // data blocks travel unchanged
      {52, {0x00, 0x7F, 0xC0, 0xFF}, {0x00, 0x7F, 0x80, 0xBF}, {0x00, 0x7F, 0xC0, 0xFF}},
      // 0x80..0xBF cannot be carried outside data blocks: they come back raised.
      {52, {0x80, 0xBF}, {0x80, 0xBF}, {0xC0, 0xFF}},
      {35, {0x80, 0xBF}, {0x80, 0xBF}, {0x80, 0xBF}},
  };
  for (const auto& c : cases) {
    const auto wire = Encode(Frame{0x20, c.code, 0, c.meant});
    EXPECT_EQ(Bytes(wire.begin() + 6, wire.end() - 2), c.wire) << int(c.code);
    const auto read = test::Frames(wire);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].verdict, FrameReceiver::Verdict::kGood);
    EXPECT_EQ(read[0].frame.payload, c.readBack) << int(c.code);
  }
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(FrameReceiver, FindsItsWayBackAfterDamage) {
  const Bytes status = test::RequestBytes(39);
  const Bytes identify = test::RequestBytes(48, {}, 0);
  Bytes noMark = status;
  noMark[1] = 'V';
  Seal(noMark);
  Bytes badSum = status;
  badSum[6] ^= 0x01;
  const Bytes tooShort{0xE0, 0x57, 0x20, 0xE1};
  const Bytes endless = Bytes{0xE0, 0x57} + Bytes(300, 0x11);

  struct Case {
    const char* name;
    Bytes stream;
    std::vector<std::uint8_t> goodCodes;
    int bad;
  };
  const Case cases[] = {
      {"garbage before", Bytes{0x00, 0xE1, 0x57, 0x13} + status, {39}, 0},
      {"back to back", status + identify, {39, 48}, 0},
      {"cut frame", Bytes(identify.begin(), identify.begin() + 5) + status, {39}, 0},
      {"no W", noMark + status, {39}, 0},
      {"bad checksum", badSum + status, {39}, 1},
      {"too short", tooShort + identify, {48}, 0},
      {"no end byte", endless + status, {39}, 0},
  };
  for (const auto& c : cases) {
    for (std::size_t piece : {std::size_t{1}, std::size_t{3}, c.stream.size()}) {
      FrameReceiver r;
      std::vector<FrameReceiver::Result> out;
      for (std::size_t at = 0; at < c.stream.size(); at += piece) {
        r.Put(std::span(c.stream).subspan(at, std::min(piece, c.stream.size() - at)), out);
      }
      std::vector<std::uint8_t> good;
      int bad = 0;
      for (const auto& f : out) {
        if (f.verdict == FrameReceiver::Verdict::kGood) {
          good.push_back(f.frame.code);
        } else {
          ++bad;
        }
      }
      EXPECT_EQ(good, c.goodCodes) << c.name << ", pieces of " << piece;
      EXPECT_EQ(bad, c.bad) << c.name << ", pieces of " << piece;
    }
  }
}

} // namespace
} // namespace panelsim
