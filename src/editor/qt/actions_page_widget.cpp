#include "editor/qt/actions_page_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/colour.h"
#include "common/qt/label.h"
#include "common/qt/qt_text.h"
#include "editor/qt/navigation_bar.h"

namespace kx700 {

using namespace action_ids;

namespace {
constexpr int kOutputs = RelayTextRecord::kTextCount;
}

Crel_info::Crel_info(ParameterEditor& editor, QWidget* parent)
    : EditorPageWidget(parent), BoundView<RecordPageView>(this), page_(editor, *this) {
  setObjectName(QStringLiteral("Crel_info"));

  // Created in layout order, which is the tab order.
  auto* kind = new QComboBox(this);
  auto* card = new QComboBox(this);
  card->addItem(tr("Geen"));
  for (int address = 1; address <= 8; ++address) card->addItem(tr("Adres %1").arg(address));
  card->setCurrentIndex(-1);
  bindings_.Bind(kKind, kind);
  bindings_.Bind(kCard, card);

  auto* head = new QGridLayout;
  auto* kindLabel = new QLabel(tr("&Soort"), this);
  kindLabel->setBuddy(kind);
  auto* cardLabel = new QLabel(tr("&Kaart"), this);
  cardLabel->setBuddy(card);
  head->addWidget(kindLabel, 0, 0);
  head->addWidget(kind, 0, 1);
  head->addWidget(cardLabel, 1, 0);
  head->addWidget(card, 1, 1);
  auto* duplicate = new CLabel(this);
  duplicate->SetTextColor(Rgb(128, 0, 128)).SetFontBold(true);
  bindings_.Bind(kDuplicateMark, duplicate);
  head->addWidget(duplicate, 0, 2, 2, 1);
  head->setColumnStretch(2, 1);

  auto* outputs = new QGridLayout;
  for (int k = 0; k < kOutputs; ++k) {
    auto* check = new QCheckBox(QString::number(k + 1), this);
    auto* text = new QLineEdit(this);
    MakeTextField(text, RelayTextRecord::kTextWidth);
    text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    text->setAccessibleName(tr("Tekst %1").arg(k + 1));
    bindings_.Bind(Output(k), check);
    bindings_.Bind(action_ids::Text(k), text);
    outputs->addWidget(check, k, 0);
    outputs->addWidget(text, k, 1);
    connect(check, &QCheckBox::clicked, this, [this] { page_.OnOutputCheck(); });
  }
  outputs->setColumnStretch(2, 1);

  auto* position = new QLabel(this);
  position->setAlignment(Qt::AlignCenter);
  position->setAccessibleDescription(tr("Positie")); // read as the position it shows
  bindings_.Bind(kPosition, position);

  navigation_ = new NavigationBar(this, false);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addSpacing(6);
  layout->addLayout(outputs);
  layout->addStretch(1);
  layout->addWidget(position);
  layout->addWidget(navigation_);

  navigation_->Connect(page_);
  connect(kind, &QComboBox::currentIndexChanged, this, [this] { page_.OnSelchangeKind(); });
  connect(card, &QComboBox::currentIndexChanged, this, [this] { page_.OnSelchangeCard(); });
}

QWidget* Crel_info::navigationButton(ControlId id) const { return navigation_->button(id); }

void Crel_info::SetText(ControlId id, const std::string& text) {
  BoundView<RecordPageView>::SetText(id, text);
  if (id >= Output(0) && id < Output(kOutputs))
    bindings_.widget(action_ids::Text(id - kFirstOutput))->setAccessibleName(tr("Tekst %1").arg(ToQString(text)));
}

} // namespace kx700
