#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/page_view.h"
#include "model/records.h"
#include "model/version.h"

// The control page's values and how they map to the bytes of a control
// record; the rules of its eight event rows.
namespace kx700 {

enum class ControlType : int { Loop = 0, General = 1, AlertEvacuation = 2, Silence = 3 };

// One event row as the page shows it.
struct ControlRow {
  int event = 0;           // the event code
  int module = 0;          // the output module kind; -1 for none chosen
  int address = 0;         // index of the card address (address - 1); -1 for none
  std::uint8_t relays = 0; // bit n-1 = relay n of the module
  bool operator==(const ControlRow&) const = default;
};

struct ControlForm {
  int number = 1;
  std::string name;
  int type = 0; // -1 for none chosen
  std::array<ControlRow, ControlRecord::kEventCount> rows{};
  bool operator==(const ControlForm&) const = default;
};

// The record's values for the page: the name cut at its width without
// trailing blanks; a row's address only for a relay card (else the first);
// relays only for a known module.
ControlForm LoadControl(const ControlRecord& record);
// Every byte but the checksum from the page's values: a row's relays only for
// a known module, its address as the card number (0 for none).
void StoreControl(const ControlForm& form, ControlRecord& record);
// A new control numbered `number`: a general control when it is the first,
// else a loop control; every row without an event, on the base relays.
ControlRecord NewControl(int number, bool first);

// The control types (index = type), the module kinds (index = kind), and the
// events a type offers at a version ("Geen" first).
std::vector<ChoiceItem> ControlTypeItems();
std::vector<ChoiceItem> OutputModuleItems();
std::vector<ChoiceItem> ControlEventItems(int type, const VersionTriple& version);
// The text of a type, shown once a row has an event; "" for an unknown type.
std::string ControlTypeText(int type);
// A relay box's caption: its relay number (9..16 on the upper card half) when
// checked, a blank when not.
std::string RelayCaption(int module, int box, bool checked);

// What a row shows: with a current control the event is offered; a row with
// an event (any choice but "Geen") shows its module and relays, and its card
// address on a relay card.
struct ControlRowState {
  bool labelEnabled = false;
  bool eventEnabled = false;
  bool moduleShown = false;
  bool addressShown = false;
  bool relaysShown = false;
  bool operator==(const ControlRowState&) const = default;
};
ControlRowState ControlRowRules(bool hasCurrent, int eventIndex, int moduleIndex);

// The control ids of the control page.
namespace control_ids {
inline constexpr ControlId kNumber = 1074;
inline constexpr ControlId kName = 1157;
inline constexpr ControlId kType = 1158;
inline constexpr ControlId kTypeText = 1170;
inline constexpr ControlId kRelayText = 1297;
inline constexpr ControlId RowLabel(int row) { return 1171 + row; } // rows 0..7
inline constexpr ControlId Event(int row) { return 1160 + row; }
inline constexpr ControlId Module(int row) { return 1077 + row; }
inline constexpr ControlId Address(int row) { return 1085 + row; } // "Adres 1".."Adres 8"
inline constexpr ControlId Relay(int row, int box) { return 1093 + 8 * row + box; }
} // namespace control_ids

} // namespace kx700
