#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "app/application.h"
#include "app/qt/main_frame.h"
#include "app/qt/qt_dialog_runner.h"
#include "editor/qt/loop_page_widget.h"
#include "editor/qt/parameter_sheet.h"
#include "model/model_fixtures.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_port.h"
#include "support/fake_seams.h"
#include "support/fake_settings.h"
#include "support/fake_shell_opener.h"
#include "support/qt/when_modal_shows.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

// The program with its real parameter sheet; files and boxes faked.
struct Program {
  test::FakeMessageHost host;
  test::FakeSettings settings;
  test::FakeFileDialogs files;
  QtDialogRunner dialogs{{}};
  test::FakeShellOpener shell;
  test::NoStartup startup;
  CPc_kx700App app{{host, settings, SystemClock::Instance(), files, dialogs, shell},
                   std::make_unique<test::FakePort>()};
  std::unique_ptr<CMainFrame> frame;
  Program() {
    app.InitInstance(startup, {});
    frame = std::make_unique<CMainFrame>(app);
    dialogs.SetParent(frame.get());
    frame->show();
  }
};

TEST(EditParameters, ALoopChangedInTheSheetIsSavedAndNothingElseChanges) {
  test::TempDir dir;
  const std::string original = (dir.path() / "full.qnd3").string();
  const std::string edited = (dir.path() / "edited.qnd3").string();
  {
    CPc_kx700Doc source;
    source.AdoptConfiguration(test::MakeFullConfiguration());
    test::FakeMessageHost quiet;
    ASSERT_TRUE(source.WriteFile(original, quiet));
  }
  Program p;
  ASSERT_TRUE(p.app.controller().OpenDocumentFile(original));
  Configuration expected = p.app.document().configuration();
  ASSERT_TRUE(p.frame->action(kCmdEditParameters)->isEnabled());

  bool shown = false;
  test::WhenModalShows<CParameterSheet>([&shown](CParameterSheet& sheet) {
    shown = true;
    EXPECT_EQ(sheet.windowTitle().toStdString().rfind("Parameters - ", 0), 0u);
    ASSERT_TRUE(sheet.RequestTab(sheet.tabBar()->count() - 1));
    auto* page = static_cast<Czone*>(sheet.page(EditorPageKind::Loops));
    ASSERT_NE(page, nullptr);
    qobject_cast<QLineEdit*>(page->control(loop_ids::kName))->setText("Gewijzigd");
    sheet.accept();
  });
  p.frame->action(kCmdEditParameters)->trigger();
  ASSERT_TRUE(shown);
  EXPECT_TRUE(p.app.controller().modified());

  p.files.script.push_back(edited);
  ASSERT_TRUE(p.app.controller().OnFileSaveAs());
  CPc_kx700Doc readBack;
  ASSERT_TRUE(readBack.ReadFile(edited, p.host));

  // The edited loop is written whole from the page: its checksum byte is left
  // for the checks before sending, as every edited record's is.
  LoopRecord& loop = expected.loops.front();
  loop.SetText(LoopRecord::kName, LoopRecord::kNameWidth, "Gewijzigd");
  loop.SetByte(LoopRecord::kChecksum, 0);
  // The relay texts come back from the sheet in module order, numbered anew.
  RelayTextCopy relayTexts;
  relayTexts.LoadFromDocument(expected.relayTexts);
  relayTexts.SaveToDocument(expected.relayTexts);
  EXPECT_TRUE(readBack.loops == expected.loops);
  EXPECT_TRUE(readBack.configuration() == expected);
  EXPECT_TRUE(p.host.boxes().empty());
}

} // namespace
} // namespace kx700
