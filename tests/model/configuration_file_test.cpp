#include "model/configuration_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/fake_message_host.h"
#include "support/temp_dir.h"

namespace kx700 {
namespace {

using test::Bytes;
using test::operator+;
using test::BytesOf;
using test::FakeMessageHost;
using test::FakePanel;
using test::Header;
using test::MakeFullConfiguration;
using test::MakeLoop;
using test::TempDir;

// The central record of a new configuration, byte by byte.
Bytes DefaultCentral() {
  Bytes c(87, 0);
  c[43] = 2;
  c[45] = '9', c[46] = '7', c[47] = '3', c[48] = '8';
  c[64] = 7;
  c[67] = '9', c[68] = '8', c[69] = '7', c[70] = '1';
  return c;
}

Bytes Line(const std::string& text) { return BytesOf("\"" + text + "\"\r\n"); }

TEST(ConfigurationFile, NewConfigurationFileBytes) {
  const Configuration c;
  const Bytes expected = Line("KX700 1.02;02") + Header('C') + DefaultCentral() + Header('P') + Bytes(227, 0) +
                         Header('I') + Bytes(70, 0) + Header('B') + Bytes(26, 0) + Header('H') + Bytes(174, 0) +
                         Header('V') + Bytes(51, 0) + Header('N') + Bytes(252, 0) + Header('E');
  EXPECT_EQ(WriteConfigurationFile(c, EffectiveVersion(c.version, nullptr)), expected);
  EXPECT_EQ(WriteFileHeader({1, 2, 2}).size(), 17u);

  // At version 1.00 there are neither relay texts nor fixed blocks.
  Configuration old;
  old.version = {1, 0, 0};
  old.loops.push_back(MakeLoop(1, "Een"));
  EXPECT_EQ(WriteConfigurationFile(old, old.version), Line("KX700 1.00;00") + Header('Z') +
                                                          BytesOf(old.loops.front().bytes) + Header('C') +
                                                          DefaultCentral() + Header('E'));
}

TEST(ConfigurationFile, ReadsAFileWrittenByHand) {
  LoopRecord loop1 = MakeLoop(1, "Inkom");
  LoopRecord loop2 = MakeLoop(2, "Kelder");
  const ControlRecord control = test::MakeControl(1, "Algemeen", 1);
  NotesBlock notes;
  notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, "nota");
  const Bytes file = Line("KX700 1.01;00") + Header('Z') + BytesOf(loop1.bytes) + BytesOf(loop2.bytes) + Header('C') +
                     DefaultCentral() + Header('R') + BytesOf(control.bytes) + Header('N') + BytesOf(notes.bytes) +
                     Header('E');
  FakeMessageHost host;
  const auto c = ReadConfigurationFile(file, nullptr, host);
  ASSERT_TRUE(c);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(c->version, (VersionTriple{1, 1, 0}));
  EXPECT_EQ(c->sourcePanelNumber, -1);
  EXPECT_EQ(c->loops, (std::list<LoopRecord>{loop1, loop2}));
  EXPECT_EQ(c->controls.size(), 1u);
  EXPECT_EQ(c->fixedBlocks.notes, notes);
  EXPECT_EQ(c->central, Configuration().central);
  // Saved again, it keeps its version.
  const Bytes again = WriteConfigurationFile(*c, c->version);
  EXPECT_EQ(Bytes(again.begin(), again.begin() + 17), Line("KX700 1.01;00"));
  // Every other block is written too, each under its own header.
  EXPECT_EQ(again.size(), file.size() + 2 + 227 + 2 + 70 + 2 + 26 + 2 + 174 + 2 + 51);
}

TEST(ConfigurationFile, BodyQuirks) {
  const LoopRecord loop = MakeLoop(3, "Drie");
  const Bytes head = Line("KX700 1.02;02");
  struct Case {
    const char* what;
    Bytes body;
    std::size_t loops;
  };
  const Case cases[] = {
      {"bytes before any header are ignored", Bytes{1, 2, 3} + Header('Z') + BytesOf(loop.bytes), 1},
      {"a record cut off at the end is dropped", Header('Z') + BytesOf(loop.bytes) + Bytes(40, 7), 1},
      {"after the end, plain bytes are ignored", Header('Z') + BytesOf(loop.bytes) + Header('E') + BytesOf(loop.bytes),
       1},
      {"after the end, a header counts again",
       Header('Z') + BytesOf(loop.bytes) + Header('E') + Bytes{9, 9} + Header('Z') + BytesOf(loop.bytes), 2},
      {"an unknown tag skips to the next header",
       Header('Q') + BytesOf(loop.bytes) + Header('Z') + BytesOf(loop.bytes) + Header('E'), 1},
      {"no end mark", Header('Z') + BytesOf(loop.bytes) + BytesOf(loop.bytes), 2},
  };
  for (const auto& c : cases) {
    FakeMessageHost host;
    const auto read = ReadConfigurationFile(head + c.body, nullptr, host);
    ASSERT_TRUE(read) << c.what;
    EXPECT_EQ(read->loops.size(), c.loops) << c.what;
    for (const auto& l : read->loops) EXPECT_EQ(l, loop) << c.what;
    EXPECT_TRUE(host.boxes().empty()) << c.what;
  }
}

TEST(ConfigurationFile, IdentificationLineVariants) {
  struct Case {
    std::string line;
    VersionTriple version;
  };
  const Case cases[] = {
      {"\"KX700 1.02;02\"\r\n", {1, 2, 2}}, {"\"KX700 1.1;0\"\r\n", {1, 1, 0}},
      {"\"KX700 1.05\"\r\n", {1, 5, 0}},    // no third number: 0
      {"\"KX700 0.00;00\"\r\n", {0, 0, 0}}, // no version: the effective one is judged
      {"xKX700 1.02;01x\r\n", {1, 2, 1}},   // the quotes are not looked at
  };
  for (const auto& c : cases) {
    FakeMessageHost host;
    const auto read = ReadConfigurationFile(BytesOf(c.line) + Header('E'), nullptr, host);
    ASSERT_TRUE(read) << c.line;
    EXPECT_EQ(read->version, c.version) << c.line;
  }
}

TEST(ConfigurationFile, RefusalsShowTheirBox) {
  struct Case {
    std::string line;
    std::string caption;
    std::string text;
  };
  const Case cases[] = {
      {"no line end within twenty-five bytes", "Fout 8", "Het bestand is ongeldig of corrupt."},
      {"\"KX\r\n", "Fout 8", "Het bestand is ongeldig of corrupt."},      // line end before index 6
      {"\".1;02\"\r\n", "Fout 8", "Het bestand is ongeldig of corrupt."}, // no blank before the version
      {"\"KX800 1.02;02\"\r\n", "Fout 15", "Geen KX700 bestand.\n\nBestand: KX800"},
      {"\"KX700A 1.02;02\"\r\n", "Fout 15", "Geen KX700 bestand.\n\nBestand: KX700A"},
      {"\"KX7001.02;02\"\r\n", "Fout 15", "Geen KX700 bestand.\n\nBestand: KX7001"},
      {"\"KX700 2.00;00\"\r\n", "Fout 17", "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale."},
      {"\"KX700 1.300;00\"\r\n", "Fout 17",
       "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale."},
      {"\"KX700 1.02;-1\"\r\n", "Fout 17", "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale."},
      {"\"KX700 1.04;03\"\r\n", "Fout 21",
       "Het bestand werd gegenereerd met een recentere versie van PC-Zenvik.\n\nBestand: 1.04\nPC-Zenvik: "
       "1.02\nMinimum vereiste versie PC-Zenvik: 1.03\n\nHet bestand wordt niet geopend.\n"},
  };
  for (const auto& c : cases) {
    FakeMessageHost host;
    EXPECT_FALSE(ReadConfigurationFile(BytesOf(c.line) + Header('E'), nullptr, host)) << c.line;
    ASSERT_EQ(host.boxes().size(), 1u) << c.line;
    EXPECT_EQ(host.boxes()[0].caption, c.caption) << c.line;
    EXPECT_EQ(host.boxes()[0].text, c.text) << c.line;
    EXPECT_EQ(host.boxes()[0].icon, MessageIcon::Error) << c.line;
  }
  // An oversized body is no configuration.
  FakeMessageHost host;
  EXPECT_FALSE(ReadConfigurationFile(Line("KX700 1.02;02") + Bytes(kMaxStreamBytes + 1, 0), nullptr, host));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 8");
}

TEST(ConfigurationFile, FullConfigurationRoundTripsThroughDisk) {
  TempDir dir;
  FakeMessageHost host;
  CPc_kx700Doc saved;
  saved.AdoptConfiguration(MakeFullConfiguration());
  ASSERT_TRUE(saved.WriteFile(dir.File("full.qnd3"), host));

  CPc_kx700Doc opened;
  ASSERT_TRUE(opened.ReadFile(dir.File("full.qnd3"), host));
  EXPECT_EQ(opened.configuration(), saved.configuration());
  EXPECT_TRUE(host.boxes().empty());
}

TEST(ConfigurationFile, RefusedOpenLeavesTheDocumentAsItWas) {
  TempDir dir;
  FakePanel panel;
  CPc_kx700Doc doc;
  doc.SetPanelVersionSource(&panel);
  doc.AdoptConfiguration(MakeFullConfiguration());
  doc.serviceState().polledLoop = 7;
  doc.logbook().push_back(LogbookEntry{});
  const Configuration before = doc.configuration();

  struct Case {
    const char* file;
    Bytes bytes;
    const char* caption;
  };
  const Case cases[] = {
      {"other.qnd3", Line("KX900 1.02;02") + Header('E'), "Fout 15"},
      {"newer.qnd3", Line("KX700 1.02;05") + Header('E'), "Fout 21"},
      {"empty.qnd3", Bytes{}, "Fout 8"},
      {"huge.qnd3", Line("KX700 1.02;02") + Bytes(kMaxStreamBytes + 10, 1), "Fout 8"},
  };
  for (const auto& c : cases) {
    TempDir::Write(dir.File(c.file), c.bytes);
    FakeMessageHost host;
    EXPECT_FALSE(doc.ReadFile(dir.File(c.file), host)) << c.file;
    ASSERT_EQ(host.boxes().size(), 1u) << c.file;
    EXPECT_EQ(host.boxes()[0].caption, c.caption) << c.file;
    EXPECT_EQ(doc.configuration(), before) << c.file;
  }
  for (const std::string& missing : {dir.File("missing.qnd3"), dir.path().string()}) {
    FakeMessageHost host;
    EXPECT_FALSE(doc.ReadFile(missing, host));
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].caption, "Fout 33");
    EXPECT_EQ(host.boxes()[0].text, "Het bestand kan niet worden geopend.");
  }
  EXPECT_EQ(doc.configuration(), before);
  EXPECT_EQ(doc.serviceState().polledLoop, 7);
  EXPECT_EQ(doc.logbook().size(), 1u);
}

