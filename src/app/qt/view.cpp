#include "app/qt/view.h"

#include "app/application.h"

namespace kx700 {
namespace {

int ModeOf(CPc_kx700View::ServiceWindow kind) {
  switch (kind) {
    case CPc_kx700View::ServiceWindow::AnalogValues: return kLinkAnalogValues;
    case CPc_kx700View::ServiceWindow::CardProgramming: return kLinkCardProgramming;
    case CPc_kx700View::ServiceWindow::ControlTest: return kLinkControlTest;
  }
  return kLinkSupervision;
}

} // namespace

CPc_kx700View::CPc_kx700View(CPc_kx700App& app, QWidget* parent) : QWidget(parent), app_(app) {
  setObjectName(QStringLiteral("view"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

CPc_kx700View::~CPc_kx700View() {
  // Windows still open go with the view, without calling back into it.
  for (QWidget* window : {analogValues_.data(), cardProgramming_.data(), controlTest_.data()}) {
    if (!window) continue;
    window->disconnect(this);
    delete window;
  }
  app_.analogWindow = nullptr;
  app_.cardWindow = nullptr;
  if (app_.GetLinkMode() != kLinkSupervision) app_.SetLinkMode(kLinkSupervision);
}

QPointer<QWidget>& CPc_kx700View::Slot(ServiceWindow kind) {
  switch (kind) {
    case ServiceWindow::AnalogValues: return analogValues_;
    case ServiceWindow::CardProgramming: return cardProgramming_;
    case ServiceWindow::ControlTest: break;
  }
  return controlTest_;
}

QWidget* CPc_kx700View::serviceWindow(ServiceWindow kind) const {
  return const_cast<CPc_kx700View*>(this)->Slot(kind).data();
}

bool CPc_kx700View::OpenServiceWindow(ServiceWindow kind, const std::function<QWidget*(QWidget* parent)>& make) {
  QPointer<QWidget>& slot = Slot(kind);
  if (slot) return false;
  QWidget* window = make(this);
  if (!window) return false;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowFlag(Qt::Window);
  slot = window;
  connect(window, &QObject::destroyed, this, [this, kind] { OnServiceWindowClosed(kind); });
  window->show();
  app_.SetLinkMode(ModeOf(kind));
  if (FrameHost* frame = app_.frameHost()) frame->RefreshCommandStates();
  return true;
}

void CPc_kx700View::OnServiceWindowClosed(ServiceWindow kind) {
  Slot(kind) = nullptr;
  // The engine must not reach a window that is gone.
  if (kind == ServiceWindow::AnalogValues) app_.analogWindow = nullptr;
  app_.SetLinkMode(kLinkSupervision);
  if (FrameHost* frame = app_.frameHost()) frame->RefreshCommandStates();
}

void CPc_kx700View::CloseServiceWindows() {
  for (QWidget* window : {analogValues_.data(), cardProgramming_.data(), controlTest_.data()}) {
    if (window) window->close();
  }
}

} // namespace kx700
