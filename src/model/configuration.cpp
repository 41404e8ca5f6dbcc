#include "model/configuration.h"

#include <algorithm>
#include <new>
#include <utility>

namespace kx700 {
namespace {

bool AllZero(std::span<const std::uint8_t> bytes, std::initializer_list<std::size_t> offsets) {
  return std::all_of(offsets.begin(), offsets.end(), [&](std::size_t o) { return bytes[o] == 0; });
}

template <typename R>
bool Append(std::list<R>& list, std::span<const std::uint8_t> record) {
  if (record.size() != R::kSize) return false;
  try {
    R& stored = list.emplace_back();
    std::copy(record.begin(), record.end(), stored.bytes.begin());
    return true;
  } catch (const std::bad_alloc&) {
    return false; // the caller reports the lack of memory
  }
}

} // namespace

void Configuration::SetDefaults() {
  sourcePanelNumber = -1;
  version = {};
  loops.clear();
  controls.clear();
  relayTexts.clear();
  fixedBlocks = {};

  central = {};
  central.SetText(CentralRecord::kOperatingCode, CentralRecord::kCodeWidth, "9738");
  central.SetText(CentralRecord::kAdvancedCode, CentralRecord::kCodeWidth, "9871");
  central.SetByte(CentralRecord::kEvacuationReactionTime, 2);
  central.SetByte(CentralRecord::kSummerWinterTime, 0);
  central.SetByte(CentralRecord::kMonitoredSirenCircuits, 7);
}

bool Configuration::HoldsData() const {
  return !loops.empty() || !controls.empty() || !relayTexts.empty() || !IsBlockEmpty(kAllFixedBlocks);
}

bool Configuration::IsBlockEmpty(int part) const {
  const auto& b = fixedBlocks;
  switch (part) {
    case kAllFixedBlocks:
      return std::all_of(std::begin(kFixedBlockOrder), std::end(kFixedBlockOrder),
                         [this](BlockType t) { return IsBlockEmpty(static_cast<int>(t)); });
    case static_cast<int>(BlockType::Customer): {
      using P = CustomerBlock;
      return AllZero(b.customer.bytes,
                     {P::kCustomer, P::kAddress, P::kTelephone, P::kEmail, P::kContact, P::kInstaller});
    }
    case static_cast<int>(BlockType::Installation): {
      using I = InstallationBlock; // the commissioning date is not looked at
      return AllZero(b.installation.bytes,
                     {I::kTechnician, I::kQuiescentCurrent, I::kAlarmCurrent, I::kBattery, I::kProductionNumber});
    }
    case static_cast<int>(BlockType::Accessory): return AllZero(b.accessory.bytes, {1, 2, 3, 4, 5});
    case static_cast<int>(BlockType::Repeater):
      for (std::size_t k = 0; k < RepeaterBlock::kPanels; ++k) {
        if (!AllZero(b.repeater.bytes, {RepeaterBlock::LocationOffset(k), RepeaterBlock::VersionOffset(k)}))
          return false;
      }
      return true;
    case static_cast<int>(BlockType::PeripheryVersion):
      for (std::size_t k = 0; k < PeripheryVersionBlock::kRelayCards; ++k) {
        if (b.peripheryVersion.Byte(PeripheryVersionBlock::CardVersionOffset(k)) != 0) return false;
      }
      return b.peripheryVersion.Byte(PeripheryVersionBlock::kPowerSupplyVersion) == 0;
    case static_cast<int>(BlockType::Notes): return b.notes.Byte(NotesBlock::kNotes) == 0;
    default: return true;
  }
}

bool Configuration::StoreBlock(BlockType type, std::span<const std::uint8_t> record) {
  switch (type) {
    case BlockType::Loop: return Append(loops, record);
    case BlockType::Control: return Append(controls, record);
    case BlockType::RelayText: return Append(relayTexts, record);
    case BlockType::Central:
      if (record.size() != CentralRecord::kSize) return false;
      std::copy(record.begin(), record.end(), central.bytes.begin());
      return true;
    default: {
      const auto block = fixedBlocks.BytesOf(type);
      if (block.empty() || record.size() != block.size()) return false;
      std::copy(record.begin(), record.end(), block.begin());
      return true;
    }
  }
}

bool Configuration::HasControl(int number, int controlType) const {
  if (number < 1) return controlType != 1;
  const ControlRecord* control = FindControl(number);
  return control && control->Type() == controlType;
}

const ControlRecord* Configuration::FindControl(int number) const {
  const auto it =
      std::find_if(controls.begin(), controls.end(), [number](const ControlRecord& c) { return c.Number() == number; });
  return it == controls.end() ? nullptr : &*it;
}

ControlRecord* Configuration::FindControl(int number) {
  return const_cast<ControlRecord*>(std::as_const(*this).FindControl(number));
}

bool Configuration::LoopExists(int number) const {
  return number == 0 ||
         std::any_of(loops.begin(), loops.end(), [number](const LoopRecord& l) { return l.Number() == number; });
}

} // namespace kx700
