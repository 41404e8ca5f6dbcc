#include "editor/qt/dossier_page_widget.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx700 {

using namespace dossier_ids;

namespace {

// A padlock, shut or open: the state of the commissioning fields.
QIcon LockIcon(bool locked) {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(90, 90, 90), 3));
  QPainterPath shackle;
  shackle.moveTo(10, 16);
  shackle.lineTo(10, 10);
  shackle.arcTo(10, 3, 12, 14, 180, -180);
  shackle.lineTo(22, locked ? 16 : 11);
  if (!locked) shackle.translate(0, -3);
  p.drawPath(shackle);
  p.setPen(Qt::NoPen);
  p.setBrush(locked ? QColor(200, 150, 30) : QColor(120, 170, 90));
  p.drawRoundedRect(QRectF(6, 15, 20, 14), 3, 3);
  p.setBrush(QColor(60, 60, 60));
  p.drawEllipse(QPointF(16, 21), 2, 2);
  return QIcon(picture);
}

} // namespace

Cloc_periph::Cloc_periph(QWidget* parent)
    : QDialog(parent), BoundView<PageView>(this), address_(new QLineEdit(this)), text_(new QLineEdit(this)) {
  setObjectName(QStringLiteral("Cloc_periph"));
  setWindowTitle(tr("Herhaalbord locatie"));
  MakeTextField(text_, RepeaterBlock::kLocationWidth);
  text_->setMinimumWidth(text_->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
  bindings_.Bind(kLocationAddress, address_);
  bindings_.Bind(kLocationText, text_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &Cloc_periph::accept);
  auto* layout = new QGridLayout(this);
  layout->addWidget(NewBuddyLabel(tr("&Adres"), address_, this), 0, 0);
  layout->addWidget(address_, 0, 1);
  layout->addWidget(NewBuddyLabel(tr("&Locatie"), text_, this), 1, 0);
  layout->addWidget(text_, 1, 1);
  layout->addWidget(buttons, 2, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Cloc_periph::SetData(const RepeaterLocation& location) {
  location_ = location;
  SetText(kLocationAddress, std::to_string(location.address));
  SetText(kLocationText, location.text);
}

void Cloc_periph::accept() {
  const auto location = AcceptLocation(*this);
  if (!location) return;
  location_ = *location;
  QDialog::accept();
}

Cdocu::Cdocu(ParameterEditor& editor, QWidget* parent)
    : EditorPageWidget(parent), BoundView<DossierPageView>(this), page_(editor, *this) {
  setObjectName(QStringLiteral("Cdocu"));
  namespace L = dossier_limits;

  // Created in layout order, which is the tab order.
  auto* customer = NewTextField(this, L::kCustomer);
  auto* contact = NewTextField(this, CustomerBlock::kContactWidth);
  auto* address = new QPlainTextEdit(this);
  MakeLinesField(address, L::kAddress);
  address->setFixedHeight(address->fontMetrics().lineSpacing() * 3 + 12);
  auto* telephone = NewTextField(this, L::kTelephone);
  auto* email = NewTextField(this, L::kEmail);
  auto* installer = NewTextField(this, CustomerBlock::kInstallerWidth);

  auto* commissioning = new QGroupBox(tr("Inbedrijfstelling"), this);
  lock_ = new QPushButton(commissioning);
  lock_->setCheckable(true);
  lock_->setIconSize(QSize(24, 24));
  lock_->setAccessibleName(tr("Vergrendeld"));
  lock_->setToolTip(lock_->accessibleName());
  auto* technician = NewTextField(commissioning, InstallationBlock::kTechnicianWidth);
  date_ = new QDateEdit(commissioning);
  date_->setCalendarPopup(true);
  date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  date_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
  auto* production = NewTextField(commissioning, L::kProductionNumber);
  auto* quiescent = NewTextField(commissioning, L::kCurrent);
  auto* alarm = NewTextField(commissioning, L::kCurrent);
  auto* battery = NewTextField(commissioning, L::kBattery);

  auto* accessories = new QGroupBox(tr("Toebehoren"), this);
  auto* sirens = NewNumberField(accessories, 2);
  auto* buzzers = NewNumberField(accessories, 2);
  auto* flashLights = NewNumberField(accessories, 2);
  auto* doorMagnets = NewNumberField(accessories, 2);
  auto* dialler = new QCheckBox(tr("Telefoonkiezer"), accessories);

  auto* locations = new QListWidget(this);
  locations->setAccessibleName(tr("Lokatie herhaalborden"));
  locations->setMaximumHeight(locations->fontMetrics().height() * 8 + 8);
  auto* addLocation = new QPushButton(QStringLiteral(">"), this);
  addLocation->setAccessibleName(tr("Locatie toevoegen of wijzigen"));
  addLocation->setToolTip(addLocation->accessibleName());
  auto* removeLocation = new QPushButton(QStringLiteral("<"), this);
  removeLocation->setAccessibleName(tr("Locatie verwijderen"));
  removeLocation->setToolTip(removeLocation->accessibleName());
  for (QPushButton* b : {addLocation, removeLocation})
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral(">")) * 3 + 16);
  auto* notes = new QPlainTextEdit(this);
  MakeLinesField(notes, L::kNotes);

  for (const auto& [id, widget] :
       std::initializer_list<std::pair<ControlId, QWidget*>>{{kCustomer, customer},
                                                             {kContact, contact},
                                                             {kAddress, address},
                                                             {kTelephone, telephone},
                                                             {kEmail, email},
                                                             {kInstaller, installer},
                                                             {kTechnician, technician},
                                                             {kDate, date_},
                                                             {kProductionNumber, production},
                                                             {kQuiescentCurrent, quiescent},
                                                             {kAlarmCurrent, alarm},
                                                             {kBattery, battery},
                                                             {kSirens, sirens},
                                                             {kBuzzers, buzzers},
                                                             {kFlashLights, flashLights},
                                                             {kDoorMagnets, doorMagnets},
                                                             {kDialler, dialler},
                                                             {kNotes, notes},
                                                             {kLocations, locations},
                                                             {kAddLocation, addLocation},
                                                             {kRemoveLocation, removeLocation},
                                                             {kLock, lock_}})
    bindings_.Bind(id, widget);

  auto* customerGrid = new QGridLayout;
  customerGrid->addWidget(NewBuddyLabel(tr("&Klant"), customer, this), 0, 0);
  customerGrid->addWidget(customer, 0, 1);
  customerGrid->addWidget(NewBuddyLabel(tr("C&ontactpersoon"), contact, this), 1, 0);
  customerGrid->addWidget(contact, 1, 1);
  customerGrid->addWidget(NewBuddyLabel(tr("A&dres"), address, this), 2, 0, Qt::AlignTop);
  customerGrid->addWidget(address, 2, 1);
  customerGrid->addWidget(NewBuddyLabel(tr("&Telefoon"), telephone, this), 3, 0);
  customerGrid->addWidget(telephone, 3, 1);
  customerGrid->addWidget(NewBuddyLabel(tr("&e-mail"), email, this), 4, 0);
  customerGrid->addWidget(email, 4, 1);
  customerGrid->addWidget(NewBuddyLabel(tr("&Installateur"), installer, this), 5, 0);
  customerGrid->addWidget(installer, 5, 1);
  customerGrid->setColumnStretch(1, 1);

  auto* commissioningGrid = new QGridLayout(commissioning);
  commissioningGrid->addWidget(lock_, 0, 0, 2, 1, Qt::AlignTop);
  commissioningGrid->addWidget(NewBuddyLabel(tr("Te&chnicus"), technician, commissioning), 0, 1);
  commissioningGrid->addWidget(technician, 0, 2, 1, 2);
  commissioningGrid->addWidget(NewBuddyLabel(tr("Dat&um"), date_, commissioning), 1, 1);
  commissioningGrid->addWidget(date_, 1, 2);
  commissioningGrid->addWidget(NewBuddyLabel(tr("&Productienummer: C"), production, commissioning), 2, 1);
  commissioningGrid->addWidget(production, 2, 2);
  commissioningGrid->addWidget(NewBuddyLabel(tr("Verbruik &rust"), quiescent, commissioning), 3, 1);
  commissioningGrid->addWidget(quiescent, 3, 2);
  commissioningGrid->addWidget(new QLabel(tr("Ampère"), commissioning), 3, 3);
  commissioningGrid->addWidget(NewBuddyLabel(tr("Verbruik a&larm"), alarm, commissioning), 4, 1);
  commissioningGrid->addWidget(alarm, 4, 2);
  commissioningGrid->addWidget(new QLabel(tr("Ampère"), commissioning), 4, 3);
  commissioningGrid->addWidget(NewBuddyLabel(tr("&Batterijen"), battery, commissioning), 5, 1);
  commissioningGrid->addWidget(battery, 5, 2);
  commissioningGrid->addWidget(new QLabel(tr("Ah"), commissioning), 5, 3);
  commissioningGrid->setColumnStretch(3, 1);

  auto* left = new QVBoxLayout;
  left->addLayout(customerGrid);
  left->addWidget(commissioning);
  left->addStretch(1);

  auto* accessoryGrid = new QGridLayout(accessories);
  accessoryGrid->addWidget(NewBuddyLabel(tr("&Sirenes"), sirens, accessories), 0, 0);
  accessoryGrid->addWidget(sirens, 0, 1);
  accessoryGrid->addWidget(NewBuddyLabel(tr("&Zoemers"), buzzers, accessories), 1, 0);
  accessoryGrid->addWidget(buzzers, 1, 1);
  accessoryGrid->addWidget(NewBuddyLabel(tr("&Flitslichten"), flashLights, accessories), 2, 0);
  accessoryGrid->addWidget(flashLights, 2, 1);
  accessoryGrid->addWidget(NewBuddyLabel(tr("Deur&magneten"), doorMagnets, accessories), 3, 0);
  accessoryGrid->addWidget(doorMagnets, 3, 1);
  accessoryGrid->addWidget(dialler, 4, 0, 1, 2);
  accessoryGrid->setColumnStretch(2, 1);

  auto* locationGrid = new QGridLayout;
  locationGrid->addWidget(NewBuddyLabel(tr("Lokatie &herhaalborden"), locations, this), 0, 0, 1, 2);
  locationGrid->addWidget(locations, 1, 0);
  auto* locationButtons = new QVBoxLayout;
  locationButtons->addWidget(addLocation);
  locationButtons->addWidget(removeLocation);
  locationButtons->addStretch(1);
  locationGrid->addLayout(locationButtons, 1, 1);

  auto* right = new QVBoxLayout;
  right->addWidget(accessories);
  right->addLayout(locationGrid);
  right->addWidget(NewBuddyLabel(tr("&Notities"), notes, this));
  right->addWidget(notes, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addSpacing(12);
  layout->addLayout(right, 1);

  connect(lock_, &QPushButton::clicked, this, [this] { page_.OnLockButton(); });
  connect(addLocation, &QPushButton::clicked, this, [this] { page_.OnAddLocation(); });
  connect(locations, &QListWidget::itemDoubleClicked, this, [this] { page_.OnAddLocation(); });
  connect(removeLocation, &QPushButton::clicked, this, [this] { page_.OnRemoveLocation(); });
}

DossierDate Cdocu::Date() const {
  const QDate date = date_->date();
  return {date.year(), date.month(), date.day()};
}

void Cdocu::SetDate(const DossierDate& date) { date_->setDate(QDate(date.year, date.month, date.day)); }

void Cdocu::ShowLock(bool locked) { lock_->setIcon(LockIcon(locked)); }

std::optional<RepeaterLocation> Cdocu::EditLocation(const RepeaterLocation& preset) {
  Cloc_periph dialog(this);
  dialog.SetData(preset);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.location();
}

} // namespace kx700