TEST(ConfigurationFile, OpeningReplacesOnlyTheConfiguration) {
  TempDir dir;
  FakeMessageHost host;
  CPc_kx700Doc doc;
  doc.serviceState().polledLoop = 3;
  doc.logbook().push_back(LogbookEntry{});
  doc.loops.push_back(MakeLoop(9, "Weg"));
  TempDir::Write(dir.File("a.qnd3"), Line("KX700 1.00;00") + Header('C') + DefaultCentral() + Header('E'));
  ASSERT_TRUE(doc.ReadFile(dir.File("a.qnd3"), host));
  EXPECT_TRUE(doc.loops.empty());
  EXPECT_EQ(doc.version, (VersionTriple{1, 0, 0}));
  EXPECT_EQ(doc.serviceState().polledLoop, 3);
  EXPECT_EQ(doc.logbook().size(), 1u);
}

TEST(ConfigurationFile, RecordHoldingTheHeaderMarkIsNotSaved) {
  TempDir dir;
  const std::string path = dir.File("c.qnd3");
  TempDir::Write(path, BytesOf("old"));

  struct Case {
    std::function<void(Configuration&)> mutate;
    std::string text;
  };
  const Case cases[] = {
      {[](Configuration& c) { c.loops.back().SetByte(LoopRecord::kName + 2, 0xEE); },
       "Parameters > Lus: 16 Lu\xC3\xAE 16 Caf\xC3\xA9\n\nEen parameter heeft een ongeldige waarde."},
      {[](Configuration& c) { c.controls.front().SetByte(ControlRecord::kEvents, 0xEE); },
       "Parameters > Sturing: 1 Sturing 1\n\nEen parameter heeft een ongeldige waarde."},
      {[](Configuration& c) { c.central.SetByte(CentralRecord::kProjectName, 0xEE); },
       "Parameters > Algemeen\n\nEen parameter heeft een ongeldige waarde."},
      {[](Configuration& c) { c.relayTexts.front().SetByte(RelayTextRecord::kTexts, 0xEE); },
       "Parameters > Relais: 1 Relaiskaart 1-8 2\n\nEen parameter heeft een ongeldige waarde."},
      {[](Configuration& c) { c.fixedBlocks.customer.SetByte(CustomerBlock::kEmail, 0xEE); },
       "Parameters > Dossier - Personalia\n\nEen parameter heeft een ongeldige waarde."},
  };
  for (const auto& c : cases) {
    CPc_kx700Doc doc;
    doc.AdoptConfiguration(MakeFullConfiguration());
    c.mutate(doc);
    FakeMessageHost host;
    EXPECT_FALSE(doc.WriteFile(path, host));
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].caption, "Fout 9");
    EXPECT_EQ(host.boxes()[0].text, c.text);
    EXPECT_EQ(TempDir::Read(path), BytesOf("old"));
  }
  // At version 1.00 the relay texts are not saved, so they cannot stop it.
  CPc_kx700Doc doc;
  doc.AdoptConfiguration(MakeFullConfiguration());
  doc.version = {1, 0, 0};
  doc.relayTexts.front().SetByte(RelayTextRecord::kTexts, 0xEE);
  FakeMessageHost host;
  EXPECT_TRUE(doc.WriteFile(path, host));
}

