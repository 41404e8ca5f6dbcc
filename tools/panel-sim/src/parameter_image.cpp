#include "panelsim/parameter_image.h"

#include <algorithm>
#include <array>
#include <string>

#include "panelsim/panel_state.h"

namespace panelsim {
namespace {

// Byte offsets of the records, as far as the images below fill them.
namespace loop {
constexpr std::size_t kActive = 1, kNumber = 2, kName = 3, kKind = 23, kUpper = 24, kUpperText = 25, kLower = 36,
                      kLowerText = 37, kFault = 48, kFaultText = 49, kShort = 60, kWarning = 62, kIntervention = 63,
                      kControl = 65, kComposition = 66;
constexpr std::size_t kNameWidth = 18, kLevelTextWidth = 10;
} // namespace loop

namespace central {
constexpr std::size_t kName = 1, kProject = 22, kEvacuationMinutes = 43, kOperatingCode = 45, kGeneralControl = 54,
                      kAlertControl = 55, kSilenceControls = 56, kMonitoredSirens = 64, kRepeaters = 65,
                      kAdvancedCode = 67, kFirmware = 84;
constexpr std::size_t kNameWidth = 20, kSilenceSlots = 8;
} // namespace central

namespace control {
constexpr std::size_t kNumber = 1, kName = 2, kType = 18, kEvents = 19, kEventSize = 7;
constexpr std::size_t kNameWidth = 15, kRows = 8;
} // namespace control

namespace relay_text {
constexpr std::size_t kSequence = 1, kModule = 2, kCard = 3, kTexts = 4, kTextWidth = 18, kOutputs = 8;
} // namespace relay_text

namespace customer {
constexpr std::size_t kName = 1, kAddress = 27, kPhone = 78, kMail = 99, kContact = 150, kInstaller = 176;
} // namespace customer

namespace installation {
constexpr std::size_t kTechnician = 1, kYear = 27, kMonth = 28, kDay = 29, kQuiescent = 30, kAlarmCurrent = 36,
                      kBattery = 42, kProduction = 49;
} // namespace installation

namespace repeater {
constexpr std::size_t kVersions = 1, kLocations = 17, kLocationStride = 19, kLocationWidth = 18;
} // namespace repeater

namespace versions {
constexpr std::size_t kPowerSupply = 1, kRelayCards = 3;
} // namespace versions

constexpr std::size_t kNotesText = 1, kNotesWidth = 250;

// Control types and the event codes the images use.
constexpr int kLoopControl = 0, kGeneralControl = 1, kAlertControl = 2, kSilenceControl = 3;
// The events each control type offers: silence 1, warning 2, alarm 5, fault 8, power fault 9.
constexpr int kEventSilence = 1, kEventWarning = 2, kEventAlarm = 5, kEventFault = 8, kEventPowerFault = 9;
// Output modules: the base relays, outputs 1-8 and 9-16 of a relay card.
constexpr int kBaseRelays = 0, kCardLow = 1, kCardHigh = 2;
constexpr std::uint8_t kSirenCircuits = 0x07; // base relays 1..3, in the low nibble
constexpr std::uint8_t kTransmission = 0x08;  // base relay 4, in the low nibble
constexpr std::uint8_t kFailSafe = 0x08;      // base relay 8, in the high nibble

// One record being filled in.
class Record {
public:
  explicit Record(std::uint8_t tag) : bytes_(RecordSize(tag).value_or(0), 0) {}
  Record& Set(std::size_t at, int value) {
    bytes_.at(at) = static_cast<std::uint8_t>(value);
    return *this;
  }
  // Bounded by its width; the byte after a field is the record's own NUL.
  Record& Text(std::size_t at, std::size_t width, std::string_view text) {
    for (std::size_t i = 0; i < width && i < text.size(); ++i) bytes_.at(at + i) = static_cast<std::uint8_t>(text[i]);
    return *this;
  }
  Record& EventRow(std::size_t row, int code, int module, int card, std::uint8_t high, std::uint8_t low) {
    const std::size_t at = control::kEvents + row * control::kEventSize;
    return Set(at, code).Set(at + 1, module).Set(at + 3, card).Set(at + 4, high).Set(at + 5, low);
  }
  RecordBytes Take() { return std::move(bytes_); }

private:
  RecordBytes bytes_;
};

struct LoopSetup {
  const char* name;
  int kind; // 0 standard, 1 pre-alarm
  int control;
  std::array<std::uint8_t, 4> composition; // two (detector kind, count) pairs
};

RecordBytes LoopRecord(int number, const LoopSetup& s) {
  Record r(tag::kLoop);
  r.Set(loop::kActive, 1).Set(loop::kNumber, number).Text(loop::kName, loop::kNameWidth, s.name);
  r.Set(loop::kKind, s.kind).Set(loop::kUpper, 15).Text(loop::kUpperText, loop::kLevelTextWidth, "ALARM");
  if (s.kind == 1) {
    r.Set(loop::kLower, 10).Text(loop::kLowerText, loop::kLevelTextWidth, "VOORALARM");
  } else {
    r.Set(loop::kLower, 15).Text(loop::kLowerText, loop::kLevelTextWidth, "ALARM");
  }
  r.Set(loop::kFault, 1).Text(loop::kFaultText, loop::kLevelTextWidth, "ONDERBREK.");
  r.Set(loop::kShort, 60).Set(loop::kWarning, 1).Set(loop::kIntervention, 3).Set(loop::kControl, s.control);
  for (std::size_t i = 0; i < s.composition.size(); ++i) r.Set(loop::kComposition + i, s.composition[i]);
  return r.Take();
}

RecordBytes CentralRecord(std::string_view name, std::string_view project, int silenceControls, int repeaters,
                          int relayCards) {
  Record r(tag::kCentral);
  r.Text(central::kName, central::kNameWidth, name).Text(central::kProject, central::kNameWidth, project);
  r.Set(central::kEvacuationMinutes, 2).Text(central::kOperatingCode, 4, "9738");
  r.Set(central::kGeneralControl, 1).Set(central::kAlertControl, 2);
  for (int i = 0; i < silenceControls; ++i) r.Set(central::kSilenceControls + static_cast<std::size_t>(i), 3 + i);
  r.Set(central::kMonitoredSirens, kSirenCircuits).Set(central::kRepeaters, repeaters);
  r.Set(kCentralRelayCards, relayCards).Text(central::kAdvancedCode, 4, "9871");
  r.Set(central::kFirmware, 1).Set(central::kFirmware + 1, 1).Set(central::kFirmware + 2, 7);
  return r.Take();
}

Record ControlRecord(int number, std::string_view name, int type) {
  Record r(tag::kControl);
  r.Set(control::kNumber, number).Text(control::kName, control::kNameWidth, name).Set(control::kType, type);
  return r;
}

// The general, alert and silence controls every configuration has; they pass
// the program's relay checks: the FAIL SAFE relay only on faults, the
// transmission relay only for the alert control, sirens monitored.
void AddMainControls(ImageBuilder& b, std::string_view general, std::string_view alert) {
  b.Add(tag::kControl, ControlRecord(1, general, kGeneralControl)
                           .EventRow(0, kEventAlarm, kBaseRelays, 0, 0, kSirenCircuits)
                           .EventRow(1, kEventFault, kBaseRelays, 0, kFailSafe, 0)
                           .EventRow(2, kEventPowerFault, kBaseRelays, 0, kFailSafe, 0)
                           .Take());
  b.Add(tag::kControl,
        ControlRecord(2, alert, kAlertControl).EventRow(0, kEventWarning, kBaseRelays, 0, 0, kTransmission).Take());
}

RecordBytes SilenceControl(int number, std::string_view name) {
  return ControlRecord(number, name, kSilenceControl)
      .EventRow(0, kEventSilence, kBaseRelays, 0, 0, kSirenCircuits)
      .Take();
}

RecordBytes RelayTexts(int sequence, int module, int card, const std::array<std::string_view, 8>& texts) {
  Record r(tag::kRelayText);
  r.Set(relay_text::kSequence, sequence).Set(relay_text::kModule, module).Set(relay_text::kCard, card);
  for (std::size_t k = 0; k < relay_text::kOutputs; ++k) {
    r.Text(relay_text::kTexts + k * relay_text::kTextWidth, relay_text::kTextWidth, texts[k]);
  }
  return r.Take();
}

struct Dossier {
  std::string_view customer, address, phone, mail, contact, installer;
  std::string_view technician, quiescent, alarmCurrent, battery, production;
  std::array<int, 3> commissioned; // year modulo 100, month, day
  std::array<int, 5> accessories;  // sirens, buzzers, flash lights, door magnets, dialler
  std::array<std::string_view, 8> repeaterLocations;
  std::array<std::uint8_t, 16> repeaterVersions;
  std::array<std::uint8_t, 2> powerSupplyVersion;
  std::array<std::uint8_t, 16> relayCardVersions;
  std::string_view notes;
};

void AddFixedBlocks(ImageBuilder& b, const Dossier& d) {
  Record p(tag::kCustomer);
  p.Text(customer::kName, 25, d.customer).Text(customer::kAddress, 50, d.address).Text(customer::kPhone, 20, d.phone);
  p.Text(customer::kMail, 50, d.mail)
      .Text(customer::kContact, 25, d.contact)
      .Text(customer::kInstaller, 25, d.installer);
  b.Add(tag::kCustomer, p.Take());

  Record i(tag::kInstallation);
  i.Text(installation::kTechnician, 25, d.technician);
  i.Set(installation::kYear, d.commissioned[0]).Set(installation::kMonth, d.commissioned[1]);
  i.Set(installation::kDay, d.commissioned[2]).Text(installation::kQuiescent, 5, d.quiescent);
  i.Text(installation::kAlarmCurrent, 5, d.alarmCurrent).Text(installation::kBattery, 6, d.battery);
  i.Text(installation::kProduction, 9, d.production);
  b.Add(tag::kInstallation, i.Take());

  Record a(tag::kAccessory);
  for (std::size_t k = 0; k < d.accessories.size(); ++k) a.Set(1 + k, d.accessories[k]);
  b.Add(tag::kAccessory, a.Take());

  Record h(tag::kRepeater);
  for (std::size_t k = 0; k < d.repeaterVersions.size(); ++k) h.Set(repeater::kVersions + k, d.repeaterVersions[k]);
  for (std::size_t k = 0; k < d.repeaterLocations.size(); ++k) {
    h.Text(repeater::kLocations + k * repeater::kLocationStride, repeater::kLocationWidth, d.repeaterLocations[k]);
  }
  b.Add(tag::kRepeater, h.Take());

  Record v(tag::kPeripheryVersion);
  v.Set(versions::kPowerSupply, d.powerSupplyVersion[0]).Set(versions::kPowerSupply + 1, d.powerSupplyVersion[1]);
  for (std::size_t k = 0; k < d.relayCardVersions.size(); ++k) v.Set(versions::kRelayCards + k, d.relayCardVersions[k]);
  b.Add(tag::kPeripheryVersion, v.Take());

  Record n(tag::kNotes);
  n.Text(kNotesText, kNotesWidth, d.notes);
  b.Add(tag::kNotes, n.Take());
}

// `text` repeated up to `width` characters: a field filled to the brim.
std::string Full(std::string_view text, std::size_t width) {
  std::string s;
  while (s.size() < width) s += text;
  s.resize(width);
  return s;
}

} // namespace

std::optional<std::size_t> RecordSize(std::uint8_t t) {
  switch (t) {
    case tag::kLoop: return 76;
    case tag::kCentral: return 87;
    case tag::kControl: return 75;
    case tag::kRelayText: return 148;
    case tag::kCustomer: return 227;
    case tag::kInstallation: return 70;
    case tag::kAccessory: return 26;
    case tag::kRepeater: return 174;
    case tag::kPeripheryVersion: return 51;
    case tag::kNotes: return 252;
    default: return std::nullopt;
  }
}

ImageBuilder& ImageBuilder::Add(std::uint8_t t, RecordBytes record) {
  const auto size = RecordSize(t);
  if (!size || record.size() != *size) return *this;
  record[0] = 0;
  std::uint8_t x = 0;
  for (auto b : record) x ^= b;
  record[0] = x & 0x7F;
  for (auto& b : record) {
    if (b >= 0xC0) b = static_cast<std::uint8_t>(b - 0x40);
  }
  if (t != lastTag_) {
    image_.push_back(kHeaderMark);
    image_.push_back(t);
    lastTag_ = t;
  }
  image_.insert(image_.end(), record.begin(), record.end());
  return *this;
}

std::vector<std::uint8_t> ImageBuilder::Finish() {
  image_.push_back(kHeaderMark);
  image_.push_back(tag::kEnd);
  lastTag_ = tag::kEnd;
  return std::move(image_);
}

std::optional<std::vector<ImageRecord>> ReadImage(std::span<const std::uint8_t> image) {
  std::vector<ImageRecord> records;
  std::optional<std::uint8_t> current;
  std::size_t i = 0;
  while (i < image.size()) {
    if (image[i] == kHeaderMark) {
      if (i + 1 >= image.size()) return std::nullopt;
      const std::uint8_t t = image[i + 1];
      i += 2;
      if (t == tag::kEnd) return records;
      if (!RecordSize(t)) return std::nullopt;
      current = t;
      continue;
    }
    if (!current) return std::nullopt;
    const std::size_t size = *RecordSize(*current);
    if (image.size() - i < size) return std::nullopt;
    ImageRecord r{*current, RecordBytes(image.begin() + static_cast<std::ptrdiff_t>(i),
                                        image.begin() + static_cast<std::ptrdiff_t>(i + size))};
    // A header mark inside a record means the record was cut short.
    if (std::find(r.bytes.begin(), r.bytes.end(), kHeaderMark) != r.bytes.end()) return std::nullopt;
    for (auto& b : r.bytes) {
      if (b >= 0x80 && b <= 0xBF) b = static_cast<std::uint8_t>(b + 0x40);
    }
    records.push_back(std::move(r));
    i += size;
  }
  return std::nullopt;
}

std::optional<int> RelayCardCount(std::span<const std::uint8_t> image) {
  const auto records = ReadImage(image);
  if (!records) return std::nullopt;
  for (const auto& r : *records) {
    if (r.tag == tag::kCentral) return static_cast<std::int8_t>(r.bytes[kCentralRelayCards]);
  }
  return std::nullopt;
}

std::vector<std::uint8_t> RealisticImage() {
  ImageBuilder b;
  // Composition pairs: detector kind (1 optical, 2 rate-of-rise, 3 heat, 5 call point), count.
  const LoopSetup loops[] = {
      {"Kelder", 0, 4, {1, 6, 5, 2}},        {"Gelijkvloers", 0, 4, {1, 12, 5, 4}},
      {"Verdieping 1", 1, 0, {1, 10, 5, 3}}, {"Verdieping 2", 1, 0, {1, 10, 5, 3}},
      {"Zolder", 0, 5, {3, 4, 0, 0}},        {"Parking", 0, 5, {2, 8, 5, 2}},
  };
  int number = 1;
  for (const auto& l : loops) b.Add(tag::kLoop, LoopRecord(number++, l));

  b.Add(tag::kCentral, CentralRecord("Demo centrale", "Kantoor Noord", 1, 2, 3));

  AddMainControls(b, "Algemeen", "Evacuatie");
  b.Add(tag::kControl, SilenceControl(3, "Stilte"));
  b.Add(tag::kControl,
        ControlRecord(4, "Deurmagneten", kLoopControl).EventRow(0, kEventAlarm, kCardLow, 1, 0, 0x0F).Take());
  b.Add(tag::kControl, ControlRecord(5, "Ventilatie", kLoopControl)
                           .EventRow(0, kEventAlarm, kCardLow, 2, 0, 0x03)
                           .EventRow(1, kEventAlarm, kCardLow, 3, 0x01, 0)
                           .Take());

  b.Add(tag::kRelayText,
        RelayTexts(1, kBaseRelays, 0,
                   {"Sirene 1", "Sirene 2", "Sirene 3", "Doormelding", "Storing", "", "", "FAIL SAFE"}));
  b.Add(tag::kRelayText, RelayTexts(2, kCardLow, 1,
                                    {"Deurmagneet inkom", "Deurmagneet keuken", "Deurmagneet trap", "Deurmagneet gang",
                                     "", "", "", ""}));
  b.Add(tag::kRelayText, RelayTexts(3, kCardLow, 2, {"Ventilatie stop", "Rookluik trap", "", "", "", "", "", ""}));
  b.Add(tag::kRelayText, RelayTexts(4, kCardLow, 3, {"", "", "", "", "Liften naar 0", "", "", ""}));

  AddFixedBlocks(b, Dossier{
                        .customer = "Brasserie Caf\xE9 Noord", // the 0xE9 travels as 0xA9
                        .address = "Kerkstraat 12\r\n9000 Gent\r\nBelgi\xEB",
                        .phone = "09 123 45 67",
                        .mail = "info@cafenoord.be",
                        .contact = "An Peeters",
                        .installer = "Brandbeveiliging Vos",
                        .technician = "Jan Janssens",
                        .quiescent = "120",
                        .alarmCurrent = "450",
                        .battery = "17",
                        .production = "KX7-01234",
                        .commissioned = {24, 3, 15},
                        .accessories = {6, 2, 3, 4, 1},
                        .repeaterLocations = {"Inkom", "Receptie"},
                        .repeaterVersions = {1, 1, 1, 5},
                        .powerSupplyVersion = {1, 2},
                        .relayCardVersions = {1, 4, 1, 2},
                        .notes = "Jaarlijks nazicht in maart.\r\nSleutel van het technisch lokaal bij de receptie.",
                    });
  return b.Finish();
}

std::vector<std::uint8_t> LargestImage() {
  ImageBuilder b;
  constexpr int kLoops = 16, kControls = 20;
  constexpr int kFirstLoopControl = 3 + static_cast<int>(central::kSilenceSlots);
  for (int n = 1; n <= kLoops; ++n) {
    const std::string name = Full("Lus " + std::to_string(n) + " ", loop::kNameWidth);
    const int control = kFirstLoopControl + (n - 1) % (kControls - kFirstLoopControl + 1);
    b.Add(tag::kLoop, LoopRecord(n, LoopSetup{name.c_str(), n % 2, control, {1, 20, 5, 4}}));
  }
  b.Add(tag::kCentral,
        CentralRecord(Full("Centrale groot ", central::kNameWidth), Full("Project maximum ", central::kNameWidth),
                      static_cast<int>(central::kSilenceSlots), kMaxRelayCards, kMaxRelayCards));

  AddMainControls(b, Full("Algemeen ", control::kNameWidth), Full("Evacuatie ", control::kNameWidth));
  for (int n = 3; n < kFirstLoopControl; ++n) {
    b.Add(tag::kControl, SilenceControl(n, Full("Stilte " + std::to_string(n) + " ", control::kNameWidth)));
  }
  for (int n = kFirstLoopControl; n <= kControls; ++n) {
    Record r = ControlRecord(n, Full("Sturing " + std::to_string(n) + " ", control::kNameWidth), kLoopControl);
    for (std::size_t row = 0; row < control::kRows; ++row) {
      const int card = static_cast<int>(row) + 1;
      r.EventRow(row, kEventAlarm, n % 2 ? kCardLow : kCardHigh, card, 0x0F, 0x0F);
    }
    b.Add(tag::kControl, r.Take());
  }

  int sequence = 1;
  const auto texts = [](const std::string& prefix) {
    std::array<std::string, 8> t;
    for (std::size_t k = 0; k < t.size(); ++k) t[k] = Full(prefix + " uitgang " + std::to_string(k + 1) + " ", 18);
    return t;
  };
  const auto add = [&](int module, int card) {
    const auto t = texts(card == 0 ? "Basis" : "Kaart " + std::to_string(card));
    b.Add(tag::kRelayText, RelayTexts(sequence++, module, card, {t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]}));
  };
  add(kBaseRelays, 0);
  for (int card = 1; card <= kMaxRelayCards; ++card) {
    add(kCardLow, card);
    add(kCardHigh, card);
  }

  const std::string customer = Full("Caf\xE9 ", 25), address = Full("Kerkstraat 1\r\n", 50);
  const std::string notes = Full("Nazicht volgens contract.\r\n", kNotesWidth);
  const std::string location = Full("Nevenpaneel ", repeater::kLocationWidth);
  AddFixedBlocks(
      b, Dossier{
             .customer = customer,
             .address = address,
             .phone = Full("0", 20),
             .mail = Full("x", 50),
             .contact = Full("Contact ", 25),
             .installer = Full("Installateur ", 25),
             .technician = Full("Technicus ", 25),
             .quiescent = "99999",
             .alarmCurrent = "99999",
             .battery = "999999",
             .production = "999999999",
             .commissioned = {99, 12, 31},
             .accessories = {99, 99, 99, 99, 1},
             .repeaterLocations = {location, location, location, location, location, location, location, location},
             .repeaterVersions = {1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9},
             .powerSupplyVersion = {1, 9},
             .relayCardVersions = {1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9},
             .notes = notes,
         });
  return b.Finish();
}

} // namespace panelsim
