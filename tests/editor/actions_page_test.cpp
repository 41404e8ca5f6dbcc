// The "Acties" page over the editor's copy of the relay texts: the order it
// shows them in, what the document gets back when the sheet closes, and the
// page's own rules (seven modules at most, duplicates only marked).
#include "editor/actions_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "editor/parameter_editor.h"
#include "editor/relay_texts.h"
#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/bytes.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using namespace action_ids;
using test::Bytes;

constexpr int kOutputs = 8;
constexpr std::size_t kActionsTab = 0; // the first tab from 1.01 on

// A page that agrees to everything, to leave the actions page for.
class OtherPage final : public EditorPage {
public:
  void OnInitDialog() override {}
  void OnSetActive() override {}
  bool OnKillActive() override { return true; }
  bool OnOK() override { return true; }
  void OnCancel() override {}
};

// A relay-text record as "sequence kind/card first text".
std::string Describe(const RelayTextRecord& record) {
  return std::to_string(record.Sequence()) + " " + std::to_string(record.ModuleKind()) + "/" +
         std::to_string(record.CardAddress()) + " " + record.OutputText(0);
}

// The page in a sheet over a document of its own.
struct ActionsBench {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  test::FakeRecordPageView view;
  OtherPage other;
  std::optional<ParameterEditor> editor;
  std::optional<ActionsPage> page;

  explicit ActionsBench(const std::vector<RelayTextRecord>& records = {}) {
    document.version = {1, 2, 0};
    document.relayTexts.assign(records.begin(), records.end());
    // The window's card combo carries fixed items: "Geen", then the addresses.
    view.items[kCard] = {{"Geen", 0}};
    for (int card = 1; card <= 8; ++card) view.items[kCard].push_back({"Adres " + std::to_string(card), card});
  }
  ActionsPage& Open() {
    editor.emplace(document, host);
    page.emplace(*editor, view);
    EXPECT_EQ(editor->pages().at(kActionsTab), EditorPageKind::Actions);
    EXPECT_TRUE(editor->RequestPage(kActionsTab, [this]() -> EditorPage& { return *page; }));
    return *page;
  }
  bool LeavePage() {
    return editor->RequestPage(kActionsTab + 1, [this]() -> EditorPage& { return other; });
  }
  std::vector<std::string> Written() const {
    std::vector<std::string> out;
    for (const RelayTextRecord& record : document.relayTexts) out.push_back(Describe(record));
    return out;
  }
  const RelayTextRecord& Record(std::size_t index) const {
    return *std::next(document.relayTexts.begin(), static_cast<long>(index));
  }
  std::vector<int> Keys() const {
    std::vector<int> out;
    for (const RelInfoEntry& entry : editor->relayTexts().entries()) out.push_back(entry.key);
    return out;
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (int k = 0; k < kOutputs; ++k) out.push_back(view.Text(Output(k)));
    return out;
  }
  void ChooseKind(int kind) {
    view.Select(kKind, kind);
    page->OnSelchangeKind();
  }
  void ChooseCard(int card) {
    view.selection[kCard] = card;
    page->OnSelchangeCard();
  }
  void Tick(int output, bool on) {
    view.checked[Output(output)] = on;
    page->OnOutputCheck();
  }
};

const std::vector<std::string> kLowerCaptions = {"1", "2", "3", "4", "5", "6", "7", "8"};
const std::vector<std::string> kUpperCaptions = {"9", "10", "11", "12", "13", "14", "15", "16"};

TEST(ActionsPage, ShowsModulesInKeyOrderAndWritesThemBackNumbered) {
  ActionsBench b({test::MakeRelayText(1, 1, 2, "Kaart 2"), test::MakeRelayText(2, 0, 0, "Basis"),
                  test::MakeRelayText(3, 2, 1, "Kaart 1 hoog")});
  b.Open();
  auto& view = b.view;
  EXPECT_EQ(view.ItemTexts(kKind), (std::vector<std::string>{"Basisrelais", "Relaiskaart 1-8", "Relaiskaart 9-16"}));
  EXPECT_EQ(b.Keys(), (std::vector<int>{0, 102, 201}));
  EXPECT_EQ(b.Written(), (std::vector<std::string>{"1 1/2 Kaart 2", "2 0/0 Basis", "3 2/1 Kaart 1 hoog"}));

  struct Shown {
    int kind, card;
    std::string first, position;
    const std::vector<std::string>& captions;
  };
  const std::vector<Shown> shown = {{0, 0, "Basis", "- 1 / 3 -", kLowerCaptions},
                                    {2, 1, "Kaart 1 hoog", "- 2 / 3 -", kUpperCaptions},
                                    {1, 2, "Kaart 2", "- 3 / 3 -", kLowerCaptions}};
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE(i);
    if (i > 0) b.page->OnNext();
    EXPECT_EQ(view.SelectedData(kKind), shown[i].kind);
    EXPECT_EQ(view.Selection(kCard), shown[i].card);
    EXPECT_EQ(view.Text(Text(0)), shown[i].first);
    EXPECT_EQ(view.Text(Text(7)), "Uitgang 8");
    EXPECT_TRUE(view.Checked(Output(7)));
    EXPECT_EQ(view.Text(kPosition), shown[i].position);
    EXPECT_EQ(b.Captions(), shown[i].captions);
  }

  // Cancelled all the same: the copy is what the document gets back.
  b.editor->Cancel();
  EXPECT_TRUE(b.editor->Finish());
  EXPECT_EQ(b.Written(), (std::vector<std::string>{"1 0/0 Basis", "2 2/1 Kaart 1 hoog", "3 1/2 Kaart 2"}));
  EXPECT_EQ(b.Record(2).OutputText(7), "Uitgang 8");
  EXPECT_TRUE(b.host.boxes().empty());
}

