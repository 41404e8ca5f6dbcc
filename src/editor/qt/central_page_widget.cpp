#include "editor/qt/central_page_widget.h"

#include <QButtonGroup>
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
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "common/colour.h"
#include "common/qt/colour_button.h"
#include "common/qt/label.h"

namespace kx700 {

using namespace central_ids;

namespace {

CLabel* Title(const QString& text, QWidget* parent) {
  auto* title = new CLabel(text, parent);
  title->SetFontSize(14).SetFontBold(true);
  return title;
}

} // namespace

Cadvanced::Cadvanced(bool allOptions, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Cadvanced"));
  setWindowTitle(tr("Geavanceerd"));
  options_[0] = new QCheckBox(tr("Evacuatie bekrachtigt 'Algemeen alarm'"), this);
  options_[5] = new QCheckBox(tr("Reset 'storingen' automatisch"), this);
  auto* delayTitle = Title(tr("Evacuatie vertraging"), this);
  options_[4] = new QCheckBox(tr("Schakelt enkel naar 'Evacuatie vertraagd'"), this);
  auto* operation = new QGroupBox(tr("Bediening"), this);
  auto* startStop = Title(tr("START/STOP sirenes"), operation);
  warningOnly_ = new QRadioButton(tr("Waarschuwing"), operation);
  warningEvacuation_ = new QRadioButton(tr("Waarschuwing/Evacuatie"), operation);
  auto* radios = new QButtonGroup(this);
  radios->addButton(warningOnly_);
  radios->addButton(warningEvacuation_);
  auto* outOfService = Title(tr("UIT DIENST sirenes"), operation);
  options_[2] = new QCheckBox(tr("Evacuatie - Sirenes"), operation);
  options_[3] = new QCheckBox(tr("Evacuatie - Reset en Stilte"), operation);
  // Bit 1 is the radio pair; its box stands for the second button.
  options_[1] = nullptr;

  auto* group = new QVBoxLayout(operation);
  group->addWidget(startStop);
  group->addWidget(warningOnly_);
  group->addWidget(warningEvacuation_);
  group->addSpacing(6);
  group->addWidget(outOfService);
  group->addWidget(options_[2]);
  group->addWidget(options_[3]);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(options_[0]);
  layout->addWidget(options_[5]);
  layout->addSpacing(6);
  layout->addWidget(delayTitle);
  layout->addWidget(options_[4]);
  layout->addSpacing(6);
  layout->addWidget(operation);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Before 1.02 the panel knows only the first and the last two options.
  for (QWidget* w : std::initializer_list<QWidget*>{options_[4], operation}) w->setEnabled(allOptions);
}

QCheckBox* Cadvanced::option(int bit) const { return options_[static_cast<std::size_t>(bit)]; }

void Cadvanced::SetFlags(std::uint8_t flags) {
  const auto values = AdvancedOptions(flags);
  for (std::size_t bit = 0; bit < values.size(); ++bit) {
    if (options_[bit]) options_[bit]->setChecked(values[bit]);
  }
  (values[1] ? warningEvacuation_ : warningOnly_)->setChecked(true);
}

std::uint8_t Cadvanced::GetFlags() const {
  std::array<bool, 6> values{};
  for (std::size_t bit = 0; bit < values.size(); ++bit) values[bit] = options_[bit] && options_[bit]->isChecked();
  values[1] = warningEvacuation_->isChecked();
  return AdvancedFlags(values);
}

Csellist::Csellist(CentralPage& page, QWidget* parent)
    : QDialog(parent), BoundView<PageView>(this), picker_(page, *this) {
  setObjectName(QStringLiteral("Csellist"));
  setWindowTitle(tr("Selecteer"));
  auto* list = new QListWidget(this);
  list->setAccessibleName(tr("Stiltesturingen"));
  list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
  bindings_.Bind(kPickerList, list);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list);
  connect(list, &QListWidget::itemDoubleClicked, this, [this] { picker_.OnDblclkList(); });
  // Enter takes the selected control, as a double click does. Not through
  // itemActivated: a double click activates as well, and some desktops
  // activate on a single click.
  auto* enter = new QShortcut(list);
  enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  enter->setContext(Qt::WidgetShortcut);
  connect(enter, &QShortcut::activated, this, [this] { picker_.OnDblclkList(); });
  picker_.FillList();
}

