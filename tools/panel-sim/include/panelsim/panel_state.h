#pragma once

#include <array>
#include <cstdint>
#include <map>
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

// A panel to try the program with: six loops in use (one in test, one out of
// service, one open), loop texts, two repeater panels, three relay cards and
// the power supply controller with their firmware versions.
PanelState RealisticPanel();

} // namespace panelsim
