// The parameter sheet's run over the document: its pages, the page protocol
// and whether the document changed, also through "Wijzigen" of the program.
#include "editor/parameter_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/application.h"
#include "editor/loop_form.h"
#include "editor/loop_page.h"
#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/fake_message_host.h"
#include "support/fake_page_view.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"

namespace kx700 {
namespace {

using enum EditorPageKind;
using namespace loop_ids;

TEST(ParameterEditor, PagesFollowTheVersionTakenWhenTheSheetOpens) {
  struct Case {
    VersionTriple version;
    std::vector<EditorPageKind> pages;
  };
  const std::vector<EditorPageKind> all = {Actions, Controls, General, Loops, Dossier};
  const std::vector<Case> cases = {
      {{1, 0, 0}, {Controls, General, Loops}},
      {{1, 1, 0}, all},
      {{1, 2, 2}, all},
      {{0, 0, 0}, all}, // no version and no panel: the program's own
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.version.major) + "." + std::to_string(c.version.minor));
    CPc_kx700Doc document;
    document.version = c.version;
    test::FakeMessageHost host;
    ParameterEditor editor(document, host);
    EXPECT_EQ(editor.pages(), c.pages);
  }

  // A panel that is identified while the sheet is open changes no page.
  CPc_kx700Doc document;
  test::FakePanel panel(VersionTriple{1, 0, 0});
  document.SetPanelVersionSource(&panel);
  test::FakeMessageHost host;
  ParameterEditor editor(document, host);
  panel.Set(VersionTriple{1, 1, 0});
  EXPECT_EQ(editor.pages(), (std::vector<EditorPageKind>{Controls, General, Loops}));
  EXPECT_EQ(editor.version(), (VersionTriple{1, 0, 0}));
  EXPECT_FALSE(editor.CompareVersion(1, 1, kVersionAtLeast));
}

TEST(ParameterEditor, CaptionNamesThePanel) {
  for (const auto& [name, caption] :
       std::vector<std::pair<std::string, std::string>>{{"", "Parameters"},
                                                        {"Gent", "Parameters - Gent"},
                                                        {"Sint-Niklaas Depot", "Parameters - Sint-Niklaas Depot"}}) {
    SCOPED_TRACE(name);
    CPc_kx700Doc document;
    document.central.SetText(CentralRecord::kPanelName, CentralRecord::kPanelNameWidth, name);
    test::FakeMessageHost host;
    EXPECT_EQ(ParameterEditor(document, host).caption(), caption);
  }
}

// A page that writes what the sheet asks of it into a shared log.
class LoggingPage final : public EditorPage {
public:
  LoggingPage(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  void OnInitDialog() override { log_.push_back(name_ + " init"); }
  void OnSetActive() override { log_.push_back(name_ + " active"); }
  bool OnKillActive() override {
    log_.push_back(name_ + " leave");
    return leaves;
  }
  bool OnOK() override {
    log_.push_back(name_ + " ok");
    return acceptsOk;
  }
  void OnCancel() override { log_.push_back(name_ + " cancel"); }

  bool leaves = true;
  bool acceptsOk = true;

private:
  std::string name_;
  std::vector<std::string>& log_;
};

struct Sheet {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  ParameterEditor editor{document, host};
  std::vector<std::string> log;
  std::vector<std::unique_ptr<LoggingPage>> pages;

