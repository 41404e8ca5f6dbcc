#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The records of a panel configuration. Their bytes are at once the file
// format and the panel's wire format: every offset and width is binding.
// Byte 0 of each record is its checksum. Numeric bytes are signed 8-bit
// values: a byte of 0x80 or above reads as negative.
namespace kx700 {

// Record types with their tag letters; there is no type 4.
enum class BlockType : int {
  Loop = 0,             // 'Z'
  Central = 1,          // 'C'
  Control = 2,          // 'R'
  RelayText = 3,        // 'A'
  Customer = 5,         // 'P'
  Installation = 6,     // 'I'
  Accessory = 7,        // 'B'
  Repeater = 8,         // 'H'
  PeripheryVersion = 9, // 'V'
  Notes = 10,           // 'N'
  End = 11,             // 'E', no record
};

// The tag letter of a type; 'E' for a type without one.
char BlockTag(BlockType type);
// The record size of a type; 0 for the end and types without a record.
std::size_t BlockSize(BlockType type);

// Sets byte 0 to the 7-bit XOR checksum of the record taken with byte 0 as 0.
void RecordChecksum(std::span<std::uint8_t> record);
// The checksum the record should carry, without changing it.
std::uint8_t ComputeRecordChecksum(std::span<const std::uint8_t> record);

// Field access shared by all records. Texts are read up to their width or
// their first NUL; writes stay inside the field and NUL-pad it.
template <BlockType Type, std::size_t Size>
struct Record {
  static constexpr BlockType kType = Type;
  static constexpr std::size_t kSize = Size;
  static constexpr std::size_t kChecksum = 0;

  std::array<std::uint8_t, Size> bytes{};

  std::uint8_t Byte(std::size_t offset) const { return bytes.at(offset); }
  std::int8_t Signed(std::size_t offset) const { return static_cast<std::int8_t>(bytes.at(offset)); }
  void SetByte(std::size_t offset, int value) { bytes.at(offset) = static_cast<std::uint8_t>(value); }

  std::string Text(std::size_t offset, std::size_t width) const {
    const auto* begin = reinterpret_cast<const char*>(bytes.data() + offset);
    const std::string_view field(begin, std::min(width, Size - std::min(offset, Size)));
    return std::string(field.substr(0, std::min(field.find('\0'), field.size())));
  }
  void SetText(std::size_t offset, std::size_t width, std::string_view text) {
    width = std::min(width, Size - std::min(offset, Size));
    for (std::size_t i = 0; i < width; ++i)
      bytes[offset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
  }

  std::uint8_t StoredChecksum() const { return bytes[0]; }
  std::uint8_t ComputeChecksum() const { return ComputeRecordChecksum(bytes); }
  void UpdateChecksum() { RecordChecksum(bytes); }

  bool operator==(const Record&) const = default;
};

// General parameters; one per configuration.
struct CentralRecord : Record<BlockType::Central, 87> {
  static constexpr std::size_t kPanelName = 1, kPanelNameWidth = 20;
  static constexpr std::size_t kPanelNameNul = 21;
  static constexpr std::size_t kProjectName = 22, kProjectNameWidth = 20;
  static constexpr std::size_t kProjectNameNul = 42;
  static constexpr std::size_t kEvacuationReactionTime = 43; // minutes, 1..9
  static constexpr std::size_t kBackbeep = 44;
  static constexpr std::size_t kOperatingCode = 45, kCodeWidth = 4;
  static constexpr std::size_t kOperatingCodeNul = 49;
  static constexpr std::size_t kDirectEvacuationSwitch = 50;
  static constexpr std::size_t kSwitchOverHour = 51;
  static constexpr std::size_t kSwitchOverMinute = 52;
  static constexpr std::size_t kSummerWinterTime = 53;
  static constexpr std::size_t kGeneralControl = 54;
  static constexpr std::size_t kAlertControl = 55; // warning-evacuation control, 0 = none
  static constexpr std::size_t kSilenceControls = 56, kSilenceControlSlots = 8;
  static constexpr std::size_t kMonitoredSirenCircuits = 64; // bit n-1 = base relay n
  static constexpr std::size_t kRepeaterPanels = 65;
  static constexpr std::size_t kRelayCards = 66;
  static constexpr std::size_t kAdvancedCode = 67;
  static constexpr std::size_t kAdvancedCodeNul = 71;
  static constexpr std::size_t kAdvancedFlags = 72;
  static constexpr std::size_t kReserved = 73, kReservedWidth = 11;
  static constexpr std::size_t kFirmwareVersion = 84; // major, minor, build

