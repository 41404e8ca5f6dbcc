#include "panelsim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace panelsim {
namespace {

std::int64_t SteadyUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string Describe(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

void CloseFd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

} // namespace

PtyServer::PtyServer(Engine& engine) : engine_(engine) {}

PtyServer::~PtyServer() {
  CloseLine();
  CloseFd(wake_);
}

bool PtyServer::Open() {
  if (master_ >= 0) return true;
  if (wake_ < 0) wake_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wake_ < 0) {
    error_ = Describe("eventfd");
    return false;
  }
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0) {
    error_ = Describe("posix_openpt");
    return false;
  }
  char name[128] = {};
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || ::ptsname_r(master_, name, sizeof name) != 0) {
    error_ = Describe("pseudo-terminal set-up");
    CloseLine();
    return false;
  }
  slavePath_ = name;
  // Raw until the program sets the line up itself: no echo of our answers back
  // to us, no translation of bytes.
  termios t{};
  if (::tcgetattr(master_, &t) == 0) {
    ::cfmakeraw(&t);
    ::tcsetattr(master_, TCSANOW, &t);
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  slaveHold_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (slaveHold_ < 0) {
    error_ = Describe(name);
    CloseLine();
    return false;
  }
  return true;
}

void PtyServer::Stop() {
  stop_.store(true);
  Wake();
}

void PtyServer::Wake() {
  if (wake_ < 0) return;
  const std::uint64_t one = 1;
  [[maybe_unused]] auto n = ::write(wake_, &one, sizeof one);
}

void PtyServer::WithEngine(const std::function<void(Engine&)>& f) {
  {
    std::lock_guard lock(mutex_);
    f(engine_);
  }
  Wake();
}

void PtyServer::CloseLine() {
  CloseFd(master_);
  CloseFd(slaveHold_);
}

void PtyServer::Serve() {
  if (master_ < 0) return;
  std::vector<std::uint8_t> pending; // taken from the engine, not yet taken by the pty
  std::uint8_t buffer[512];
  while (!stop_.load()) {
    std::optional<std::int64_t> due;
    {
      std::lock_guard lock(mutex_);
      due = engine_.NextDueUs();
    }
    pollfd fds[2] = {{master_, static_cast<short>(POLLIN | (pending.empty() ? 0 : POLLOUT)), 0}, {wake_, POLLIN, 0}};
    timespec timeout{};
    timespec* wait = nullptr;
    if (due && pending.empty()) {
      const std::int64_t us = std::max<std::int64_t>(0, *due - SteadyUs());
      timeout.tv_sec = static_cast<time_t>(us / 1'000'000);
      timeout.tv_nsec = static_cast<long>(us % 1'000'000 * 1000);
      wait = &timeout;
    }
    if (::ppoll(fds, 2, wait, nullptr) < 0 && errno != EINTR) break;

    if (fds[1].revents & POLLIN) {
      std::uint64_t count = 0;
      [[maybe_unused]] auto n = ::read(wake_, &count, sizeof count);
    }
    if (stop_.load()) break;

    if (fds[0].revents & POLLIN) {
      for (;;) {
        const auto n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) break;
        std::lock_guard lock(mutex_);
        engine_.Receive(std::span<const std::uint8_t>(buffer, static_cast<std::size_t>(n)), SteadyUs());
      }
    } else if (fds[0].revents & (POLLHUP | POLLERR)) {
      // Not expected while we hold the slave open; back off rather than spin.
      const timespec backoff{0, 3'000'000};
      ::nanosleep(&backoff, nullptr);
    }

    bool hungUp = false;
    {
      std::lock_guard lock(mutex_);
      engine_.TakeDue(SteadyUs(), pending);
      hungUp = engine_.HungUp();
    }
    while (!pending.empty()) {
      const auto n = ::write(master_, pending.data(), pending.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break; // the pty is full: wait until it takes more
      pending.erase(pending.begin(), pending.begin() + n);
    }
    if (hungUp && pending.empty()) {
      CloseLine();
      return;
    }
  }
}

} // namespace panelsim
