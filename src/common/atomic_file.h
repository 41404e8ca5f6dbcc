#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

// Every file the program writes is written whole or not at all: into a new
// file beside the target, then renamed over it. A failure at any point leaves
// the old file as it was and no half-written file behind. Through a symbolic
// link the file it points to is replaced; the link stays.
namespace kx700 {

bool ReplaceFile(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
// The same for a writer that needs a file name of its own: `write` fills the
// file at the path it is given and returns false when it could not.
bool ReplaceFileBy(const std::filesystem::path& target, const std::function<bool(const std::string& path)>& write);

} // namespace kx700
