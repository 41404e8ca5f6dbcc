#pragma once

#include <string>

namespace kx700 {

// What the link engine and the commands ask of the main window.
class FrameHost {
public:
  virtual ~FrameHost() = default;
  // The connected panel's text across the top (code page 1252); empty when
  // no panel is connected.
  virtual void SetDialogBarText(const std::string& text) = 0;
  // Something the menu, the tool bar or the technician pane show has
  // changed: refresh them.
  virtual void RefreshCommandStates() = 0;
  // The document changed as a whole (received, opened): views draw anew.
  virtual void DocumentChanged() {}
  // The wait cursor while a command talks to the panel.
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}
  // Opens the relay card reprogramming window; false when there is none.
  virtual bool OpenPeriphProgramming() { return false; }
};

// The modeless service windows that the link engine drives.
class AnalogValuesWindow {
public:
  virtual ~AnalogValuesWindow() = default;
  // Shows the loop just polled.
  virtual void RefreshCurrentLoop() = 0;
};

class CardProgrammingWindow {
public:
  virtual ~CardProgrammingWindow() = default;
  // Shows the progress answer just taken.
  virtual void ShowProgress() = 0;
  // Lets the user choose the next card (or not).
  virtual void EnableSelection(bool enable) = 0;
};

} // namespace kx700
