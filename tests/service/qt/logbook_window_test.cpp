#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "common/qt/flex_grid.h"
#include "service/qt/logbook_window.h"
#include "support/app_bench.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_message_host.h"
#include "support/fake_progress.h"
#include "support/fake_shell_opener.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Unzip(const std::filesystem::path& path, const char* member) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), QString::fromStdString(path.string()), member});
  unzip.waitForFinished(30'000);
  return unzip.readAllStandardOutput().toStdString();
}

// Logboek against the simulated panel: the whole logbook read with progress,
// every entry in the window, a search marked, both exports written.
TEST(LogbookWindow, ReadsTheWholeLogbookShowsItSearchesAndExports) {
  test::TempDir dir;
  const auto text = dir.path() / "logboek.txt";
  const auto workbook = dir.path() / "logboek.xlsx";
  test::AppBench b;
  test::FakeProgress progress;
  b.app->SetProgressSink(&progress);
  b.clock.SetNow({2026, 12, 10, 9, 0, 0, 4});
  b.RunFor(100);
  ASSERT_TRUE(b.app->session().connected());
  const std::size_t count = b.panel.state().logbook.size();
  ASSERT_GE(count, 30u);

  b.dialogs.logbook = [&](const LogbookSession& session) {
    CLogboek window(session);
    window.show();
    EXPECT_EQ(window.grid()->GetRows(), static_cast<int>(count) + 1);
    EXPECT_EQ(window.grid()->GetTextMatrix(0, 1), "Gebeurtenis");
    EXPECT_EQ(window.grid()->GetTextMatrix(1, 0), "1");

    // "STILTE" in the event column.
    window.columnCombo()->setCurrentIndex(0);
    window.searchEdit()->setText("STILTE");
    QTest::keyClick(window.searchEdit(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible()); // Enter searches, it does not close
    int marked = 0;
    for (int row = 1; row <= window.model().entryCount(); ++row) {
      const bool hit = window.model().Marked(row);
      marked += hit;
      EXPECT_EQ(hit, window.grid()->GetTextMatrix(row, 1).contains("STILTE")) << row;
      window.grid()->SetRow(row);
      window.grid()->SetCol(0);
      EXPECT_EQ(window.grid()->GetCellBackColor() == kLogbookMark, hit) << row;
    }
    EXPECT_GT(marked, 0);
    // The first hit is the highlighted row.
    const int first = window.model().highlighted();
    EXPECT_TRUE(window.model().Marked(first));
    for (int row : {first, first + 1}) {
      window.grid()->SetRow(row);
      window.grid()->SetCol(2);
      EXPECT_EQ(window.grid()->GetCellBackColor() == kLogbookHighlight, row == first) << row;
    }
    if (const char* shots = std::getenv("KX700_SCREENSHOTS"))
      window.grab().save(QString::fromLocal8Bit(shots) + "/logbook_window.png");

    b.files.script.push_back(text.string());
    QTest::mouseClick(window.textExportButton(), Qt::LeftButton);
    b.host.Answer(MessageAnswer::Yes); // a spreadsheet program is at hand
    b.files.script.push_back(workbook.string());
    QTest::mouseClick(window.workbookExportButton(), Qt::LeftButton);
  };
  ASSERT_TRUE(b.app->Dispatch(kCmdLogbook));
  ASSERT_EQ(b.dialogs.logbooks, std::vector<std::size_t>{count});
  ASSERT_FALSE(progress.shows.empty());
  EXPECT_EQ(progress.steps, static_cast<int>(count));

  const std::string exported = Slurp(text);
  EXPECT_EQ(exported.rfind("7 Gent\r\nBrandmeldcentrale KX700 - Logboek\r\n10 dec 26\r\n", 0), 0u);
  EXPECT_NE(exported.find("caf\xC3\xA9"), std::string::npos); // UTF-8
  EXPECT_EQ(b.shell.opened, std::vector<std::string>{text.string()});
  const std::string sheet = Unzip(workbook, "xl/sharedStrings.xml") + Unzip(workbook, "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("Gebeurtenis"), std::string::npos);
  EXPECT_NE(sheet.find("caf\xC3\xA9"), std::string::npos);
}

struct SmallLogbook {
  SmallLogbook() {
    for (const char* event : {"ALARM", "STILTE", "RESET"}) {
      LogbookEntry e;
      e.day = 2, e.month = 1, e.year = 26;
      e.eventText = event;
      entries.push_back(e);
    }
  }
  LogbookSession Session() { return {entries, "7 Gent", {2026, 12, 10, 9, 0, 0, 4}, host, files, shell}; }
  std::list<LogbookEntry> entries;
  test::FakeMessageHost host;
  test::FakeFileDialogs files;
  test::FakeShellOpener shell;
};

// The Enter key of the numeric keypad searches as the main one does.
TEST(LogbookWindow, KeypadEnterSearches) {
  SmallLogbook l;
  CLogboek window(l.Session());
  window.show();
  window.columnCombo()->setCurrentIndex(0);
  window.searchEdit()->setText("STILTE");
  QTest::keyClick(window.searchEdit(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.model().Marked(2));
  EXPECT_EQ(window.model().highlighted(), 2);
}

// Enter typed in the column box searches and adds no column to it.
TEST(LogbookWindow, EnterInTheColumnBoxAddsNoColumn) {
  SmallLogbook l;
  CLogboek window(l.Session());
  window.show();
  window.searchEdit()->setText("STILTE");
  window.columnCombo()->lineEdit()->setText("Gebeurtenis x");
  QTest::keyClick(window.columnCombo()->lineEdit(), Qt::Key_Return);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.columnCombo()->count(), 4);
}

} // namespace
} // namespace kx700
