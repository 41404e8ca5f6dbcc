#include "panelsim/parameter_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "panelsim/panel_state.h"
#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Bytes;

std::string Tags(const std::vector<ImageRecord>& records) {
  std::string tags;
  for (const auto& r : records) tags += static_cast<char>(r.tag);
  return tags;
}

std::string TextAt(const RecordBytes& r, std::size_t at, std::size_t width) {
  std::string s(r.begin() + static_cast<std::ptrdiff_t>(at), r.begin() + static_cast<std::ptrdiff_t>(at + width));
  return s.substr(0, s.find('\0'));
}

TEST(ParameterImageTest, BuilderWritesHeadersChecksumsAndTheShift) {
  RecordBytes accessory(*RecordSize(tag::kAccessory), 0);
  accessory[1] = 0xE9;
  accessory[2] = 0x05;
  Bytes expected{kHeaderMark, 'B', (0xE9 ^ 0x05) & 0x7F, 0xA9, 0x05};
  expected.resize(2 + 26, 0);
  expected.insert(expected.end(), {kHeaderMark, 'E'});
  EXPECT_EQ(ImageBuilder().Add(tag::kAccessory, accessory).Finish(), expected);

  // A header only where the kind changes; a record of the wrong size is left out.
  const RecordBytes loop(76, 0), central(87, 0);
  const auto image = ImageBuilder()
                         .Add(tag::kLoop, loop)
                         .Add(tag::kLoop, loop)
                         .Add(tag::kCentral, central)
                         .Add(tag::kLoop, RecordBytes(75, 0))
                         .Add(tag::kLoop, loop)
                         .Finish();
  EXPECT_EQ(image.size(), 2 + 76 * 2 + 2 + 87 + 2 + 76 + 2u);
  const auto records = ReadImage(image);
  ASSERT_TRUE(records);
  EXPECT_EQ(Tags(*records), "ZZCZ");
}

TEST(ParameterImageTest, IncompleteImagesDoNotRead) {
  const Bytes good = RealisticImage();
  struct Case {
    const char* name;
    Bytes image;
  };
  const Case cases[] = {
      {"empty", {}},
      {"no end mark", Bytes(good.begin(), good.end() - 2)},
      {"half an end mark", Bytes(good.begin(), good.end() - 1)},
      {"byte before the first header", {0x01, kHeaderMark, 'E'}},
      {"unknown tag", {kHeaderMark, 'X', 0x00, kHeaderMark, 'E'}},
      {"cut record", {kHeaderMark, 'B', 0x01, 0x02, kHeaderMark, 'E'}},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadImage(c.image)) << c.name;
  EXPECT_TRUE(ReadImage(Bytes{kHeaderMark, 'E'}));
}

TEST(ParameterImageTest, RealisticAndLargestConfigurations) {
  struct Case {
    const char* name;
    Bytes image;
    std::map<char, int> counts;
    int relayCards;
  };
  const std::map<char, int> fixed{{'P', 1}, {'I', 1}, {'B', 1}, {'H', 1}, {'V', 1}, {'N', 1}};
  auto realistic = fixed, largest = fixed;
  realistic.insert({{'Z', 6}, {'C', 1}, {'R', 5}, {'A', 4}});
  largest.insert({{'Z', 16}, {'C', 1}, {'R', 20}, {'A', 17}});
  const Case cases[] = {{"realistic", RealisticImage(), realistic, 3}, {"largest", LargestImage(), largest, 8}};
  for (const auto& c : cases) {
    const auto records = ReadImage(c.image);
    ASSERT_TRUE(records) << c.name;
    std::map<char, int> counts;
    for (const auto& r : *records) ++counts[static_cast<char>(r.tag)];
    EXPECT_EQ(counts, c.counts) << c.name;
    // Stream order: loops, central, controls, relay texts, P I B H V N.
    const std::string tags = Tags(*records);
    EXPECT_EQ(tags.substr(tags.size() - 6), "PIBHVN") << c.name;
    EXPECT_TRUE(std::is_sorted(tags.begin(), tags.end() - 6, [](char a, char b) {
      return std::string_view("ZCRA").find(a) < std::string_view("ZCRA").find(b);
    })) << c.name;
    EXPECT_EQ(RelayCardCount(c.image), c.relayCards) << c.name;
    for (const auto& r : *records) {
      std::uint8_t x = 0;
      for (std::size_t i = 1; i < r.bytes.size(); ++i) x ^= r.bytes[i];
      EXPECT_EQ(r.bytes[0], x & 0x7F) << c.name << " " << char(r.tag);
      // Bytes 0x80..0xBF would not come back as they went.
      EXPECT_TRUE(std::none_of(r.bytes.begin(), r.bytes.end(), [](auto b) { return b >= 0x80 && b <= 0xBF; }))
          << c.name << " " << char(r.tag);
    }
  }
  EXPECT_EQ(LargestImage().size(), 6141u);
}

TEST(ParameterImageTest, RealisticPanelMatchesItsImage) {
  const PanelState panel = RealisticPanel();
  const auto records = ReadImage(panel.image);
  ASSERT_TRUE(records);
  EXPECT_EQ(RelayCardCount(panel.image), panel.relayCards);
  int loop = 0;
  for (const auto& r : *records) {
    if (r.tag == tag::kCentral) {
      EXPECT_EQ(TextAt(r.bytes, 1, 20), TextAt(RecordBytes(panel.panelName.begin(), panel.panelName.end()), 0, 20));
    } else if (r.tag == tag::kLoop) {
      ++loop;
      EXPECT_EQ(r.bytes[2], loop);
      const auto& text = panel.texts.at(static_cast<std::uint8_t>(loop));
      EXPECT_EQ(TextAt(r.bytes, 3, 18), TextAt(RecordBytes(text.begin(), text.end()), 0, 18));
    } else if (r.tag == tag::kCustomer) {
      EXPECT_EQ(TextAt(r.bytes, 1, 25), "Brasserie Caf\xE9 Noord"); // travels shifted, comes back whole
    }
  }
  EXPECT_EQ(loop, 6);
  EXPECT_FALSE(panel.logbook.empty());
}

} // namespace
} // namespace panelsim
