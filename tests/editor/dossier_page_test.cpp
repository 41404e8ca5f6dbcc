// The "Dossier" page driven through its widgets: what reaches the six fixed
// blocks, byte for byte, the field limits as the blocks count them, the
// commissioning date, the lock and the repeater panel locations.
#include "editor/dossier_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/exchange.h"
#include "editor/parameter_editor.h"
#include "model/document.h"
#include "support/bytes.h"
#include "support/fake_clock.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using namespace dossier_ids;
using test::Bytes;
using test::operator+;
using P = CustomerBlock;
using I = InstallationBlock;
using H = RepeaterBlock;
using V = PeripheryVersionBlock;
using Kind = ExchangeFault::Kind;

constexpr std::size_t kDossierTab = 4; // the last tab from 1.01 on

// A text field as stored: the text, then NULs up to `width`.
Bytes Field(const std::string& text, std::size_t width) {
  Bytes out(text.begin(), text.end());
  out.resize(width, 0);
  return out;
}

// Filled blocks, unsigned: a customer name with trailing blanks, two-line
// texts, versions received from the panel, locations 1 and 3 with the rest of
// a removed location 2 behind its NUL, and reserved bytes that are not zero.
FixedBlocks Dossier() {
  FixedBlocks f;
  P& p = f.customer;
  p.SetText(P::kCustomer, P::kCustomerWidth, "Bakkerij Smit   ");
  p.SetText(P::kAddress, P::kAddressWidth, "Dorpsstraat 1\r\n1234 AB Ergens");
  p.SetText(P::kTelephone, P::kTelephoneWidth, "0123-456789");
  p.SetText(P::kEmail, P::kEmailWidth, "info@smit.example");
  p.SetText(P::kContact, P::kContactWidth, "J. Smit");
  p.SetText(P::kInstaller, P::kInstallerWidth, "Veilig BV");
  p.SetByte(P::kReserved, 0x33);
  I& i = f.installation;
  i.SetByte(I::kCommissioningYear, 24);
  i.SetByte(I::kCommissioningMonth, 5);
  i.SetByte(I::kCommissioningDay, 17);
  i.SetText(I::kQuiescentCurrent, I::kCurrentWidth, "120");
  i.SetText(I::kAlarmCurrent, I::kCurrentWidth, "450");
  i.SetText(I::kBattery, I::kBatteryWidth, "12Ah");
  i.SetText(I::kProductionNumber, I::kProductionNumberWidth, "123456789");
  i.SetByte(I::kReserved, 0x34);
  AccessoryBlock& a = f.accessory;
  a.SetByte(AccessoryBlock::kSirens, 4);
  a.SetByte(AccessoryBlock::kBuzzers, 2);
  a.SetByte(AccessoryBlock::kFlashLights, 3);
  a.SetByte(AccessoryBlock::kDoorMagnets, 6);
  a.SetByte(AccessoryBlock::kTelephoneDialler, 1);
  H& h = f.repeater;
  for (std::size_t n = 0; n < 2 * H::kPanels; ++n) h.SetByte(H::kVersions + n, 0x10 + static_cast<int>(n));
  h.SetText(H::LocationOffset(0), H::kLocationWidth, "Inkom");
  h.SetText(H::LocationOffset(1) + 1, H::kLocationWidth - 1, "oud");
  h.SetText(H::LocationOffset(2), H::kLocationWidth, "Kelder");
  h.SetByte(H::kReserved, 0x44);
  V& v = f.peripheryVersion;
  for (std::size_t n = V::kPowerSupplyVersion; n < V::kReserved; ++n) v.SetByte(n, 0x20 + static_cast<int>(n));
  v.SetByte(V::kReserved, 0x55);
  f.notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, "Eerste regel\r\nTweede regel");
  for (BlockType type : kFixedBlockOrder) RecordChecksum(f.BytesOf(type));
  return f;
}

// The page in a sheet over a document of its own, on a day of its own.
struct DossierBench {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  test::FakeClock clock;
  test::FakeDossierPageView view;
  std::optional<ParameterEditor> editor;
  std::optional<DossierPage> page;

