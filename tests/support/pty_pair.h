#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace kx700::test {

// A pseudo-terminal: the test plays the far end on the master, the program
// opens the slave as its serial device.
class PtyPair {
public:
  PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
      slave_ = ::ptsname(master_);
      // Keep the slave open here so that the master never sees a hang-up
      // while the program closes and reopens its side.
      keep_ = ::open(slave_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
      termios tio{};
      if (keep_ >= 0 && ::tcgetattr(keep_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(keep_, TCSANOW, &tio);
      }
    }
  }
  ~PtyPair() {
    CloseMaster();
    if (keep_ >= 0) ::close(keep_);
  }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  bool ok() const { return master_ >= 0 && keep_ >= 0; }
  const std::string& slave() const { return slave_; }
  int master() const { return master_; }

  bool Write(const std::vector<std::uint8_t>& bytes) {
    return ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  }
  // Reads what the program wrote, waiting up to `timeoutMs` for `count` bytes.
  std::vector<std::uint8_t> Read(std::size_t count, int timeoutMs = 5000) {
    std::vector<std::uint8_t> out;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (out.size() < count) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
      if (left.count() <= 0) break;
      pollfd p{master_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
      std::uint8_t buffer[256];
      const ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - out.size()));
      if (n <= 0) break;
      out.insert(out.end(), buffer, buffer + n);
    }
    return out;
  }
  // Hangs up the far end: the slave sees end of file and hang-up.
  void HangUp() {
    if (keep_ >= 0) ::close(keep_);
    keep_ = -1;
    CloseMaster();
  }

private:
  void CloseMaster() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
  }

  int master_ = -1;
  int keep_ = -1;
  std::string slave_;
};

} // namespace kx700::test
