#include "panelsim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <thread>

#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Bytes;

// Generous: these waits end as soon as the bytes arrive, so they never slow a passing run.
constexpr int kPatienceMs = 5'000;

// The program's side of the line: the slave opened raw, as the program does.
class Line {
public:
  explicit Line(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
    termios t{};
    if (fd_ >= 0 && ::tcgetattr(fd_, &t) == 0) {
      ::cfmakeraw(&t);
      ::tcsetattr(fd_, TCSANOW, &t);
    }
  }
  ~Line() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }
  bool Write(const Bytes& b) { return ::write(fd_, b.data(), b.size()) == static_cast<ssize_t>(b.size()); }

  // Reads until an end byte arrives or the line stays silent too long.
  Bytes ReadFrame() {
    Bytes got;
    while (got.empty() || got.back() != kFrameEnd) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, kPatienceMs) <= 0 || !(p.revents & POLLIN)) break;
      std::uint8_t buf[256];
      const auto n = ::read(fd_, buf, sizeof buf);
      if (n <= 0) break;
      got.insert(got.end(), buf, buf + n);
    }
    return got;
  }

  // Whether the far end closed the line.
  bool HungUp() {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, kPatienceMs) > 0 && (p.revents & POLLHUP);
  }

private:
  int fd_;
};

struct Served {
  Engine engine;
  PtyServer server{engine};
  std::thread thread;

  Served() {
    engine.SetBaud(38400);
    if (server.Open()) thread = std::thread([this] { server.Serve(); });
  }
  ~Served() {
    server.Stop();
    if (thread.joinable()) thread.join();
  }
};

TEST(PtyServer, AnswersOverThePseudoTerminal) {
  Served s;
  ASSERT_FALSE(s.server.SlavePath().empty()) << s.server.error();
  Line line(s.server.SlavePath());
  ASSERT_TRUE(line.ok());

  ASSERT_TRUE(line.Write(test::RequestBytes(req::kIdentify, {}, 0)));
  const auto answer = test::Frames(line.ReadFrame());
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].verdict, FrameReceiver::Verdict::kGood);
  EXPECT_EQ(answer[0].frame.code, 49);

  std::size_t requests = 0;
  s.server.WithEngine([&](Engine& e) { requests = e.requests().size(); });
  EXPECT_EQ(requests, 1u);
}

TEST(PtyServer, HangUpClosesTheLine) {
  Served s;
  ASSERT_FALSE(s.server.SlavePath().empty()) << s.server.error();
  s.server.WithEngine([](Engine& e) { e.faults().Add(NextAnswers(Fault::kHangUp)); });
  Line line(s.server.SlavePath());
  ASSERT_TRUE(line.ok());

  ASSERT_TRUE(line.Write(test::RequestBytes(req::kStatus)));
  EXPECT_TRUE(line.HungUp());
  s.thread.join(); // Serve ends by itself
}

} // namespace
} // namespace panelsim
