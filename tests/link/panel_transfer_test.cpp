#include <gtest/gtest.h>

#include <algorithm>

#include "link/panel_link.h"
#include "model/model_fixtures.h"
#include "panelsim/engine.h"
#include "support/link_bench.h"

namespace kx700 {
namespace {

using panelsim::AnswersTo;
using panelsim::AnswersWithCode;
using panelsim::Fault;
using panelsim::NextAnswers;

struct Bench : test::LinkBench {
  CPc_kx700Doc doc;

  Bench() {
    panel.SetProgramCardsAfterDownload(false);
    doc.AdoptConfiguration(test::MakeFullConfiguration());
  }
};

// Another panel's image, known to the program as a configuration.
std::vector<std::uint8_t> ImageOf(Configuration c) {
  CPc_kx700Doc doc;
  doc.AdoptConfiguration(std::move(c));
  std::vector<std::uint8_t> image;
  std::array<std::uint8_t, kImageBlockSize> block{};
  std::size_t n = 0;
  for (bool first = true; doc.GetSendData(first, block, n) && n > 0; first = false)
    image.insert(image.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(n));
  return image;
}

TEST(PanelTransfer, DownloadThenUploadGivesTheSameConfiguration) {
  Bench b;
  ASSERT_TRUE(b.link.SendParameters(b.doc, 0, false, false));
  EXPECT_EQ(b.panel.state().image, ImageOf(b.doc.configuration()));
  ASSERT_EQ(b.progress.shows.size(), 1u);
  EXPECT_EQ(b.progress.shows[0].text, ProgressText::Sending);
  EXPECT_EQ(b.progress.shows[0].count, static_cast<int>(b.doc.GetParameterSize() / 100 + 1));
  EXPECT_FALSE(b.progress.shown);
  EXPECT_TRUE(b.host.boxes().empty());

  Configuration received;
  ASSERT_TRUE(b.link.ReceiveParameters(received, 0, true));
  received.version = b.doc.version;
  EXPECT_EQ(received, b.doc.configuration());
  EXPECT_EQ(b.progress.shows.back().text, ProgressText::Receiving);
  EXPECT_EQ(b.progress.steps, b.progress.shows.back().count);
  EXPECT_FALSE(b.progress.shown);
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].text, "Transmissie succesvol!");
  EXPECT_EQ(b.host.boxes()[0].caption, "Configuratie ontvangen");
}

TEST(PanelTransfer, DownloadSendsBlocksOfAHundredAndEnds) {
  Bench b;
  b.doc.AdoptConfiguration(Configuration());
  b.doc.version = {1, 0, 0};
  for (int n = 1; n <= 2; ++n) b.doc.loops.push_back(test::MakeLoop(n, "L"));
  // 2 + 152 + 2 + 87 + 2 = 245 image bytes: blocks of 100, 100 and 45.
  ASSERT_TRUE(b.link.SendParameters(b.doc, 0, false, false));
  std::vector<std::size_t> blocks;
  bool ended = false;
  for (const auto& r : b.panel.requests()) {
    if (r.code == kDataBlock) blocks.push_back(r.payload.at(0));
    if (r.code == kDownloadEnd) ended = true;
  }
  EXPECT_EQ(blocks, (std::vector<std::size_t>{100, 100, 45}));
  EXPECT_TRUE(ended);
  EXPECT_EQ(b.progress.shows[0].count, (76 * 2 + 87) / 100 + 1);
}

