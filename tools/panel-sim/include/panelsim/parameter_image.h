#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The panel's parameter image, as it travels in the data blocks of a transfer:
// the configuration records in runs of one kind, each run behind a header
// (0xEE and the kind's tag letter), every record byte 0xC0..0xFF lowered by
// 0x40, the whole closed by 0xEE 'E'. The panel itself keeps and returns the
// bytes as they came; this code only builds images and finds the relay card
// count in one.
namespace panelsim {

inline constexpr std::uint8_t kHeaderMark = 0xEE;

namespace tag {
inline constexpr std::uint8_t kLoop = 'Z';
inline constexpr std::uint8_t kCentral = 'C';
inline constexpr std::uint8_t kControl = 'R';
inline constexpr std::uint8_t kRelayText = 'A';
inline constexpr std::uint8_t kCustomer = 'P';
inline constexpr std::uint8_t kInstallation = 'I';
inline constexpr std::uint8_t kAccessory = 'B';
inline constexpr std::uint8_t kRepeater = 'H';
inline constexpr std::uint8_t kPeripheryVersion = 'V';
inline constexpr std::uint8_t kNotes = 'N';
inline constexpr std::uint8_t kEnd = 'E';
} // namespace tag

// The size of a record of this tag; none for the end tag and unknown tags.
std::optional<std::size_t> RecordSize(std::uint8_t tag);

// Byte 66 of the central record: the number of relay cards.
inline constexpr std::size_t kCentralRelayCards = 66;

// A record as meant (unshifted). Byte 0 is the checksum, which the builder writes.
using RecordBytes = std::vector<std::uint8_t>;

// Builds an image record by record.
class ImageBuilder {
public:
  // Writes the record's checksum (XOR of its bytes with byte 0 as 0, AND 0x7F),
  // lowers its bytes 0xC0..0xFF and puts a header in front when the kind
  // changes. A record of the wrong size for its tag is left out.
  ImageBuilder& Add(std::uint8_t tag, RecordBytes record);
  // Closes the image with the end mark.
  std::vector<std::uint8_t> Finish();

private:
  std::vector<std::uint8_t> image_;
  std::uint8_t lastTag_ = tag::kEnd;
};

struct ImageRecord {
  std::uint8_t tag = 0;
  RecordBytes bytes; // raised again
};

// Reads an image back into its records; none when it is not a complete image
// (a byte before the first header, an unknown tag, a cut record, no end mark).
std::optional<std::vector<ImageRecord>> ReadImage(std::span<const std::uint8_t> image);

// The relay card count of the image's central record, when the image is
// complete and holds one.
std::optional<int> RelayCardCount(std::span<const std::uint8_t> image);

// A full configuration that matches RealisticPanel(): six loops, the central
// record, five controls, relay texts for the base relays and three relay
// cards, and every fixed block.
std::vector<std::uint8_t> RealisticImage();

// The largest configuration there is: 16 loops, 20 controls, 17 relay text
// records (the base relays and both halves of eight relay cards), every fixed
// block, every text at its full width.
std::vector<std::uint8_t> LargestImage();

} // namespace panelsim
