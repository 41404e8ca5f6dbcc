#include "model/document.h"

#include "model/checks.h"
#include "model/configuration_file.h"

namespace kx700 {

bool CPc_kx700Doc::CompareVersion(int major, int minor, int op) const {
  const VersionTriple v = GetConfigurationVersion();
  return CompareVersions(v.major, v.minor, major, minor, op);
}

void CPc_kx700Doc::AdoptConfiguration(Configuration&& configuration) {
  encoder_.reset(); // it walks the configuration being replaced
  static_cast<Configuration&>(*this) = std::move(configuration);
}

bool CPc_kx700Doc::ReadFile(const std::string& path, MessageHost& host) {
  auto read = OpenConfigurationFile(path, panel_, host);
  if (!read) return false;
  AdoptConfiguration(std::move(*read));
  return true;
}

bool CPc_kx700Doc::WriteFile(const std::string& path, MessageHost& host) const {
  return SaveConfigurationFile(path, *this, GetConfigurationVersion(), host);
}

bool CPc_kx700Doc::CheckParameters(MessageHost& host) {
  return ConfigurationChecks(*this, GetConfigurationVersion(), host).CheckParameters();
}

std::size_t CPc_kx700Doc::GetParameterSize() const {
  return kx700::GetParameterSize(*this, HasExtendedRecords(GetConfigurationVersion()));
}

bool CPc_kx700Doc::GetSendData(bool reset, std::span<std::uint8_t, kImageBlockSize> out, std::size_t& count) {
  const bool start = reset || !encoder_;
  if (start) encoder_.emplace(*this, HasExtendedRecords(GetConfigurationVersion()));
  return encoder_->GetSendData(start, out, count);
}

} // namespace kx700
