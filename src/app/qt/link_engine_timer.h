#pragma once

#include <QObject>
#include <QTimer>

class QSocketNotifier;

namespace kx700 {

class CPc_kx700App;

// Runs the link engine's steps while the program is idle: every 5 ms while
// a service window polls, otherwise when the next request is due or bytes
// arrive, so that an idle program does not keep a core busy. While a modal
// dialog or a message box is up, or a command is busy with the panel, the
// engine waits.
class LinkEngineTimer : public QObject {
  Q_OBJECT

public:
  explicit LinkEngineTimer(CPc_kx700App& app, QObject* parent = nullptr);
  ~LinkEngineTimer() override;
  void Start();
  void Stop() { timer_.stop(); }

private:
  void Step();
  void OnBytes();

  CPc_kx700App& app_;
  QTimer timer_;
  QSocketNotifier* bytes_ = nullptr;
};

} // namespace kx700
