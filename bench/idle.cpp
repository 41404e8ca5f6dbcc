// The CPU the program uses while it only supervises a connected panel, and
// after the line has hung up (the panel's end closed, the device gone).
//
// Starts the program (offscreen) against the simulated panel on a
// pseudo-terminal, lets it find the panel, then reads its CPU time from /proc
// over a measuring period (30 s, or the seconds given as argument); hangs the
// line up and measures again. Prints each as a share of one core.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "panelsim/engine.h"
#include "panelsim/pty_server.h"

extern char** environ;

namespace {

// User and system time of a process, in seconds.
double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  // Fields after the command name, which is in parentheses and may hold blanks.
  std::istringstream rest(line.substr(line.rfind(')') + 2));
  std::string field;
  unsigned long long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && rest >> field; ++i) {
    if (i == 14) utime = std::stoull(field);
    if (i == 15) stime = std::stoull(field);
  }
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Share {
  double cpu = 0;  // seconds
  double wall = 0; // seconds
  double Percent() const { return wall > 0 ? 100.0 * cpu / wall : 0; }
};

// The CPU time `pid` uses over the next `seconds`.
Share Measure(pid_t pid, int seconds) {
  const double before = CpuSeconds(pid);
  const auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  return {CpuSeconds(pid) - before, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
}

} // namespace

int main(int argc, char* argv[]) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
  panelsim::Engine panel(panelsim::RealisticPanel());
  panel.SetBaud(9600);
  panel.SetPaceReception(true);
  panelsim::PtyServer server(panel);
  if (!server.Open()) {
    std::fprintf(stderr, "cannot open a pseudo-terminal: %s\n", server.error().c_str());
    return 1;
  }
  std::thread serving([&] { server.Serve(); });

  // Settings of its own: the program's port is COM9, which is the simulator.
  const std::filesystem::path config =
      std::filesystem::temp_directory_path() / ("kx700-idle-" + std::to_string(getpid()));
  std::filesystem::create_directories(config / "Quendar");
  std::ofstream(config / "Quendar" / "kx700 1.conf") << "[1.00]\nCom_port=COM9\n";

  std::vector<std::string> env = {"KX700_COM9=" + server.SlavePath(), "XDG_CONFIG_HOME=" + config.string(),
                                  "QT_QPA_PLATFORM=offscreen"};
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    if (entry.rfind("KX700_COM9=", 0) != 0 && entry.rfind("XDG_CONFIG_HOME=", 0) != 0 &&
        entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
      env.push_back(entry);
  }
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string program = KX700_PROGRAM;
  char* args[] = {program.data(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, args, envp.data()) != 0) {
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    return 1;
  }

  std::this_thread::sleep_for(std::chrono::seconds(3)); // start-up and finding the panel
  std::size_t requestsBefore = 0;
  server.WithEngine([&](panelsim::Engine& e) { requestsBefore = e.requests().size(); });
  const Share connected = Measure(child, seconds);
  std::size_t requests = 0;
  server.WithEngine([&](panelsim::Engine& e) { requests = e.requests().size() - requestsBefore; });

  // The line drops; the program keeps trying to open it again.
  server.WithEngine([](panelsim::Engine& e) { e.HangUp(); });
  serving.join();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  const Share hungUp = Measure(child, seconds);
  const bool running = waitpid(child, nullptr, WNOHANG) == 0;

  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  server.Stop();
  std::filesystem::remove_all(config);

  std::printf("idle program, link mode 0, over %.1f s each\n", connected.wall);
  std::printf("  connected: %zu requests answered by the panel (one identification every 5 s)\n", requests);
  std::printf("  connected: CPU time %.3f s = %.2f %% of one core\n", connected.cpu, connected.Percent());
  std::printf("  line hung up: CPU time %.3f s = %.2f %% of one core%s\n", hungUp.cpu, hungUp.Percent(),
              running ? "" : " (the program had ended)");
  return requests > 0 && running ? 0 : 1;
}
