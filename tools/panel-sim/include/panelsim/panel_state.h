#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace panelsim {

inline constexpr int kLoopCount = 16;

// One detection loop as the analog answer reports it.
struct AnalogLoop {
  int value = 999;         // tenths of a volt, 0..999 on the line; above 255 = no valid value
  std::int8_t state = 127; // 0 rest, 1 open, 2 pre-alarm, 3 alarm, 4 alarm+, 5 short circuit, 127 unknown
  bool inService = true;
  bool inTest = false;
  std::uint8_t flags = 0; // bit 0: the loop answers; bit 1: the loop is in alarm
};

inline constexpr std::uint8_t kLoopAnswers = 0x01;
inline constexpr std::uint8_t kLoopInAlarm = 0x02;

// One logbook entry as the panel reports it.
struct LogbookEntry {
  // Year modulo 100, month, day, hour, minute, second.
  std::array<std::uint8_t, 6> time{};
  std::string event; // up to 21 characters on a real panel
  std::string info;  // up to 24 characters on a real panel

  bool operator==(const LogbookEntry&) const = default;
};

// The panel keeps this many logbook entries; it reports no more.
inline constexpr std::size_t kLogbookCapacity = 500;

// How programming a relay card ends (answer 38, byte 6).
namespace card_state {
inline constexpr std::uint8_t kOk = 0;
inline constexpr std::uint8_t kUnknown = 1;
inline constexpr std::uint8_t kError = 2;
inline constexpr std::uint8_t kNoCommunication = 3;
// Not a state on the line: the card never reports, not even its progress.
inline constexpr std::uint8_t kSilent = 0xFF;
} // namespace card_state

inline constexpr int kMaxRelayCards = 8;

// Everything the simulated panel knows. Texts are fixed-width byte fields
// exactly as the panel sends them (see FillText); tests may set any byte.
struct PanelState {
  // Identification (answer 49).
  std::array<std::uint8_t, 20> identification{};
  int panelNumber = 1; // 0..99
  std::array<std::uint8_t, 20> panelName{};
  int firmwareMajor = 1;            // 0..99
  int firmwareMinor = 1;            // 0..99
  std::uint8_t minProgramMinor = 2; // the lowest program minor version the panel works with
  std::uint8_t firmwareBuild = 0;

  bool technicianMode = false;
  std::array<std::uint8_t, 3> technicianCode{'0', '0', '0'};

  std::uint8_t language = 1; // 1 Dutch, 2 French, 3 English
  // Year modulo 100, month, day, hour, minute, second: the order of the set-clock request.
  std::array<std::uint8_t, 6> clock{26, 1, 1, 12, 0, 0};

  std::array<AnalogLoop, kLoopCount> loops{}; // loops[0] is loop 1
  bool sirensOut = false;                     // the secured siren circuits are out of service
  bool transmissionOut = false;               // the transmission output is out of service

  std::map<std::uint8_t, std::array<std::uint8_t, 18>> texts;     // by text index (loop number)
  std::map<std::uint8_t, std::array<std::uint8_t, 16>> records16; // by record number
  std::map<std::uint8_t, std::array<std::uint8_t, 32>> records32; // by record number

  // The parameter image exactly as it travels in the data blocks (see
  // parameter_image.h); a download replaces it, an upload sends it.
  std::vector<std::uint8_t> image;
  // In the order the panel reports them, the newest first; only the first
  // kLogbookCapacity are reported.
  std::vector<LogbookEntry> logbook;
  // Relay cards 1..relayCards exist; a download takes the count from its
  // central record. Programming a card that does not exist ends in "no
  // communication"; an existing card ends as listed here, or OK.
  int relayCards = 0;
  std::map<int, std::uint8_t> cardResults; // by card number

  // What reached the panel, for tests that drive the program.
  int silences = 0;
  int resets = 0;
  std::vector<std::array<std::uint8_t, 7>> controlTests; // payloads of the control test requests

  AnalogLoop& Loop(int number) { return loops.at(static_cast<std::size_t>(number - 1)); }
  const AnalogLoop& Loop(int number) const { return loops.at(static_cast<std::size_t>(number - 1)); }
};

inline bool IsLoopNumber(int n) { return n >= 1 && n <= kLoopCount; }

// Writes `text` into a fixed field, cut at its width and padded with NUL; a
// text of the full width carries no terminator.
template <std::size_t N>
void FillText(std::array<std::uint8_t, N>& field, std::string_view text) {
  field.fill(0);
  for (std::size_t i = 0; i < N && i < text.size(); ++i) field[i] = static_cast<std::uint8_t>(text[i]);
}

// `count` logbook entries (at most kLogbookCapacity), the newest first, the
// newest at `newest`, older ones minutes to hours apart: alarms, faults,
// silences and resets on the loops, relay cards and power supply.
std::vector<LogbookEntry> MakeLogbook(std::size_t count,
                                      const std::array<std::uint8_t, 6>& newest = {26, 1, 1, 11, 42, 7});

// A panel to try the program with: six loops in use (one in test, one out of
// service, one open), loop texts, two repeater panels, three relay cards (the
// third faulty: its programming ends in an error) and the power supply
// controller with their firmware versions, the configuration of
// RealisticImage() and a logbook of 36 entries.
PanelState RealisticPanel();

} // namespace panelsim
