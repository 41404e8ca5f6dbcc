#pragma once

#include "app/settings_store.h"

namespace kx700 {

// The settings in INI files (Qt's native format on Linux): the program's values in "Quendar/kx700 1.conf"
// (group "1.00"; read from the user's file, else from the system's
// /etc/xdg/Quendar/kx700 1.conf, written to the user's), the user's values in
// "Quendar/pc_kx700.conf", both under $XDG_CONFIG_HOME (~/.config).
class QtSettingsStore final : public SettingsStore {
public:
  std::optional<std::string> ProgramValue(const std::string& name) const override;
  bool SetProgramValue(const std::string& name, const std::string& value) override;
  std::optional<std::string> UserValue(const std::string& name) const override;
  bool SetUserValue(const std::string& name, const std::string& value) override;
  std::vector<std::string> RecentFiles() const override;
  void SetRecentFiles(const std::vector<std::string>& files) override;
};

} // namespace kx700
