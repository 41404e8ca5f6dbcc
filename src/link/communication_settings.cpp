#include "link/communication_settings.h"

#include <iterator>

#include "link/com_port.h"

namespace kx700 {

CommunicationForm InitialCommunicationForm(int requestedPort, int requestedBaud) {
  CommunicationForm form;
  const int port = requestedPort < kFirstComPort ? kFirstComPort : requestedPort;
  if (port > kRadioPorts) {
    form.radioIndex = -1;
    form.otherPort = std::to_string(port);
  } else {
    form.radioIndex = port - 1;
  }
  for (std::size_t i = 0; i < std::size(kOfferedBaudRates); ++i) {
    if (kOfferedBaudRates[i] == requestedBaud) form.baudIndex = static_cast<int>(i);
  }
  return form;
}

CommunicationChoice ChosenCommunication(const CommunicationForm& form, int previousBaud) {
  CommunicationChoice choice;
  if (form.radioIndex >= 0 && form.radioIndex < kRadioPorts) {
    choice.port = form.radioIndex + 1;
  } else {
    // Digits only, and few enough that no overflow can come of them.
    int port = 0;
    bool number = !form.otherPort.empty() && form.otherPort.size() <= 3;
    for (char c : form.otherPort) {
      if (c < '0' || c > '9')
        number = false;
      else if (number)
        port = port * 10 + (c - '0');
    }
    choice.port = (number && port >= kFirstComPort && port <= kLastComPort) ? port : kFirstComPort;
  }
  const int index = form.baudIndex.value_or(-1);
  choice.baud =
      (index >= 0 && index < static_cast<int>(std::size(kOfferedBaudRates))) ? kOfferedBaudRates[index] : previousBaud;
  return choice;
}

} // namespace kx700
