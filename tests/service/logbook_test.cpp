// The logbook window's logic without a window: the grid texts, the search and
// its marks, what a click picks, the highlighted row, and the two exports'
// contents (text bytes, workbook cells).
#include "service/logbook.h"

#include <gtest/gtest.h>

#include <array>
#include <list>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace kx700 {

// Readable failures for the workbook cells.
static void PrintTo(const LogbookCell& c, std::ostream* os) {
  *os << '(' << c.column << ", " << c.row << ", \"" << c.text << "\")";
}

namespace {

using Row = std::array<std::string, kLogbookColumns>;

LogbookEntry Entry(int day, int month, int year, int hour, int minute, int second, std::string event,
                   std::string info) {
  LogbookEntry e;
  e.day = day, e.month = month, e.year = year;
  e.hour = hour, e.minute = minute, e.second = second;
  e.eventText = std::move(event);
  e.infoText = std::move(info);
  return e;
}

// Two January entries, one of them with blanks before its info text, an entry
// without info and one with a month the panel should never send.
std::list<LogbookEntry> SearchFixture() {
  return {
      Entry(3, 1, 26, 9, 5, 7, "Brand", "Lus 1"),
      Entry(4, 2, 26, 10, 0, 0, "Storing", ""),
      Entry(17, 1, 25, 23, 59, 0, "Brand melder", "  Lus 2"),
      Entry(5, 13, 26, 0, 0, 1, "Reset", "Lus 12"),
  };
}

std::vector<bool> Marks(const LogbookModel& model) {
  std::vector<bool> marks;
  for (int row = 1; row <= model.entryCount(); ++row) marks.push_back(model.Marked(row));
  return marks;
}

std::vector<bool> Hits(const std::list<LogbookEntry>& entries) {
  std::vector<bool> hits;
  for (const LogbookEntry& e : entries) hits.push_back(e.searchHit);
  return hits;
}

TEST(LogbookGrid, HeadingsRowsAndCells) {
  EXPECT_EQ(LogbookHeadings(), (Row{"Nr.", "Gebeurtenis", "Info", "Datum", "Tijd"}));
  EXPECT_EQ(LogbookSearchColumns(), (std::vector<std::string>{"Gebeurtenis", "Info", "Datum", "Tijd"}));

  EXPECT_EQ(LogbookRow(7, Entry(3, 1, 26, 9, 5, 7, "Brand", "Lus 1")),
            (Row{"7", "Brand", "Lus 1", "3 jan 26", "09:05:07"}));
  EXPECT_EQ(LogbookRow(12, Entry(31, 12, 5, 0, 0, 0, "Reset", "")), (Row{"12", "Reset", "", "31 dec 05", "00:00:00"}));
  for (int month : {0, 13, -1}) EXPECT_EQ(LogbookRow(1, Entry(3, month, 26, 1, 2, 3, "E", "I"))[3], "") << month;

  auto entries = SearchFixture();
  const LogbookModel model(entries);
  ASSERT_EQ(model.entryCount(), 4);
  for (int column = 0; column < kLogbookColumns; ++column) {
    EXPECT_EQ(model.Cell(0, column), LogbookHeadings()[static_cast<std::size_t>(column)]);
  }
  EXPECT_EQ(model.Cell(3, 0), "3");
  EXPECT_EQ(model.Cell(3, 2), "  Lus 2"); // shown as the panel sent it
  EXPECT_EQ(model.Cell(4, 3), "");
  EXPECT_EQ(model.Cell(4, 4), "00:00:01");
  for (auto [row, column] : {std::pair{5, 1}, {-1, 1}, {1, -1}, {1, 5}}) {
    EXPECT_EQ(model.Cell(row, column), "") << row << ", " << column;
  }
}

TEST(LogbookMatch, CaseSensitiveSubstringOfTheCellWithoutLeadingWhiteSpace) {
  struct Case {
    const char* cell;
    const char* search;
    bool match;
  };
  const Case cases[] = {
      {"Brand lus 2", "lus", true},
      {"Brand lus 2", "Brand lus 2", true},
      {"Brand", "brand", false},
      {"Br", "Brand", false}, // a cell shorter than the text
      {"Brand", "", false},
      {"  Brand", "Brand", true},
      {"  Brand", " Brand", false}, // the cell's blanks are not compared
      {"\tBrand", " B", false},
      {"Brand", " Brand", false},
      {"Brand lus", " lus", true}, // a blank inside the cell still counts
      {"Caf\xE9", "f\xE9", true},
      {"Cafe", "f\xE9", false},
      {"", "a", false},
      {"   ", " ", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LogbookMatch(c.cell, c.search), c.match) << '"' << c.cell << "\" / \"" << c.search << '"';
}

TEST(LogbookSearch, MarksTheHitsOfTheChosenColumnAndGivesTheFirst) {
  struct Case {
    int choice;
    const char* text;
    std::vector<bool> marks;
    int row;
  };
  const Case cases[] = {
      {0, "Brand", {true, false, true, false}, 1},
      {0, "melder", {false, false, true, false}, 3},
      {0, "brand", {false, false, false, false}, 1},
      {0, "Storing melding", {false, false, false, false}, 1},
      {1, "Lus 1", {true, false, false, true}, 1},
      {1, "Lus 2", {false, false, true, false}, 3},
      {1, " Lus", {false, false, false, false}, 1},
      {1, "Brand", {false, false, false, false}, 1}, // the event column is not searched
      {2, "jan", {true, false, true, false}, 1},
      {2, "JAN", {false, false, false, false}, 1},
      {2, "febr", {false, true, false, false}, 2},
      {2, "26", {true, true, false, false}, 1}, // no date for month 13
      {3, ":59:", {false, false, true, false}, 3},
      {3, "00:00", {false, true, false, true}, 2},
  };
  for (const Case& c : cases) {
    auto entries = SearchFixture();
    LogbookModel model(entries);
    EXPECT_EQ(model.Search(c.choice, c.text), c.row) << c.choice << " \"" << c.text << '"';
    EXPECT_EQ(Marks(model), c.marks) << c.choice << " \"" << c.text << '"';
    EXPECT_EQ(Hits(entries), c.marks) << c.choice << " \"" << c.text << '"';
  }
}

TEST(LogbookSearch, EmptyTextClearsTheMarksAndNoColumnKeepsThem) {
  auto entries = SearchFixture();
  LogbookModel model(entries);
  const std::vector<bool> melder{false, false, true, false};
  ASSERT_EQ(model.Search(0, "melder"), 3);

  // A text typed into the column choice selects no column.
  EXPECT_EQ(model.Search(-1, "Reset"), 3);
  EXPECT_EQ(Marks(model), melder);
  EXPECT_EQ(model.Search(-1, ""), 3);
  EXPECT_EQ(Marks(model), melder);

  // A new search replaces the marks, it does not add to them.
  EXPECT_EQ(model.Search(1, "Lus 1"), 1);
  EXPECT_EQ(model.Search(-1, ""), 1);
  EXPECT_EQ(Marks(model), (std::vector<bool>{true, false, false, true}));

  for (int choice : {0, 1, 2, 3}) {
    ASSERT_EQ(model.Search(0, "Brand"), 1);
    EXPECT_EQ(model.Search(choice, ""), 1) << choice;
    EXPECT_EQ(Hits(entries), std::vector<bool>(4, false)) << choice;
  }
}

TEST(LogbookSearch, ModelStartsWithoutMarksAndAnEmptyLogbookGivesRowZero) {
  auto entries = SearchFixture();
  for (LogbookEntry& e : entries) e.searchHit = true; // left over from an earlier window
  LogbookModel model(entries);
  EXPECT_EQ(Hits(entries), std::vector<bool>(4, false));
  EXPECT_EQ(model.Search(-1, ""), 1);
  EXPECT_FALSE(model.Marked(0));
  EXPECT_FALSE(model.Marked(5));

  std::list<LogbookEntry> none;
  LogbookModel empty(none);
  EXPECT_EQ(empty.entryCount(), 0);
  EXPECT_EQ(empty.Search(0, "Brand"), 0);
  EXPECT_EQ(empty.Search(0, ""), 0);
  EXPECT_EQ(empty.Search(-1, "x"), 0);
}

TEST(LogbookClick, HeadingsChooseTheColumnAndDataCellsGiveTheirText) {
  auto entries = SearchFixture();
  entries.push_back(Entry(1, 1, 26, 0, 0, 0, "E", "   123456789012345678901234567890"));
  const LogbookModel model(entries);
  using Pick = std::optional<std::pair<int, std::string>>;
  struct Case {
    int row;
    int column;
    Pick pick;
  };
  const Case cases[] = {
      {0, 0, std::nullopt},
      {0, 1, std::pair{0, ""}},
      {0, 4, std::pair{3, ""}},
      {0, 5, std::nullopt},
      {1, 0, std::nullopt},
      {1, 1, std::pair{0, "Brand"}},
      {1, 2, std::pair{1, "Lus 1"}},
      {1, 3, std::pair{2, "3 jan 26"}},
      {1, 4, std::pair{3, "09:05:07"}},
      {1, 5, std::nullopt},
      {3, 2, std::pair{1, "Lus 2"}},
      {2, 2, std::pair{1, ""}},
      {5, 2, std::pair{1, "1234567890123456789012345"}},
      {6, 1, std::nullopt},
      {-1, 1, std::nullopt},
  };
  for (const Case& c : cases) {
    const auto pick = model.Click(c.row, c.column);
    const Pick got = pick ? Pick{std::pair{pick->choice, pick->text}} : std::nullopt;
    EXPECT_EQ(got, c.pick) << c.row << ", " << c.column;
  }
}

TEST(LogbookHighlight, GivesTheRowBeforeAndKeepsTheColour) {
  auto entries = SearchFixture();
  LogbookModel model(entries);
  EXPECT_EQ(model.highlighted(), 0);
  EXPECT_EQ(model.Highlight(3), 0);
  EXPECT_EQ(model.highlighted(), 3);
  EXPECT_EQ(model.Highlight(1), 3);
  EXPECT_EQ(model.Highlight(1), 1);
  EXPECT_EQ(model.highlighted(), 1);

  EXPECT_EQ(model.highlightColour(), Rgb(0xDC, 0xDC, 0xDC));
  model.SetHighlightColour(Rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(model.highlightColour(), Rgb(0x12, 0x34, 0x56));
}

TEST(LogbookTextExport, ExactBytes) {
  const std::list<LogbookEntry> entries{
      Entry(3, 1, 26, 9, 5, 7, "Brand", "Lus 1"),
      Entry(14, 12, 25, 23, 59, 0, "Storing", ""),
  };
  const std::string head = "Brandmeldcentrale KX700 - Logboek\r\n10 dec 26\r\n" + std::string(80, '-') + "\r\n";
  const std::string lines = "  1  03/01/26 09:05:07 \tBrand" + std::string(16, ' ') + "   \tLus 1\r\n" +
                            "  2  14/12/25 23:59:00 \tStoring" + std::string(14, ' ') + "   \t\r\n";
  const LocalDateTime today{2026, 12, 10, 8, 0, 0};
  EXPECT_EQ(LogbookTextExport(entries, "Rust", today), "Rust\r\n" + head + lines);
  EXPECT_EQ(LogbookTextExport(entries, "", today), "\r\n" + head + lines);
  EXPECT_EQ(LogbookTextExport({}, "", LocalDateTime{2000, 1, 5}),
            "\r\nBrandmeldcentrale KX700 - Logboek\r\n05 jan 00\r\n" + std::string(80, '-') + "\r\n");
}

TEST(LogbookTextExport, EventWidthUtf8AndWideNumbers) {
  const std::string exact21 = "123456789012345678901";
  std::list<LogbookEntry> entries{
      Entry(1, 2, 3, 4, 5, 6, exact21, "i"),
      Entry(1, 2, 3, 4, 5, 6, exact21 + "XYZ", "i"),
      Entry(1, 2, 3, 4, 5, 6, "Caf\xE9",
            "D\xE9"
            "faut"),
  };
  const std::string text = LogbookTextExport(entries, "\xC9tat", LocalDateTime{2026, 3, 1});
  const std::string stamp = "  01/02/03 04:05:06 \t";
  EXPECT_EQ(text.substr(0, 7), "\xC3\x89tat\r\n");
  EXPECT_NE(text.find("  1" + stamp + exact21 + "   \ti\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  2" + stamp + exact21 + "   \ti\r\n"), std::string::npos) << text;
  // The event is padded in characters, before it becomes UTF-8.
  EXPECT_NE(text.find("  3" + stamp + "Caf\xC3\xA9" + std::string(17, ' ') +
                      "   \tD\xC3\xA9"
                      "faut\r\n"),
            std::string::npos)
      << text;

  entries.resize(1000, Entry(1, 2, 3, 4, 5, 6, "E", ""));
  const std::string many = LogbookTextExport(entries, "", LocalDateTime{2026, 3, 1});
  const std::string e = "E" + std::string(20, ' ') + "   \t\r\n";
  EXPECT_NE(many.find("\r\n999" + stamp + e), std::string::npos);
  EXPECT_EQ(many.substr(many.size() - (4 + stamp.size() + e.size())), "1000" + stamp + e);
}

TEST(LogbookWorkbookCells, HeadingsThenOneRowPerEntryWithoutEmptyCells) {
  const std::list<LogbookEntry> entries{
      Entry(3, 1, 26, 9, 5, 7, "Brand", "Lus 1"),
      Entry(14, 13, 25, 23, 59, 0, "Storing", ""),
  };
  const std::vector<LogbookCell> expected{
      {1, 1, "Nr."}, {2, 1, "Gebeurtenis"}, {3, 1, "Info"},     {4, 1, "Datum"},    {5, 1, "Tijd"},
      {1, 2, "1"},   {2, 2, "Brand"},       {3, 2, "Lus 1"},    {4, 2, "3 jan 26"}, {5, 2, "09:05:07"},
      {1, 3, "2"},   {2, 3, "Storing"},     {5, 3, "23:59:00"},
  };
  EXPECT_EQ(LogbookWorkbookCells(entries), expected);
  EXPECT_EQ(LogbookWorkbookCells({}), (std::vector<LogbookCell>(expected.begin(), expected.begin() + 5)));
}

} // namespace
} // namespace kx700
