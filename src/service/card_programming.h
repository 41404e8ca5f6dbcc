#pragma once

#include <optional>
#include <string>
#include <utility>

#include "common/colour.h"
#include "model/document.h"
#include "session/service_window.h"

// The relay card reprogramming window's logic: what a card's cell shows, when
// the user may choose a card, and what a choice sends.
namespace kx700 {

inline constexpr int kRelayCardDevice = 20;
inline constexpr int kRelayCardCount = 8;
inline constexpr ColorRef kCardPending = Rgb(255, 255, 0);

// A card's status cell. A result the window does not know leaves the text
// and its colour as they were.
struct CardCellLook {
  ColorRef background = kWhite;
  std::optional<std::string> text;
  std::optional<ColorRef> textColour;
  bool operator==(const CardCellLook&) const = default;
};

// The card a progress answer is about and how its cell looks; nothing for
// another device or a card number outside 1..8.
std::optional<std::pair<int, CardCellLook>> CardCellFor(const RelayCardProgress& progress);

class CardProgrammingView {
public:
  virtual ~CardProgrammingView() = default;
  // The status cell of card 1..8.
  virtual void ShowCard(int card, const CardCellLook& look) = 0;
  // Whether the user may choose a card and close the window: the OK button
  // and the hint follow.
  virtual void ShowSelectionEnabled(bool enabled) = 0;
};

class CPanelFrame;
class LinkEngine;

struct CardProgrammingPanel {
  PanelServiceState& service;
  CPanelFrame& frame;
  LinkEngine& engine;
};

// Link mode 2: the panel reports, card by card, how programming went; the
// user orders one card at a time to be programmed again. The window is locked
// while the panel programs: after a send, and after each choice, until the
// card's answer (or card 8's) comes, or the engine's countdown runs out.
class CardProgramming : public CardProgrammingWindow {
public:
  CardProgramming(CardProgrammingView& view, const CardProgrammingPanel& panel);

  // Starts locked: the panel programs its cards after the send.
  void OnInitDialog();
  void ShowProgress() override;
  // Unlocking also forgets the card pending, so that a card that never
  // answers cannot keep the window from a new choice.
  void EnableSelection(bool enable) override;
  // A click on a row of the grid (0 is the heading).
  void OnClickGrid(int row);
  // OK, Escape or the close box: whether the window may close now.
  bool OnOK() const { return selectionEnabled_; }
  bool MayClose() const override { return OnOK(); }

  bool selectionEnabled() const { return selectionEnabled_; }
  int pendingCard() const { return pending_; }

private:
  CardProgrammingView& view_;
  CardProgrammingPanel panel_;
  bool selectionEnabled_ = false;
  int pending_ = 0;
};

} // namespace kx700
