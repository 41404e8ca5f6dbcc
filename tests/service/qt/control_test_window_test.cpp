// The control test window on the application object against the simulated
// panel on virtual time.
#include "service/qt/control_test_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <cstdlib>

#include "app/qt/view.h"
#include "common/qt/colour_button.h"
#include "common/qt/flex_grid.h"
#include "link/panel_frame.h"
#include "support/app_bench.h"
#include "support/qt/widget_helpers.h"

namespace kx700 {
namespace {

using test::Screenshot;
using Cell = test::GridCell;
using test::CellAt;

ControlRecord MakeControl(int number, const char* name, int kind) {
  ControlRecord r;
  r.SetByte(ControlRecord::kNumber, number);
  r.SetText(ControlRecord::kName, ControlRecord::kNameWidth, name);
  r.SetByte(ControlRecord::kControlType, kind);
  return r;
}

void SetEntry(ControlRecord& r, int row, int code, int module, int address, int relays1to4, int relays5to8) {
  const std::size_t at = ControlRecord::EventOffset(static_cast<std::size_t>(row - 1));
  r.SetByte(at + ControlEvent::kEventCode, code);
  r.SetByte(at + ControlEvent::kModuleKind, module);
  r.SetByte(at + ControlEvent::kCardAddress, address);
  r.SetByte(at + ControlEvent::kRelays1to4, relays1to4);
  r.SetByte(at + ControlEvent::kRelays5to8, relays5to8);
}

struct ControlWindowOnPanel : testing::Test, test::AppBench {
  void SetUp() override {
    ControlRecord sirens = MakeControl(3, "Sirenes", 1);
    SetEntry(sirens, 1, 5, 0, 0, 0x05, 0x08);
    SetEntry(sirens, 3, 8, 1, 4, 0x0F, 0x00);
    SetEntry(sirens, 4, 14, 2, 2, 0x01, 0x0C);
    SetEntry(sirens, 5, 11, 1, 12, 0x00, 0x03);
    ControlRecord silence = MakeControl(9, "Stilte hal", 3);
    SetEntry(silence, 1, 1, 0, 0, 0x01, 0x00);
    app->document().controls = {MakeControl(1, "Lus 1", 0), sirens, silence};
    RunFor(100);
    ASSERT_TRUE(app->session().connected());
  }
  std::unique_ptr<Ctest_control> Open() {
    auto window = std::make_unique<Ctest_control>(app->serviceContext());
    EXPECT_TRUE(window->EnterLinkMode(app->engine()));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    panel.ClearRequests();
    return window;
  }
  void ClickRowNumber(Ctest_control& w, int row) {
    CMSFlexGrid* grid = w.grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 0)).center());
  }
};

