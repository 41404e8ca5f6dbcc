#pragma once

#include <cstdint>

// Colours as the windows give them: a (red, green, blue) triple packed as
// 0x00BBGGRR, or one of the desktop's system colours, which follows the
// current theme and is resolved only when something is drawn.
namespace kx700 {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColorRef{red} | (ColorRef{green} << 8) | (ColorRef{blue} << 16);
}
constexpr std::uint8_t RedOf(ColorRef c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(ColorRef c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(ColorRef c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }

// System colour indexes, numbered as the original platform numbers them.
enum class SystemColour : std::uint8_t {
  Window = 5,
  WindowText = 8,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  ButtonShadow = 16,
  GrayText = 17,
  ButtonText = 18,
  ButtonHighlight = 20,
  DarkShadow3D = 21,
  Light3D = 22,
  InfoText = 23,
  InfoBackground = 24,
};

// A system colour travels in the same 32 bits as a triple, marked by the top
// bit, so it can be stored in a cell and read back like any other colour.
inline constexpr ColorRef kSystemColourFlag = 0x80000000u;

constexpr ColorRef SystemColor(SystemColour index) { return kSystemColourFlag | static_cast<ColorRef>(index); }
constexpr bool IsSystemColor(ColorRef c) { return (c & kSystemColourFlag) != 0; }
constexpr int SystemColorIndex(ColorRef c) { return static_cast<int>(c & 0xFF); }

inline constexpr ColorRef kBlack = Rgb(0, 0, 0);
inline constexpr ColorRef kWhite = Rgb(255, 255, 255);

} // namespace kx700
