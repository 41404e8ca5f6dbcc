#include "service/qt/panel_settings_dialogs.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "common/colour.h"
#include "common/qt/colour_button.h"

namespace kx700 {
namespace {

constexpr ColorRef kOkFace = Rgb(80, 176, 80);

QDialogButtonBox* OkCancel(QPushButton* ok, const QString& cancel, QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(ok, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel, QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

} // namespace

Cadjust_time::Cadjust_time(const PanelDateTime& preset, std::function<LocalDateTime()> pcNow, QWidget* parent)
    : QDialog(parent),
      pcNow_(std::move(pcNow)),
      value_(ClockPreset(preset, pcNow_())),
      date_(new QDateEdit(this)),
      time_(new QTimeEdit(this)),
      pcTime_(new QPushButton(tr("PC-tijd"), this)),
      ok_(new CClrButton(tr("Instellen"), this)) {
  setWindowTitle(tr("Instellen datum/tijd"));

  // Date and time are picked apart, in UTC, so no daylight-saving gap of the
  // PC's zone can move or refuse a panel value.
  date_->setTimeSpec(Qt::UTC);
  date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  date_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31)); // what two year digits hold
  date_->setCalendarPopup(true);
  time_->setTimeSpec(Qt::UTC);
  time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
  auto* dateLabel = new QLabel(tr("&Datum"), this);
  dateLabel->setBuddy(date_);
  auto* timeLabel = new QLabel(tr("&Tijd"), this);
  timeLabel->setBuddy(time_);
  // Enter anywhere but on Annuleren means Instellen.
  pcTime_->setAutoDefault(false);
  connect(pcTime_, &QPushButton::clicked, this, &Cadjust_time::OnPcTime);

  ok_->SetColors(kWhite, kOkFace);
  auto* buttons = OkCancel(ok_, tr("Annuleren"), this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(dateLabel, 0, 0);
  layout->addWidget(date_, 0, 1);
  layout->addWidget(pcTime_, 0, 2);
  layout->addWidget(timeLabel, 1, 0);
  layout->addWidget(time_, 1, 1);
  layout->addWidget(buttons, 2, 0, 1, 3);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(date_, time_);
  setTabOrder(time_, pcTime_);

  ShowValue();
}

void Cadjust_time::OnPcTime() {
  value_ = PcDateTime(pcNow_());
  ShowValue();
}

void Cadjust_time::ShowValue() {
  date_->setDate(QDate(value_.year, value_.month, value_.day));
  time_->setTime(QTime(value_.hour, value_.minute, value_.second));
}

void Cadjust_time::accept() {
  // A half-typed field counts as it would on leaving it.
  date_->interpretText();
  time_->interpretText();
  const QDate date = date_->date();
  const QTime time = time_->time();
  value_ = {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
  QDialog::accept();
}

Clanguage::Clanguage(int code, QWidget* parent) : QDialog(parent), languages_(new QButtonGroup(this)) {
  setWindowTitle(tr("Taalselectie"));

  auto* layout = new QVBoxLayout(this);
  const QString names[] = {tr("Nederlands"), tr("Français"), tr("English")};
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(names[i], this);
    languages_->addButton(radio, i);
    layout->addWidget(radio);
  }
  // English cannot be chosen here; a panel already in English shows it checked.
  languages_->button(static_cast<int>(PanelLanguageCode::English) - 1)->setEnabled(false);
  if (QAbstractButton* preset = languages_->button(LanguageRadioIndex(code))) preset->setChecked(true);

  layout->addWidget(OkCancel(new QPushButton(tr("OK"), this), tr("Annuleren"), this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int Clanguage::radioIndex() const { return languages_->checkedId(); }

std::optional<int> Clanguage::languageToSend() const { return LanguageCodeToSend(radioIndex()); }

} // namespace kx700
