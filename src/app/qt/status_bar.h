#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

namespace kx700 {

// The status bar: the message pane, the technician pane and the lock-key
// panes; during long transfers a progress bar right of the message pane's
// text.
class CStatusBarWithProgress : public QStatusBar {
  Q_OBJECT

public:
  explicit CStatusBarWithProgress(int progressWidth = 100, QWidget* parent = nullptr);

  // Shows the bar; a text replaces the message pane's (kept to come back
  // with `save`). Returns whether the bar is shown; a second call changes
  // nothing.
  bool ShowProgress(const QString& text, bool save);
  // Hides the bar; with `restore` the kept text comes back.
  bool HideProgress(bool restore);
  bool IsProgressShown() const { return shown_; }
  void ProgressSetRange(int low, int high);
  void ProgressSetPos(int position);
  void ProgressSetStep(int step);
  void ProgressStepIt();

  void SetPaneText(const QString& text);
  QString PaneText() const;
  void SetTechnicianPane(const QString& text);
  QProgressBar* progressBar() const { return progress_; }
  QLabel* technicianPane() const { return technician_; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void RepositionProgress();

  QLabel* pane_ = nullptr;
  QLabel* technician_ = nullptr;
  QProgressBar* progress_ = nullptr;
  int progressWidth_;
  int step_ = 1;
  bool shown_ = false;
  QString saved_;
};

} // namespace kx700
