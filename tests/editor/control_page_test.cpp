// The "Sturingen" page driven through its widgets: what reaches the
// document's control records, byte for byte, what the event rows offer and
// show, and the relay output texts shown over the relay boxes.
#include "editor/control_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "editor/control_form.h"
#include "editor/exchange.h"
#include "editor/parameter_editor.h"
#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/bytes.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using namespace control_ids;
using test::Bytes;
using test::operator+;

constexpr int kRows = 8;
constexpr int kBoxes = 8;

// A text field as stored: the text, then NULs up to `width`.
Bytes Field(const std::string& text, std::size_t width) {
  Bytes out(text.begin(), text.end());
  out.resize(width, 0);
  return out;
}

Bytes RowBytes(const ControlRecord& control, int row) {
  const auto begin =
      control.bytes.begin() + static_cast<long>(ControlRecord::EventOffset(static_cast<std::size_t>(row)));
  return Bytes(begin, begin + ControlEvent::kSize);
}

// Row bytes: event, module kind, 0, card, relays 5-8, relays 1-4, 0.
void SetRow(ControlRecord& control, int row, const Bytes& bytes) {
  std::copy(bytes.begin(), bytes.end(),
            control.bytes.begin() + static_cast<long>(ControlRecord::EventOffset(static_cast<std::size_t>(row))));
}

// The page over a document of its own, opened as the sheet opens it.
struct ControlBench {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  test::FakeRecordPageView view;
  std::optional<ParameterEditor> editor;
  std::optional<ControlPage> page;

  explicit ControlBench(const std::vector<ControlRecord>& controls = {}, VersionTriple version = {1, 2, 0}) {
    document.version = version;
    document.controls.assign(controls.begin(), controls.end());
    // The window's card address combos carry fixed items.
    std::vector<ChoiceItem> addresses;
    for (int card = 1; card <= 8; ++card) addresses.push_back({"Adres " + std::to_string(card), card});
    for (int row = 0; row < kRows; ++row) view.items[Address(row)] = addresses;
  }
  ControlPage& Open() {
    editor.emplace(document, host);
    page.emplace(*editor, view);
    page->OnInitDialog();
    page->OnSetActive();
    return *page;
  }
  ControlRecord& Control(std::size_t index) { return *std::next(document.controls.begin(), static_cast<long>(index)); }
  Bytes BytesOf(std::size_t index) { return test::BytesOf(Control(index).bytes); }
  std::vector<int> Numbers() const {
    std::vector<int> out;
    for (const ControlRecord& control : document.controls) out.push_back(control.Number());
    return out;
  }
  void ChooseEvent(int row, int code) {
    view.Select(Event(row), code);
    page->OnSelchangeRow();
  }
  void ChooseModule(int row, int kind) {
    view.selection[Module(row)] = kind;
    page->OnSelchangeRow();
  }
  void ChooseType(int type) {
    view.selection[kType] = type;
    page->OnSelchangeType();
  }
  void Tick(int row, int box, bool on) {
    view.checked[Relay(row, box)] = on;
    page->OnRelayCheck(row, box);
  }
  // Shown and enabled together, or hidden and disabled together.
  void ExpectShown(ControlId id, bool shown) {
    SCOPED_TRACE(id);
    EXPECT_EQ(view.visible.at(id), shown);
    EXPECT_EQ(view.IsEnabled(id), shown);
  }
  void ExpectRowShows(int row, bool module, bool address, bool relays) {
    SCOPED_TRACE("row " + std::to_string(row));
    ExpectShown(Module(row), module);
    ExpectShown(Address(row), address);
    for (int box = 0; box < kBoxes; ++box) ExpectShown(Relay(row, box), relays);
  }
};

const std::vector<ChoiceItem> kLoopEvents = {
    {"Geen", 0}, {"Alarm", 5}, {"Vooralarm", 6}, {"Meervoudig alarm", 7}, {"Storing", 8}, {"Lusafhankelijkheid", 11}};
const std::vector<ChoiceItem> kGeneralEvents = {
    {"Geen", 0},    {"Alarm", 5},        {"Vooralarm", 6},    {"Meervoudig alarm", 7},
    {"Storing", 8}, {"Voedingsfout", 9}, {"Doormelding", 10}, {"Reset", 12}};
