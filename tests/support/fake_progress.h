#pragma once

#include <vector>

#include "link/progress_sink.h"

namespace kx700::test {

// Records what a transfer does with the progress bar.
class FakeProgress final : public ProgressSink {
public:
  bool IsProgressShown() const override { return shown; }
  bool ShowProgress(ProgressText text, int count) override {
    shown = true;
    shows.push_back({text, count});
    steps = 0;
    return true;
  }
  void StepProgress() override { ++steps; }
  void HideProgress() override { shown = false; }

  struct Show {
    ProgressText text;
    int count;
  };
  bool shown = false;
  int steps = 0;
  std::vector<Show> shows;
};

} // namespace kx700::test
