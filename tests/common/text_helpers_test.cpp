#include "common/text_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/fake_clock.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using namespace std::string_literals;
using test::ScopedTextLanguage;

TEST(FormatDayMonthYear, DayMonthNameAndTwoDigitYear) {
  EXPECT_EQ(FormatDayMonthYear(5, 3, 7), "5 maart 07");
  EXPECT_EQ(FormatDayMonthYear(31, 12, 99), "31 dec 99");
  EXPECT_EQ(FormatDayMonthYear(1, 1, 2024), "1 jan 2024");
  for (int month : {0, 13, -1}) EXPECT_EQ(FormatDayMonthYear(5, month, 7), "") << month;

  ScopedTextLanguage french(TextLanguage::French);
  EXPECT_EQ(FormatDayMonthYear(5, 2, 7), "5 f\xE9vr. 07");
}

TEST(FormatToday, UsesTheLocalDateWithATwoDigitYear) {
  struct Case {
    LocalDateTime date;
    const char* expected;
  };
  const Case cases[] = {
      {{2007, 3, 5}, "05 maart 07"},
      {{2026, 12, 9}, "09 dec 26"},
      {{2000, 1, 31}, "31 jan 00"},
      {{1999, 6, 1}, "01 juni 99"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatToday(c.date), c.expected);

  test::FakeClock clock;
  clock.SetNow({2026, 12, 9, 23, 59, 0, 3});
  ScopedTextLanguage english(TextLanguage::English);
  EXPECT_EQ(FormatToday(clock), "09 Dec. 26");
}

TEST(ClampToRange, OutOfRangeGivesTheLowBound) {
  EXPECT_EQ(ClampToRange(25, 1, 20), 1);
  EXPECT_EQ(ClampToRange(-3, 1, 20), 1);
  EXPECT_EQ(ClampToRange(1, 1, 20), 1);
  EXPECT_EQ(ClampToRange(20, 1, 20), 20);
  EXPECT_EQ(ClampToRange(7, 1, 20), 7);
}

TEST(TrimRightBlanks, CutsThenDropsTrailingBlanksButKeepsTheFirstCharacter) {
  struct Case {
    std::string text;
    int max;
    std::string expected;
  };
  const Case cases[] = {
      {"ab  ", 0, "ab"},
      {"ab  cd  ", 5, "ab  c"},
      {"abc   xyz", 4, "abc"},
      {" ", 0, " "},
      {"    ", 0, " "},
      {"", 0, ""},
      {"ab", 10, "ab"},
      {"Lus 1   \0garbage"s, 0, "Lus 1"},                             // a field ends at its NUL
      {"Klant met een naam van 25", 25, "Klant met een naam van 25"}, // a full field without NUL
  };
  for (const auto& c : cases) EXPECT_EQ(TrimRightBlanks(c.text, c.max), c.expected) << '"' << c.text << '"';
}

TEST(Padding, ZerosInFrontAndBlanksBehind) {
  EXPECT_EQ(PadLeftWithZeros("42", 4), "0042");
  EXPECT_EQ(PadLeftWithZeros("", 4), "0000");
  EXPECT_EQ(PadLeftWithZeros("1234", 4), "1234");
  EXPECT_EQ(PadLeftWithZeros("12345", 4), "12345");
  EXPECT_EQ(PadLeftWithZeros("7\0x"s, 4), "0007");

  EXPECT_EQ(PadRightWithBlanks("abcdef", 4), "abcd");
  EXPECT_EQ(PadRightWithBlanks("ab", 4), "ab  ");
  EXPECT_EQ(PadRightWithBlanks("", 3), "   ");
  EXPECT_EQ(PadRightWithBlanks("ab", 0), "");
  EXPECT_EQ(PadRightWithBlanks("ab", -2), "");
}

TEST(ZeroFillTail, ZeroesFromTheEndThroughWidthAndNeverPastTheBuffer) {
  std::array<char, 8> buffer = {'a', 'b', '\0', 'x', 'y', 'z', 'q', 'r'};
  ZeroFillTail(buffer, 5);
  EXPECT_EQ(buffer, (std::array<char, 8>{'a', 'b', 0, 0, 0, 0, 'q', 'r'}));

  std::array<char, 8> longer = {'a', 'b', 'c', 'd', 'e', 'f', '\0', 'r'};
  ZeroFillTail(longer, 4);
  EXPECT_EQ(longer, (std::array<char, 8>{'a', 'b', 'c', 'd', 'e', 'f', 0, 'r'}));

  // A width beyond the buffer stops at the buffer's end (sanitizers watch it).
  std::array<char, 4> small = {'a', '\0', 'x', 'y'};
  ZeroFillTail(small, 10);
  EXPECT_EQ(small, (std::array<char, 4>{'a', 0, 0, 0}));
}

TEST(FindWrapPosition, BreaksAtTheHighestBlankFromWidthDownToFive) {
  std::string thirty(30, 'x');
  std::string twoBlanks = thirty;
  twoBlanks[3] = ' ';
  twoBlanks[12] = ' ';
  std::string oneLowBlank = thirty;
  oneLowBlank[3] = ' ';
  std::string blankAtWidth = thirty;
  blankAtWidth[20] = ' ';
  blankAtWidth[21] = ' ';

  struct Case {
    std::string text;
    int width;
    int expected;
  };
  const Case cases[] = {
      {twoBlanks, 20, 12},     {oneLowBlank, 20, 20}, {blankAtWidth, 20, 20},
      {"short", 30, 5},        {"a b c d", 4, 4}, // width below 5
      {"abcd efghij", 11, 11},                    // the only blank lies below index 5
      {"abcdef ghij", 11, 6},                     // index `width` is past the text: the blank at 6 counts
      {thirty, 0, 0},          {thirty, -3, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindWrapPosition(c.text, c.width), c.expected) << '"' << c.text << "\" width " << c.width;
  }
}

TEST(CopyLineUntilCR, CopiesUpToTheCarriageReturn) {
  std::string out = "old";
  EXPECT_EQ(CopyLineUntilCR("Straat 1\r\nGent", out), 8u);
  EXPECT_EQ(out, "Straat 1");
  EXPECT_EQ(CopyLineUntilCR("Gent", out), 4u);
  EXPECT_EQ(out, "Gent");
  EXPECT_EQ(CopyLineUntilCR("\rrest", out), 0u);
  EXPECT_EQ(out, "");
}

TEST(XorChecksum7, XorOfAllBytesMaskedToSevenBits) {
  const std::uint8_t abc[] = {'a', 'b', 'c'};
  EXPECT_EQ(XorChecksum7(abc), 0x60);
  EXPECT_EQ(XorChecksum7({}), 0);
  const std::uint8_t high[] = {0xFF};
  EXPECT_EQ(XorChecksum7(high), 0x7F);
  const std::uint8_t cancel[] = {0x80, 0x00, 0x13, 0x13};
  EXPECT_EQ(XorChecksum7(cancel), 0x00);
}

TEST(IsNonZero, OnlyZeroIsFalse) {
  EXPECT_FALSE(IsNonZero(0));
  EXPECT_TRUE(IsNonZero(1));
  EXPECT_TRUE(IsNonZero(-1));
}

} // namespace
} // namespace kx700