  DossierBench() {
    document.version = {1, 2, 0};
    document.fixedBlocks = Dossier();
    clock.SetNow({2031, 3, 14, 9, 15, 0, 5});
  }
  DossierPage& Open() {
    editor.emplace(document, host, clock);
    page.emplace(*editor, view);
    EXPECT_EQ(editor->pages().at(kDossierTab), EditorPageKind::Dossier);
    EXPECT_TRUE(editor->RequestPage(kDossierTab, [this]() -> EditorPage& { return *page; }));
    return *page;
  }
  FixedBlocks& blocks() { return document.fixedBlocks; }
  Bytes Of(BlockType type) {
    const auto bytes = blocks().BytesOf(type);
    return Bytes(bytes.begin(), bytes.end());
  }
  // Year, month and day as stored.
  Bytes Date() {
    const I& i = blocks().installation;
    return {i.Byte(I::kCommissioningYear), i.Byte(I::kCommissioningMonth), i.Byte(I::kCommissioningDay)};
  }
  std::string Location(int address) {
    return blocks().repeater.Text(H::LocationOffset(static_cast<std::size_t>(address - 1)), H::kLocationWidth);
  }
};

TEST(DossierPage, ShowsTextsTrimmedAndStoresEachWithItsNul) {
  DossierBench b;
  DossierPage& page = b.Open();
  auto& view = b.view;
  EXPECT_EQ(view.Text(kCustomer), "Bakkerij Smit");
  EXPECT_EQ(view.Text(kAddress), "Dorpsstraat 1\n1234 AB Ergens");
  EXPECT_EQ(view.Text(kNotes), "Eerste regel\nTweede regel");
  EXPECT_EQ(view.Text(kTelephone), "0123-456789");
  EXPECT_EQ(view.Text(kProductionNumber), "123456789");
  EXPECT_EQ(view.Text(kBattery), "12Ah");
  EXPECT_EQ(view.Text(kDoorMagnets), "6");
  EXPECT_TRUE(view.Checked(kDialler));
  EXPECT_EQ(view.date, (DossierDate{2024, 5, 17}));
  EXPECT_EQ(view.items[kLocations], (std::vector<ChoiceItem>{{"1. Inkom", 1}, {"3. Kelder", 3}}));

  view.text[kCustomer] = "Bakkerij Jansen";
  view.text[kTelephone] = "0031-123-456-789-012";
  view.text[kProductionNumber] = "987654321";
  view.text[kSirens] = "5";
  ASSERT_TRUE(page.OnKillActive());
  const Bytes customer = Bytes{0} + Field("Bakkerij Jansen", 26) + Field("Dorpsstraat 1\r\n1234 AB Ergens", 51) +
                         Field("0031-123-456-789-012", 21) + Field("info@smit.example", 51) + Field("J. Smit", 26) +
                         Field("Veilig BV", 26) + Bytes(25, 0);
  const Bytes installation = Bytes{0} + Field("", 26) + Bytes{24, 5, 17} + Field("120", 6) + Field("450", 6) +
                             Field("12Ah", 7) + Field("987654321", 10) + Bytes(11, 0);
  const Bytes accessory = Bytes{0, 5, 2, 3, 6, 1} + Bytes(20, 0);
  const Bytes notes = Bytes{0} + Field("Eerste regel\r\nTweede regel", 251);
  ASSERT_EQ(customer.size(), P::kSize);
  ASSERT_EQ(installation.size(), I::kSize);
  EXPECT_EQ(b.Of(BlockType::Customer), customer);
  EXPECT_EQ(b.Of(BlockType::Installation), installation);
  EXPECT_EQ(b.Of(BlockType::Accessory), accessory);
  EXPECT_EQ(b.Of(BlockType::Notes), notes);
}

TEST(DossierPage, SaveKeepsTheVersionsAndRewritesTheLocations) {
  DossierBench b;
  DossierPage& page = b.Open();
  b.view.text[kCustomer] = "Bakkerij Jansen";
  ASSERT_TRUE(page.OnKillActive());
  Bytes versions;
  for (int n = 0; n < 16; ++n) versions.push_back(static_cast<std::uint8_t>(0x10 + n));
  const Bytes repeater =
      Bytes{0} + versions + Field("Inkom", 19) + Bytes(19, 0) + Field("Kelder", 19) + Bytes(19 * 5, 0) + Bytes(5, 0);
  ASSERT_EQ(repeater.size(), H::kSize);
  EXPECT_EQ(b.Of(BlockType::Repeater), repeater);
  Bytes periphery{0};
  for (int n = 1; n < 19; ++n) periphery.push_back(static_cast<std::uint8_t>(0x20 + n));
  EXPECT_EQ(b.Of(BlockType::PeripheryVersion), periphery + Bytes(32, 0));
}