const std::vector<ChoiceItem> kWarningEvents = {
    {"Geen", 0}, {"Waarschuwing", 2}, {"Evacuatie - Reset", 3}, {"Evacuatie - Stilte", 4}, {"Lustest", 13}};
const std::vector<ChoiceItem> kWarningEventsWithSirens = {{"Geen", 0},
                                                          {"Waarschuwing", 2},
                                                          {"Evacuatie - Reset", 3},
                                                          {"Evacuatie - Stilte", 4},
                                                          {"Evacuatie - Sirenes", 14},
                                                          {"Lustest", 13}};
const std::vector<ChoiceItem> kSilenceEvents = {{"Geen", 0}, {"Stilte", 1}};

TEST(ControlPage, EveryRowOffersTheEventsOfTheTypeAtTheSheetsVersion) {
  struct Case {
    VersionTriple version;
    int type;
    const std::vector<ChoiceItem>& events;
  };
  const std::vector<Case> cases = {
      {{1, 0, 0}, 0, kLoopEvents},    {{1, 0, 0}, 1, kGeneralEvents},           {{1, 0, 0}, 2, kWarningEvents},
      {{1, 0, 0}, 3, kSilenceEvents}, {{1, 1, 0}, 2, kWarningEvents},           {{1, 2, 0}, 0, kLoopEvents},
      {{1, 2, 0}, 1, kGeneralEvents}, {{1, 2, 0}, 2, kWarningEventsWithSirens}, {{1, 2, 0}, 3, kSilenceEvents},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.version.minor) + " type " + std::to_string(c.type));
    ControlBench b({}, c.version);
    ControlPage& page = b.Open();
    page.OnAdd();
    b.ChooseType(c.type);
    for (int row = 0; row < kRows; ++row) {
      EXPECT_EQ(b.view.items[Event(row)], c.events);
      EXPECT_EQ(b.view.Selection(Event(row)), 0); // "Geen" chosen again in the new list
    }
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(b.Control(0).Type(), c.type);
  }

  // The version is the one the sheet opened with.
  for (const auto& [opened, later, events] :
       {std::tuple{VersionTriple{1, 2, 0}, VersionTriple{1, 1, 0}, kWarningEventsWithSirens},
        std::tuple{VersionTriple{1, 1, 0}, VersionTriple{1, 2, 0}, kWarningEvents}}) {
    ControlBench b({}, opened);
    b.Open().OnAdd();
    b.document.version = later;
    b.ChooseType(2);
    EXPECT_EQ(b.view.items[Event(0)], events);
  }
}

// A row whose stored event the version does not offer shows none but keeps
// its module and relays in view; saving drops only the event. A module the
// list does not offer shows none either, and no relays.
TEST(ControlPage, AnEventTheVersionDoesNotOfferIsDroppedOnSave) {
  ControlRecord control = test::MakeControl(1, "Evacuatie", 2);
  SetRow(control, 0, Bytes{14, 1, 0, 2, 0x01, 0x08, 0});
  SetRow(control, 1, Bytes{2, 0, 0, 1, 0, 0x01, 0});
  SetRow(control, 2, Bytes{2, 3, 0, 2, 0x01, 0x08, 0});
  control.UpdateChecksum();
  struct Case {
    VersionTriple version;
    int selection;
    Bytes saved;
  };
  for (const Case& c : std::vector<Case>{{{1, 1, 0}, -1, Bytes{0, 1, 0, 2, 0x01, 0x08, 0}},
                                         {{1, 2, 0}, 4, Bytes{14, 1, 0, 2, 0x01, 0x08, 0}}}) {
    SCOPED_TRACE(c.version.minor);
    ControlBench b({control});
    b.document.version = c.version;
    ControlPage& page = b.Open();
    EXPECT_EQ(b.view.Selection(Event(0)), c.selection);
    b.ExpectRowShows(0, true, true, true);
    EXPECT_TRUE(b.view.Checked(Relay(0, 3)));
    EXPECT_TRUE(b.view.Checked(Relay(0, 4)));
    EXPECT_EQ(b.view.SelectedData(Event(1)), 2);
    EXPECT_EQ(b.view.Selection(Module(2)), -1);
    EXPECT_FALSE(b.view.Checked(Relay(2, 3)));
    EXPECT_FALSE(b.view.Checked(Relay(2, 4)));
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(RowBytes(b.Control(0), 0), c.saved);
    EXPECT_EQ(RowBytes(b.Control(0), 1), (Bytes{2, 0, 0, 1, 0, 0x01, 0}));
  }
}

