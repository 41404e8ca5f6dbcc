#pragma once

#include <string>
#include <vector>

#include "session/shell_opener.h"

namespace kx700::test {

// Records the files it is asked to open.
class FakeShellOpener final : public ShellOpener {
public:
  bool OpenFile(const std::string& path) override {
    opened.push_back(path);
    return opens;
  }
  std::vector<std::string> opened;
  bool opens = true;
};

} // namespace kx700::test
