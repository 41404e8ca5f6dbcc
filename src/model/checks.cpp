#include "model/checks.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "common/error_mess.h"
#include "common/string_format.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

// Text and fault numbers of the messages.
constexpr int kTextParameters = 5, kTextLoop = 6, kTextLoopParameters = 28, kTextGeneral = 29;
constexpr int kTextControl = 105, kTextLoopControl = 107, kTextGeneralControl = 108, kTextAlertControl = 109;
constexpr int kTextSilenceControl = 110, kTextSirenCircuit = 151, kTextDossier = 162, kTextCommissioning = 168;
constexpr int kTextAccessories = 169;
constexpr int kFaultInvalidValue = 9, kFaultNotSent = 10, kFaultWrongLink = 11, kFaultMissing = 12;
constexpr int kFaultIncomplete = 13, kFaultNoParameters = 14, kFaultNoGeneralControl = 22;
constexpr int kFaultSilenceControl = 23, kFaultRelayCard = 27, kFaultSilencedAlert = 29, kFaultFailSafe = 30;
constexpr int kFaultDoubleUseFault = 31, kFaultDoubleUseAlert = 32, kFaultSelfDependency = 34, kFaultCode = 35;
constexpr int kFaultNoSuchLoop = 36, kFaultAlarmLevel = 37, kFaultPreAlarmLevel = 38, kFaultMultipleAlarm = 39;
constexpr int kCaptionReference = 28;
constexpr int kQuestionFailSafe = 7, kQuestionSirenMonitoring = 13;

const char* T(int n) { return OrEmpty(GetText(n)); }
const char* F(int n) { return OrEmpty(GetFault(n)); }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

template <typename R>
bool AllInRange(const R& record, std::initializer_list<std::size_t> offsets, int low, int high) {
  return std::all_of(offsets.begin(), offsets.end(),
                     [&](std::size_t o) { return InRange(record.Signed(o), low, high); });
}

template <typename R>
void Zero(R& record, std::size_t first, std::size_t count) {
  for (std::size_t i = first; i < first + count; ++i) record.SetByte(i, 0);
}

// One event row of a control, read signed.
struct Row {
  int code, module, card;
  std::uint8_t relays5to8, relays1to4, mask;
};

Row RowOf(const ControlRecord& control, std::size_t k) {
  const std::size_t e = ControlRecord::EventOffset(k);
  return {control.Signed(e + ControlEvent::kEventCode),   control.Signed(e + ControlEvent::kModuleKind),
          control.Signed(e + ControlEvent::kCardAddress), control.Byte(e + ControlEvent::kRelays5to8),
          control.Byte(e + ControlEvent::kRelays1to4),    control.RelayMask(k)};
}

// An 8-bit relay mask per module: the base relays, and per card address 1..8
// the outputs 1-8 and 9-16 of a relay card.
class RelayMasks {
public:
  // The mask of a row's module; null for a row that names no module.
  std::uint8_t* Of(const Row& row) {
    if (row.module == 0) return &base_;
    if ((row.module == 1 || row.module == 2) && InRange(row.card, 1, 8))
      return &cards_[static_cast<std::size_t>(row.module - 1)][static_cast<std::size_t>(row.card - 1)];
    return nullptr;
  }
  void Add(const Row& row) {
    if (auto* m = Of(row)) *m |= row.mask;
  }
  bool Shares(const Row& row) {
    const auto* m = Of(row);
    return m && (*m & row.mask) != 0;
  }
  std::uint8_t base() const { return base_; }

private:
  std::uint8_t base_ = 0;
  std::array<std::array<std::uint8_t, 8>, 2> cards_{};
};

template <typename Pred>
void ForEachRow(const ControlRecord& control, Pred&& pred) {
  for (std::size_t k = 0; k < ControlRecord::kEventCount; ++k) pred(RowOf(control, k));
}

} // namespace

ConfigurationChecks::ConfigurationChecks(Configuration& configuration, const VersionTriple& effective,
                                         MessageHost& host)
    : c_(configuration), effective_(effective), host_(host) {}

