#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "common/colour.h"
#include "common/message_host.h"
#include "link/panel_link.h"

// The periphery of the connected panel: the state of its repeater panels,
// relay cards and power supervision, and the judging of their firmware
// versions against the panel's own.
namespace kx700 {

// How a device's firmware version stands against the panel's.
enum class VersionVerdict : int { UpdateRequired = 0, UpdateRecommended = 1, Ok = 2, Unknown = 3 };

// The device kinds, as the columns of the version grid.
enum class PeripheryDevice : int { RepeaterPanel = 1, RelayCard = 2, PowerSupply = 3 };

// A device minor version judged against the panel minor, with the minimum
// and recommended minor versions for the panel.
struct VersionJudgement {
  VersionVerdict verdict = VersionVerdict::UpdateRequired;
  int minimumMinor = 0;
  int recommendedMinor = 0;
  bool operator==(const VersionJudgement&) const = default;
};
VersionJudgement JudgeVersion(PeripheryDevice device, int panelMinor, int deviceMinor);

// The state bytes of the periphery (0 absent, 1 present and OK, other:
// present with a fault), filled from the 16-byte records of blocks 32
// (repeaters), 20 (relay cards) and 19 (power supervision).
struct PeripheryStates {
  std::array<std::uint8_t, 8> repeaters{};
  std::array<std::uint8_t, 8> relayCards{};
  std::uint8_t powerSupply = 0;
  // Other blocks are ignored.
  void StoreAnswer(int block, std::span<const std::uint8_t, 16> record);
};

// What "Periferie" works with: the states read, the panel's firmware version,
// and a way to read the devices' versions for "Check versie" (it shows its
// own single fault box on failure and returns false).
struct PeripherySession {
  PeripheryStates states;
  int panelMajor = 0;
  int panelMinor = 0;
  int panelBuild = 0;
  std::function<bool(PeripheryVersions&)> readVersions;
};

// Repeater panels and relay cards the panel reports on (rows 1..8).
inline constexpr int kPeripherySlots = 8;

// --- the state cells of "Periferie"

inline constexpr ColorRef kPeripheryAbsent = SystemColor(SystemColour::InfoBackground);
inline constexpr ColorRef kPeripheryAbsentText = Rgb(192, 192, 192);
inline constexpr ColorRef kPeripheryOk = Rgb(0, 255, 0);
inline constexpr ColorRef kPeripheryFault = Rgb(255, 0, 0);

struct StateCellLook {
  std::string text;
  ColorRef background = kPeripheryAbsent;
  ColorRef textColour = kPeripheryAbsentText;
  bool operator==(const StateCellLook&) const = default;
};

// The cell of device `number` (1..8; the power supervision is 1) with its
// state byte.
StateCellLook StateCellLookFor(int number, std::uint8_t state);

// --- the versions of "Versies periferie"

// The colour of a verdict, and its text number ("Versie OK", ...).
ColorRef VerdictColour(VersionVerdict verdict);
int VerdictTextNumber(VersionVerdict verdict);
// The legend's rows, top to bottom.
inline constexpr std::array<VersionVerdict, 4> kVerdictLegend = {
    VersionVerdict::Ok, VersionVerdict::UpdateRecommended, VersionVerdict::UpdateRequired, VersionVerdict::Unknown};

// A version cell: its background, and its text (nothing: the cell keeps the
// text it has). Texts are centred.
struct VersionCellLook {
  ColorRef background = kPeripheryAbsent;
  std::optional<std::string> text;
  bool operator==(const VersionCellLook&) const = default;
};

// One device's cell. A device that answers major 0 has not told its version;
// a major other than the panel's is always red.
VersionCellLook VersionCellLookFor(PeripheryDevice device, bool present, int deviceMajor, int deviceMinor,
                                   int panelMajor, int panelMinor);

// The version grid's cell at row 1..8 and column 1..3 (the columns of
// PeripheryDevice); the power supply has row 1 only, its other rows look
// absent. Nothing outside the grid's devices.
std::optional<VersionCellLook> VersionGridCellLook(const PeripheryStates& states, const PeripheryVersions& versions,
                                                   int panelMajor, int panelMinor, int row, int column);

// "%d.%02d".
std::string VersionText(int major, int minor);
// "Centrale: 1.02", with ".03" after it when the build is not 0.
std::string PanelVersionLabel(int major, int minor, int build);

// The kind label and the minimum and recommended versions for the panel.
struct KindLabels {
  std::string kind;
  std::string minimum;
  std::string recommended;
  bool operator==(const KindLabels&) const = default;
};

// The kind a version grid column stands for: columns 0 and 1 the repeater
// panels, 2 the relay cards, 3 the power supply; nothing for others.
std::optional<PeripheryDevice> DeviceOfColumn(int column);
// An empty kind and version ".00" of the panel major when there is no device.
KindLabels KindLabelsFor(std::optional<PeripheryDevice> device, int panelMajor, int panelMinor);

// The kind labels follow the mouse over the version grid, changing only when
// it comes into another column than the last one seen (none at first).
class VersionGridHover {
public:
  VersionGridHover(int panelMajor, int panelMinor) : panelMajor_(panelMajor), panelMinor_(panelMinor) {}
  // The labels to show for the mouse over `column`; nothing when they stay.
  std::optional<KindLabels> MouseOver(int column);

private:
  int panelMajor_;
  int panelMinor_;
  std::optional<int> lastColumn_;
};

} // namespace kx700
