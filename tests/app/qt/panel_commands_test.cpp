// The program against the simulated panel on a pseudo-terminal, through the
// real serial port, its idle engine and its main window, with the message
// boxes answered from a script.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <thread>

#include "app/application.h"
#include "app/qt/about_dialog.h"
#include "app/qt/main_frame.h"
#include "app/qt/program_icon.h"
#include "app/qt/qt_settings_store.h"
#include "app/qt/qt_startup_host.h"
#include "app/qt/view.h"
#include "common/qt/colour_button.h"
#include "common/qt/flex_grid.h"
#include "link/serial_port.h"
#include "panelsim/engine.h"
#include "panelsim/parameter_image.h"
#include "panelsim/pty_server.h"
#include "service/qt/analog_values_window.h"
#include "service/qt/card_programming_window.h"
#include "service/qt/control_test_window.h"
#include "service/qt/periphery_dialogs.h"
#include "support/fake_dialog_runner.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_shell_opener.h"
#include "support/qt/test_service_windows.h"
#include "support/qt/when_modal_shows.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::Screenshot;
using Cell = test::GridCell;
using test::CellAt;

constexpr SupervisionTiming kQuickSupervision{200, 100};

class ProgramWithPanel : public testing::Test {
protected:
  void SetUp() override {
    panel.SetBaud(0);
    panel.SetProgramCardsAfterDownload(false);
    ASSERT_TRUE(server.Open()) << server.error();
    serving = std::thread([this] { server.Serve(); });
    ASSERT_TRUE(settings.SetProgramValue("Com_port", "COM9"));
    ASSERT_TRUE(settings.SetProgramValue("Devices/COM9", server.SlavePath()));
    app = std::make_unique<CPc_kx700App>(
        AppSeams{host, settings, SystemClock::Instance(), files, dialogs, shell},
        std::make_unique<Ser_port>(host, [this](const std::string& key) { return settings.ProgramValue(key); }));
    // The panel is asked often, so that finding and losing it takes no real seconds.
    app->engine().SetSupervisionTiming(kQuickSupervision);
    startup = std::make_unique<QtStartupHost>(*app);
    ASSERT_TRUE(app->InitInstance(*startup, {}));
    frame = startup->mainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app->session().connected(); }, 5000));
  }
  void TearDown() override {
    startup.reset();
    app.reset();
    settings.SetProgramValue("Devices/COM9", "");
    server.Stop();
    serving.join();
  }
  void Run(int command) {
    frame->RunCommand(command);
    QCoreApplication::processEvents();
  }
  template <typename F>
  void WithPanel(F f) {
    server.WithEngine([&](panelsim::Engine& e) { f(e); });
  }

  panelsim::Engine panel{panelsim::RealisticPanel()};
  panelsim::PtyServer server{panel};
  std::thread serving;
  test::FakeMessageHost host;
  QtSettingsStore settings;
  test::FakeFileDialogs files;
  test::FakeDialogRunner dialogs;
  test::FakeShellOpener shell;
  std::unique_ptr<CPc_kx700App> app;
  std::unique_ptr<QtStartupHost> startup;
  CMainFrame* frame = nullptr;
};