TEST(DossierPage, APageLeftAsItWasKeepsEveryByte) {
  DossierBench b;
  const FixedBlocks before = b.blocks();
  b.Open();
  EXPECT_TRUE(b.editor->Ok());
  EXPECT_EQ(b.blocks(), before); // trailing blanks, reserved bytes, checksums
  EXPECT_FALSE(b.editor->Finish());
  EXPECT_TRUE(b.view.faults.empty());
}

// A multi-line text from a file or the panel whose lines end in a lone CR or
// LF keeps them while it is not edited, also where CR LF would not fit.
TEST(DossierPage, AMultiLineTextLeftAsItCameKeepsItsLineEnds) {
  std::string full;
  for (int n = 0; n < 25; ++n) full += "x\n";
  for (const std::string& text : {full, std::string("a\rb"), std::string("a\r\nb\nc\r")}) {
    SCOPED_TRACE(text);
    DossierBench b;
    b.blocks().customer.SetText(P::kAddress, P::kAddressWidth, text);
    b.blocks().notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, text);
    for (BlockType type : kFixedBlockOrder) RecordChecksum(b.blocks().BytesOf(type));
    const FixedBlocks before = b.blocks();
    b.Open();
    EXPECT_TRUE(b.editor->Ok());
    EXPECT_TRUE(b.view.faults.empty());
    EXPECT_EQ(b.blocks(), before);
    EXPECT_FALSE(b.editor->Finish());
  }
}

TEST(DossierPage, SingleLineTextsHoldTheirFieldWidth) {
  struct Case {
    ControlId id;
    std::size_t limit;
  };
  for (const Case& c : {Case{kTelephone, 20}, Case{kCustomer, 25}, Case{kContact, 25}, Case{kInstaller, 25},
                        Case{kTechnician, 25}, Case{kEmail, 50}, Case{kQuiescentCurrent, 5}, Case{kAlarmCurrent, 5},
                        Case{kBattery, 6}, Case{kProductionNumber, 9}}) {
    SCOPED_TRACE(c.id);
    DossierBench b;
    DossierPage& page = b.Open();
    const FixedBlocks before = b.blocks();
    b.view.text[c.id] = std::string(c.limit + 1, 'x');
    EXPECT_FALSE(page.OnKillActive());
    const ExchangeFault fault{Kind::TooLong, c.id, std::to_string(c.limit), ""};
    EXPECT_EQ(b.view.faults, std::vector<ExchangeFault>{fault});
    EXPECT_EQ(b.view.focused, c.id);
    EXPECT_EQ(b.blocks(), before);

    b.view.text[c.id] = std::string(c.limit, 'x');
    ASSERT_TRUE(page.OnKillActive());
    page.LoadFromDocument();
    EXPECT_EQ(b.view.Text(c.id), std::string(c.limit, 'x'));
  }
  EXPECT_EQ((ExchangeFault{Kind::TooLong, kTelephone, "20", ""}.DutchText()), "Geef maximaal 20 tekens in.");
}

// The limit of a multi-line text counts each line break as the two
// characters the block stores.
TEST(DossierPage, MultiLineTextsCountALineBreakAsTwo) {
  struct Case {
    ControlId id;
    std::size_t limit;
    std::string (*stored)(const FixedBlocks&); // up to the NUL after the field
  };
  for (const Case& c :
       {Case{kAddress, 50, [](const FixedBlocks& f) { return f.customer.Text(P::kAddress, P::kAddressWidth + 1); }},
        Case{kNotes, 250,
             [](const FixedBlocks& f) { return f.notes.Text(NotesBlock::kNotes, NotesBlock::kNotesWidth + 1); }}}) {
    SCOPED_TRACE(c.id);
    DossierBench b;
    DossierPage& page = b.Open();
    const std::size_t half = (c.limit - 2) / 2;
    const std::string first(half, 'a');
    const std::string second(c.limit - 2 - half, 'b');
    b.view.text[c.id] = first + "\n" + second;
    ASSERT_TRUE(page.OnKillActive());
    EXPECT_EQ(c.stored(b.blocks()), first + "\r\n" + second);
    page.LoadFromDocument();
    EXPECT_EQ(b.view.Text(c.id), first + "\n" + second);

    const FixedBlocks before = b.blocks();
    b.view.text[c.id] = first + "\n" + second + "c";
    EXPECT_FALSE(page.OnKillActive());
    EXPECT_EQ(b.view.faults, (std::vector<ExchangeFault>{{Kind::TooLong, c.id, std::to_string(c.limit), ""}}));
    EXPECT_EQ(b.blocks(), before);
  }
}

