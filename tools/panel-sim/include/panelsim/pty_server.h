#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>

#include "panelsim/engine.h"

namespace panelsim {

// Serves an Engine on a pseudo-terminal: the program opens the slave device
// as if it were a serial port. Output bytes are written when they are due on
// the steady clock, so the line is paced as the engine says.
class PtyServer {
public:
  explicit PtyServer(Engine& engine);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the pseudo-terminal. On failure returns false and error() says why.
  bool Open();
  // The device the program opens, e.g. /dev/pts/3.
  const std::string& SlavePath() const { return slavePath_; }
  const std::string& error() const { return error_; }

  // Serves until Stop(), or until the engine hangs up; then the master side
  // is closed so that the program sees the line drop.
  void Serve();
  // Ends Serve (also one not started yet). Safe from any thread and from a signal handler.
  void Stop();
  // Runs `f` on the engine while Serve does not touch it, then wakes Serve so
  // that anything `f` queued goes out on time.
  void WithEngine(const std::function<void(Engine&)>& f);

private:
  void Wake();
  void CloseLine();

  Engine& engine_;
  std::mutex mutex_;
  int master_ = -1;
  int slaveHold_ = -1; // keeps the slave open so the master never sees a hang-up while the program reopens
  int wake_ = -1;      // eventfd
  std::atomic<bool> stop_{false};
  std::string slavePath_;
  std::string error_;
};

} // namespace panelsim