TEST_F(ProgramWithPanel, ReceiveSendAndCommands) {
  EXPECT_FALSE(frame->dialogBarText()->text().isEmpty());
  EXPECT_TRUE(frame->action(kCmdReceive)->isEnabled());
  EXPECT_TRUE(frame->action(kCmdSend)->isEnabled());

  // Ontvangen: the configuration of the panel becomes the document's.
  Run(kCmdReceive);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Configuratie ontvangen");
  EXPECT_EQ(host.boxes()[0].text, "Transmissie succesvol!");
  CPc_kx700Doc& doc = app->document();
  EXPECT_FALSE(doc.loops.empty());
  EXPECT_EQ(doc.sourcePanelNumber, panel.state().panelNumber);
  EXPECT_EQ(doc.version.major, 1);
  EXPECT_EQ(frame->windowTitle(), "Naamloos - KX700 - configuratie");
  Screenshot(*frame, "main_frame_received.png");

  // Verzenden of that document gives the panel the same image back.
  std::vector<std::uint8_t> before;
  WithPanel([&](panelsim::Engine& e) { before = e.state().image; });
  const std::size_t boxes = host.boxes().size();
  host.Answer(MessageAnswer::Ok); // the overwrite question; the checks find nothing
  frame->RunCommand(kCmdSend);
  // The panel restarts: its text and the commands that need it go together.
  EXPECT_TRUE(frame->dialogBarText()->text().isEmpty());
  EXPECT_FALSE(frame->action(kCmdSend)->isEnabled());
  EXPECT_FALSE(frame->action(kCmdSilence)->isEnabled());
  EXPECT_FALSE(app->session().connected()); // found anew after a send
  QCoreApplication::processEvents();
  std::vector<std::uint8_t> after;
  WithPanel([&](panelsim::Engine& e) { after = e.state().image; });
  EXPECT_EQ(after, before);
  ASSERT_EQ(host.boxes().size(), boxes + 1);
  EXPECT_EQ(host.boxes()[boxes].caption, "Configuratie verzenden");
  EXPECT_EQ(host.boxes()[boxes].text, "De actuele configuratie zal overschreven worden.\n Wilt u doorgaan?");
  EXPECT_EQ(host.pendingAnswers(), 0u);
  // The configuration has relay cards: their window in place of the success box.
  auto* cards = qobject_cast<Cprog_periph*>(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::CardProgramming));
  ASSERT_NE(cards, nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkCardProgramming);
  cards->EnableSelection(true); // as when the panel has been silent long enough
  cards->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->session().connected(); }, 8000));
  EXPECT_FALSE(frame->dialogBarText()->text().isEmpty());
  EXPECT_TRUE(frame->action(kCmdSend)->isEnabled());

  // Stilte, Reset and Technicus mode reach the panel.
  Run(kCmdSilence);
  Run(kCmdReset);
  Run(kCmdTechnicianMode);
  int silences = 0, resets = 0;
  bool technician = false;
  WithPanel([&](panelsim::Engine& e) {
    silences = e.state().silences;
    resets = e.state().resets;
    technician = e.state().technicianMode;
  });
  EXPECT_EQ(silences, 1);
  EXPECT_EQ(resets, 1);
  EXPECT_TRUE(technician);
  EXPECT_TRUE(frame->action(kCmdTechnicianMode)->isChecked());
  EXPECT_EQ(host.boxes().back().caption, "Technicus mode aan");
}

TEST_F(ProgramWithPanel, RefusalsAndFailures) {
  // A panel demanding a newer program.
  WithPanel([](panelsim::Engine& e) { e.state().minProgramMinor = 3; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->session().identification.minimumProgramMinor == 3; }, 8000));
  Run(kCmdReceive);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 19");
  EXPECT_TRUE(app->document().loops.empty());

  // A transfer that fails half-way leaves the document as it was.
  WithPanel([](panelsim::Engine& e) {
    e.state().minProgramMinor = 2;
    auto rule = panelsim::AnswersWithCode(panelsim::Fault::kDrop, 35, 1);
    rule.every = 3;
    e.faults().Add(rule);
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->session().identification.minimumProgramMinor == 2; }, 8000));
  app->document().loops.emplace_back().SetByte(LoopRecord::kNumber, 12);
  const Configuration before = app->document().configuration();
  host.Answer(MessageAnswer::Ok); // overwrite the document
  Run(kCmdReceive);
  EXPECT_EQ(host.boxes().back().caption, "Fout 6");
  EXPECT_EQ(app->document().configuration(), before);

  // A panel that stops answering: the text goes, the commands refuse.
  WithPanel([](panelsim::Engine& e) {
    e.faults().Add(panelsim::AnswersTo(panelsim::Fault::kDrop, 48, panelsim::kUnlimited));
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return !app->session().connected(); }, 15000));
  EXPECT_TRUE(frame->dialogBarText()->text().isEmpty());
  EXPECT_FALSE(frame->action(kCmdSilence)->isEnabled());
  Run(kCmdSilence); // disabled: nothing runs
  app->OnSilence(); // and when called anyway, the panel is missed
  EXPECT_EQ(host.boxes().back().caption, "Fout 24");
  EXPECT_EQ(host.boxes().back().text, "Geen centrale aanwezig!");
}

