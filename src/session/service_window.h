#pragma once

namespace kx700 {

class LinkEngine;

// A modeless service window that a link mode serves while it is open. The
// engine holds the window only while it is in the window's mode; leaving the
// mode drops the window, and a window that goes leaves its mode, so the
// engine never reaches a window that is gone.
class ServiceWindow {
public:
  ServiceWindow() = default;
  ServiceWindow(const ServiceWindow&) = delete;
  ServiceWindow& operator=(const ServiceWindow&) = delete;
  virtual ~ServiceWindow();

  // Enters the link mode this window needs; false while another mode is on.
  virtual bool EnterLinkMode(LinkEngine& engine) = 0;
  // Back to supervision, when this window is the one served.
  void LeaveLinkMode();
  bool served() const { return engine_ != nullptr; }
  // Whether the window would close now; one that would not keeps the
  // program from ending.
  virtual bool MayClose() const { return true; }

private:
  friend class LinkEngine;
  LinkEngine* engine_ = nullptr;
};

// Link mode 1: the analog values, polled loop by loop.
class AnalogValuesWindow : public ServiceWindow {
public:
  bool EnterLinkMode(LinkEngine& engine) final;
  // Shows the loop just polled.
  virtual void RefreshCurrentLoop() = 0;
};

// Link mode 2: the progress of relay card reprogramming.
class CardProgrammingWindow : public ServiceWindow {
public:
  bool EnterLinkMode(LinkEngine& engine) final;
  // Shows the progress answer just taken.
  virtual void ShowProgress() = 0;
  // Lets the user choose the next card (or not).
  virtual void EnableSelection(bool enable) = 0;
};

// Link mode 3: the control test talks to the panel itself; the engine keeps
// still.
class ControlTestWindow : public ServiceWindow {
public:
  bool EnterLinkMode(LinkEngine& engine) final;
};

// Opens the modeless service windows; the main view does it. Each opens at
// most once and enters its link mode with it.
class ServiceWindowHost {
public:
  virtual ~ServiceWindowHost() = default;
  // The analog values window; false when it cannot be opened.
  virtual bool OpenAnalogValues() = 0;
  // The relay card reprogramming window; false when it cannot be opened.
  virtual bool OpenPeriphProgramming() = 0;
  // The control test window; false when it cannot be opened.
  virtual bool OpenTestControls() = 0;
  virtual bool IsTestControlsOpen() const = 0;
};

} // namespace kx700