TEST(DossierLines, ShownWithLineFeedsStoredWithCarriageReturnLineFeeds) {
  for (const auto& [shown, stored] : {std::pair{"", ""}, std::pair{"een", "een"}, std::pair{"een\ntwee", "een\r\ntwee"},
                                      std::pair{"een\n\ntwee\n", "een\r\n\r\ntwee\r\n"}}) {
    EXPECT_EQ(ToStoredLines(shown), stored);
    EXPECT_EQ(ToShownLines(stored), shown);
  }
  // A lone CR on either side is a line break too; CR LF typed stays one.
  EXPECT_EQ(ToStoredLines("een\r\ntwee\rdrie"), "een\r\ntwee\r\ndrie");
  EXPECT_EQ(ToShownLines("een\rtwee\ndrie"), "een\ntwee\ndrie");
}

TEST(DossierDate, RealDatesOnly) {
  struct Case {
    int year, month, day;
    bool real;
  };
  for (const Case& c :
       {Case{2024, 2, 29, true}, Case{2023, 2, 29, false}, Case{2000, 2, 29, true}, Case{2100, 2, 29, false},
        Case{2023, 2, 28, true}, Case{2023, 4, 31, false}, Case{2023, 12, 31, true}, Case{2023, 1, 32, false},
        Case{2023, 1, 0, false}, Case{2023, 0, 1, false}, Case{2023, 13, 1, false}}) {
    EXPECT_EQ(IsRealDate(c.year, c.month, c.day), c.real) << c.year << "-" << c.month << "-" << c.day;
  }

  struct Stored {
    int year, month, day;
    std::optional<DossierDate> date;
  };
  for (const Stored& s : {Stored{24, 2, 29, DossierDate{2024, 2, 29}}, Stored{23, 2, 29, std::nullopt},
                          Stored{26, 2, 31, std::nullopt}, Stored{0, 0, 0, std::nullopt},
                          Stored{0, 2, 29, DossierDate{2000, 2, 29}}, Stored{99, 12, 31, DossierDate{2099, 12, 31}}}) {
    InstallationBlock block;
    block.SetByte(I::kCommissioningYear, s.year);
    block.SetByte(I::kCommissioningMonth, s.month);
    block.SetByte(I::kCommissioningDay, s.day);
    EXPECT_EQ(StoredDate(block), s.date) << s.year << "-" << s.month << "-" << s.day;
  }
}

TEST(DossierPage, AnImpossibleStoredDateShowsAndStoresToday) {
  for (const Bytes& stored : {Bytes{26, 2, 31}, Bytes{0, 0, 0}}) {
    DossierBench b;
    I& i = b.blocks().installation;
    i.SetByte(I::kCommissioningYear, stored[0]);
    i.SetByte(I::kCommissioningMonth, stored[1]);
    i.SetByte(I::kCommissioningDay, stored[2]);
    b.Open();
    EXPECT_EQ(b.view.date, (DossierDate{2031, 3, 14}));
    EXPECT_TRUE(b.editor->Ok());
    EXPECT_EQ(b.Date(), (Bytes{31, 3, 14}));
    EXPECT_EQ(b.blocks().customer.Text(P::kCustomer, P::kCustomerWidth), "Bakkerij Smit");
  }
}

TEST(DossierPage, AChosenDateIsStoredAsYearMonthDay) {
  DossierBench b;
  DossierPage& page = b.Open();
  b.view.date = {2030, 11, 2};
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(b.Date(), (Bytes{30, 11, 2}));
  page.LoadFromDocument();
  EXPECT_EQ(b.view.date, (DossierDate{2030, 11, 2}));
}

