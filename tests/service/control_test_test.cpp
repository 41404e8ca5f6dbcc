#include "service/control_test.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <vector>

#include "link/panel_frame.h"
#include "support/app_bench.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using namespace control_test_control;
using Payload = std::array<std::uint8_t, 7>;

struct Entry {
  int row; // 1..8
  int code;
  int module;
  int address;
  std::uint8_t relays1to4; // byte 5
  std::uint8_t relays5to8; // byte 4
};

ControlRecord MakeControl(int number, std::string_view name, int kind, const std::vector<Entry>& entries = {}) {
  ControlRecord r;
  r.SetByte(ControlRecord::kNumber, number);
  r.SetText(ControlRecord::kName, ControlRecord::kNameWidth, name);
  r.SetByte(ControlRecord::kControlType, kind);
  for (const Entry& e : entries) {
    const std::size_t at = ControlRecord::EventOffset(static_cast<std::size_t>(e.row - 1));
    r.SetByte(at + ControlEvent::kEventCode, e.code);
    r.SetByte(at + ControlEvent::kModuleKind, e.module);
    r.SetByte(at + ControlEvent::kCardAddress, e.address);
    r.SetByte(at + ControlEvent::kRelays1to4, e.relays1to4);
    r.SetByte(at + ControlEvent::kRelays5to8, e.relays5to8);
  }
  r.UpdateChecksum();
  return r;
}

// A name of 16 characters leaves its field without a terminator.
ControlRecord Unterminated(int number, int kind) {
  ControlRecord r = MakeControl(number, "", kind, {{1, 5, 0, 0, 1, 0}});
  r.SetText(ControlRecord::kName, ControlRecord::kNameNul - ControlRecord::kName + 1, "Zestien tekens!!");
  return r;
}

EventRowTexts Texts(std::string event, std::string module, std::string address, std::array<std::string, 8> relays) {
  return {std::move(event), std::move(module), std::move(address), std::move(relays)};
}

