#include "link/serial_port.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <thread>

#include "support/bytes.h"
#include "support/fake_message_host.h"
#include "support/pty_pair.h"

namespace kx700 {
namespace {

using test::Bytes;
using test::FakeMessageHost;
using test::PtyPair;

// Takes `count` bytes out of the ring, waiting for them in real time.
Bytes Drain(Ser_port& port, std::size_t count, int timeoutMs = 5000) {
  Bytes out;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (out.size() < count && std::chrono::steady_clock::now() < end) {
    const std::uint64_t seen = port.Ring().Written();
    std::uint8_t buffer[RxRing::kSize];
    const std::size_t n = port.Ring().Read(buffer, std::min(sizeof buffer, count - out.size()));
    out.insert(out.end(), buffer, buffer + n);
    if (n == 0) port.WaitForInput(seen, 50);
  }
  return out;
}

TEST(SerialPort, OpensWritesReadsClosesAndReopens) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  FakeMessageHost host;
  Ser_port port(host);
  ASSERT_TRUE(port.OpenDevice(pty.slave(), 9600));
  EXPECT_TRUE(port.IsOpen());

  const Bytes request = {0xE0, 0x57, 0x20, 0, 0x27, 0, 0x51, 0xE1};
  ASSERT_TRUE(port.Write(request));
  EXPECT_EQ(pty.Read(request.size()), request);

  const Bytes answer = {0xE0, 0x57, 0, 0, 1, 0, 0x27, 0x00, 0xE1, 0xFF, 0x00};
  ASSERT_TRUE(pty.Write(answer));
  EXPECT_EQ(Drain(port, answer.size()), answer);

  port.Close();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(port.Write(request));
  port.Close(); // closing a closed port does nothing

  ASSERT_TRUE(port.OpenDevice(pty.slave(), 38400));
  ASSERT_TRUE(pty.Write({1, 2, 3}));
  EXPECT_EQ(Drain(port, 3), (Bytes{1, 2, 3}));
  port.Close();
  // An unknown rate keeps the device's own.
  ASSERT_TRUE(port.OpenDevice(pty.slave(), 57600));
  port.Close();
  EXPECT_TRUE(host.boxes().empty());
}

TEST(SerialPort, FaultBoxes) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  FakeMessageHost host;
  Ser_port port(host);

  testing::internal::CaptureStderr();
  EXPECT_FALSE(port.OpenDevice("/dev/kx700-no-such-device", 9600));
  const std::string stderrText = testing::internal::GetCapturedStderr();
  EXPECT_NE(stderrText.find("/dev/kx700-no-such-device"), std::string::npos);
  EXPECT_NE(stderrText.find("No such file or directory"), std::string::npos);
  EXPECT_EQ(std::count(stderrText.begin(), stderrText.end(), '\n'), 1);

  testing::internal::CaptureStderr();
  EXPECT_FALSE(port.OpenDevice("/dev/null", 9600)); // not a terminal
  testing::internal::GetCapturedStderr();

  ASSERT_TRUE(port.OpenDevice(pty.slave(), 9600));
  EXPECT_TRUE(port.OpenDevice(pty.slave(), 9600)); // already open

  // The same device from a second port is locked.
  Ser_port other(host);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(other.OpenDevice(pty.slave(), 9600));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("in use"), std::string::npos);

  ASSERT_EQ(host.boxes().size(), 4u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 1");
  EXPECT_EQ(host.boxes()[0].text, "De seriële poort kan niet geopend worden.");
  EXPECT_EQ(host.boxes()[1].caption, "Error 2c");
  EXPECT_EQ(host.boxes()[1].text, "Instellen van de seriële poort mislukt.");
  EXPECT_EQ(host.boxes()[2].caption, "Fout 3");
  EXPECT_EQ(host.boxes()[2].text, "Er is reeds een communicatiepoort in gebruik.");
  EXPECT_EQ(host.boxes()[3].caption, "Fout 1");
  for (const auto& box : host.boxes()) EXPECT_EQ(box.icon, MessageIcon::Error);
}

TEST(SerialPort, ClosesWhileBytesStreamIn) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  FakeMessageHost host;
  Ser_port port(host);
  ASSERT_TRUE(port.OpenDevice(pty.slave(), 38400));
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    const Bytes chunk(64, 0x55);
    while (!stop) {
      pty.Write(chunk);
      Drain(port, 0, 0);
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  port.Close();
  EXPECT_FALSE(port.IsOpen());
  stop = true;
  writer.join();
  ASSERT_TRUE(port.OpenDevice(pty.slave(), 9600));
}

TEST(SerialPort, AHungUpLineDoesNotKeepTheReaderBusy) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  FakeMessageHost host;
  Ser_port port(host);
  ASSERT_TRUE(port.OpenDevice(pty.slave(), 9600));
  pty.HangUp();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const std::uint64_t before = port.readerWakeups();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  // Backing off 3 ms gives about a hundred wake-ups; a spinning reader
  // would give hundreds of thousands.
  EXPECT_LT(port.readerWakeups() - before, 1000u);
  EXPECT_FALSE(port.Write(Bytes{1, 2, 3}));
  port.Close();
}

TEST(SerialPort, AFullRingLosesNothing) {
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  FakeMessageHost host;
  Ser_port port(host);
  ASSERT_TRUE(port.OpenDevice(pty.slave(), 38400));
  Bytes all;
  for (std::size_t i = 0; i < RxRing::kSize + 1100; ++i) all.push_back(static_cast<std::uint8_t>(i * 7));
  ASSERT_TRUE(pty.Write(Bytes(all.begin(), all.begin() + RxRing::kSize)));
  // Wait until the ring is full, then offer 1100 more while nothing reads.
  for (int i = 0; i < 500 && port.Ring().Count() < RxRing::kSize; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  ASSERT_EQ(port.Ring().Count(), RxRing::kSize);
  ASSERT_TRUE(pty.Write(Bytes(all.begin() + RxRing::kSize, all.end())));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(port.Ring().Count(), RxRing::kSize);
  EXPECT_EQ(Drain(port, all.size()), all);
}

TEST(ComPort, ResolvesEnvironmentThenSettingsThenTheUsualDevice) {
  ::unsetenv("KX700_COM3");
  const SettingLookup settings = [](const std::string& key) -> std::optional<std::string> {
    if (key == "Devices/COM3") return "/dev/ttyS9";
    return std::nullopt;
  };
  struct Case {
    int port;
    const char* device;
  };
  const Case defaults[] = {{1, "/dev/ttyS0"},   {4, "/dev/ttyS3"},    {5, "/dev/ttyUSB0"}, {8, "/dev/ttyUSB3"},
                           {9, "/dev/ttyACM0"}, {12, "/dev/ttyACM3"}, {13, "/dev/ttyS12"}, {99, "/dev/ttyS98"}};
  for (const auto& c : defaults) EXPECT_EQ(ResolveComPort(c.port), c.device) << c.port;
  EXPECT_EQ(ResolveComPort(3, settings), "/dev/ttyS9");
  ::setenv("KX700_COM3", "/dev/pts/42", 1);
  EXPECT_EQ(ResolveComPort(3, settings), "/dev/pts/42");
  ::unsetenv("KX700_COM3");
  EXPECT_EQ(ComPortName(12), "COM12");
}

} // namespace
} // namespace kx700
