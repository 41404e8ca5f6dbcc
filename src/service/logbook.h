#pragma once

#include <array>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "common/colour.h"
#include "model/document.h"

// The logbook window's logic: what each grid cell shows, the search of one
// column, the marks and the highlighted row, what a click does, and the text
// export's bytes. The window only moves these into its grid.
namespace kx700 {

inline constexpr int kLogbookColumns = 5;
inline constexpr ColorRef kLogbookHighlight = Rgb(0xDC, 0xDC, 0xDC);
inline constexpr ColorRef kLogbookMark = Rgb(255, 255, 0);
inline constexpr std::size_t kLogbookSearchLength = 25;

// Row 0: the headings "Nr.", "Gebeurtenis", "Info", "Datum", "Tijd".
std::array<std::string, kLogbookColumns> LogbookHeadings();
// An entry's row: its number, event, info, date ("%d %s %02d", empty for a
// month outside 1..12) and time.
std::array<std::string, kLogbookColumns> LogbookRow(int number, const LogbookEntry& entry);
// The columns the search offers, for grid columns 1..4.
std::vector<std::string> LogbookSearchColumns();
// Whether the search text occurs in the cell text without its leading white
// space, case and accents as they are.
bool LogbookMatch(std::string_view cell, std::string_view search);

// The grid and its state while the window is open. Rows are numbered as in
// the grid: 0 is the heading row, 1 the first entry.
class LogbookModel {
public:
  explicit LogbookModel(std::list<LogbookEntry>& entries);

  int entryCount() const { return static_cast<int>(rows_.size()); }
  const std::string& Cell(int row, int column) const;

  // Marks the entries whose cell of search column `choice` (0..3, -1 for
  // none) holds the text: an empty text clears every mark, no column leaves
  // the marks as they are. Gives the row to highlight: the first hit, else 1,
  // 0 without entries.
  int Search(int choice, std::string_view text);
  bool Marked(int row) const;

  // A click on a cell: the search column and text it sets, or nothing for the
  // number column, outside the data columns, or below the last row.
  struct Pick {
    int choice;
    std::string text;
  };
  std::optional<Pick> Click(int row, int column) const;

  // Highlights a row in the highlight colour; the row highlighted before goes
  // back to white. Gives that earlier row (0 for none).
  int Highlight(int row);
  int highlighted() const { return highlighted_; }
  ColorRef highlightColour() const { return colour_; }
  void SetHighlightColour(ColorRef colour) { colour_ = colour; }

private:
  std::list<LogbookEntry>& entries_;
  std::vector<std::array<std::string, kLogbookColumns>> rows_;
  std::array<std::string, kLogbookColumns> headings_;
  int highlighted_ = 0;
  ColorRef colour_ = kLogbookHighlight;
};

// The text export, UTF-8 with CR LF line ends: the panel's status text, the
// title line, today's date, a rule of 80 '-', then one line per entry.
std::string LogbookTextExport(const std::list<LogbookEntry>& entries, std::string_view statusText,
                              const LocalDateTime& today);

// The workbook export's cells, in the order they are put: (column, row,
// text), 1-based, empty texts left out.
struct LogbookCell {
  int column;
  int row;
  std::string text;
  bool operator==(const LogbookCell&) const = default;
};
std::vector<LogbookCell> LogbookWorkbookCells(const std::list<LogbookEntry>& entries);

} // namespace kx700
