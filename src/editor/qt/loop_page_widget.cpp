#include "editor/qt/loop_page_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/colour_button.h"
#include "editor/qt/navigation_bar.h"
#include "editor/qt/number_dialog.h"

namespace kx700 {

using namespace loop_ids;

Csel_det_kind::Csel_det_kind(const CompositionEntry& preset, QWidget* parent)
    : QDialog(parent), BoundView<PageView>(this), kind_(new QComboBox(this)), count_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("Csel_det_kind"));
  setWindowTitle(tr("Detectorsoort"));
  bindings_.Bind(detector_kind_ids::kKind, kind_);
  bindings_.Bind(detector_kind_ids::kCount, count_);
  auto* kindLabel = new QLabel(tr("&Soort"), this);
  kindLabel->setBuddy(kind_);
  auto* countLabel = new QLabel(tr("&Aantal"), this);
  countLabel->setBuddy(count_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &Csel_det_kind::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &Csel_det_kind::reject);
  auto* layout = new QGridLayout(this);
  layout->addWidget(kindLabel, 0, 0);
  layout->addWidget(kind_, 0, 1);
  layout->addWidget(countLabel, 1, 0);
  layout->addWidget(count_, 1, 1);
  layout->addWidget(buttons, 2, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowDetectorKindChoice(*this, preset);
  entry_ = DetectorKindPreset(preset);
}

void Csel_det_kind::accept() {
  const auto chosen = AcceptDetectorKindChoice(*this);
  if (!chosen) return;
  entry_ = *chosen;
  QDialog::accept();
}

