// The "Algemeen" page driven through its widgets: what reaches the central
// record, byte for byte, which controls its lists offer, the silence picker
// and the advanced flags.
#include "editor/central_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "editor/exchange.h"
#include "editor/parameter_editor.h"
#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/bytes.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using namespace central_ids;
using test::Bytes;
using test::operator+;
using R = CentralRecord;
using Kind = ExchangeFault::Kind;

// A text field as stored: the text, then NULs up to `width`.
Bytes Field(const std::string& text, std::size_t width) {
  Bytes out(text.begin(), text.end());
  out.resize(width, 0);
  return out;
}

// A page that agrees to everything, to leave the general page for.
class OtherPage final : public EditorPage {
public:
  void OnInitDialog() override {}
  void OnSetActive() override {}
  bool OnKillActive() override { return true; }
  bool OnOK() override { return true; }
  void OnCancel() override {}
};

// A filled record: both references set, silence controls stored out of
// order, the operating code stored short, reserved bytes that are not zero
// and a firmware version.
CentralRecord Central() {
  CentralRecord r;
  r.SetText(R::kPanelName, R::kPanelNameWidth, "Brandcentrale");
  r.SetText(R::kProjectName, R::kProjectNameWidth, "Kantoor");
  r.SetByte(R::kEvacuationReactionTime, 3);
  r.SetByte(R::kBackbeep, 1);
  r.SetText(R::kOperatingCode, R::kCodeWidth, "7");
  r.SetByte(R::kDirectEvacuationSwitch, 1);
  r.SetByte(R::kSwitchOverHour, 7);
  r.SetByte(R::kSwitchOverMinute, 30);
  r.SetByte(R::kSummerWinterTime, 1);
  r.SetByte(R::kGeneralControl, 3);
  r.SetByte(R::kAlertControl, 5);
  r.SetByte(R::kSilenceControls, 9);
  r.SetByte(R::kSilenceControls + 1, 4);
  r.SetByte(R::kMonitoredSirenCircuits, 0b101);
  r.SetByte(R::kRepeaterPanels, 2);
  r.SetByte(R::kRelayCards, 4);
  r.SetText(R::kAdvancedCode, R::kCodeWidth, "4321");
  r.SetByte(R::kAdvancedFlags, 0x21);
  for (std::size_t i = 0; i < R::kReservedWidth; ++i) r.SetByte(R::kReserved + i, 0x5A);
  r.SetByte(R::kFirmwareVersion, 1);
  r.SetByte(R::kFirmwareVersion + 1, 2);
  r.SetByte(R::kFirmwareVersion + 2, 7);
  r.UpdateChecksum();
  return r;
}

std::vector<ControlRecord> Controls() {
  return {test::MakeControl(3, "Algemeen", 1), test::MakeControl(5, "Waarschuwing", 2),
          test::MakeControl(4, "Stilte hal", 3), test::MakeControl(9, "Stilte kelder", 3)};
}

// The page in a sheet over a document of its own.
struct CentralBench {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  test::FakeCentralPageView view;
  OtherPage other;
  std::optional<ParameterEditor> editor;
  std::optional<CentralPage> page;

  explicit CentralBench(const std::vector<ControlRecord>& controls = Controls(), VersionTriple version = {1, 2, 0}) {
    document.version = version;
    document.central = Central();
    document.controls.assign(controls.begin(), controls.end());
  }
  std::size_t Tab(EditorPageKind kind) const {
    const auto& pages = editor->pages();
    return static_cast<std::size_t>(std::distance(pages.begin(), std::find(pages.begin(), pages.end(), kind)));
  }
  CentralPage& Open() {
    editor.emplace(document, host);
    page.emplace(*editor, view);
    EXPECT_TRUE(editor->RequestPage(Tab(EditorPageKind::General), [this]() -> EditorPage& { return *page; }));
    return *page;
  }
  bool Leave() {
    return editor->RequestPage(Tab(EditorPageKind::Loops), [this]() -> EditorPage& { return other; });
  }
  void Return() {
    EXPECT_TRUE(editor->RequestPage(Tab(EditorPageKind::General), [this]() -> EditorPage& { return *page; }));
  }
  Bytes Record() const { return test::BytesOf(document.central.bytes); }
  Bytes Slice(std::size_t offset, std::size_t count) const {
    const Bytes all = Record();
    return Bytes(all.begin() + static_cast<long>(offset), all.begin() + static_cast<long>(offset + count));
  }
  int At(std::size_t offset) const { return document.central.Signed(offset); }
  ControlRecord& Control(int number) { return *document.FindControl(number); }