void ConfigurationChecks::Fault(int captionFault, const std::string& text) {
  CError_Mess mess;
  host_.Show({text, mess.ErrorCaption(captionFault), MessageButtons::Ok, MessageIcon::Error, {}});
}

bool ConfigurationChecks::Question(int question, const std::string& text) {
  CError_Mess mess;
  return host_.Show({text, mess.QuestionCaption(question), MessageButtons::YesNo, MessageIcon::Exclamation, {}}) ==
         MessageAnswer::Yes;
}

bool ConfigurationChecks::CentralFault(int fault) {
  Fault(fault, StringPrintf("%s > %s\n\n%s\n\n%s", T(kTextParameters), T(kTextGeneral), F(fault), F(kFaultNotSent)));
  return false;
}

bool ConfigurationChecks::ControlFault(const ControlRecord& control, int fault) {
  Fault(fault, StringPrintf("%s > %s: %d %s\n\n%s\n\n%s", T(kTextParameters), T(kTextControl), control.Number(),
                            control.Name().c_str(), F(fault), F(kFaultNotSent)));
  return false;
}

bool ConfigurationChecks::LoopFault(const LoopRecord& loop, int fault) {
  Fault(fault, StringPrintf("%s > %s %d %s\n\n%s\n\n%s", T(kTextParameters), T(kTextLoop), loop.Number(),
                            loop.Name().c_str(), F(fault), F(kFaultNotSent)));
  return false;
}

bool ConfigurationChecks::CheckParameters() {
  if (!c_.HoldsData()) {
    Fault(kFaultIncomplete, StringPrintf("%s\n\n%s\n%s", F(kFaultNoParameters), F(kFaultIncomplete), F(kFaultNotSent)));
    return false;
  }
  if (c_.loops.empty()) {
    Fault(kFaultIncomplete, StringPrintf("%s\n\n%s\n\n%s\n%s", T(kTextLoopParameters), F(kFaultMissing),
                                         F(kFaultIncomplete), F(kFaultNotSent)));
    return false;
  }
  if (!CheckControls() || !CheckCentral() || !CheckLoops()) return false;
  if (HasExtendedRecords(effective_)) {
    CheckRelayTexts();
    if (!CheckFixedBlocks()) return false;
  }
  return true;
}

bool ConfigurationChecks::CheckCentralRecord(CentralRecord& r, bool show) {
  using C = CentralRecord;
  r.SetByte(C::kPanelNameNul, 0);
  r.SetByte(C::kProjectNameNul, 0);
  Zero(r, C::kReserved, C::kReservedWidth);

  auto fail = [&](int fault) { return show ? CentralFault(fault) : false; };
  const bool ranges =
      InRange(r.Signed(C::kEvacuationReactionTime), 1, 9) && AllInRange(r, {C::kBackbeep}, 0, 1) &&
      InRange(r.Signed(C::kSwitchOverHour), 0, 23) && InRange(r.Signed(C::kSwitchOverMinute), 0, 59) &&
      AllInRange(r, {C::kDirectEvacuationSwitch, C::kSummerWinterTime}, 0, 1) &&
      InRange(r.Signed(C::kAlertControl), 0, 20) && InRange(r.Signed(C::kMonitoredSirenCircuits), 0, 7) &&
      AllInRange(r, {C::kRepeaterPanels, C::kRelayCards}, 0, 8) && InRange(r.Signed(C::kAdvancedFlags), 0, 127);
  if (!ranges) return fail(kFaultInvalidValue);
  if (!InRange(r.Signed(C::kGeneralControl), 0, 20)) return fail(kFaultNoGeneralControl);
  for (std::size_t i = 0; i < C::kSilenceControlSlots; ++i) {
    if (!InRange(r.Signed(C::kSilenceControls + i), 0, 20)) return fail(kFaultSilenceControl);
  }
  for (std::size_t i = 0; i < C::kCodeWidth; ++i) {
    if (!InRange(r.Byte(C::kOperatingCode + i), '0', '9')) return fail(kFaultCode);
  }
  return true;
}

