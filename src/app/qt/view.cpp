#include "app/qt/view.h"

#include <QScrollArea>
#include <QVBoxLayout>

#include "app/application.h"
#include "report/qt/report_view.h"
#include "service/qt/analog_values_window.h"
#include "service/qt/card_programming_window.h"
#include "service/qt/control_test_window.h"

namespace kx700 {

CPc_kx700View::CPc_kx700View(CPc_kx700App& app, QWidget* parent)
    : QWidget(parent), app_(app), report_(new CReportView([&app] { return app.reportSource(); })) {
  setObjectName(QStringLiteral("view"));
  auto* scroll = new QScrollArea(this);
  scroll->setBackgroundRole(QPalette::Base);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(report_);
  scroll->setAccessibleName(tr("Parameters"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  app_.SetServiceWindowHost(this);
}

void CPc_kx700View::RefreshReport() { report_->Refresh(); }

CPc_kx700View::~CPc_kx700View() {
  app_.SetServiceWindowHost(nullptr);
  // Windows still open go with the view; each leaves its link mode as it goes.
  for (QWidget* window : {analogValues_.data(), cardProgramming_.data(), controlTest_.data()}) delete window;
}

QPointer<QWidget>& CPc_kx700View::Slot(ServiceKind kind) {
  switch (kind) {
    case ServiceKind::AnalogValues: return analogValues_;
    case ServiceKind::CardProgramming: return cardProgramming_;
    case ServiceKind::ControlTest: break;
  }
  return controlTest_;
}

QWidget* CPc_kx700View::serviceWindow(ServiceKind kind) const {
  return const_cast<CPc_kx700View*>(this)->Slot(kind).data();
}

bool CPc_kx700View::OpenServiceWindow(ServiceKind kind, const std::function<QWidget*(QWidget* parent)>& make) {
  QPointer<QWidget>& slot = Slot(kind);
  if (slot) return false;
  QWidget* window = make(this);
  if (!window) return false;
  auto* service = dynamic_cast<ServiceWindow*>(window);
  if (!service || !service->EnterLinkMode(app_.engine())) {
    delete window;
    return false;
  }
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setWindowFlag(Qt::Window);
  slot = window;
  window->show();
  return true;
}

bool CPc_kx700View::CloseServiceWindows() {
  bool closed = true;
  for (QWidget* window : {analogValues_.data(), cardProgramming_.data(), controlTest_.data()}) {
    if (window && !window->close()) closed = false;
  }
  return closed;
}

bool CPc_kx700View::ServiceWindowsMayClose() const {
  for (const QWidget* window : {analogValues_.data(), cardProgramming_.data(), controlTest_.data()}) {
    const auto* service = dynamic_cast<const ServiceWindow*>(window);
    if (service && !service->MayClose()) return false;
  }
  return true;
}

bool CPc_kx700View::OpenAnalogValues() {
  return OpenServiceWindow(ServiceKind::AnalogValues,
                           [this](QWidget* parent) { return new Can_values(app_.serviceContext(), parent); });
}

bool CPc_kx700View::OpenTestControls() {
  return OpenServiceWindow(ServiceKind::ControlTest,
                           [this](QWidget* parent) { return new Ctest_control(app_.serviceContext(), parent); });
}

void CPc_kx700View::DocumentChanged() {
  RefreshReport();
  if (auto* test = qobject_cast<Ctest_control*>(controlTest_.data())) test->DocumentChanged();
}

bool CPc_kx700View::OpenPeriphProgramming() {
  return OpenServiceWindow(ServiceKind::CardProgramming,
                           [this](QWidget* parent) { return new Cprog_periph(app_.serviceContext(), parent); });
}

} // namespace kx700
