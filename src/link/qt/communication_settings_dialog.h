#pragma once

#include <QDialog>

#include <array>

#include "link/com_port.h"
#include "link/communication_settings.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kx700 {

// "Communicatie": the COM port and the baud rate of the panel link. It only
// edits the requested settings; the link engine reopens the port.
class Ccommunication_settings : public QDialog {
  Q_OBJECT

public:
  Ccommunication_settings(int requestedPort, int requestedBaud, SettingLookup settings = {}, QWidget* parent = nullptr);

  // The port and rate to request after OK.
  CommunicationChoice choice() const { return ChosenCommunication(form_, previousBaud_); }
  const CommunicationForm& form() const { return form_; }

private:
  void OnPortChosen(int index);
  void OnOtherPortEdited(const QString& text);
  void OnBaudChosen(int index);
  void ShowOtherDevice();

  CommunicationForm form_;
  int previousBaud_;
  SettingLookup settings_;
  QButtonGroup* ports_ = nullptr;
  std::array<QRadioButton*, kRadioPorts> radios_{};
  QLineEdit* otherPort_ = nullptr;
  QLabel* otherDevice_ = nullptr;
  QComboBox* baud_ = nullptr;
};

} // namespace kx700
