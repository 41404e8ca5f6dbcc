#include "link/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>

#include "common/error_mess.h"
#include "common/message_box.h"

namespace kx700 {
namespace {

constexpr int kFaultCannotOpen = 1;
constexpr int kFaultAlreadyOpen = 3;
constexpr int kFaultNoReader = 4;
constexpr int kFaultCannotClose = 5;

struct BaudRate {
  int baud;
  speed_t speed;
};
constexpr BaudRate kBaudRates[] = {{2400, B2400}, {4800, B4800}, {9600, B9600}, {19200, B19200}, {38400, B38400}};

std::optional<speed_t> SpeedOf(int baud) {
  for (const auto& r : kBaudRates) {
    if (r.baud == baud) return r.speed;
  }
  return std::nullopt;
}

int BaudOf(speed_t speed) {
  for (const auto& r : kBaudRates) {
    if (r.speed == speed) return r.baud;
  }
  return 9600; // only used to size write deadlines
}

void SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// One line on standard error, so that whoever starts the program from a
// terminal learns which device failed and why.
void ReportOpenFailure(const std::string& device, const char* reason) {
  std::fprintf(stderr, "kx700: cannot open serial port %s: %s\n", device.c_str(), reason);
}

std::string ErrnoReason(int error) {
  std::string reason = std::strerror(error);
  if (error == EACCES || error == EPERM) reason += " (is the user in the group dialout?)";
  if (error == EBUSY) reason += " (it is in use by another program)";
  return reason;
}

} // namespace

Ser_port::Ser_port(MessageHost& host, SettingLookup settings)
    : host_(host), settings_(std::move(settings)), dataFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

Ser_port::~Ser_port() {
  // Closing here shows no box: a failure at the end of the program helps nobody.
  if (IsOpen()) CloseDevice();
  if (dataFd_ >= 0) ::close(dataFd_);
}

bool Ser_port::CloseDevice() {
  // The reader goes first, so that the device is never closed under it.
  open_.store(false, std::memory_order_release);
  stop_.store(true);
  const std::uint64_t one = 1;
  [[maybe_unused]] auto ignored = ::write(wakeFd_, &one, sizeof one);
  if (reader_.joinable()) reader_.join();
  ::close(wakeFd_);
  wakeFd_ = -1;
  // The exclusive mode stays with the terminal while anyone else holds it
  // open: clear it, or no ordinary user could open the line again.
  ::ioctl(fd_, TIOCNXCL);
  const int result = ::close(fd_);
  fd_ = -1;
  return result == 0 || errno == EINTR;
}

void Ser_port::ShowFault(int fault) { kx700::ShowFault(host_, fault); }

void Ser_port::ShowSetupFault(const char* caption) { ShowFaultWithCaption(host_, 2, caption); }

bool Ser_port::Open(int port, int baud) { return OpenDevice(ResolveComPort(port, settings_), baud, false); }

bool Ser_port::OpenQuietly(int port, int baud) { return OpenDevice(ResolveComPort(port, settings_), baud, true); }

bool Ser_port::OpenDevice(const std::string& device, int baud, bool quiet) {
  if (IsOpen()) {
    if (!quiet) ShowFault(kFaultAlreadyOpen);
    return true;
  }
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (!quiet) {
      ReportOpenFailure(device, ErrnoReason(errno).c_str());
      ShowFault(kFaultCannotOpen);
    }
    return false;
  }
  bool exclusive = false;
  auto fail = [&](const char* reason, auto show) {
    if (reason && !quiet) ReportOpenFailure(device, reason);
    if (exclusive) ::ioctl(fd, TIOCNXCL); // see CloseDevice
    ::close(fd);
    if (!quiet) show();
    return false;
  };
  // Exclusive: a second program on the same line would garble both.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
    return fail("it is in use by another program", [&] { ShowFault(kFaultCannotOpen); });
  exclusive = ::ioctl(fd, TIOCEXCL) == 0;

  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) {
    const std::string reason = ErrnoReason(errno);
    return fail(reason.c_str(), [&] { ShowSetupFault("Error 2c"); });
  }
  ::cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | CSTOPB | PARENB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (const auto speed = SpeedOf(baud)) {
    ::cfsetispeed(&tio, *speed);
    ::cfsetospeed(&tio, *speed);
  }
  ::tcflush(fd, TCIOFLUSH);
  if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
    const std::string reason = ErrnoReason(errno);
    return fail(reason.c_str(), [&] { ShowSetupFault("Error 2b"); });
  }
  if (::fcntl(fd, F_SETFL, O_RDWR | O_NONBLOCK) != 0) {
    const std::string reason = ErrnoReason(errno);
    return fail(reason.c_str(), [&] { ShowSetupFault("Error 2a"); });
  }
  // DTR off, RTS on. Adapters and pseudo-terminals without modem lines
  // refuse this, which does no harm.
  int dtr = TIOCM_DTR, rts = TIOCM_RTS;
  ::ioctl(fd, TIOCMBIC, &dtr);
  ::ioctl(fd, TIOCMBIS, &rts);

  const int wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wake < 0) return fail(nullptr, [&] { ShowFault(kFaultNoReader); });

  fd_ = fd;
  wakeFd_ = wake;
  baud_ = BaudOf(::cfgetospeed(&tio));
  device_ = device;
  ring_.Flush();
  stop_.store(false);
  lineLost_.store(false);
  try {
    reader_ = std::thread(&Ser_port::ReaderThread, this);
  } catch (const std::system_error&) {
    ::close(wake);
    fd_ = wakeFd_ = -1;
    return fail(nullptr, [&] { ShowFault(kFaultNoReader); });
  }
  open_.store(true, std::memory_order_release);
  return true;
}

