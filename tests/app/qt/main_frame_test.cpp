#include "app/qt/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>

#include <cstdlib>
#include <thread>

#include "app/application.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/qt_startup_host.h"
#include "app/qt/status_bar.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/pty_server.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_settings.h"

namespace kx700 {
namespace {

void Screenshot(QWidget& w, const char* name) {
  if (const char* dir = std::getenv("KX700_SCREENSHOTS")) w.grab().save(QString::fromLocal8Bit(dir) + "/" + name);
}

// Start-up without windows of its own: the test makes the frame.
struct NoWindows final : StartupHost {
  bool LoadTranslation(const std::string&) override { return false; }
  void CreateMainWindow() override {}
  bool OpenDocumentFile(const std::string&) override { return true; }
  void ShowMainWindow() override {}
};

struct Window {
  test::FakeMessageHost host;
  test::FakeSettings settings;
  test::FakeFileDialogs dialogs;
  NoWindows startup;
  CPc_kx700App app{host, settings, SystemClock::Instance(), dialogs, std::make_unique<test::FakePort>()};
  std::unique_ptr<CMainFrame> frame;
  Window() { app.InitInstance(startup, {}); }
};

TEST(MainFrame, ToolBarTitleAndPanes) {
  Window w;
  w.frame = std::make_unique<CMainFrame>(w.app);
  CMainFrame& frame = *w.frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  EXPECT_EQ(frame.windowTitle(), "Naamloos - KX700 - configuratie");

  auto* bar = frame.findChild<QToolBar*>("toolBar");
  ASSERT_NE(bar, nullptr);
  std::vector<int> layout;
  for (QAction* a : bar->actions()) layout.push_back(a->isSeparator() ? 0 : a->data().toInt());
  EXPECT_EQ(layout, (std::vector<int>{57600, 57601, 57604, 0, 57607, 0, 32772, 32773, 32774, 0, 32780, 32782, 32787,
                                      32798, 0, 57664}));
  EXPECT_EQ(frame.action(kCmdFileSaveAs)->shortcut(), QKeySequence("Ctrl+S"));

  EXPECT_EQ(frame.statusBarWithProgress()->technicianPane()->text(), "   ");
  w.app.identification.technicianMode = true;
  w.app.identification.technicianCode = "T42";
  frame.RefreshCommandStates();
  EXPECT_EQ(frame.statusBarWithProgress()->technicianPane()->text(), "Technicus mode: T42");
  EXPECT_TRUE(frame.action(kCmdTechnicianMode)->isChecked());

  frame.SetDialogBarText(
      "Centrale \xC9"
      "cole");
  EXPECT_EQ(frame.dialogBarText()->text(), QStringLiteral(u"Centrale École"));
  EXPECT_TRUE(frame.dialogBarText()->font().bold());
}

TEST(MainFrame, ProgressBarStandsRightOfThePaneText) {
  Window w;
  w.frame = std::make_unique<CMainFrame>(w.app);
  CMainFrame& frame = *w.frame;
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
  CStatusBarWithProgress& bar = *frame.statusBarWithProgress();

  EXPECT_FALSE(bar.HideProgress(true)); // nothing shown: nothing changes
  bar.SetPaneText("Gereed");
  EXPECT_TRUE(bar.ShowProgress(QString(), true)); // no text: the pane keeps its own
  EXPECT_EQ(bar.PaneText(), "Gereed");
  EXPECT_TRUE(bar.ShowProgress("Anders", true)); // already shown: no change
  EXPECT_EQ(bar.PaneText(), "Gereed");
  EXPECT_FALSE(bar.HideProgress(false));

  // Through the application, as a transfer drives it.
  EXPECT_TRUE(w.app.ShowProgress(ProgressText::Receiving, 5));
  w.app.StepProgress();
  w.app.StepProgress();
  EXPECT_EQ(bar.PaneText(), "Ontvangen");
  EXPECT_EQ(bar.progressBar()->value(), 2);
  EXPECT_EQ(bar.progressBar()->maximum(), 5);
  const auto rightOfText = [&] {
    return bar.progressBar()->geometry().left() >= bar.fontMetrics().horizontalAdvance(bar.PaneText()) + 10 - 1;
  };
  EXPECT_TRUE(rightOfText());
  frame.resize(500, 400);
  QTest::qWait(20);
  EXPECT_TRUE(rightOfText());
  Screenshot(frame, "main_frame_progress.png");
  w.app.HideProgress();
  EXPECT_FALSE(bar.IsProgressShown());
  EXPECT_EQ(bar.PaneText(), "Gereed");
}

TEST(MainFrame, ConnectedToTheSimulatedPanel) {
  panelsim::Engine panel;
  panelsim::FillText(panel.state().identification, "Brandweer");
  panelsim::FillText(panel.state().panelName, "Centrale Gent");
  panelsim::PtyServer server(panel);
  ASSERT_TRUE(server.Open()) << server.error();
  std::thread serving([&] { server.Serve(); });

  test::FakeMessageHost host;
  QtSettingsStore settings;
  ASSERT_TRUE(settings.SetProgramValue("Com_port", "COM9"));
  ASSERT_TRUE(settings.SetProgramValue("Devices/COM9", server.SlavePath()));
  test::FakeFileDialogs dialogs;
  {
    CPc_kx700App app(
        host, settings, SystemClock::Instance(), dialogs,
        std::make_unique<Ser_port>(host, [&](const std::string& key) { return settings.ProgramValue(key); }));
    QtStartupHost startup(app);
    ASSERT_TRUE(app.InitInstance(startup, {}));
    CMainFrame& frame = *startup.mainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.dialogBarText()->text().isEmpty(); }, 5000));
    EXPECT_EQ(frame.dialogBarText()->text(), "Brandweer - Centrale Gent");
    EXPECT_TRUE(app.connected);
    Screenshot(frame, "main_frame_connected.png");
  }
  settings.SetProgramValue("Devices/COM9", "");
  server.Stop();
  serving.join();
  EXPECT_TRUE(host.boxes().empty());
}

} // namespace
} // namespace kx700
