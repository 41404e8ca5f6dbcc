#pragma once

#include <string>

#include "session/panel_session.h"

namespace kx700 {

// What the about box shows: the program's version, and the connected
// panel's with a warning when its major version is not ours.
struct AboutTexts {
  std::string programVersion;
  std::string panelLabel; // empty without a panel
  std::string panelVersion;
  std::string conflict;
};

AboutTexts AboutTextsOf(const PanelSession& session);

} // namespace kx700