Czone::Czone(ParameterEditor& editor, QWidget* parent)
    : EditorPageWidget(parent), BoundView<LoopPageView>(this), page_(editor, *this) {
  setObjectName(QStringLiteral("Czone"));

  // Created in layout order, which is the tab order.
  auto* number = new QLabel(this); // read as the number it shows
  QFont bold = number->font();
  bold.setBold(true);
  number->setFont(bold);
  number->setMinimumWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("000")));
  auto* active = new QCheckBox(tr("Actief"), this);
  auto* name = NewTextField(this, LoopRecord::kNameWidth);
  auto* kind = new QComboBox(this);
  auto* zener = new QCheckBox(tr("&Zenerbarrier"), this);

  auto* levels = new QGroupBox(tr("Niveaus"), this);
  upperLabel_ = new QLabel(levels);
  lowerLabel_ = new QLabel(levels);
  auto* upperText = NewTextField(levels, LoopRecord::kLevelTextWidth);
  auto* upperLevel = NewNumberField(levels, 4);
  auto* lowerText = NewTextField(levels, LoopRecord::kLevelTextWidth);
  auto* lowerLevel = NewNumberField(levels, 4);
  auto* faultText = NewTextField(levels, LoopRecord::kLevelTextWidth);
  auto* faultLevel = NewNumberField(levels, 4);
  auto* shortLevel = NewNumberField(levels, 4);

  auto* warning = new QGroupBox(tr("Waarschuwing - evacuatie"), this);
  auto* warningActive = new QCheckBox(tr("Actief"), warning);
  warningActive->setAccessibleName(tr("Waarschuwing - evacuatie actief"));
  auto* delayed = new QCheckBox(tr("Vertraagde evac. toegestaan"), warning);
  auto* intervention = NewNumberField(warning, 1);
  auto* interventionLabel = NewBuddyLabel(tr("&Interventietijd"), intervention, warning);
  auto* dependency = NewNumberField(this, 2);
  auto* loopControl = new QComboBox(this);
  loopControl->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  loopControl->setMinimumContentsLength(18);

  auto* composition = new QGroupBox(tr("Samenstelling"), this);
  auto* compositionList = new QListWidget(composition);
  compositionList->setAccessibleName(tr("Samenstelling"));
  compositionList->setMinimumWidth(
      compositionList->fontMetrics().horizontalAdvance(QStringLiteral("30 x Multi-sensor (opt.+therm.)")) + 24);
  compositionList->setMaximumHeight(compositionList->fontMetrics().height() * 5 + 8);
  auto* addEntry = new QPushButton(QStringLiteral(">"), composition);
  addEntry->setAccessibleName(tr("Detectorsoort toevoegen of wijzigen"));
  addEntry->setToolTip(addEntry->accessibleName());
  auto* removeEntry = new QPushButton(QStringLiteral("<"), composition);
  removeEntry->setAccessibleName(tr("Detectorsoort verwijderen"));
  removeEntry->setToolTip(removeEntry->accessibleName());
  for (QPushButton* button : {addEntry, removeEntry}) {
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral(">")) * 3 + 16);
  }

  auto* navigation = new NavigationBar(this);

  for (const auto& [id, widget] :
       std::initializer_list<std::pair<ControlId, QWidget*>>{{kComposition, compositionList},
                                                             {kLoopControl, loopControl},
                                                             {kDetectionKind, kind},
                                                             {kName, name},
                                                             {kFaultText, faultText},
                                                             {kWarningEvacuation, warningActive},
                                                             {kInterventionTime, intervention},
                                                             {kDelayedEvacuation, delayed},
                                                             {kDependency, dependency},
                                                             {kActive, active},
                                                             {kNumber, number},
                                                             {kUpperText, upperText},
                                                             {kLowerText, lowerText},
                                                             {kZener, zener},
                                                             {kUpperLabel, upperLabel_},
                                                             {kLowerLabel, lowerLabel_},
                                                             {kUpperLevel, upperLevel},
                                                             {kFaultLevel, faultLevel},
                                                             {kShortLevel, shortLevel},
                                                             {kLowerLevel, lowerLevel},
                                                             {kAddComposition, addEntry},
                                                             {kRemoveComposition, removeEntry},
                                                             {kWarningGroup, warning},
                                                             {kInterventionLabel, interventionLabel}})
    bindings_.Bind(id, widget);

  // Left: the loop and its levels.
  auto* head = new QGridLayout;
  head->addWidget(NewBuddyLabel(tr("Nummer"), number, this), 0, 0);
  head->addWidget(number, 0, 1);
  head->addWidget(active, 0, 2);
  head->addWidget(NewBuddyLabel(tr("&Naam"), name, this), 1, 0);
  head->addWidget(name, 1, 1, 1, 2);
  head->addWidget(NewBuddyLabel(tr("&Detectie"), kind, this), 2, 0);
  head->addWidget(kind, 2, 1);
  head->addWidget(zener, 2, 2);
  head->setColumnStretch(1, 1);

  auto* levelGrid = new QGridLayout(levels);
  levelGrid->addWidget(new QLabel(tr("Melding"), levels), 0, 1);
  levelGrid->addWidget(new QLabel(tr("Niveau (V)"), levels), 0, 2);
  levelGrid->addWidget(upperLabel_, 1, 0);
  levelGrid->addWidget(upperText, 1, 1);
  levelGrid->addWidget(upperLevel, 1, 2);
  levelGrid->addWidget(lowerLabel_, 2, 0);
  levelGrid->addWidget(lowerText, 2, 1);
  levelGrid->addWidget(lowerLevel, 2, 2);
  auto* faultLabel = new QLabel(tr("Fout"), levels);
  levelGrid->addWidget(faultLabel, 3, 0);
  levelGrid->addWidget(faultText, 3, 1);
  levelGrid->addWidget(faultLevel, 3, 2);
  auto* shortLabel = NewBuddyLabel(tr("Kortsluiting"), shortLevel, levels);
  levelGrid->addWidget(shortLabel, 4, 0);
  levelGrid->addWidget(shortLevel, 4, 2);
  levelGrid->setColumnStretch(1, 1);
  faultText->setAccessibleName(tr("Fout - Melding"));
  faultLevel->setAccessibleName(tr("Fout - Niveau (V)"));

  auto* left = new QVBoxLayout;
  left->addLayout(head);
  left->addWidget(levels);
  left->addStretch(1);

  // Right: evacuation, dependency, loop control and composition.
  auto* warningGrid = new QGridLayout(warning);
  warningGrid->addWidget(warningActive, 0, 0, 1, 2);
  warningGrid->addWidget(delayed, 1, 0, 1, 2);
  warningGrid->addWidget(interventionLabel, 2, 0);
  warningGrid->addWidget(intervention, 2, 1, Qt::AlignLeft);
  warningGrid->setColumnStretch(1, 1);

  auto* settings = new QGridLayout;
  settings->addWidget(NewBuddyLabel(tr("&Lusafhankelijkheid"), dependency, this), 0, 0);
  settings->addWidget(dependency, 0, 1, Qt::AlignLeft);
  settings->addWidget(NewBuddyLabel(tr("Lus&sturing"), loopControl, this), 1, 0);
  settings->addWidget(loopControl, 1, 1);
  settings->setColumnStretch(1, 1);

  auto* compositionRow = new QHBoxLayout(composition);
  compositionRow->addWidget(compositionList, 1);
  auto* compositionButtons = new QVBoxLayout;
  compositionButtons->addWidget(addEntry);
  compositionButtons->addWidget(removeEntry);
  compositionButtons->addStretch(1);
  compositionRow->addLayout(compositionButtons);

  auto* right = new QVBoxLayout;
  right->addWidget(warning);
  right->addLayout(settings);
  right->addWidget(composition);
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addSpacing(12);
  columns->addLayout(right, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(navigation);

  // The user's actions reach the page; the page's own changes emit nothing.
  navigation->Connect(page_);
  connect(kind, &QComboBox::currentIndexChanged, this, [this] { page_.OnSelchangeDetectionKind(); });
  for (QCheckBox* box : {active, warningActive, delayed, zener})
    connect(box, &QCheckBox::clicked, this, [this] { page_.OnCheckboxClicked(); });
  connect(addEntry, &QPushButton::clicked, this, [this] { page_.OnAddComposition(); });
  connect(compositionList, &QListWidget::itemDoubleClicked, this, [this] { page_.OnAddComposition(); });
  connect(removeEntry, &QPushButton::clicked, this, [this] { page_.OnRemoveComposition(); });
  navigation_ = navigation;
}

