// Any bytes as a configuration file: reading never crashes, and a file that
// was read and could be saved reads back as the same configuration.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_support.h"
#include "model/configuration_file.h"

using namespace kx700;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::SilentMessageHost host;
  const auto read = ReadConfigurationFile(std::span(data, size), nullptr, host);
  if (!read) return 0;

  const VersionTriple effective = EffectiveVersion(read->version, nullptr);
  if (!CheckSavable(*read, effective, host)) return 0;
  const auto again = ReadConfigurationFile(WriteConfigurationFile(*read, effective), nullptr, host);
  fuzz::Require(again.has_value());
  fuzz::Require(again->version == effective);
  fuzz::Require(again->loops == read->loops && again->central == read->central && again->controls == read->controls);
  if (HasExtendedRecords(effective)) {
    fuzz::Require(again->relayTexts == read->relayTexts && again->fixedBlocks == read->fixedBlocks);
  }
  return 0;
}
