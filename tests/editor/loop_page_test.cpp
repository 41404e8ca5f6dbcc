// The "Lus" page driven through its widgets: what reaches the document's
// loop records, byte for byte, and what the page shows and refuses.
#include "editor/loop_page.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "editor/exchange.h"
#include "editor/loop_form.h"
#include "editor/parameter_editor.h"
#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/bytes.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"

namespace kx700 {
namespace {

using namespace loop_ids;
using test::Bytes;
using test::operator+;
using Kind = DetectionKind;
using Label = LevelRowLabel;

// A text field as stored: the text, then NULs up to `width`.
Bytes Field(const std::string& text, std::size_t width) {
  Bytes out(text.begin(), text.end());
  out.resize(width, 0);
  return out;
}

// The page over a document of its own, opened as the sheet opens it.
struct LoopBench {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  test::FakeLoopPageView view;
  std::optional<ParameterEditor> editor;
  std::optional<LoopPage> page;

  explicit LoopBench(const std::vector<LoopRecord>& loops = {}) { document.loops.assign(loops.begin(), loops.end()); }
  LoopPage& Open() {
    editor.emplace(document, host);
    page.emplace(*editor, view);
    page->OnInitDialog();
    page->OnSetActive();
    return *page;
  }
  LoopRecord& Loop(std::size_t index) { return *std::next(document.loops.begin(), static_cast<long>(index)); }
  Bytes BytesOf(std::size_t index) { return test::BytesOf(Loop(index).bytes); }
  std::vector<int> Numbers() const {
    std::vector<int> out;
    for (const LoopRecord& loop : document.loops) out.push_back(loop.Number());
    return out;
  }
  void ChooseKind(Kind kind) {
    view.Select(kDetectionKind, static_cast<int>(kind));
    page->OnSelchangeDetectionKind();
  }
  void Tick(ControlId id, bool on) {
    view.checked[id] = on;
    page->OnCheckboxClicked();
  }
  void AddComposition(std::optional<CompositionEntry> answer) {
    view.detectorKinds.push_back(answer);
    page->OnAddComposition();
  }
};

LoopRecord Loop(int number, const std::string& name, Kind kind = Kind::Standard) {
  return test::MakeLoop(number, name, static_cast<int>(kind));
}

void ExpectFaultBox(const test::FakeMessageHost& host, std::size_t count, const std::string& text,
                    const std::string& caption) {
  ASSERT_EQ(host.boxes().size(), count);
  const auto& box = host.boxes().back();
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.buttons, MessageButtons::Ok);
  EXPECT_EQ(box.icon, MessageIcon::Error);
}

TEST(LoopPage, TheFirstLoopOfAnEmptyDocumentTakesTheDefaults) {
  LoopBench b;
  LoopPage& page = b.Open();
  EXPECT_FALSE(b.view.IsEnabled(kActive));
  page.OnAdd();
  ASSERT_EQ(b.document.loops.size(), 1u);
  const Bytes expected = Bytes{0, 1, 1} + Field("Lus 1", 19) + Bytes{0, 0, 12} + Field("ALARM", 11) + Bytes{12} +
                         Field("ALARM", 11) + Bytes{1} + Field("FOUT", 11) + Bytes{60, 0, 1, 2, 0, 0} + Bytes(10, 0);
  ASSERT_EQ(expected.size(), LoopRecord::kSize);
  EXPECT_EQ(b.BytesOf(0), expected);
  EXPECT_EQ(b.view.Text(kNumber), "1");
  EXPECT_EQ(b.view.Text(kName), "Lus 1");
  EXPECT_EQ(b.view.Text(kUpperLevel), "1.2");
  EXPECT_EQ(b.view.Text(kShortLevel), "6");
  EXPECT_EQ(b.view.focused, kName);
  EXPECT_TRUE(b.view.IsEnabled(kActive));
  EXPECT_TRUE(b.view.IsEnabled(kName));
  // Saved back through the widgets it is the same record.
  EXPECT_TRUE(page.OnOK());
  EXPECT_EQ(b.BytesOf(0), expected);
  EXPECT_TRUE(b.host.boxes().empty());
}

TEST(LoopPage, ANewLoopCopiesKindLevelsTextsAndEvacuationButNotItsLinks) {
  LoopBench b;
  b.document.controls.push_back(test::MakeControl(4, "Sirene", 0));
  LoopPage& page = b.Open();
  page.OnAdd();
  b.ChooseKind(Kind::PreAlarm);
  b.Tick(kDelayedEvacuation, true);
  b.view.text[kInterventionTime] = "5";
  b.view.text[kDependency] = "2";
  b.view.Select(kLoopControl, 4);
  b.AddComposition(CompositionEntry{1, 3});
  page.OnAdd();

  ASSERT_EQ(b.Numbers(), (std::vector<int>{1, 2}));
  const Bytes levels = Bytes{0, 1, 25} + Field("ALARM", 11) + Bytes{12} + Field("VOORALARM", 11) + Bytes{1} +
                       Field("FOUT", 11) + Bytes{60};
  const Bytes first =
      Bytes{0, 1, 1} + Field("Lus 1", 19) + levels + Bytes{2, 1, 5, 1, 4} + Bytes{1, 3, 0, 0, 0, 0, 0, 0} + Bytes{0, 0};
  const Bytes second = Bytes{0, 1, 2} + Field("Lus 2", 19) + levels + Bytes{0, 1, 5, 1, 0} + Bytes(10, 0);
  EXPECT_EQ(b.BytesOf(0), first);
  EXPECT_EQ(b.BytesOf(1), second);
  EXPECT_EQ(b.view.Text(kNumber), "2");
  EXPECT_EQ(b.view.Text(kLowerText), "VOORALARM");
  EXPECT_EQ(b.view.SelectedData(kLoopControl), 0);
  EXPECT_TRUE(b.view.ItemTexts(kComposition).empty());
}

TEST(LoopPage, KeepsTheFilesOrderUntilTheFirstMove) {
  LoopBench b({Loop(3, "Drie"), Loop(1, "Een"), Loop(2, "Twee")});
  const Bytes before = b.BytesOf(0) + b.BytesOf(1) + b.BytesOf(2);
  LoopPage& page = b.Open();
  EXPECT_EQ(b.Numbers(), (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(b.BytesOf(0) + b.BytesOf(1) + b.BytesOf(2), before); // opening writes nothing
  EXPECT_EQ(b.view.Text(kName), "Drie");
  page.OnPrevious();
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(b.view.Text(kName), "Twee");

  // A delete is no move: the rest keep their order.
  LoopBench d({Loop(4, "Vier"), Loop(3, "Drie"), Loop(1, "Een")});
  d.Open();
  d.page->OnDelete();
  EXPECT_EQ(d.Numbers(), (std::vector<int>{3, 1}));
  EXPECT_EQ(d.view.Text(kName), "Drie");
}

TEST(LoopPage, AddTakesTheFirstFreeNumberAfterTheShownLoop) {
  LoopBench b({Loop(1, "Een"), Loop(2, "Twee"), Loop(4, "Vier")});
  LoopPage& page = b.Open();
  page.OnAdd();
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 3, 2, 4}));
  EXPECT_EQ(b.view.Text(kNumber), "3");
  EXPECT_EQ(b.view.Text(kName), "Lus 3");
  page.OnNext();
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(b.view.Text(kNumber), "4");

