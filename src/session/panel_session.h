#pragma once

#include <string>

#include "link/panel_identification.h"

namespace kx700 {

// The connected panel as the program knows it: what it said of itself, and
// the text the dialog bar shows. A panel is connected exactly while that
// text is not empty; every enable rule, the dialog bar, the about box and the
// version rules read it here.
struct PanelSession {
  PanelIdentification identification;
  std::string statusText; // code page 1252

  bool connected() const { return !statusText.empty(); }
};

} // namespace kx700
