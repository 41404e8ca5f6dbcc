#include "link/panel_link.h"

#include <gtest/gtest.h>

#include "panelsim/engine.h"
#include "support/link_bench.h"
#include "support/scoped_text_language.h"

namespace kx700 {
namespace {

using panelsim::Fault;
using panelsim::NextAnswers;

using Bench = test::LinkBench;

TEST(PanelLink, CommandsReachThePanelAndReportSuccess) {
  struct Case {
    const char* name;
    std::function<bool(CPanelLink&)> run;
    const char* caption;
  };
  const Case cases[] = {
      {"silence", [](CPanelLink& l) { return l.Silence(0); }, "Stilte"},
      {"reset", [](CPanelLink& l) { return l.ResetPanel(0); }, "Reset centrale"},
      {"technician on", [](CPanelLink& l) { return l.SetTechnicianMode(0, true); }, "Technicus mode aan"},
      {"technician off", [](CPanelLink& l) { return l.SetTechnicianMode(0, false); }, "Technicus mode uit"},
      {"clock",
       [](CPanelLink& l) {
         return l.SetDateTime({26, 12, 9, 13, 45, 10});
       },
       "Instellen systeemtijd"},
      {"language", [](CPanelLink& l) { return l.SetLanguage(2); }, "Instellen taal"},
  };
  for (const auto& c : cases) {
    Bench b;
    EXPECT_TRUE(c.run(b.link)) << c.name;
    ASSERT_EQ(b.host.boxes().size(), 1u) << c.name;
    EXPECT_EQ(b.host.boxes()[0].text, "Transmissie succesvol!");
    EXPECT_EQ(b.host.boxes()[0].caption, c.caption);
    EXPECT_EQ(b.host.boxes()[0].icon, MessageIcon::Information);
    EXPECT_EQ(b.countdowns, 1) << c.name;
  }
  Bench b;
  b.link.Silence(0);
  b.link.ResetPanel(0);
  b.link.SetTechnicianMode(0, true);
  b.link.SetDateTime({26, 12, 9, 13, 45, 10});
  b.link.SetLanguage(3);
  EXPECT_EQ(b.panel.state().silences, 1);
  EXPECT_EQ(b.panel.state().resets, 1);
  EXPECT_TRUE(b.panel.state().technicianMode);
  EXPECT_EQ(b.panel.state().clock, (std::array<std::uint8_t, 6>{26, 12, 9, 13, 45, 10}));
  EXPECT_EQ(b.panel.state().language, 3);
}

TEST(PanelLink, SuccessIsShownAlsoWhereTheLanguageHasNoCaption) {
  test::ScopedTextLanguage english(TextLanguage::English);
  Bench b;
  EXPECT_TRUE(b.link.Silence(0));
  EXPECT_TRUE(b.link.ResetPanel(0));
  EXPECT_TRUE(b.link.SetDateTime({26, 12, 9, 13, 45, 10}));
  EXPECT_TRUE(b.link.SetLanguage(2));
  EXPECT_TRUE(b.link.SetTechnicianMode(0, true));
  ASSERT_EQ(b.host.boxes().size(), 5u);
  const char* captions[] = {"Silence", "", "", "", ""}; // English has texts up to 50 only
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(b.host.boxes()[i].text, "Transmission successful!") << i;
    EXPECT_EQ(b.host.boxes()[i].caption, captions[i]) << i;
  }
}

TEST(PanelLink, ReadsWhatThePanelHolds) {
  Bench b;
  auto& state = b.panel.state();
  state.clock = {26, 12, 9, 8, 7, 6};
  state.language = 2;
  panelsim::FillText(state.texts[3], "Gang links");
  state.records16[1].fill(0xC1); // travels lowered, comes back whole
  state.records32[2].fill(0x42);

  EXPECT_EQ(b.link.GetDateTime(), (std::array<std::uint8_t, 6>{26, 12, 9, 8, 7, 6}));
  EXPECT_EQ(b.link.GetLanguage(), 2);
  EXPECT_EQ(b.link.ReadText(3), "Gang links");
  const auto r16 = b.link.ReadRecord16(1);
  ASSERT_TRUE(r16);
  EXPECT_EQ((*r16)[0], 0xC1);
  const auto r32 = b.link.ReadRecord32(2);
  ASSERT_TRUE(r32);
  EXPECT_EQ((*r32)[31], 0x42);
  EXPECT_TRUE(b.link.TestControl(7, 1, 2, 3, true));
  ASSERT_EQ(state.controlTests.size(), 1u);
  EXPECT_EQ(state.controlTests[0], (std::array<std::uint8_t, 7>{'0', '0', '7', 1, 2, 3, 1}));
  EXPECT_TRUE(b.host.boxes().empty());
}

panelsim::FaultRule Delayed(std::int64_t us) {
  panelsim::FaultRule rule = NextAnswers(Fault::kDelay, 1);
  rule.delayUs = us;
  return rule;
}

TEST(PanelLink, FailuresEndWithinTheirTimeoutAndShowFault6) {
  struct Case {
    const char* name;
    panelsim::FaultRule fault;
    std::function<bool(CPanelLink&)> run;
    std::int64_t timeoutMs;
  };
  const Case cases[] = {
      {"dropped acknowledgement", NextAnswers(Fault::kDrop, 10), [](CPanelLink& l) { return l.Silence(0); }, 7000},
      {"acknowledgements with bad checksums", NextAnswers(Fault::kBadChecksum, 10),
       [](CPanelLink& l) { return l.ResetPanel(0); }, 15000},
      {"an acknowledgement without its mark", NextAnswers(Fault::kNoMark, 1),
       [](CPanelLink& l) { return l.SetLanguage(2); }, 7000},
      {"no clock answer", NextAnswers(Fault::kDrop, 10), [](CPanelLink& l) { return l.GetDateTime().has_value(); },
       5000},
      {"short record answers", NextAnswers(Fault::kShortFrame, 10),
       [](CPanelLink& l) { return l.ReadRecord32(1).has_value(); }, 12000},
      {"endless repeat requests", NextAnswers(Fault::kAskRepeat, 50),
       [](CPanelLink& l) { return l.GetLanguage().has_value(); }, 12000},
      {"an answer delayed past its budget", Delayed(9'000'000),
       [](CPanelLink& l) { return l.TestControl(1, 0, 1, 1, true); }, 8000},
  };
  for (const auto& c : cases) {
    Bench b;
    b.panel.faults().Add(c.fault);
    const std::int64_t start = b.clock.SteadyMs();
    EXPECT_FALSE(c.run(b.link)) << c.name;
    EXPECT_LE(b.Elapsed(start), c.timeoutMs + 10) << c.name;
    ASSERT_EQ(b.host.boxes().size(), 1u) << c.name;
    EXPECT_EQ(b.host.boxes()[0].caption, "Fout 6") << c.name;
    EXPECT_EQ(b.countdowns, 1) << c.name;
  }
}

TEST(PanelLink, RecoversFromRepeatsAndNoise) {
  struct Case {
    const char* name;
    panelsim::FaultRule fault;
  };
  const Case cases[] = {
      {"the panel asks for a repeat", NextAnswers(Fault::kAskRepeat, 3)},
      {"a bad checksum, answered by a repeat request", NextAnswers(Fault::kBadChecksum, 1)},
      {"stray bytes before the answer", NextAnswers(Fault::kStrayBytes, 1)},
      {"the answer comes twice", NextAnswers(Fault::kDuplicate, 1)},
      {"an answer late but within its budget", Delayed(3'000'000)},
  };
  for (const auto& c : cases) {
    Bench b;
    b.panel.faults().Add(c.fault);
    EXPECT_TRUE(b.link.SetLanguage(2)) << c.name;
    EXPECT_EQ(b.panel.state().language, 2) << c.name;
    EXPECT_EQ(b.host.boxes().size(), 1u) << c.name;
  }
}

// The answer to the idle engine's last poll may still be on its way when a
// command starts: it is not the command's answer.
TEST(PanelLink, ALateAnswerToAPollIsPassedOver) {
  for (const bool identification : {true, false}) {
    SCOPED_TRACE(identification ? "identification" : "status");
    const auto poll = [&](Bench& b) { identification ? b.link.SendIdentify(0) : b.link.SendStatusRequest(); };
    {
      Bench b;
      CPc_kx700Doc document;
      poll(b);
      EXPECT_TRUE(b.link.ReadLogbook(document, 250, 0));
      EXPECT_EQ(document.logbook().size(), b.panel.state().logbook.size());
    }
    {
      Bench b;
      poll(b);
      EXPECT_TRUE(b.link.SetTechnicianMode(0, true));
      EXPECT_TRUE(b.panel.state().technicianMode);
    }
  }
}

TEST(PanelLink, ReadTextFailsQuietly) {
  Bench b;
  b.panel.faults().Add(NextAnswers(Fault::kDrop, 5));
  EXPECT_FALSE(b.link.ReadText(2));
  EXPECT_TRUE(b.host.boxes().empty());
}

// The periphery versions are one transaction: block 0, then the repeater
// panels, the relay cards and, half a second later, the power supply, under
// one progress bar; the first failure ends it with one fault box and keeps
// what came before.
TEST(PanelLink, PeripheryVersionsAreOneTransaction) {
  const auto filled = [](std::uint8_t first) {
    std::array<std::uint8_t, 32> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = static_cast<std::uint8_t>(first + i);
    return r;
  };
  struct Case {
    const char* name;
    int droppedAnswerTo88; // 0: none, 1 the repeaters, 2 the relay cards, 3 the power supply
    std::vector<int> asked;
    bool repeaters, relayCards, powerSupply;
  };
  const Case cases[] = {
      {"all four", 0, {0, 32, 20, 19}, true, true, true},
      {"the repeaters fail", 1, {0, 32}, false, false, false},
      {"the relay cards fail", 2, {0, 32, 20}, true, false, false},
      {"the power supply fails", 3, {0, 32, 20, 19}, true, true, false},
  };
  for (const auto& c : cases) {
    Bench b;
    b.panel.state().records32[32] = filled(0x10);
    b.panel.state().records32[20] = filled(0x40);
    b.panel.state().records32[19] = filled(0x01);
    if (c.droppedAnswerTo88 > 0) {
      auto rule = panelsim::AnswersTo(Fault::kDrop, 88, 1);
      rule.every = c.droppedAnswerTo88;
      b.panel.faults().Add(rule);
    }
    const std::int64_t start = b.clock.SteadyMs();
    PeripheryVersions v;
    EXPECT_EQ(b.link.ReadPeripheryVersions(v), c.powerSupply) << c.name;

    std::vector<int> asked;
    for (const auto& r : b.panel.requests()) {
      if (r.code == 83 || r.code == 88) asked.push_back(r.payload.at(0));
    }
    EXPECT_EQ(asked, c.asked) << c.name;
    EXPECT_EQ(b.panel.requests().front().code, 83) << c.name;
    ASSERT_EQ(v.repeaters.has_value(), c.repeaters) << c.name;
    ASSERT_EQ(v.relayCards.has_value(), c.relayCards) << c.name;
    ASSERT_EQ(v.powerSupply.has_value(), c.powerSupply) << c.name;
    EXPECT_EQ(v.repeaters.value_or(std::array<std::uint8_t, 16>{})[15], c.repeaters ? 0x1F : 0) << c.name;
    EXPECT_EQ(v.relayCards.value_or(std::array<std::uint8_t, 16>{})[0], c.relayCards ? 0x40 : 0) << c.name;
    EXPECT_EQ(v.powerSupply.value_or(std::array<std::uint8_t, 2>{}),
              (c.powerSupply ? std::array<std::uint8_t, 2>{1, 2} : std::array<std::uint8_t, 2>{}))
        << c.name;

    ASSERT_EQ(b.progress.shows.size(), 1u) << c.name;
    EXPECT_EQ(b.progress.shows[0].text, ProgressText::Updating);
    EXPECT_EQ(b.progress.shows[0].count, 4);
    EXPECT_EQ(b.progress.steps, static_cast<int>(c.asked.size())) << c.name;
    EXPECT_FALSE(b.progress.shown) << c.name;
    EXPECT_EQ(b.countdowns, 1) << c.name;
    if (c.powerSupply) {
      EXPECT_TRUE(b.host.boxes().empty()) << c.name;
      EXPECT_GE(b.Elapsed(start), 500) << c.name; // the pause before the power supply
      EXPECT_LT(b.Elapsed(start), 1000) << c.name;
    } else {
      ASSERT_EQ(b.host.boxes().size(), 1u) << c.name;
      EXPECT_EQ(b.host.boxes()[0].caption, "Fout 6") << c.name;
    }
  }
}

} // namespace
} // namespace kx700
