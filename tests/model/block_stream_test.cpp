#include "model/block_stream.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "model/model_fixtures.h"

namespace kx700 {
namespace {

using test::Bytes;
using test::operator+;
using test::BytesOf;
using test::Header;
using test::MakeControl;
using test::MakeFullConfiguration;
using test::MakeLoop;

// The record as it travels in the image: bytes 0xC0..0xFF lowered by 0x40.
template <std::size_t N>
Bytes Lowered(const std::array<std::uint8_t, N>& record) {
  Bytes out(record.begin(), record.end());
  for (auto& b : out) {
    if (b >= 0xC0) b -= 0x40;
  }
  return out;
}

// The whole image, one GetSendData call after the other.
std::vector<Bytes> Image(const Configuration& c, bool extended) {
  ParameterImageEncoder encoder(c, extended);
  std::vector<Bytes> blocks;
  std::array<std::uint8_t, kImageBlockSize> out{};
  std::size_t count = 0;
  bool reset = true;
  while (encoder.GetSendData(reset, out, count) && count > 0) {
    blocks.emplace_back(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count));
    reset = false;
    if (blocks.size() > 1000) break;
  }
  return blocks;
}

Bytes Joined(const std::vector<Bytes>& blocks) {
  Bytes all;
  for (const auto& b : blocks) all = std::move(all) + b;
  return all;
}

// Feeds an image to a fresh configuration in pieces of `piece` bytes.
bool Decode(const Bytes& image, std::size_t piece, Configuration& into) {
  ParameterImageDecoder decoder(into);
  for (std::size_t at = 0; at < image.size(); at += piece) {
    const auto n = std::min(piece, image.size() - at);
    if (!decoder.PutReceivedData(at == 0, std::span(image).subspan(at, n))) return false;
  }
  return decoder.Complete();
}

TEST(BlockStream, TwoLoopsNoControlsAtVersion100) {
  Configuration c;
  c.loops.push_back(MakeLoop(1, "Gang \xE9\xC0"));
  c.loops.push_back(MakeLoop(2, "Zaal"));
  c.central.SetText(CentralRecord::kPanelName, 20, "\xFF\xEE");
  const Bytes expected = Header('Z') + Lowered(c.loops.front().bytes) + Lowered(c.loops.back().bytes) + Header('C') +
                         Lowered(c.central.bytes) + Header('E');
  const auto blocks = Image(c, false);
  ASSERT_EQ(blocks.size(), 3u); // 2 + 76 + 76 + 2 + 87 + 2 = 245 bytes
  EXPECT_EQ(blocks[0].size(), 100u);
  EXPECT_EQ(blocks[1].size(), 100u);
  EXPECT_EQ(blocks[2].size(), 45u);
  EXPECT_EQ(Joined(blocks), expected);
  // No record byte can look like a header or a frame byte.
  const Bytes image = Joined(blocks);
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (image[i] == 0xEE) {
      EXPECT_TRUE(i == 0 || i == 154 || i == 243) << i;
    }
    EXPECT_NE(image[i], 0xE0);
    EXPECT_NE(image[i], 0xE1);
  }
}

TEST(BlockStream, NextCallAfterTheEndGivesNothing) {
  Configuration c;
  ParameterImageEncoder encoder(c, false);
  std::array<std::uint8_t, kImageBlockSize> out{};
  std::size_t count = 99;
  ASSERT_TRUE(encoder.GetSendData(true, out, count));
  EXPECT_EQ(count, 2u + 87u + 2u);
  ASSERT_TRUE(encoder.GetSendData(false, out, count));
  EXPECT_EQ(count, 0u);
  ASSERT_TRUE(encoder.GetSendData(false, out, count));
  EXPECT_EQ(count, 0u);
  // A reset starts the image again.
  ASSERT_TRUE(encoder.GetSendData(true, out, count));
  EXPECT_EQ(count, 91u);
}

// What a send takes from `source` (the document or an encoder), as the panel
// link takes it: at most `blocks` data blocks, the first with reset.
template <typename Source>
Bytes Sent(Source& source, std::size_t blocks = 1000) {
  Bytes all;
  std::array<std::uint8_t, kImageBlockSize> out{};
  std::size_t count = 0;
  for (std::size_t i = 0; i < blocks && source.GetSendData(i == 0, out, count) && count > 0; ++i)
    all = std::move(all) + Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count));
  return all;
}

