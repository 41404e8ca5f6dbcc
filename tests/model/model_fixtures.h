#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/configuration.h"
#include "model/version.h"

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

// Byte sequences written out by hand.
using Bytes = std::vector<std::uint8_t>;
Bytes BytesOf(const std::string& text);
template <std::size_t N>
Bytes BytesOf(const std::array<std::uint8_t, N>& record) {
  return Bytes(record.begin(), record.end());
}
Bytes Header(char tag); // 0xEE, tag
Bytes operator+(Bytes a, const Bytes& b);

} // namespace kx700::test