  // "Selecteer" over a picker of its own: double-clicks `numbers` in order.
  test::FakePageView picker;
  std::vector<std::string> offered; // what the picker listed when it opened
  void Pick(const std::vector<int>& numbers) {
    view.pickSilence = [this, numbers] {
      SilencePicker dialog(*page, picker);
      dialog.FillList();
      offered = picker.ItemTexts(kPickerList);
      for (int number : numbers) {
        picker.Select(kPickerList, number);
        dialog.OnDblclkList();
      }
    };
    page->OnAddSilenceControl();
  }
};

TEST(CentralPage, ShowsNamesTrimmedAndCodesPaddedWithZeros) {
  CentralBench b;
  auto& r = b.document.central;
  // A name that runs on into its NUL byte is cut at its field.
  r.SetText(R::kPanelName, R::kPanelNameWidth + 1, std::string(21, 'A'));
  r.SetText(R::kProjectName, R::kProjectNameWidth, "Kantoor   ");
  b.Open();
  const auto& view = b.view;
  EXPECT_EQ(view.Text(kPanelName), std::string(20, 'A'));
  EXPECT_EQ(view.Text(kProject), "Kantoor");
  EXPECT_EQ(view.Text(kOperatingCode), "0007");
  EXPECT_EQ(view.Text(kAdvancedCode), "4321");
  EXPECT_EQ(view.Text(kReactionTime), "3");
  EXPECT_EQ(view.Text(kHour), "7");
  EXPECT_EQ(view.Text(kMinute), "30");
  EXPECT_EQ(view.Text(kRepeaters), "2");
  EXPECT_EQ(view.Text(kRelayCards), "4");
  EXPECT_TRUE(view.Checked(kBackbeep));
  EXPECT_TRUE(view.Checked(kSwitchOver));
  EXPECT_TRUE(view.Checked(kSummerWinter));
  EXPECT_EQ((std::array{view.Checked(Siren(1)), view.Checked(Siren(2)), view.Checked(Siren(3))}),
            (std::array{true, false, true}));
  EXPECT_EQ(view.SelectedData(kGeneralControl), 3);
  EXPECT_EQ(view.SelectedData(kAlertControl), 5);

  for (const auto& [stored, shown] : {std::pair{"7", "0007"}, std::pair{"", "0000"}, std::pair{"12", "0012"}}) {
    CentralBench c;
    c.document.central.SetText(R::kOperatingCode, R::kCodeWidth, stored);
    c.document.central.SetText(R::kAdvancedCode, R::kCodeWidth, stored);
    c.Open();
    EXPECT_EQ(c.view.Text(kOperatingCode), shown) << stored;
    EXPECT_EQ(c.view.Text(kAdvancedCode), shown) << stored;
  }
}

// The advanced code and button exist from 1.01 on; before, the code's five
// bytes are zero after a save while the flags are kept.
TEST(CentralPage, StoresCodesPaddedAndTheAdvancedCodeFromOnePointOneOn) {
  struct Case {
    VersionTriple version;
    bool advanced;
    Bytes advancedCode;
  };
  for (const Case& c : {Case{{1, 0, 0}, false, Bytes(5, 0)}, Case{{1, 2, 0}, true, test::BytesOf("0012") + Bytes{0}}}) {
    SCOPED_TRACE(c.version.minor);
    CentralBench b(Controls(), c.version);
    CentralPage& page = b.Open();
    for (ControlId id : {kAdvancedCode, kAdvanced}) {
      EXPECT_EQ(b.view.visible.at(id), c.advanced) << id;
      EXPECT_EQ(b.view.IsEnabled(id), c.advanced) << id;
    }
    b.view.text[kOperatingCode] = "7";
    b.view.text[kAdvancedCode] = "12";
    b.view.text[kProject] = "Fabriek";
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(b.Slice(R::kOperatingCode, 5), test::BytesOf("0007") + Bytes{0});
    EXPECT_EQ(b.Slice(R::kAdvancedCode, 5), c.advancedCode);
    EXPECT_EQ(b.At(R::kAdvancedFlags), 0x21);
    EXPECT_TRUE(b.view.faults.empty());
  }
}