// Every send starts the image from the first loop again: after a whole send,
// and after one broken off half-way through a record.
template <typename Source>
void ExpectEverySendWhole(Source& source, const Bytes& whole) {
  EXPECT_EQ(Sent(source), whole);
  EXPECT_EQ(Sent(source), whole);
  EXPECT_EQ(Sent(source, 1), Bytes(whole.begin(), whole.begin() + kImageBlockSize));
  EXPECT_EQ(Sent(source), whole);
}

TEST(BlockStream, EverySendCarriesTheWholeImage) {
  CPc_kx700Doc doc;
  doc.AdoptConfiguration(MakeFullConfiguration());
  const Bytes whole = Joined(Image(doc, true));
  ASSERT_GT(whole.size(), 3 * kImageBlockSize);
  {
    SCOPED_TRACE("document");
    ExpectEverySendWhole(doc, whole);
  }
  ParameterImageEncoder encoder(doc, true);
  SCOPED_TRACE("encoder");
  ExpectEverySendWhole(encoder, whole);
}

TEST(BlockStream, StreamOrderAndHeadersByVersion) {
  Configuration c = MakeFullConfiguration();
  BlockStreamIterator extended(c, true);
  std::string tags;
  for (auto b = extended.GetNextBlock(true); !b.bytes.empty(); b = extended.GetNextBlock()) tags += BlockTag(b.type);
  EXPECT_EQ(tags, std::string(16, 'Z') + "C" + std::string(20, 'R') + std::string(17, 'A') + "PIBHVN");
  EXPECT_EQ(extended.GetNextBlock().type, BlockType::End);
  EXPECT_EQ(extended.GetNextBlock().type, BlockType::End);

  BlockStreamIterator plain(c, false);
  tags.clear();
  for (auto b = plain.GetNextBlock(true); !b.bytes.empty(); b = plain.GetNextBlock()) tags += BlockTag(b.type);
  EXPECT_EQ(tags, std::string(16, 'Z') + "C" + std::string(20, 'R'));

  // An empty list contributes nothing, not even a header.
  Configuration onlyControls;
  onlyControls.controls.push_back(MakeControl(1, "A", 1));
  EXPECT_EQ(Joined(Image(onlyControls, false)), Header('C') + Lowered(onlyControls.central.bytes) + Header('R') +
                                                    Lowered(onlyControls.controls.front().bytes) + Header('E'));
}

TEST(BlockStream, ParameterSize) {
  Configuration c;
  for (int n = 1; n <= 3; ++n) c.loops.push_back(MakeLoop(n, "L"));
  for (int n = 1; n <= 2; ++n) c.controls.push_back(MakeControl(n, "S", 0));
  c.relayTexts.push_back(test::MakeRelayText(1, 0, 0, "x"));
  EXPECT_EQ(GetParameterSize(c, false), 465u);
  EXPECT_EQ(GetParameterSize(c, false) / 100 + 1, 5u); // blocks on the progress bar
  EXPECT_EQ(GetParameterSize(c, true), 465u + 148u + 800u);
}

TEST(BlockStream, FullConfigurationSurvivesTheImageInAnyPieces) {
  const Configuration original = MakeFullConfiguration();
  const Bytes image = Joined(Image(original, true));
  for (std::size_t piece : {1, 7, 100}) {
    Configuration rebuilt;
    rebuilt.version = original.version; // the version travels outside the image
    ASSERT_TRUE(Decode(image, piece, rebuilt)) << piece;
    EXPECT_EQ(rebuilt, original) << piece;
  }
}

TEST(BlockStream, ShiftedBytesComeBackRaised) {
  Configuration c;
  LoopRecord loop = MakeLoop(1, "x");
  loop.SetByte(LoopRecord::kName, 0xE9);     // travels as 0xA9, back as 0xE9
  loop.SetByte(LoopRecord::kName + 1, 0xA9); // travels as 0xA9 too: back as 0xE9
  loop.SetByte(LoopRecord::kName + 2, 0x7F);
  c.loops.push_back(loop);
  const Bytes image = Joined(Image(c, false));
  EXPECT_EQ(image[2 + LoopRecord::kName], 0xA9);
  EXPECT_EQ(image[2 + LoopRecord::kName + 1], 0xA9);

  Configuration back;
  ASSERT_TRUE(Decode(image, 100, back));
  ASSERT_EQ(back.loops.size(), 1u);
  EXPECT_EQ(back.loops.front().Byte(LoopRecord::kName), 0xE9);
  EXPECT_EQ(back.loops.front().Byte(LoopRecord::kName + 1), 0xE9);
  EXPECT_EQ(back.loops.front().Byte(LoopRecord::kName + 2), 0x7F);
}

