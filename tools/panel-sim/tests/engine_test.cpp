#include "panelsim/engine.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Ask;
using test::AskBytes;
using test::Bytes;
using test::Drain;

// A panel with a little of everything, small enough to read in a test.
PanelState SmallPanel() {
  PanelState p;
  FillText(p.identification, "ID");
  p.panelNumber = 7;
  FillText(p.panelName, "Gent");
  p.firmwareMajor = 1;
  p.firmwareMinor = 2;
  p.minProgramMinor = 2;
  p.firmwareBuild = 200; // above 0xBF: travels lowered
  p.technicianCode = {'T', '4', '2'};
  p.language = 2;
  p.clock = {24, 12, 31, 23, 59, 58};
  p.Loop(1) = AnalogLoop{3, 0, true, false, kLoopAnswers};
  p.Loop(2) = AnalogLoop{4, 0, true, false, kLoopAnswers};
  p.Loop(3) = AnalogLoop{3, 0, false, false, kLoopAnswers};
  FillText(p.texts[2], "Zolder");
  p.records16[20] = {1, 1, 2};
  p.records32[19] = {1, 2};
  return p;
}

class EngineTest : public ::testing::Test {
protected:
  EngineTest() : e(SmallPanel()) {}
  Engine e;
};

Bytes Padded(std::string_view text, std::size_t width) {
  Bytes b(text.begin(), text.end());
  b.resize(width, 0);
  return b;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST_F(EngineTest, IdentificationAnswerBytes) {
  e.state().technicianMode = true;
  const Bytes expected{0xE0, 0x57, 0x00, 0x00, 0x31, 0x02, // header, flags: technician
                       0x49, 0x44, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // "ID"
                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x37,                                     // panel "07"
                       0x47, 0x65, 0x6E, 0x74, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, // "Gent"
                       0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30, 0x31, 0x2E, 0x30, 0x32, 0x20,             // "01.02 "
                       0x54, 0x34, 0x32,                                                                   // "T42"
                       0x02, 0x88, // min minor, build 200
                       0x02, 0xE1};
  EXPECT_EQ(AskBytes(e, req::kIdentify, {}, 0), expected);
}

TEST_F(EngineTest, IdentificationHidesTheTechnicianCodeOutsideTechnicianMode) {
  const auto answer = Ask(e, req::kIdentify, {}, 0);
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].frame.flags, 0);
  EXPECT_EQ(Bytes(answer[0].frame.payload.begin() + 48, answer[0].frame.payload.begin() + 51), Bytes(3, ' '));
}

TEST_F(EngineTest, AnalogAnswerBytes) {
  e.state().Loop(5) = AnalogLoop{31, 3, true, false, kLoopAnswers | kLoopInAlarm};
  const Bytes expected{0xE0, 0x57, 0x00, 0x00, 0x45, 0x00, 0x05, 0x30, 0x33, 0x31, 0x03, 0x01, 0x00, 0x03, 0x25, 0xE1};
  EXPECT_EQ(AskBytes(e, req::kAnalog, {5}, 0), expected);
}

TEST_F(EngineTest, AcknowledgementCarriesTheRequestCode) {
  const Bytes expected{0xE0, 0x57, 0x00, 0x00, 0x01, 0x00, 0x41, 0x16, 0xE1};
  EXPECT_EQ(AskBytes(e, req::kReset, {}, 0), expected);
}

TEST_F(EngineTest, AnswersQuestions) {
  e.state().sirensOut = true;
  struct Case {
    std::uint8_t code;
    Bytes payload;
    std::uint8_t answer;
    Bytes answerPayload;
  };
  const Case cases[] = {
      {req::kStatus, {}, 40, {1, 0}},
      {req::kText, {2}, 53, Join({{2}, Padded("Zolder", 18)})},
      {req::kText, {9}, 53, Join({{9}, Bytes(18, 0)})},
      {req::kGetClock, {}, 67, {24, 12, 31, 23, 59, 58}},
      {req::kGetLanguage, {}, 86, {2}},
      {req::kRecord16, {20}, 84, Join({{20, 1, 1, 2}, Bytes(13, 0)})},
      {req::kRecord16, {77}, 84, Join({{77}, Bytes(16, 0)})},
      {req::kRecord32, {19}, 89, Join({{19, 1, 2}, Bytes(30, 0)})},
      {req::kAnalog, {3}, 69, {3, '0', '0', '3', 0, 0, 0, kLoopAnswers}},
      {req::kAnalog, {16}, 69, {16, '9', '9', '9', 127, 1, 0, 0}}, // a loop that is not there
  };
  for (const auto& c : cases) {
    const auto answer = Ask(e, c.code, c.payload);
    ASSERT_EQ(answer.size(), 1u) << int(c.code);
    EXPECT_EQ(answer[0].verdict, FrameReceiver::Verdict::kGood);
    EXPECT_EQ(answer[0].frame.code, c.answer) << int(c.code);
    EXPECT_EQ(answer[0].frame.payload, c.answerPayload) << int(c.code);
  }
}

