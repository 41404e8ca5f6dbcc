#pragma once

#include <array>
#include <list>
#include <string>

#include "model/records.h"

// The relay output texts as the parameter editor holds them while the sheet
// is open: a copy of the document's relay-text records, kept in module order,
// written back as a whole when the sheet closes.
namespace kx700 {

// One output module's texts: the base relays, or outputs 1-8 or 9-16 of a
// relay card.
struct RelInfoEntry {
  bool duplicate = false; // an earlier entry in the sorted list has the same key
  int key = 0;
  int kind = 0; // 0 base relays, 1 relay card 1-8, 2 relay card 9-16
  int card = 0; // relay card address 1..8, 0 for the base relays
  std::array<bool, RelayTextRecord::kTextCount> enabled{};
  std::array<std::string, RelayTextRecord::kTextCount> text;
  bool operator==(const RelInfoEntry&) const = default;
};

// The sort key of a module: kind + card x 100; 0 for a kind above 2 or a card
// above 8.
int MakeKey(int kind, int card);

class RelayTextCopy {
public:
  static constexpr std::size_t kMaxEntries = 7;

  // The document's records in their order, then sorted.
  void LoadFromDocument(const std::list<RelayTextRecord>& records);
  // The entries in their order, numbered from 1, with the texts of the
  // outputs in use only. A record that comes out as it was keeps its bytes.
  void SaveToDocument(std::list<RelayTextRecord>& records) const;
  // Keys recomputed, sorted by key (equal keys keep their order), the later
  // of equal keys marked duplicate.
  void SortRecords();

  // The text of output 1..8 of a module: the first entry of that kind (and,
  // for a relay card, that card) decides; false when there is none or the
  // output is not in use.
  bool GetOutputText(std::string& out, int kind, int card, int output) const;

  std::list<RelInfoEntry>& entries() { return entries_; }
  const std::list<RelInfoEntry>& entries() const { return entries_; }

private:
  std::list<RelInfoEntry> entries_;
};

} // namespace kx700
