#pragma once

#include <QMainWindow>

#include <map>

#include "app/frame_host.h"
#include "link/progress_sink.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace kx700 {

class CPc_kx700App;
class CStatusBarWithProgress;

// Command ids of the menu and the tool bar.
enum CommandId : int {
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSaveAs = 57604,
  kCmdFilePrint = 57607,
  kCmdAppExit = 57665,
  kCmdEditParameters = 32772,
  kCmdReceive = 32773,
  kCmdSend = 32774,
  kCmdCommunication = 32775,
  kCmdSilence = 32780,
  kCmdReset = 32782,
  kCmdAnalogValues = 32787,
  kCmdTechnicianMode = 32798,
  kCmdAbout = 57664,
};

// The main window: menu, tool bar, the dialog bar with the connected
// panel's text, the view, and the status bar with its progress bar.
class CMainFrame : public QMainWindow, public FrameHost {
  Q_OBJECT

public:
  explicit CMainFrame(CPc_kx700App& app, QWidget* parent = nullptr);
  ~CMainFrame() override;

  void SetDialogBarText(const std::string& text) override;
  void RefreshCommandStates() override;

  QAction* action(int id) const;
  CStatusBarWithProgress* statusBarWithProgress() const { return status_; }
  QLabel* dialogBarText() const { return panelText_; }
  ProgressSink& progress() { return progress_; }

  void OnAppAbout();
  void OnCommunicationSettings();

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

  QAction* AddCommand(int id, const QString& text, const QKeySequence& shortcut, const QIcon& icon);
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
  QAction* recentSeparator_ = nullptr;
  std::vector<QAction*> recentActions_;
  CStatusBarWithProgress* status_ = nullptr;
  QLabel* panelText_ = nullptr;
};

} // namespace kx700