TEST_F(EngineTest, CommandsChangeThePanelAndAreAcknowledged) {
  struct Case {
    std::uint8_t code;
    Bytes payload;
    std::function<bool(const PanelState&)> done;
  };
  const Case cases[] = {
      {req::kSetClock,
       {25, 2, 3, 4, 5, 6},
       [](const PanelState& s) { return s.clock == std::array<std::uint8_t, 6>{25, 2, 3, 4, 5, 6}; }},
      {req::kSetLanguage, {3}, [](const PanelState& s) { return s.language == 3; }},
      {req::kTechnicianMode, {1}, [](const PanelState& s) { return s.technicianMode; }},
      {req::kControlTest,
       {'0', '0', '7', 1, 5, 2, 1},
       [](const PanelState& s) {
         return s.controlTests.size() == 1 &&
                s.controlTests[0] == std::array<std::uint8_t, 7>{'0', '0', '7', 1, 5, 2, 1};
       }},
      {req::kSilence, {}, [](const PanelState& s) { return s.silences == 1; }},
      {req::kReset, {}, [](const PanelState& s) { return s.resets == 1; }},
  };
  for (const auto& c : cases) {
    Engine fresh(SmallPanel());
    const auto answer = Ask(fresh, c.code, c.payload, 0);
    ASSERT_EQ(answer.size(), 1u) << int(c.code);
    EXPECT_EQ(answer[0].frame.code, kAckCode);
    EXPECT_EQ(answer[0].frame.payload, Bytes{c.code});
    EXPECT_TRUE(c.done(fresh.state())) << int(c.code);
  }
  Ask(e, req::kTechnicianMode, {1});
  Ask(e, req::kTechnicianMode, {0});
  EXPECT_FALSE(e.state().technicianMode);
}

TEST_F(EngineTest, RequestsShorterThanTheirLayoutGoUnanswered) {
  struct Case {
    std::uint8_t code;
    Bytes payload;
  };
  const Case cases[] = {
      {req::kText, {}},           {req::kSetClock, {1, 2, 3, 4, 5}},
      {req::kAnalog, {}},         {req::kAnalog, {0}},
      {req::kAnalog, {17}},       {req::kSwitch, {1, 0, 1, 2}},
      {req::kRecord16, {}},       {req::kControlTest, {'0', '0', '7', 1}},
      {req::kTechnicianMode, {}}, {req::kSetLanguage, {}},
      {req::kLoopAlarm, {}},
  };
  e.SetAcknowledgeSwitches(true);
  const auto before = e.state().clock;
  for (const auto& c : cases) EXPECT_TRUE(AskBytes(e, c.code, c.payload).empty()) << int(c.code);
  EXPECT_EQ(e.state().clock, before);
  EXPECT_TRUE(e.state().controlTests.empty());
  EXPECT_TRUE(e.state().Loop(2).inService);
}

