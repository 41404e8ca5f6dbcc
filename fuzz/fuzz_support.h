#pragma once

#include <cstdlib>

#include "common/message_host.h"

namespace kx700::fuzz {

// Every box is answered as if the user clicked its first button.
class SilentMessageHost final : public MessageHost {
public:
  MessageAnswer Show(const MessageBoxRequest& request) override {
    switch (request.buttons) {
      case MessageButtons::YesNo:
      case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
      default: return MessageAnswer::Ok;
    }
  }
};

// A broken property is a crash, so that the fuzzer keeps the input.
inline void Require(bool holds) {
  if (!holds) std::abort();
}

} // namespace kx700::fuzz