void Ser_port::Close() {
  if (IsOpen() && !CloseDevice()) ShowFault(kFaultCannotClose);
}

void Ser_port::ReaderThread() {
  std::array<std::uint8_t, 256> buffer{};
  pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
  // The line hung up: say so, and leave the device alone until the port is
  // closed (a hung-up terminal would wake the reader for ever).
  const auto lost = [this] {
    lineLost_.store(true, std::memory_order_release);
    const std::uint64_t one = 1;
    [[maybe_unused]] auto ignored = ::write(dataFd_, &one, sizeof one);
    WaitForStop();
  };
  while (!stop_.load()) {
    const int ready = ::poll(fds, 2, -1);
    wakeups_.fetch_add(1, std::memory_order_relaxed);
    if (ready < 0) {
      if (errno != EINTR) SleepMs(3);
      continue;
    }
    if (fds[1].revents != 0) break;
    if (fds[0].revents & POLLIN) {
      const std::size_t room = ring_.Free();
      if (room == 0) {
        // The ring is full: leave the bytes in the driver until there is room.
        SleepMs(20);
        continue;
      }
      const ssize_t n = ::read(fd_, buffer.data(), std::min(room, buffer.size()));
      if (n > 0) {
        ring_.Put(std::span(buffer.data(), static_cast<std::size_t>(n)));
        const std::uint64_t one = 1;
        [[maybe_unused]] auto ignored = ::write(dataFd_, &one, sizeof one);
        continue;
      }
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      return lost(); // end of file or a line error
    }
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return lost();
  }
}

void Ser_port::WaitForStop() {
  pollfd wake{wakeFd_, POLLIN, 0};
  while (!stop_.load()) {
    wakeups_.fetch_add(1, std::memory_order_relaxed);
    if (::poll(&wake, 1, -1) > 0) break;
  }
}

bool Ser_port::Write(std::span<const std::uint8_t> bytes) {
  if (!IsOpen()) return false;
  // Room for twice the line time of the bytes, and a second for the driver.
  const std::int64_t lineMs = static_cast<std::int64_t>(bytes.size()) * 10 * 1000 / baud_;
  const std::int64_t deadline = NowMs() + 1000 + 2 * lineMs;

  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
    const std::int64_t left = deadline - NowMs();
    if (left <= 0) return false;
    pollfd out{fd_, POLLOUT, 0};
    ::poll(&out, 1, static_cast<int>(left));
  }
  // Wait until the bytes have left the driver, within the same deadline.
  for (;;) {
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0) return ::tcdrain(fd_) == 0;
    if (queued <= 0) return true;
    if (NowMs() >= deadline) return false;
    SleepMs(std::clamp(queued * 10 * 1000 / baud_, 1, 20));
  }
}

void Ser_port::WaitForInput(std::uint64_t seen, int ms) {
  if (ms > 0) ring_.WaitForMore(seen, std::chrono::milliseconds(ms));
}

} // namespace kx700
