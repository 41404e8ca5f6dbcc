#pragma once

#include <QWidget>

#include <functional>
#include <map>

#include "editor/record_page.h"

class QPushButton;

namespace kx700 {

// The row of navigation buttons at the foot of a record page: "<<",
// "Vorige", "Toevoegen", "v", "Verwijderen", "Volgende", ">>", green for
// moving and orange for changing the list.
class NavigationBar final : public QWidget {
  Q_OBJECT

public:
  explicit NavigationBar(QWidget* parent, bool withNumberButton = true);

  QPushButton* button(ControlId id) const;

  // Each button runs the page's handler of the same name.
  template <typename Page>
  void Connect(Page& page) {
    On(nav_ids::kPreviousFast, [&page] { page.OnPreviousFive(); });
    On(nav_ids::kPrevious, [&page] { page.OnPrevious(); });
    On(nav_ids::kAdd, [&page] { page.OnAdd(); });
    On(nav_ids::kChooseNumber, [&page] { page.OnChooseNumber(); });
    On(nav_ids::kDelete, [&page] { page.OnDelete(); });
    On(nav_ids::kNext, [&page] { page.OnNext(); });
    On(nav_ids::kNextFast, [&page] { page.OnNextFive(); });
  }

private:
  void On(ControlId id, std::function<void()> handler);

  std::map<ControlId, QPushButton*> buttons_;
};

} // namespace kx700
