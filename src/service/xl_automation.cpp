#include "service/xl_automation.h"

#include <xlsxwriter.h>

#include "common/atomic_file.h"
#include "common/cp1252.h"

namespace kx700 {

namespace {
// The largest sheet a workbook holds.
constexpr int kMaxRows = 1'048'576;
constexpr int kMaxColumns = 16'384;
} // namespace

CXLEzAutomation::CXLEzAutomation(bool) {}

CXLEzAutomation::~CXLEzAutomation() = default;

bool CXLEzAutomation::SetCellValue(int column, int row, std::string_view text) {
  if (text.empty() || column < 1 || row < 1 || column > kMaxColumns || row > kMaxRows) return false;
  cells_.push_back({column, row, Cp1252ToUtf8(text)});
  return true;
}

bool CXLEzAutomation::SaveFileAs(const std::string& path) {
  return ReplaceFileBy(path, [this](const std::string& temp) {
    lxw_workbook* workbook = workbook_new(temp.c_str());
    if (!workbook) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    bool ok = sheet != nullptr;
    for (const Cell& cell : cells_) {
      if (!ok) break;
      ok = worksheet_write_string(sheet, static_cast<lxw_row_t>(cell.row - 1), static_cast<lxw_col_t>(cell.column - 1),
                                  cell.utf8.c_str(), nullptr) == LXW_NO_ERROR;
    }
    // Closing writes the file and frees the workbook, also after a failure.
    return workbook_close(workbook) == LXW_NO_ERROR && ok;
  });
}

bool CXLEzAutomation::ReleaseExcel() {
  cells_.clear();
  return true;
}

} // namespace kx700
