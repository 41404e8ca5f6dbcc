#pragma once

#include "common/message_host.h"
#include "link/panel_link.h"
#include "model/document.h"
#include "session/link_engine.h"

namespace kx700 {

// What a service window works with while it is open: the document (its
// records and the live panel state), the link to the panel, the engine that
// serves its link mode, and the message boxes. The shell that owns them hands
// them over when it opens the window.
struct ServiceContext {
  CPc_kx700Doc& document;
  CPanelLink& link;
  LinkEngine& engine;
  MessageHost& messages;
};

} // namespace kx700
