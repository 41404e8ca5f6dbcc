#include <gtest/gtest.h>

#include <string>

#include "panelsim/engine.h"
#include "panelsim/parameter_image.h"
#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Bytes;

struct Sent {
  std::int64_t atUs; // when the frame went out
  std::uint8_t code;
  Bytes payload;
};

// Every frame the panel sends from now on, with the time of its last byte, on a fake clock.
std::vector<Sent> Collect(Engine& e) {
  std::vector<Sent> sent;
  FrameReceiver receiver;
  while (const auto next = e.NextDueUs()) {
    Bytes chunk;
    e.TakeDue(*next, chunk);
    std::vector<FrameReceiver::Result> frames;
    receiver.Put(chunk, frames);
    for (auto& f : frames) sent.push_back({*next, f.frame.code, std::move(f.frame.payload)});
  }
  return sent;
}

Bytes Progress(std::uint8_t state, std::uint8_t card, std::string_view text) {
  Bytes p{state, kDeviceRelayCard, card};
  p.insert(p.end(), text.begin(), text.end());
  p.resize(3 + 18, 0);
  return p;
}

// Three relay cards: card 2 ends "unknown", card 3 in an error.
PanelState ThreeCards() {
  PanelState s;
  s.relayCards = 3;
  s.cardResults[2] = card_state::kUnknown;
  s.cardResults[3] = card_state::kError;
  return s;
}

class CardProgrammingTest : public ::testing::Test {
protected:
  CardProgrammingTest() : e(ThreeCards()) {
    e.SetBaud(0);
    e.SetAnswerDelayUs(2'000);
  }
  Engine e;
};

TEST_F(CardProgrammingTest, ProgressThenResultOverTime) {
  e.SetCardProgramming({.steps = 3, .durationUs = 2'000'000});
  e.Receive(test::RequestBytes(req::kProgramModule, {kDeviceRelayCard, 1}, 0), 1'000'000);
  const auto sent = Collect(e);
  ASSERT_EQ(sent.size(), 3u);
  const Bytes expected[] = {Progress(card_state::kUnknown, 1, "Programmeren 0%"),
                            Progress(card_state::kUnknown, 1, "Programmeren 50%"), Progress(card_state::kOk, 1, "OK")};
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(sent[i].code, answer::kCardProgress);
    EXPECT_EQ(sent[i].payload, expected[i]) << i;
    EXPECT_EQ(sent[i].atUs, 1'002'000 + static_cast<std::int64_t>(i) * 1'000'000) << i;
  }
}

TEST_F(CardProgrammingTest, ResultsPerCard) {
  e.SetCardProgramming({.steps = 1, .durationUs = 0});
  struct Case {
    Bytes request;
    std::optional<Bytes> result;
  };
  const Case cases[] = {
      {{kDeviceRelayCard, 1}, Progress(card_state::kOk, 1, "OK")},
      {{kDeviceRelayCard, 2}, Progress(card_state::kUnknown, 2, "Onbekend")},
      {{kDeviceRelayCard, 3}, Progress(card_state::kError, 3, "Fout")},
      {{kDeviceRelayCard, 4}, Progress(card_state::kNoCommunication, 4, "Geen communicatie")}, // not in the panel
      {{kDeviceRelayCard, 8}, Progress(card_state::kNoCommunication, 8, "Geen communicatie")},
      {{kDeviceRelayCard, 0}, std::nullopt},
      {{kDeviceRelayCard, 9}, std::nullopt},
      {{21, 1}, std::nullopt},
      {{kDeviceRelayCard}, std::nullopt},
  };
  for (const auto& c : cases) {
    e.Receive(test::RequestBytes(req::kProgramModule, c.request, 0), 0);
    const auto sent = Collect(e);
    ASSERT_EQ(sent.size(), c.result ? 1u : 0u) << int(c.request.back());
    if (c.result) {
      EXPECT_EQ(sent[0].payload, *c.result);
    }
  }
}