TEST_F(ControlWindowOnPanel, ShowsTheControlAndSwitchesTheChosenRows) {
  auto w = Open();
  CMSFlexGrid* grid = w->grid();
  EXPECT_TRUE(w->windowTitle().startsWith("Sturingen testen  7 Gent"));
  EXPECT_EQ(w->kindCombo()->currentText(), "Algemene sturing");
  EXPECT_EQ(w->controlCombo()->currentText(), "3 Sirenes");
  EXPECT_EQ(w->onButton()->text(), "AAN");
  EXPECT_EQ(w->offButton()->text(), "UIT");
  EXPECT_EQ(CellAt(grid, 0, 1).text, "Gebeurtenis");
  EXPECT_EQ(CellAt(grid, 0, 11).text, "Relais");
  EXPECT_EQ(CellAt(grid, 4, 0).text, "4.");
  EXPECT_EQ(CellAt(grid, 4, 1).text, "Evacuatie - Sirenes");
  EXPECT_EQ(CellAt(grid, 4, 2).text, "Relaiskaart 9-16");
  EXPECT_EQ(CellAt(grid, 4, 11).text, "16");
  EXPECT_EQ(CellAt(grid, 2, 1).text, "");
  const ColorRef unchosen = CellAt(grid, 1, 0).back;

  // A press on a row's number chooses it; an empty row or another column
  // chooses nothing.
  ClickRowNumber(*w, 1);
  ClickRowNumber(*w, 2);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(3, 1)).center());
  EXPECT_EQ(CellAt(grid, 1, 0).back, kControlTestSelected);
  EXPECT_EQ(CellAt(grid, 2, 0).back, unchosen);
  EXPECT_EQ(CellAt(grid, 3, 0).back, unchosen);

  ClickRowNumber(*w, 3);
  host.Answer(MessageAnswer::Yes);
  QTest::mouseClick(w->onButton(), Qt::LeftButton);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].owner.window, w.get());
  EXPECT_EQ(panel.state().controlTests,
            (std::vector<std::array<std::uint8_t, 7>>{{'0', '0', '3', 1, 5, 1, 1}, {'0', '0', '3', 1, 8, 3, 1}}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(CellAt(grid, 1, 1).fore, kControlTestOnText);
  EXPECT_EQ(CellAt(grid, 3, 11).fore, kControlTestOnText);
  EXPECT_EQ(CellAt(grid, 4, 1).fore, kControlTestPlainText);

  // Only row 4 off; the others keep their colour.
  ClickRowNumber(*w, 1);
  ClickRowNumber(*w, 3);
  ClickRowNumber(*w, 4);
  QTest::mouseClick(w->offButton(), Qt::LeftButton);
  ASSERT_EQ(panel.state().controlTests.size(), 3u);
  EXPECT_EQ(panel.state().controlTests[2], (std::array<std::uint8_t, 7>{'0', '0', '3', 1, 14, 4, 0}));
  EXPECT_EQ(CellAt(grid, 4, 2).fore, kControlTestOffText);
  EXPECT_EQ(CellAt(grid, 1, 2).fore, kControlTestOnText);
  ClickRowNumber(*w, 4);
  ClickRowNumber(*w, 1);
  EXPECT_EQ(CellAt(grid, 1, 0).back, kControlTestSelected);
  EXPECT_EQ(CellAt(grid, 4, 0).back, unchosen);
  Screenshot(*w, "control_test.png");

  // The silence kind: "STILTE" and no off button.
  w->kindCombo()->setCurrentIndex(3);
  EXPECT_EQ(w->controlCombo()->currentText(), "9 Stilte hal");
  EXPECT_EQ(w->onButton()->text(), "STILTE");
  EXPECT_FALSE(w->offButton()->isVisible());
  EXPECT_EQ(CellAt(grid, 1, 0).back, unchosen);
  EXPECT_EQ(CellAt(grid, 1, 1), (Cell{"Stilte", CellAt(grid, 1, 1).back, kControlTestPlainText}));
  Screenshot(*w, "control_test_silence.png");

  // A kind without controls.
  w->kindCombo()->setCurrentIndex(2);
  EXPECT_EQ(w->controlCombo()->count(), 0);
  EXPECT_FALSE(w->onButton()->isEnabled());
  EXPECT_FALSE(w->offButton()->isEnabled());
  EXPECT_TRUE(w->offButton()->isVisible());
}

TEST_F(ControlWindowOnPanel, EveryWayOfClosingResetsThePanelOnce) {
  struct Case {
    const char* what;
    std::function<void(Ctest_control&)> close;
  };
  const std::vector<Case> cases = {
      {"Escape", [](Ctest_control& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
      {"the close box", [](Ctest_control& w) { w.close(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto w = Open();
    ASSERT_EQ(app->engine().GetLinkMode(), kLinkControlTest);
    c.close(*w);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
    ASSERT_EQ(Requests(kRequestReset), 1);
    EXPECT_EQ(panel.requests().back().address, 0);
    w.reset();
    EXPECT_EQ(Requests(kRequestReset), 1);
  }
}

TEST_F(ControlWindowOnPanel, TheMainWindowClosingClosesItThroughTheSamePath) {
  CPc_kx700View view(*app);
  using Kind = CPc_kx700View::ServiceKind;
  ASSERT_TRUE(view.OpenServiceWindow(
      Kind::ControlTest, [this](QWidget* parent) { return new Ctest_control(app->serviceContext(), parent); }));
  QPointer<QWidget> window = view.serviceWindow(Kind::ControlTest);
  ASSERT_NE(qobject_cast<Ctest_control*>(window.data()), nullptr);
  panel.ClearRequests();
  view.CloseServiceWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  EXPECT_EQ(Requests(kRequestReset), 1);
  RunFor(100);
  EXPECT_TRUE(app->session().connected());
}

} // namespace
} // namespace kx700
