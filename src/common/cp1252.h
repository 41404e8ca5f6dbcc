#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Code page 1252 is how every text travels in records, files and panel frames.
// The core keeps texts as those bytes; UTF-8 is only for exports and sources.
// The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control characters of the same value, so every byte
// value survives a round trip.
namespace kx700 {

// The Unicode code point of one code page 1252 byte.
char32_t Cp1252ToUnicode(std::uint8_t byte);
// The code page 1252 byte of a code point, or nothing when it has none.
std::optional<std::uint8_t> UnicodeToCp1252(char32_t codePoint);
// The byte a character put into a record's text is kept as, or nothing when
// the records cannot carry it to the panel and back as it is: a character
// outside the code page, a control character, or one of 0x80..0xBF, which the
// parameter image sends unchanged and the panel's answer raises by 0x40 (a
// '€' would come back as 'À'). 'i' stands for 'î', whose byte 0xEE the
// configuration file cannot carry.
std::optional<std::uint8_t> EnteredTextByte(char32_t codePoint);

std::string Cp1252ToUtf8(std::string_view cp1252);
// Nothing when the input is not valid UTF-8 or holds a character that code
// page 1252 cannot carry.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

} // namespace kx700
