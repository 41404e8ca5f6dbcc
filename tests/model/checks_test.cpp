#include "model/checks.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/fake_message_host.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::FakeMessageHost;
using test::MakeControl;
using test::MakeLoop;

constexpr VersionTriple kV100{1, 0, 0};
constexpr VersionTriple kV102{1, 2, 2};

void SetRow(ControlRecord& c, std::size_t row, int code, int module, int card, int relays5to8, int relays1to4) {
  const std::size_t e = ControlRecord::EventOffset(row);
  c.SetByte(e + ControlEvent::kEventCode, code);
  c.SetByte(e + ControlEvent::kModuleKind, module);
  c.SetByte(e + ControlEvent::kCardAddress, card);
  c.SetByte(e + ControlEvent::kRelays5to8, relays5to8);
  c.SetByte(e + ControlEvent::kRelays1to4, relays1to4);
}

// The smallest configuration that passes: one loop, a general control that
// switches the FAIL SAFE relay (base relay 8) on a fault, and at 1.01 or
// later a commissioning date.
Configuration Minimal() {
  Configuration c;
  c.loops.push_back(MakeLoop(1, "Inkom"));
  ControlRecord general = MakeControl(1, "Algemeen", 1);
  SetRow(general, 0, 8, 0, 0, 0x08, 0x00);
  c.controls.push_back(general);
  c.central.SetByte(CentralRecord::kGeneralControl, 1);
  c.central.SetByte(CentralRecord::kRelayCards, 4);
  auto& inst = c.fixedBlocks.installation;
  inst.SetByte(InstallationBlock::kCommissioningYear, 26);
  inst.SetByte(InstallationBlock::kCommissioningMonth, 12);
  inst.SetByte(InstallationBlock::kCommissioningDay, 9);
  return c;
}

// Every record that is sent carries its checksum; relay texts and the fixed
// blocks are sent from 1.01 on.
void ExpectAllChecksumsCorrect(const Configuration& c, bool extended = true) {
  for (const auto& r : c.loops) EXPECT_EQ(r.StoredChecksum(), r.ComputeChecksum()) << "loop " << r.Number();
  for (const auto& r : c.controls) EXPECT_EQ(r.StoredChecksum(), r.ComputeChecksum()) << "control " << r.Number();
  EXPECT_EQ(c.central.StoredChecksum(), c.central.ComputeChecksum());
  if (!extended) return;
  for (const auto& r : c.relayTexts) EXPECT_EQ(r.StoredChecksum(), r.ComputeChecksum()) << "relay text";
  for (BlockType t : kFixedBlockOrder) {
    const auto bytes = c.fixedBlocks.BytesOf(t);
    EXPECT_EQ(bytes[0], ComputeRecordChecksum(bytes)) << BlockTag(t);
  }
}

TEST(Checks, MinimalConfigurationPassesSilentlyAndGetsItsChecksums) {
  for (const VersionTriple& v : {kV100, kV102}) {
    Configuration c = Minimal();
    c.relayTexts.push_back(test::MakeRelayText(1, 1, 2, "Deur"));
    c.relayTexts.front().SetByte(0, 0x55); // a wrong checksum to be mended
    c.loops.front().SetByte(0, 0x55);
    FakeMessageHost host;
    EXPECT_TRUE(ConfigurationChecks(c, v, host).CheckParameters()) << v.minor;
    EXPECT_TRUE(host.boxes().empty()) << (host.boxes().empty() ? "" : host.boxes()[0].text);
    ExpectAllChecksumsCorrect(c, HasExtendedRecords(v));
  }
}

struct Mutation {
  const char* rule;
  std::function<void(Configuration&)> mutate;
  std::vector<MessageAnswer> answers; // to questions, in order
  bool passes;
  std::string caption; // of the one box shown; empty: no box at all
  std::string text;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::Error;
};

const std::string kNotSent = "\n\nDe parameters worden niet verzonden naar de centrale.";
const std::string kInvalid = "Een parameter heeft een ongeldige waarde.";

