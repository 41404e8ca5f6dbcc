// kx700-panel-sim: a simulated KX700 panel on a pseudo-terminal.
//
// Prints one line, KX700_COM<n>=<device>, and serves until SIGINT or SIGTERM
// (or end of standard input with --until-stdin-eof). Run it, then start the
// program with that line in its environment.

#include <poll.h>
#include <signal.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "panelsim/engine.h"
#include "panelsim/parameter_image.h"
#include "panelsim/pty_server.h"

namespace {

using panelsim::Fault;

constexpr const char* kUsage =
    "usage: kx700-panel-sim [options]\n"
    "  --com N               print the device as KX700_COM<N> (1..99, default 9)\n"
    "  --baud B              pace answers at B baud, 0 = no pacing (default 9600)\n"
    "  --answer-delay-ms D   the panel's think time before each answer (default 2)\n"
    "  --panel-address A     the panel's own address besides 0x20 (0..255, default 0)\n"
    "  --technician          start in technician mode\n"
    "  --ack-switches        acknowledge loop switch and loop alarm requests\n"
    "  --steady-values       loop values stay as set (by default those at rest\n"
    "                        wander by a tenth of a volt, as live loops do)\n"
    "  --fault KIND:K        put a fault into every K-th answer; KIND is one of\n"
    "                        bad-checksum drop delay duplicate stray short no-w ask-repeat,\n"
    "                        or hang-up (the panel hangs up at answer K)\n"
    "  --fault-delay-ms D    how much later a delayed answer comes (default 500)\n"
    "  --logbook-entries N   a logbook of N entries (0..500) in place of the usual 36\n"
    "  --largest-configuration\n"
    "                        hold the largest configuration (16 loops, 20 controls,\n"
    "                        eight relay cards) in place of the usual one\n"
    "  --card-result N:S     programming relay card N (1..8) ends in S: ok, unknown,\n"
    "                        error, no-communication or silent (never answers)\n"
    "                        (default: card 3 error, others ok)\n"
    "  --card-programming-ms D\n"
    "                        how long programming one relay card takes (default 3000)\n"
    "  --until-stdin-eof     also stop when standard input ends\n";

struct Options {
  int com = 9;
  int baud = 9600;
  int answerDelayMs = 2;
  int panelAddress = 0;
  bool technician = false;
  bool ackSwitches = false;
  bool steadyValues = false;
  bool untilStdinEof = false;
  int faultDelayMs = 500;
  std::vector<std::pair<Fault, int>> faults;
  int logbookEntries = -1; // -1: the realistic logbook
  bool largest = false;
  std::vector<std::pair<int, std::uint8_t>> cardResults;
  int cardProgrammingMs = 3000;
};

bool ParseInt(std::string_view text, int lo, int hi, int& out) {
  int v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc{} || end != text.data() + text.size() || v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseFault(std::string_view text, std::pair<Fault, int>& out) {
  static constexpr std::pair<std::string_view, Fault> kKinds[] = {
      {"bad-checksum", Fault::kBadChecksum},
      {"drop", Fault::kDrop},
      {"delay", Fault::kDelay},
      {"duplicate", Fault::kDuplicate},
      {"stray", Fault::kStrayBytes},
      {"short", Fault::kShortFrame},
      {"no-w", Fault::kNoMark},
      {"hang-up", Fault::kHangUp},
      {"ask-repeat", Fault::kAskRepeat},
  };
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  for (const auto& [name, fault] : kKinds) {
    if (text.substr(0, colon) == name) {
      out.first = fault;
      return ParseInt(text.substr(colon + 1), 1, 1'000'000, out.second);
    }
  }
  return false;
}

bool ParseCardResult(std::string_view text, std::pair<int, std::uint8_t>& out) {
  static constexpr std::pair<std::string_view, std::uint8_t> kStates[] = {
      {"ok", panelsim::card_state::kOk},         {"unknown", panelsim::card_state::kUnknown},
      {"error", panelsim::card_state::kError},   {"no-communication", panelsim::card_state::kNoCommunication},
      {"silent", panelsim::card_state::kSilent},
  };
  const auto colon = text.find(':');
  if (colon == std::string_view::npos || !ParseInt(text.substr(0, colon), 1, panelsim::kMaxRelayCards, out.first)) {
    return false;
  }
  for (const auto& [name, state] : kStates) {
    if (text.substr(colon + 1) == name) {
      out.second = state;
      return true;
    }
  }
  return false;
}

bool ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const auto value = [&](int lo, int hi, int& out) { return i + 1 < argc && ParseInt(argv[++i], lo, hi, out); };
    bool ok = true;
    if (a == "--com") {
      ok = value(1, 99, o.com);
    } else if (a == "--baud") {
      ok = value(0, 10'000'000, o.baud);
    } else if (a == "--answer-delay-ms") {
      ok = value(0, 60'000, o.answerDelayMs);
    } else if (a == "--panel-address") {
      ok = value(0, 255, o.panelAddress);
    } else if (a == "--fault-delay-ms") {
      ok = value(0, 600'000, o.faultDelayMs);
    } else if (a == "--logbook-entries") {
      ok = value(0, static_cast<int>(panelsim::kLogbookCapacity), o.logbookEntries);
    } else if (a == "--largest-configuration") {
      o.largest = true;
    } else if (a == "--card-result") {
      std::pair<int, std::uint8_t> r;
      ok = i + 1 < argc && ParseCardResult(argv[++i], r);
      if (ok) o.cardResults.push_back(r);
    } else if (a == "--card-programming-ms") {
      ok = value(0, 600'000, o.cardProgrammingMs);
    } else if (a == "--technician") {
      o.technician = true;
    } else if (a == "--ack-switches") {
      o.ackSwitches = true;
    } else if (a == "--steady-values") {
      o.steadyValues = true;
    } else if (a == "--until-stdin-eof") {
      o.untilStdinEof = true;
    } else if (a == "--fault") {
      std::pair<Fault, int> f;
      ok = i + 1 < argc && ParseFault(argv[++i], f);
      if (ok) o.faults.push_back(f);
    } else {
      ok = false;
    }
    if (!ok) {
      std::fprintf(stderr, "kx700-panel-sim: bad option or value at '%s'\n", argv[i]);
      return false;
    }
  }
  return true;
}

void SetClockToNow(panelsim::PanelState& s) {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  if (!localtime_r(&now, &t)) return;
  s.clock = {static_cast<std::uint8_t>(t.tm_year % 100), static_cast<std::uint8_t>(t.tm_mon + 1),
             static_cast<std::uint8_t>(t.tm_mday),       static_cast<std::uint8_t>(t.tm_hour),
             static_cast<std::uint8_t>(t.tm_min),        static_cast<std::uint8_t>(t.tm_sec)};
}

} // namespace

int main(int argc, char** argv) {
  Options o;
  if (argc > 1 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!ParseArgs(argc, argv, o)) {
    std::fputs(kUsage, stderr);
    return 2;
  }

  panelsim::Engine engine(panelsim::RealisticPanel());
  SetClockToNow(engine.state());
  engine.state().technicianMode = o.technician;
  engine.SetBaud(o.baud);
  engine.SetPaceReception(o.baud > 0);
  engine.SetAnswerDelayUs(std::int64_t{o.answerDelayMs} * 1000);
  engine.SetPanelAddress(static_cast<std::uint8_t>(o.panelAddress));
  engine.SetAcknowledgeSwitches(o.ackSwitches);
  engine.SetLiveValues(!o.steadyValues);
  engine.SetKeepRequests(false); // nobody reads them here, and a day of polling adds up
  auto& state = engine.state();
  if (o.logbookEntries >= 0) state.logbook = panelsim::MakeLogbook(static_cast<std::size_t>(o.logbookEntries));
  if (o.largest) {
    state.image = panelsim::LargestImage();
    state.relayCards = panelsim::RelayCardCount(state.image).value_or(state.relayCards);
  }
  for (const auto& [card, result] : o.cardResults) state.cardResults[card] = result;
  panelsim::CardProgramming cards;
  cards.durationUs = std::int64_t{o.cardProgrammingMs} * 1000;
  engine.SetCardProgramming(cards);
  for (const auto& [fault, k] : o.faults) {
    auto rule = fault == Fault::kHangUp ? panelsim::EveryKthAnswer(fault, k, 1) : panelsim::EveryKthAnswer(fault, k);
    rule.delayUs = std::int64_t{o.faultDelayMs} * 1000;
    engine.faults().Add(rule);
  }

  // Signals are taken from a signalfd by this thread only; the serving thread
  // inherits the blocked mask.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  const int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);
  const int doneFd = eventfd(0, EFD_CLOEXEC);
  if (signalFd < 0 || doneFd < 0) {
    std::perror("kx700-panel-sim");
    return 1;
  }

  panelsim::PtyServer server(engine);
  if (!server.Open()) {
    std::fprintf(stderr, "kx700-panel-sim: cannot open a pseudo-terminal: %s\n", server.error().c_str());
    return 1;
  }
  std::printf("KX700_COM%d=%s\n", o.com, server.SlavePath().c_str());
  std::fflush(stdout);

  std::thread serving([&] {
    server.Serve();
    const std::uint64_t one = 1;
    [[maybe_unused]] auto n = write(doneFd, &one, sizeof one);
  });

  bool watchStdin = o.untilStdinEof;
  for (;;) {
    pollfd fds[3] = {{signalFd, POLLIN, 0}, {doneFd, POLLIN, 0}, {watchStdin ? 0 : -1, POLLIN, 0}};
    if (poll(fds, 3, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[0].revents || fds[1].revents) break;
    if (fds[2].revents) {
      char sink[256];
      const auto n = read(0, sink, sizeof sink);
      if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) break;
    }
  }
  server.Stop();
  serving.join();
  if (engine.HungUp()) std::fputs("kx700-panel-sim: the panel hung up\n", stderr);
  close(signalFd);
  close(doneFd);
  return 0;
}