TEST(ControlPage, NewControlsStartGeneralThenLoop) {
  ControlBench b;
  ControlPage& page = b.Open();
  page.OnAdd();
  Bytes rows;
  for (int row = 0; row < kRows; ++row) rows = rows + Bytes{0, 0, 0, 1, 0, 0, 0};
  const Bytes first = Bytes{0, 1} + Field("Sturing 1", 16) + Bytes{1} + rows;
  ASSERT_EQ(first.size(), ControlRecord::kSize);
  EXPECT_EQ(b.BytesOf(0), first);
  EXPECT_EQ(b.view.Text(kNumber), "1");
  EXPECT_EQ(b.view.Text(kName), "Sturing 1");
  EXPECT_EQ(b.view.Selection(kType), 1);
  EXPECT_EQ(b.view.items[Event(0)], kGeneralEvents);
  EXPECT_EQ(b.view.focused, kName);

  const Bytes second = Bytes{0, 2} + Field("Sturing 2", 16) + Bytes{0} + rows;
  b.view.focused.reset();
  page.OnAdd();
  ASSERT_EQ(b.Numbers(), (std::vector<int>{1, 2}));
  EXPECT_EQ(b.BytesOf(0), first); // saved back through the widgets unchanged
  EXPECT_EQ(b.BytesOf(1), second);
  EXPECT_EQ(b.view.Text(kName), "Sturing 2");
  EXPECT_EQ(b.view.Selection(kType), 0);
  EXPECT_EQ(b.view.items[Event(7)], kLoopEvents);
  EXPECT_EQ(b.view.focused, kName);
  EXPECT_TRUE(page.OnOK());
  EXPECT_EQ(b.BytesOf(1), second);
  EXPECT_TRUE(b.host.boxes().empty());
}

TEST(ControlPage, ARowStoresItsEventModuleCardAndRelays) {
  ControlBench b;
  ControlPage& page = b.Open();
  page.OnAdd();
  b.ChooseEvent(2, 5);
  b.ChooseModule(2, 2);
  b.view.selection[Address(2)] = 2;
  b.Tick(2, 0, true);
  b.Tick(2, 5, true);
  b.ExpectRowShows(2, true, true, true);
  for (int box = 0; box < kBoxes; ++box) {
    EXPECT_EQ(b.view.Text(Relay(2, box)), box == 0 ? "9" : box == 5 ? "14" : " ") << box;
  }
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(RowBytes(b.Control(0), 2), (Bytes{5, 2, 0, 3, 0x02, 0x01, 0}));

  b.ChooseModule(2, 1); // the lower half of the card
  EXPECT_EQ(b.view.Text(Relay(2, 0)), "1");
  EXPECT_EQ(b.view.Text(Relay(2, 5)), "6");
  b.ChooseModule(2, 2);

  // Back to "Geen": the rest of the row stays in the record, out of view.
  b.ChooseEvent(2, 0);
  b.ExpectRowShows(2, false, false, false);
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(RowBytes(b.Control(0), 2), (Bytes{0, 2, 0, 3, 0x02, 0x01, 0}));
}