  std::string PanelName() const { return Text(kPanelName, kPanelNameWidth); }
  std::string ProjectName() const { return Text(kProjectName, kProjectNameWidth); }
  int RelayCards() const { return Signed(kRelayCards); }
};

// One detection loop; up to 16.
struct LoopRecord : Record<BlockType::Loop, 76> {
  static constexpr std::size_t kActive = 1;
  static constexpr std::size_t kNumber = 2;
  static constexpr std::size_t kName = 3, kNameWidth = 18;
  static constexpr std::size_t kNameNul = 21;
  static constexpr std::size_t kZenerBarrier = 22;
  static constexpr std::size_t kDetectionKind = 23;
  static constexpr std::size_t kLevelU = 24; // tenths of a volt
  static constexpr std::size_t kTextU = 25, kLevelTextWidth = 10;
  static constexpr std::size_t kTextUNul = 35;
  static constexpr std::size_t kLevelL = 36;
  static constexpr std::size_t kTextL = 37;
  static constexpr std::size_t kTextLNul = 47;
  static constexpr std::size_t kLevelF = 48;
  static constexpr std::size_t kTextF = 49;
  static constexpr std::size_t kTextFNul = 59;
  static constexpr std::size_t kLevelS = 60;
  static constexpr std::size_t kDependency = 61; // loop number, 0 = none
  static constexpr std::size_t kAlertActive = 62;
  static constexpr std::size_t kInterventionTime = 63;
  static constexpr std::size_t kDelayedEvacuation = 64;
  static constexpr std::size_t kLoopControl = 65;
  static constexpr std::size_t kComposition = 66, kCompositionPairs = 4; // (detector kind, count)
  static constexpr std::size_t kReserved = 74, kReservedWidth = 2;

  int Number() const { return Signed(kNumber); }
  bool Active() const { return Byte(kActive) != 0; }
  std::string Name() const { return Text(kName, kNameWidth); }
};

// One row of a control: the panel event that switches some relays of a module.
struct ControlEvent {
  static constexpr std::size_t kSize = 7;
  static constexpr std::size_t kEventCode = 0;
  static constexpr std::size_t kModuleKind = 1; // OutputModuleKind
  static constexpr std::size_t kReserved = 2;
  static constexpr std::size_t kCardAddress = 3;
  static constexpr std::size_t kRelays5to8 = 4; // bits 0..3
  static constexpr std::size_t kRelays1to4 = 5; // bits 0..3
  static constexpr std::size_t kSpare = 6;
};

// One control; up to 20.
struct ControlRecord : Record<BlockType::Control, 75> {
  static constexpr std::size_t kNumber = 1;
  static constexpr std::size_t kName = 2, kNameWidth = 15;
  static constexpr std::size_t kNameNul = 17;
  static constexpr std::size_t kControlType = 18;
  static constexpr std::size_t kEvents = 19, kEventCount = 8;

  static constexpr std::size_t EventOffset(std::size_t row) { return kEvents + ControlEvent::kSize * row; }

  int Number() const { return Signed(kNumber); }
  int Type() const { return Signed(kControlType); }
  std::string Name() const { return Text(kName, kNameWidth); }
  // Bit n-1 is relay n of the row's module: byte 4 shifted left by four, OR
  // byte 5, as the checks compare them.
  std::uint8_t RelayMask(std::size_t row) const {
    const std::size_t e = EventOffset(row);
    return static_cast<std::uint8_t>((Byte(e + ControlEvent::kRelays5to8) << 4) | Byte(e + ControlEvent::kRelays1to4));
  }
  // The relays the row switches, as shown and edited: relays 1..4 in bits
  // 0..3 of byte 5, relays 5..8 in bits 0..3 of byte 4; stray high bits of
  // byte 5 are no relay.
  std::uint8_t ShownRelays(std::size_t row) const {
    const std::size_t e = EventOffset(row);
    return static_cast<std::uint8_t>(((Byte(e + ControlEvent::kRelays5to8) & 0x0F) << 4) |
                                     (Byte(e + ControlEvent::kRelays1to4) & 0x0F));
  }
};

// The output texts of one relay module; from version 1.01 on.
struct RelayTextRecord : Record<BlockType::RelayText, 148> {
  static constexpr std::size_t kSequence = 1;
  static constexpr std::size_t kModuleKind = 2;
  static constexpr std::size_t kCardAddress = 3;
  static constexpr std::size_t kTexts = 4, kTextWidth = 18, kTextCount = 8; // no terminator