TEST(DossierPage, ASignedDossierOpensLocked) {
  DossierBench open;
  open.Open();
  EXPECT_FALSE(open.view.Checked(kLock));
  EXPECT_EQ(open.view.lockShown, std::vector<bool>{false});
  for (ControlId id : {kTechnician, kDate, kProductionNumber}) EXPECT_TRUE(open.view.IsEnabled(id)) << id;

  DossierBench b;
  b.blocks().installation.SetText(I::kTechnician, I::kTechnicianWidth, "Piet");
  DossierPage& page = b.Open();
  auto& view = b.view;
  EXPECT_TRUE(view.Checked(kLock));
  EXPECT_EQ(view.lockShown, std::vector<bool>{true});
  for (ControlId id : {kTechnician, kDate, kProductionNumber}) EXPECT_FALSE(view.IsEnabled(id)) << id;
  EXPECT_TRUE(view.IsEnabled(kCustomer));

  // Locked fields are not read.
  view.text[kTechnician] = "Jan";
  view.date = {2030, 1, 1};
  view.text[kProductionNumber] = "0000000000";
  view.text[kCustomer] = "Bakkerij Jansen";
  ASSERT_TRUE(page.OnKillActive());
  const I& i = b.blocks().installation;
  EXPECT_EQ(i.Text(I::kTechnician, I::kTechnicianWidth), "Piet");
  EXPECT_EQ(b.Date(), (Bytes{24, 5, 17}));
  EXPECT_EQ(i.Text(I::kProductionNumber, I::kProductionNumberWidth + 1), "123456789");
  EXPECT_EQ(b.blocks().customer.Text(P::kCustomer, P::kCustomerWidth), "Bakkerij Jansen");

  view.checked[kLock] = false;
  page.OnLockButton();
  EXPECT_EQ(view.lockShown.back(), false);
  for (ControlId id : {kTechnician, kDate, kProductionNumber}) EXPECT_TRUE(view.IsEnabled(id)) << id;
  view.text[kTechnician] = "Jan";
  view.text[kProductionNumber] = "1";
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(i.Text(I::kTechnician, I::kTechnicianWidth), "Jan");
  EXPECT_EQ(b.Date(), (Bytes{30, 1, 1}));
  EXPECT_EQ(i.Text(I::kProductionNumber, I::kProductionNumberWidth), "1");
}

TEST(DossierPage, AddLocationEditsTheSelectedOneOrTheNext) {
  DossierBench b;
  DossierPage& page = b.Open();
  auto& view = b.view;

  // Nothing selected: the next address and no text. The page's fields are
  // saved first and stay in view.
  view.text[kCustomer] = "Bakkerij Jansen";
  view.locations = {RepeaterLocation{4, "Zolder"}};
  page.OnAddLocation();
  EXPECT_EQ(view.locationPresets.back(), (RepeaterLocation{3, ""}));
  EXPECT_EQ(b.Location(4), "Zolder");
  EXPECT_EQ(view.ItemTexts(kLocations), (std::vector<std::string>{"1. Inkom", "3. Kelder", "4. Zolder"}));
  EXPECT_EQ(b.blocks().customer.Text(P::kCustomer, P::kCustomerWidth), "Bakkerij Jansen");
  EXPECT_EQ(view.Text(kCustomer), "Bakkerij Jansen");

  // Selected: preset to it.
  view.Select(kLocations, 3);
  view.locations = {RepeaterLocation{3, "Kelder oost"}};
  page.OnAddLocation();
  EXPECT_EQ(view.locationPresets.back(), (RepeaterLocation{3, "Kelder"}));
  EXPECT_EQ(b.Location(3), "Kelder oost");

  // Given another address, the old address keeps its location.
  view.Select(kLocations, 1);
  view.locations = {RepeaterLocation{5, "Inkom"}};
  page.OnAddLocation();
  EXPECT_EQ(view.ItemTexts(kLocations),
            (std::vector<std::string>{"1. Inkom", "3. Kelder oost", "4. Zolder", "5. Inkom"}));

  // OK with the text cleared, or Cancel: nothing changes.
  const FixedBlocks before = b.blocks();
  view.locations = {RepeaterLocation{3, ""}, std::nullopt};
  view.Select(kLocations, 3);
  page.OnAddLocation();
  view.Select(kLocations, 3);
  page.OnAddLocation();
  EXPECT_EQ(b.blocks(), before);
  EXPECT_EQ(view.ItemTexts(kLocations).size(), 4u);

  // Eighteen characters fill the field up to its NUL, over a field that ran on.
  b.blocks().repeater.SetByte(H::LocationOffset(7) + H::kLocationWidth, 'X');
  view.locations = {RepeaterLocation{8, std::string(18, 'L')}};
  page.OnAddLocation();
  const Bytes last = b.Of(BlockType::Repeater);
  const auto at = static_cast<long>(H::LocationOffset(7));
  EXPECT_EQ(Bytes(last.begin() + at, last.begin() + at + 19), Field(std::string(18, 'L'), 19));
  EXPECT_TRUE(view.faults.empty());
}

