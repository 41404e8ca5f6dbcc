#include "service/logbook_export.h"

#include "common/atomic_file.h"
#include "common/message_box.h"
#include "service/logbook.h"
#include "service/xl_automation.h"

namespace kx700 {

namespace {
constexpr int kFaultCannotWrite = 33;
constexpr int kQuestionSpreadsheet = 12;
} // namespace

bool ExportLogbookText(const LogbookSession& session, MessageOwner owner) {
  const auto path = session.files.SaveExportFile(ExportFile::LogbookText);
  if (!path) return false;
  const std::string text = LogbookTextExport(session.entries, session.statusText, session.today);
  if (!ReplaceFile(*path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
    ShowFault(session.messages, kFaultCannotWrite, owner);
    return false;
  }
  session.shell.OpenFile(*path);
  return true;
}

bool ExportLogbookWorkbook(const LogbookSession& session, MessageOwner owner) {
  if (ShowQuestion(session.messages, kQuestionSpreadsheet, owner) != MessageAnswer::Yes) return false;
  CXLEzAutomation workbook(false);
  const auto path = session.files.SaveExportFile(ExportFile::LogbookWorkbook);
  if (!path) {
    workbook.ReleaseExcel();
    return false;
  }
  for (const LogbookCell& cell : LogbookWorkbookCells(session.entries))
    workbook.SetCellValue(cell.column, cell.row, cell.text);
  const bool saved = workbook.SaveFileAs(*path);
  workbook.ReleaseExcel();
  if (!saved) ShowFault(session.messages, kFaultCannotWrite, owner);
  return saved;
}

} // namespace kx700
