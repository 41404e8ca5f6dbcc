#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The panel's frame codec, written for the simulator on its own so that a
// fault in the program's frame layer cannot hide behind the same fault here.
//
//   E0 'W' address 0 code flags payload... checksum E1
//
// The checksum is the XOR of every byte of the frame with the checksum slot
// counted as 0, AND 0x7F. Outside data blocks (code '#') payload bytes
// 0xC0..0xFF travel lowered by 0x40 and are raised again by the receiver, so
// that no payload byte can be taken for a start or end byte.
namespace panelsim {

inline constexpr std::uint8_t kFrameStart = 0xE0;
inline constexpr std::uint8_t kFrameEnd = 0xE1;
inline constexpr std::uint8_t kFrameMark = 0x57;   // 'W'
inline constexpr std::uint8_t kDataBlockCode = 35; // '#': payload travels untransformed
inline constexpr std::size_t kPayloadOffset = 6;
inline constexpr std::size_t kFrameOverhead = 8; // frame length = payload + 8
// A receiver gives up on a frame that has no end byte after this many bytes.
inline constexpr std::size_t kMaxFrameLength = 201;

struct Frame {
  std::uint8_t address = 0;
  std::uint8_t code = 0;
  std::uint8_t flags = 0;
  std::vector<std::uint8_t> payload; // as meant, before the transform
};

// The checksum of a whole frame (start through end byte), its slot counted as 0.
std::uint8_t Checksum(std::span<const std::uint8_t> frame);
// The receiver's test: the XOR of all bytes, checksum included, AND 0x7F is 0.
bool ChecksumOk(std::span<const std::uint8_t> frame);
// Writes the checksum of a whole frame into its slot.
void Seal(std::vector<std::uint8_t>& frame);

// The byte transform of one payload, in place; frames of code '#' are left as they are.
void LowerForLine(std::uint8_t code, std::span<std::uint8_t> payload);
void RaiseFromLine(std::uint8_t code, std::span<std::uint8_t> payload);

// The wire bytes of a frame: transformed, checksummed, ended.
std::vector<std::uint8_t> Encode(const Frame& frame);

// Cuts frames out of a byte stream that may hold garbage, split frames,
// frames without 'W' and frames with a bad checksum. A start byte always
// begins a new frame (it cannot occur inside one), so the receiver finds its
// way back after any damage.
class FrameReceiver {
public:
  enum class Verdict { kGood, kBadChecksum };
  struct Result {
    Verdict verdict = Verdict::kGood;
    Frame frame; // raised payload when good; the bytes as received when bad
    std::vector<std::uint8_t> raw;
  };

  // Appends every frame that the bytes complete to `out`, in order.
  void Put(std::span<const std::uint8_t> bytes, std::vector<Result>& out);
  // Drops a frame in progress.
  void Reset();
  // Bytes thrown away: garbage, cut frames, frames without 'W' or too short.
  std::size_t discarded() const { return discarded_; }

private:
  void Finish(std::vector<Result>& out);

  std::vector<std::uint8_t> buffer_; // empty, or a frame begun with its start byte
  std::size_t discarded_ = 0;
};

} // namespace panelsim
