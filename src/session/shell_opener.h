#pragma once

#include <string>

namespace kx700 {

// Opens a file the program wrote (an export) with the desktop's program for
// its type.
class ShellOpener {
public:
  virtual ~ShellOpener() = default;
  // False when no program could be started for it.
  virtual bool OpenFile(const std::string& path) = 0;
};

} // namespace kx700