bool ConfigurationChecks::CheckCentral() {
  using C = CentralRecord;
  CentralRecord& r = c_.central;
  if (!CheckCentralRecord(r, true)) return false;

  auto reference = [&](int number, int type, int kindText) {
    if (c_.HasControl(number, type)) return true;
    Fault(kCaptionReference, StringPrintf("%s > %s\n\n%s: %s\n\n%s", T(kTextParameters), T(kTextGeneral),
                                          F(kFaultWrongLink), T(kindText), F(kFaultNotSent)));
    return false;
  };
  if (!reference(r.Signed(C::kGeneralControl), 1, kTextGeneralControl)) return false;
  if (!reference(r.Signed(C::kAlertControl), 2, kTextAlertControl)) return false;
  for (std::size_t i = 0; i < C::kSilenceControlSlots; ++i) {
    if (!reference(r.Signed(C::kSilenceControls + i), 3, kTextSilenceControl)) return false;
  }
  r.UpdateChecksum();
  return true;
}

bool ConfigurationChecks::CheckLoopRecord(LoopRecord& r) {
  using L = LoopRecord;
  for (std::size_t nul : {L::kNameNul, L::kTextUNul, L::kTextLNul, L::kTextFNul}) r.SetByte(nul, 0);
  Zero(r, L::kReserved, L::kReservedWidth);
  return AllInRange(r, {L::kActive, L::kZenerBarrier, L::kAlertActive, L::kDelayedEvacuation}, 0, 1) &&
         AllInRange(r, {L::kNumber, L::kDependency}, 0, 16) && InRange(r.Signed(L::kDetectionKind), 0, 5) &&
         AllInRange(r, {L::kLevelU, L::kLevelL, L::kLevelF}, 0, 127) &&
         InRange(r.Signed(L::kInterventionTime), 0, 10) && InRange(r.Signed(L::kLoopControl), 0, 20);
}

bool ConfigurationChecks::CheckLoopLevels(const LoopRecord& r) {
  const int u = r.Signed(LoopRecord::kLevelU), l = r.Signed(LoopRecord::kLevelL);
  const int f = r.Signed(LoopRecord::kLevelF), s = r.Signed(LoopRecord::kLevelS);
  const int kind = r.Signed(LoopRecord::kDetectionKind);
  if (!(f < u && u < s)) return LoopFault(r, kind == 2 ? kFaultMultipleAlarm : kFaultAlarmLevel);
  const bool lowerInOrder = f <= l && l <= u;
  if (kind == 1 && !lowerInOrder) return LoopFault(r, kFaultPreAlarmLevel);
  if (kind == 2 && !lowerInOrder) return LoopFault(r, kFaultAlarmLevel);
  return true;
}

bool ConfigurationChecks::CheckLoops() {
  for (LoopRecord& loop : c_.loops) {
    if (!CheckLoopRecord(loop)) return LoopFault(loop, kFaultInvalidValue);
    if (loop.Active()) {
      if (!CheckLoopLevels(loop)) return false;
      const int dependency = loop.Signed(LoopRecord::kDependency);
      if (dependency != 0 && dependency == loop.Number()) return LoopFault(loop, kFaultSelfDependency);
      if (!c_.LoopExists(dependency)) return LoopFault(loop, kFaultNoSuchLoop);
      const int control = loop.Signed(LoopRecord::kLoopControl);
      if (control != 0 && !c_.HasControl(control, 0)) {
        Fault(kFaultWrongLink,
              StringPrintf("%s > %s: %d %s\n\n%s: %s\n\n%s", T(kTextParameters), T(kTextLoop), loop.Number(),
                           loop.Name().c_str(), F(kFaultWrongLink), T(kTextLoopControl), F(kFaultNotSent)));
        return false;
      }
    }
    // Inactive loops get their checksum too: the panel receives them as well.
    loop.UpdateChecksum();
  }
  return true;
}

