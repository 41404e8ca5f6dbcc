#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "common/message_host.h"
#include "link/byte_channel.h"
#include "link/com_port.h"

namespace kx700 {

// A serial port on termios: raw 8N1 at 2400 to 38400 baud, no flow control,
// opened exclusively, with a reader thread that moves every received byte
// into the receive ring while the port is open.
class Ser_port final : public PortChannel {
public:
  Ser_port(MessageHost& host, SettingLookup settings = {});
  ~Ser_port() override;
  Ser_port(const Ser_port&) = delete;
  Ser_port& operator=(const Ser_port&) = delete;

  // Opens "COM<port>" as resolved to a device. Shows the port's fault box and
  // returns false when it cannot; returns true (with fault 3) when a port is
  // open already. A baud rate other than 2400, 4800, 9600, 19200 or 38400
  // keeps the device's current rate.
  bool Open(int port, int baud) override;
  bool OpenQuietly(int port, int baud) override;
  // The same for a device path.
  bool OpenDevice(const std::string& device, int baud) { return OpenDevice(device, baud, false); }
  // Stops the reader and closes the device; nothing when closed.
  void Close() override;

  bool IsOpen() const override { return open_.load(std::memory_order_acquire); }
  bool LineLost() const override { return lineLost_.load(std::memory_order_acquire); }
  bool Write(std::span<const std::uint8_t> bytes) override;
  RxRing& Ring() override { return ring_; }
  void WaitForInput(std::uint64_t seen, int ms) override;
  // Readable (an eventfd) after bytes came in; reading it clears it.
  int DataNotifyFd() const override { return dataFd_; }

  const std::string& device() const { return device_; }
  // Times the reader thread woke up, for tests of its idling.
  std::uint64_t readerWakeups() const { return wakeups_.load(std::memory_order_relaxed); }

private:
  bool OpenDevice(const std::string& device, int baud, bool quiet);
  void ReaderThread();
  // After a hang-up the reader only waits to be stopped.
  void WaitForStop();
  // Stops the reader and closes the device; false when the close failed.
  bool CloseDevice();
  void ShowFault(int fault);
  void ShowSetupFault(const char* caption);

  MessageHost& host_;
  SettingLookup settings_;
  RxRing ring_;
  std::atomic<bool> open_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> lineLost_{false};
  std::atomic<std::uint64_t> wakeups_{0};
  int fd_ = -1;
  int wakeFd_ = -1;
  int dataFd_ = -1;
  int baud_ = 0;
  std::string device_;
  std::thread reader_;
};

} // namespace kx700
