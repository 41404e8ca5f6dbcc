// The workbook writer, checked on the file it writes: the workbook is opened
// with unzip and its cells read back from the sheet and the shared strings.
#include "service/xl_automation.h"

#include <gtest/gtest.h>
#include <stdio.h> // popen

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <list>
#include <map>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "service/logbook.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using test::TempDir;
using Cells = std::map<std::string, std::string>; // "B2" -> UTF-8 text

std::string Unzip(const std::string& file, const std::string& member) {
  std::string out;
  FILE* pipe = ::popen(("unzip -p '" + file + "' " + member + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  ::pclose(pipe);
  return out;
}

std::string XmlText(std::string text) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : kEntities) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, std::strlen(entity), character);
  }
  return text;
}

// Every cell of the first sheet with its text. A cell that is not a string
// fails the test: the export writes texts only.
Cells ReadCells(const std::string& file) {
  const std::string sheet = Unzip(file, "xl/worksheets/sheet1.xml");
  const std::string shared = Unzip(file, "xl/sharedStrings.xml");
  EXPECT_NE(sheet.find("<worksheet"), std::string::npos) << file << " has no first sheet";

  std::vector<std::string> strings;
  static const std::regex kString(R"re(<si>\s*<t(?: [^>]*)?>([^<]*)</t>\s*</si>)re");
  for (auto it = std::sregex_iterator(shared.begin(), shared.end(), kString); it != std::sregex_iterator(); ++it) {
    strings.push_back(XmlText((*it)[1]));
  }

  Cells cells;
  static const std::regex kCell(R"re(<c r="([A-Z]+[0-9]+)"([^>]*?)(/>|>([\s\S]*?)</c>))re");
  static const std::regex kValue(R"re(<v>(\d+)</v>)re");
  static const std::regex kInline(R"re(<is>\s*<t(?: [^>]*)?>([^<]*)</t>\s*</is>)re");
  for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), kCell); it != std::sregex_iterator(); ++it) {
    const std::string ref = (*it)[1];
    const std::string attributes = (*it)[2];
    const std::string body = (*it)[4];
    std::smatch m;
    if (attributes.find("t=\"s\"") != std::string::npos && std::regex_search(body, m, kValue)) {
      const auto index = std::stoul(m[1]);
      EXPECT_LT(index, strings.size()) << ref;
      cells[ref] = index < strings.size() ? strings[index] : "";
    } else if (attributes.find("t=\"inlineStr\"") != std::string::npos && std::regex_search(body, m, kInline)) {
      cells[ref] = XmlText(m[1]);
    } else {
      ADD_FAILURE() << ref << " is not a string cell: " << (*it)[0];
    }
  }
  return cells;
}

std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename().string());
  return names;
}

