#pragma once

#include <string>

#include "link/panel_identification.h"

namespace kx700 {

// What the about box shows: the program's version, and the connected
// panel's with a warning when its major version is not ours.
struct AboutTexts {
  std::string programVersion;
  std::string panelLabel; // empty without a panel
  std::string panelVersion;
  std::string conflict;
};

AboutTexts AboutTextsOf(bool connected, const PanelIdentification& panel);

} // namespace kx700