  std::vector<LoopRecord> all;
  for (int n = 1; n <= 16; ++n) all.push_back(Loop(n, "L" + std::to_string(n)));
  LoopBench full(all);
  full.Open();
  full.view.text[kName] = "Eerste";
  full.page->OnAdd();
  EXPECT_EQ(full.document.loops.size(), 16u);
  EXPECT_EQ(full.view.Text(kNumber), "1");
  EXPECT_EQ(full.Loop(0).Name(), "Eerste"); // the shown loop was saved all the same
  EXPECT_TRUE(full.host.boxes().empty());
}

TEST(LoopPage, ChooseNumberGoesToALoopOrAddsOne) {
  LoopBench b({Loop(1, "Een"), Loop(2, "Twee"), Loop(4, "Vier")});
  LoopPage& page = b.Open();
  auto& view = b.view;

  view.numbers = {4};
  page.OnChooseNumber();
  EXPECT_EQ(view.numberPresets, std::vector<int>{3}); // preset to the first free number
  EXPECT_EQ(view.Text(kName), "Vier");
  EXPECT_EQ(b.document.loops.size(), 3u);

  view.numbers = {std::nullopt};
  page.OnChooseNumber();
  EXPECT_EQ(view.numberPresets, (std::vector<int>{3, 5}));
  EXPECT_EQ(view.Text(kName), "Vier");
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 2, 4}));

  view.numbers = {3};
  view.focused.reset();
  page.OnChooseNumber();
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 2, 4, 3}));
  EXPECT_EQ(view.Text(kName), "Lus 3");
  EXPECT_EQ(view.focused, kName);
  page.OnPrevious();
  EXPECT_EQ(b.Numbers(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(view.Text(kName), "Twee");

  // A shown loop that cannot be saved asks for no number.
  view.text[kUpperLevel] = "x";
  page.OnChooseNumber();
  EXPECT_EQ(view.numberPresets.size(), 3u);
  EXPECT_EQ(view.faults.size(), 1u);
  EXPECT_EQ(b.document.loops.size(), 4u);
}

TEST(LoopPage, TheDetectorKindDialogShowsAUsablePresetAndChecksTheCount) {
  using namespace detector_kind_ids;
  struct Shown {
    CompositionEntry preset;
    int selection;
    std::string count;
  };
  for (const Shown& s :
       std::vector<Shown>{{{3, 7}, 2, "7"}, {{0, 31}, 0, "0"}, {{7, -1}, 0, "0"}, {{6, 30}, 5, "30"}}) {
    SCOPED_TRACE(s.count);
    test::FakePageView dialog;
    ShowDetectorKindChoice(dialog, s.preset);
    EXPECT_EQ(dialog.ItemTexts(kKind),
              (std::vector<std::string>{"Optisch", "TVC", "Thermisch 90\xB0", "Multi-sensor (opt.+therm.)",
                                        "Handbrandmelder", "Beam"}));
    EXPECT_EQ(dialog.Selection(kKind), s.selection);
    EXPECT_EQ(dialog.Text(kCount), s.count);
  }

  test::FakePageView dialog;
  ShowDetectorKindChoice(dialog, {1, 0});
  dialog.Select(kKind, 2);
  dialog.text[kCount] = "3";
  EXPECT_EQ(AcceptDetectorKindChoice(dialog), (CompositionEntry{2, 3}));
  dialog.text[kCount] = "31";
  EXPECT_EQ(AcceptDetectorKindChoice(dialog), std::nullopt);
  ASSERT_EQ(dialog.faults.size(), 1u);
  EXPECT_EQ(dialog.faults[0].DutchText(), "Geef een geheel getal tussen 0 en 30 in.");
  EXPECT_EQ(dialog.focused, kCount);
}

TEST(LoopPage, DuplicateNumbersKeepThePageOnTheSecond) {
  LoopBench b({Loop(5, "Eerste"), Loop(3, "Drie"), Loop(5, "Tweede")});
  LoopPage& page = b.Open();
  EXPECT_FALSE(page.OnKillActive());
  ExpectFaultBox(b.host, 1, "Lusnummer duplicaat.", "Fout 18");
  EXPECT_EQ(b.view.Text(kName), "Tweede");
  EXPECT_EQ(b.Numbers(), (std::vector<int>{3, 5, 5}));
  EXPECT_FALSE(page.OnOK());
  ExpectFaultBox(b.host, 2, "Lusnummer duplicaat.", "Fout 18");
}

TEST(LoopPage, CancelDropsTheShownInputAndStillSortsWithTheDuplicateFault) {
  LoopBench b({Loop(5, "Eerste"), Loop(3, "Drie"), Loop(5, "Tweede")});
  LoopPage& page = b.Open();
  b.view.text[kName] = "Veranderd";
  page.OnCancel();
  ExpectFaultBox(b.host, 1, "Lusnummer duplicaat.", "Fout 18");
  EXPECT_EQ(b.Numbers(), (std::vector<int>{3, 5, 5}));
  EXPECT_EQ(b.Loop(1).Name(), "Eerste");
}

// Each step starts from the texts the step before left; the fault and short
// circuit rows are never touched, and nothing reaches the record unsaved.
TEST(LoopPage, KindChangesFollowTheStandardTextsAndLevels) {
  LoopBench b;
  LoopPage& page = b.Open();
  page.OnAdd();
  const Bytes added = b.BytesOf(0);
  b.view.text[kFaultText] = "STORING";
  b.view.text[kFaultLevel] = "0.3";
  b.view.text[kShortLevel] = "7";
  struct Step {
    Kind kind;
    const char* typedUpper; // typed before the change, or null
    const char* typedLower;
    std::string upper, lower, upperLevel, lowerLevel;
    Label upperLabel, lowerLabel;
  };
  const std::vector<Step> steps = {
      {Kind::PreAlarm, nullptr, nullptr, "ALARM", "VOORALARM", "2.5", "1.2", Label::Alarm, Label::PreAlarm},
      {Kind::MultipleAlarm, nullptr, nullptr, "ALARM+", "ALARM", "2.5", "1.2", Label::MultipleAlarm, Label::Alarm},
      {Kind::PreAlarm, nullptr, nullptr, "ALARM", "VOORALARM", "2.5", "1.2", Label::Alarm, Label::PreAlarm},
      {Kind::Evacuation, nullptr, nullptr, "EVACUATIE", "EVACUATIE", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::MultipleAlarm, nullptr, nullptr, "ALARM+", "ALARM", "2.5", "1.2", Label::MultipleAlarm, Label::Alarm},
      {Kind::Standard, nullptr, nullptr, "ALARM", "ALARM", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::Evacuation, nullptr, nullptr, "EVACUATIE", "EVACUATIE", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::Standard, nullptr, nullptr, "ALARM", "ALARM", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::PreAlarm, "BRAND", nullptr, "BRAND", "VOORALARM", "2.5", "1.2", Label::Alarm, Label::PreAlarm},
      {Kind::MultipleAlarm, nullptr, nullptr, "BRAND", "ALARM", "2.5", "1.2", Label::MultipleAlarm, Label::Alarm},
      {Kind::TechnicalMessage, nullptr, nullptr, "BRAND", "ALARM", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::Gas, nullptr, nullptr, "BRAND", "ALARM", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::Standard, nullptr, nullptr, "BRAND", "ALARM", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::Evacuation, nullptr, nullptr, "EVACUATIE", "EVACUATIE", "1.2", "1.2", Label::Alarm, Label::Alarm},
      {Kind::PreAlarm, "ALARM", "LAAG", "ALARM", "LAAG", "2.5", "1.2", Label::Alarm, Label::PreAlarm},
      {Kind::MultipleAlarm, nullptr, nullptr, "ALARM+", "LAAG", "2.5", "1.2", Label::MultipleAlarm, Label::Alarm},
      {Kind::Standard, nullptr, nullptr, "ALARM", "LAAG", "1.2", "1.2", Label::Alarm, Label::Alarm},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    SCOPED_TRACE(i);
    if (s.typedUpper) b.view.text[kUpperText] = s.typedUpper;
    if (s.typedLower) b.view.text[kLowerText] = s.typedLower;
    b.ChooseKind(s.kind);
    EXPECT_EQ(b.view.Text(kUpperText), s.upper);
    EXPECT_EQ(b.view.Text(kLowerText), s.lower);
    EXPECT_EQ(b.view.Text(kUpperLevel), s.upperLevel);
    EXPECT_EQ(b.view.Text(kLowerLevel), s.lowerLevel);
    EXPECT_EQ(b.view.upperLabel, s.upperLabel);
    EXPECT_EQ(b.view.lowerLabel, s.lowerLabel);
    EXPECT_EQ(b.view.Text(kFaultText), "STORING");
    EXPECT_EQ(b.view.Text(kFaultLevel), "0.3");
    EXPECT_EQ(b.view.Text(kShortLevel), "7");
  }
  EXPECT_EQ(b.BytesOf(0), added);
}

TEST(LoopPage, AKindStoresOnlyTheFieldsItUses) {
  struct Case {
    Kind kind;
    int lower;
    int dependency;
    int warningEvacuation;
  };
  const std::vector<Case> cases = {
      {Kind::Standard, 34, 2, 1},         // the lower level follows the upper one
      {Kind::PreAlarm, 20, 2, 1},         //
      {Kind::MultipleAlarm, 20, 2, 1},    //
      {Kind::Evacuation, 20, 0, 0},       // no dependency, no warning evacuation
      {Kind::TechnicalMessage, 20, 2, 0}, // no warning evacuation
      {Kind::Gas, 20, 2, 1},              //
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    LoopRecord loop = Loop(1, "Hal", c.kind);
    loop.SetByte(LoopRecord::kLevelL, 20);
    loop.SetByte(LoopRecord::kDependency, 2);
    loop.SetByte(LoopRecord::kAlertActive, 1);
    loop.SetByte(LoopRecord::kDelayedEvacuation, 1);
    LoopBench b({loop});
    LoopPage& page = b.Open();
    b.view.text[kUpperLevel] = "3.4";
    ASSERT_TRUE(page.OnKillActive());
    const LoopRecord& saved = b.Loop(0);
    EXPECT_EQ(saved.Signed(LoopRecord::kDetectionKind), static_cast<int>(c.kind));
    EXPECT_EQ(saved.Signed(LoopRecord::kLevelU), 34);
    EXPECT_EQ(saved.Signed(LoopRecord::kLevelL), c.lower);
    EXPECT_EQ(saved.Signed(LoopRecord::kDependency), c.dependency);
    EXPECT_EQ(saved.Signed(LoopRecord::kAlertActive), c.warningEvacuation);
    EXPECT_EQ(saved.Signed(LoopRecord::kInterventionTime), 5);
    EXPECT_EQ(saved.Signed(LoopRecord::kDelayedEvacuation), 1);
  }
}

TEST(LoopPage, ARefusedLevelWritesNothingAndKeepsThePage) {
  using FaultKind = ExchangeFault::Kind;
  struct Case {
    std::string typed;
    std::optional<FaultKind> fault; // none: accepted
    int stored;
  };
  const std::vector<Case> cases = {
      {"2.57", std::nullopt, 25},
      {"10", std::nullopt, 100},
      {"0", std::nullopt, 0},
      {"10.1", FaultKind::DecimalRange, 0},
      {"-0.1", FaultKind::DecimalRange, 0},
      {"nan", FaultKind::NotDecimal, 0},
      {"2,5", FaultKind::NotDecimal, 0},
      {"", FaultKind::NotDecimal, 0},
      {" 2", FaultKind::NotDecimal, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.typed + "\"");
    LoopBench b({Loop(1, "Een"), Loop(2, "Twee")});
    LoopPage& page = b.Open();
    const Bytes before = b.BytesOf(0);
    b.view.text[kName] = "Nieuw"; // read before the levels
    b.view.text[kUpperLevel] = c.typed;
    page.OnNext();
    if (!c.fault) {
      EXPECT_EQ(b.Loop(0).Signed(LoopRecord::kLevelU), c.stored);
      EXPECT_EQ(b.Loop(0).Name(), "Nieuw");
      EXPECT_EQ(b.view.Text(kName), "Twee");
      EXPECT_TRUE(b.view.faults.empty());
      continue;
    }
    EXPECT_EQ(b.BytesOf(0), before);
    EXPECT_EQ(b.view.Text(kName), "Nieuw");
    EXPECT_EQ(b.view.Text(kUpperLevel), c.typed);
    ASSERT_EQ(b.view.faults.size(), 1u);
    EXPECT_EQ(b.view.faults[0].kind, *c.fault);
    EXPECT_EQ(b.view.faults[0].DutchText(),
              *c.fault == FaultKind::DecimalRange ? "Geef een getal tussen 0 en 10 in." : "Geef een getal in.");
    EXPECT_EQ(b.view.focused, kUpperLevel);
    EXPECT_FALSE(page.OnKillActive());
    EXPECT_EQ(b.BytesOf(0), before);
  }
}

const std::vector<ControlId> kInputs = {kActive,
                                        kName,
                                        kZener,
                                        kDetectionKind,
                                        kUpperText,
                                        kUpperLevel,
                                        kLowerText,
                                        kLowerLevel,
                                        kFaultText,
                                        kFaultLevel,
                                        kShortLevel,
                                        kDependency,
                                        kWarningEvacuation,
                                        kDelayedEvacuation,
                                        kInterventionTime,
                                        kLoopControl,
                                        kComposition,
                                        kAddComposition,
                                        kRemoveComposition};

std::vector<ControlId> DisabledInputs(const LoopControlStates& states) {
  std::vector<ControlId> out;
  for (ControlId id : kInputs) {
    if (!states.Enabled(id)) out.push_back(id);
  }
  return out;
}

TEST(LoopForm, EnableRulesOfAnActiveLoop) {
  struct Case {
    Kind kind;
    bool zener, warning, delayed;
    std::vector<ControlId> disabled; // in the order of kInputs
    Label upper, lower;
  };
  const std::vector<Case> cases = {
      {Kind::Standard,
       false,
       false,
       false,
       {kLowerText, kLowerLevel, kDelayedEvacuation, kInterventionTime},
       Label::Alarm,
       Label::Alarm},
      {Kind::Standard,
       false,
       false,
       true,
       {kLowerText, kLowerLevel, kDelayedEvacuation, kInterventionTime},
       Label::Alarm,
       Label::Alarm},
      {Kind::Standard, false, true, false, {kLowerText, kLowerLevel, kInterventionTime}, Label::Alarm, Label::Alarm},
      {Kind::Standard, true, true, true, {kLowerText, kLowerLevel}, Label::Alarm, Label::Alarm},
      {Kind::PreAlarm, false, true, true, {kZener}, Label::Alarm, Label::PreAlarm},
      {Kind::PreAlarm, true, true, true, {kZener, kLowerText, kLowerLevel}, Label::Alarm, Label::PreAlarm},
      {Kind::MultipleAlarm,
       false,
       false,
       false,
       {kZener, kDelayedEvacuation, kInterventionTime},
       Label::MultipleAlarm,
       Label::Alarm},
      {Kind::MultipleAlarm, true, true, true, {kZener, kLowerText, kLowerLevel}, Label::MultipleAlarm, Label::Alarm},
      {Kind::Evacuation,
       false,
       true,
       true,
       {kUpperText, kLowerText, kLowerLevel, kDependency, kWarningEvacuation, kDelayedEvacuation, kInterventionTime},
       Label::Alarm,
       Label::Alarm},
      {Kind::TechnicalMessage,
       false,
       true,
       true,
       {kLowerText, kLowerLevel, kWarningEvacuation, kDelayedEvacuation, kInterventionTime},
       Label::Alarm,
       Label::Alarm},
      {Kind::Gas, false, true, true, {kLowerText, kLowerLevel}, Label::Alarm, Label::Alarm},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(i);
    const LoopControlStates states =
        LoopControlRules(true, true, static_cast<int>(c.kind), c.zener, c.warning, c.delayed);
    EXPECT_EQ(DisabledInputs(states), c.disabled);
    EXPECT_EQ(states.upperLabel, c.upper);
    EXPECT_EQ(states.lowerLabel, c.lower);
  }
}

// Without a loop nothing can be edited, whatever the kind the page last
// showed. An inactive loop offers "Actief", and for the kinds with a lower
// level that row as the zener barrier allows.
TEST(LoopForm, AnInactiveLoopOffersOnlyActiefAndNoLoopNothing) {
  for (int kind = 0; kind <= 5; ++kind) {
    for (bool zener : {false, true}) {
      for (bool hasCurrent : {true, false}) {
        SCOPED_TRACE(std::to_string(kind) + (zener ? " zener" : "") + (hasCurrent ? " inactive" : " no loop"));
        const LoopControlStates states = LoopControlRules(hasCurrent, false, kind, zener, true, true);
        std::vector<ControlId> expected;
        const bool lowerRow = hasCurrent && !zener && (kind == 1 || kind == 2);
        for (ControlId id : kInputs) {
          if (id == kActive && hasCurrent) continue;
          if ((id == kLowerText || id == kLowerLevel) && lowerRow) continue;
          expected.push_back(id);
        }
        EXPECT_EQ(DisabledInputs(states), expected);
      }
    }
  }
}

TEST(LoopPage, ClicksApplyTheEnableRules) {
  LoopBench b;
  LoopPage& page = b.Open();
  page.OnAdd(); // warning evacuation on, delayed off
  auto& view = b.view;
  EXPECT_TRUE(view.IsEnabled(kDelayedEvacuation));
  EXPECT_FALSE(view.IsEnabled(kInterventionTime));
  b.Tick(kDelayedEvacuation, true);
  EXPECT_TRUE(view.IsEnabled(kInterventionTime));
  b.Tick(kWarningEvacuation, false);
  EXPECT_FALSE(view.IsEnabled(kDelayedEvacuation));
  EXPECT_FALSE(view.IsEnabled(kInterventionTime));
  b.ChooseKind(Kind::PreAlarm);
  EXPECT_FALSE(view.IsEnabled(kZener));
  EXPECT_TRUE(view.IsEnabled(kLowerLevel));
  b.Tick(kActive, false);
  EXPECT_FALSE(view.IsEnabled(kName));
  EXPECT_FALSE(view.IsEnabled(kUpperLevel));
  EXPECT_TRUE(view.IsEnabled(kActive));
  b.Tick(kActive, true);
  page.OnDelete(); // an active loop goes: "Actief" is cleared and cannot be used
  EXPECT_TRUE(b.document.loops.empty());
  EXPECT_FALSE(view.IsEnabled(kActive));
  EXPECT_FALSE(view.Checked(kActive));
}

TEST(LoopPage, CompositionHoldsFourKindsInTextOrder) {
  LoopBench b;
  LoopPage& page = b.Open();
  page.OnAdd();
  auto& view = b.view;
  const auto shown = [&view] { return view.ItemTexts(kComposition); };

  b.AddComposition(CompositionEntry{1, 3});
  EXPECT_EQ(view.detectorKindPresets.back(), (CompositionEntry{1, 0}));
  EXPECT_EQ(shown(), std::vector<std::string>{"3 x Optisch"});
  b.AddComposition(CompositionEntry{4, 0}); // no count: nothing
  b.AddComposition(std::nullopt);           // Cancel
  EXPECT_EQ(shown(), std::vector<std::string>{"3 x Optisch"});
  view.selection[kComposition] = 0;
  b.AddComposition(CompositionEntry{1, 5}); // the same kind: replaced
  EXPECT_EQ(view.detectorKindPresets.back(), (CompositionEntry{1, 3}));
  EXPECT_EQ(shown(), std::vector<std::string>{"5 x Optisch"});
  b.AddComposition(CompositionEntry{2, 2});
  b.AddComposition(CompositionEntry{6, 10});
  b.AddComposition(CompositionEntry{5, 2});
  const std::vector<std::string> four = {"10 x Beam", "2 x Handbrandmelder", "2 x TVC", "5 x Optisch"};
  EXPECT_EQ(shown(), four);
  EXPECT_TRUE(b.host.boxes().empty());

  b.AddComposition(CompositionEntry{3, 1}); // a fifth kind
  ExpectFaultBox(b.host, 1, "Er kunnen slechts 4 detectorsoorten per lus geregistreerd worden.", "Fout 40");
  EXPECT_EQ(shown(), four);
  view.selection[kComposition] = 2; // "2 x TVC" selected, another kind chosen
  b.AddComposition(CompositionEntry{4, 1});
  ExpectFaultBox(b.host, 2, "Er kunnen slechts 4 detectorsoorten per lus geregistreerd worden.", "Fout 40");
  EXPECT_EQ(shown(), four);

  view.selection[kComposition] = 2;
  b.AddComposition(CompositionEntry{2, 7});
  const std::vector<std::string> changed = {"10 x Beam", "2 x Handbrandmelder", "5 x Optisch", "7 x TVC"};
  EXPECT_EQ(shown(), changed);
  EXPECT_EQ(b.host.boxes().size(), 2u);

  ASSERT_TRUE(page.OnKillActive());
  const auto pairs = [&b] {
    return Bytes(b.Loop(0).bytes.begin() + LoopRecord::kComposition, b.Loop(0).bytes.begin() + LoopRecord::kReserved);
  };
  EXPECT_EQ(pairs(), (Bytes{6, 10, 5, 2, 1, 5, 2, 7}));

  view.selection[kComposition] = 0;
  page.OnRemoveComposition();
  page.OnRemoveComposition(); // the list was shown again: nothing selected
  EXPECT_EQ(shown(), (std::vector<std::string>{"2 x Handbrandmelder", "5 x Optisch", "7 x TVC"}));
  ASSERT_TRUE(page.OnKillActive());
  EXPECT_EQ(pairs(), (Bytes{5, 2, 1, 5, 2, 7, 0, 0}));
}

TEST(LoopPage, LoopControlOffersOnlyControlsWithAUsableName) {
  LoopBench b;
  auto& controls = b.document.controls;
  controls.push_back(test::MakeControl(3, "Sirene", 0));
  controls.push_back(test::MakeControl(4, " Sirene", 0)); // blank first
  controls.push_back(test::MakeControl(5, "", 0));
  controls.push_back(test::MakeControl(6, "ABCDEFGHIJKLMNO", 0));
  controls.back().SetByte(ControlRecord::kNameNul, 'P'); // runs on past its field
  controls.push_back(test::MakeControl(7, "ABCDEFGHIJKLMNO", 0));
  controls.push_back(test::MakeControl(8, "Algemeen", 1)); // not a loop control
  LoopRecord stale = Loop(1, "Een");
  stale.SetByte(LoopRecord::kLoopControl, 4);
  LoopRecord linked = Loop(2, "Twee");
  linked.SetByte(LoopRecord::kLoopControl, 3);
  b.document.loops = {stale, linked};

  LoopPage& page = b.Open();
  EXPECT_EQ(b.view.items[kLoopControl],
            (std::vector<ChoiceItem>{{"Geen", 0}, {"3 Sirene", 3}, {"7 ABCDEFGHIJKLMNO", 7}}));
  EXPECT_EQ(b.view.Selection(kLoopControl), -1); // control 4 is not offered
  page.OnNext();
  EXPECT_EQ(b.Loop(0).Signed(LoopRecord::kLoopControl), 0);
  EXPECT_EQ(b.view.SelectedData(kLoopControl), 3);

  // Back from the control page with a new control: offered, the selection kept.
  controls.push_back(test::MakeControl(9, "Deur", 0));
  EXPECT_TRUE(page.OnKillActive());
  page.OnSetActive();
  EXPECT_EQ(b.view.ItemTexts(kLoopControl).back(), "9 Deur");
  EXPECT_EQ(b.view.SelectedData(kLoopControl), 3);
}

TEST(LoopForm, LoadSkipsUnknownDetectorKindsAndStoreKeepsFourPairs) {
  LoopRecord record;
  const std::uint8_t pairs[] = {7, 1, 2, 4, 0, 5, 1, 3};
  std::copy(std::begin(pairs), std::end(pairs), record.bytes.begin() + LoopRecord::kComposition);
  LoopForm form = LoadLoop(record);
  EXPECT_EQ(form.composition, (std::vector<CompositionEntry>{{1, 3}, {2, 4}}));

  form.composition = {{6, 1}, {5, 2}, {4, 3}, {3, 4}, {2, 5}};
  record.bytes.fill(0xFF);
  StoreLoop(form, record);
  EXPECT_EQ(Bytes(record.bytes.begin() + LoopRecord::kComposition, record.bytes.end()),
            (Bytes{6, 1, 5, 2, 4, 3, 3, 4, 0, 0}));
}

// An inactive loop's combos are disabled: what they cannot show (a control
// that is gone, a kind from elsewhere) stays in the loop while browsing.
TEST(LoopPage, AnInactiveLoopKeepsWhatItsDisabledCombosCannotShow) {
  struct Case {
    std::size_t offset;
    int value;
    ControlId combo;
  };
  for (const Case& c : std::vector<Case>{{LoopRecord::kLoopControl, 4, kLoopControl},
                                         {LoopRecord::kDetectionKind, 7, kDetectionKind}}) {
    SCOPED_TRACE(c.offset);
    LoopRecord loop = Loop(1, "Een");
    loop.SetByte(LoopRecord::kActive, 0);
    loop.SetByte(c.offset, c.value);
    LoopBench b({loop, Loop(2, "Twee")});
    LoopPage& page = b.Open();
    ASSERT_FALSE(b.view.IsEnabled(c.combo));
    const Bytes before = b.BytesOf(0);
    page.OnNext();
    EXPECT_EQ(b.view.Text(kName), "Twee");
    EXPECT_EQ(b.BytesOf(0), before);
  }
}

} // namespace
} // namespace kx700
