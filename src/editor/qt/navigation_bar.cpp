#include "editor/qt/navigation_bar.h"

#include <QHBoxLayout>

#include "common/colour.h"
#include "common/qt/colour_button.h"

namespace kx700 {

NavigationBar::NavigationBar(QWidget* parent, bool withNumberButton) : QWidget(parent) {
  constexpr ColorRef kMoveText = Rgb(255, 255, 255), kMoveFace = Rgb(80, 176, 80);
  constexpr ColorRef kChangeText = Rgb(1, 1, 1), kChangeFace = Rgb(255, 128, 64);
  struct Spec {
    ControlId id;
    QString text;
    QString accessibleName;
    bool moves;
  };
  const Spec specs[] = {
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
  for (const Spec& spec : specs) {
    if (spec.id == nav_ids::kChooseNumber && !withNumberButton) continue;
    auto* button = new CClrButton(spec.text, this);
    button->SetColors(spec.moves ? kMoveText : kChangeText, spec.moves ? kMoveFace : kChangeFace);
    if (!spec.accessibleName.isEmpty()) {
      button->setAccessibleName(spec.accessibleName);
      button->setToolTip(spec.accessibleName);
    }
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(spec.text) + 24);
    buttons_[spec.id] = button;
    row->addWidget(button, spec.text.size() > 2 ? 2 : 1);
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
