#pragma once

#include "session/shell_opener.h"

namespace kx700 {

// Opens a file with the desktop's default program for its type.
class QtShellOpener final : public ShellOpener {
public:
  bool OpenFile(const std::string& path) override;
};

} // namespace kx700
