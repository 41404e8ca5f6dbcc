#pragma once

#include "session/panel_session.h"

namespace kx700 {

// What the application object asks of the main window.
class FrameHost {
public:
  virtual ~FrameHost() = default;
  // The panel session changed: the dialog bar shows its text (empty when no
  // panel is connected) and the enable rules are applied again, together.
  virtual void PanelSessionChanged(const PanelSession& session) = 0;
  // Something the menu, the tool bar or the technician pane show has
  // changed: refresh them.
  virtual void RefreshCommandStates() = 0;
  // The document changed as a whole (received, opened): views draw anew.
  virtual void DocumentChanged() {}
  // The wait cursor while a command talks to the panel.
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}
  // "Afsluiten": the main window closes as when its close box is used.
  virtual void CloseMainWindow() {}
};

} // namespace kx700
