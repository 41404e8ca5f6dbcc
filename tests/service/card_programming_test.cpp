#include "service/card_programming.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "link/panel_frame.h"
#include "support/app_bench.h"

namespace kx700 {
namespace {

TEST(CardCell, LooksByResult) {
  struct Case {
    int kind, card, state;
    std::optional<std::pair<int, CardCellLook>> cell;
  };
  const Case cases[] = {
      {20, 1, 0, std::pair{1, CardCellLook{kWhite, "OK", Rgb(0, 160, 0)}}},
      {20, 2, 1, std::pair{2, CardCellLook{kWhite, "Onbekend", Rgb(128, 128, 128)}}},
      {20, 3, 2, std::pair{3, CardCellLook{kWhite, "FOUT", Rgb(255, 0, 0)}}},
      {20, 8, 3, std::pair{8, CardCellLook{kWhite, "Geen communicatie", Rgb(255, 0, 0)}}},
      {20, 4, 7, std::pair{4, CardCellLook{kWhite, std::nullopt, std::nullopt}}}, // text and colour stay
      {21, 1, 0, std::nullopt},
      {20, 0, 0, std::nullopt},
      {20, 9, 0, std::nullopt},
      {20, -1, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    RelayCardProgress progress;
    progress.deviceKind = c.kind;
    progress.cardNumber = c.card;
    progress.resultState = c.state;
    EXPECT_EQ(CardCellFor(progress), c.cell) << c.kind << " " << c.card << " " << c.state;
  }
}

struct FakeCardView final : CardProgrammingView {
  void ShowCard(int card, const CardCellLook& look) override { cells[card] = look; }
  void ShowSelectionEnabled(bool on) override { enabled.push_back(on); }
  std::map<int, CardCellLook> cells;
  std::vector<bool> enabled;
};

// The window after a send, in link mode 2, against the simulated panel with
// three relay cards, the third failing.
struct CardWindow : testing::Test, test::AppBench {
  FakeCardView view;
  CardProgramming window{view, {app->document().serviceState(), app->link(), app->engine()}};

  CardWindow() {
    panel.SetCardProgramming({.steps = 2, .durationUs = 200'000});
    window.OnInitDialog();
    EXPECT_TRUE(window.EnterLinkMode(app->engine()));
  }
  // What the panel reports of its own accord.
  void Report(int card, int state, int kind = kRelayCardDevice) {
    std::vector<std::uint8_t> p{static_cast<std::uint8_t>(state), static_cast<std::uint8_t>(kind),
                                static_cast<std::uint8_t>(card)};
    p.resize(3 + 18, 0);
    panel.Answer(kAnswerCardProgress, p);
  }
  std::vector<std::vector<std::uint8_t>> ProgramRequests() {
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& r : panel.requests()) {
      if (r.code != kRequestProgramModule) continue;
      std::vector<std::uint8_t> b{r.address};
      b.insert(b.end(), r.payload.begin(), r.payload.end());
      out.push_back(b);
    }
    panel.ClearRequests();
    return out;
  }
};

TEST_F(CardWindow, StartsLockedUntilTheLastCardReports) {
  EXPECT_EQ(view.enabled, std::vector<bool>{false});
  EXPECT_FALSE(window.OnOK()); // cannot be closed
  window.OnClickGrid(1);
  EXPECT_TRUE(ProgramRequests().empty());

  Report(3, 2);
  RunFor(50);
  EXPECT_EQ(view.cells.at(3), (CardCellLook{kWhite, "FOUT", Rgb(255, 0, 0)}));
  EXPECT_FALSE(window.selectionEnabled());
  // Another device, or no card of the window: nothing changes.
  Report(4, 0, 21);
  Report(9, 0);
  RunFor(50);
  EXPECT_EQ(view.cells.size(), 1u);
  EXPECT_FALSE(window.selectionEnabled());

  Report(8, 3);
  RunFor(50);
  EXPECT_EQ(view.cells.at(8).text, "Geen communicatie");
  EXPECT_TRUE(window.selectionEnabled());
  EXPECT_TRUE(window.OnOK());
}

TEST_F(CardWindow, AChosenCardIsProgrammedAndGivesTheWindowBack) {
  RunFor(5 * 1500); // nothing from the panel: the window is given back
  ASSERT_TRUE(window.selectionEnabled());
  window.OnClickGrid(0); // the heading
  window.OnClickGrid(9);
  EXPECT_TRUE(ProgramRequests().empty());

  window.OnClickGrid(3);
  EXPECT_EQ(ProgramRequests(), (std::vector<std::vector<std::uint8_t>>{{0x00, kRelayCardDevice, 3}}));
  EXPECT_EQ(view.cells.at(3), (CardCellLook{kCardPending, "", std::nullopt}));
  EXPECT_EQ(window.pendingCard(), 3);
  EXPECT_FALSE(window.OnOK());
  EXPECT_EQ(app->engine().idleCountdown(), 1500);
  window.OnClickGrid(2); // one card at a time
  EXPECT_TRUE(ProgramRequests().empty());

  RunFor(300);
  EXPECT_EQ(view.cells.at(3), (CardCellLook{kWhite, "FOUT", Rgb(255, 0, 0)}));
  EXPECT_TRUE(window.selectionEnabled());
  EXPECT_EQ(window.pendingCard(), 0);
  // The card's last answer after its first one unlocked the window: shown.
  window.OnClickGrid(1);
  RunFor(300);
  EXPECT_EQ(view.cells.at(1).text, "OK");
}

TEST_F(CardWindow, ACardThatNeverAnswersGivesTheWindowBackAfter1500Steps) {
  panel.state().cardResults[2] = panelsim::card_state::kSilent;
  RunFor(5 * 1500);
  ASSERT_TRUE(window.selectionEnabled());
  RunFor(5 * 100); // long after the countdown ran out
  window.OnClickGrid(2);
  ASSERT_EQ(ProgramRequests().size(), 1u);
  // The whole wait is the card's, counted from the click.
  RunFor(5 * 1499);
  EXPECT_FALSE(window.selectionEnabled());
  EXPECT_FALSE(window.OnOK());
  RunFor(5);
  EXPECT_TRUE(window.selectionEnabled());
  EXPECT_EQ(window.pendingCard(), 0);
  EXPECT_TRUE(window.OnOK());
  window.OnClickGrid(1); // a new choice is taken
  EXPECT_EQ(ProgramRequests().size(), 1u);
}

} // namespace
} // namespace kx700
