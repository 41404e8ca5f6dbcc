#pragma once

#include <cstdint>
#include <list>
#include <span>

#include "model/records.h"
#include "model/version.h"

namespace kx700 {

// Fixed-block parts for IsBlockEmpty: 4 = all six, 5..10 = one block by type.
constexpr int kAllFixedBlocks = 4;

// One panel configuration: what a file holds and what goes to and comes from
// the panel. A value: copying it copies every record, and two configurations
// compare equal byte for byte.
struct Configuration {
  // -1 when the configuration does not come from a panel.
  int sourcePanelNumber = -1;
  // 0.00;00 = none: the effective version then decides.
  VersionTriple version;

  // In stream order; the editor re-sorts them by number. Elements keep their
  // identity while the list changes around them.
  std::list<LoopRecord> loops;
  CentralRecord central;
  std::list<ControlRecord> controls;
  std::list<RelayTextRecord> relayTexts;
  FixedBlocks fixedBlocks;

  Configuration() { SetDefaults(); }

  // A new configuration: no records, general parameters at their defaults,
  // fixed blocks zeroed, no version, not from a panel.
  void SetDefaults();
  // Drops every record and sets the defaults.
  void ClearParameters() { SetDefaults(); }

  // Whether any configuration data is present: a loop, control or relay-text
  // record, or a fixed block that is not empty. The central record does not
  // count. Computed each time, never cached.
  bool HoldsData() const;
  // The empty test of the fixed blocks (kAllFixedBlocks or one block type);
  // any other part counts as empty.
  bool IsBlockEmpty(int part) const;

  // Stores one record of a type as it stands: loops, controls and relay texts
  // are appended, the central record and the fixed blocks overwritten. False
  // for the end, type 4 or an unknown type, or bytes of the wrong size.
  bool StoreBlock(BlockType type, std::span<const std::uint8_t> record);

  // Number below 1: true unless a general control (type 1) is asked for.
  // Otherwise the first control with that number decides.
  bool HasControl(int number, int controlType) const;
  const ControlRecord* FindControl(int number) const;
  ControlRecord* FindControl(int number);
  // 0 stands for "no loop" and exists.
  bool LoopExists(int number) const;

  bool operator==(const Configuration&) const = default;
};

// List operations of the editor pages.
template <typename R>
typename std::list<R>::iterator InsertAfter(std::list<R>& list, typename std::list<R>::iterator node, R record) {
  return list.insert(node == list.end() ? list.begin() : std::next(node), std::move(record));
}

// Stable sort by number, compared signed: equal numbers keep their order.
template <typename R>
void SortByNumber(std::list<R>& list) {
  list.sort([](const R& a, const R& b) { return a.Number() < b.Number(); });
}

} // namespace kx700
