#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kx700::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  static void Write(const std::string& file, const std::vector<std::uint8_t>& bytes);
  static std::vector<std::uint8_t> Read(const std::string& file);

private:
  std::filesystem::path path_;
};

} // namespace kx700::test
