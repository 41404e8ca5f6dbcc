#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kx700::test {

// Runs `act` on the modal dialog of type T once it is up, from inside its
// event loop. Polls from a timer, which owns the poll.
template <typename T>
void WhenModalShows(std::function<void(T&)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(*dialog);
    }
  });
  timer->start(5);
}

} // namespace kx700::test