  int Sequence() const { return Signed(kSequence); }
  int ModuleKind() const { return Signed(kModuleKind); }
  int CardAddress() const { return Signed(kCardAddress); }
  std::string OutputText(std::size_t output) const { return Text(kTexts + kTextWidth * output, kTextWidth); }
};

// Dossier: customer data.
struct CustomerBlock : Record<BlockType::Customer, 227> {
  static constexpr std::size_t kCustomer = 1, kCustomerWidth = 25;
  static constexpr std::size_t kAddress = 27, kAddressWidth = 50; // lines separated by CR LF
  static constexpr std::size_t kTelephone = 78, kTelephoneWidth = 20;
  static constexpr std::size_t kEmail = 99, kEmailWidth = 50;
  static constexpr std::size_t kContact = 150, kContactWidth = 25;
  static constexpr std::size_t kInstaller = 176, kInstallerWidth = 25;
  static constexpr std::size_t kReserved = 202, kReservedWidth = 25;
};

// Dossier: installation data.
struct InstallationBlock : Record<BlockType::Installation, 70> {
  static constexpr std::size_t kTechnician = 1, kTechnicianWidth = 25;
  static constexpr std::size_t kCommissioningYear = 27; // year modulo 100
  static constexpr std::size_t kCommissioningMonth = 28;
  static constexpr std::size_t kCommissioningDay = 29;
  static constexpr std::size_t kQuiescentCurrent = 30, kCurrentWidth = 5;
  static constexpr std::size_t kAlarmCurrent = 36;
  static constexpr std::size_t kBattery = 42, kBatteryWidth = 6;
  static constexpr std::size_t kProductionNumber = 49, kProductionNumberWidth = 9;
  static constexpr std::size_t kReserved = 59, kReservedWidth = 10;
};

// Dossier: accessories.
struct AccessoryBlock : Record<BlockType::Accessory, 26> {
  static constexpr std::size_t kSirens = 1;
  static constexpr std::size_t kBuzzers = 2;
  static constexpr std::size_t kFlashLights = 3;
  static constexpr std::size_t kDoorMagnets = 4;
  static constexpr std::size_t kTelephoneDialler = 5;
  static constexpr std::size_t kReserved = 6, kReservedWidth = 20;
};

// Repeater panels: firmware versions and locations.
struct RepeaterBlock : Record<BlockType::Repeater, 174> {
  static constexpr std::size_t kPanels = 8;
  static constexpr std::size_t kVersions = 1; // (major, minor) per panel
  static constexpr std::size_t kLocations = 17, kLocationStride = 19, kLocationWidth = 18;
  static constexpr std::size_t kReserved = 169, kReservedWidth = 5;

  static constexpr std::size_t VersionOffset(std::size_t panel) { return kVersions + 2 * panel; }
  static constexpr std::size_t LocationOffset(std::size_t panel) { return kLocations + kLocationStride * panel; }
};

// Firmware versions of the power-supply controller and the relay cards.
struct PeripheryVersionBlock : Record<BlockType::PeripheryVersion, 51> {
  static constexpr std::size_t kPowerSupplyVersion = 1; // (major, minor)
  static constexpr std::size_t kRelayCardVersions = 3, kRelayCards = 8;
  static constexpr std::size_t kReserved = 19, kReservedWidth = 32;

  static constexpr std::size_t CardVersionOffset(std::size_t card) { return kRelayCardVersions + 2 * card; }
};

// Dossier: free notes.
struct NotesBlock : Record<BlockType::Notes, 252> {
  static constexpr std::size_t kNotes = 1, kNotesWidth = 250; // lines separated by CR LF
};

// The six fixed blocks, one each, in their stream order.
struct FixedBlocks {
  CustomerBlock customer;
  InstallationBlock installation;
  AccessoryBlock accessory;
  RepeaterBlock repeater;
  PeripheryVersionBlock peripheryVersion;
  NotesBlock notes;

  // The bytes of the block of a type 5..10; empty for any other type.
  std::span<std::uint8_t> BytesOf(BlockType type);
  std::span<const std::uint8_t> BytesOf(BlockType type) const;

  bool operator==(const FixedBlocks&) const = default;
};

constexpr BlockType kFixedBlockOrder[] = {BlockType::Customer, BlockType::Installation,     BlockType::Accessory,
                                          BlockType::Repeater, BlockType::PeripheryVersion, BlockType::Notes};

constexpr std::size_t kFixedBlocksSize = 800;
static_assert(sizeof(FixedBlocks) == kFixedBlocksSize);
static_assert(sizeof(CentralRecord) == 87);
static_assert(sizeof(LoopRecord) == 76);
static_assert(sizeof(ControlRecord) == 75);
static_assert(sizeof(RelayTextRecord) == 148);
static_assert(sizeof(CustomerBlock) + sizeof(InstallationBlock) + sizeof(AccessoryBlock) + sizeof(RepeaterBlock) +
                  sizeof(PeripheryVersionBlock) + sizeof(NotesBlock) ==
              800);
static_assert(ControlRecord::EventOffset(ControlRecord::kEventCount) == ControlRecord::kSize);
static_assert(RelayTextRecord::kTexts + RelayTextRecord::kTextWidth * RelayTextRecord::kTextCount ==
              RelayTextRecord::kSize);
static_assert(RepeaterBlock::LocationOffset(RepeaterBlock::kPanels) == RepeaterBlock::kReserved);

} // namespace kx700