std::vector<Mutation> Mutations() {
  auto control = [](Configuration& c, ControlRecord r) { c.controls.push_back(r); };
  const std::string q7 =
      "Parameters > Sturing\n\nFAIL SAFE relais (Relais 8 van basisrelais) werd niet "
      "geprogrammeerd!\n\nWilt u doorgaan?";
  const std::string q13 =
      "Parameters > Sturing\n\nBeveiligde sirenekring: 1\nDe beveiligde sirenekring is "
      "gebruikt, maar de monitoring is uitgeschakeld.\n\nWilt u doorgaan?";
  return {
      {"nothing at all",
       [](Configuration& c) { c = Configuration(); },
       {},
       false,
       "Fout 13",
       "Geen parameters aanwezig.\n\nParameters onvolledig!\nDe parameters worden niet verzonden naar de centrale."},
      {"no loops, even with controls",
       [](Configuration& c) { c.loops.clear(); },
       {},
       false,
       "Fout 13",
       "Lusparameters\n\nParameters ontbreken.\n\nParameters onvolledig!\nDe parameters worden niet verzonden naar de "
       "centrale."},
      {"control number out of range",
       [](Configuration& c) { c.controls.front().SetByte(ControlRecord::kNumber, 21); },
       {},
       false,
       "Fout 9",
       "Parameters > Sturing: 21 Algemeen\n\n" + kInvalid + kNotSent},
      {"event code 20 in row 3",
       [&](Configuration& c) {
         ControlRecord s = MakeControl(2, "Stilte", 3);
         SetRow(s, 2, 20, 0, 0, 0, 0);
         control(c, s);
       },
       {},
       false,
       "Fout 9",
       "Parameters > Sturing: 2 Stilte\n\n" + kInvalid + kNotSent},
      {"used row on a relay card that is not there",
       [&](Configuration& c) {
         ControlRecord s = MakeControl(2, "Kaart", 0);
         SetRow(s, 0, 5, 1, 5, 0, 1);
         control(c, s);
       },
       {},
       false,
       "Fout 27",
       "Parameters > Sturing: 2 Kaart\n\nRelaiskaart niet gedefiniëerd." + kNotSent},
      {"warning-evacuation relay switched off by a silence control",
       [&](Configuration& c) {
         ControlRecord alert = MakeControl(2, "Evacuatie", 2);
         SetRow(alert, 0, 2, 0, 0, 0, 0x02);
         ControlRecord silence = MakeControl(3, "Stilte", 3);
         SetRow(silence, 0, 0, 0, 0, 0, 0);
         SetRow(silence, 4, 1, 0, 0, 0, 0x06);
         control(c, alert);
         control(c, silence);
       },
       {},
       false,
       "Fout 29",
       "Parameters > Sturing: 3 Stilte\n\nSturing 'Waarsch.-evacuatie' wordt gedeactiveerd door een stiltesturing" +
           kNotSent},
      {"warning-evacuation relay used by another control",
       [&](Configuration& c) {
         ControlRecord alert = MakeControl(2, "Evacuatie", 2);
         SetRow(alert, 0, 14, 1, 3, 0x01, 0);
         ControlRecord other = MakeControl(3, "Deuren", 0);
         SetRow(other, 0, 5, 1, 3, 0x03, 0);
         control(c, alert);
         control(c, other);
       },
       {},
       false,
       "Fout 32",
       "Parameters > Sturing: 3 Deuren\n\nDubbel gebruik!\nEr wordt een relais aangestuurd,die eveneens voor "
       "waarschuwing of evacuatie in gebruik is.\nDit is niet toegestaan!" +
           kNotSent},
      {"FAIL SAFE relay not programmed, No",
       [](Configuration& c) { SetRow(c.controls.front(), 0, 8, 0, 0, 0, 0x00); },
       {MessageAnswer::No},
       false,
       "Aandacht 7",
       q7,
       MessageButtons::YesNo,
       MessageIcon::Exclamation},
      {"FAIL SAFE relay not programmed, Yes",
       [](Configuration& c) { SetRow(c.controls.front(), 0, 8, 0, 0, 0, 0x00); },
       {MessageAnswer::Yes},
       true,
       "Aandacht 7",
       q7,
       MessageButtons::YesNo,
       MessageIcon::Exclamation},
      {"FAIL SAFE relay switched by another event",
       [&](Configuration& c) {
         ControlRecord other = MakeControl(2, "Lus", 0);
         SetRow(other, 0, 3, 0, 0, 0x08, 0);
         control(c, other);
       },
       {},
       false,
       "Fout 30",
       "Parameters > Sturing: 2 Lus\n\nEnkel foutmeldingen kunnen de FAIL SAFE relais (Relais 8 van basisrelais) "
       "aansturen." +
           kNotSent},
      {"fault relay used by another event",
       [&](Configuration& c) {
         SetRow(c.controls.front(), 1, 9, 0, 0, 0, 0x04);
         ControlRecord other = MakeControl(2, "Lus", 0);
         SetRow(other, 0, 3, 0, 0, 0, 0x04);
         control(c, other);
       },
       {},
       false,
       "Fout 31",
       "Parameters > Sturing: 2 Lus\n\nDubbel gebruik!\nEr wordt een relais aangestuurd, die eveneens voor een "
       "storings- of voedingsfout in gebruik is.\nDit is niet toegestaan!" +
           kNotSent},
      {"fault relays come from loop and general controls only",
       [&](Configuration& c) {
         // A fault of each control kind on its own base relay: those of the
         // warning-evacuation and silence controls stay free for other use.
         SetRow(c.controls.front(), 0, 9, 0, 0, 0, 0x01);
         ControlRecord loop = MakeControl(2, "Lus", 0);
         SetRow(loop, 0, 8, 0, 0, 0x08, 0);
         ControlRecord alert = MakeControl(3, "Evacuatie", 2);
         SetRow(alert, 0, 8, 0, 0, 0, 0x02);
         ControlRecord silence = MakeControl(4, "Stilte", 3);
         SetRow(silence, 0, 9, 0, 0, 0, 0x04);
         ControlRecord doors = MakeControl(5, "Deuren", 0);
         SetRow(doors, 0, 3, 0, 0, 0, 0x06);
         ControlRecord sirens = MakeControl(6, "Sirenes", 0);
         SetRow(sirens, 0, 3, 0, 0, 0, 0x01);
         for (const auto& r : {loop, alert, silence, doors, sirens}) control(c, r);
       },
       {},
       false,
       "Fout 31",
       "Parameters > Sturing: 6 Sirenes\n\nDubbel gebruik!\nEr wordt een relais aangestuurd, die eveneens voor een "
       "storings- of voedingsfout in gebruik is.\nDit is niet toegestaan!" +
           kNotSent},
      {"FAIL SAFE relay switched on a fault by warning-evacuation and silence controls only",
       [&](Configuration& c) {
         SetRow(c.controls.front(), 0, 9, 0, 0, 0, 0x01);
         ControlRecord loop = MakeControl(2, "Lus", 0);
         SetRow(loop, 0, 8, 0, 0, 0, 0x02);
         ControlRecord alert = MakeControl(3, "Evacuatie", 2);
         SetRow(alert, 0, 8, 0, 0, 0x08, 0);
         ControlRecord silence = MakeControl(4, "Stilte", 3);
         SetRow(silence, 0, 9, 0, 0, 0x08, 0);
         for (const auto& r : {loop, alert, silence}) control(c, r);
       },
       {MessageAnswer::No},
       false,
       "Aandacht 7",
       q7,
       MessageButtons::YesNo,
       MessageIcon::Exclamation},
      {"unmonitored siren circuit in use, No",
       [&](Configuration& c) {
         ControlRecord other = MakeControl(2, "Sirenes", 0);
         SetRow(other, 0, 3, 0, 0, 0, 0x01);
         control(c, other);
         c.central.SetByte(CentralRecord::kMonitoredSirenCircuits, 6);
       },
       {MessageAnswer::No},
       false,
       "Aandacht 13",
       q13,
       MessageButtons::YesNo,
       MessageIcon::Exclamation},
      {"unmonitored siren circuit in use, Yes",
       [&](Configuration& c) {
         ControlRecord other = MakeControl(2, "Sirenes", 0);
         SetRow(other, 0, 3, 0, 0, 0, 0x01);
         control(c, other);
         c.central.SetByte(CentralRecord::kMonitoredSirenCircuits, 6);
       },
       {MessageAnswer::Yes},
       true,
       "Aandacht 13",
       q13,
       MessageButtons::YesNo,
       MessageIcon::Exclamation},
      {"backbeep on", [](Configuration& c) { c.central.SetByte(CentralRecord::kBackbeep, 1); }, {}, true, "", ""},
      {"backbeep 2",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kBackbeep, 2); },
       {},
       false,
       "Fout 9",
       "Parameters > Algemeen\n\n" + kInvalid + kNotSent},
      {"direct evacuation switch-over on",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kDirectEvacuationSwitch, 1); },
       {},
       true,
       "",
       ""},
      {"direct evacuation switch-over 2",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kDirectEvacuationSwitch, 2); },
       {},
       false,
       "Fout 9",
       "Parameters > Algemeen\n\n" + kInvalid + kNotSent},
      {"summer/winter time change on",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kSummerWinterTime, 1); },
       {},
       true,
       "",
       ""},
      {"summer/winter time change 2",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kSummerWinterTime, 2); },
       {},
       false,
       "Fout 9",
       "Parameters > Algemeen\n\n" + kInvalid + kNotSent},
      {"evacuation reaction time 0",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kEvacuationReactionTime, 0); },
       {},
       false,
       "Fout 9",
       "Parameters > Algemeen\n\n" + kInvalid + kNotSent},
      {"repeater count 0x80 reads negative",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kRepeaterPanels, 0x80); },
       {},
       false,
       "Fout 9",
       "Parameters > Algemeen\n\n" + kInvalid + kNotSent},
      {"general control number 21",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kGeneralControl, 21); },
       {},
       false,
       "Fout 22",
       "Parameters > Algemeen\n\nGeen algmene sturing!" + kNotSent},
      {"silence slot 25",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kSilenceControls + 3, 25); },
       {},
       false,
       "Fout 23",
       "Parameters > Algemeen\n\nEr is een fout in de stiltesturing!" + kNotSent},
      {"operating code with a letter",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kOperatingCode + 2, 'A'); },
       {},
       false,
       "Fout 35",
       "Parameters > Algemeen\n\nEnkel een cijferwaarde tussen 0 en 9999, wordt als code aanvaard!" + kNotSent},
      {"no general control",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kGeneralControl, 0); },
       {},
       false,
       "Fout 28",
       "Parameters > Algemeen\n\nOnbestaande verwijzing: Algemene sturing" + kNotSent},
      {"warning-evacuation control of the wrong kind",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kAlertControl, 1); },
       {},
       false,
       "Fout 28",
       "Parameters > Algemeen\n\nOnbestaande verwijzing: Waarsch.- evacuatie" + kNotSent},
      {"silence control that does not exist",
       [](Configuration& c) { c.central.SetByte(CentralRecord::kSilenceControls + 7, 9); },
       {},
       false,
       "Fout 28",
       "Parameters > Algemeen\n\nOnbestaande verwijzing: Stiltesturing" + kNotSent},
      {"detection kind 6",
       [](Configuration& c) { c.loops.front().SetByte(LoopRecord::kDetectionKind, 6); },
       {},
       false,
       "Fout 9",
       "Parameters > Lus 1 Inkom\n\n" + kInvalid + kNotSent},
      {"alarm level above short circuit",
       [](Configuration& c) { c.loops.front().SetByte(LoopRecord::kLevelU, 70); },
       {},
       false,
       "Fout 37",
       "Parameters > Lus 1 Inkom\n\nOngeldig alarmniveau!" + kNotSent},
      {"multiple alarm level not above fault",
       [](Configuration& c) {
         c.loops.front().SetByte(LoopRecord::kDetectionKind, 2);
         c.loops.front().SetByte(LoopRecord::kLevelU, 10);
       },
       {},
       false,
       "Fout 39",
       "Parameters > Lus 1 Inkom\n\nOngeldig niveau meervoudig alarm!" + kNotSent},
      {"pre-alarm level below fault",
       [](Configuration& c) {
         c.loops.front().SetByte(LoopRecord::kDetectionKind, 1);
         c.loops.front().SetByte(LoopRecord::kLevelL, 5);
       },
       {},
       false,
       "Fout 38",
       "Parameters > Lus 1 Inkom\n\nOngeldig vooralarm niveau!" + kNotSent},
      {"second alarm level above the first",
       [](Configuration& c) {
         c.loops.front().SetByte(LoopRecord::kDetectionKind, 2);
         c.loops.front().SetByte(LoopRecord::kLevelL, 40);
       },
       {},
       false,
       "Fout 37",
       "Parameters > Lus 1 Inkom\n\nOngeldig alarmniveau!" + kNotSent},
      {"loop depending on itself",
       [](Configuration& c) { c.loops.front().SetByte(LoopRecord::kDependency, 1); },
       {},
       false,
       "Fout 34",
       "Parameters > Lus 1 Inkom\n\nLusafhankelijkheid kan niet naar zichzelf verwijzen!" + kNotSent},
      {"loop depending on a missing loop",
       [](Configuration& c) { c.loops.front().SetByte(LoopRecord::kDependency, 5); },
       {},
       false,
       "Fout 36",
       "Parameters > Lus 1 Inkom\n\nLusafhankelijkheid verwijst naar een onbestaande lus!" + kNotSent},
      {"loop control that is no loop control",
       [](Configuration& c) { c.loops.front().SetByte(LoopRecord::kLoopControl, 1); },
       {},
       false,
       "Fout 11",
       "Parameters > Lus: 1 Inkom\n\nOnbestaande verwijzing: Lussturing" + kNotSent},
      {"commissioning month 13",
       [](Configuration& c) { c.fixedBlocks.installation.SetByte(InstallationBlock::kCommissioningMonth, 13); },
       {},
       false,
       "Fout 9",
       "Parameters > Dossier - Indienstelling\n\n" + kInvalid + kNotSent},
      {"new dossier without a commissioning date",
       [](Configuration& c) { c.fixedBlocks.installation = InstallationBlock{}; },
       {},
       false,
       "Fout 9",
       "Parameters > Dossier - Indienstelling\n\n" + kInvalid + kNotSent},
      {"100 sirens",
       [](Configuration& c) { c.fixedBlocks.accessory.SetByte(AccessoryBlock::kSirens, 100); },
       {},
       false,
       "Fout 9",
       "Parameters > Dossier - Toebehoren\n\n" + kInvalid + kNotSent},
  };
}