TEST_F(EngineTest, SwitchesChangeLoopsAndOutputs) {
  struct Case {
    Bytes payload;
    std::function<bool(const PanelState&)> done;
  };
  const Case cases[] = {
      {{1, 0, 1, 2, 0}, [](const PanelState& s) { return !s.Loop(2).inService; }},
      {{1, 1, 1, 3, 0}, [](const PanelState& s) { return s.Loop(3).inService; }},
      {{0, 1, 1, 2, 0}, [](const PanelState& s) { return s.Loop(2).inTest; }},
      {{1, 0, 3, 0, 0}, [](const PanelState& s) { return s.sirensOut; }},
      {{1, 0, 4, 0, 0}, [](const PanelState& s) { return s.transmissionOut; }},
  };
  for (const auto& c : cases) {
    Engine fresh(SmallPanel());
    EXPECT_TRUE(AskBytes(fresh, req::kSwitch, c.payload).empty());
    EXPECT_TRUE(c.done(fresh.state()));
  }
  e.state().sirensOut = true;
  e.SetAcknowledgeSwitches(true);
  const auto answer = Ask(e, req::kSwitch, {1, 1, 3, 0, 0});
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].frame.payload, Bytes{req::kSwitch});
  EXPECT_FALSE(e.state().sirensOut);
}

TEST_F(EngineTest, LoopAlarmLastsUntilReset) {
  EXPECT_TRUE(AskBytes(e, req::kLoopAlarm, {1}).empty());
  EXPECT_TRUE(AskBytes(e, req::kLoopAlarm, {3}).empty()); // out of service: no alarm
  auto loop1 = Ask(e, req::kAnalog, {1});
  ASSERT_EQ(loop1.size(), 1u);
  EXPECT_EQ(loop1[0].frame.payload, (Bytes{1, '0', '1', '7', 3, 1, 0, kLoopAnswers | kLoopInAlarm}));
  EXPECT_EQ(e.state().Loop(3).flags, kLoopAnswers);

  Ask(e, req::kReset, {}, 0);
  loop1 = Ask(e, req::kAnalog, {1});
  ASSERT_EQ(loop1.size(), 1u);
  EXPECT_EQ(loop1[0].frame.payload, (Bytes{1, '0', '0', '3', 0, 1, 0, kLoopAnswers}));
}

TEST_F(EngineTest, LiveValuesWanderAroundTheValueSetForLoopsAtRest) {
  e.SetLiveValues(true);
  e.state().Loop(4) = AnalogLoop{31, 3, true, false, kLoopAnswers | kLoopInAlarm};
  const auto value = [&](std::uint8_t loop) {
    const auto answer = Ask(e, req::kAnalog, {loop});
    return answer.size() == 1 ? std::string(answer[0].frame.payload.begin() + 1, answer[0].frame.payload.begin() + 4)
                              : std::string("none");
  };
  std::vector<std::string> loop1, loop4, loop5;
  for (int i = 0; i < 5; ++i) {
    loop1.push_back(value(1));
    loop4.push_back(value(4));
    loop5.push_back(value(5));
  }
  EXPECT_EQ(loop1, (std::vector<std::string>{"003", "004", "003", "002", "003"}));
  EXPECT_EQ(loop4, std::vector<std::string>(5, "031")); // in alarm
  EXPECT_EQ(loop5, std::vector<std::string>(5, "999")); // not there
  EXPECT_EQ(e.state().Loop(1).value, 3);
}

TEST_F(EngineTest, AnswersItsOwnAddressAndTheWholePanel) {
  struct Case {
    std::uint8_t panel;
    std::uint8_t request;
    bool answered;
  };
  const Case cases[] = {{0, 0, true}, {0, 0x20, true}, {0, 5, false}, {5, 5, true}, {5, 0, false}, {5, 0x20, true}};
  for (const auto& c : cases) {
    Engine fresh(SmallPanel());
    fresh.SetPanelAddress(c.panel);
    EXPECT_EQ(Ask(fresh, req::kIdentify, {}, c.request).size(), c.answered ? 1u : 0u)
        << int(c.panel) << " asked at " << int(c.request);
    ASSERT_EQ(fresh.requests().size(), 1u);
    EXPECT_EQ(fresh.requests()[0].address, c.request);
  }
}

TEST_F(EngineTest, UnknownRequestsAreIgnoredUnlessAcknowledged) {
  EXPECT_TRUE(AskBytes(e, 120, {1, 2}).empty());
  ASSERT_EQ(e.requests().size(), 1u);
  EXPECT_EQ(e.requests()[0].code, 120);
  EXPECT_EQ(e.requests()[0].payload, (Bytes{1, 2}));

  e.SetUnknownRequests(UnknownRequests::kAcknowledge);
  const auto answer = Ask(e, 120);
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].frame.payload, Bytes{120});
}

