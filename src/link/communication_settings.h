#pragma once

#include <optional>
#include <string>

namespace kx700 {

// The rates the communication dialog offers, in its order.
constexpr int kOfferedBaudRates[] = {2400, 4800, 9600, 19200, 38400};
constexpr int kRadioPorts = 8; // COM1 to COM8 have a radio button each

// What the communication dialog shows.
struct CommunicationForm {
  int radioIndex = 0;           // 0..7 for COM1..COM8, -1 for another port
  std::string otherPort;        // the number typed for another port
  std::optional<int> baudIndex; // into kOfferedBaudRates; none when the rate is not offered
};

struct CommunicationChoice {
  int port = 1;
  int baud = 9600;
};

// The form for the requested port and rate: a port below 1 counts as 1, a
// port above 8 goes into the edit.
CommunicationForm InitialCommunicationForm(int requestedPort, int requestedBaud);

// What OK stores: the radio's port, or the typed number (1 when it is not a
// number from 1 to 99); the chosen rate, or the previous one when none is
// chosen.
CommunicationChoice ChosenCommunication(const CommunicationForm& form, int previousBaud);

} // namespace kx700
