#include "panelsim/panel_state.h"

#include <algorithm>

#include "panelsim/parameter_image.h"

namespace panelsim {
namespace {

// Civil date to days since 1970-01-01 and back (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::array<std::int64_t, 3> CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

std::int64_t ToSeconds(const std::array<std::uint8_t, 6>& t) {
  const std::int64_t days = DaysFromCivil(2000 + t[0], std::clamp<unsigned>(t[1], 1, 12), std::max<unsigned>(t[2], 1));
  return days * 86400 + t[3] * 3600 + t[4] * 60 + t[5];
}

std::array<std::uint8_t, 6> FromSeconds(std::int64_t s) {
  const std::int64_t days = s >= 0 ? s / 86400 : (s - 86399) / 86400;
  const std::int64_t rest = s - days * 86400;
  const auto [y, m, d] = CivilFromDays(days);
  const auto u8 = [](std::int64_t v) { return static_cast<std::uint8_t>(v); };
  return {u8((y % 100 + 100) % 100), u8(m), u8(d), u8(rest / 3600), u8(rest / 60 % 60), u8(rest % 60)};
}

struct Happening {
  const char* event;
  const char* info;
  int minutesBefore; // how long before the entry above it
};

// Newest first, as the panel reports them; repeated for longer logbooks.
constexpr Happening kHappenings[] = {
    {"RESET", "Centrale", 3},
    {"STILTE", "", 2},
    {"ALARM", "Lus 3 Verdieping 1", 45},
    {"FOUT HERSTELD", "Voeding", 180},
    {"NETFOUT", "Voeding", 20},
    {"TECHNICUS UIT", "Code T42", 35},
    {"LUS IN DIENST", "Lus 5 Zolder", 10},
    {"LUS UIT DIENST", "Lus 5 Zolder", 50},
    {"TECHNICUS AAN", "Code T42", 21000},
    {"RESET", "Centrale", 4},
    {"VOORALARM", "Lus 4 Verdieping 2", 1},
    {"FOUT HERSTELD", "Lus 4 Verdieping 2", 90},
    {"FOUT", "Lus 4 onderbreking", 240},
    {"FOUT", "Relaiskaart 3 caf\xE9", 1440},
    {"PARAMETERS", "Nieuwe configuratie", 30},
    {"RESET", "Centrale", 5},
    {"ALARM", "Lus 1 Kelder \xE9\xE9n", 700},
    {"BATTERIJFOUT", "", 26000},
};

} // namespace

std::vector<LogbookEntry> MakeLogbook(std::size_t count, const std::array<std::uint8_t, 6>& newest) {
  count = std::min(count, kLogbookCapacity);
  std::vector<LogbookEntry> entries;
  entries.reserve(count);
  std::int64_t t = ToSeconds(newest);
  constexpr std::size_t kKinds = std::size(kHappenings);
  for (std::size_t i = 0; i < count; ++i) {
    const auto& h = kHappenings[i % kKinds];
    entries.push_back(LogbookEntry{FromSeconds(t), h.event, h.info});
    t -= std::int64_t{h.minutesBefore} * 60 + static_cast<std::int64_t>(i * 13 % 47);
  }
  return entries;
}

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
  // and firmware versions as major, minor pairs, one device of each verdict
  // against the panel's 1.01: repeater 1, card 1 and the power supply up to
  // date, card 2 due for an update, repeater 2 on a version the program does
  // not know yet, and card 3 present but faulty, reporting no version.
  p.records16[0] = {};
  p.records16[32] = {1, 1};
  p.records16[20] = {1, 1, 2};
  p.records16[19] = {1};
  p.records32[0] = {};
  p.records32[32] = {1, 1, 1, 5};
  p.records32[20] = {1, 4, 1, 2, 0, 0};
  p.records32[19] = {1, 2};

  p.image = RealisticImage();
  p.relayCards = 3;
  p.cardResults[3] = card_state::kError;
  p.logbook = MakeLogbook(36);
  return p;
}

} // namespace panelsim
