#include "service/logbook.h"

#include <algorithm>

#include "common/cp1252.h"
#include "common/string_format.h"
#include "common/text_helpers.h"
#include "common/text_tables.h"

namespace kx700 {

namespace {

std::string_view WithoutLeadingSpace(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n\v\f");
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string Time(const LogbookEntry& e) { return StringPrintf("%02d:%02d:%02d", e.hour, e.minute, e.second); }

} // namespace

std::array<std::string, kLogbookColumns> LogbookHeadings() {
  return {OrEmpty(GetText(32)), OrEmpty(GetText(112)), OrEmpty(GetText(145)), OrEmpty(GetText(146)),
          OrEmpty(GetText(147))};
}

std::array<std::string, kLogbookColumns> LogbookRow(int number, const LogbookEntry& entry) {
  return {std::to_string(number), entry.eventText, entry.infoText,
          FormatDayMonthYear(entry.day, entry.month, entry.year), Time(entry)};
}

std::vector<std::string> LogbookSearchColumns() {
  const auto headings = LogbookHeadings();
  return {headings.begin() + 1, headings.end()};
}

bool LogbookMatch(std::string_view cell, std::string_view search) {
  cell = WithoutLeadingSpace(cell);
  return !search.empty() && cell.find(search) != std::string_view::npos;
}

LogbookModel::LogbookModel(std::list<LogbookEntry>& entries) : entries_(entries), headings_(LogbookHeadings()) {
  int number = 0;
  for (LogbookEntry& entry : entries_) {
    rows_.push_back(LogbookRow(++number, entry));
    entry.searchHit = false;
  }
}

const std::string& LogbookModel::Cell(int row, int column) const {
  static const std::string kNone;
  if (column < 0 || column >= kLogbookColumns) return kNone;
  if (row == 0) return headings_[static_cast<std::size_t>(column)];
  if (row < 1 || row > entryCount()) return kNone;
  return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)];
}

int LogbookModel::Search(int choice, std::string_view text) {
  if (choice >= 0 && choice < kLogbookColumns - 1) {
    int row = 0;
    for (LogbookEntry& entry : entries_) {
      ++row;
      entry.searchHit = !text.empty() && LogbookMatch(Cell(row, choice + 1), text);
    }
  }
  int row = 0;
  for (const LogbookEntry& entry : entries_) {
    ++row;
    if (entry.searchHit) return row;
  }
  return entryCount() > 0 ? 1 : 0;
}

bool LogbookModel::Marked(int row) const {
  if (row < 1 || row > entryCount()) return false;
  return std::next(entries_.begin(), row - 1)->searchHit;
}

std::optional<LogbookModel::Pick> LogbookModel::Click(int row, int column) const {
  const int choice = column - 1;
  if (choice < 0 || choice > 3 || row > entryCount() || row < 0) return std::nullopt;
  if (row == 0) return Pick{choice, {}};
  std::string text(WithoutLeadingSpace(Cell(row, column)));
  if (text.size() > kLogbookSearchLength) text.resize(kLogbookSearchLength);
  return Pick{choice, text};
}

int LogbookModel::Highlight(int row) {
  const int before = highlighted_;
  highlighted_ = row;
  return before;
}

std::string LogbookTextExport(const std::list<LogbookEntry>& entries, std::string_view statusText,
                              const LocalDateTime& today) {
  std::string text;
  const auto line = [&text](const std::string& cp1252) { text += Cp1252ToUtf8(cp1252) + "\r\n"; };
  line(std::string(statusText));
  line(StringPrintf("%s - %s", OrEmpty(GetText(75)), OrEmpty(GetText(148))));
  line(FormatToday(today));
  line(std::string(80, '-'));
  int number = 0;
  for (const LogbookEntry& e : entries) {
    line(StringPrintf("%3d  %02d/%02d/%02d %02d:%02d:%02d \t%s   \t%s", ++number, e.day, e.month, e.year, e.hour,
                      e.minute, e.second, PadRightWithBlanks(e.eventText, 21).c_str(), e.infoText.c_str()));
  }
  return text;
}

std::vector<LogbookCell> LogbookWorkbookCells(const std::list<LogbookEntry>& entries) {
  std::vector<LogbookCell> cells;
  const auto put = [&cells](int column, int row, std::string text) {
    if (!text.empty()) cells.push_back({column, row, std::move(text)});
  };
  const std::string headings[] = {OrEmpty(GetText(32)), OrEmpty(GetText(112)), OrEmpty(GetText(145)),
                                  OrEmpty(GetText(146)), OrEmpty(GetText(147))};
  for (int column = 1; column <= 5; ++column) put(column, 1, headings[column - 1]);
  int number = 0;
  for (const LogbookEntry& e : entries) {
    const auto row = LogbookRow(++number, e);
    for (int column = 1; column <= 5; ++column) put(column, number + 1, row[static_cast<std::size_t>(column - 1)]);
  }
  return cells;
}

} // namespace kx700