TEST(PanelTransfer, DownloadChecksAndAsksFirstWhenTold) {
  Bench b;
  b.doc.loops.clear(); // fails the checks
  EXPECT_FALSE(b.link.SendParameters(b.doc, 0, true, false));
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].caption, "Fout 13");

  Bench c;
  c.host.Answer(MessageAnswer::Cancel);
  EXPECT_FALSE(c.link.SendParameters(c.doc, 0, false, true));
  ASSERT_EQ(c.host.boxes().size(), 1u);
  EXPECT_EQ(c.host.boxes()[0].caption, "Configuratie verzenden");
  EXPECT_EQ(c.host.boxes()[0].text, "De actuele configuratie zal overschreven worden.\n Wilt u doorgaan?");
  EXPECT_EQ(c.host.boxes()[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(c.host.boxes()[0].icon, MessageIcon::Question);
  EXPECT_TRUE(c.panel.requests().empty());
}

TEST(PanelTransfer, FaultsEndInTheirFaultWithinTheirTimeout) {
  struct Case {
    const char* name;
    bool upload;
    std::function<void(panelsim::Engine&)> arrange;
    const char* caption;
  };
  auto delayed = [](std::uint8_t code) {
    panelsim::FaultRule r = AnswersWithCode(Fault::kDelay, code, 1);
    r.delayUs = 30'000'000;
    return r;
  };
  const Case cases[] = {
      {"no answer to the upload start", true, [](auto& e) { e.faults().Add(AnswersTo(Fault::kDrop, 33)); }, "Fout 16"},
      {"no answer to the download start", false, [](auto& e) { e.faults().Add(AnswersTo(Fault::kDrop, 32)); },
       "Fout 16"},
      {"only repeat requests to the upload start", true,
       [](auto& e) { e.faults().Add(AnswersTo(Fault::kAskRepeat, 33)); }, "Fout 6"},
      {"upload blocks with bad checksums", true,
       [](auto& e) { e.faults().Add(AnswersWithCode(Fault::kBadChecksum, 35)); }, "Fout 6"},
      {"endless requests for a repeat after a block", false,
       [](auto& e) { e.faults().Add(AnswersTo(Fault::kAskRepeat, 35)); }, "Fout 6"},
      {"a dropped acknowledgement", false,
       [](auto& e) {
         auto r = AnswersTo(Fault::kDrop, 35, 1);
         r.every = 3;
         e.faults().Add(r);
       },
       "Fout 6"},
      {"an upload block delayed past its budget", true, [&](auto& e) { e.faults().Add(delayed(35)); }, "Fout 6"},
      {"a short upload block", true, [](auto& e) { e.faults().Add(AnswersWithCode(Fault::kShortFrame, 35, 1)); },
       "Fout 6"},
      {"far more blocks than announced", true,
       [](auto& e) {
         e.SetUploadShape({20, 2, std::nullopt});
       },
       "Fout 6"},
      {"an upload that ends before the end mark", true,
       [](auto& e) {
         e.SetUploadShape({100, std::nullopt, 1000});
       },
       "Fout 6"},
      {"hang-up in the middle of an upload", true,
       [](auto& e) {
         auto r = AnswersWithCode(Fault::kHangUp, 35, 1);
         r.every = 5;
         e.faults().Add(r);
       },
       "Fout 6"},
      {"hang-up in the middle of a download", false,
       [](auto& e) {
         auto r = AnswersTo(Fault::kHangUp, 35, 1);
         r.every = 5;
         e.faults().Add(r);
       },
       "Fout 6"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b;
    // The panel holds a configuration of its own to upload.
    b.panel.state().image = ImageOf(test::MakeFullConfiguration());
    c.arrange(b.panel);
    const Configuration before = b.doc.configuration();
    const std::int64_t start = b.clock.SteadyMs();
    bool ok = true;
    if (c.upload) {
      Configuration received;
      ok = b.link.ReceiveParameters(received, 0, true);
      EXPECT_EQ(received, Configuration()); // nothing half-read is handed on
    } else {
      ok = b.link.SendParameters(b.doc, 0, false, false);
    }
    EXPECT_FALSE(ok);
    ASSERT_EQ(b.host.boxes().size(), 1u);
    EXPECT_EQ(b.host.boxes()[0].caption, c.caption);
    EXPECT_FALSE(b.progress.shown);
    EXPECT_EQ(b.doc.configuration(), before);
    // Every wait is bounded: far less than a minute of the link's time.
    EXPECT_LT(b.clock.SteadyMs() - start, 60'000);
    // An upload that fails after it has started tells the panel to stop.
    const bool started = std::any_of(b.panel.requests().begin(), b.panel.requests().end(),
                                     [](const panelsim::Request& r) { return r.code == kAnswerAck; });
    if (c.upload && started && !b.panel.HungUp()) {
      EXPECT_EQ(b.panel.requests().back().code, kRequestAbort);
    }
  }
}

TEST(PanelTransfer, RecoversFromARepeatAndABadChecksum) {
  Bench b;
  b.panel.faults().Add(AnswersTo(Fault::kAskRepeat, 35, 2));
  ASSERT_TRUE(b.link.SendParameters(b.doc, 0, false, false));
  EXPECT_EQ(b.panel.state().image, ImageOf(b.doc.configuration()));

  b.panel.faults().Add(AnswersWithCode(Fault::kBadChecksum, 35, 2));
  Configuration received;
  ASSERT_TRUE(b.link.ReceiveParameters(received, 0, false));
  received.version = b.doc.version;
  EXPECT_EQ(received, b.doc.configuration());
  EXPECT_TRUE(b.host.boxes().empty());
}

TEST(PanelTransfer, Logbook) {
  struct Case {
    std::size_t entries;
    int read;
    bool question;
  };
  const Case cases[] = {{2, 2, false}, {250, 250, false}, {300, 250, false}, {0, 0, true}};
  for (const auto& c : cases) {
    Bench b;
    b.panel.state().logbook = panelsim::MakeLogbook(c.entries);
    b.doc.logbook().push_back(LogbookEntry{}); // an older reading goes
    EXPECT_TRUE(b.link.ReadLogbook(b.doc, 250, 0)) << c.entries;
    EXPECT_EQ(static_cast<int>(b.doc.logbook().size()), c.read) << c.entries;
    EXPECT_FALSE(b.progress.shown);
    if (c.question) {
      ASSERT_EQ(b.host.boxes().size(), 1u);
      EXPECT_EQ(b.host.boxes()[0].caption, "Aandacht 3");
      EXPECT_EQ(b.host.boxes()[0].text, "Geen data aanwezig!");
      EXPECT_EQ(b.host.boxes()[0].icon, MessageIcon::Exclamation);
    } else {
      EXPECT_TRUE(b.host.boxes().empty()) << c.entries;
    }
  }
  // The texts arrive whole, short ones and ones that fill the panel's fixed frame.
  Bench b;
  panelsim::LogbookEntry e;
  e.time = {26, 12, 9, 14, 30, 5};
  e.event = "ALARM";
  e.info = "Lus 3";
  panelsim::LogbookEntry full = e;
  full.event = "TECHNICUS AAN GEWEEST";   // 21 characters
  full.info = "Lus 12 Verdieping 3 West"; // 24 characters
  b.panel.state().logbook = {e, full};
  ASSERT_TRUE(b.link.ReadLogbook(b.doc, 250, 0));
  ASSERT_EQ(b.doc.logbook().size(), 2u);
  EXPECT_EQ(b.doc.logbook().front().eventText, "ALARM");
  EXPECT_EQ(b.doc.logbook().front().infoText, "Lus 3");
  EXPECT_EQ(b.doc.logbook().front().minute, 30);
  EXPECT_EQ(b.doc.logbook().back().eventText, full.event);
  EXPECT_EQ(b.doc.logbook().back().infoText, full.info);
}

TEST(PanelTransfer, LogbookServesRepeatRequestsTenInARowAtMost) {
  const auto kth = [](panelsim::FaultRule rule, int k) {
    rule.every = k;
    return rule;
  };
  struct Case {
    const char* name;
    panelsim::FaultRule rule;
    bool read;
    int resends;
  };
  // The runs in a row replace the end answer, after every entry has come.
  const Case cases[] = {
      {"every fourth answer asked again", kth(AnswersTo(Fault::kAskRepeat, kRequestLogbook), 4), true, 3},
      {"ten repeats in a row", AnswersWithCode(Fault::kAskRepeat, kAnswerNoMoreEntries, 10), true, 10},
      {"eleven repeats in a row", AnswersWithCode(Fault::kAskRepeat, kAnswerNoMoreEntries, 11), false, 10},
  };
  const auto entries = panelsim::MakeLogbook(10);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b;
    b.panel.state().logbook = entries;
    b.panel.faults().Add(c.rule);
    EXPECT_EQ(b.link.ReadLogbook(b.doc, 250, 0), c.read);
    EXPECT_FALSE(b.progress.shown);
    EXPECT_EQ(b.countdowns, 1);
    // Ten entries and the end, each asked once, and one resend per repeat served.
    const auto asked = std::count_if(b.panel.requests().begin(), b.panel.requests().end(),
                                     [](const panelsim::Request& r) { return r.code == kRequestLogbook; });
    EXPECT_EQ(asked, 11 + c.resends);
    if (!c.read) {
      EXPECT_TRUE(b.doc.logbook().empty());
      ASSERT_EQ(b.host.boxes().size(), 1u);
      EXPECT_EQ(b.host.boxes()[0].caption, "Fout 6");
      continue;
    }
    EXPECT_TRUE(b.host.boxes().empty());
    // Every entry once, in order: an entry asked for again is not taken twice.
    ASSERT_EQ(b.doc.logbook().size(), entries.size());
    auto it = b.doc.logbook().begin();
    for (const auto& e : entries) {
      EXPECT_EQ(it->eventText, e.event);
      EXPECT_EQ(it->infoText, e.info);
      EXPECT_EQ(it->second, e.time[5]);
      ++it;
    }
  }
}

TEST(PanelTransfer, LogbookCutOffGivesFault6AndNoList) {
  Bench b;
  b.panel.state().logbook = panelsim::MakeLogbook(10);
  auto r = AnswersTo(Fault::kDrop, 81, 1);
  r.every = 3;
  b.panel.faults().Add(r);
  EXPECT_FALSE(b.link.ReadLogbook(b.doc, 250, 0));
  EXPECT_TRUE(b.doc.logbook().empty());
  ASSERT_EQ(b.host.boxes().size(), 1u);
  EXPECT_EQ(b.host.boxes()[0].caption, "Fout 6");
  EXPECT_FALSE(b.progress.shown);
}

} // namespace
} // namespace kx700
