#include "link/qt/communication_settings_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <iterator>

#include "common/qt/text_intake.h"

namespace kx700 {
namespace {

QLabel* DeviceLabel(const QString& device, QWidget* parent) {
  auto* label = new QLabel(device, parent);
  label->setEnabled(false); // shown greyed: a hint, not a choice
  return label;
}

// A port number: digits only. Whatever else comes, typed, pasted or set by a
// screen reader, is left out, and the digits go in as far as there is room.
QString DigitOnly(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? QString(c) : QString(); }

} // namespace

Ccommunication_settings::Ccommunication_settings(int requestedPort, int requestedBaud, SettingLookup settings,
                                                 QWidget* parent)
    : QDialog(parent),
      form_(InitialCommunicationForm(requestedPort, requestedBaud)),
      previousBaud_(requestedBaud),
      settings_(std::move(settings)) {
  setWindowTitle(tr("Communicatie"));

  auto* portBox = new QGroupBox(tr("Com. poort"), this);
  auto* grid = new QGridLayout(portBox);
  ports_ = new QButtonGroup(this);
  for (int i = 0; i < kRadioPorts; ++i) {
    radios_[static_cast<std::size_t>(i)] = new QRadioButton(QString::fromStdString(ComPortName(i + 1)), portBox);
    ports_->addButton(radios_[static_cast<std::size_t>(i)], i);
    const int row = i % 4, column = (i / 4) * 2;
    grid->addWidget(radios_[static_cast<std::size_t>(i)], row, column);
    grid->addWidget(DeviceLabel(QString::fromStdString(ResolveComPort(i + 1, settings_)), portBox), row, column + 1);
  }
  auto* otherLabel = new QLabel(tr("Andere"), portBox);
  grid->addWidget(otherLabel, 4, 0);
  otherPort_ = new QLineEdit(portBox);
  otherLabel->setBuddy(otherPort_);
  otherPort_->setObjectName(QStringLiteral("otherPort"));
  new LineEditIntake(TextIntake(DigitOnly, 3), otherPort_);
  otherPort_->setMaximumWidth(60);
  grid->addWidget(otherPort_, 4, 1);
  otherDevice_ = DeviceLabel(QString(), portBox);
  grid->addWidget(otherDevice_, 4, 2, 1, 2);

  auto* baudRow = new QHBoxLayout;
  auto* baudLabel = new QLabel(tr("Baudrate"), this);
  baudRow->addWidget(baudLabel);
  baud_ = new QComboBox(this);
  baudLabel->setBuddy(baud_);
  baud_->setObjectName(QStringLiteral("baud"));
  for (int rate : kOfferedBaudRates) baud_->addItem(QString::number(rate), rate);
  baud_->setCurrentIndex(form_.baudIndex.value_or(-1));
  baudRow->addWidget(baud_);
  baudRow->addStretch();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuleren"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portBox);
  layout->addLayout(baudRow);
  layout->addWidget(buttons);

  if (form_.radioIndex >= 0) radios_[static_cast<std::size_t>(form_.radioIndex)]->setChecked(true);
  otherPort_->setText(QString::fromStdString(form_.otherPort));
  ShowOtherDevice();

  connect(ports_, &QButtonGroup::idClicked, this, &Ccommunication_settings::OnPortChosen);
  // Every change of the text, also one a screen reader makes (which is no
  // edit to Qt), chooses the other port; the dialog's own changes do not.
  connect(otherPort_, &QLineEdit::textChanged, this, &Ccommunication_settings::OnOtherPortEdited);
  connect(baud_, &QComboBox::currentIndexChanged, this, &Ccommunication_settings::OnBaudChosen);
}

void Ccommunication_settings::OnPortChosen(int index) {
  form_.radioIndex = index;
  form_.otherPort.clear();
  {
    const QSignalBlocker quiet(otherPort_);
    otherPort_->clear();
  }
  ShowOtherDevice();
}

void Ccommunication_settings::OnOtherPortEdited(const QString& text) {
  form_.radioIndex = -1;
  form_.otherPort = text.toStdString();
  // No radio stands for another port: clear them all.
  ports_->setExclusive(false);
  for (auto* radio : radios_) radio->setChecked(false);
  ports_->setExclusive(true);
  ShowOtherDevice();
}

void Ccommunication_settings::OnBaudChosen(int index) {
  form_.baudIndex = index >= 0 ? std::optional<int>(index) : std::nullopt;
}

void Ccommunication_settings::ShowOtherDevice() {
  if (form_.radioIndex >= 0 || form_.otherPort.empty()) {
    otherDevice_->clear();
    return;
  }
  const int port = ChosenCommunication(form_, previousBaud_).port;
  otherDevice_->setText(QStringLiteral("%1: %2").arg(QString::fromStdString(ComPortName(port)),
                                                     QString::fromStdString(ResolveComPort(port, settings_))));
}

} // namespace kx700
