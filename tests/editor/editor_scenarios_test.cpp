// Whole editing sessions across the pages of the sheet, driven as the sheet
// drives them: what one page does shows on the next.
#include <gtest/gtest.h>

#include <optional>

#include "app/application.h"
#include "editor/actions_page.h"
#include "editor/central_page.h"
#include "editor/control_page.h"
#include "editor/dossier_page.h"
#include "editor/loop_page.h"
#include "editor/parameter_editor.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

// Every page of a 1.01 sheet over fake widgets, switched as the tabs are.
struct Session {
  explicit Session(ParameterEditor& sheet) : editor(sheet) {
    // The windows fill the card address combos with fixed items.
    std::vector<ChoiceItem> addresses;
    for (int card = 1; card <= 8; ++card) addresses.push_back({"Adres " + std::to_string(card), card});
    for (int row = 0; row < 8; ++row) controlView.items[control_ids::Address(row)] = addresses;
    actionView.items[action_ids::kCard] = {{"Geen", 0}};
  }
  EditorPage& Page(EditorPageKind kind) {
    switch (kind) {
      case EditorPageKind::Actions: return actions;
      case EditorPageKind::Controls: return controls;
      case EditorPageKind::General: return general;
      case EditorPageKind::Loops: return loops;
      case EditorPageKind::Dossier: break;
    }
    return dossier;
  }
  bool Show(EditorPageKind kind) {
    const auto& pages = editor.pages();
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (pages[i] == kind) return editor.RequestPage(i, [this, kind]() -> EditorPage& { return Page(kind); });
    }
    return false;
  }
  ParameterEditor& editor;
  test::FakeRecordPageView actionView;
  test::FakeRecordPageView controlView;
  test::FakeCentralPageView generalView;
  test::FakeLoopPageView loopView;
  test::FakeDossierPageView dossierView;
  ActionsPage actions{editor, actionView};
  ControlPage controls{editor, controlView};
  CentralPage general{editor, generalView};
  LoopPage loops{editor, loopView};
  DossierPage dossier{editor, dossierView};
};

// Controls made on "Sturingen" are offered on "Algemeen" and "Lus" the next
// time those pages show, and an unset reference takes its default there.
TEST(EditorSession, ReferencesFollowTheControlsMadeOnTheControlPage) {
  CPc_kx700Doc document;
  document.version = {1, 1, 1};
  test::FakeMessageHost host;
  ParameterEditor editor(document, host);
  Session s(editor);
  ASSERT_TRUE(s.Show(EditorPageKind::Controls));
  s.controls.OnAdd(); // the first control is a general one
  s.controls.OnAdd(); // the second a loop control
  ASSERT_EQ(document.controls.size(), 2u);

  ASSERT_TRUE(s.Show(EditorPageKind::General));
  EXPECT_EQ(s.generalView.ItemTexts(central_ids::kGeneralControl), (std::vector<std::string>{"1 Sturing 1"}));
  EXPECT_EQ(document.central.Signed(CentralRecord::kGeneralControl), 1);
  ASSERT_TRUE(s.Show(EditorPageKind::Loops));
  s.loops.OnAdd();
  EXPECT_EQ(s.loopView.ItemTexts(loop_ids::kLoopControl), (std::vector<std::string>{"Geen", "2 Sturing 2"}));
  s.loopView.Select(loop_ids::kLoopControl, 2);

  // Renamed with a leading blank, control 1 is no longer a usable general
  // control: the general page drops it and nothing takes its place.
  ASSERT_TRUE(s.Show(EditorPageKind::Controls));
  s.controls.OnPrevious();
  ASSERT_EQ(s.controlView.text[control_ids::kName], "Sturing 1");
  s.controlView.text[control_ids::kName] = " Oud";
  s.controls.OnNext();
  ASSERT_TRUE(s.Show(EditorPageKind::General));
  EXPECT_TRUE(s.generalView.ItemTexts(central_ids::kGeneralControl).empty());
  ASSERT_TRUE(s.editor.Ok());
  EXPECT_EQ(document.central.Signed(CentralRecord::kGeneralControl), 0);
  EXPECT_EQ(document.loops.front().Signed(LoopRecord::kLoopControl), 2);
}

// Wijzigen marks the document modified when the session changed a byte,
// also when it ends in Cancel, and not when it only looked.
TEST(EditorSession, TheDocumentIsModifiedOnlyWhenABytesChanged) {
  test::FakeSeams seams;
  test::NoStartup startup;
  CPc_kx700App app(seams.seams(), std::make_unique<test::FakePort>());
  app.InitInstance(startup, {});
  CPc_kx700Doc& document = app.document();
  document.version = {1, 1, 1};
  document.central.SetByte(CentralRecord::kGeneralControl, 1); // nothing for the page to fill in
  document.central.SetByte(CentralRecord::kAlertControl, 2);

  struct Case {
    const char* what;
    std::function<void(Session&)> act;
    bool modified;
  };
  const Case cases[] = {
      {"a look at every page, then OK",
       [](Session& s) {
         for (EditorPageKind kind : s.editor.pages()) ASSERT_TRUE(s.Show(kind));
         ASSERT_TRUE(s.editor.Ok());
       },
       true}, // the dossier page stores the date it showed for the one missing
      {"the same look again",
       [](Session& s) {
         for (EditorPageKind kind : s.editor.pages()) ASSERT_TRUE(s.Show(kind));
         ASSERT_TRUE(s.editor.Ok());
       },
       false},
      {"a loop added, then Cancel",
       [](Session& s) {
         ASSERT_TRUE(s.Show(EditorPageKind::Loops));
         s.loops.OnAdd();
         s.editor.Cancel();
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app.controller().SetModified(false);
    seams.dialogs.parameterSheet = [&c](ParameterEditor& editor) {
      Session s(editor);
      c.act(s);
    };
    ASSERT_TRUE(app.Dispatch(kCmdEditParameters));
    EXPECT_EQ(app.controller().modified(), c.modified);
  }
}

// With English active, texts that English leaves unfilled show empty and a
// new control still gets a name that counts: the Dutch word.
TEST(EditorSession, EnglishShowsItsOwnWordsAndEmptyForTheRest) {
  test::ScopedTextLanguage english(TextLanguage::English);
  CPc_kx700Doc document;
  document.version = {1, 1, 1};
  test::FakeMessageHost host;
  ParameterEditor editor(document, host);
  Session s(editor);
  ASSERT_TRUE(s.Show(EditorPageKind::Loops));
  s.loops.OnAdd();
  EXPECT_EQ(document.loops.front().Name(), "Zone 1");
  EXPECT_EQ(document.loops.front().Text(LoopRecord::kTextF, LoopRecord::kLevelTextWidth), "FAULT");
  EXPECT_EQ(s.loopView.ItemTexts(loop_ids::kDetectionKind), std::vector<std::string>(6));
  ASSERT_TRUE(s.Show(EditorPageKind::Controls));
  s.controls.OnAdd();
  EXPECT_EQ(document.controls.front().Name(), "Sturing 1");
  ASSERT_TRUE(s.Show(EditorPageKind::Loops));
  EXPECT_EQ(s.loopView.ItemTexts(loop_ids::kLoopControl), (std::vector<std::string>{""}));
}

} // namespace
} // namespace kx700
