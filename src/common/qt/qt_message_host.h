#pragma once

#include "common/message_host.h"

namespace kx700 {

// Shows each box as a modal QMessageBox.
class QtMessageHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest& request) override;
};

} // namespace kx700