TEST(CXLEzAutomation, RefusesEmptyTextsAndPlacesOutsideTheSheet) {
  TempDir dir;
  CXLEzAutomation xl;
  EXPECT_FALSE(xl.SetCellValue(1, 1, ""));
  EXPECT_FALSE(xl.SetCellValue(0, 1, "x"));
  EXPECT_FALSE(xl.SetCellValue(1, 0, "x"));
  EXPECT_FALSE(xl.SetCellValue(-1, 2, "x"));
  EXPECT_FALSE(xl.SetCellValue(2, -1, "x"));
  EXPECT_FALSE(xl.SetCellValue(16'385, 1, "x"));
  EXPECT_FALSE(xl.SetCellValue(1, 1'048'577, "x"));
  EXPECT_TRUE(xl.SetCellValue(2, 3, "B3"));

  const std::string file = dir.File("refused.xlsx");
  ASSERT_TRUE(xl.SaveFileAs(file));
  EXPECT_EQ(ReadCells(file), (Cells{{"B3", "B3"}}));
}

TEST(CXLEzAutomation, WritesTheLogbookCellsAsStringsInUtf8) {
  const std::list<LogbookEntry> entries{
      {.year = 26,
       .month = 1,
       .day = 3,
       .hour = 9,
       .minute = 5,
       .second = 7,
       .eventText = "D\xE9"
                    "faut",
       .infoText = "Lus 1 & <2>"},
      {.year = 25,
       .month = 13,
       .day = 14,
       .hour = 23,
       .minute = 59,
       .second = 0,
       .eventText = "Storing",
       .infoText = ""},
  };
  TempDir dir;
  CXLEzAutomation xl;
  for (const LogbookCell& c : LogbookWorkbookCells(entries)) ASSERT_TRUE(xl.SetCellValue(c.column, c.row, c.text));
  const std::string file = dir.File("logboek.xlsx");
  ASSERT_TRUE(xl.SaveFileAs(file));

  const auto bytes = TempDir::Read(file);
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 2), "PK");
  EXPECT_EQ(ReadCells(file), (Cells{
                                 {"A1", "Nr."},
                                 {"B1", "Gebeurtenis"},
                                 {"C1", "Info"},
                                 {"D1", "Datum"},
                                 {"E1", "Tijd"},
                                 {"A2", "1"},
                                 {"B2",
                                  "D\xC3\xA9"
                                  "faut"},
                                 {"C2", "Lus 1 & <2>"},
                                 {"D2", "3 jan 26"},
                                 {"E2", "09:05:07"},
                                 {"A3", "2"},
                                 {"B3", "Storing"},
                                 {"E3", "23:59:00"},
                             }));
  EXPECT_TRUE(xl.ReleaseExcel());
}

TEST(CXLEzAutomation, SaveIntoAMissingFolderLeavesNothing) {
  TempDir dir;
  CXLEzAutomation xl;
  ASSERT_TRUE(xl.SetCellValue(1, 1, "Nr."));
  const std::filesystem::path file = dir.path() / "missing" / "logboek.xlsx";
  EXPECT_FALSE(xl.SaveFileAs(file.string()));
  EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
  EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{});
}

TEST(CXLEzAutomation, FailedSaveLeavesTheOldFileAsItWas) {
  TempDir dir;
  const std::string file = dir.File("logboek.xlsx");
  const std::vector<std::uint8_t> old{'o', 'u', 'd'};
  TempDir::Write(file, old);

  // A cell text longer than a sheet cell holds makes the writer fail after it
  // has begun the file.
  CXLEzAutomation xl;
  ASSERT_TRUE(xl.SetCellValue(1, 1, "Nr."));
  ASSERT_TRUE(xl.SetCellValue(1, 2, std::string(40'000, 'x')));
  EXPECT_FALSE(xl.SaveFileAs(file));
  EXPECT_EQ(TempDir::Read(file), old);
  EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"logboek.xlsx"});
}

TEST(CXLEzAutomation, SavingOverAFileReplacesItWhole) {
  TempDir dir;
  const std::string file = dir.File("logboek.xlsx");
  TempDir::Write(file, std::vector<std::uint8_t>(200'000, 'x'));

  CXLEzAutomation xl;
  ASSERT_TRUE(xl.SetCellValue(1, 1, "oud"));
  ASSERT_TRUE(xl.SetCellValue(3, 4, "ook oud"));
  ASSERT_TRUE(xl.SaveFileAs(file));
  EXPECT_LT(std::filesystem::file_size(file), 200'000u);
  EXPECT_EQ(ReadCells(file), (Cells{{"A1", "oud"}, {"C4", "ook oud"}}));

  // Released cells are gone from the next workbook.
  EXPECT_TRUE(xl.ReleaseExcel());
  ASSERT_TRUE(xl.SetCellValue(2, 1, "nieuw"));
  ASSERT_TRUE(xl.SaveFileAs(file));
  EXPECT_EQ(ReadCells(file), (Cells{{"B1", "nieuw"}}));
  EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"logboek.xlsx"});
}

} // namespace
} // namespace kx700
