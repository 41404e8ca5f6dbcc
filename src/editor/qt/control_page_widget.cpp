#include "editor/qt/control_page_widget.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/colour.h"
#include "common/qt/label.h"
#include "common/qt/qt_text.h"
#include "common/text_tables.h"
#include "editor/qt/navigation_bar.h"
#include "editor/qt/number_dialog.h"

namespace kx700 {

using namespace control_ids;

namespace {

constexpr int kRows = ControlRecord::kEventCount;
constexpr int kBoxes = 8;
const char* const kRowProperty = "relayRow";
const char* const kBoxProperty = "relayBox";

// A widget that keeps its place in the grid while it is hidden, so the rows
// do not jump as their modules come and go.
template <typename W>
W* Steady(W* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  return widget;
}

} // namespace

Ccontrol::Ccontrol(ParameterEditor& editor, QWidget* parent)
    : EditorPageWidget(parent), BoundView<RecordPageView>(this), page_(editor, *this) {
  setObjectName(QStringLiteral("Ccontrol"));

  // Created in layout order, which is the tab order.
  // The labels that show values are read as those values.
  auto* number = new QLabel(this);
  number->setFocusPolicy(Qt::NoFocus);
  QFont bold = number->font();
  bold.setBold(true);
  bold.setPixelSize(14);
  number->setFont(bold);
  number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("000")));
  auto* name = new QLineEdit(this);
  MakeTextField(name, ControlRecord::kNameWidth);
  name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);
  auto* type = new QComboBox(this);
  auto* typeText = new QLabel(this);
  typeText->setFont(bold);
  // Its caption names the type's combo box, whose place it takes.
  typeText->setAccessibleDescription(tr("Soort"));

  bindings_.Bind(kNumber, number);
  bindings_.Bind(kName, name);
  bindings_.Bind(kType, type);
  bindings_.Bind(kTypeText, typeText);

  auto* head = new QGridLayout;
  head->addWidget(NewBuddyLabel(tr("Nummer"), number, this), 0, 0);
  head->addWidget(number, 0, 1);
  auto* nameLabel = new QLabel(tr("&Naam"), this);
  nameLabel->setBuddy(name);
  head->addWidget(nameLabel, 0, 2);
  head->addWidget(name, 0, 3);
  auto* typeLabel = new QLabel(tr("S&oort"), this);
  typeLabel->setBuddy(type);
  head->addWidget(typeLabel, 0, 4);
  // The type, or its text once a row has an event: one place for both.
  auto* typeCell = new QHBoxLayout;
  typeCell->addWidget(type);
  typeCell->addWidget(typeText);
  head->addLayout(typeCell, 0, 5);
  head->setColumnStretch(3, 1);
  head->setColumnStretch(5, 1);

  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(6);
  rows->addWidget(new QLabel(tr("Gebeurtenis"), this), 0, 1);
  rows->addWidget(new QLabel(tr("Module"), this), 0, 2);
  rows->addWidget(new QLabel(tr("Adres"), this), 0, 3);
  rows->addWidget(new QLabel(tr("Relais"), this), 0, 4, 1, kBoxes);
  const int boxSide = fontMetrics().horizontalAdvance(QStringLiteral("16")) + 14;
  for (int r = 0; r < kRows; ++r) {
    auto* label = new QLabel(QStringLiteral("%1.").arg(r + 1), this);
    auto* event = new QComboBox(this);
    auto* module = Steady(new QComboBox(this));
    auto* address = Steady(new QComboBox(this));
    for (int card = 1; card <= 8; ++card) address->addItem(tr("Adres %1").arg(card));
    address->setCurrentIndex(0);
    const QString row = tr("Rij %1").arg(r + 1);
    event->setAccessibleName(tr("%1 - Gebeurtenis").arg(row));
    module->setAccessibleName(tr("%1 - Module").arg(row));
    address->setAccessibleName(tr("%1 - Adres").arg(row));
    bindings_.Bind(RowLabel(r), label);
    bindings_.Bind(Event(r), event);
    bindings_.Bind(Module(r), module);
    bindings_.Bind(Address(r), address);
    rows->addWidget(label, r + 1, 0);
    rows->addWidget(event, r + 1, 1);
    rows->addWidget(module, r + 1, 2);
    rows->addWidget(address, r + 1, 3);
    connect(event, &QComboBox::currentIndexChanged, this, [this] { page_.OnSelchangeRow(); });
    connect(module, &QComboBox::currentIndexChanged, this, [this] { page_.OnSelchangeRow(); });
    for (int b = 0; b < kBoxes; ++b) {
      auto* box = Steady(new QPushButton(QStringLiteral(" "), this));
      box->setCheckable(true);
      box->setFixedSize(boxSide, boxSide);
      box->setAccessibleName(tr("%1 - Relais %2").arg(row).arg(b + 1));
      box->setProperty(kRowProperty, r);
      box->setProperty(kBoxProperty, b);
      box->installEventFilter(this);
      bindings_.Bind(Relay(r, b), box);
      rows->addWidget(box, r + 1, 4 + b);
      connect(box, &QPushButton::clicked, this, [this, r, b] { page_.OnRelayCheck(r, b); });
    }
  }
  rows->setColumnStretch(1, 1);

  auto* relayText = new CLabel(this);
  relayText->SetTextColor(Rgb(0, 128, 192)).SetFontSize(14);
  relayText->setMinimumHeight(relayText->fontMetrics().height() + 10);
  relayText->setAccessibleDescription(tr("Relaistekst")); // read as the text it shows
  bindings_.Bind(kRelayText, relayText);
  auto* note =
      new QLabel(tr("BASISRELAIS: Relais 1,2 en 3 zijn beveiligde sirenekringen. - Relais 8 is fail safe."), this);
  note->setEnabled(false);
  note->setWordWrap(true);

  navigation_ = new NavigationBar(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addSpacing(6);
  layout->addLayout(rows);
  layout->addWidget(relayText);
  layout->addWidget(note);
  layout->addStretch(1);
  layout->addWidget(navigation_);

  navigation_->Connect(page_);
  connect(type, &QComboBox::currentIndexChanged, this, [this] { page_.OnSelchangeType(); });
}

QWidget* Ccontrol::navigationButton(ControlId id) const { return navigation_->button(id); }

bool Ccontrol::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter) {
    page_.OnRelayEnter(watched->property(kRowProperty).toInt(), watched->property(kBoxProperty).toInt());
  } else if (event->type() == QEvent::Leave) {
    page_.OnRelayLeave();
  }
  return EditorPageWidget::eventFilter(watched, event);
}

std::optional<int> Ccontrol::ChooseNumber(int preset) {
  Cadd dialog(this);
  dialog.SetNumber(preset);
  dialog.SetParams(TableText(106), TableText(105), 1, ControlPage::kLimit);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.number();
}

} // namespace kx700