TEST_F(EngineTest, HandlersCanBeAddedPerRequestCode) {
  e.SetHandler(33, [](Engine& panel, const Request&) {
    const Bytes count{'0', '0', '0', '3'};
    panel.Answer(34, count);
  });
  const auto answer = Ask(e, 33, {}, 0);
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].frame.code, 34);

  e.SetHandler(req::kStatus, nullptr);
  EXPECT_TRUE(AskBytes(e, req::kStatus).empty());
}

TEST_F(EngineTest, RepeatRequestRepeatsTheLastFrameExactly) {
  EXPECT_TRUE(AskBytes(e, req::kRepeat).empty()); // nothing sent yet
  const Bytes identification = AskBytes(e, req::kIdentify, {}, 0);
  EXPECT_EQ(AskBytes(e, req::kRepeat), identification);
  EXPECT_EQ(AskBytes(e, req::kRepeat), identification);
  const Bytes status = AskBytes(e, req::kStatus);
  EXPECT_EQ(AskBytes(e, req::kRepeat), status);
}

TEST_F(EngineTest, BadChecksumRequestAsksForARepeat) {
  Bytes bad = test::RequestBytes(req::kIdentify, {}, 0);
  bad[6] ^= 0x01;
  e.Receive(bad, 0);
  const auto answer = test::Frames(Drain(e));
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].frame.code, kRepeatCode);
  EXPECT_TRUE(answer[0].frame.payload.empty());
  EXPECT_EQ(e.badRequests(), 1u);
  EXPECT_TRUE(e.requests().empty());

  e.SetAskRepeatOnBadChecksum(false);
  e.Receive(bad, 0);
  EXPECT_TRUE(Drain(e).empty());
}

TEST_F(EngineTest, BytesArePacedTenBitsEachAfterTheAnswerDelay) {
  e.SetBaud(9600);
  e.SetAnswerDelayUs(2'000);
  const std::int64_t t0 = 1'000'000;
  e.Receive(test::RequestBytes(req::kReset, {}, 0), t0);
  e.Receive(test::RequestBytes(req::kSilence, {}, 0), t0); // queued behind the first answer

  std::vector<std::int64_t> due;
  Bytes out;
  EXPECT_EQ(e.TakeDue(t0 + 1'999, out), 0u);
  while (auto next = e.NextDueUs()) {
    due.push_back(*next);
    ASSERT_EQ(e.TakeDue(*next, out), 1u); // at 9600 baud no two bytes share a microsecond
  }
  ASSERT_EQ(due.size(), 18u);
  for (std::size_t i = 0; i < due.size(); ++i) {
    EXPECT_EQ(due[i], t0 + 2'000 + static_cast<std::int64_t>(i) * 10'000'000 / 9600) << i;
  }
  EXPECT_EQ(test::Frames(out).size(), 2u);
}

TEST_F(EngineTest, PacedReceptionCountsTheRequestsLineTime) {
  e.SetBaud(9600);
  e.SetAnswerDelayUs(2'000);
  e.SetPaceReception(true);
  const std::int64_t t0 = 1'000'000;
  const Bytes request = test::RequestBytes(req::kStatus);
  const std::int64_t lineUs = static_cast<std::int64_t>(request.size()) * 10'000'000 / 9600;
  e.Receive(request, t0);
  EXPECT_EQ(e.NextDueUs(), t0 + lineUs + 2'000);
  // A second request sent at the same moment queues behind the first on the line.
  e.Receive(request, t0);
  Bytes out;
  e.TakeDue(t0 + lineUs + 2'000, out);
  std::int64_t last = 0;
  while (auto next = e.NextDueUs()) {
    last = *next;
    e.TakeDue(*next, out);
  }
  EXPECT_GE(last, t0 + 2 * lineUs + 2'000);
}

TEST_F(EngineTest, WithoutPacingAnAnswerIsDueAllAtOnce) {
  e.SetBaud(0);
  e.SetAnswerDelayUs(500);
  e.Receive(test::RequestBytes(req::kStatus), 100);
  EXPECT_EQ(e.NextDueUs(), 600);
  Bytes out;
  EXPECT_EQ(e.TakeDue(600, out), 10u);
  EXPECT_FALSE(e.NextDueUs());
}

} // namespace
} // namespace panelsim
