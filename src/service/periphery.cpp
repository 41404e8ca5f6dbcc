#include "service/periphery.h"

#include <algorithm>

#include "common/string_format.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

constexpr int kRepeaterBlock = 32;
constexpr int kRelayCardBlock = 20;
constexpr int kPowerSupplyBlock = 19;

constexpr int kTextPanel = 25;
constexpr int kTextRepeaterPanel = 182;
constexpr int kTextPowerSupply = 183;
constexpr int kTextRelayCard = 184;

bool Within(int value, int low, int high) { return value >= low && value <= high; }

VersionJudgement RepeaterPanelRule(int p, int d) {
  using enum VersionVerdict;
  if (p == 0) return {Within(d, 0, 1) ? Ok : Unknown, 0, 1};
  if (Within(p, 1, 2)) return {d == 0 ? UpdateRecommended : d == 1 ? Ok : Unknown, 1, 1};
  return {UpdateRequired, 0, 0};
}

VersionJudgement RelayCardRule(int p, int d) {
  using enum VersionVerdict;
  if (!Within(p, 0, 2)) return {UpdateRequired, 0, 0};
  const VersionVerdict verdict = d == 0 ? UpdateRequired : Within(d, 1, 3) ? UpdateRecommended : d == 4 ? Ok : Unknown;
  return {verdict, 4, 4};
}

VersionJudgement PowerSupplyRule(int p, int d) {
  using enum VersionVerdict;
  if (p == 0) return {Within(d, 0, 1) ? Ok : Unknown, 0, 1};
  if (Within(p, 1, 2)) return {d == 0 ? UpdateRecommended : Within(d, 1, 2) ? Ok : Unknown, 1, 2};
  return {UpdateRequired, 0, 0};
}

} // namespace

VersionJudgement JudgeVersion(PeripheryDevice device, int panelMinor, int deviceMinor) {
  switch (device) {
    case PeripheryDevice::RepeaterPanel: return RepeaterPanelRule(panelMinor, deviceMinor);
    case PeripheryDevice::RelayCard: return RelayCardRule(panelMinor, deviceMinor);
    case PeripheryDevice::PowerSupply: return PowerSupplyRule(panelMinor, deviceMinor);
  }
  return {};
}

void PeripheryStates::StoreAnswer(int block, std::span<const std::uint8_t, 16> record) {
  switch (block) {
    case kRepeaterBlock: std::copy_n(record.begin(), repeaters.size(), repeaters.begin()); break;
    case kRelayCardBlock: std::copy_n(record.begin(), relayCards.size(), relayCards.begin()); break;
    case kPowerSupplyBlock: powerSupply = record[0]; break;
    default: break;
  }
}

StateCellLook StateCellLookFor(int number, std::uint8_t state) {
  StateCellLook look;
  look.text = std::to_string(number);
  if (state == 0) return look;
  look.background = state == 1 ? kPeripheryOk : kPeripheryFault;
  look.textColour = kBlack;
  return look;
}

ColorRef VerdictColour(VersionVerdict verdict) {
  switch (verdict) {
    case VersionVerdict::UpdateRequired: return Rgb(255, 0, 0);
    case VersionVerdict::UpdateRecommended: return Rgb(255, 128, 0);
    case VersionVerdict::Ok: return Rgb(0, 255, 0);
    case VersionVerdict::Unknown: return Rgb(0, 255, 255);
  }
  return Rgb(255, 0, 0);
}

int VerdictTextNumber(VersionVerdict verdict) {
  switch (verdict) {
    case VersionVerdict::UpdateRequired: return 142;
    case VersionVerdict::UpdateRecommended: return 141;
    case VersionVerdict::Ok: return 140;
    case VersionVerdict::Unknown: return 143;
  }
  return 142;
}

VersionCellLook VersionCellLookFor(PeripheryDevice device, bool present, int deviceMajor, int deviceMinor,
                                   int panelMajor, int panelMinor) {
  const ColorRef red = VerdictColour(VersionVerdict::UpdateRequired);
  if (deviceMajor == 0) return present ? VersionCellLook{red, "?"} : VersionCellLook{};
  const ColorRef background =
      deviceMajor == panelMajor ? VerdictColour(JudgeVersion(device, panelMinor, deviceMinor).verdict) : red;
  return {background, VersionText(deviceMajor, deviceMinor)};
}

std::optional<VersionCellLook> VersionGridCellLook(const PeripheryStates& states, const PeripheryVersions& versions,
                                                   int panelMajor, int panelMinor, int row, int column) {
  if (!Within(row, 1, kPeripherySlots)) return std::nullopt;
  const auto index = static_cast<std::size_t>(row - 1);
  // A record that never came reads as a device that told no version.
  const auto pair = [index](const std::optional<std::array<std::uint8_t, 16>>& record) {
    return record ? std::pair<int, int>{(*record)[2 * index], (*record)[2 * index + 1]} : std::pair<int, int>{0, 0};
  };
  std::pair<int, int> version;
  bool present = false;
  switch (column) {
    case static_cast<int>(PeripheryDevice::RepeaterPanel):
      version = pair(versions.repeaters);
      present = states.repeaters[index] != 0;
      break;
    case static_cast<int>(PeripheryDevice::RelayCard):
      version = pair(versions.relayCards);
      present = states.relayCards[index] != 0;
      break;
    case static_cast<int>(PeripheryDevice::PowerSupply):
      // One power supply: the rows below it have no device.
      if (row != 1) return VersionCellLook{};
      if (versions.powerSupply) version = {(*versions.powerSupply)[0], (*versions.powerSupply)[1]};
      present = states.powerSupply != 0;
      break;
    default: return std::nullopt;
  }
  return VersionCellLookFor(static_cast<PeripheryDevice>(column), present, version.first, version.second, panelMajor,
                            panelMinor);
}

std::string VersionText(int major, int minor) { return StringPrintf("%d.%02d", major, minor); }

std::string PanelVersionLabel(int major, int minor, int build) {
  const char* panel = OrEmpty(GetText(kTextPanel));
  return build == 0 ? StringPrintf("%s: %d.%02d", panel, major, minor)
                    : StringPrintf("%s: %d.%02d.%02d", panel, major, minor, build);
}

std::optional<PeripheryDevice> DeviceOfColumn(int column) {
  switch (column) {
    case 0:
    case 1: return PeripheryDevice::RepeaterPanel;
    case 2: return PeripheryDevice::RelayCard;
    case 3: return PeripheryDevice::PowerSupply;
    default: return std::nullopt;
  }
}

KindLabels KindLabelsFor(std::optional<PeripheryDevice> device, int panelMajor, int panelMinor) {
  KindLabels labels;
  VersionJudgement rule{VersionVerdict::UpdateRequired, 0, 0};
  if (device) {
    // The minimum and recommended versions do not depend on the device's.
    rule = JudgeVersion(*device, panelMinor, 0);
    const int text = *device == PeripheryDevice::RepeaterPanel ? kTextRepeaterPanel
                     : *device == PeripheryDevice::RelayCard   ? kTextRelayCard
                                                               : kTextPowerSupply;
    labels.kind = OrEmpty(GetText(text));
  }
  labels.minimum = VersionText(panelMajor, rule.minimumMinor);
  labels.recommended = VersionText(panelMajor, rule.recommendedMinor);
  return labels;
}

std::optional<KindLabels> VersionGridHover::MouseOver(int column) {
  if (lastColumn_ == column) return std::nullopt;
  lastColumn_ = column;
  return KindLabelsFor(DeviceOfColumn(column), panelMajor_, panelMinor_);
}

} // namespace kx700
