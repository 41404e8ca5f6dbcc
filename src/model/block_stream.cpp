#include "model/block_stream.h"

#include <algorithm>
#include <iterator>

namespace kx700 {
namespace {

// The image never carries a record byte 0xC0..0xFF: those travel lowered by
// 0x40 and are raised again on reception (so 0x80..0xBF come back raised too).
void LowerForImage(std::span<std::uint8_t> record) {
  for (auto& b : record) {
    if (b >= 0xC0) b = static_cast<std::uint8_t>(b - 0x40);
  }
}

void RaiseFromImage(std::span<std::uint8_t> record) {
  for (auto& b : record) {
    if (b >= 0x80 && b <= 0xBF) b = static_cast<std::uint8_t>(b + 0x40);
  }
}

template <typename R>
std::span<const std::uint8_t> NthRecord(const std::list<R>& list, std::size_t index) {
  if (index >= list.size()) return {};
  return std::next(list.begin(), static_cast<std::ptrdiff_t>(index))->bytes;
}

} // namespace

BlockType BlockTypeFromTag(std::uint8_t tag, std::size_t& size) {
  BlockType type = BlockType::End;
  switch (tag) {
    case 'Z': type = BlockType::Loop; break;
    case 'C': type = BlockType::Central; break;
    case 'R': type = BlockType::Control; break;
    case 'A': type = BlockType::RelayText; break;
    case 'P': type = BlockType::Customer; break;
    case 'I': type = BlockType::Installation; break;
    case 'B': type = BlockType::Accessory; break;
    case 'H': type = BlockType::Repeater; break;
    case 'V': type = BlockType::PeripheryVersion; break;
    case 'N': type = BlockType::Notes; break;
    default: break;
  }
  size = BlockSize(type);
  return type;
}

void MakeBlockHeader(BlockType type, std::span<std::uint8_t, 2> buffer) {
  buffer[0] = kBlockHeaderMark;
  buffer[1] = static_cast<std::uint8_t>(BlockTag(type));
}

BlockStreamIterator::BlockStreamIterator(const Configuration& configuration, bool extended)
    : configuration_(configuration), extended_(extended) {}

BlockStreamIterator::Block BlockStreamIterator::GetNextBlock(bool reset) {
  if (reset) {
    stage_ = Stage::Loops;
    index_ = 0;
  }
  const Configuration& c = configuration_;
  for (;;) {
    switch (stage_) {
      case Stage::Loops:
        if (auto bytes = NthRecord(c.loops, index_); !bytes.empty()) {
          ++index_;
          return {BlockType::Loop, bytes};
        }
        stage_ = Stage::Central;
        break;
      case Stage::Central:
        stage_ = Stage::Controls;
        index_ = 0;
        return {BlockType::Central, c.central.bytes};
      case Stage::Controls:
        if (auto bytes = NthRecord(c.controls, index_); !bytes.empty()) {
          ++index_;
          return {BlockType::Control, bytes};
        }
        stage_ = extended_ ? Stage::RelayTexts : Stage::End;
        index_ = 0;
        break;
      case Stage::RelayTexts:
        if (auto bytes = NthRecord(c.relayTexts, index_); !bytes.empty()) {
          ++index_;
          return {BlockType::RelayText, bytes};
        }
        stage_ = Stage::FixedBlocks;
        index_ = 0;
        break;
      case Stage::FixedBlocks:
        if (index_ < std::size(kFixedBlockOrder)) {
          const BlockType type = kFixedBlockOrder[index_++];
          return {type, c.fixedBlocks.BytesOf(type)};
        }
        stage_ = Stage::End;
        break;
      case Stage::End: return {};
    }
  }
}

std::size_t GetParameterSize(const Configuration& configuration, bool extended) {
  std::size_t size = CentralRecord::kSize + LoopRecord::kSize * configuration.loops.size() +
                     ControlRecord::kSize * configuration.controls.size();
  if (extended) size += RelayTextRecord::kSize * configuration.relayTexts.size() + kFixedBlocksSize;
  return size;
}

ParameterImageEncoder::ParameterImageEncoder(const Configuration& configuration, bool extended)
    : iterator_(configuration, extended) {}

bool ParameterImageEncoder::GetSendData(bool reset, std::span<std::uint8_t, kImageBlockSize> out, std::size_t& count) {
  bool resetIterator = false;
  if (reset) {
    position_ = 0;
    length_ = 0;
    lastType_ = BlockType::End;
    resetIterator = true;
  }
  count = 0;
  for (;;) {
    if (position_ >= length_) {
      const auto block = iterator_.GetNextBlock(resetIterator);
      resetIterator = false;
      if (!block.bytes.empty()) {
        // The record goes behind two bytes that take its header when its
        // type changes.
        std::copy(block.bytes.begin(), block.bytes.end(), buffer_.begin() + 2);
        LowerForImage(std::span(buffer_).subspan(2, block.bytes.size()));
        length_ = 2 + block.bytes.size();
        position_ = 2;
        if (block.type != lastType_) {
          MakeBlockHeader(block.type, std::span(buffer_).first<2>());
          position_ = 0;
          lastType_ = block.type;
        }
      } else if (block.type == BlockType::End) {
        position_ = 0;
        if (lastType_ == BlockType::End) {
          length_ = 0;
          return true;
        }
        MakeBlockHeader(BlockType::End, std::span(buffer_).first<2>());
        length_ = 2;
        lastType_ = BlockType::End;
      } else {
        return false;
      }
    }
    out[count++] = buffer_[position_++];
    if (count == kImageBlockSize) return true;
  }
}

bool ParameterImageDecoder::PutReceivedData(bool reset, std::span<const std::uint8_t> data) {
  if (reset) {
    headerPending_ = false;
    endSeen_ = false;
    recordCut_ = false;
    position_ = 0;
    length_ = 0;
    type_ = BlockType::End;
    received_ = 0;
  }
  for (std::uint8_t byte : data) {
    if (++received_ > kMaxStreamBytes) return false;
    if (byte == kBlockHeaderMark) {
      headerPending_ = true;
      continue;
    }
    if (headerPending_) {
      headerPending_ = false;
      if (position_ != 0) recordCut_ = true; // a header inside a record: that record is lost
      position_ = 0;
      type_ = BlockTypeFromTag(byte, length_);
      endSeen_ = byte == 'E';
      if (type_ == BlockType::End) return true; // the rest of this block is ignored
      continue;
    }
    // A data byte before any header finds no record to fill: the store below
    // then refuses it and the transfer fails.
    if (position_ < buffer_.size()) buffer_[position_] = byte;
    ++position_;
    if (position_ >= length_) {
      position_ = 0;
      const auto record = std::span(buffer_).first(length_);
      RaiseFromImage(record);
      if (!into_.StoreBlock(type_, record)) return false;
    }
  }
  return true;
}

} // namespace kx700
