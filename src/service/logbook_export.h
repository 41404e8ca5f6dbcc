#pragma once

#include <list>
#include <string>

#include "common/clock.h"
#include "common/message_host.h"
#include "model/document.h"
#include "session/file_dialog_host.h"
#include "session/shell_opener.h"

namespace kx700 {

// What the logbook window works with: the entries read from the panel, the
// panel's text and today's date for the export's head, and the seams its
// exports use.
struct LogbookSession {
  std::list<LogbookEntry>& entries;
  std::string statusText;
  LocalDateTime today;
  MessageHost& messages;
  FileDialogHost& files;
  ShellOpener& shell;
};

// The text export: a file chosen, written whole, then opened with the
// desktop's program. A file that cannot be written shows fault 33 and nothing
// is opened. False when nothing was written.
bool ExportLogbookText(const LogbookSession& session, MessageOwner owner);
// The workbook export, after question 12: a file chosen and written whole;
// fault 33 when it cannot be written. False when nothing was written.
bool ExportLogbookWorkbook(const LogbookSession& session, MessageOwner owner);

} // namespace kx700