void RunMutation(const Mutation& m, const VersionTriple& version, FakeMessageHost& host, bool& result) {
  Configuration c = Minimal();
  m.mutate(c);
  for (MessageAnswer a : m.answers) host.Answer(a);
  result = ConfigurationChecks(c, version, host).CheckParameters();
}

TEST(Checks, EachRuleGivesItsMessage) {
  for (const auto& m : Mutations()) {
    SCOPED_TRACE(m.rule);
    FakeMessageHost host;
    bool result = false;
    RunMutation(m, kV102, host, result);
    EXPECT_EQ(result, m.passes);
    ASSERT_EQ(host.boxes().size(), m.caption.empty() ? 0u : 1u);
    if (m.caption.empty()) continue;
    EXPECT_EQ(host.boxes()[0].caption, m.caption);
    EXPECT_EQ(host.boxes()[0].text, m.text);
    EXPECT_EQ(host.boxes()[0].buttons, m.buttons);
    EXPECT_EQ(host.boxes()[0].icon, m.icon);
    EXPECT_EQ(host.boxes()[0].owner, MessageOwner{});
  }
}

TEST(Checks, EnglishGivesTheSameVerdicts) {
  for (const auto& m : Mutations()) {
    SCOPED_TRACE(m.rule);
    FakeMessageHost dutch;
    bool dutchResult = false;
    RunMutation(m, kV102, dutch, dutchResult);

    test::ScopedTextLanguage english(TextLanguage::English);
    FakeMessageHost host;
    bool result = !dutchResult;
    RunMutation(m, kV102, host, result);
    EXPECT_EQ(result, dutchResult);
    ASSERT_EQ(host.boxes().size(), dutch.boxes().size());
    if (host.boxes().empty()) continue;
    const auto number = [](const std::string& caption) { return caption.substr(caption.rfind(' ')); };
    EXPECT_EQ(number(host.boxes()[0].caption), number(dutch.boxes()[0].caption));
    EXPECT_EQ(host.boxes()[0].buttons, dutch.boxes()[0].buttons);
    EXPECT_EQ(host.boxes()[0].text.find("(null)"), std::string::npos) << host.boxes()[0].text;
  }
}