TEST(BlockStream, DecoderBlockBoundaries) {
  const LoopRecord loop = MakeLoop(4, "Vier");
  const Bytes record = BytesOf(loop.bytes);

  // A header split over two blocks is recognised.
  {
    Configuration c;
    ParameterImageDecoder decoder(c);
    EXPECT_TRUE(decoder.PutReceivedData(true, Bytes{0xEE}));
    EXPECT_TRUE(decoder.PutReceivedData(false, Bytes{'Z'} + record));
    EXPECT_FALSE(decoder.Complete());
    EXPECT_TRUE(decoder.PutReceivedData(false, Header('E')));
    EXPECT_TRUE(decoder.Complete());
    ASSERT_EQ(c.loops.size(), 1u);
    EXPECT_EQ(c.loops.front(), loop);
  }
  // The end header ends the block: a record after it in the same block is not stored.
  {
    Configuration c;
    ParameterImageDecoder decoder(c);
    EXPECT_TRUE(decoder.PutReceivedData(true, Header('Z') + record + Header('E') + Header('Z') + record));
    EXPECT_EQ(c.loops.size(), 1u);
    EXPECT_TRUE(decoder.Complete());
  }
  // So does an unknown tag, which is no end: the image is not complete.
  {
    Configuration c;
    ParameterImageDecoder decoder(c);
    EXPECT_TRUE(decoder.PutReceivedData(true, Header('Q') + Header('Z') + record));
    EXPECT_TRUE(c.loops.empty());
    EXPECT_FALSE(decoder.Complete());
  }
  // A record byte before any header fails the transfer.
  {
    Configuration c;
    ParameterImageDecoder decoder(c);
    EXPECT_FALSE(decoder.PutReceivedData(true, Bytes{0x41}));
  }
}

TEST(BlockStream, ImageWithACutOffRecordIsNotComplete) {
  const Bytes record = BytesOf(MakeLoop(4, "Vier").bytes);
  const Bytes part(record.begin(), record.begin() + 40);
  const Bytes central = BytesOf(Configuration().central.bytes);
  struct Case {
    const char* what;
    std::vector<Bytes> blocks;
    bool complete;
  };
  const Case cases[] = {
      {"whole record", {Header('Z') + record + Header('E')}, true},
      {"cut off by the end of the image", {Header('Z') + part}, false},
      {"cut off by the end header", {Header('Z') + part + Header('E')}, false},
      {"cut off by the next record's header", {Header('Z') + part + Header('C') + central + Header('E')}, false},
      {"cut off by an end header split over blocks", {Header('Z') + part + Bytes{0xEE}, Bytes{'E'}}, false},
  };
  for (const auto& c : cases) {
    Configuration into;
    ParameterImageDecoder decoder(into);
    bool reset = true;
    for (const auto& block : c.blocks) {
      EXPECT_TRUE(decoder.PutReceivedData(reset, block)) << c.what;
      reset = false;
    }
    EXPECT_EQ(decoder.Complete(), c.complete) << c.what;
  }
}

TEST(BlockStream, DecoderRefusesAnOversizedImage) {
  Configuration c;
  ParameterImageDecoder decoder(c);
  const Bytes loops = Header('Z') + Bytes(LoopRecord::kSize, 0x01);
  ASSERT_TRUE(decoder.PutReceivedData(true, loops));
  bool failed = false;
  for (std::size_t sent = loops.size(); sent <= kMaxStreamBytes + 100 && !failed; sent += LoopRecord::kSize)
    failed = !decoder.PutReceivedData(false, Bytes(LoopRecord::kSize, 0x01));
  EXPECT_TRUE(failed);
  EXPECT_LE(c.loops.size() * LoopRecord::kSize, kMaxStreamBytes);
}

TEST(BlockStream, TagTable) {
  std::size_t size = 99;
  EXPECT_EQ(BlockTypeFromTag('R', size), BlockType::Control);
  EXPECT_EQ(size, 75u);
  EXPECT_EQ(BlockTypeFromTag('N', size), BlockType::Notes);
  EXPECT_EQ(size, 252u);
  for (int tag : {int{'E'}, int{'z'}, 0, 0xEE, int{'D'}}) {
    EXPECT_EQ(BlockTypeFromTag(static_cast<std::uint8_t>(tag), size), BlockType::End) << tag;
    EXPECT_EQ(size, 0u);
  }
  std::array<std::uint8_t, 2> header{};
  MakeBlockHeader(static_cast<BlockType>(4), header);
  EXPECT_EQ(header, (std::array<std::uint8_t, 2>{0xEE, 'E'}));
}

} // namespace
} // namespace kx700
