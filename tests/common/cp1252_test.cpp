#include "common/cp1252.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kx700