  Sheet() {
    for (std::size_t i = 0; i < editor.pages().size(); ++i)
      pages.push_back(std::make_unique<LoggingPage>("p" + std::to_string(i), log));
  }
  bool Show(std::size_t index) {
    return editor.RequestPage(index, [this, index]() -> EditorPage& { return *pages[index]; });
  }
  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
};

TEST(ParameterEditor, APageThatRefusesToLeaveKeepsTheSheet) {
  Sheet s;
  ASSERT_EQ(s.editor.pages().size(), 5u);
  EXPECT_TRUE(s.Show(3));
  EXPECT_EQ(s.TakeLog(), (std::vector<std::string>{"p3 init", "p3 active"}));
  EXPECT_TRUE(s.Show(1));
  EXPECT_EQ(s.TakeLog(), (std::vector<std::string>{"p3 leave", "p1 init", "p1 active"}));
  s.pages[1]->leaves = false;
  EXPECT_FALSE(s.Show(3));
  EXPECT_EQ(s.TakeLog(), std::vector<std::string>{"p1 leave"});
  EXPECT_EQ(s.editor.activePage(), 1u);
  s.pages[1]->leaves = true;
  EXPECT_TRUE(s.Show(3)); // shown before: no second init
  EXPECT_EQ(s.TakeLog(), (std::vector<std::string>{"p1 leave", "p3 active"}));
  EXPECT_TRUE(s.Show(3)); // already shown: nothing asked
  EXPECT_FALSE(s.Show(5));
  EXPECT_TRUE(s.TakeLog().empty());
  EXPECT_EQ(s.editor.activePage(), 3u);
}

TEST(ParameterEditor, OkAndCancelReachOnlyThePagesThatWereShown) {
  Sheet s;
  s.Show(3);
  s.Show(1);
  s.TakeLog();
  s.pages[3]->acceptsOk = false;
  EXPECT_FALSE(s.editor.Ok());
  EXPECT_EQ(s.TakeLog(), (std::vector<std::string>{"p1 leave", "p1 ok", "p3 ok", "p3 active"}));
  EXPECT_EQ(s.editor.activePage(), 3u); // on the page that refused
  s.pages[3]->acceptsOk = true;
  EXPECT_TRUE(s.editor.Ok());
  EXPECT_EQ(s.TakeLog(), (std::vector<std::string>{"p3 leave", "p1 ok", "p3 ok"}));
  s.editor.Cancel();
  EXPECT_EQ(s.TakeLog(), (std::vector<std::string>{"p1 cancel", "p3 cancel"}));

  s.pages[1]->leaves = false;
  s.Show(1);
  s.TakeLog();
  EXPECT_FALSE(s.editor.Ok()); // the shown page refuses to leave: no page takes OK
  EXPECT_EQ(s.TakeLog(), std::vector<std::string>{"p1 leave"});

  Sheet unseen;
  EXPECT_TRUE(unseen.editor.Ok());
  unseen.editor.Cancel();
  EXPECT_TRUE(unseen.log.empty());
}

// The loop page, shown in a sheet over the given loops.
struct LoopSheet {
  CPc_kx700Doc document;
  test::FakeMessageHost host;
  test::FakeLoopPageView view;
  std::optional<ParameterEditor> editor;
  std::optional<LoopPage> page;