TEST(CentralPage, AnEditRewritesTheRecordWhileALookKeepsEveryByte) {
  CentralBench look;
  const Bytes before = look.Record();
  look.Open();
  EXPECT_EQ(look.view.Text(kOperatingCode), "0007");
  EXPECT_TRUE(look.editor->Ok());
  EXPECT_EQ(look.Record(), before); // the short code, the silence order, reserved bytes and checksum
  EXPECT_FALSE(look.editor->Finish());

  CentralBench edit;
  edit.Open();
  edit.view.text[kProject] = "Fabriek";
  EXPECT_TRUE(edit.editor->Ok());
  const Bytes expected = Bytes{0} + Field("Brandcentrale", 21) + Field("Fabriek", 21) + Bytes{3, 1} +
                         test::BytesOf("0007") + Bytes{0} + Bytes{1, 7, 30, 1, 3, 5} + Bytes{4, 9, 0, 0, 0, 0, 0, 0} +
                         Bytes{0b101, 2, 4} + test::BytesOf("4321") + Bytes{0, 0x21} + Bytes(11, 0) + Bytes{1, 2, 7};
  ASSERT_EQ(expected.size(), R::kSize);
  EXPECT_EQ(edit.Record(), expected);
  EXPECT_TRUE(edit.editor->Finish());
  EXPECT_TRUE(edit.host.boxes().empty());
}

TEST(CentralPage, TheCombosOfferControlsWithUsableNames) {
  ControlRecord sixteen = test::MakeControl(12, "Zestien tekens!", 1);
  sixteen.SetByte(ControlRecord::kNameNul, '!'); // runs on past its field
  CentralBench b({test::MakeControl(1, "Algemeen", 1), test::MakeControl(2, "", 1),
                  test::MakeControl(10, " Ingesprongen", 1), test::MakeControl(11, "Vijftien tekens", 1), sixteen,
                  test::MakeControl(5, "Waarschuwing", 2), test::MakeControl(6, " Evacuatie", 2),
                  test::MakeControl(7, "Stilte", 3)});
  b.Open();
  EXPECT_EQ(b.view.items[kGeneralControl], (std::vector<ChoiceItem>{{"1 Algemeen", 1}, {"11 Vijftien tekens", 11}}));
  EXPECT_EQ(b.view.items[kAlertControl], (std::vector<ChoiceItem>{{"Geen", 0}, {"5 Waarschuwing", 5}}));
}

// Unset references take the last usable control of their type in the
// document's order, each time the page is shown.
TEST(CentralPage, UnsetReferencesTakeTheLastUsableControlOfTheirType) {
  const std::vector<ControlRecord> controls{
      test::MakeControl(1, "Algemeen 1", 1),     test::MakeControl(3, "Algemeen A", 1),
      test::MakeControl(7, "Algemeen B", 1),     test::MakeControl(8, " Verborgen", 1),
      test::MakeControl(6, "Waarschuwing A", 2), test::MakeControl(5, "Waarschuwing B", 2)};
  struct Case {
    int general, alert;         // stored
    int keptGeneral, keptAlert; // after the page is shown
    std::optional<int> shownGeneral, shownAlert;
  };
  for (const Case& c : {Case{0, 0, 7, 5, 7, 5},
                        // Control 1 is set: kept, shown where its kind fits.
                        Case{1, 1, 1, 1, 1, std::nullopt}}) {
    SCOPED_TRACE(std::to_string(c.general) + "/" + std::to_string(c.alert));
    CentralBench b(controls);
    b.document.central.SetByte(R::kGeneralControl, c.general);
    b.document.central.SetByte(R::kAlertControl, c.alert);
    b.Open();
    EXPECT_EQ(b.At(R::kGeneralControl), c.keptGeneral);
    EXPECT_EQ(b.At(R::kAlertControl), c.keptAlert);
    EXPECT_EQ(b.view.SelectedData(kGeneralControl), c.shownGeneral);
    EXPECT_EQ(b.view.SelectedData(kAlertControl), c.shownAlert);
  }

  CentralBench b(controls);
  b.document.central.SetByte(R::kGeneralControl, 0);
  b.document.central.SetByte(R::kAlertControl, 0);
  b.Open();

  b.view.Select(kAlertControl, 0); // "Geen"
  ASSERT_TRUE(b.Leave());
  EXPECT_EQ(b.At(R::kAlertControl), 0);
  b.Return();
  EXPECT_EQ(b.At(R::kAlertControl), 5);
  EXPECT_EQ(b.view.SelectedData(kAlertControl), 5);
}

