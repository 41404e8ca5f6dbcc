#include "link/com_port.h"

#include <cstdlib>

#include "common/string_format.h"

namespace kx700 {

std::string ComPortName(int port) { return StringPrintf("COM%d", port); }

std::string ResolveComPort(int port, const SettingLookup& settings) {
  const std::string name = ComPortName(port);
  if (const char* env = std::getenv(("KX700_" + name).c_str()); env && *env) return env;
  if (settings) {
    if (auto device = settings("Devices/" + name); device && !device->empty()) return *device;
  }
  if (port >= 1 && port <= 4) return StringPrintf("/dev/ttyS%d", port - 1);
  if (port >= 5 && port <= 8) return StringPrintf("/dev/ttyUSB%d", port - 5);
  if (port >= 9 && port <= 12) return StringPrintf("/dev/ttyACM%d", port - 9);
  return StringPrintf("/dev/ttyS%d", port - 1);
}

} // namespace kx700
