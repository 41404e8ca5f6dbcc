#include "app/qt/main_frame.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <cstdlib>
#include <functional>
#include <thread>

#include "app/application.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/qt_startup_host.h"
#include "app/qt/status_bar.h"
#include "app/qt/view.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/pty_server.h"
#include "service/qt/card_programming_window.h"
#include "support/fake_dialog_runner.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"
#include "support/fake_settings.h"
#include "support/fake_shell_opener.h"
#include "support/qt/test_service_windows.h"
#include "support/qt/widget_helpers.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using test::Screenshot;

struct Window {
  test::FakeMessageHost host;
  test::FakeSettings settings;
  test::FakeFileDialogs files;
  test::FakeDialogRunner dialogs;
  test::FakeShellOpener shell;
  test::NoStartup startup; // the test makes the frame
  CPc_kx700App app{{host, settings, SystemClock::Instance(), files, dialogs, shell},
                   std::make_unique<test::FakePort>()};
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
  PanelIdentification panel;
  panel.panelNumber = 7;
  panel.technicianMode = true;
  panel.technicianCode = "T42";
  w.app.engine().PanelIdentified(panel);
  EXPECT_EQ(frame.statusBarWithProgress()->technicianPane()->text(), "Technicus mode: T42");
  EXPECT_TRUE(frame.action(kCmdTechnicianMode)->isChecked());

  frame.SetDialogBarText(
      "Centrale \xC9"
      "cole");
  EXPECT_EQ(frame.dialogBarText()->text(), QStringLiteral(u"Centrale École"));
  EXPECT_TRUE(frame.dialogBarText()->font().bold());
}

// A menu as ids, "-" for a separator and the text of an entry without an id.
std::vector<std::string> Entries(QMenu* menu) {
  std::vector<std::string> entries;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator())
      entries.push_back("-");
    else if (a->data().isValid())
      entries.push_back(std::to_string(a->data().toInt()));
    else
      entries.push_back(a->text().toStdString());
  }
  return entries;
}

// Every disabled tool bar button looks disabled: its picture is faded, also
// for icons whose own disabled form would not differ.
TEST(MainFrame, DisabledButtonsLookDisabled) {
  Window w;
  w.frame = std::make_unique<CMainFrame>(w.app);
  w.frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.frame.get()));
  auto* bar = w.frame->findChild<QToolBar*>("toolBar");
  const QSize size = bar->iconSize();
  // The share of the picture that is ink: opacity weighted by darkness.
  const auto ink = [](const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        sum += qAlpha(p) / 255.0 * (1.0 - qGray(p) / 510.0);
      }
    return sum;
  };
  int disabled = 0;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator()) continue;
    const double normal = ink(a->icon().pixmap(size, QIcon::Normal));
    const double faded = ink(a->icon().pixmap(size, QIcon::Disabled));
    EXPECT_LT(faded, normal * 0.5) << a->text().toStdString();
    if (!a->isEnabled()) ++disabled;
  }
  EXPECT_GE(disabled, 6); // no panel: receive, send, the panel functions; and print, edit
  Screenshot(*bar, "tool_bar_disabled.png");
}

TEST(MainFrame, MenusFollowTheCommandTable) {
  test::TempDir dir;
  Window w;
  w.frame = std::make_unique<CMainFrame>(w.app);
  QMenuBar* bar = w.frame->menuBar();
  std::vector<std::string> titles;
  for (QAction* a : bar->actions()) titles.push_back(a->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"&Bestand", "Parameters", "Functies", "Instellingen", "&Extra"}));
  QMenu* file = bar->actions()[0]->menu();
  EXPECT_EQ(Entries(file),
            (std::vector<std::string>{"57600", "57601", "57604", "-", "57607", "57609", "57606", "-", "-", "57665"}));
  EXPECT_EQ(Entries(bar->actions()[1]->menu()), (std::vector<std::string>{"32772", "32773", "32774"}));
  EXPECT_EQ(Entries(bar->actions()[2]->menu()), (std::vector<std::string>{"32787", "32789", "32790", "32791", "32780",
                                                                          "32782", "32799", "32793", "32798"}));
  EXPECT_EQ(Entries(bar->actions()[3]->menu()), (std::vector<std::string>{"32775"}));
  EXPECT_EQ(Entries(bar->actions()[4]->menu()), (std::vector<std::string>{"57664"}));
  for (int printing : {kCmdFilePrint, kCmdFilePrintPreview, kCmdFilePrintSetup})
    EXPECT_TRUE(w.frame->action(printing)->isEnabled()) << printing;
  EXPECT_TRUE(w.frame->action(kCmdFileSaveAs)->isEnabled());

  // The recent files come before Afsluiten.
  const std::string path = dir.File("a.qnd3");
  w.files.script.push_back(path);
  w.frame->RunCommand(kCmdFileSaveAs);
  EXPECT_EQ(Entries(file), (std::vector<std::string>{"57600", "57601", "57604", "-", "57607", "57609", "57606", "-",
                                                     "&1 " + path, "-", "57665"}));
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

