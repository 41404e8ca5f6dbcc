#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/configuration.h"
#include "model/version.h"
#include "support/bytes.h"

// Records and configurations built field by field from the record layouts.
namespace kx700::test {

LoopRecord MakeLoop(int number, const std::string& name, int kind = 0);
ControlRecord MakeControl(int number, const std::string& name, int type);
RelayTextRecord MakeRelayText(int sequence, int moduleKind, int cardAddress, const std::string& firstText);

// The largest configuration there is: 16 loops, 20 controls, 17 relay texts
// and every dossier block filled, with accented texts (bytes 0xC0 and above)
// but no byte in 0x80..0xBF, which the parameter image cannot carry back.
Configuration MakeFullConfiguration();

// A panel whose identification gives a version.
class FakePanel final : public PanelVersionSource {
public:
  explicit FakePanel(std::optional<VersionTriple> version = std::nullopt) : version_(version) {}
  std::optional<VersionTriple> GetStoredPanelVersion() const override { return version_; }
  void Set(std::optional<VersionTriple> version) { version_ = version; }

private:
  std::optional<VersionTriple> version_;
};

// A block header written out: 0xEE and the tag.
Bytes Header(char tag);

} // namespace kx700::test
