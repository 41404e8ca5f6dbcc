#include "session/service_window.h"

#include "session/link_engine.h"

namespace kx700 {

ServiceWindow::~ServiceWindow() { LeaveLinkMode(); }

void ServiceWindow::LeaveLinkMode() {
  if (engine_) engine_->Leave(*this);
}

bool AnalogValuesWindow::EnterLinkMode(LinkEngine& engine) { return engine.EnterAnalogValues(this); }

bool CardProgrammingWindow::EnterLinkMode(LinkEngine& engine) { return engine.EnterCardProgramming(this); }

bool ControlTestWindow::EnterLinkMode(LinkEngine& engine) { return engine.EnterControlTest(this); }

} // namespace kx700
