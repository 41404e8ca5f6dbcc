#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <optional>
#include <span>
#include <string>

#include "common/message_host.h"
#include "model/block_stream.h"
#include "model/configuration.h"
#include "model/version.h"

namespace kx700 {

// Live value of one loop, as the analog-values answers leave it.
struct AnalogLoopState {
  std::uint32_t value = 0;      // tenths of a volt; above 255: no valid value known
  std::int8_t state = 0;        // 0..5, 127 = unknown
  std::uint8_t inService = 0;   // 0 = out of service
  std::uint8_t inTest = 0;      // bit 0
  std::uint8_t answerFlags = 0; // 0 = no answer from this loop; value 2 set = in alarm
  std::uint8_t notInRange = 0;  // 1 = outside the polled range, shown blank
};

// Progress of relay card reprogramming, as its answers leave it.
struct RelayCardProgress {
  bool answerWaiting = false; // set by an answer, cleared when shown
  int resultState = 0;        // 0 OK, 1 unknown, 2 error, 3 no communication
  int deviceKind = 0;         // 20 = relay card
  int cardNumber = 0;
  std::string text; // at most 18 characters
};

// One entry of the panel logbook; read from the panel, never saved.
struct LogbookEntry {
  int year = 0; // two digits
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  std::string eventText; // at most 21 characters
  std::string infoText;  // at most 24 characters
  bool searchHit = false;

  static constexpr std::size_t kEventTextWidth = 21;
  static constexpr std::size_t kInfoTextWidth = 24;
};

// The live panel state that the service windows share. Clearing the
// configuration leaves it alone.
struct PanelServiceState {
  RelayCardProgress relayCardProgress;
  std::array<AnalogLoopState, 17> analogLoops{}; // index = loop number 1..16
  std::uint8_t sirensOutOfService = 0;
  std::uint8_t transmissionOutOfService = 0;
  int firstLoop = 0;
  int lastLoop = 0;
  int polledLoop = 0;
  int analogRequestAddress = 0;
};

// The one document of the program: a configuration, with the live panel state
// and the logbook beside it. Only the configuration is saved or sent.
class CPc_kx700Doc : public Configuration {
public:
  CPc_kx700Doc() = default;
  CPc_kx700Doc(const CPc_kx700Doc&) = delete;
  CPc_kx700Doc& operator=(const CPc_kx700Doc&) = delete;

  // The connected panel, for the effective version; none by default.
  void SetPanelVersionSource(const PanelVersionSource* panel) { panel_ = panel; }
  const PanelVersionSource* panelVersionSource() const { return panel_; }

  // The version that decides what the configuration holds (see EffectiveVersion).
  VersionTriple GetConfigurationVersion() const { return EffectiveVersion(version, panel_); }
  // The effective version compared with (major, minor) by a version operator.
  bool CompareVersion(int major, int minor, int op) const;

  Configuration& configuration() { return *this; }
  const Configuration& configuration() const { return *this; }
  // Replaces the configuration as a whole (a file read or a transfer that
  // succeeded); the live state and the logbook stay.
  void AdoptConfiguration(Configuration&& configuration);

  // Reads a .qnd3 file and takes its configuration; on any refusal (shown
  // through `host`) the document stays exactly as it was.
  bool ReadFile(const std::string& path, MessageHost& host);
  // Saves the configuration with its effective version; false (shown) when
  // nothing was written.
  bool WriteFile(const std::string& path, MessageHost& host) const;

  // Checks the configuration before it is sent, tidying it and setting its
  // checksums; false (shown through `host`) at the first finding.
  bool CheckParameters(MessageHost& host);

  // True when the document holds configuration data.
  bool UpdateEmptyFlag() const { return HoldsData(); }

  // The parameter image of the configuration, as the panel link sends it.
  std::size_t GetParameterSize() const;
  bool GetSendData(bool reset, std::span<std::uint8_t, kImageBlockSize> out, std::size_t& count);

  PanelServiceState& serviceState() { return service_; }
  const PanelServiceState& serviceState() const { return service_; }

  std::list<LogbookEntry>& logbook() { return logbook_; }
  const std::list<LogbookEntry>& logbook() const { return logbook_; }
  void FreeLogbook() { logbook_.clear(); }

  const std::string& printTitle() const { return printTitle_; }
  void SetPrintTitle(std::string title) { printTitle_ = std::move(title); }

private:
  const PanelVersionSource* panel_ = nullptr;
  std::optional<ParameterImageEncoder> encoder_;
  PanelServiceState service_;
  std::list<LogbookEntry> logbook_;
  std::string printTitle_;
};

} // namespace kx700