TEST(ControlTestRows, EventRowTextsByCodeModuleAndRelays) {
  const ControlRecord control =
      MakeControl(3, "Sirenes", 1,
                  {
                      {1, 5, 0, 0, 0x05, 0x08},    // base relays 1, 3 and 8
                      {3, 8, 1, 4, 0x0F, 0x00},    // card 4, outputs 1-4
                      {4, 14, 2, 2, 0x01, 0x0C},   // card 2, outputs 9, 15 and 16
                      {5, 12, 1, 255, 0x80, 0xF7}, // the upper bits of a relay byte are no relays
                      {6, 15, 0, 0, 0x01, 0x00},   // an event code without a text
                      {7, 200, 9, 3, 0x0F, 0x0F},  // neither event nor module known
                      {8, 0, 1, 4, 0x0F, 0x0F},    // an empty entry, whatever else it holds
                  });
  const std::array<std::string, 8> none{};
  struct Case {
    int row;
    EventRowTexts texts;
  };
  const std::vector<Case> cases = {
      {1, Texts("Alarm", "Basisrelais", "", {"1", ".", "3", ".", ".", ".", ".", "8"})},
      {2, EventRowTexts{}},
      {3, Texts("Storing", "Relaiskaart 1-8", "4", {"1", "2", "3", "4", ".", ".", ".", "."})},
      {4, Texts("Evacuatie - Sirenes", "Relaiskaart 9-16", "2", {"9", ".", ".", ".", ".", ".", "15", "16"})},
      {5, Texts("Reset", "Relaiskaart 1-8", "255", {".", ".", ".", ".", "5", "6", "7", "."})},
      {6, Texts("", "Basisrelais", "", {"1", ".", ".", ".", ".", ".", ".", "."})},
      {7, Texts("", "", "", none)},
      {8, EventRowTexts{}},
      {0, EventRowTexts{}},
      {9, EventRowTexts{}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(EventRowOf(control, c.row), c.texts);
  }
  EXPECT_EQ(EventCodeOf(control, 7), 200);
  EXPECT_EQ(EventCodeOf(control, 9), 0);
}

TEST(ControlTestRows, EveryEventCodeHasItsText) {
  const std::vector<std::string> texts = {
      "Stilte",       "Waarschuwing",       "Evacuatie - Reset",  "Evacuatie - Stilte",
      "Alarm",        "Vooralarm",          "Meervoudig alarm",   "Storing",
      "Voedingsfout", "Doormelding",        "Lusafhankelijkheid", "Reset",
      "Lustest",      "Evacuatie - Sirenes"};
  for (int code = 1; code <= 14; ++code) {
    const ControlRecord control = MakeControl(1, "X", 0, {{1, code, 0, 0, 0, 0}});
    EXPECT_EQ(EventRowOf(control, 1).event, texts[static_cast<std::size_t>(code - 1)]) << code;
  }
}

TEST(ControlTestRows, OfferedControlsByName) {
  struct Case {
    const char* what;
    ControlRecord control;
    bool offered;
  };
  const std::vector<Case> cases = {
      {"a name", MakeControl(1, "Hal", 1), true},
      {"blanks inside and after", MakeControl(1, "Hal oost  ", 1), true},
      {"15 characters, the longest name", MakeControl(1, "Vijftien tekens", 1), true},
      {"a leading blank", MakeControl(1, " Hal", 1), false},
      {"only blanks", MakeControl(1, "   ", 1), false},
      {"empty", MakeControl(1, "", 1), false},
      {"16 characters: no terminator", Unterminated(1, 1), false},
  };
  for (const Case& c : cases) EXPECT_EQ(OfferedForTest(c.control), c.offered) << c.what;
  EXPECT_EQ(ControlChoiceText(MakeControl(12, "Hal", 1)), "12 Hal");
}

// --- the window's logic against the simulated panel

struct FakeControlTestView final : test::FakeWidgets<ControlTestView> {
  explicit FakeControlTestView(const LinkEngine& engine) : engine(engine) {}
  void ShowEventRow(int row, const EventRowTexts& texts) override { rows[row] = texts; }
  void SetRowSelected(int row, bool on) override { selected[row] = on; }
  void SetRowTextColor(int row, ColorRef colour) override { colours[row] = colour; }
  void SetCaption(const std::string& text) override { caption = text; }
  void BeginWaitCursor() override {
    ++waits;
    busyWhileWaiting = busyWhileWaiting && engine.busy();
  }
  void EndWaitCursor() override { --waits; }

  // Chooses an entry of a combo box as the user would; the handler is the
  // caller's to run.
  void Choose(ControlId id, int index) { selection[id] = index; }
  std::vector<int> SelectedRows() const {
    std::vector<int> out;
    for (const auto& [row, on] : selected)
      if (on) out.push_back(row);
    return out;
  }

  const LinkEngine& engine;
  std::map<int, EventRowTexts> rows;
  std::map<int, bool> selected;
  std::map<int, ColorRef> colours;
  std::string caption;
  int waits = 0;
  bool busyWhileWaiting = true;
};

constexpr ColorRef kPlain = kControlTestPlainText;

// The window open on the simulated panel, over a configuration of controls of
// every kind.
struct ControlTestOnPanel : testing::Test, test::AppBench {
  FakeControlTestView view{app->engine()};
  ControlTest window{view, {app->document(), app->link(), app->engine(), host}};

  void SetUp() override {
    auto& controls = app->document().controls;
    controls.push_back(MakeControl(1, "Lus 1", 0, {{1, 5, 0, 0, 1, 0}}));
    controls.push_back(MakeControl(2, " Verborgen", 1, {{1, 5, 0, 0, 1, 0}}));
    controls.push_back(
        MakeControl(3, "Sirenes", 1, {{1, 5, 0, 0, 0x05, 0x08}, {3, 8, 1, 4, 0x0F, 0}, {4, 14, 2, 2, 0x01, 0x0C}}));
    controls.push_back(MakeControl(4, "", 1, {{1, 5, 0, 0, 1, 0}}));
    controls.push_back(Unterminated(5, 1));
    controls.push_back(MakeControl(6, "Flitsers", 1, {{2, 2, 0, 0, 0x02, 0}}));
    controls.push_back(MakeControl(9, "Stilte hal", 3, {{1, 1, 0, 0, 0x01, 0}, {2, 1, 1, 3, 0x02, 0}}));
    RunFor(100);
    ASSERT_TRUE(app->session().connected());
    window.OnInitDialog();
    ASSERT_TRUE(window.EnterLinkMode(app->engine()));
    panel.ClearRequests();
  }
  void ChooseKind(int kind) {
    view.Choose(kKinds, kind);
    window.OnSelchangeKind();
  }
  void Select(std::initializer_list<int> rows) {
    for (int row : rows) window.OnMouseDownGrid(row, 0);
  }
  const std::vector<Payload>& Sent() { return panel.state().controlTests; }
  static Payload Test(int number, int kind, int code, int row, int on) {
    return {static_cast<std::uint8_t>('0' + number / 100),
            static_cast<std::uint8_t>('0' + number / 10 % 10),
            static_cast<std::uint8_t>('0' + number % 10),
            static_cast<std::uint8_t>(kind),
            static_cast<std::uint8_t>(code),
            static_cast<std::uint8_t>(row),
            static_cast<std::uint8_t>(on)};
  }
  std::vector<ColorRef> Colours() {
    std::vector<ColorRef> out;
    for (int row = 1; row <= 8; ++row) out.push_back(view.colours.at(row));
    return out;
  }
};

TEST_F(ControlTestOnPanel, OpensOnTheFirstOfferedGeneralControl) {
  EXPECT_EQ(view.caption, "7 Gent");
  EXPECT_EQ(view.ItemTexts(kKinds),
            (std::vector<std::string>{"Lussturing", "Algemene sturing", "Waarsch.- evacuatie", "Stiltesturing"}));
  EXPECT_EQ(view.Selection(kKinds), 1);
  // Blank, empty and unterminated names are left out; list order is kept.
  EXPECT_EQ(view.ItemTexts(kControls), (std::vector<std::string>{"3 Sirenes", "6 Flitsers"}));
  EXPECT_EQ(view.SelectedData(kControls), 3);
  EXPECT_EQ(view.rows.at(1).event, "Alarm");
  EXPECT_EQ(view.rows.at(4).module, "Relaiskaart 9-16");
  EXPECT_EQ(view.rows.at(2), EventRowTexts{});
  EXPECT_EQ(Colours(), std::vector<ColorRef>(8, kPlain));
  EXPECT_TRUE(view.SelectedRows().empty());
  EXPECT_EQ(view.text.at(kOn), "AAN");
  EXPECT_TRUE(view.IsEnabled(kOn));
  EXPECT_TRUE(view.IsEnabled(kOff));
  EXPECT_TRUE(view.visible.at(kOff));
}

TEST_F(ControlTestOnPanel, AKindWithoutControlsShowsNothingAndDisablesTheButtons) {
  Select({1});
  ChooseKind(2);
  EXPECT_TRUE(view.ItemTexts(kControls).empty());
  EXPECT_EQ(view.Selection(kControls), -1);
  for (int row = 1; row <= 8; ++row) EXPECT_EQ(view.rows.at(row), EventRowTexts{}) << row;
  EXPECT_TRUE(view.SelectedRows().empty());
  EXPECT_FALSE(view.IsEnabled(kOn));
  EXPECT_FALSE(view.IsEnabled(kOff));
  window.OnMouseDownGrid(1, 0);
  window.OnOn();
  window.OnOff();
  EXPECT_TRUE(view.SelectedRows().empty());
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(Requests(kRequestControlTest), 0);
}

TEST_F(ControlTestOnPanel, OnlyTheNumberOfARowWithAnEventSelectsIt) {
  struct Case {
    const char* what;
    int row, col;
    std::vector<int> selected;
  };
  const std::vector<Case> cases = {
      {"row 1's number", 1, 0, {1}}, {"row 1's number again", 1, 0, {}}, {"an event cell", 1, 1, {}},
      {"a relay cell", 3, 11, {}},   {"an empty row", 2, 0, {}},         {"the heading", 0, 0, {}},
      {"below the rows", 9, 0, {}},  {"row 4's number", 4, 0, {4}},      {"row 3's number", 3, 0, {3, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window.OnMouseDownGrid(c.row, c.col);
    EXPECT_EQ(view.SelectedRows(), c.selected);
  }
  for (int row : {3, 4}) EXPECT_TRUE(window.rowSelected(row));
}

TEST_F(ControlTestOnPanel, ChoosingAnotherControlOrKindClearsTheChoiceAndColours) {
  for (const char* what : {"control", "kind"}) {
    SCOPED_TRACE(what);
    Select({1, 3});
    host.Answer(MessageAnswer::Yes);
    window.OnOn();
    ASSERT_EQ(view.colours.at(1), kControlTestOnText);
    if (std::string_view(what) == "control") {
      view.Choose(kControls, 1);
      window.OnSelchangeControl();
      EXPECT_EQ(window.selectedNumber(), 6);
      EXPECT_EQ(view.rows.at(2).event, "Waarschuwing");
      EXPECT_EQ(view.rows.at(1), EventRowTexts{});
    } else {
      ChooseKind(3);
      EXPECT_EQ(view.ItemTexts(kControls), (std::vector<std::string>{"9 Stilte hal"}));
      EXPECT_EQ(view.rows.at(1).event, "Stilte");
      ChooseKind(1);
      EXPECT_EQ(window.selectedNumber(), 3); // the first of the kind again
    }
    EXPECT_TRUE(view.SelectedRows().empty());
    EXPECT_EQ(Colours(), std::vector<ColorRef>(8, kPlain));
    for (int row = 1; row <= 8; ++row) EXPECT_FALSE(window.rowSelected(row));
    view.Choose(kControls, 0);
    window.OnSelchangeControl();
  }
}

TEST_F(ControlTestOnPanel, OnAsksOnceThenSendsEachChosenRowInOrder) {
  Select({4, 1}); // the rows go in their order, not the order chosen
  host.Answer(MessageAnswer::Yes);
  window.OnOn();
  ASSERT_EQ(host.boxes().size(), 1u);
  const auto& box = host.boxes()[0];
  EXPECT_EQ(box.text, "Bent u zeker?");
  EXPECT_EQ(box.caption, "Sturingen activeren");
  EXPECT_EQ(box.buttons, MessageButtons::YesNo);
  EXPECT_EQ(box.icon, MessageIcon::Question);
  EXPECT_EQ(Sent(), (std::vector<Payload>{Test(3, 1, 5, 1, 1), Test(3, 1, 14, 4, 1)}));
  EXPECT_EQ(Colours(), (std::vector<ColorRef>{kControlTestOnText, kPlain, kPlain, kControlTestOnText, kPlain, kPlain,
                                              kPlain, kPlain}));
  // Each request under the wait cursor, the engine still.
  EXPECT_EQ(view.waits, 0);
  EXPECT_TRUE(view.busyWhileWaiting);
  EXPECT_FALSE(app->engine().busy());
  // The choice stays, so the same rows can go off.
  EXPECT_EQ(view.SelectedRows(), (std::vector<int>{1, 4}));
  window.OnOff();
  EXPECT_EQ(host.boxes().size(), 1u); // off asks nothing
  ASSERT_EQ(Sent().size(), 4u);
  EXPECT_EQ(Sent()[2], Test(3, 1, 5, 1, 0));
  EXPECT_EQ(Sent()[3], Test(3, 1, 14, 4, 0));
  EXPECT_EQ(view.colours.at(1), kControlTestOffText);
  EXPECT_EQ(view.colours.at(4), kControlTestOffText);
}

TEST_F(ControlTestOnPanel, NothingGoesWithoutAYesOrWithoutAChosenRow) {
  window.OnOn(); // no row chosen: no question either
  window.OnOff();
  EXPECT_TRUE(host.boxes().empty());
  Select({1});
  host.Answer(MessageAnswer::No);
  window.OnOn();
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(Requests(kRequestControlTest), 0);
  EXPECT_EQ(Colours(), std::vector<ColorRef>(8, kPlain));
}

TEST_F(ControlTestOnPanel, ASilenceControlGoesWithoutQuestionAndWithZero) {
  ChooseKind(3);
  EXPECT_EQ(view.text.at(kOn), "STILTE");
  EXPECT_TRUE(view.IsEnabled(kOn));
  EXPECT_FALSE(view.visible.at(kOff));
  EXPECT_FALSE(view.IsEnabled(kOff));
  Select({1, 2});
  window.OnOn();
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(Sent(), (std::vector<Payload>{Test(9, 3, 1, 1, 0), Test(9, 3, 1, 2, 0)}));
  EXPECT_EQ(view.colours.at(2), kControlTestOnText);
  window.OnOff(); // it has no off
  EXPECT_EQ(Sent().size(), 2u);
  // Back to a kind with an off button.
  ChooseKind(0);
  EXPECT_EQ(view.text.at(kOn), "AAN");
  EXPECT_TRUE(view.visible.at(kOff));
  EXPECT_TRUE(view.IsEnabled(kOff));
}

TEST_F(ControlTestOnPanel, AnUnansweredRowEndsTheCommandAndTheRowsBeforeKeepTheirColour) {
  // The second control test goes unanswered.
  panelsim::FaultRule second = panelsim::AnswersTo(panelsim::Fault::kDrop, kRequestControlTest, 1);
  second.every = 2;
  panel.faults().Add(second);
  Select({1, 3, 4});
  host.Answer(MessageAnswer::Yes);
  window.OnOn();
  EXPECT_EQ(Requests(kRequestControlTest), 2); // row 4 never went
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[1].text, "Er is een fout opgetreden tijdens de datatransfer.");
  EXPECT_EQ(Colours(),
            (std::vector<ColorRef>{kControlTestOnText, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain, kPlain}));
  EXPECT_EQ(view.SelectedRows(), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(view.waits, 0);
  EXPECT_FALSE(app->engine().busy());
}

TEST_F(ControlTestOnPanel, ClosingLeavesTheTestModeThenResetsThePanel) {
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkControlTest);
  std::vector<int> modeAtReset;
  panel.SetHandler(kRequestReset, [&](panelsim::Engine& e, const panelsim::Request& r) {
    modeAtReset.push_back(app->engine().GetLinkMode());
    e.Acknowledge(r.code);
  });
  window.OnCancel();
  window.OnCancel(); // closing twice resets once
  EXPECT_EQ(app->engine().GetLinkMode(), kLinkSupervision);
  EXPECT_EQ(modeAtReset, (std::vector<int>{kLinkSupervision}));
  ASSERT_EQ(Requests(kRequestReset), 1);
  EXPECT_EQ(panel.requests().back().code, kRequestReset);
  EXPECT_EQ(panel.requests().back().address, 0);
  EXPECT_TRUE(host.boxes().empty());
  // Supervision goes on, and the acknowledgement of the reset does not upset it.
  RunFor(6'000);
  EXPECT_TRUE(app->session().connected());
  EXPECT_GE(Requests(kRequestIdentify), 1);
}

TEST_F(ControlTestOnPanel, DocumentChangesRefillTheListsAndKeepAnUnchangedChoice) {
  auto& controls = app->document().controls;
  Select({1, 3});
  host.Answer(MessageAnswer::Yes);
  window.OnOn();

  // A new control of the kind; the chosen one is untouched.
  controls.push_back(MakeControl(7, "Deuren", 1, {{1, 3, 0, 0, 1, 0}}));
  window.DocumentChanged();
  EXPECT_EQ(view.ItemTexts(kControls), (std::vector<std::string>{"3 Sirenes", "6 Flitsers", "7 Deuren"}));
  EXPECT_EQ(view.SelectedData(kControls), 3);
  EXPECT_EQ(view.SelectedRows(), (std::vector<int>{1, 3}));
  EXPECT_EQ(view.colours.at(1), kControlTestOnText);

  // The chosen control's rows changed: shown anew, nothing chosen.
  ControlRecord* sirens = app->document().FindControl(3);
  ASSERT_NE(sirens, nullptr);
  sirens->SetByte(ControlRecord::EventOffset(1) + ControlEvent::kEventCode, 9);
  window.DocumentChanged();
  EXPECT_EQ(view.SelectedData(kControls), 3);
  EXPECT_EQ(view.rows.at(2).event, "Voedingsfout");
  EXPECT_TRUE(view.SelectedRows().empty());
  EXPECT_EQ(Colours(), std::vector<ColorRef>(8, kPlain));

  // The chosen control is gone: the first offered one is chosen.
  view.Choose(kControls, 2);
  window.OnSelchangeControl();
  Select({1});
  controls.remove_if([](const ControlRecord& c) { return c.Number() == 7; });
  window.DocumentChanged();
  EXPECT_EQ(view.ItemTexts(kControls), (std::vector<std::string>{"3 Sirenes", "6 Flitsers"}));
  EXPECT_EQ(view.SelectedData(kControls), 3);
  EXPECT_TRUE(view.SelectedRows().empty());
  EXPECT_EQ(window.selectedKind(), 1);

  // A new document without controls of the kind.
  app->document().AdoptConfiguration(Configuration{});
  window.DocumentChanged();
  EXPECT_TRUE(view.ItemTexts(kControls).empty());
  EXPECT_FALSE(view.IsEnabled(kOn));
  EXPECT_EQ(view.rows.at(1), EventRowTexts{});
}

TEST_F(ControlTestOnPanel, ActsOnTheControlAsTheDocumentNowHoldsIt) {
  Select({1, 3});
  // The list is replaced behind the window's back: nothing of the old one is
  // used, and a control no longer there sends nothing.
  Configuration other;
  other.controls.push_back(MakeControl(6, "Flitsers", 1));
  app->document().AdoptConfiguration(std::move(other));
  window.OnOn();
  window.OnOff();
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(Requests(kRequestControlTest), 0);

  // The same number back with other events: its events of now are sent.
  Configuration back;
  back.controls.push_back(MakeControl(3, "Sirenes", 1, {{1, 7, 0, 0, 1, 0}, {3, 10, 0, 0, 1, 0}}));
  app->document().AdoptConfiguration(std::move(back));
  window.OnOff();
  EXPECT_EQ(Sent(), (std::vector<Payload>{Test(3, 1, 7, 1, 0), Test(3, 1, 10, 3, 0)}));
}

} // namespace
} // namespace kx700
