#include "common/cp1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kx700 {
namespace {

using namespace std::string_literals;

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  const auto back = Utf8ToCp1252(utf8);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, all);
}

TEST(Cp1252, KnownCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("D\xE9"
                         "faut"),
            "Défaut");
  EXPECT_EQ(Cp1252ToUtf8("\x80 \x96 \xB0 \x9F"), "€ – ° Ÿ");
  EXPECT_EQ(Utf8ToCp1252("Thermisch 90°"), "Thermisch 90\xB0");
  EXPECT_EQ(Utf8ToCp1252("a\0b"s), "a\0b"s);
  EXPECT_EQ(Cp1252ToUnicode(0x81), U'\u0081'); // undefined in the code page: kept as C1 control
}

TEST(Cp1252, RefusesWhatTheCodePageCannotCarryAndBrokenUtf8) {
  const std::string bad[] = {
      "Ω",                // not in the code page
      "\xF0\x9F\x94\xA5", // outside the basic plane
      "\xC3",             // truncated sequence
      "\xC0\x80",         // overlong NUL
      "\xED\xA0\x80",     // surrogate
      "\xE9t\xE9",        // Latin-1 bytes, not UTF-8
      "\x80",             // stray continuation byte
  };
  for (const auto& text : bad) EXPECT_FALSE(Utf8ToCp1252(text)) << text;
}

// What a record's text takes from the user: the bytes that go to the panel
// and come back as they went. Of the whole code page that is 0x20..0x7E and
// 0xC0..0xFF, with 'i' for 'î'.
TEST(Cp1252, EnteredTextTakesWhatThePanelCarriesBack) {
  struct Case {
    char32_t given;
    std::optional<std::uint8_t> kept;
  };
  const Case cases[] = {
      {U'A', 'A'},       {U' ', ' '},       {U'~', '~'},      {U'\u00c0', 0xC0}, // À, lowest raised back
      {U'\u00e9', 0xE9}, {U'\u00ff', 0xFF}, {U'\u00ee', 'i'}, {U'\u00ce', 0xCE}, // Î stays
      {U'\u20ac', {}},   {U'\u00b0', {}},   {U'\u00a0', {}},  {U'\u00bf', {}},   // €, °, no-break space, ¿
      {U'\u2019', {}},   {U'\u0081', {}},   {U'\t', {}},      {U'\x7f', {}},     {U'\u0141', {}}, {U'\U0001F525', {}},
  };
  for (const Case& c : cases) EXPECT_EQ(EnteredTextByte(c.given), c.kept) << static_cast<unsigned>(c.given);
  // The whole code page, byte by byte.
  int taken = 0;
  for (int b = 0; b < 256; ++b) {
    const auto kept = EnteredTextByte(Cp1252ToUnicode(static_cast<std::uint8_t>(b)));
    if (!kept) continue;
    ++taken;
    EXPECT_EQ(*kept, b == 0xEE ? 'i' : b) << b;
    EXPECT_TRUE((b >= 0x20 && b < 0x7F) || b >= 0xC0) << b;
  }
  EXPECT_EQ(taken, 95 + 64);
}

} // namespace
} // namespace kx700
