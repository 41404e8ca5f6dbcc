#pragma once

#include <optional>
#include <string>

namespace kx700 {

enum class ExportFile { LogbookText, LogbookWorkbook };

// The file dialogs, so that a whole command runs in a test without a window.
class FileDialogHost {
public:
  virtual ~FileDialogHost() = default;
  // A configuration file to open; nothing when the user cancels.
  virtual std::optional<std::string> OpenConfigurationFile() = 0;
  // Where to save the configuration, starting from `suggested`; nothing
  // when the user cancels.
  virtual std::optional<std::string> SaveConfigurationFile(const std::string& suggested) = 0;
  // Where to write an export of that kind, with its file type's suffix and
  // the question before a file is overwritten; nothing when the user cancels.
  virtual std::optional<std::string> SaveExportFile(ExportFile kind) = 0;
};

} // namespace kx700