TEST(Checks, DossierRulesOnlyFromVersion101) {
  Configuration c = Minimal();
  c.fixedBlocks.installation.SetByte(InstallationBlock::kCommissioningMonth, 13);
  c.relayTexts.push_back(test::MakeRelayText(1, 1, 9, "x"));
  FakeMessageHost host;
  EXPECT_TRUE(ConfigurationChecks(c, kV100, host).CheckParameters());
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(c.relayTexts.size(), 1u); // relay texts are not part of a 1.00 configuration
}

TEST(Checks, NoControlsAsksForTheFailSafeRelayThenNeedsAGeneralControl) {
  Configuration c = Minimal();
  c.controls.clear();
  FakeMessageHost host;
  host.Answer(MessageAnswer::Yes);
  EXPECT_FALSE(ConfigurationChecks(c, kV102, host).CheckParameters());
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].caption, "Aandacht 7");
  EXPECT_EQ(host.boxes()[1].caption, "Fout 28");
  EXPECT_EQ(host.boxes()[1].text, "Parameters > Algemeen\n\nOnbestaande verwijzing: Algemene sturing" + kNotSent);
}

TEST(Checks, UnusedRowOnAMissingRelayCardIsEmptied) {
  Configuration c = Minimal();
  ControlRecord other = MakeControl(2, "Kaart", 0);
  SetRow(other, 3, 0, 2, 5, 0x01, 0x02);
  other.SetByte(ControlRecord::EventOffset(3) + ControlEvent::kSpare, 0x11);
  SetRow(other, 4, 4, 1, 4, 0, 0x01); // card 4 exists
  c.controls.push_back(other);
  FakeMessageHost host;
  EXPECT_TRUE(ConfigurationChecks(c, kV102, host).CheckParameters());
  const ControlRecord& checked = c.controls.back();
  for (std::size_t b = 0; b < ControlEvent::kSize; ++b)
    EXPECT_EQ(checked.Byte(ControlRecord::EventOffset(3) + b), 0) << b;
  EXPECT_EQ(checked.Byte(ControlRecord::EventOffset(4) + ControlEvent::kCardAddress), 4);
  ExpectAllChecksumsCorrect(c);
}

