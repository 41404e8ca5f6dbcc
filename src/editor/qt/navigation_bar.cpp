#include "editor/qt/navigation_bar.h"

#include <QHBoxLayout>

#include "common/colour.h"
#include "common/qt/colour_button.h"

namespace kx700 {

NavigationBar::NavigationBar(QWidget* parent, bool withNumberButton) : QWidget(parent) {
  constexpr ColorRef kMoveText = Rgb(255, 255, 255), kMoveFace = Rgb(80, 176, 80);
  constexpr ColorRef kChangeText = Rgb(1, 1, 1), kChangeFace = Rgb(255, 128, 64);
  struct Button {
    ControlId id;
    QString text;
    QString accessibleName;
    bool moves;
  };
  const Button buttons[] = {
      {nav_ids::kPreviousFast, QStringLiteral("<<"), tr("Snel terug"), true},
      {nav_ids::kPrevious, tr("Vorige"), {}, true},
      {nav_ids::kAdd, tr("Toevoegen"), {}, false},
      {nav_ids::kChooseNumber, QStringLiteral("v"), tr("Nummer kiezen"), false},
      {nav_ids::kDelete, tr("Verwijderen"), {}, false},
      {nav_ids::kNext, tr("Volgende"), {}, true},
      {nav_ids::kNextFast, QStringLiteral(">>"), tr("Snel verder"), true},
  };
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 6, 0, 0);
  for (const Button& plan : buttons) {
    if (plan.id == nav_ids::kChooseNumber && !withNumberButton) continue;
    auto* button = new CClrButton(plan.text, this);
    button->SetColors(plan.moves ? kMoveText : kChangeText, plan.moves ? kMoveFace : kChangeFace);
    if (!plan.accessibleName.isEmpty()) {
      button->setAccessibleName(plan.accessibleName);
      button->setToolTip(plan.accessibleName);
    }
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(plan.text) + 24);
    buttons_[plan.id] = button;
    row->addWidget(button, plan.text.size() > 2 ? 2 : 1);
  }
}

QPushButton* NavigationBar::button(ControlId id) const {
  const auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void NavigationBar::On(ControlId id, std::function<void()> handler) {
  if (QPushButton* b = button(id)) connect(b, &QPushButton::clicked, this, std::move(handler));
}

} // namespace kx700