TEST_F(ProgramWithPanel, AboutBoxWithThePanel) {
  CAboutDlg about(AboutTextsOf(app->session()), frame);
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  EXPECT_EQ(about.findChild<QLabel*>("programVersion")->text(), "1.02  02");
  EXPECT_EQ(about.findChild<QLabel*>("panelLabel")->text(), "Centrale");
  EXPECT_FALSE(about.findChild<QLabel*>("panelVersion")->text().isEmpty());
  EXPECT_TRUE(about.findChild<QLabel*>("conflict")->text().isEmpty());
  // The panel model with its maker, and the program's icon.
  EXPECT_EQ(about.findChild<QLabel*>("product")->text(), "Brandmeldcentrale KX700 - Quendar");
  const QImage icon = about.findChild<QLabel*>("programIcon")->pixmap().toImage();
  EXPECT_EQ(icon, ProgramIcon().pixmap(48, 48).toImage());
  EXPECT_EQ(icon.pixelColor(24, 8), QColor(0xc6, 0x28, 0x28));  // the red panel
  EXPECT_EQ(icon.pixelColor(15, 33), QColor(0xff, 0xeb, 0x3b)); // the yellow lamp
  Screenshot(about, "about.png");
}

TEST_F(ProgramWithPanel, AnalogValuesFollowThePanel) {
  Run(kCmdAnalogValues);
  auto* window = qobject_cast<Can_values*>(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::AnalogValues));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkAnalogValues);
  EXPECT_FALSE(frame->action(kCmdAnalogValues)->isEnabled());
  // Every loop fills in: those at the panel with their values, the others grey.
  const auto filled = [&] {
    for (int loop = 1; loop <= 16; ++loop) {
      const Cell value = CellAt(window->loopGrid(loop > 8), (loop - 1) % 8 + 1, 1);
      if (loop <= 6 ? value.text == "-" : value.back != kAnalogNoAnswer) return false;
    }
    return true;
  };
  ASSERT_TRUE(QTest::qWaitFor(filled, 5000));
  EXPECT_EQ(CellAt(window->loopGrid(0), 2, 1).back, kWhite);
  WithPanel([](panelsim::Engine& e) { e.state().Loop(2).inTest = true; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return CellAt(window->loopGrid(0), 2, 1).back == kAnalogInTest; }, 5000));
  Screenshot(*window, "analog_values_live.png");

  window->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::AnalogValues), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  EXPECT_TRUE(frame->action(kCmdAnalogValues)->isEnabled());
}

TEST_F(ProgramWithPanel, SendingRelayCardsOpensTheirWindowWhichProgramsACard) {
  // Eight cards, so that the panel's own round ends with card 8's answer.
  WithPanel([](panelsim::Engine& e) {
    e.state().image = panelsim::LargestImage();
    e.SetProgramCardsAfterDownload(true);
    e.SetCardProgramming({.steps = 2, .durationUs = 50'000});
  });
  Run(kCmdReceive);
  ASSERT_EQ(app->document().central.RelayCards(), 8);
  host.Answer(MessageAnswer::Ok);
  Run(kCmdSend);
  auto* cards = qobject_cast<Cprog_periph*>(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::CardProgramming));
  ASSERT_NE(cards, nullptr);
  EXPECT_FALSE(cards->okButton()->isEnabled());
  cards->close(); // locked: it stays
  QCoreApplication::processEvents();
  EXPECT_TRUE(cards->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return cards->okButton()->isEnabled(); }, 5000));
  // Card 8's first answer gave the window back; its result follows.
  EXPECT_TRUE(QTest::qWaitFor([&] { return CellAt(cards->grid(), 8, 1).text == "OK"; }, 5000));

  CMSFlexGrid* grid = cards->grid();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(4, 0)).center());
  EXPECT_FALSE(cards->okButton()->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return cards->okButton()->isEnabled(); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return CellAt(grid, 4, 1).text == "OK"; }, 5000));
  cards->okButton()->click();
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::CardProgramming), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  EXPECT_TRUE(QTest::qWaitFor([&] { return app->session().connected(); }, 8000));
}

