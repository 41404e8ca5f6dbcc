#include "model/version.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "model/model_fixtures.h"
#include "support/fake_message_host.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using test::FakeMessageHost;
using test::FakePanel;

TEST(Version, CompareVersionsByOperator) {
  struct Case {
    int aMajor, aMinor, bMajor, bMinor, op;
    bool expected;
  };
  const Case cases[] = {
      {1, 2, 1, 2, 0, true},   {1, 2, 1, 1, 0, false},  {1, 5, 1, 0, 1, true},  {2, 0, 1, 0, 1, false},
      {1, 1, 1, 1, 2, true},   {1, 0, 1, 1, 2, false},  {2, 0, 1, 9, 2, true},  {0, 9, 1, 0, 2, false},
      {1, 3, 1, 1, 3, true},   {2, 3, 1, 1, 3, false},  {1, 0, 1, 1, 3, false}, {1, 0, 1, 1, 4, true},
      {0, 9, 1, 0, 4, true},   {2, 0, 1, 9, 4, false},  {1, 1, 1, 1, 5, true},  {0, 1, 1, 1, 5, false},
      {1, -1, 1, 0, 2, false}, // signed
      {1, 2, 1, 2, 6, false},  {1, 2, 1, 2, -1, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CompareVersions(c.aMajor, c.aMinor, c.bMajor, c.bMinor, c.op), c.expected)
        << c.aMajor << "." << c.aMinor << " op " << c.op << " " << c.bMajor << "." << c.bMinor;
}

TEST(Version, EffectiveVersionOfTheWorkAtHand) {
  FakePanel panel;
  CPc_kx700Doc doc;
  doc.SetPanelVersionSource(&panel);
  // Nothing known: the program's own version, so 1.01 records exist.
  EXPECT_EQ(doc.GetConfigurationVersion(), (VersionTriple{1, 2, 2}));
  EXPECT_TRUE(doc.CompareVersion(1, 1, kVersionAtLeast));
  // A panel is identified: its version.
  panel.Set(VersionTriple{1, 0, 0});
  EXPECT_EQ(doc.GetConfigurationVersion(), (VersionTriple{1, 0, 0}));
  EXPECT_FALSE(doc.CompareVersion(1, 1, kVersionAtLeast));
  // The configuration has one: that decides, even with a newer panel.
  panel.Set(VersionTriple{1, 5, 1});
  doc.version = {1, 0, 0};
  EXPECT_EQ(doc.GetConfigurationVersion(), (VersionTriple{1, 0, 0}));
  EXPECT_FALSE(doc.CompareVersion(1, 1, kVersionAtLeast));
  doc.version = {0, 3, 0}; // a minor alone is a version too
  EXPECT_EQ(doc.GetConfigurationVersion(), (VersionTriple{0, 3, 0}));
}

TEST(Version, PanelFormMessages) {
  FakeMessageHost host;
  FakePanel panel;
  const VersionTriple effective{1, 2, 2};
  // No panel identified: refused without a box.
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::Panel, {}, effective, &panel, host));
  EXPECT_TRUE(host.boxes().empty());

  panel.Set(VersionTriple{1, 7, 2});
  EXPECT_TRUE(CheckVersionCompatibility(VersionCheckForm::Panel, {}, effective, &panel, host));
  EXPECT_TRUE(host.boxes().empty());

  panel.Set(VersionTriple{2, 0, 0});
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::Panel, {}, effective, &panel, host));
  panel.Set(VersionTriple{1, 5, 3});
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::Panel, {}, effective, &panel, host));

  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 17");
  EXPECT_EQ(host.boxes()[0].text, "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale.");
  EXPECT_EQ(host.boxes()[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.boxes()[1].caption, "Fout 19");
  EXPECT_EQ(host.boxes()[1].text,
            "PC-Zenvik is verouderd!\nControleer de versienummers.\n\n"
            "Centrale: 1.05\nPC-Zenvik: 1.02\nMinimum vereiste versie PC-Zenvik: 1.03\n\n"
            "Er is geen parameter overdracht.");
}

TEST(Version, FileFormMessages) {
  FakeMessageHost host;
  const VersionTriple effective{1, 2, 2};
  EXPECT_TRUE(CheckVersionCompatibility(VersionCheckForm::File, {1, 5, 2}, effective, nullptr, host));
  EXPECT_TRUE(CheckVersionCompatibility(VersionCheckForm::File, {0, 0, 0}, effective, nullptr, host));
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::File, {2, 0, 0}, effective, nullptr, host));
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::File, {1, 4, 3}, effective, nullptr, host));
  // 0.00 stands for the effective version, here one that is too new.
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::File, {0, 0, 9}, {1, 6, 4}, nullptr, host));

  ASSERT_EQ(host.boxes().size(), 3u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 17");
  EXPECT_EQ(host.boxes()[0].text, "Versie conflict!\n\nDe parameters worden niet verzonden naar de centrale.");
  EXPECT_EQ(host.boxes()[1].caption, "Fout 21");
  EXPECT_EQ(host.boxes()[1].text,
            "Het bestand werd gegenereerd met een recentere versie van PC-Zenvik.\n\n"
            "Bestand: 1.04\nPC-Zenvik: 1.02\nMinimum vereiste versie PC-Zenvik: 1.03\n\n"
            "Het bestand wordt niet geopend.\n");
  EXPECT_EQ(host.boxes()[2].text.find("Bestand: 1.06\n"), host.boxes()[1].text.find("Bestand: 1.04\n"));
}

TEST(Version, EnglishMessagesHaveNoHoles) {
  test::ScopedTextLanguage english(TextLanguage::English);
  FakeMessageHost host;
  EXPECT_FALSE(CheckVersionCompatibility(VersionCheckForm::File, {1, 4, 3}, {1, 2, 2}, nullptr, host));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fault 21");
  EXPECT_EQ(host.boxes()[0].text,
            "The file has been created with a more recent version of PC-Zenvik.\n\n"
            "File: 1.04\nPC-Zenvik: 1.02\nMinimum required version of PC-Zenvik: 1.03\n\n"
            "The file is not opened.\n");
}

} // namespace
} // namespace kx700