TEST(ConfigurationFile, FailedSaveKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  const std::string path = dir.File("c.qnd3");
  TempDir::Write(path, BytesOf("old"));
  ::chmod(dir.path().c_str(), 0555);
  FakeMessageHost host;
  CPc_kx700Doc doc;
  EXPECT_FALSE(doc.WriteFile(path, host));
  ::chmod(dir.path().c_str(), 0755);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 33");
  EXPECT_EQ(TempDir::Read(path), BytesOf("old"));
}

TEST(ConfigurationFile, WriteProtectedFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  TempDir dir;
  const std::string path = dir.File("reference.qnd3");
  TempDir::Write(path, BytesOf("old"));
  ::chmod(path.c_str(), 0444);
  FakeMessageHost host;
  CPc_kx700Doc doc;
  EXPECT_FALSE(doc.WriteFile(path, host));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 33");
  EXPECT_EQ(TempDir::Read(path), BytesOf("old"));
}

TEST(ConfigurationFile, WriteFailingHalfWayKeepsTheOldFile) {
  // A file size limit makes the write fail part-way, also for root.
  TempDir dir;
  const std::string path = dir.File("c.qnd3");
  TempDir::Write(path, BytesOf("old"));
  struct sigaction ignore {
  }, before{};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &before);
  rlimit limit{}, saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  limit = saved;
  limit.rlim_cur = 100;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  FakeMessageHost host;
  CPc_kx700Doc doc;
  doc.AdoptConfiguration(MakeFullConfiguration());
  const bool saved_ok = doc.WriteFile(path, host);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::sigaction(SIGXFSZ, &before, nullptr);

  EXPECT_FALSE(saved_ok);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 33");
  EXPECT_EQ(TempDir::Read(path), BytesOf("old"));
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u); // no temporary file left behind
}