// The address combo is shown only for a relay card, but read for every module.
TEST(ControlPage, TheCardByteIsTheAddressSelectionForEveryModule) {
  struct Case {
    int module;
    int address;
    bool addressShown;
    int card;
  };
  for (const Case& c : std::vector<Case>{{0, 4, false, 5}, {1, 0, true, 1}, {2, 7, true, 8}}) {
    SCOPED_TRACE(c.module);
    ControlBench b;
    ControlPage& page = b.Open();
    page.OnAdd();
    b.ChooseEvent(0, 5);
    b.ChooseModule(0, c.module);
    b.view.selection[Address(0)] = c.address;
    b.ExpectRowShows(0, true, c.addressShown, true);
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(RowBytes(b.Control(0), 0),
              (Bytes{5, static_cast<std::uint8_t>(c.module), 0, static_cast<std::uint8_t>(c.card), 0, 0, 0}));
  }
}

TEST(ControlPage, TheTypeIsFixedOnceARowHasAnEvent) {
  ControlBench b;
  ControlPage& page = b.Open();
  page.OnAdd();
  auto& view = b.view;
  const auto expectTypeChoice = [&view](bool enabled, bool shown) {
    EXPECT_EQ(view.IsEnabled(kType), enabled);
    EXPECT_EQ(view.visible.at(kType), shown);
    EXPECT_EQ(view.visible.at(kTypeText), !shown);
  };
  expectTypeChoice(true, true);
  b.ChooseEvent(3, 10);
  expectTypeChoice(false, false);
  EXPECT_EQ(view.Text(kTypeText), "Algemene sturing");
  for (int row = 0; row < kRows; ++row) b.ExpectRowShows(row, row == 3, false, row == 3);
  b.ChooseEvent(3, 0);
  expectTypeChoice(true, true);

  // Without a control nothing is offered, whatever the last one showed.
  b.ChooseEvent(3, 10);
  ASSERT_TRUE(page.OnKillActive());
  page.OnDelete();
  ASSERT_TRUE(b.document.controls.empty());
  for (ControlId id : {kNumber, kName, kType}) EXPECT_FALSE(view.IsEnabled(id)) << id;
  expectTypeChoice(false, true);
  for (int row = 0; row < kRows; ++row) {
    b.ExpectRowShows(row, false, false, false);
    EXPECT_FALSE(view.IsEnabled(Event(row)));
    EXPECT_FALSE(view.IsEnabled(RowLabel(row)));
  }
  EXPECT_TRUE(page.OnKillActive());
}

TEST(ControlPage, AControlLeftAsItWasKeepsItsBytes) {
  ControlRecord hal = test::MakeControl(1, "Hal   ", 3);
  SetRow(hal, 1, Bytes{1, 1, 7, 0, 0x0F, 0x0F, 9}); // a card without an address, spare bytes set
  hal.UpdateChecksum();
  const std::vector<ControlRecord> controls = {hal, test::MakeControl(2, "Gang", 3)};
  ControlBench b(controls);
  ControlPage& page = b.Open();
  const Bytes before = b.BytesOf(0) + b.BytesOf(1);
  EXPECT_EQ(b.view.Text(kName), "Hal");
  page.OnNext();
  page.OnPrevious();
  b.view.text[kName] = "Hal"; // typed again as shown
  page.OnNext();
  EXPECT_TRUE(b.editor->Ok());
  EXPECT_EQ(b.BytesOf(0) + b.BytesOf(1), before);
  EXPECT_FALSE(b.editor->Finish());
}

TEST(ControlPage, DuplicateNumbersKeepThePageOnTheSecond) {
  ControlBench b(
      {test::MakeControl(3, "Eerste", 3), test::MakeControl(1, "Een", 3), test::MakeControl(3, "Tweede", 3)});
  ControlPage& page = b.Open();
  EXPECT_FALSE(page.OnKillActive());
  ASSERT_EQ(b.host.boxes().size(), 1u);
  const auto& box = b.host.boxes().back();
  EXPECT_EQ(box.text, "Sturingsduplicaat.");
  EXPECT_EQ(box.caption, "Fout 25");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_EQ(b.view.Text(kName), "Tweede");
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 3, 3}));

  // Unlike a loop, a deleted control leaves the rest sorted.
  ControlBench d({test::MakeControl(5, "Vijf", 3), test::MakeControl(3, "Drie", 3), test::MakeControl(1, "Een", 3),
                  test::MakeControl(4, "Vier", 3)});
  d.Open().OnDelete();
  EXPECT_EQ(d.Numbers(), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(d.view.Text(kName), "Drie");
}

