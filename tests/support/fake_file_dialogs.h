#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "session/file_dialog_host.h"

namespace kx700::test {

// File dialogs answered from a script: the next path, or nothing (Cancel).
class FakeFileDialogs final : public FileDialogHost {
public:
  std::optional<std::string> OpenConfigurationFile() override { return Next(); }
  std::optional<std::string> SaveConfigurationFile(const std::string& suggested) override {
    suggestions.push_back(suggested);
    return Next();
  }
  std::optional<std::string> SaveExportFile(ExportFile kind) override {
    exports.push_back(kind);
    return Next();
  }
  std::deque<std::optional<std::string>> script;
  std::vector<ExportFile> exports;
  std::deque<std::string> suggestions;

private:
  std::optional<std::string> Next() {
    if (script.empty()) return std::nullopt;
    auto next = script.front();
    script.pop_front();
    return next;
  }
};

} // namespace kx700::test
