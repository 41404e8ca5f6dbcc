#include "common/cp1252.h"

#include <array>

namespace kx700 {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Every code point of the code page lies below 0x10000.
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `pos`, advancing it; nothing on a malformed,
// overlong or surrogate sequence.
std::optional<char32_t> DecodeUtf8(std::string_view in, std::size_t& pos) {
  const auto lead = static_cast<std::uint8_t>(in[pos]);
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (in.size() - pos <= static_cast<std::size_t>(extra)) return std::nullopt;
  for (int i = 1; i <= extra; ++i) {
    const auto next = static_cast<std::uint8_t>(in[pos + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  pos += extra + 1;
  return cp;
}

} // namespace

char32_t Cp1252ToUnicode(std::uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<std::uint8_t> UnicodeToCp1252(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<std::uint8_t>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<std::uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

std::optional<std::uint8_t> EnteredTextByte(char32_t codePoint) {
  if (codePoint == 0x00EE) return static_cast<std::uint8_t>('i');
  const auto byte = UnicodeToCp1252(codePoint);
  if (!byte || *byte < 0x20 || *byte == 0x7F || (*byte >= 0x80 && *byte <= 0xBF)) return std::nullopt;
  return byte;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252) AppendUtf8(out, Cp1252ToUnicode(static_cast<std::uint8_t>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto cp = DecodeUtf8(utf8, pos);
    if (!cp) return std::nullopt;
    const auto byte = UnicodeToCp1252(*cp);
    if (!byte) return std::nullopt;
    out.push_back(static_cast<char>(*byte));
  }
  return out;
}

} // namespace kx700
