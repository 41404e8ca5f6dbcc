#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/configuration.h"

// The block stream: a configuration's records in a fixed order, each run of
// one type introduced by the header 0xEE + tag, closed by 0xEE 'E'. The file
// carries it as it stands; the panel's parameter image is the same stream
// with every record byte 0xC0..0xFF lowered by 0x40, so that no record byte
// looks like a header or a frame byte on the line.
namespace kx700 {

constexpr std::uint8_t kBlockHeaderMark = 0xEE;
// The largest record (the notes, 252 bytes) with its header.
constexpr std::size_t kBlockBufferSize = 254;
// The most bytes one data block of the parameter image carries.
constexpr std::size_t kImageBlockSize = 100;
// No real configuration comes near this (the largest is about 6 KiB); a file
// body or an image beyond it is refused as invalid.
constexpr std::size_t kMaxStreamBytes = 64 * 1024;

// The type and record size of a tag letter; 'E' and unknown tags give the end
// with size 0.
BlockType BlockTypeFromTag(std::uint8_t tag, std::size_t& size);
// Puts the 2-byte header of a type into the first two bytes of `buffer`.
void MakeBlockHeader(BlockType type, std::span<std::uint8_t, 2> buffer);

// The record bytes of a configuration in stream order: loops, the central
// record, controls, and from version 1.01 on the relay texts and the fixed
// blocks P, I, B, H, V, N. Each iterator walks on its own.
class BlockStreamIterator {
public:
  struct Block {
    BlockType type = BlockType::End;
    std::span<const std::uint8_t> bytes; // empty at the end
  };

  // `extended`: whether the relay texts and fixed blocks belong to the stream.
  BlockStreamIterator(const Configuration& configuration, bool extended);

  // The next record; the end (and again the end) once all are given. With
  // reset it starts again at the first loop.
  Block GetNextBlock(bool reset = false);

private:
  enum class Stage { Loops, Central, Controls, RelayTexts, FixedBlocks, End };

  const Configuration& configuration_;
  bool extended_;
  Stage stage_ = Stage::Loops;
  std::size_t index_ = 0; // within the stage; positions, not iterators, so a changed list cannot dangle
};

// Record bytes of a stream, without headers: the basis of the progress count.
std::size_t GetParameterSize(const Configuration& configuration, bool extended);

// Produces the parameter image in data blocks of at most 100 bytes.
class ParameterImageEncoder {
public:
  ParameterImageEncoder(const Configuration& configuration, bool extended);

  // Fills `out` with the next piece of the image and gives its length in
  // `count`; a count of 0 means the image is complete. With reset it starts
  // from the beginning.
  bool GetSendData(bool reset, std::span<std::uint8_t, kImageBlockSize> out, std::size_t& count);

private:
  BlockStreamIterator iterator_;
  std::array<std::uint8_t, kBlockBufferSize> buffer_{};
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  BlockType lastType_ = BlockType::End;
};

// Rebuilds a configuration from the data blocks of a parameter image. Headers
// and records may straddle blocks.
class ParameterImageDecoder {
public:
  explicit ParameterImageDecoder(Configuration& into) : into_(into) {}

  // Consumes one data block; false when the transfer has failed (a record
  // before any header, a record that cannot be stored, an oversized image).
  // An end header or an unknown tag ends the block: what follows it in the
  // same block is ignored.
  bool PutReceivedData(bool reset, std::span<const std::uint8_t> data);

  // The end header was seen, and no record was cut off by a header and no
  // header is left half-way.
  bool Complete() const { return endSeen_ && !recordCut_ && !headerPending_; }

private:
  Configuration& into_;
  std::array<std::uint8_t, kBlockBufferSize> buffer_{};
  bool headerPending_ = false;
  bool endSeen_ = false;
  bool recordCut_ = false;
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  BlockType type_ = BlockType::End;
  std::size_t received_ = 0;
};

} // namespace kx700
