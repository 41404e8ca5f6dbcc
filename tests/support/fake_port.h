#pragma once

#include <string>
#include <vector>

#include "link/byte_channel.h"

namespace kx700::test {

// A port that opens when told to and carries nothing.
class FakePort final : public PortChannel {
public:
  bool Open(int port, int baud) override {
    if (log) log->push_back("open COM" + std::to_string(port) + " " + std::to_string(baud));
    isOpen = opens;
    openedPort = port;
    openedBaud = baud;
    return opens;
  }
  void Close() override {
    if (log && isOpen) log->push_back("close");
    isOpen = false;
  }
  bool IsOpen() const override { return isOpen; }
  bool Write(std::span<const std::uint8_t> bytes) override {
    writes.emplace_back(bytes.begin(), bytes.end());
    return isOpen;
  }
  RxRing& Ring() override { return ring; }
  void WaitForInput(std::uint64_t, int) override {}

  bool opens = true;
  bool isOpen = false;
  int openedPort = 0;
  int openedBaud = 0;
  RxRing ring;
  std::vector<std::vector<std::uint8_t>> writes;
  std::vector<std::string>* log = nullptr;
};

} // namespace kx700::test
