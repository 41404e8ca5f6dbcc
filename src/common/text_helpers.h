#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/clock.h"

// Small helpers on code page 1252 texts and the 7-bit record checksum.
//
// A text argument ends at its first NUL or at the end of the view, whichever
// comes first, so a fixed-width record field can be passed as it stands; no
// helper reads or writes outside what it is given.
namespace kx700 {

// "%d %s %02d": day, month name (text 10 + month), year; "" for a month
// outside 1..12.
std::string FormatDayMonthYear(int day, int month, int year);
// "%02d %s %02d": today's day, month name (text 11 + month index) and the year
// as two digits from 2000 to 2099 (years since 1900, less 100 from 2000 on).
std::string FormatToday(const LocalDateTime& today);
std::string FormatToday(const Clock& clock);

// `value` when low <= value <= high, otherwise `low` (also above the range).
int ClampToRange(int value, int low, int high);

// Cuts the text at `max` when max > 0, then drops trailing blanks; the first
// character is always kept, so " " stays " ".
std::string TrimRightBlanks(std::string_view text, int max);
// Right-justifies a shorter text in `width` characters with '0' in front; a
// text of `width` characters or more comes back unchanged.
std::string PadLeftWithZeros(std::string_view text, int width);
// Exactly `width` characters: blanks appended, or the text cut.
std::string PadRightWithBlanks(std::string_view text, int width);
// When the text in `buffer` has at most `width` characters, zeroes every byte
// from its end through index `width` (as far as the buffer reaches), so a
// field's unused tail is always the same. A longer text is left alone.
std::span<char> ZeroFillTail(std::span<char> buffer, int width);

// Where to break a line of at most `width` characters: the length when the
// text is shorter; `width` when width < 5; else the highest blank at index
// width down to 5; else `width`.
int FindWrapPosition(std::string_view text, int width);
// Copies up to the end or the first carriage return into `out` and returns the
// number of characters copied.
std::size_t CopyLineUntilCR(std::string_view text, std::string& out);

bool IsNonZero(int value);

// XOR of the bytes, masked to 7 bits; 0 for no bytes. A record's checksum is
// this over the record with its byte 0 (the checksum itself) set to 0.
std::uint8_t XorChecksum7(std::span<const std::uint8_t> bytes);

} // namespace kx700