TEST_F(ProgramWithPanel, ControlTestSwitchesRowsAndResetsThePanelWhenItCloses) {
  const auto panelState = [&] {
    std::pair<std::vector<std::array<std::uint8_t, 7>>, int> tests_resets;
    WithPanel([&](panelsim::Engine& e) { tests_resets = {e.state().controlTests, e.state().resets}; });
    return tests_resets;
  };
  // The document is not the panel's: received first.
  host.Answer(MessageAnswer::Yes);
  Run(kCmdTestControls);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[1].text, "Transmissie succesvol!");
  auto* window = qobject_cast<Ctest_control*>(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::ControlTest));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkControlTest);
  EXPECT_EQ(window->controlCombo()->currentText(), "1 Algemeen");

  CMSFlexGrid* grid = window->grid();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 0)).center());
  host.Answer(MessageAnswer::Yes); // "Bent u zeker?"
  window->onButton()->click();
  window->offButton()->click();
  auto [tests, resets] = panelState();
  ASSERT_EQ(tests.size(), 2u);
  // Control 001, kind 1, the row's event (fault, 8), row 2, on then off.
  EXPECT_EQ(tests[0], (std::array<std::uint8_t, 7>{'0', '0', '1', 1, 8, 2, 1}));
  EXPECT_EQ(tests[1], (std::array<std::uint8_t, 7>{'0', '0', '1', 1, 8, 2, 0}));
  Screenshot(*window, "control_test_live.png");

  QTest::keyClick(window, Qt::Key_Escape);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::ControlTest), nullptr);
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  // The reset is not acknowledged: the panel has it a moment later.
  EXPECT_TRUE(QTest::qWaitFor([&] { return panelState().second == resets + 1; }, 2000));

  // Open again (no question now), then the main window closes: the reset goes too.
  const std::size_t boxes = host.boxes().size();
  Run(kCmdTestControls);
  EXPECT_EQ(host.boxes().size(), boxes);
  ASSERT_NE(frame->view()->serviceWindow(CPc_kx700View::ServiceKind::ControlTest), nullptr);
  frame->close();
  QCoreApplication::processEvents();
  EXPECT_TRUE(QTest::qWaitFor([&] { return panelState().second == resets + 2; }, 2000));
}