TEST(CentralPage, AReferencedControlThatLosesItsNameIsDropped) {
  CentralBench b({test::MakeControl(3, "Algemeen A", 1), test::MakeControl(7, "Algemeen B", 1)});
  b.document.central.SetByte(R::kGeneralControl, 7);
  b.Open();
  EXPECT_EQ(b.view.SelectedData(kGeneralControl), 7);
  ASSERT_TRUE(b.Leave());

  // Renamed on the control page to start with a blank.
  b.Control(7).SetText(ControlRecord::kName, ControlRecord::kNameWidth, " Algemeen B");
  b.Return();
  EXPECT_EQ(b.view.ItemTexts(kGeneralControl), std::vector<std::string>{"3 Algemeen A"});
  EXPECT_EQ(b.view.Selection(kGeneralControl), -1);
  EXPECT_EQ(b.At(R::kGeneralControl), 7); // a set reference takes no default
  ASSERT_TRUE(b.Leave());
  EXPECT_EQ(b.At(R::kGeneralControl), 0);
  // Unset now, it takes the default the next time the page is shown.
  b.Return();
  EXPECT_EQ(b.At(R::kGeneralControl), 3);
  EXPECT_EQ(b.view.SelectedData(kGeneralControl), 3);
}

TEST(CentralPage, TheSilenceListIsSortedByTextAndStoredInThatOrder) {
  CentralBench b({test::MakeControl(4, "Stilte hal", 3), test::MakeControl(9, "Stilte kelder", 3),
                  test::MakeControl(12, "Atrium", 3)});
  auto& r = b.document.central;
  for (std::size_t slot = 0; slot < R::kSilenceControlSlots; ++slot) r.SetByte(R::kSilenceControls + slot, 0);
  r.SetByte(R::kSilenceControls, 12);
  r.SetByte(R::kSilenceControls + 1, 9);
  r.SetByte(R::kSilenceControls + 2, 6); // names no control
  r.SetByte(R::kSilenceControls + 3, 4);
  CentralPage& page = b.Open();
  EXPECT_EQ(b.view.items[kSilence],
            (std::vector<ChoiceItem>{{"04 Stilte hal", 4}, {"09 Stilte kelder", 9}, {"12 Atrium", 12}}));
  b.view.checked[kBackbeep] = false;
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.Slice(R::kSilenceControls, R::kSilenceControlSlots), (Bytes{4, 9, 12, 0, 0, 0, 0, 0}));
}