TEST(ConfigurationFile, VersionThisProgramWouldRefuseIsNotSaved) {
  TempDir dir;
  const std::string path = dir.File("c.qnd3");
  FakePanel panel(VersionTriple{1, 5, 3}); // demands a newer program
  CPc_kx700Doc doc;
  doc.SetPanelVersionSource(&panel);
  FakeMessageHost host;
  EXPECT_FALSE(doc.WriteFile(path, host));
  doc.version = {2, 0, 0};
  EXPECT_FALSE(doc.WriteFile(path, host));
  doc.version = {1, 2, 200}; // no version byte holds it
  EXPECT_FALSE(doc.WriteFile(path, host));
  EXPECT_FALSE(std::filesystem::exists(path));
  // Each refusal is the box that opening such a file shows.
  const std::vector<std::pair<std::string, std::string>> shown = {
      {"Fout 21",
       "Het bestand werd gegenereerd met een recentere versie van PC-Zenvik.\n\nBestand: 1.05\nPC-Zenvik: 1.02\n"
       "Minimum vereiste versie PC-Zenvik: 1.03\n\nHet bestand wordt niet geopend.\n"},
      {"Fout 17", "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale."},
      {"Fout 17", "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale."},
  };
  ASSERT_EQ(host.boxes().size(), shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(host.boxes()[i].caption, shown[i].first) << i;
    EXPECT_EQ(host.boxes()[i].text, shown[i].second) << i;
  }
  // And opening says the same.
  const std::pair<const char*, std::size_t> files[] = {{"KX700 1.05;03", 0}, {"KX700 2.00;00", 1}};
  for (const auto& [line, box] : files) {
    TempDir::Write(path, Line(line) + BytesOf("\xEE"
                                              "E"));
    FakeMessageHost opening;
    CPc_kx700Doc other;
    EXPECT_FALSE(other.ReadFile(path, opening));
    ASSERT_EQ(opening.boxes().size(), 1u);
    EXPECT_EQ(opening.boxes()[0].caption, shown[box].first) << line;
    EXPECT_EQ(opening.boxes()[0].text, shown[box].second) << line;
  }
}

