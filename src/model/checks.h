#pragma once

#include "common/message_host.h"
#include "model/configuration.h"
#include "model/version.h"

namespace kx700 {

// The last line before a configuration goes to the panel: presence of data,
// the value ranges of every record, the references between records, the
// level order of the loops and the use of relays by the controls. The first
// finding stops the check with a box naming where it lies; two findings are
// questions the user may overrule. Checking also tidies the records
// (terminators and reserved bytes to 0, unusable relay-card rows emptied,
// invalid relay-text records dropped) and sets every checksum.
class ConfigurationChecks {
public:
  ConfigurationChecks(Configuration& configuration, const VersionTriple& effective, MessageHost& host);

  // The whole check, in order; false after the first finding.
  bool CheckParameters();

  bool CheckCentralRecord(CentralRecord& record, bool show);
  bool CheckCentral();
  bool CheckLoopRecord(LoopRecord& record);
  bool CheckLoopLevels(const LoopRecord& record);
  bool CheckLoops();
  bool CheckControlRecord(ControlRecord& record);
  bool CheckControls();
  // True when a finding was shown.
  bool CheckSilencedAlertControl();
  bool CheckAlertRelays();
  bool CheckFaultRelays();
  bool CheckSirenMonitoring();
  static bool CheckRelayTextRecord(const RelayTextRecord& record);
  bool CheckRelayTexts();
  bool CheckFixedBlock(BlockType type);
  bool CheckFixedBlocks();

private:
  void Fault(int captionFault, const std::string& text);
  bool Question(int question, const std::string& text);
  bool CentralFault(int fault);
  bool ControlFault(const ControlRecord& control, int fault);
  bool LoopFault(const LoopRecord& loop, int fault);

  Configuration& c_;
  VersionTriple effective_;
  MessageHost& host_;
};

} // namespace kx700