bool ConfigurationChecks::CheckControlRecord(ControlRecord& r) {
  r.SetByte(ControlRecord::kNameNul, 0);
  for (std::size_t k = 0; k < ControlRecord::kEventCount; ++k)
    r.SetByte(ControlRecord::EventOffset(k) + ControlEvent::kReserved, 0);
  if (!InRange(r.Number(), 1, 20) || !InRange(r.Type(), 0, 3)) return false;
  for (std::size_t k = 0; k < ControlRecord::kEventCount; ++k) {
    const std::size_t e = ControlRecord::EventOffset(k);
    if (!InRange(r.Signed(e + ControlEvent::kEventCode), 0, 14) ||
        !InRange(r.Signed(e + ControlEvent::kModuleKind), 0, 2) ||
        !InRange(r.Signed(e + ControlEvent::kCardAddress), 0, 8) ||
        !AllInRange(r, {e + ControlEvent::kRelays5to8, e + ControlEvent::kRelays1to4, e + ControlEvent::kSpare}, 0,
                    127))
      return false;
  }
  return true;
}

bool ConfigurationChecks::CheckControls() {
  const int relayCards = c_.central.RelayCards();
  for (ControlRecord& control : c_.controls) {
    if (!CheckControlRecord(control)) return ControlFault(control, kFaultInvalidValue);
    for (std::size_t k = 0; k < ControlRecord::kEventCount; ++k) {
      const Row row = RowOf(control, k);
      if ((row.module == 1 || row.module == 2) && row.card > relayCards) {
        if (row.code > 0) return ControlFault(control, kFaultRelayCard);
        // An unused row on a card that is not there is emptied.
        const std::size_t e = ControlRecord::EventOffset(k);
        for (std::size_t b : {ControlEvent::kModuleKind, ControlEvent::kCardAddress, ControlEvent::kRelays5to8,
                              ControlEvent::kRelays1to4, ControlEvent::kSpare})
          control.SetByte(e + b, 0);
      }
    }
    control.UpdateChecksum();
  }
  return CheckAlertRelays() && CheckFaultRelays() && CheckSirenMonitoring();
}

bool ConfigurationChecks::CheckSilencedAlertControl() {
  for (const ControlRecord& alert : c_.controls) {
    if (alert.Type() != 2) continue;
    for (const ControlRecord& silence : c_.controls) {
      if (silence.Type() != 3) continue;
      for (std::size_t i = 0; i < ControlRecord::kEventCount; ++i) {
        const Row a = RowOf(alert, i);
        if (a.code == 0 || a.code == 13) continue;
        for (std::size_t j = 0; j < ControlRecord::kEventCount; ++j) {
          const Row s = RowOf(silence, j);
          if (s.code == 1 && s.module == a.module && s.card == a.card &&
              ((s.relays5to8 & a.relays5to8) != 0 || (s.relays1to4 & a.relays1to4) != 0)) {
            ControlFault(silence, kFaultSilencedAlert);
            return true;
          }
        }
      }
    }
  }
  return false;
}

bool ConfigurationChecks::CheckAlertRelays() {
  if (CheckSilencedAlertControl()) return false;
  RelayMasks alert;
  for (const ControlRecord& control : c_.controls) {
    if (control.Type() != 2) continue;
    ForEachRow(control, [&](const Row& row) {
      if (row.code == 2 || row.code == 3 || row.code == 4 || row.code == 14) alert.Add(row);
    });
  }
  for (const ControlRecord& control : c_.controls) {
    if (control.Type() == 2) continue;
    for (std::size_t k = 0; k < ControlRecord::kEventCount; ++k) {
      const Row row = RowOf(control, k);
      if (row.code != 0 && alert.Shares(row)) return ControlFault(control, kFaultDoubleUseAlert);
    }
  }
  return true;
}

bool ConfigurationChecks::CheckFaultRelays() {
  RelayMasks faults;
  for (const ControlRecord& control : c_.controls) {
    if (control.Type() != 0 && control.Type() != 1) continue;
    ForEachRow(control, [&](const Row& row) {
      if (row.code == 8 || row.code == 9) faults.Add(row);
    });
  }
  if ((faults.base() & 0x80) == 0 &&
      !Question(kQuestionFailSafe, StringPrintf("%s > %s\n\n%s", T(kTextParameters), T(kTextControl),
                                                OrEmpty(GetMessage(kQuestionFailSafe)))))
    return false;
  for (const ControlRecord& control : c_.controls) {
    if (control.Type() == 3) continue;
    for (std::size_t k = 0; k < ControlRecord::kEventCount; ++k) {
      const Row row = RowOf(control, k);
      if (row.code == 0 || row.code == 8 || row.code == 9) continue;
      if (row.module == 0 && (row.mask & 0x80) != 0) return ControlFault(control, kFaultFailSafe);
      if (faults.Shares(row)) return ControlFault(control, kFaultDoubleUseFault);
    }
  }
  return true;
}

