#include "model/records.h"

#include <gtest/gtest.h>

#include "model/configuration.h"

namespace kx700 {
namespace {

TEST(Records, NewConfigurationDefaults) {
  const Configuration c;
  std::array<std::uint8_t, CentralRecord::kSize> expected{};
  expected[43] = 2;
  expected[45] = '9', expected[46] = '7', expected[47] = '3', expected[48] = '8';
  expected[64] = 7;
  expected[67] = '9', expected[68] = '8', expected[69] = '7', expected[70] = '1';
  EXPECT_EQ(c.central.bytes, expected);
  EXPECT_EQ(c.fixedBlocks, FixedBlocks{});
  EXPECT_TRUE(c.loops.empty() && c.controls.empty() && c.relayTexts.empty());
  EXPECT_EQ(c.version, (VersionTriple{0, 0, 0}));
  EXPECT_EQ(c.sourcePanelNumber, -1);
  EXPECT_TRUE(c.IsBlockEmpty(kAllFixedBlocks));
  EXPECT_FALSE(c.HoldsData());
}

TEST(Records, TagsAndSizes) {
  struct Case {
    BlockType type;
    char tag;
    std::size_t size;
  };
  const Case cases[] = {
      {BlockType::Loop, 'Z', 76},           {BlockType::Central, 'C', 87},   {BlockType::Control, 'R', 75},
      {BlockType::RelayText, 'A', 148},     {BlockType::Customer, 'P', 227}, {BlockType::Installation, 'I', 70},
      {BlockType::Accessory, 'B', 26},      {BlockType::Repeater, 'H', 174}, {BlockType::PeripheryVersion, 'V', 51},
      {BlockType::Notes, 'N', 252},         {BlockType::End, 'E', 0},        {static_cast<BlockType>(4), 'E', 0},
      {static_cast<BlockType>(99), 'E', 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BlockTag(c.type), c.tag) << static_cast<int>(c.type);
    EXPECT_EQ(BlockSize(c.type), c.size) << static_cast<int>(c.type);
  }
}

TEST(Records, ChecksumIgnoresTheStoredChecksum) {
  LoopRecord r;
  r.SetText(LoopRecord::kName, LoopRecord::kNameWidth, "abc"); // 'a' ^ 'b' ^ 'c' = 0x60
  EXPECT_EQ(r.ComputeChecksum(), 0x60);
  r.UpdateChecksum();
  EXPECT_EQ(r.Byte(0), 0x60);
  // Recomputing over a record that holds its checksum gives the same value.
  r.UpdateChecksum();
  EXPECT_EQ(r.Byte(0), 0x60);
  r.SetByte(0, 0x7F);
  EXPECT_EQ(r.ComputeChecksum(), 0x60);
  r.SetByte(LoopRecord::kLevelS, 0xFF); // masked to seven bits
  EXPECT_EQ(r.ComputeChecksum(), 0x60 ^ 0x7F);
}

TEST(Records, NumericBytesReadSigned) {
  LoopRecord r;
  r.SetByte(LoopRecord::kNumber, 0x80);
  EXPECT_EQ(r.Number(), -128);
  r.SetByte(LoopRecord::kNumber, 0xFF);
  EXPECT_EQ(r.Number(), -1);
  r.SetByte(LoopRecord::kNumber, 16);
  EXPECT_EQ(r.Number(), 16);
}

TEST(Records, TextsEndAtTheirWidthOrNulAndWritesStayInTheField) {
  ControlRecord r;
  r.SetByte(ControlRecord::kControlType, 3);
  // A name filling the whole field, with no terminator: read to the width.
  r.SetText(ControlRecord::kName, ControlRecord::kNameWidth, "ABCDEFGHIJKLMNOPQRSTU");
  EXPECT_EQ(r.Name(), "ABCDEFGHIJKLMNO");
  EXPECT_EQ(r.Byte(ControlRecord::kNameNul), 0);
  EXPECT_EQ(r.Type(), 3);
  // A shorter text is NUL-padded, so nothing of the longer one remains.
  r.SetText(ControlRecord::kName, ControlRecord::kNameWidth, "Sirene");
  EXPECT_EQ(r.Name(), "Sirene");
  for (std::size_t i = ControlRecord::kName + 6; i < ControlRecord::kName + ControlRecord::kNameWidth; ++i)
    EXPECT_EQ(r.Byte(i), 0) << i;
  // A relay output text has no terminator of its own.
  RelayTextRecord t;
  t.SetText(RelayTextRecord::kTexts, RelayTextRecord::kTextWidth, std::string(18, 'x'));
  t.SetText(RelayTextRecord::kTexts + 18, RelayTextRecord::kTextWidth, "next");
  EXPECT_EQ(t.OutputText(0), std::string(18, 'x'));
  EXPECT_EQ(t.OutputText(1), "next");
}

TEST(Records, RelayMaskOfAnEventRow) {
  ControlRecord r;
  const std::size_t row = ControlRecord::EventOffset(2);
  r.SetByte(row + ControlEvent::kRelays5to8, 0x08); // relay 8
  r.SetByte(row + ControlEvent::kRelays1to4, 0x03); // relays 1 and 2
  EXPECT_EQ(r.RelayMask(2), 0x83);
  EXPECT_EQ(r.ShownRelays(2), 0x83);
  EXPECT_EQ(r.RelayMask(1), 0);
  // Stray high bits of byte 5 are no relay 5..8 where relays are shown; the
  // checks compare the bytes as they stand.
  r.SetByte(row + ControlEvent::kRelays5to8, 0x00);
  r.SetByte(row + ControlEvent::kRelays1to4, 0x11);
  EXPECT_EQ(r.RelayMask(2), 0x11);
  EXPECT_EQ(r.ShownRelays(2), 0x01);
}

TEST(Records, FixedBlockEmptyTest) {
  // One byte that counts per block, one that does not.
  struct Case {
    BlockType type;
    std::size_t offset;
    bool counts;
  };
  const Case cases[] = {
      {BlockType::Customer, CustomerBlock::kCustomer, true},
      {BlockType::Customer, CustomerBlock::kInstaller, true},
      {BlockType::Customer, CustomerBlock::kCustomer + 1, false}, // only first characters are looked at
      {BlockType::Installation, InstallationBlock::kProductionNumber, true},
      {BlockType::Installation, InstallationBlock::kCommissioningYear, false}, // the date alone is empty
      {BlockType::Installation, InstallationBlock::kCommissioningDay, false},
      {BlockType::Accessory, AccessoryBlock::kTelephoneDialler, true},
      {BlockType::Accessory, AccessoryBlock::kReserved, false},
      {BlockType::Repeater, RepeaterBlock::VersionOffset(7), true},
      {BlockType::Repeater, RepeaterBlock::LocationOffset(3), true},
      {BlockType::Repeater, RepeaterBlock::VersionOffset(7) + 1, false}, // the minor byte
      {BlockType::PeripheryVersion, PeripheryVersionBlock::kPowerSupplyVersion, true},
      {BlockType::PeripheryVersion, PeripheryVersionBlock::CardVersionOffset(7), true},
      {BlockType::PeripheryVersion, PeripheryVersionBlock::CardVersionOffset(7) + 1, false},
      {BlockType::Notes, NotesBlock::kNotes, true},
      {BlockType::Notes, NotesBlock::kNotes + 1, false},
  };
  for (const auto& c : cases) {
    Configuration config;
    config.fixedBlocks.BytesOf(c.type)[c.offset] = 'x';
    const int part = static_cast<int>(c.type);
    EXPECT_EQ(config.IsBlockEmpty(part), !c.counts) << part << " +" << c.offset;
    EXPECT_EQ(config.IsBlockEmpty(kAllFixedBlocks), !c.counts) << part << " +" << c.offset;
    EXPECT_EQ(config.HoldsData(), c.counts) << part << " +" << c.offset;
    for (int other : {5, 6, 7, 8, 9, 10}) {
      if (other != part) {
        EXPECT_TRUE(config.IsBlockEmpty(other));
      }
    }
    EXPECT_TRUE(config.IsBlockEmpty(3)); // not a block part
    EXPECT_TRUE(config.IsBlockEmpty(11));
  }
}

} // namespace
} // namespace kx700