Ccentral::Ccentral(ParameterEditor& editor, QWidget* parent)
    : EditorPageWidget(parent), BoundView<CentralPageView>(this), editor_(editor), page_(editor, *this) {
  setObjectName(QStringLiteral("Ccentral"));

  // Created in layout order, which is the tab order.
  auto* panelName = NewTextField(this, CentralRecord::kPanelNameWidth);
  auto* project = NewTextField(this, CentralRecord::kProjectNameWidth);
  auto* operatingCode = NewTextField(this, CentralRecord::kCodeWidth);
  operatingCode->setMaximumWidth(operatingCode->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
  auto* advancedCode = NewTextField(this, CentralRecord::kCodeWidth);
  advancedCode->setMaximumWidth(operatingCode->maximumWidth());
  auto* reactionTime = NewNumberField(this, 1);
  auto* backbeep = new QCheckBox(tr("Backbeep"), this);
  auto* summerWinter = new QCheckBox(tr("Zomer/wintertijd"), this);
  auto* switchOverTitle = new CLabel(tr("Omschakeltijd evacuatie direct"), this);
  switchOverTitle->SetFontUnderline(true);
  auto* switchOver = new QCheckBox(tr("Actief"), this);
  switchOver->setAccessibleName(tr("Omschakeltijd evacuatie direct actief"));
  auto* hour = NewNumberField(this, 2);
  auto* minute = NewNumberField(this, 2);
  auto* relayCards = NewNumberField(this, 1);
  auto* repeaters = NewNumberField(this, 1);
  auto* sirens = new QGroupBox(tr("Beveiligde sirenekring"), this);
  std::array<QCheckBox*, 3> siren{};
  for (int n = 1; n <= 3; ++n) siren[static_cast<std::size_t>(n - 1)] = new QCheckBox(tr("Relais %1").arg(n), sirens);
  auto* general = new QComboBox(this);
  auto* alert = new QComboBox(this);
  for (QComboBox* combo : {general, alert}) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumContentsLength(18);
  }
  auto* silence = new QListWidget(this);
  silence->setAccessibleName(tr("Stiltesturingen"));
  silence->setMaximumHeight(silence->fontMetrics().height() * 8 + 8);
  auto* addSilence = new QPushButton(QStringLiteral(">"), this);
  addSilence->setAccessibleName(tr("Stiltesturing toevoegen"));
  addSilence->setToolTip(addSilence->accessibleName());
  auto* removeSilence = new QPushButton(QStringLiteral("<"), this);
  removeSilence->setAccessibleName(tr("Stiltesturing verwijderen"));
  removeSilence->setToolTip(removeSilence->accessibleName());
  for (QPushButton* b : {addSilence, removeSilence})
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral(">")) * 3 + 16);
  auto* advanced = new CClrButton(tr("Geavanceerd"), this);
  advanced->SetColors(Rgb(1, 1, 1), Rgb(255, 255, 128));
  advanced->setMinimumWidth(advanced->fontMetrics().horizontalAdvance(advanced->text()) + 32);

  for (const auto& [id, widget] :
       std::initializer_list<std::pair<ControlId, QWidget*>>{{kSwitchOverTitle, switchOverTitle},
                                                             {kSilence, silence},
                                                             {kAddSilence, addSilence},
                                                             {kRemoveSilence, removeSilence},
                                                             {kGeneralControl, general},
                                                             {kAlertControl, alert},
                                                             {kOperatingCode, operatingCode},
                                                             {kBackbeep, backbeep},
                                                             {kPanelName, panelName},
                                                             {kProject, project},
                                                             {kReactionTime, reactionTime},
                                                             {kSwitchOver, switchOver},
                                                             {kHour, hour},
                                                             {kMinute, minute},
                                                             {kSummerWinter, summerWinter},
                                                             {kRelayCards, relayCards},
                                                             {Siren(1), siren[0]},
                                                             {Siren(2), siren[1]},
                                                             {Siren(3), siren[2]},
                                                             {kRepeaters, repeaters},
                                                             {kAdvancedCode, advancedCode},
                                                             {kAdvanced, advanced}})
    bindings_.Bind(id, widget);

  auto* left = new QGridLayout;
  int row = 0;
  left->addWidget(NewBuddyLabel(tr("&Centrale"), panelName, this), row, 0);
  left->addWidget(panelName, row++, 1, 1, 3);
  left->addWidget(NewBuddyLabel(tr("&Project"), project, this), row, 0);
  left->addWidget(project, row++, 1, 1, 3);
  left->addWidget(NewBuddyLabel(tr("Code &bediening"), operatingCode, this), row, 0);
  left->addWidget(operatingCode, row++, 1);
  auto* advancedLabel = NewBuddyLabel(tr("Code &geavanceerd"), advancedCode, this);
  left->addWidget(advancedLabel, row, 0);
  left->addWidget(advancedCode, row++, 1);
  left->addWidget(NewBuddyLabel(tr("&Evacuatie reactietijd"), reactionTime, this), row, 0);
  left->addWidget(reactionTime, row, 1);
  left->addWidget(new QLabel(tr("min."), this), row++, 2);
  left->addWidget(backbeep, row++, 0, 1, 4);
  left->addWidget(summerWinter, row++, 0, 1, 4);
  left->addWidget(switchOverTitle, row++, 0, 1, 4);
  left->addWidget(switchOver, row, 0);
  auto* time = new QHBoxLayout;
  time->addWidget(hour);
  time->addWidget(NewBuddyLabel(tr("uur"), hour, this));
  time->addWidget(minute);
  time->addWidget(NewBuddyLabel(tr("min."), minute, this));
  time->addStretch(1);
  left->addLayout(time, row++, 1, 1, 3);
  left->addWidget(NewBuddyLabel(tr("&Relaiskaarten"), relayCards, this), row, 0);
  left->addWidget(relayCards, row++, 1);
  left->addWidget(NewBuddyLabel(tr("&Herhaalborden"), repeaters, this), row, 0);
  left->addWidget(repeaters, row++, 1);
  auto* sirenRow = new QHBoxLayout(sirens);
  for (QCheckBox* box : siren) sirenRow->addWidget(box);
  left->addWidget(sirens, row++, 0, 1, 4);
  left->setColumnStretch(3, 1);
  left->setRowStretch(row, 1);

  auto* right = new QGridLayout;
  right->addWidget(NewBuddyLabel(tr("&Algemene sturing"), general, this), 0, 0);
  right->addWidget(general, 0, 1, 1, 2);
  right->addWidget(NewBuddyLabel(tr("&Waarschuwing - evacuatie"), alert, this), 1, 0);
  right->addWidget(alert, 1, 1, 1, 2);
  right->addWidget(NewBuddyLabel(tr("&Stiltesturingen"), silence, this), 2, 0, 1, 3);
  right->addWidget(silence, 3, 0, 1, 2);
  auto* silenceButtons = new QVBoxLayout;
  silenceButtons->addWidget(addSilence);
  silenceButtons->addWidget(removeSilence);
  silenceButtons->addStretch(1);
  right->addLayout(silenceButtons, 3, 2);
  right->addWidget(advanced, 4, 0, 1, 3, Qt::AlignLeft);
  right->setRowStretch(5, 1);
  right->setColumnStretch(1, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addSpacing(12);
  layout->addLayout(right, 1);

  // The advanced code exists from 1.01 on; its label goes with it.
  advancedLabel->setVisible(editor.CompareVersion(1, 1, kVersionAtLeast));

  connect(switchOver, &QCheckBox::clicked, this, [this] { page_.OnActief(); });
  connect(addSilence, &QPushButton::clicked, this, [this] { page_.OnAddSilenceControl(); });
  connect(removeSilence, &QPushButton::clicked, this, [this] { page_.OnRemoveSilenceControl(); });
  connect(advanced, &QPushButton::clicked, this, [this] { page_.OnAdvanced(); });
}

std::optional<std::uint8_t> Ccentral::ChooseAdvancedFlags(std::uint8_t flags) {
  Cadvanced dialog(editor_.CompareVersion(1, 2, kVersionAtLeast), this);
  dialog.SetFlags(flags);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.GetFlags();
}

void Ccentral::PickSilenceControls() {
  Csellist dialog(page_, this);
  dialog.exec();
}

} // namespace kx700