bool ConfigurationChecks::CheckSirenMonitoring() {
  std::uint8_t sirenUse = 0;
  for (const ControlRecord& control : c_.controls) {
    if (control.Type() == 3) continue;
    ForEachRow(control, [&](const Row& row) {
      if (row.module == 0 && row.code != 0) sirenUse |= row.relays1to4;
    });
  }
  const int monitored = c_.central.Signed(CentralRecord::kMonitoredSirenCircuits);
  for (int n = 1; n <= 3; ++n) {
    const int bit = 1 << (n - 1);
    if ((sirenUse & bit) != 0 && (monitored & bit) == 0 &&
        !Question(kQuestionSirenMonitoring,
                  StringPrintf("%s > %s\n\n%s: %d\n%s", T(kTextParameters), T(kTextControl), T(kTextSirenCircuit), n,
                               OrEmpty(GetMessage(kQuestionSirenMonitoring)))))
      return false;
  }
  return true;
}

bool ConfigurationChecks::CheckRelayTextRecord(const RelayTextRecord& r) {
  return InRange(r.ModuleKind(), 0, 2) && InRange(r.CardAddress(), 0, 8);
}

bool ConfigurationChecks::CheckRelayTexts() {
  for (auto it = c_.relayTexts.begin(); it != c_.relayTexts.end();) {
    it->UpdateChecksum();
    it = CheckRelayTextRecord(*it) ? std::next(it) : c_.relayTexts.erase(it);
  }
  return true;
}

bool ConfigurationChecks::CheckFixedBlock(BlockType type) {
  auto& b = c_.fixedBlocks;
  auto dossierFault = [&](int blockText) {
    Fault(kFaultInvalidValue, StringPrintf("%s > %s - %s\n\n%s\n\n%s", T(kTextParameters), T(kTextDossier),
                                           T(blockText), F(kFaultInvalidValue), F(kFaultNotSent)));
    return false;
  };
  switch (type) {
    case BlockType::Customer: Zero(b.customer, CustomerBlock::kReserved, CustomerBlock::kReservedWidth); return true;
    case BlockType::Installation: {
      using I = InstallationBlock;
      Zero(b.installation, I::kReserved, I::kReservedWidth);
      const auto& r = b.installation;
      if (!InRange(r.Signed(I::kCommissioningYear), 0, 99) || !InRange(r.Signed(I::kCommissioningMonth), 1, 12) ||
          !InRange(r.Signed(I::kCommissioningDay), 1, 31))
        return dossierFault(kTextCommissioning);
      return true;
    }
    case BlockType::Accessory: {
      using B = AccessoryBlock;
      Zero(b.accessory, B::kReserved, B::kReservedWidth);
      if (!AllInRange(b.accessory, {B::kSirens, B::kBuzzers, B::kFlashLights, B::kDoorMagnets}, 0, 99) ||
          !InRange(b.accessory.Signed(B::kTelephoneDialler), 0, 1))
        return dossierFault(kTextAccessories);
      return true;
    }
    case BlockType::Repeater: Zero(b.repeater, RepeaterBlock::kReserved, RepeaterBlock::kReservedWidth); return true;
    case BlockType::PeripheryVersion:
      Zero(b.peripheryVersion, PeripheryVersionBlock::kReserved, PeripheryVersionBlock::kReservedWidth);
      return true;
    default: return true;
  }
}

bool ConfigurationChecks::CheckFixedBlocks() {
  for (BlockType type : kFixedBlockOrder) {
    if (!CheckFixedBlock(type)) return false;
    RecordChecksum(c_.fixedBlocks.BytesOf(type));
  }
  return true;
}

} // namespace kx700
