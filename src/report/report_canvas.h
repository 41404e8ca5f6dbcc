#pragma once

#include <string_view>

#include "common/colour.h"

// What the configuration report draws on: the screen view, a printer, the
// print preview, a PDF file, or nothing at all while pages are counted.
// Coordinates are 0.1 mm from the report's top left corner, x to the right and
// y upwards, so the report runs down into negative y. A text's top is at y.
namespace kx700 {

enum class FontRole { Body, Bold, Vertical, Underline, Italic, ItalicUnderline, Small, Title };
enum class TextAlign { Left, Centre };

class ReportCanvas {
public:
  virtual ~ReportCanvas() = default;
  // A code page 1252 text; centred texts are centred on x.
  virtual void Text(int x, int y, std::string_view text, FontRole font, ColorRef colour, TextAlign align) = 0;
  // A line from (x1, y1) to (x2, y2); width 0 is the thinnest the device draws.
  virtual void Line(int x1, int y1, int x2, int y2, ColorRef colour, int width) = 0;
  // The width of a text in a font, in 0.1 mm.
  virtual int TextWidth(std::string_view text, FontRole font) const = 0;
};

// Draws nothing and measures texts roughly: for counting pages.
class MeasuringCanvas final : public ReportCanvas {
public:
  void Text(int, int, std::string_view, FontRole, ColorRef, TextAlign) override {}
  void Line(int, int, int, int, ColorRef, int) override {}
  int TextWidth(std::string_view text, FontRole) const override { return static_cast<int>(text.size()) * 20; }
};

} // namespace kx700
