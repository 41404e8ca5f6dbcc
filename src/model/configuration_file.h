#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/message_host.h"
#include "model/configuration.h"
#include "model/version.h"

// The .qnd3 configuration file: the identification line
// "KX700 <major>.<minor>;<third>" in double quotes with CR LF, then the block
// stream as it stands (no byte shift), closed by 0xEE 'E'.
namespace kx700 {

constexpr const char* kModelName = "KX700";
constexpr std::size_t kMaxHeaderLine = 25;

// The identification line for a version.
std::vector<std::uint8_t> WriteFileHeader(const VersionTriple& version);

// Reads and judges the identification line at the start of `file`: the model
// must be KX700 and the version acceptable. Shows the refusal (faults 8, 15,
// 17, 21) and returns false; on success gives the version and the length of
// the line.
bool ReadFileHeader(std::span<const std::uint8_t> file, const PanelVersionSource* panel, MessageHost& host,
                    VersionTriple& version, std::size_t& lineLength);

// The whole file for a configuration saved with its effective version.
std::vector<std::uint8_t> WriteConfigurationFile(const Configuration& configuration, const VersionTriple& effective);

// Reads a whole file. Nothing (with the refusal shown) when the line is
// refused or the file is not valid; a cut-off record at the end is dropped.
std::optional<Configuration> ReadConfigurationFile(std::span<const std::uint8_t> file, const PanelVersionSource* panel,
                                                   MessageHost& host);

// Whether the configuration can be saved so that it reads back the same. The
// body has no escape for 0xEE: a record holding that byte would read back
// differently, so the fault names the first such record. A version this
// program would refuse on opening (another major, or one that demands a newer
// program) gives the version conflict. Shows the fault and returns false.
bool CheckSavable(const Configuration& configuration, const VersionTriple& effective, MessageHost& host);

// Opens a file from disk. Nothing when it cannot be read (fault 33), is too
// large to be a configuration (fault 8) or is refused by ReadConfigurationFile.
std::optional<Configuration> OpenConfigurationFile(const std::string& path, const PanelVersionSource* panel,
                                                   MessageHost& host);

// Saves atomically: the file is complete or the old one is still there. Shows
// fault 9 (unsavable record) or fault 33 (the write failed) and returns false.
bool SaveConfigurationFile(const std::string& path, const Configuration& configuration, const VersionTriple& effective,
                           MessageHost& host);

} // namespace kx700
