#pragma once

#include <string>

namespace kx700 {

// What the panel says of itself in its identification answer.
struct PanelIdentification {
  std::string identificationText; // at most 20 characters
  int panelNumber = 0;
  std::string panelName; // at most 20 characters
  int firmwareMajor = 0;
  int firmwareMinor = 0;
  int firmwareBuild = 0;
  int minimumProgramMinor = 0; // the program minor version the panel demands
  std::string technicianCode;  // at most 3 characters
  bool technicianMode = false;
};

} // namespace kx700
