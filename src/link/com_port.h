#pragma once

#include <functional>
#include <optional>
#include <string>

namespace kx700 {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 99;

// "COM<n>", the name the settings and dialogs use for a port.
std::string ComPortName(int port);

// Looks up a settings value by key (for instance "Devices/COM3"); nothing
// when the key is not set.
using SettingLookup = std::function<std::optional<std::string>(const std::string& key)>;

// The device behind "COM<n>": the environment variable KX700_COM<n> first,
// then the setting Devices/COM<n>, then the usual Linux device: COM1-4
// /dev/ttyS0-3, COM5-8 /dev/ttyUSB0-3, COM9-12 /dev/ttyACM0-3, COM13-99
// /dev/ttyS<n-1>.
std::string ResolveComPort(int port, const SettingLookup& settings = {});

} // namespace kx700
