#pragma once

#include <QDialog>

#include "service/card_programming.h"
#include "session/service_context.h"

class QLabel;
class QPushButton;

namespace kx700 {

class CMSFlexGrid;

// "Programmeren periferie": the result of programming each relay card, and a
// click on a card's number programs it again. Modeless; it cannot be closed
// while a card is being programmed.
class Cprog_periph final : public QDialog, private CardProgrammingView, public CardProgramming {
  Q_OBJECT

public:
  Cprog_periph(const ServiceContext& context, QWidget* parent = nullptr);
  ~Cprog_periph() override;

  CMSFlexGrid* grid() const { return grid_; }
  QPushButton* okButton() const { return ok_; }
  QLabel* hint() const { return hint_; }

  // OK, Escape and the close box close the window only while it is not locked.
  void accept() override;
  void reject() override;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  // CardProgrammingView
  void ShowCard(int card, const CardCellLook& look) override;
  void ShowSelectionEnabled(bool enabled) override;

  CMSFlexGrid* grid_;
  QLabel* hint_;
  QPushButton* ok_;
};

} // namespace kx700
