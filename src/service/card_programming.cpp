#include "service/card_programming.h"

#include "common/text_tables.h"
#include "link/panel_frame.h"
#include "session/link_engine.h"

namespace kx700 {

std::optional<std::pair<int, CardCellLook>> CardCellFor(const RelayCardProgress& progress) {
  if (progress.deviceKind != kRelayCardDevice || progress.cardNumber < 1 || progress.cardNumber > kRelayCardCount)
    return std::nullopt;
  CardCellLook look;
  const auto set = [&look](int text, ColorRef colour) {
    look.text = OrEmpty(GetText(text));
    look.textColour = colour;
  };
  switch (progress.resultState) {
    case 0: set(7, Rgb(0, 160, 0)); break;      // "OK"
    case 1: set(10, Rgb(128, 128, 128)); break; // "Onbekend"
    case 2: set(8, Rgb(255, 0, 0)); break;      // "FOUT"
    case 3: set(119, Rgb(255, 0, 0)); break;    // "Geen communicatie"
    default: break;
  }
  return std::pair{progress.cardNumber, look};
}

CardProgramming::CardProgramming(CardProgrammingView& view, const CardProgrammingPanel& panel)
    : view_(view), panel_(panel) {}

void CardProgramming::OnInitDialog() {
  panel_.service.relayCardProgress.answerWaiting = false;
  EnableSelection(false);
}

void CardProgramming::EnableSelection(bool enable) {
  selectionEnabled_ = enable;
  if (enable) pending_ = 0;
  view_.ShowSelectionEnabled(enable);
}

void CardProgramming::ShowProgress() {
  RelayCardProgress& progress = panel_.service.relayCardProgress;
  if (!progress.answerWaiting) return;
  progress.answerWaiting = false;
  const auto cell = CardCellFor(progress);
  if (!cell) return;
  const auto& [card, look] = *cell;
  view_.ShowCard(card, look);
  // The card asked for is done, or the panel's own round ended with the last card.
  if (card == pending_ || card == kRelayCardCount) EnableSelection(true);
}

void CardProgramming::OnClickGrid(int row) {
  if (!selectionEnabled_ || pending_ != 0) return;
  if (row < 1 || row > kRelayCardCount) return;
  view_.ShowCard(row, CardCellLook{kCardPending, std::string(), std::nullopt});
  EnableSelection(false);
  pending_ = row;
  panel_.frame.SendProgramModule(0, kRelayCardDevice, row);
  // The card gets the whole wait for its answer.
  panel_.engine.ArmCardCountdown();
}

} // namespace kx700
