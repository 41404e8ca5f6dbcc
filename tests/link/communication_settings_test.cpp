#include "link/communication_settings.h"

#include <gtest/gtest.h>

namespace kx700 {
namespace {

TEST(CommunicationSettings, FormForTheRequestedSettings) {
  struct Case {
    int port, baud;
    int radio;
    std::string other;
    std::optional<int> baudIndex;
  };
  const Case cases[] = {
      {1, 9600, 0, "", 2}, {8, 38400, 7, "", 4},  {12, 2400, -1, "12", 0},
      {0, 9600, 0, "", 2}, {-4, 19200, 0, "", 3}, {99, 57600, -1, "99", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto form = InitialCommunicationForm(c.port, c.baud);
    EXPECT_EQ(form.radioIndex, c.radio) << c.port;
    EXPECT_EQ(form.otherPort, c.other) << c.port;
    EXPECT_EQ(form.baudIndex, c.baudIndex) << c.baud;
  }
}

TEST(CommunicationSettings, WhatOkStores) {
  struct Case {
    CommunicationForm form;
    int port, baud;
  };
  const Case cases[] = {
      {{3, "", 1}, 4, 4800},
      {{-1, "12", 4}, 12, 38400},
      {{-1, "150", 2}, 1, 9600}, // beyond 99
      {{-1, "0", 2}, 1, 9600},
      {{-1, "", 2}, 1, 9600},                // nothing typed
      {{-1, "99", std::nullopt}, 99, 57600}, // no rate chosen: the previous one stays
  };
  for (const auto& c : cases) {
    const auto choice = ChosenCommunication(c.form, 57600);
    EXPECT_EQ(choice.port, c.port) << c.form.otherPort;
    EXPECT_EQ(choice.baud, c.baud) << c.form.otherPort;
  }
}

} // namespace
} // namespace kx700