TEST(DossierPage, RemoveLocationClearsItInTheBlockAtOnce) {
  DossierBench b;
  DossierPage& page = b.Open();
  b.view.Select(kLocations, 3);
  page.OnRemoveLocation();
  EXPECT_EQ(b.blocks().repeater.Byte(H::LocationOffset(2)), 0);
  EXPECT_EQ(b.view.ItemTexts(kLocations), std::vector<std::string>{"1. Inkom"});
  page.OnRemoveLocation(); // nothing selected
  EXPECT_EQ(b.Location(1), "Inkom");
  // Gone from the document already: Cancel of the sheet does not bring it back.
  b.editor->Cancel();
  EXPECT_TRUE(b.editor->Finish());
  EXPECT_EQ(b.Location(3), "");
}

// Nothing of the removed text stays behind its first byte, in the file or in
// the image sent, however the sheet is closed.
TEST(DossierPage, ARemovedLocationIsAllZeros) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    DossierBench b;
    b.blocks().repeater.SetText(H::LocationOffset(1), H::kLocationWidth, "Bureau 1e verdiep");
    DossierPage& page = b.Open();
    b.view.Select(kLocations, 2);
    page.OnRemoveLocation();
    EXPECT_EQ(b.view.ItemTexts(kLocations), (std::vector<std::string>{"1. Inkom", "3. Kelder"}));
    if (ok) {
      EXPECT_TRUE(b.editor->Ok());
    } else {
      b.editor->Cancel();
    }
    EXPECT_TRUE(b.editor->Finish());
    const Bytes repeater = b.Of(BlockType::Repeater);
    const auto at = static_cast<long>(H::LocationOffset(1));
    EXPECT_EQ(Bytes(repeater.begin() + at, repeater.begin() + at + H::kLocationStride), Bytes(19, 0));
    EXPECT_EQ(b.Location(1), "Inkom");
    EXPECT_EQ(b.Location(3), "Kelder");
  }
}

TEST(DossierLocation, AcceptRefusesAnAddressAboveEightAndANineteenCharacterText) {
  struct Case {
    std::string address;
    std::string text;
    std::optional<RepeaterLocation> accepted;
    std::string message; // when refused
    ControlId focus = 0;
  };
  const std::string eighteen(18, 'L');
  for (const Case& c :
       {Case{"8", eighteen, RepeaterLocation{8, eighteen}, "", 0}, Case{"1", "Hal", RepeaterLocation{1, "Hal"}, "", 0},
        Case{"9", "Hal", std::nullopt, "Geef een geheel getal tussen 1 en 8 in.", kLocationAddress},
        Case{"0", "Hal", std::nullopt, "Geef een geheel getal tussen 1 en 8 in.", kLocationAddress},
        Case{"2", eighteen + "L", std::nullopt, "Geef maximaal 18 tekens in.", kLocationText}}) {
    SCOPED_TRACE(c.address + " " + c.text);
    test::FakePageView view;
    view.text[kLocationAddress] = c.address;
    view.text[kLocationText] = c.text;
    EXPECT_EQ(AcceptLocation(view), c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(view.faults.empty());
    } else {
      ASSERT_EQ(view.faults.size(), 1u);
      EXPECT_EQ(view.faults[0].DutchText(), c.message);
      EXPECT_EQ(view.focused, c.focus);
    }
  }
}

TEST(DossierPage, ARefusedFieldKeepsTheLocationDialogClosed) {
  DossierBench b;
  DossierPage& page = b.Open();
  const FixedBlocks before = b.blocks();
  const std::string telephone(21, '1');
  b.view.text[kTelephone] = telephone;
  b.view.text[kCustomer] = "Bakkerij Jansen";
  page.OnAddLocation();
  EXPECT_TRUE(b.view.locationPresets.empty());
  EXPECT_EQ(b.view.focused, kTelephone);
  EXPECT_EQ(b.view.Text(kTelephone), telephone);
  EXPECT_EQ(b.view.Text(kCustomer), "Bakkerij Jansen");
  EXPECT_EQ(b.blocks(), before);
}

} // namespace
} // namespace kx700