// Closing the main window closes each service window through its own close
// path first, and so leaves its link mode.
TEST(MainFrame, ClosingTheMainWindowClosesTheServiceWindowsFirst) {
  Window w;
  w.frame = std::make_unique<CMainFrame>(w.app);
  w.frame->show();
  using Kind = CPc_kx700View::ServiceKind;
  ASSERT_TRUE(w.frame->view()->OpenServiceWindow(Kind::AnalogValues,
                                                 [](QWidget* parent) { return new test::TestAnalogWindow(parent); }));
  EXPECT_EQ(w.app.engine().GetLinkMode(), kLinkAnalogValues);
  EXPECT_FALSE(w.frame->action(kCmdCommunication)->isEnabled()); // the rules follow the mode
  EXPECT_TRUE(w.frame->close());
  QCoreApplication::processEvents();
  EXPECT_EQ(w.frame->view()->serviceWindow(Kind::AnalogValues), nullptr);
  EXPECT_EQ(w.app.engine().GetLinkMode(), kLinkSupervision);
  EXPECT_TRUE(w.frame->action(kCmdCommunication)->isEnabled());
}

// While the relay card window is locked (the panel programs its cards after
// a send) nothing ends the program: not the close box, not "Afsluiten", not
// the application quitting. The main window asks nothing then, not even
// whether to save. Once the card window unlocks, closing goes on as usual.
TEST(MainFrame, StaysOpenWhileTheCardWindowIsLocked) {
  Window w;
  w.frame = std::make_unique<CMainFrame>(w.app);
  w.frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.frame.get()));
  CPc_kx700View& view = *w.frame->view();
  ASSERT_TRUE(view.OpenPeriphProgramming());
  auto* cards = qobject_cast<Cprog_periph*>(view.serviceWindow(CPc_kx700View::ServiceKind::CardProgramming));
  ASSERT_NE(cards, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(cards));
  ASSERT_FALSE(cards->selectionEnabled()); // locked, as it opens after a send

  const auto closeBox = [&] { w.frame->windowHandle()->close(); };
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"close box", closeBox},
      {"Afsluiten", [&] { w.frame->RunCommand(kCmdAppExit); }},
      {"quit",
       [] {
         QEvent quit(QEvent::Quit);
         QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
       }},
  };
  const auto stillOpen = [&] {
    EXPECT_TRUE(w.frame->isVisible());
    ASSERT_EQ(view.serviceWindow(CPc_kx700View::ServiceKind::CardProgramming), cards);
    EXPECT_TRUE(cards->isVisible());
    EXPECT_EQ(w.app.engine().GetLinkMode(), kLinkCardProgramming);
    EXPECT_FALSE(view.ServiceWindowsMayClose()); // what a session end asks
  };
  for (const auto& [way, close] : ways) {
    SCOPED_TRACE(way);
    close();
    QCoreApplication::processEvents();
    stillOpen();
  }
  // A modified document does not ask to be saved while the program cannot end.
  w.app.controller().SetModified(true);
  closeBox();
  QCoreApplication::processEvents();
  stillOpen();
  EXPECT_TRUE(w.host.boxes().empty());

  cards->EnableSelection(true); // as the engine's countdown does
  EXPECT_TRUE(view.ServiceWindowsMayClose());
  w.host.Answer(MessageAnswer::No); // do not save
  EXPECT_TRUE(w.frame->close());
  QCoreApplication::processEvents();
  EXPECT_EQ(view.serviceWindow(CPc_kx700View::ServiceKind::CardProgramming), nullptr);
  EXPECT_EQ(w.app.engine().GetLinkMode(), kLinkSupervision);
  EXPECT_EQ(w.host.boxes().size(), 1u); // the save question, once
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
  test::FakeFileDialogs files;
  test::FakeDialogRunner dialogs;
  test::FakeShellOpener shell;
  {
    CPc_kx700App app(
        {host, settings, SystemClock::Instance(), files, dialogs, shell},
        std::make_unique<Ser_port>(host, [&](const std::string& key) { return settings.ProgramValue(key); }));
    QtStartupHost startup(app);
    ASSERT_TRUE(app.InitInstance(startup, {}));
    CMainFrame& frame = *startup.mainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame.dialogBarText()->text().isEmpty(); }, 5000));
    EXPECT_EQ(frame.dialogBarText()->text(), "Brandweer - Centrale Gent");
    EXPECT_TRUE(app.session().connected());
    Screenshot(frame, "main_frame_connected.png");
  }
  settings.SetProgramValue("Devices/COM9", "");
  server.Stop();
  serving.join();
  EXPECT_TRUE(host.boxes().empty());
}

} // namespace
} // namespace kx700
