#pragma once

#include <string>
#include <string_view>
#include <vector>

// The workbook export's writer: cells are put as texts and kept until the
// workbook is saved, as one .xlsx file with one worksheet. Texts come in code
// page 1252 and are written as UTF-8; an empty text leaves its cell absent.
namespace kx700 {

class CXLEzAutomation {
public:
  explicit CXLEzAutomation(bool visible = false);
  virtual ~CXLEzAutomation();
  CXLEzAutomation(const CXLEzAutomation&) = delete;
  CXLEzAutomation& operator=(const CXLEzAutomation&) = delete;

  // Column and row from 1. False for an empty text or a place outside the
  // sheet, which puts nothing.
  bool SetCellValue(int column, int row, std::string_view text);
  // Writes the workbook whole, or nothing at all: false when it could not be
  // written.
  bool SaveFileAs(const std::string& path);
  // Drops the cells; always true.
  bool ReleaseExcel();

private:
  struct Cell {
    int column;
    int row;
    std::string utf8;
  };
  std::vector<Cell> cells_;
};

} // namespace kx700