TEST(ControlPage, ANameHoldsFifteenCharacters) {
  for (const std::string& typed : {std::string("ABCDEFGHIJKLMNO"), std::string("ABCDEFGHIJKLMNOP")}) {
    SCOPED_TRACE(typed);
    ControlBench b({test::MakeControl(1, "Een", 3), test::MakeControl(2, "Twee", 3)});
    ControlPage& page = b.Open();
    const Bytes before = b.BytesOf(0);
    b.view.text[kName] = typed;
    page.OnNext();
    if (typed.size() <= ControlRecord::kNameWidth) {
      EXPECT_EQ(b.Control(0).Name(), typed);
      EXPECT_EQ(b.Control(0).Byte(ControlRecord::kNameNul), 0);
      EXPECT_EQ(b.view.Text(kName), "Twee");
      EXPECT_TRUE(b.view.faults.empty());
      continue;
    }
    EXPECT_EQ(b.BytesOf(0), before);
    EXPECT_EQ(b.view.Text(kName), typed);
    ASSERT_EQ(b.view.faults.size(), 1u);
    EXPECT_EQ(b.view.faults[0].DutchText(), "Geef maximaal 15 tekens in.");
    EXPECT_EQ(b.view.focused, kName);
    EXPECT_FALSE(page.OnKillActive());
    EXPECT_EQ(b.BytesOf(0), before);
  }
}

TEST(ControlPage, PointingAtARelayBoxShowsItsOutputText) {
  ControlRecord control = test::MakeControl(1, "Sirenes", 1);
  SetRow(control, 0, Bytes{5, 1, 0, 2, 0, 0x0F, 0}); // relays 1-4 of card 2
  SetRow(control, 1, Bytes{5, 0, 0, 7, 0, 0, 0});    // base relays
  SetRow(control, 2, Bytes{0, 1, 0, 2, 0, 0, 0});    // no event
  SetRow(control, 3, Bytes{5, 1, 0, 3, 0, 0, 0});    // a card without texts
  SetRow(control, 4, Bytes{5, 2, 0, 2, 0, 0, 0});    // the upper half of card 2
  ControlBench b({control});
  RelayTextRecord card2 = test::MakeRelayText(2, 1, 2, "Sirene hal");
  card2.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * 3, RelayTextRecord::kTextWidth, "");
  b.document.relayTexts = {test::MakeRelayText(1, 0, 4, "Basis 1"), card2, test::MakeRelayText(3, 2, 2, "Flits 9")};
  ControlPage& page = b.Open();
  auto& view = b.view;

  struct Case {
    int row;
    int box;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, 0, "Sirene hal"}, {0, 2, "Uitgang 3"}, {0, 3, ""}, // output 4 not in use
      {1, 0, "Basis 1"},    {1, 7, "Uitgang 8"},             // whatever the card of the base relays
      {2, 2, ""},           {3, 2, ""},          {4, 0, "Flits 9"}, {4, 1, "Uitgang 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.row) + "/" + std::to_string(c.box));
    view.text[kRelayText] = "vorige";
    page.OnRelayEnter(c.row, c.box);
    EXPECT_EQ(view.Text(kRelayText), c.text);
    page.OnRelayLeave();
    EXPECT_EQ(view.Text(kRelayText), "");
  }

  // The texts come from the copy being edited, not from the document.
  auto& entries = b.editor->relayTexts().entries();
  const auto upper = std::find_if(entries.begin(), entries.end(), [](const RelInfoEntry& e) { return e.kind == 2; });
  ASSERT_NE(upper, entries.end());
  upper->text[2] = "Flits 11";
  page.OnRelayEnter(4, 2);
  EXPECT_EQ(view.Text(kRelayText), "Flits 11");

  b.Tick(0, 2, false);
  EXPECT_EQ(view.Text(kRelayText), "Uitgang 3");
  EXPECT_EQ(view.Text(Relay(0, 2)), " ");
  b.Tick(0, 3, false);
  EXPECT_EQ(view.Text(kRelayText), "");
}

} // namespace
} // namespace kx700
