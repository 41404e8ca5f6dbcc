#include "model/model_fixtures.h"

#include "common/string_format.h"

namespace kx700::test {

LoopRecord MakeLoop(int number, const std::string& name, int kind) {
  LoopRecord r;
  r.SetByte(LoopRecord::kActive, 1);
  r.SetByte(LoopRecord::kNumber, number);
  r.SetText(LoopRecord::kName, LoopRecord::kNameWidth, name);
  r.SetByte(LoopRecord::kDetectionKind, kind);
  r.SetByte(LoopRecord::kLevelU, 30);
  r.SetText(LoopRecord::kTextU, LoopRecord::kLevelTextWidth, "Alarm");
  r.SetByte(LoopRecord::kLevelL, 30);
  r.SetByte(LoopRecord::kLevelF, 10);
  r.SetText(LoopRecord::kTextF, LoopRecord::kLevelTextWidth, "Fout");
  r.SetByte(LoopRecord::kLevelS, 60);
  r.SetByte(LoopRecord::kInterventionTime, 5);
  r.SetByte(LoopRecord::kComposition, 1);
  r.SetByte(LoopRecord::kComposition + 1, 12);
  r.UpdateChecksum();
  return r;
}

ControlRecord MakeControl(int number, const std::string& name, int type) {
  ControlRecord r;
  r.SetByte(ControlRecord::kNumber, number);
  r.SetText(ControlRecord::kName, ControlRecord::kNameWidth, name);
  r.SetByte(ControlRecord::kControlType, type);
  const std::size_t row = ControlRecord::EventOffset(0);
  r.SetByte(row + ControlEvent::kEventCode, 1);
  r.SetByte(row + ControlEvent::kRelays1to4, 0x05);
  r.UpdateChecksum();
  return r;
}

RelayTextRecord MakeRelayText(int sequence, int moduleKind, int cardAddress, const std::string& firstText) {
  RelayTextRecord r;
  r.SetByte(RelayTextRecord::kSequence, sequence);
  r.SetByte(RelayTextRecord::kModuleKind, moduleKind);
  r.SetByte(RelayTextRecord::kCardAddress, cardAddress);
  for (std::size_t k = 0; k < RelayTextRecord::kTextCount; ++k) {
    r.SetText(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * k, RelayTextRecord::kTextWidth,
              k == 0 ? firstText : StringPrintf("Uitgang %zu", k + 1));
  }
  r.UpdateChecksum();
  return r;
}

Configuration MakeFullConfiguration() {
  Configuration c;
  c.version = {1, 2, 2};
  for (int n = 1; n <= 16; ++n) c.loops.push_back(MakeLoop(n, StringPrintf("Lus %d Caf\xE9", n), n % 6));
  for (int n = 1; n <= 20; ++n) c.controls.push_back(MakeControl(n, StringPrintf("Sturing %d", n), n == 1 ? 1 : 0));
  for (int n = 1; n <= 17; ++n)
    c.relayTexts.push_back(MakeRelayText(n, n % 3, n % 3 == 0 ? 0 : 1 + n % 8, "Sir\xE8ne"));

  auto& central = c.central;
  central.SetText(CentralRecord::kPanelName, CentralRecord::kPanelNameWidth,
                  "Centrale \xC9"
                  "cole");
  central.SetText(CentralRecord::kProjectName, CentralRecord::kProjectNameWidth, "Project X");
  central.SetByte(CentralRecord::kGeneralControl, 1);
  central.SetByte(CentralRecord::kRelayCards, 8);
  central.SetByte(CentralRecord::kRepeaterPanels, 2);
  central.SetByte(CentralRecord::kFirmwareVersion, 1);
  central.SetByte(CentralRecord::kFirmwareVersion + 1, 2);
  central.UpdateChecksum();

  auto& b = c.fixedBlocks;
  b.customer.SetText(CustomerBlock::kCustomer, CustomerBlock::kCustomerWidth, "Klant nv");
  b.customer.SetText(CustomerBlock::kAddress, CustomerBlock::kAddressWidth, "Straat 1\r\n9000 Gent");
  b.customer.SetText(CustomerBlock::kTelephone, CustomerBlock::kTelephoneWidth, "+32 9 123 45 67");
  b.customer.SetText(CustomerBlock::kEmail, CustomerBlock::kEmailWidth, "info@klant.example");
  b.customer.SetText(CustomerBlock::kContact, CustomerBlock::kContactWidth, "J. Peeters");
  b.customer.SetText(CustomerBlock::kInstaller, CustomerBlock::kInstallerWidth, "Installatie bv");
  b.installation.SetText(InstallationBlock::kTechnician, InstallationBlock::kTechnicianWidth, "A. Technicien");
  b.installation.SetByte(InstallationBlock::kCommissioningYear, 26);
  b.installation.SetByte(InstallationBlock::kCommissioningMonth, 12);
  b.installation.SetByte(InstallationBlock::kCommissioningDay, 9);
  b.installation.SetText(InstallationBlock::kQuiescentCurrent, InstallationBlock::kCurrentWidth, "0,25");
  b.installation.SetText(InstallationBlock::kAlarmCurrent, InstallationBlock::kCurrentWidth, "1,8");
  b.installation.SetText(InstallationBlock::kBattery, InstallationBlock::kBatteryWidth, "2x17");
  b.installation.SetText(InstallationBlock::kProductionNumber, InstallationBlock::kProductionNumberWidth, "PN1234567");
  for (std::size_t k = 1; k <= 5; ++k) b.accessory.SetByte(k, static_cast<int>(k));
  for (std::size_t k = 0; k < RepeaterBlock::kPanels; ++k) {
    b.repeater.SetByte(RepeaterBlock::VersionOffset(k), 1);
    b.repeater.SetText(RepeaterBlock::LocationOffset(k), RepeaterBlock::kLocationWidth,
                       StringPrintf("Gang %zu", k + 1));
  }
  b.peripheryVersion.SetByte(PeripheryVersionBlock::kPowerSupplyVersion, 2);
  for (std::size_t k = 0; k < PeripheryVersionBlock::kRelayCards; ++k)
    b.peripheryVersion.SetByte(PeripheryVersionBlock::CardVersionOffset(k), 1);
  b.notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, "Nota's \xE0 la ligne\r\nTweede regel");
  for (BlockType t : kFixedBlockOrder) RecordChecksum(b.BytesOf(t));
  return c;
}

Bytes Header(char tag) { return Bytes{0xEE, static_cast<std::uint8_t>(tag)}; }

} // namespace kx700::test