TEST(Checks, InactiveLoopsSkipTheLevelRulesButGetTheirChecksum) {
  Configuration c = Minimal();
  LoopRecord inactive = MakeLoop(2, "Uit");
  inactive.SetByte(LoopRecord::kActive, 0);
  inactive.SetByte(LoopRecord::kLevelU, 5); // below F
  inactive.SetByte(LoopRecord::kDependency, 2);
  inactive.SetByte(0, 0);
  c.loops.push_back(inactive);
  // Dependency 0 on a loop numbered 0 is no self-reference.
  LoopRecord zero = MakeLoop(0, "Nul");
  c.loops.push_back(zero);
  FakeMessageHost host;
  EXPECT_TRUE(ConfigurationChecks(c, kV102, host).CheckParameters());
  EXPECT_TRUE(host.boxes().empty());
  ExpectAllChecksumsCorrect(c);
}

TEST(Checks, TidiesTerminatorsAndReservedBytes) {
  Configuration c = Minimal();
  c.central.SetByte(CentralRecord::kPanelNameNul, 'x');
  c.central.SetByte(CentralRecord::kReserved + 10, 0x33);
  c.loops.front().SetByte(LoopRecord::kTextUNul, 'x');
  c.loops.front().SetByte(LoopRecord::kReserved + 1, 0x33);
  c.controls.front().SetByte(ControlRecord::kNameNul, 'x');
  c.controls.front().SetByte(ControlRecord::EventOffset(7) + ControlEvent::kReserved, 0x33);
  c.fixedBlocks.customer.SetByte(CustomerBlock::kReserved + 24, 0x33);
  c.fixedBlocks.peripheryVersion.SetByte(PeripheryVersionBlock::kReserved, 0x33);
  FakeMessageHost host;
  ASSERT_TRUE(ConfigurationChecks(c, kV102, host).CheckParameters());
  EXPECT_EQ(c.central.Byte(CentralRecord::kPanelNameNul), 0);
  EXPECT_EQ(c.central.Byte(CentralRecord::kReserved + 10), 0);
  EXPECT_EQ(c.loops.front().Byte(LoopRecord::kTextUNul), 0);
  EXPECT_EQ(c.loops.front().Byte(LoopRecord::kReserved + 1), 0);
  EXPECT_EQ(c.controls.front().Byte(ControlRecord::kNameNul), 0);
  EXPECT_EQ(c.controls.front().Byte(ControlRecord::EventOffset(7) + ControlEvent::kReserved), 0);
  EXPECT_EQ(c.fixedBlocks.customer.Byte(CustomerBlock::kReserved + 24), 0);
  EXPECT_EQ(c.fixedBlocks.peripheryVersion.Byte(PeripheryVersionBlock::kReserved), 0);
  ExpectAllChecksumsCorrect(c);
}

