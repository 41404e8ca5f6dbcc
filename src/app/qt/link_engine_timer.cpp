#include "app/qt/link_engine_timer.h"

#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

#include "app/application.h"

namespace kx700 {
namespace {

constexpr int kModalPollMs = 50;

} // namespace

LinkEngineTimer::LinkEngineTimer(CPc_kx700App& app, QObject* parent) : QObject(parent), app_(app) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &LinkEngineTimer::Step);
  app_.engine().SetWake([this] {
    if (timer_.isActive()) timer_.start(0);
  });
  if (const int fd = app_.port().DataNotifyFd(); fd >= 0) {
    bytes_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(bytes_, &QSocketNotifier::activated, this, &LinkEngineTimer::OnBytes);
  }
}

LinkEngineTimer::~LinkEngineTimer() { app_.engine().SetWake(nullptr); }

void LinkEngineTimer::Start() { timer_.start(0); }

void LinkEngineTimer::Step() {
  if (QApplication::activeModalWidget() || app_.engine().busy()) {
    timer_.start(kModalPollMs);
    return;
  }
  app_.OnIdle();
  timer_.start(app_.engine().NextIdleDelayMs());
}

void LinkEngineTimer::OnBytes() {
  std::uint64_t count = 0;
  [[maybe_unused]] const auto ignored = ::read(static_cast<int>(bytes_->socket()), &count, sizeof count);
  if (timer_.isActive() && app_.engine().StepsOnArrivingBytes()) timer_.start(0);
}

} // namespace kx700
