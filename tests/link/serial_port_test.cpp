#include "link/serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Another process that keeps a device open until it goes.
class LineHolder {
public:
  explicit LineHolder(const std::string& device) {
    int ready[2];
    if (::pipe(ready) != 0 || ::pipe(release_) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release_[1]);
      const char held = ::open(device.c_str(), O_RDWR | O_NOCTTY) >= 0 ? 1 : 0;
      [[maybe_unused]] auto w = ::write(ready[1], &held, 1);
      char done = 0;
      [[maybe_unused]] auto r = ::read(release_[0], &done, 1); // until the holder goes
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release_[0]);
    char held = 0;
    held_ = pid_ > 0 && ::read(ready[0], &held, 1) == 1 && held == 1;
    ::close(ready[0]);
  }
  ~LineHolder() {
    ::close(release_[1]);
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
  }
  LineHolder(const LineHolder&) = delete;
  LineHolder& operator=(const LineHolder&) = delete;
  bool held() const { return held_; }

private:
  int release_[2] = {-1, -1};
  pid_t pid_ = -1;
  bool held_ = false;
};

// Another program holds the line (a terminal program, the panel simulator):
// the port opens, closes and opens again, also from a second program run. An
// ordinary user is refused a line that is left exclusive; root never is, so
// the suite also runs this as an ordinary user.
TEST(SerialPort, ReopensWhileAnotherProcessHoldsTheLine) {
  if (::geteuid() == 0) GTEST_SKIP() << "root opens an exclusive line anyway";
  PtyPair pty;
  ASSERT_TRUE(pty.ok());
  LineHolder holder(pty.slave());
  ASSERT_TRUE(holder.held());

  FakeMessageHost host;
  {
    Ser_port first(host);
    ASSERT_TRUE(first.OpenDevice(pty.slave(), 9600));
    first.Close();
    ASSERT_TRUE(first.OpenDevice(pty.slave(), 19200));
  }
  Ser_port second(host);
  EXPECT_TRUE(second.OpenDevice(pty.slave(), 9600));
  // While one program has it, another is refused, and gets it afterwards.
  Ser_port third(host);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(third.OpenDevice(pty.slave(), 9600));
  testing::internal::GetCapturedStderr();
  second.Close();
  EXPECT_TRUE(third.OpenDevice(pty.slave(), 9600));
  third.Close();
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].caption, "Fout 1");
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
