#include "app/document_controller.h"

#include <gtest/gtest.h>

#include "model/model_fixtures.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_settings.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using test::FakeFileDialogs;
using test::FakeMessageHost;
using test::FakeSettings;
using test::TempDir;

struct Documents {
  TempDir dir;
  CPc_kx700Doc doc;
  FakeMessageHost host;
  FakeFileDialogs dialogs;
  FakeSettings settings;
  std::unique_ptr<DocumentController> controller;
  int changes = 0;

  Documents() {
    controller = std::make_unique<DocumentController>(doc, host, dialogs, settings);
    controller->onChanged = [this] { ++changes; };
  }
  std::string SavedFile(const std::string& name, int loopNumber) {
    CPc_kx700Doc other;
    other.loops.push_back(test::MakeLoop(loopNumber, "L"));
    FakeMessageHost quiet;
    other.WriteFile(dir.File(name), quiet);
    return dir.File(name);
  }
};

TEST(DocumentController, NewAsksBeforeErasingData) {
  Documents d;
  EXPECT_TRUE(d.controller->OnFileNew()); // empty: no question
  EXPECT_TRUE(d.host.boxes().empty());

  d.doc.loops.push_back(test::MakeLoop(1, "Een"));
  d.host.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(d.controller->OnFileNew());
  ASSERT_EQ(d.host.boxes().size(), 1u);
  EXPECT_EQ(d.host.boxes()[0].caption, "Aandacht 4");
  EXPECT_EQ(d.host.boxes()[0].text, "De actuele data zal gewist worden.\n Wilt u doorgaan?");
  EXPECT_EQ(d.host.boxes()[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(d.doc.loops.size(), 1u);

  d.host.Answer(MessageAnswer::Ok);
  EXPECT_TRUE(d.controller->OnFileNew());
  EXPECT_TRUE(d.doc.loops.empty());
}

TEST(DocumentController, OpenAsksBeforeOverwritingAndKeepsEverythingOnRefusal) {
  Documents d;
  const std::string a = d.SavedFile("a.qnd3", 3);
  ASSERT_TRUE(d.controller->OpenDocumentFile(a));
  EXPECT_EQ(d.controller->DocumentName(), "a.qnd3");
  EXPECT_EQ(d.controller->recentFiles(), std::vector<std::string>{a});
  EXPECT_TRUE(d.host.boxes().empty());

  // A refused file: the question, then the fault; nothing else changes.
  TempDir::Write(d.dir.File("bad.qnd3"), {'x'});
  d.host.Answer(MessageAnswer::Ok);
  const int changes = d.changes;
  EXPECT_FALSE(d.controller->OpenDocumentFile(d.dir.File("bad.qnd3")));
  ASSERT_EQ(d.host.boxes().size(), 2u);
  EXPECT_EQ(d.host.boxes()[0].caption, "Aandacht 1");
  EXPECT_EQ(d.host.boxes()[0].text, "De actuele data zal overschreven worden.\n Wilt u doorgaan?");
  EXPECT_EQ(d.host.boxes()[1].caption, "Fout 8");
  EXPECT_EQ(d.controller->path(), a);
  EXPECT_EQ(d.doc.loops.front().Number(), 3);
  EXPECT_EQ(d.controller->recentFiles(), std::vector<std::string>{a});
  EXPECT_EQ(d.changes, changes);

  // Cancel keeps the document.
  d.host.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(d.controller->OpenDocumentFile(d.SavedFile("b.qnd3", 4)));
  EXPECT_EQ(d.doc.loops.front().Number(), 3);

  // A central record alone is no data: no question.
  d.doc.ClearParameters();
  d.doc.central.SetText(CentralRecord::kPanelName, 20, "Naam");
  const std::size_t boxes = d.host.boxes().size();
  EXPECT_TRUE(d.controller->OpenDocumentFile(d.dir.File("b.qnd3")));
  EXPECT_EQ(d.host.boxes().size(), boxes);
}

TEST(DocumentController, ModifiedDocumentAsksToSaveFirst) {
  struct Case {
    MessageAnswer answer;
    bool goesOn;
    bool saved;
  };
  const Case cases[] = {
      {MessageAnswer::Yes, true, true}, {MessageAnswer::No, true, false}, {MessageAnswer::Cancel, false, false}};
  for (const auto& c : cases) {
    Documents d;
    const std::string path = d.dir.File("work.qnd3");
    d.dialogs.script.push_back(path);
    d.controller->SetModified(true);
    d.host.Answer(c.answer);
    EXPECT_EQ(d.controller->CanClose(), c.goesOn);
    ASSERT_EQ(d.host.boxes().size(), 1u);
    EXPECT_EQ(d.host.boxes()[0].caption, "Aandacht 9");
    EXPECT_EQ(d.host.boxes()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(std::filesystem::exists(path), c.saved);
    EXPECT_EQ(d.controller->modified(), !c.saved);
  }
  // With a path the save goes there without a dialog; New then asks nothing
  // more for an empty document.
  Documents d;
  ASSERT_TRUE(d.controller->OpenDocumentFile(d.SavedFile("c.qnd3", 1)));
  d.doc.loops.clear();
  d.controller->SetModified(true);
  d.host.Answer(MessageAnswer::Yes);
  EXPECT_TRUE(d.controller->OnFileNew());
  EXPECT_TRUE(d.dialogs.suggestions.empty());
  EXPECT_EQ(d.host.boxes().size(), 1u);
}

TEST(DocumentController, SaveAsAddsTheExtensionAndKeepsStateOnFailure) {
  Documents d;
  d.doc.loops.push_back(test::MakeLoop(2, "Twee"));
  d.controller->SetModified(true);
  d.dialogs.script.push_back(d.dir.File("plan"));
  ASSERT_TRUE(d.controller->OnFileSaveAs());
  EXPECT_EQ(d.controller->path(), d.dir.File("plan.qnd3"));
  EXPECT_FALSE(d.controller->modified());

  d.controller->SetModified(true);
  d.dialogs.script.push_back(d.dir.File("no/such/folder/x.qnd3"));
  EXPECT_FALSE(d.controller->OnFileSaveAs());
  EXPECT_EQ(d.host.boxes().back().caption, "Fout 33");
  EXPECT_EQ(d.controller->path(), d.dir.File("plan.qnd3"));
  EXPECT_TRUE(d.controller->modified());
  EXPECT_EQ(d.controller->recentFiles().size(), 1u);

  d.dialogs.script.push_back(std::nullopt); // Cancel
  EXPECT_FALSE(d.controller->OnFileSaveAs());
}

TEST(DocumentController, RecentFilesKeepTheLastFourMostRecentFirst) {
  Documents d;
  std::vector<std::string> files;
  for (int i = 1; i <= 5; ++i) files.push_back(d.SavedFile("f" + std::to_string(i) + ".qnd3", i));
  for (const auto& f : files) {
    d.host.Answer(MessageAnswer::Ok);
    ASSERT_TRUE(d.controller->OpenDocumentFile(f));
  }
  d.host.Answer(MessageAnswer::Ok);
  ASSERT_TRUE(d.controller->OpenDocumentFile(files[2])); // again: moves to the front
  EXPECT_EQ(d.controller->recentFiles(), (std::vector<std::string>{files[2], files[4], files[3], files[1]}));
  EXPECT_EQ(d.settings.recent, d.controller->recentFiles());

  // They come back with the next run.
  CPc_kx700Doc doc;
  DocumentController next(doc, d.host, d.dialogs, d.settings);
  EXPECT_EQ(next.recentFiles(), d.controller->recentFiles());
}

TEST(DocumentController, AReceivedConfigurationKeepsTheFileName) {
  Documents d;
  const std::string a = d.SavedFile("a.qnd3", 1);
  ASSERT_TRUE(d.controller->OpenDocumentFile(a));
  Configuration received;
  received.loops.push_back(test::MakeLoop(9, "Paneel"));
  d.controller->AdoptReceivedConfiguration(std::move(received));
  EXPECT_EQ(d.controller->path(), a);
  EXPECT_EQ(d.controller->recentFiles(), std::vector<std::string>{a});
  EXPECT_EQ(d.doc.loops.front().Number(), 9);
}

} // namespace
} // namespace kx700