QWidget* Czone::navigationButton(ControlId id) const { return navigation_->button(id); }

std::optional<int> Czone::ChooseNumber(int preset) {
  Cadd_zone dialog(this);
  dialog.SetNumber(preset);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.number();
}

std::optional<CompositionEntry> Czone::ChooseDetectorKind(const CompositionEntry& preset) {
  Csel_det_kind dialog(preset, this);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.entry();
}

void Czone::SetRowLabels(LevelRowLabel upper, LevelRowLabel lower) {
  const auto text = [](LevelRowLabel label) {
    switch (label) {
      case LevelRowLabel::MultipleAlarm: return tr("Meerv. alarm");
      case LevelRowLabel::PreAlarm: return tr("Vooralarm");
      case LevelRowLabel::Alarm: break;
    }
    return tr("Alarm");
  };
  const std::pair<QLabel*, QString> rows[] = {{upperLabel_, text(upper)}, {lowerLabel_, text(lower)}};
  const std::pair<ControlId, ControlId> fields[] = {{kUpperText, kUpperLevel}, {kLowerText, kLowerLevel}};
  for (std::size_t row = 0; row < 2; ++row) {
    rows[row].first->setText(rows[row].second);
    bindings_.widget(fields[row].first)->setAccessibleName(tr("%1 - Melding").arg(rows[row].second));
    bindings_.widget(fields[row].second)->setAccessibleName(tr("%1 - Niveau (V)").arg(rows[row].second));
  }
}

} // namespace kx700
