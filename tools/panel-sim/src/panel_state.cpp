#include "panelsim/panel_state.h"

namespace panelsim {

PanelState RealisticPanel() {
  PanelState p;
  FillText(p.identification, "KX700 simulator");
  p.panelNumber = 1;
  FillText(p.panelName, "Demo centrale");
  p.firmwareMajor = 1;
  p.firmwareMinor = 1;
  p.minProgramMinor = 2;
  p.firmwareBuild = 7;
  p.technicianCode = {'T', '4', '2'};
  p.language = 1;

  struct LoopSetup {
    int value;
    std::int8_t state;
    bool inService;
    bool inTest;
    const char* text;
  };
  constexpr LoopSetup kLoops[] = {
      {3, 0, true, false, "Kelder"},       {4, 0, true, false, "Gelijkvloers"}, {3, 0, true, true, "Verdieping 1"},
      {0, 1, true, false, "Verdieping 2"}, {3, 0, false, false, "Zolder"},      {5, 0, true, false, "Parking"},
  };
  int n = 1;
  for (const auto& s : kLoops) {
    auto& loop = p.Loop(n);
    loop.value = s.value;
    loop.state = s.state;
    loop.inService = s.inService;
    loop.inTest = s.inTest;
    loop.flags = kLoopAnswers;
    FillText(p.texts[static_cast<std::uint8_t>(n)], s.text);
    ++n;
  }

  // Periphery states (0 absent, 1 present and OK, other: present with a fault)
  // and firmware versions as major, minor pairs. Relay card 3 is present but
  // faulty and reports no version.
  p.records16[0] = {};
  p.records16[32] = {1, 1};
  p.records16[20] = {1, 1, 2};
  p.records16[19] = {1};
  p.records32[0] = {};
  p.records32[32] = {1, 1, 1, 0};
  p.records32[20] = {1, 4, 1, 2, 0, 0};
  p.records32[19] = {1, 2};
  return p;
}

} // namespace panelsim
