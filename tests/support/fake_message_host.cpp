#include "support/fake_message_host.h"

#include <gtest/gtest.h>

#include "common/cp1252.h"

namespace kx700::test {

FakeMessageHost& FakeMessageHost::Answer(MessageAnswer answer) {
  script_.push_back(answer);
  return *this;
}

MessageAnswer FakeMessageHost::Show(const MessageBoxRequest& request) {
  boxes_.push_back(
      {Cp1252ToUtf8(request.text), Cp1252ToUtf8(request.caption), request.buttons, request.icon, request.owner});
  if (!script_.empty()) {
    const MessageAnswer answer = script_.front();
    script_.pop_front();
    return answer;
  }
  if (request.buttons != MessageButtons::Ok) {
    ADD_FAILURE() << "unexpected question box \"" << boxes_.back().caption << "\": " << boxes_.back().text;
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }
  return MessageAnswer::Ok;
}

} // namespace kx700::test