TEST(Checks, InvalidRelayTextRecordsAreDroppedSilently) {
  Configuration c = Minimal();
  c.relayTexts.push_back(test::MakeRelayText(1, 3, 1, "kind 3"));
  c.relayTexts.push_back(test::MakeRelayText(2, 1, 2, "good"));
  c.relayTexts.push_back(test::MakeRelayText(3, 1, 9, "card 9, last"));
  FakeMessageHost host;
  EXPECT_TRUE(ConfigurationChecks(c, kV102, host).CheckParameters());
  EXPECT_TRUE(host.boxes().empty());
  ASSERT_EQ(c.relayTexts.size(), 1u);
  EXPECT_EQ(c.relayTexts.front().OutputText(0), "good");
}

TEST(Checks, DocumentChecksWithItsEffectiveVersion) {
  CPc_kx700Doc doc;
  doc.AdoptConfiguration(Minimal());
  doc.fixedBlocks.installation = InstallationBlock{}; // fails the dossier rule from 1.01 on
  FakeMessageHost host;
  EXPECT_FALSE(doc.CheckParameters(host)); // no version: the program's 1.02
  doc.version = kV100;
  EXPECT_TRUE(doc.CheckParameters(host));
  EXPECT_EQ(host.boxes().size(), 1u);
}

} // namespace
} // namespace kx700
