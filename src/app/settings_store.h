#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kx700 {

// Where the program keeps its settings: the program's own values
// ("Language", "Com_port", "Devices/COM<n>") and the user's (recent files,
// tool bar state).
class SettingsStore {
public:
  virtual ~SettingsStore() = default;

  virtual std::optional<std::string> ProgramValue(const std::string& name) const = 0;
  // False when the value could not be written.
  virtual bool SetProgramValue(const std::string& name, const std::string& value) = 0;

  virtual std::optional<std::string> UserValue(const std::string& name) const = 0;
  virtual bool SetUserValue(const std::string& name, const std::string& value) = 0;

  // The recent files, most recent first.
  virtual std::vector<std::string> RecentFiles() const = 0;
  virtual void SetRecentFiles(const std::vector<std::string>& files) = 0;
};

} // namespace kx700
