#include "model/records.h"

#include "common/text_helpers.h"

namespace kx700 {

char BlockTag(BlockType type) {
  switch (type) {
    case BlockType::Loop: return 'Z';
    case BlockType::Central: return 'C';
    case BlockType::Control: return 'R';
    case BlockType::RelayText: return 'A';
    case BlockType::Customer: return 'P';
    case BlockType::Installation: return 'I';
    case BlockType::Accessory: return 'B';
    case BlockType::Repeater: return 'H';
    case BlockType::PeripheryVersion: return 'V';
    case BlockType::Notes: return 'N';
    case BlockType::End: break;
  }
  return 'E';
}

std::size_t BlockSize(BlockType type) {
  switch (type) {
    case BlockType::Loop: return LoopRecord::kSize;
    case BlockType::Central: return CentralRecord::kSize;
    case BlockType::Control: return ControlRecord::kSize;
    case BlockType::RelayText: return RelayTextRecord::kSize;
    case BlockType::Customer: return CustomerBlock::kSize;
    case BlockType::Installation: return InstallationBlock::kSize;
    case BlockType::Accessory: return AccessoryBlock::kSize;
    case BlockType::Repeater: return RepeaterBlock::kSize;
    case BlockType::PeripheryVersion: return PeripheryVersionBlock::kSize;
    case BlockType::Notes: return NotesBlock::kSize;
    case BlockType::End: break;
  }
  return 0;
}

std::uint8_t ComputeRecordChecksum(std::span<const std::uint8_t> record) {
  if (record.empty()) return 0;
  // Byte 0 holds the checksum itself and counts as 0.
  return XorChecksum7(record.subspan(1));
}

void RecordChecksum(std::span<std::uint8_t> record) {
  if (!record.empty()) record[0] = ComputeRecordChecksum(record);
}

std::span<std::uint8_t> FixedBlocks::BytesOf(BlockType type) {
  switch (type) {
    case BlockType::Customer: return customer.bytes;
    case BlockType::Installation: return installation.bytes;
    case BlockType::Accessory: return accessory.bytes;
    case BlockType::Repeater: return repeater.bytes;
    case BlockType::PeripheryVersion: return peripheryVersion.bytes;
    case BlockType::Notes: return notes.bytes;
    default: return {};
  }
}

std::span<const std::uint8_t> FixedBlocks::BytesOf(BlockType type) const {
  return const_cast<FixedBlocks*>(this)->BytesOf(type);
}

} // namespace kx700
