#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/settings_store.h"

namespace kx700::test {

// Settings in memory; reads can be logged to check the order of start-up.
class FakeSettings final : public SettingsStore {
public:
  std::optional<std::string> ProgramValue(const std::string& name) const override {
    if (log) log->push_back("read " + name);
    const auto it = program.find(name);
    return it == program.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool SetProgramValue(const std::string& name, const std::string& value) override {
    if (!writable) return false;
    program[name] = value;
    return true;
  }
  std::optional<std::string> UserValue(const std::string& name) const override {
    const auto it = user.find(name);
    return it == user.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool SetUserValue(const std::string& name, const std::string& value) override {
    user[name] = value;
    return writable;
  }
  std::vector<std::string> RecentFiles() const override {
    if (log) log->push_back("recent files");
    return recent;
  }
  void SetRecentFiles(const std::vector<std::string>& files) override { recent = files; }

  std::map<std::string, std::string> program;
  std::map<std::string, std::string> user;
  std::vector<std::string> recent;
  bool writable = true;
  std::vector<std::string>* log = nullptr;
};

} // namespace kx700::test