TEST_F(ProgramWithPanel, PeripheryClockAndLanguage) {
  // Periferie: the simulator's devices, and their versions judged.
  std::vector<ColorRef> states;
  QString cardVersion;
  dialogs.periphery = [&](const PeripherySession& session) {
    Cperiphery dialog(session);
    for (int c = 0; c < 4; ++c) {
      CMSFlexGrid* g = dialog.relayCardGrid();
      g->SetRow(0);
      g->SetCol(c);
      states.push_back(g->GetCellBackColor());
    }
    test::WhenModalShows<CVersion>([&](CVersion& versions) {
      CMSFlexGrid* g = versions.versionGrid();
      g->SetRow(3);
      g->SetCol(2);
      cardVersion = g->GetText();
      Screenshot(versions, "periphery_versions_live.png");
      versions.accept();
    });
    dialog.OnCheckVersion();
  };
  Run(kCmdPeriphery);
  ASSERT_EQ(dialogs.peripheries.size(), 1u);
  EXPECT_EQ(states, (std::vector<ColorRef>{kPeripheryOk, kPeripheryOk, kPeripheryFault, kPeripheryAbsent}));
  EXPECT_FALSE(cardVersion.isEmpty());
  EXPECT_TRUE(host.boxes().empty());

  // Instellen datum/tijd reads the panel's clock and sets it.
  dialogs.clock.push_back(PanelDateTime{2027, 6, 30, 8, 15, 0});
  Run(kCmdSetDateTime);
  ASSERT_EQ(dialogs.clockShown.size(), 1u);
  std::array<std::uint8_t, 6> clock{};
  WithPanel([&](panelsim::Engine& e) { clock = e.state().clock; });
  EXPECT_EQ(clock, (std::array<std::uint8_t, 6>{27, 6, 30, 8, 15, 0}));

  // Instellen taal reads the panel's language and sets it.
  dialogs.language.push_back(2);
  Run(kCmdPanelLanguage);
  EXPECT_EQ(dialogs.languageShown, std::vector<int>{1});
  int language = 0;
  WithPanel([&](panelsim::Engine& e) { language = e.state().language; });
  EXPECT_EQ(language, 2);
  EXPECT_EQ(host.boxes().size(), 2u); // the two success boxes

  // A panel that stops answering: the failure message and no dialog.
  WithPanel([](panelsim::Engine& e) { e.SetHandler(panelsim::req::kGetClock, nullptr); });
  Run(kCmdSetDateTime);
  EXPECT_EQ(dialogs.clockShown.size(), 1u);
  EXPECT_EQ(host.boxes().back().text, "Er is een fout opgetreden tijdens de datatransfer.");
}

TEST(View, ServiceWindowsOpenOnceAndGiveTheirModeBack) {
  test::FakeMessageHost host;
  test::FakeFileDialogs files;
  test::FakeDialogRunner dialogs;
  test::FakeShellOpener shell;
  QtSettingsStore settings;
  CPc_kx700App app({host, settings, SystemClock::Instance(), files, dialogs, shell},
                   std::make_unique<test::FakePort>());
  CPc_kx700View view(app);
  int made = 0;
  auto analog = [&](QWidget* parent) {
    ++made;
    return new test::TestAnalogWindow(parent);
  };
  auto control = [&](QWidget* parent) { return new test::TestControlWindow(parent); };
  using Kind = CPc_kx700View::ServiceKind;
  ASSERT_TRUE(view.OpenServiceWindow(Kind::AnalogValues, analog));
  EXPECT_EQ(app.engine().GetLinkMode(), kLinkAnalogValues);
  EXPECT_FALSE(view.OpenServiceWindow(Kind::AnalogValues, analog)); // open once
  EXPECT_EQ(made, 1);
  // Another kind is refused its mode while one is on (the rules keep such a
  // command disabled anyway): its window does not stay.
  EXPECT_FALSE(view.OpenServiceWindow(Kind::ControlTest, control));
  EXPECT_EQ(view.serviceWindow(Kind::ControlTest), nullptr);
  view.serviceWindow(Kind::AnalogValues)->close();
  QCoreApplication::processEvents();
  EXPECT_EQ(view.serviceWindow(Kind::AnalogValues), nullptr);
  EXPECT_EQ(app.engine().GetLinkMode(), kLinkSupervision);

  ASSERT_TRUE(view.OpenServiceWindow(Kind::ControlTest, control));
  EXPECT_EQ(app.engine().GetLinkMode(), kLinkControlTest);
  view.CloseServiceWindows();
  QCoreApplication::processEvents();
  EXPECT_EQ(app.engine().GetLinkMode(), kLinkSupervision);
  EXPECT_EQ(view.serviceWindow(Kind::ControlTest), nullptr);

  // A widget that is no service window is not opened.
  EXPECT_FALSE(view.OpenServiceWindow(Kind::AnalogValues, [](QWidget* parent) { return new QWidget(parent); }));
  EXPECT_EQ(app.engine().GetLinkMode(), kLinkSupervision);
}

} // namespace
} // namespace kx700