TEST(ConfigurationFile, OpeningANamedPipeDoesNotHang) {
  TempDir dir;
  const std::string path = dir.File("pipe.qnd3");
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  FakeMessageHost host;
  CPc_kx700Doc doc;
  EXPECT_FALSE(doc.ReadFile(path, host));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 33");
}

TEST(ConfigurationFile, SaveFailsCleanlyWhereNoFileCanBe) {
  TempDir dir;
  FakeMessageHost host;
  CPc_kx700Doc doc;
  // A folder in the way, and a folder that does not exist.
  std::filesystem::create_directory(dir.path() / "taken");
  EXPECT_FALSE(doc.WriteFile(dir.File("taken"), host));
  EXPECT_FALSE(doc.WriteFile(dir.File("nowhere/c.qnd3"), host));
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 33");
  EXPECT_EQ(host.boxes()[1].caption, "Fout 33");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "taken"));
  // No temporary file is left behind.
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(ConfigurationFile, SaveKeepsTheModeOfTheFileItReplaces) {
  TempDir dir;
  const std::string path = dir.File("c.qnd3");
  TempDir::Write(path, BytesOf("old"));
  ::chmod(path.c_str(), 0640);
  FakeMessageHost host;
  CPc_kx700Doc doc;
  ASSERT_TRUE(doc.WriteFile(path, host));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(TempDir::Read(path).size(), 17u + 2 + 87 + 800 + 12 + 2);
}

} // namespace
} // namespace kx700