// Edits reach the copy when the page saves them (a move, leaving the page,
// OK); the copy reaches the document however the sheet closes.
TEST(ActionsPage, SavedEditsReachTheDocumentHoweverTheSheetCloses) {
  struct Case {
    const char* name;
    std::function<void(ActionsBench&)> close;
    std::string first;
  };
  const std::vector<Case> cases = {
      {"moved, Cancel",
       [](ActionsBench& b) {
         b.page->OnNext();
         b.editor->Cancel();
       },
       "Sirene hal"},
      {"page left, Cancel",
       [](ActionsBench& b) {
         EXPECT_TRUE(b.LeavePage());
         b.editor->Cancel();
       },
       "Sirene hal"},
      {"OK", [](ActionsBench& b) { EXPECT_TRUE(b.editor->Ok()); }, "Sirene hal"},
      {"Cancel", [](ActionsBench& b) { b.editor->Cancel(); }, "Basis"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ActionsBench b({test::MakeRelayText(1, 0, 0, "Basis"), test::MakeRelayText(2, 1, 1, "Kaart")});
    b.Open();
    b.view.text[Text(0)] = "Sirene hal";
    c.close(b);
    const bool changed = c.first != "Basis";
    EXPECT_EQ(b.editor->Finish(), changed);
    EXPECT_EQ(b.Record(0).OutputText(0), c.first);
    EXPECT_EQ(b.Record(1).OutputText(0), "Kaart");
  }
}

TEST(ActionsPage, AClearedOutputLosesItsTextOnlyWhenTheSheetCloses) {
  for (const bool checkedAgain : {false, true}) {
    SCOPED_TRACE(checkedAgain);
    ActionsBench b({test::MakeRelayText(1, 1, 1, "Sirene"), test::MakeRelayText(2, 1, 3, "Flits")});
    ActionsPage& page = b.Open();
    auto& view = b.view;
    b.Tick(1, false);
    EXPECT_FALSE(view.IsEnabled(Text(1)));
    EXPECT_TRUE(view.IsEnabled(Text(2)));
    page.OnNext();
    std::string text = "vorige";
    EXPECT_FALSE(b.editor->relayTexts().GetOutputText(text, 1, 1, 2));
    EXPECT_EQ(text, "");
    page.OnPrevious();
    EXPECT_FALSE(view.Checked(Output(1)));
    EXPECT_EQ(view.Text(Text(1)), "Uitgang 2"); // the page keeps it
    EXPECT_FALSE(view.IsEnabled(Text(1)));
    if (checkedAgain) {
      b.Tick(1, true);
      EXPECT_TRUE(view.IsEnabled(Text(1)));
    }
    EXPECT_TRUE(b.editor->Ok());
    EXPECT_EQ(b.editor->Finish(), !checkedAgain);
    EXPECT_EQ(b.Record(0).OutputText(1), checkedAgain ? "Uitgang 2" : "");
    EXPECT_EQ(b.Record(0).OutputText(2), "Uitgang 3");
  }
}

TEST(ActionsPage, DuplicatesAreMarkedNeverRefused) {
  ActionsBench b({test::MakeRelayText(1, 0, 0, "Basis"), test::MakeRelayText(2, 1, 2, "Eerste"),
                  test::MakeRelayText(3, 1, 2, "Tweede")});
  ActionsPage& page = b.Open();
  auto& view = b.view;
  EXPECT_EQ(view.Text(kDuplicateMark), "");
  page.OnNext();
  EXPECT_EQ(view.Text(Text(0)), "Eerste");
  EXPECT_EQ(view.Text(kDuplicateMark), "Duplicaat");
  page.OnNext();
  EXPECT_EQ(view.Text(Text(0)), "Tweede");
  EXPECT_EQ(view.Text(kDuplicateMark), "Duplicaat");
  b.ChooseCard(3);
  EXPECT_EQ(view.Text(kDuplicateMark), "");
  b.ChooseCard(2);
  EXPECT_EQ(view.Text(kDuplicateMark), "Duplicaat");
  page.OnPrevious();
  page.OnPrevious();
  b.ChooseKind(1); // the base relays made into a third card 2
  b.ChooseCard(2);
  EXPECT_EQ(view.Text(kDuplicateMark), "Duplicaat");
  b.ChooseKind(0);
  EXPECT_EQ(view.Text(kDuplicateMark), "");

  EXPECT_TRUE(page.OnKillActive());
  std::vector<bool> marked;
  for (const RelInfoEntry& entry : b.editor->relayTexts().entries()) marked.push_back(entry.duplicate);
  EXPECT_EQ(marked, (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(b.editor->Ok());
  EXPECT_TRUE(b.host.boxes().empty());
  EXPECT_FALSE(b.editor->Finish());
  EXPECT_EQ(b.Written(), (std::vector<std::string>{"1 0/0 Basis", "2 1/2 Eerste", "3 1/2 Tweede"}));
}

TEST(ActionsPage, AddHoldsSevenModules) {
  // Distinct modules, in key order: the document's order is kept.
  const auto modules = [](int count) {
    std::vector<RelayTextRecord> out;
    for (int n = 0; n < count; ++n) out.push_back(test::MakeRelayText(n + 1, n == 0 ? 0 : 2, n, "M"));
    return out;
  };

  ActionsBench empty;
  ActionsPage& first = empty.Open();
  first.OnAdd();
  EXPECT_EQ(empty.Keys(), std::vector<int>{0});
  EXPECT_EQ(empty.view.SelectedData(kKind), 0);
  EXPECT_EQ(empty.view.Selection(kCard), 0);
  EXPECT_EQ(empty.view.Text(kPosition), "- 1 / 1 -");
  EXPECT_EQ(empty.view.focused, kKind);

  ActionsBench six(modules(6));
  ActionsPage& page = six.Open();
  page.OnNext();
  page.OnAdd();
  EXPECT_EQ(six.Keys(), (std::vector<int>{0, 102, 101, 202, 302, 402, 502}));
  EXPECT_EQ(six.view.SelectedData(kKind), 1);
  EXPECT_EQ(six.view.Selection(kCard), 1);
  EXPECT_EQ(six.view.Text(kPosition), "- 3 / 7 -");
  for (int k = 0; k < kOutputs; ++k) EXPECT_FALSE(six.view.Checked(Output(k))) << k;
  EXPECT_TRUE(six.host.boxes().empty());

  ActionsBench seven(modules(7));
  seven.Open().OnAdd();
  ASSERT_EQ(seven.host.boxes().size(), 1u);
  const auto& box = seven.host.boxes().back();
  EXPECT_EQ(box.text, "Het maximum aantal te defini\xC3\xABren acties werd bereikt.");
  EXPECT_EQ(box.caption, "Fout 41");
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::Error);
  EXPECT_EQ(seven.editor->relayTexts().entries().size(), 7u);
  EXPECT_EQ(seven.view.Text(kPosition), "- 1 / 7 -");
}

TEST(ActionsPage, DeletingTheLastModuleLeavesNothingToEdit) {
  ActionsBench b({test::MakeRelayText(1, 1, 4, "Sirene")});
  ActionsPage& page = b.Open();
  EXPECT_EQ(b.view.Text(kPosition), "- 1 / 1 -");
  page.OnDelete();
  EXPECT_TRUE(b.editor->relayTexts().entries().empty());
  EXPECT_EQ(b.view.Text(kPosition), "- 0 / 0 -");
  std::vector<ControlId> inputs = {kKind, kCard};
  for (int k = 0; k < kOutputs; ++k) {
    inputs.push_back(Output(k));
    inputs.push_back(Text(k));
  }
  for (ControlId id : inputs) EXPECT_FALSE(b.view.IsEnabled(id)) << id;
  EXPECT_TRUE(b.editor->Ok());
  EXPECT_TRUE(b.editor->Finish());
  EXPECT_TRUE(b.document.relayTexts.empty());
}

TEST(ActionsPage, TheBaseRelaysHaveNoCard) {
  ActionsBench b({test::MakeRelayText(1, 1, 3, "Sirene")});
  ActionsPage& page = b.Open();
  auto& view = b.view;
  EXPECT_TRUE(view.IsEnabled(kCard));
  b.ChooseKind(2);
  EXPECT_EQ(b.Captions(), kUpperCaptions);
  EXPECT_EQ(view.Selection(kCard), 3);
  b.ChooseKind(0);
  EXPECT_EQ(view.Selection(kCard), 0);
  EXPECT_FALSE(view.IsEnabled(kCard));
  EXPECT_EQ(b.Captions(), kLowerCaptions);
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_TRUE(b.editor->Ok());
  b.editor->Finish();
  EXPECT_EQ(b.Written(), std::vector<std::string>{"1 0/0 Sirene"});
}

TEST(ActionsPage, FastStepsGoTwoModules) {
  std::vector<RelayTextRecord> records;
  for (int n = 1; n <= 5; ++n) records.push_back(test::MakeRelayText(n, 1, n, "M"));
  ActionsBench b(records);
  ActionsPage& page = b.Open();
  const std::vector<std::pair<void (ActionsPage::*)(), std::string>> steps = {
      {&ActionsPage::OnNextFive, "- 3 / 5 -"},     {&ActionsPage::OnNextFive, "- 5 / 5 -"},
      {&ActionsPage::OnNextFive, "- 5 / 5 -"},     {&ActionsPage::OnPreviousFive, "- 3 / 5 -"},
      {&ActionsPage::OnPreviousFive, "- 1 / 5 -"},
  };
  for (const auto& [step, position] : steps) {
    (page.*step)();
    EXPECT_EQ(b.view.Text(kPosition), position);
  }
  EXPECT_EQ(b.view.Selection(kCard), 1);
}

// A received configuration carries the checksum of every record: only the
// records that changed lose theirs.
TEST(RelayTextCopy, ARecordThatComesBackAsItWasKeepsItsChecksum) {
  std::vector<RelayTextRecord> records = {test::MakeRelayText(1, 0, 0, "Basis"), test::MakeRelayText(2, 1, 1, "Een"),
                                          test::MakeRelayText(3, 1, 2, "Twee")};
  for (const RelayTextRecord& record : records) ASSERT_NE(record.StoredChecksum(), 0);
  ActionsBench browsed(records);
  ActionsPage& page = browsed.Open();
  page.OnNext();
  page.OnNext();
  page.OnPrevious();
  EXPECT_TRUE(browsed.editor->Ok());
  EXPECT_FALSE(browsed.editor->Finish());
  EXPECT_EQ(browsed.Written(), (std::vector<std::string>{"1 0/0 Basis", "2 1/1 Een", "3 1/2 Twee"}));

  ActionsBench edited(records);
  edited.Open().OnNext();
  edited.view.text[Text(5)] = "Deur";
  EXPECT_TRUE(edited.editor->Ok());
  EXPECT_TRUE(edited.editor->Finish());
  EXPECT_EQ(edited.Record(1).OutputText(5), "Deur");
  EXPECT_EQ(test::BytesOf(edited.Record(0).bytes), test::BytesOf(records[0].bytes));
  EXPECT_EQ(test::BytesOf(edited.Record(2).bytes), test::BytesOf(records[2].bytes));
}

TEST(RelayTextCopy, TheFirstModuleOfAKindAndCardGivesTheOutputText) {
  RelayTextRecord card2 = test::MakeRelayText(2, 1, 2, "Sirene");
  card2.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * 2, RelayTextRecord::kTextWidth, "");
  RelayTextCopy copy;
  copy.LoadFromDocument({test::MakeRelayText(1, 0, 5, "Basis"), card2, test::MakeRelayText(3, 1, 2, "Later"),
                         test::MakeRelayText(4, 2, 2, "Hoog")});
  struct Case {
    int kind, card, output;
    std::optional<std::string> text;
  };
  const std::vector<Case> cases = {
      {0, 0, 1, "Basis"},      {0, 7, 8, "Uitgang 8"},  // the base relays, whatever the card
      {1, 2, 1, "Sirene"},     {1, 2, 3, std::nullopt}, // output 3 not in use; the later duplicate does not count
      {2, 2, 1, "Hoog"},       {1, 3, 1, std::nullopt}, {2, 1, 1, std::nullopt},
      {1, 2, 0, std::nullopt}, {1, 2, 9, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + "/" + std::to_string(c.card) + " output " + std::to_string(c.output));
    std::string text = "vorige";
    EXPECT_EQ(copy.GetOutputText(text, c.kind, c.card, c.output), c.text.has_value());
    EXPECT_EQ(text, c.text.value_or(""));
  }
}

} // namespace
} // namespace kx700