TEST(SilencePicker, OffersUnlistedSilenceControlsAndMovesADoubleClickedOne) {
  CentralBench b({test::MakeControl(9, "Stilte kelder", 3), test::MakeControl(4, "Stilte hal", 3),
                  test::MakeControl(2, "Stilte gang", 3), test::MakeControl(3, "Algemeen", 1),
                  test::MakeControl(5, " Verborgen", 3)});
  auto& r = b.document.central;
  r.SetByte(R::kSilenceControls, 2);
  r.SetByte(R::kSilenceControls + 1, 0);
  CentralPage& page = b.Open();
  b.Pick({9, 4});
  EXPECT_EQ(b.offered, (std::vector<std::string>{"04 Stilte hal", "09 Stilte kelder"}));
  EXPECT_TRUE(b.picker.items[kPickerList].empty());
  EXPECT_EQ(b.view.ItemTexts(kSilence),
            (std::vector<std::string>{"02 Stilte gang", "04 Stilte hal", "09 Stilte kelder"}));
  EXPECT_EQ(b.Slice(R::kSilenceControls, 3), (Bytes{2, 0, 0})); // stored on leaving only
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.Slice(R::kSilenceControls, R::kSilenceControlSlots), (Bytes{2, 4, 9, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(b.host.boxes().empty());
}

TEST(SilencePicker, ANinthSilenceControlIsRefusedUntilOneIsRemoved) {
  std::vector<ControlRecord> controls;
  for (int n = 1; n <= 10; ++n) controls.push_back(test::MakeControl(n, "Stilte " + std::to_string(n), 3));
  CentralBench b(controls);
  for (std::size_t slot = 0; slot < R::kSilenceControlSlots; ++slot)
    b.document.central.SetByte(R::kSilenceControls + slot, static_cast<int>(slot) + 1);
  CentralPage& page = b.Open();
  ASSERT_EQ(page.silenceControls().size(), 8u);

  b.Pick({9});
  ASSERT_EQ(b.host.boxes().size(), 1u);
  const auto& box = b.host.boxes().back();
  EXPECT_EQ(box.text, "Het maximum aantal stilte sturingen is bereikt.");
  EXPECT_EQ(box.caption, "Fout 26");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_EQ(b.picker.ItemTexts(kPickerList), (std::vector<std::string>{"09 Stilte 9", "10 Stilte 10"}));
  EXPECT_EQ(page.silenceControls(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));

  b.view.Select(kSilence, 3);
  page.OnRemoveSilenceControl();
  EXPECT_EQ(page.silenceControls(), (std::vector<int>{1, 2, 4, 5, 6, 7, 8}));
  b.Pick({9});
  EXPECT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.picker.ItemTexts(kPickerList), (std::vector<std::string>{"03 Stilte 3", "10 Stilte 10"}));
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.Slice(R::kSilenceControls, R::kSilenceControlSlots), (Bytes{1, 2, 4, 5, 6, 7, 8, 9}));
}

// All fields refused at once: each save reports the first that is left, in
// the page's order, and writes nothing until the last is put right.
TEST(CentralPage, RefusesTheFirstFieldOutOfItsLimits) {
  struct Case {
    ControlId id;
    std::string refused;
    std::string accepted;
    ExchangeFault fault;
  };
  const std::vector<Case> cases = {
      {kOperatingCode, "12345", "1234", {Kind::TooLong, kOperatingCode, "4", ""}},
      {kPanelName, std::string(21, 'N'), std::string(20, 'N'), {Kind::TooLong, kPanelName, "20", ""}},
      {kProject, std::string(21, 'P'), std::string(20, 'P'), {Kind::TooLong, kProject, "20", ""}},
      {kReactionTime, "0", "9", {Kind::IntegerRange, kReactionTime, "1", "9"}},
      {kHour, "24", "23", {Kind::IntegerRange, kHour, "0", "23"}},
      {kMinute, "60", "59", {Kind::IntegerRange, kMinute, "0", "59"}},
      {kRelayCards, "9", "8", {Kind::IntegerRange, kRelayCards, "0", "8"}},
      {kRepeaters, "9", "8", {Kind::IntegerRange, kRepeaters, "0", "8"}},
      {kAdvancedCode, "12345", "0001", {Kind::TooLong, kAdvancedCode, "4", ""}},
  };
  CentralBench b;
  CentralPage& page = b.Open();
  const Bytes before = b.Record();
  b.view.checked[kSummerWinter] = false;
  for (const Case& c : cases) b.view.text[c.id] = c.refused;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    b.view.faults.clear();
    EXPECT_FALSE(page.OnKillActive());
    EXPECT_EQ(b.view.faults, std::vector<ExchangeFault>{c.fault});
    EXPECT_EQ(b.view.focused, c.id);
    EXPECT_EQ(b.Record(), before);
    b.view.text[c.id] = c.accepted;
  }
  EXPECT_EQ(cases[3].fault.DutchText(), "Geef een geheel getal tussen 1 en 9 in.");
  b.view.faults.clear();
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_TRUE(b.view.faults.empty());
  EXPECT_EQ(b.document.central.PanelName(), std::string(20, 'N'));
  EXPECT_EQ(b.At(R::kSwitchOverMinute), 59);
  EXPECT_EQ(b.At(R::kSummerWinterTime), 0);
}