TEST_F(CardProgrammingTest, ASilentCardNeverReportsAndHoldsUpNoOtherCard) {
  e.SetCardProgramming({.steps = 2, .durationUs = 1'000'000});
  e.state().cardResults[2] = card_state::kSilent;
  e.Receive(test::RequestBytes(req::kProgramModule, {kDeviceRelayCard, 2}, 0), 0);
  e.Receive(test::RequestBytes(req::kProgramModule, {kDeviceRelayCard, 1}, 0), 0);
  const auto sent = Collect(e);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].payload, Progress(card_state::kUnknown, 1, "Programmeren 0%"));
  EXPECT_EQ(sent[0].atUs, 2'000);
  EXPECT_EQ(sent[1].payload, Progress(card_state::kOk, 1, "OK"));
}

TEST_F(CardProgrammingTest, CardsGoOneAfterAnotherWhileOtherRequestsAreAnswered) {
  e.SetCardProgramming({.steps = 2, .durationUs = 1'000'000});
  e.Receive(test::RequestBytes(req::kProgramModule, {kDeviceRelayCard, 1}, 0), 0);
  e.Receive(test::RequestBytes(req::kProgramModule, {kDeviceRelayCard, 2}, 0), 0);
  e.Receive(test::RequestBytes(req::kStatus), 500'000);
  std::vector<std::pair<std::int64_t, int>> order; // time, card (0: the status answer)
  for (const auto& s : Collect(e)) order.emplace_back(s.atUs, s.code == answer::kCardProgress ? s.payload[2] : 0);
  const std::vector<std::pair<std::int64_t, int>> expected{
      {2'000, 1}, {502'000, 0}, {1'002'000, 1}, {1'002'000, 2}, {2'002'000, 2}};
  EXPECT_EQ(order, expected);
}

TEST_F(CardProgrammingTest, DownloadProgramsTheCardsItsImageDeclares) {
  const auto declaring = [](std::uint8_t cards) {
    RecordBytes central(*RecordSize(tag::kCentral), 0);
    central[kCentralRelayCards] = cards;
    return ImageBuilder().Add(tag::kCentral, central).Finish();
  };
  const Bytes image = declaring(2);
  struct Case {
    Bytes image;
    bool programAfterDownload;
    int relayCards;
    std::vector<int> reported;
  };
  const Case cases[] = {
      {image, true, 2, {1, 2}},
      {image, false, 2, {}},
      {Bytes{0x01, 0x02}, true, 3, {1, 2, 3}}, // no central record: the count stays
      {declaring(kMaxRelayCards), true, 8, {1, 2, 3, 4, 5, 6, 7, 8}},
      // More cards than a panel can hold: the count stays, and no card beyond it is programmed.
      {declaring(kMaxRelayCards + 1), true, 3, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    PanelState s;
    s.relayCards = 3;
    Engine panel(std::move(s));
    panel.SetCardProgramming({.steps = 1, .durationUs = 0});
    panel.SetProgramCardsAfterDownload(c.programAfterDownload);
    test::Ask(panel, req::kDownloadStart, {}, 0);
    Bytes block{static_cast<std::uint8_t>(c.image.size())};
    block.insert(block.end(), c.image.begin(), c.image.end());
    test::Ask(panel, req::kDataBlock, block, 0);
    panel.Receive(test::RequestBytes(req::kDownloadEnd, {}, 0), 0);
    std::vector<int> reported;
    for (const auto& sent : Collect(panel)) {
      EXPECT_EQ(sent.payload[0], card_state::kOk);
      reported.push_back(sent.payload[2]);
    }
    EXPECT_EQ(panel.state().relayCards, c.relayCards);
    EXPECT_EQ(reported, c.reported);
  }
}

TEST_F(CardProgrammingTest, HangUpDropsThePlannedAnswers) {
  e.SetCardProgramming({.steps = 4, .durationUs = 3'000'000});
  FaultRule rule = AnswersWithCode(Fault::kHangUp, answer::kCardProgress, 1);
  rule.every = 2;
  e.faults().Add(rule);
  e.Receive(test::RequestBytes(req::kProgramModule, {kDeviceRelayCard, 1}, 0), 0);
  EXPECT_EQ(Collect(e).size(), 1u);
  EXPECT_TRUE(e.HungUp());
  EXPECT_FALSE(e.NextDueUs());
}

} // namespace
} // namespace panelsim
