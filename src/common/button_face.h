#pragma once

#include <vector>

#include "common/colour.h"

// How the colour button paints itself in each state, kept apart from the
// widget so that the decisions can be read and tested without a display.
namespace kx700 {

// Frame style bits.
inline constexpr int kFrameSunken = 1;
inline constexpr int kFrameRaised = 2;
inline constexpr int kFrameOutline = 4; // a black line around the rest

struct ButtonState {
  bool disabled = false;
  bool pressed = false;
  bool focused = false;
  bool is_default = false;
};

struct ButtonColours {
  ColorRef text = SystemColor(SystemColour::ButtonText);
  ColorRef face = SystemColor(SystemColour::ButtonFace);
  ColorRef disabled_face = SystemColor(SystemColour::ButtonFace);
  ColorRef light = SystemColor(SystemColour::Light3D);
  ColorRef highlight = SystemColor(SystemColour::ButtonHighlight);
  ColorRef shadow = SystemColor(SystemColour::ButtonShadow);
  ColorRef dark_shadow = SystemColor(SystemColour::DarkShadow3D);
};

// The caption is drawn once per pass, moved by (dx, dy) from the button's
// rectangle.
struct CaptionPass {
  ColorRef colour;
  int dx;
  int dy;
};

struct ButtonLook {
  ColorRef face;
  int frame_style;
  std::vector<CaptionPass> caption;
  bool focus_rect; // dotted, 4 pixels inside the edge
};

inline ButtonLook ButtonLookFor(const ButtonState& state, const ButtonColours& colours) {
  ButtonLook look{};
  look.face = state.disabled ? colours.disabled_face : colours.face;
  if (state.pressed)
    look.frame_style = kFrameSunken;
  else if (state.focused || state.is_default)
    look.frame_style = kFrameOutline | kFrameRaised;
  else
    look.frame_style = kFrameRaised;
  if (state.disabled)
    look.caption = {{kWhite, 0, 0}, {Rgb(128, 128, 128), -1, -1}}; // embossed
  else if (state.pressed)
    look.caption = {{colours.text, 0, 0}};
  else
    look.caption = {{colours.text, -1, -1}}; // so pressing moves it right and down
  look.focus_rect = state.focused;
  return look;
}

// A rectangle whose right and bottom are just outside it.
struct EdgeRect {
  int left;
  int top;
  int right;
  int bottom;
};

// A line from (x1, y1) up to, not including, (x2, y2).
struct EdgeLine {
  int x1;
  int y1;
  int x2;
  int y2;
  ColorRef colour;
};

// The lines of a button frame, in drawing order (later lines win where they
// cross). Each ring is drawn top, left, bottom, right, and the next ring one
// pixel further in.
inline std::vector<EdgeLine> ButtonFrameLines(EdgeRect r, int style, const ButtonColours& colours) {
  std::vector<EdgeLine> lines;
  const auto ring = [&](ColorRef top_left, ColorRef bottom_right) {
    lines.push_back({r.left, r.top, r.right, r.top, top_left});
    lines.push_back({r.left, r.top, r.left, r.bottom, top_left});
    lines.push_back({r.left, r.bottom - 1, r.right, r.bottom - 1, bottom_right});
    lines.push_back({r.right - 1, r.top, r.right - 1, r.bottom, bottom_right});
  };
  const auto shrink = [&] { r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; };
  if (style & kFrameOutline) {
    ring(kBlack, kBlack);
    shrink();
  }
  if (style & kFrameRaised) {
    ring(colours.highlight, colours.dark_shadow);
    shrink();
    ring(colours.light, colours.shadow);
  }
  if (style & kFrameSunken) {
    ring(colours.dark_shadow, colours.dark_shadow);
    shrink();
    ring(colours.shadow, colours.shadow);
  }
  return lines;
}

} // namespace kx700