TEST(CentralPage, HourAndMinuteCountOnlyWhileSwitchOverIsActive) {
  CentralBench b;
  b.document.central.SetByte(R::kDirectEvacuationSwitch, 0);
  CentralPage& page = b.Open();
  EXPECT_FALSE(b.view.IsEnabled(kHour));
  EXPECT_FALSE(b.view.IsEnabled(kMinute));
  b.view.text[kHour] = "99";
  b.view.text[kMinute] = "x";
  b.view.text[kProject] = "Fabriek";
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.At(R::kSwitchOverHour), 7);
  EXPECT_EQ(b.At(R::kSwitchOverMinute), 30);

  b.view.checked[kSwitchOver] = true;
  page.OnActief();
  EXPECT_TRUE(b.view.IsEnabled(kHour));
  EXPECT_TRUE(b.view.IsEnabled(kMinute));
  EXPECT_FALSE(page.OnKillActive());
  EXPECT_EQ(b.view.focused, kHour);
  EXPECT_EQ(b.At(R::kDirectEvacuationSwitch), 0);
  b.view.text[kHour] = "22";
  b.view.text[kMinute] = "45";
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.Slice(R::kDirectEvacuationSwitch, 3), (Bytes{1, 22, 45}));

  b.view.checked[kSwitchOver] = false;
  page.OnActief();
  EXPECT_FALSE(b.view.IsEnabled(kHour));
  EXPECT_FALSE(b.view.IsEnabled(kMinute));
}

TEST(AdvancedFlags, SixOptionsWithTheAutomaticResetInverted) {
  using Options = std::array<bool, 6>;
  struct Case {
    std::uint8_t flags;
    Options options;
    std::uint8_t back;
  };
  for (const Case& c : {Case{0x00, {false, false, false, false, false, true}, 0x00},
                        Case{0x20, {false, false, false, false, false, false}, 0x20},
                        Case{0x15, {true, false, true, false, true, true}, 0x15},
                        Case{0x0A, {false, true, false, true, false, true}, 0x0A},
                        Case{0xFF, {true, true, true, true, true, false}, 0x3F},
                        Case{0xC1, {true, false, false, false, false, true}, 0x01}}) {
    SCOPED_TRACE(static_cast<int>(c.flags));
    EXPECT_EQ(AdvancedOptions(c.flags), c.options);
    EXPECT_EQ(AdvancedFlags(c.options), c.back);
  }
}

TEST(CentralPage, TheAdvancedDialogChangesTheFlagsOnOkOnly) {
  CentralBench b;
  CentralPage& page = b.Open();
  b.view.advancedFlags = {std::nullopt, 0x04};
  page.OnAdvanced();
  EXPECT_EQ(page.form().advancedFlags, 0x21);
  page.OnAdvanced();
  EXPECT_EQ(b.view.advancedPresets, (std::vector<std::uint8_t>{0x21, 0x21}));
  EXPECT_EQ(b.At(R::kAdvancedFlags), 0x21);
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.At(R::kAdvancedFlags), 0x04);

  // Cancel of the sheet drops flags chosen with OK.
  CentralBench cancelled;
  const Bytes before = cancelled.Record();
  cancelled.Open();
  cancelled.view.advancedFlags = {0x04};
  cancelled.page->OnAdvanced();
  cancelled.editor->Cancel();
  EXPECT_FALSE(cancelled.editor->Finish());
  EXPECT_EQ(cancelled.Record(), before);
}

} // namespace
} // namespace kx700
