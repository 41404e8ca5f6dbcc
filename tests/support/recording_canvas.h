#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_canvas.h"

namespace kx700::test {

// One call the report made on the canvas.
struct CanvasCall {
  enum class Kind { Text, Line };
  Kind kind = Kind::Text;
  int x = 0;
  int y = 0;
  int x2 = 0; // lines only
  int y2 = 0; // lines only
  std::string text;
  FontRole font = FontRole::Body;
  ColorRef colour = kBlack;
  TextAlign align = TextAlign::Left;
  int width = 0; // lines only

  bool operator==(const CanvasCall&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const CanvasCall& c) {
  if (c.kind == CanvasCall::Kind::Line)
    return os << "Line(" << c.x << ", " << c.y << ", " << c.x2 << ", " << c.y2 << ", colour " << c.colour << ", width "
              << c.width << ")";
  return os << "Text(" << c.x << ", " << c.y << ", \"" << c.text << "\", font " << static_cast<int>(c.font)
            << ", colour " << c.colour << (c.align == TextAlign::Centre ? ", centred)" : ")");
}

// Keeps every text and line in the order they were drawn. A text measures 10
// per character in the body font and 30 in any other, so a position worked
// out from the wrong font, or from a fixed guess, shows.
class RecordingCanvas final : public ReportCanvas {
public:
  void Text(int x, int y, std::string_view text, FontRole font, ColorRef colour, TextAlign align) override {
    calls.push_back({CanvasCall::Kind::Text, x, y, 0, 0, std::string(text), font, colour, align, 0});
  }
  void Line(int x1, int y1, int x2, int y2, ColorRef colour, int width) override {
    calls.push_back({CanvasCall::Kind::Line, x1, y1, x2, y2, {}, FontRole::Body, colour, TextAlign::Left, width});
  }
  int TextWidth(std::string_view text, FontRole font) const override {
    return static_cast<int>(text.size()) * (font == FontRole::Body ? 10 : 30);
  }

  std::vector<CanvasCall> calls;
};

} // namespace kx700::test
