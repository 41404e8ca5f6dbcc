#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/message_host.h"

namespace kx700::test {

// Records every box and answers from a script. A box that comes when the
// script is empty is a test failure, unless it has only an OK button.
class FakeMessageHost final : public MessageHost {
public:
  struct Box {
    std::string text;    // UTF-8, for readable assertions
    std::string caption; // UTF-8
    MessageButtons buttons;
    MessageIcon icon;
    MessageOwner owner;
  };

  // Queues the answer to the next box.
  FakeMessageHost& Answer(MessageAnswer answer);

  MessageAnswer Show(const MessageBoxRequest& request) override;

  const std::vector<Box>& boxes() const { return boxes_; }
  std::size_t pendingAnswers() const { return script_.size(); }

private:
  std::deque<MessageAnswer> script_;
  std::vector<Box> boxes_;
};

} // namespace kx700::test