  explicit LoopSheet(std::vector<LoopRecord> loops) {
    document.loops.assign(loops.begin(), loops.end());
    editor.emplace(document, host);
    page.emplace(*editor, view);
    const auto& pages = editor->pages();
    const auto at = std::find(pages.begin(), pages.end(), Loops);
    EXPECT_TRUE(
        editor->RequestPage(static_cast<std::size_t>(at - pages.begin()), [this]() -> EditorPage& { return *page; }));
  }
};

std::vector<LoopRecord> TwoNewLoops() { return {NewLoop(1, nullptr), NewLoop(2, nullptr)}; }

TEST(ParameterEditor, FinishReportsWhetherAConfigurationByteChanged) {
  using Action = std::function<void(LoopSheet&)>;
  struct Case {
    const char* name;
    Action act;
    bool modified;
  };
  const auto type = [](LoopSheet& s, const std::string& name) { s.view.text[kName] = name; };
  const std::vector<Case> cases = {
      {"browse, OK",
       [](LoopSheet& s) {
         s.page->OnNext();
         s.page->OnPrevious();
         EXPECT_TRUE(s.editor->Ok());
       },
       false},
      {"browse, Cancel",
       [](LoopSheet& s) {
         s.page->OnNext();
         s.editor->Cancel();
       },
       false},
      {"typed, Cancel",
       [&](LoopSheet& s) {
         type(s, "Hal");
         s.editor->Cancel();
       },
       false},
      {"typed, OK",
       [&](LoopSheet& s) {
         type(s, "Hal");
         EXPECT_TRUE(s.editor->Ok());
       },
       true},
      {"typed, moved, Cancel",
       [&](LoopSheet& s) {
         type(s, "Hal");
         s.page->OnNext();
         s.editor->Cancel();
       },
       true},
      {"changed and changed back",
       [&](LoopSheet& s) {
         type(s, "Hal");
         s.page->OnNext();
         s.page->OnPrevious();
         type(s, "Lus 1");
         EXPECT_TRUE(s.editor->Ok());
       },
       false},
      {"added and deleted",
       [](LoopSheet& s) {
         s.page->OnAdd();
         s.page->OnDelete();
         EXPECT_TRUE(s.editor->Ok());
       },
       false},
      {"deleted, Cancel",
       [](LoopSheet& s) {
         s.page->OnDelete();
         s.editor->Cancel();
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopSheet s(TwoNewLoops());
    c.act(s);
    EXPECT_EQ(s.editor->Finish(), c.modified);
  }
}

// A configuration received from the panel (or checked for sending) carries
// the checksum of every record. Looking at its loops changes none of them.
TEST(ParameterEditor, BrowsingAReceivedConfigurationLeavesItUnmodified) {
  std::vector<LoopRecord> loops = TwoNewLoops();
  for (LoopRecord& loop : loops) loop.UpdateChecksum();
  ASSERT_NE(loops[0].StoredChecksum(), 0);
  LoopSheet s(loops);
  s.page->OnNext();
  s.page->OnPrevious();
  EXPECT_TRUE(s.editor->Ok());
  EXPECT_FALSE(s.editor->Finish());
}

// "Wijzigen" in the program: the sheet runs over the program's document.
struct Program : test::FakeSeams {
  std::unique_ptr<CPc_kx700App> app;
  Program() {
    app = std::make_unique<CPc_kx700App>(seams(), std::make_unique<test::FakePort>());
    test::NoStartup startup;
    EXPECT_TRUE(app->InitInstance(startup, {}));
    app->document().loops.push_back(NewLoop(1, nullptr));
  }
  // The user opens the loop page, types `name` when given, and presses OK.
  void OnTheLoopPage(std::optional<std::string> name) {
    dialogs.parameterSheet = [name](ParameterEditor& editor) {
      test::FakeLoopPageView view;
      LoopPage page(editor, view);
      const auto& pages = editor.pages();
      const auto at = std::find(pages.begin(), pages.end(), Loops);
      ASSERT_TRUE(
          editor.RequestPage(static_cast<std::size_t>(at - pages.begin()), [&page]() -> EditorPage& { return page; }));
      if (name) view.text[kName] = *name;
      EXPECT_TRUE(editor.Ok());
    };
  }
};

TEST(EditParameters, WijzigenMarksTheDocumentModifiedOnlyWhenALoopChanged) {
  struct Case {
    const char* name;
    bool showsLoopPage; // else the sheet is cancelled at once
    std::optional<std::string> typedName;
    bool modified;
    std::string loopName;
  };
  const std::vector<Case> cases = {
      {"cancelled", false, std::nullopt, false, "Lus 1"},
      {"OK without a change", true, std::nullopt, false, "Lus 1"},
      {"renamed", true, "Hal", true, "Hal"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Program p;
    if (c.showsLoopPage) p.OnTheLoopPage(c.typedName);
    ASSERT_TRUE(p.app->IsCommandEnabled(kCmdEditParameters));
    EXPECT_TRUE(p.app->Dispatch(kCmdEditParameters));
    EXPECT_EQ(p.dialogs.parameterSheets, 1);
    EXPECT_EQ(p.app->controller().modified(), c.modified);
    EXPECT_EQ(p.app->document().loops.front().Name(), c.loopName);
    EXPECT_TRUE(p.host.boxes().empty());
  }
}

} // namespace
} // namespace kx700
