#include "service/logbook_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_shell_opener.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

struct Exports {
  Exports() {
    LogbookEntry entry;
    entry.year = 26;
    entry.month = 1;
    entry.day = 2;
    entry.eventText = "ALARM";
    entry.infoText = "Lus 1 Kelder";
    entries.push_back(entry);
  }
  LogbookSession Session() { return {entries, "7 Gent", {2026, 12, 10, 9, 0, 0, 4}, host, files, shell}; }
  std::list<LogbookEntry> entries;
  test::FakeMessageHost host;
  test::FakeFileDialogs files;
  test::FakeShellOpener shell;
};

// Each export into a folder that does not exist: fault 33, no file, nothing
// opened; Cancel in the file dialog does nothing at all.
TEST(LogbookExport, AFileThatCannotBeWrittenShowsFault33AndIsNotOpened) {
  test::TempDir dir;
  const auto missing = dir.path() / "weg" / "logboek";
  for (const bool text : {true, false}) {
    SCOPED_TRACE(text ? "text" : "workbook");
    Exports e;
    e.files.script.push_back(missing.string() + (text ? ".txt" : ".xlsx"));
    if (!text) e.host.Answer(MessageAnswer::Yes);
    EXPECT_FALSE(text ? ExportLogbookText(e.Session(), {}) : ExportLogbookWorkbook(e.Session(), {}));
    ASSERT_FALSE(e.host.boxes().empty());
    EXPECT_EQ(e.host.boxes().back().caption, "Fout 33");
    EXPECT_EQ(e.host.boxes().back().icon, MessageIcon::Error);
    EXPECT_TRUE(e.shell.opened.empty());
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  }
  Exports cancelled;
  EXPECT_FALSE(ExportLogbookText(cancelled.Session(), {}));
  EXPECT_TRUE(cancelled.host.boxes().empty());
  EXPECT_TRUE(cancelled.shell.opened.empty());
}

// The workbook export asks question 12 first; No writes nothing and asks for
// no file.
TEST(LogbookExport, TheWorkbookAsksFirst) {
  Exports e;
  e.host.Answer(MessageAnswer::No);
  EXPECT_FALSE(ExportLogbookWorkbook(e.Session(), {}));
  ASSERT_EQ(e.host.boxes().size(), 1u);
  EXPECT_EQ(e.host.boxes()[0].caption, "Aandacht 12");
  EXPECT_EQ(e.host.boxes()[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(e.files.exports.empty());
}

// A text export written is opened with the desktop's program.
TEST(LogbookExport, TheTextWrittenIsOpened) {
  test::TempDir dir;
  Exports e;
  const auto path = dir.path() / "logboek.txt";
  e.files.script.push_back(path.string());
  EXPECT_TRUE(ExportLogbookText(e.Session(), {}));
  EXPECT_EQ(e.files.exports, std::vector<ExportFile>{ExportFile::LogbookText});
  EXPECT_EQ(e.shell.opened, std::vector<std::string>{path.string()});
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_NE(s.str().find("ALARM"), std::string::npos);
}

// An export chosen through a symbolic link is written into the file the link
// points to; the link stays a link.
TEST(LogbookExport, ThroughALinkTheLinkedFileIsWritten) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "shared");
  for (const bool text : {true, false}) {
    SCOPED_TRACE(text ? "text" : "workbook");
    const std::string name = text ? "logboek.txt" : "logboek.xlsx";
    const auto target = dir.path() / "shared" / name;
    const auto link = dir.path() / name;
    test::TempDir::Write(target.string(), {'o', 'l', 'd'});
    std::filesystem::create_symlink(target, link);
    Exports e;
    e.files.script.push_back(link.string());
    if (!text) e.host.Answer(MessageAnswer::Yes);
    EXPECT_TRUE(text ? ExportLogbookText(e.Session(), {}) : ExportLogbookWorkbook(e.Session(), {}));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_GT(std::filesystem::file_size(target), 3u);
  }
}

} // namespace
} // namespace kx700
