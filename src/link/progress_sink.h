#pragma once

namespace kx700 {

// The caption a long transfer shows beside its progress bar.
// "Ontvangen", "Verzenden", "Actualiseren"
enum class ProgressText { Receiving, Sending, Updating };

// The status bar's progress bar, as long transfers drive it.
class ProgressSink {
public:
  virtual ~ProgressSink() = default;
  virtual bool IsProgressShown() const = 0;
  // Shows the bar with the range 0 to count at 0; returns whether it is shown.
  virtual bool ShowProgress(ProgressText text, int count) = 0;
  virtual void StepProgress() = 0;
  // Hides the bar and gives the pane its text back.
  virtual void HideProgress() = 0;
};

} // namespace kx700
