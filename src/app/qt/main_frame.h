#pragma once

#include <QMainWindow>

#include <map>

#include "app/commands.h"
#include "app/frame_host.h"
#include "link/progress_sink.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace kx700 {

class CPc_kx700App;
class CPc_kx700View;
class CStatusBarWithProgress;

// The main window: menu, tool bar, the dialog bar with the connected
// panel's text, the view, and the status bar with its progress bar.
class CMainFrame : public QMainWindow, public FrameHost {
  Q_OBJECT

public:
  explicit CMainFrame(CPc_kx700App& app, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // FrameHost
  void PanelSessionChanged(const PanelSession& session) override;
  void RefreshCommandStates() override;
  void DocumentChanged() override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void CloseMainWindow() override;

  // The connected panel's text across the top (code page 1252).
  void SetDialogBarText(const std::string& text);

  QAction* action(int id) const;
  CStatusBarWithProgress* statusBarWithProgress() const { return status_; }
  QLabel* dialogBarText() const { return panelText_; }
  CPc_kx700View* view() const { return view_; }
  // Runs a command as its menu entry or tool bar button does, after checking
  // its rule again.
  void RunCommand(int id);
  ProgressSink& progress() { return progress_; }

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  // The status bar's progress bar as long transfers drive it.
  class Progress final : public ProgressSink {
  public:
    explicit Progress(CMainFrame& frame) : frame_(frame) {}
    bool IsProgressShown() const override;
    bool ShowProgress(ProgressText text, int count) override;
    void StepProgress() override;
    void HideProgress() override;

  private:
    CMainFrame& frame_;
  };

  void CreateCommands();
  void CreateMenus();
  void CreateToolBar();
  void CreateDialogBar();
  void UpdateTitle();
  void UpdateRecentFiles();
  void UpdateTechnicianPane();

  CPc_kx700App& app_;
  Progress progress_{*this};
  std::map<int, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentEnd_ = nullptr; // the recent files stand before it
  std::vector<QAction*> recentActions_;
  CStatusBarWithProgress* status_ = nullptr;
  CPc_kx700View* view_ = nullptr;
  QLabel* panelText_ = nullptr;
};

} // namespace kx700
