#include "panelsim/fault_plan.h"

#include <gtest/gtest.h>

#include "panelsim/engine.h"
#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Ask;
using test::AskBytes;
using test::Bytes;
using test::Drain;

class FaultTest : public ::testing::Test {
protected:
  FaultTest() {
    e.SetBaud(0);
    clean = AskBytes(e, req::kIdentify, {}, 0);
  }
  Engine e;
  Bytes clean; // the identification answer as it is without faults
};

TEST_F(FaultTest, RulesPickTheirAnswers) {
  struct Case {
    const char* name;
    FaultRule rule;
    std::vector<std::uint8_t> requests;
    std::vector<int> dropped;
  };
  const std::vector<std::uint8_t> five(5, req::kStatus);
  const std::vector<std::uint8_t> seven(7, req::kStatus);
  const std::vector<std::uint8_t> mixed{req::kIdentify, req::kStatus, req::kIdentify, req::kStatus, req::kStatus};
  const Case cases[] = {
      {"next 2", NextAnswers(Fault::kDrop, 2), five, {0, 1}},
      {"answers to 39", AnswersTo(Fault::kDrop, req::kStatus), mixed, {1, 3, 4}},
      {"first answer to 39", AnswersTo(Fault::kDrop, req::kStatus, 1), mixed, {1}},
      {"frames of code 49", AnswersWithCode(Fault::kDrop, 49), mixed, {0, 2}},
      {"every 3rd", EveryKthAnswer(Fault::kDrop, 3), seven, {2, 5}},
      {"every 2nd, once", EveryKthAnswer(Fault::kDrop, 2, 1), seven, {1}},
  };
  for (const auto& c : cases) {
    Engine fresh;
    fresh.faults().Add(c.rule);
    std::vector<int> dropped;
    for (std::size_t i = 0; i < c.requests.size(); ++i) {
      if (AskBytes(fresh, c.requests[i], {}, 0).empty()) dropped.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(dropped, c.dropped) << c.name;
  }
}

TEST_F(FaultTest, LineFaultsLeaveTheFrameToRepeatIntact) {
  struct Case {
    Fault fault;
    bool takenAsGood; // whether a receiver still takes an identification answer from the line
  };
  const Case cases[] = {{Fault::kBadChecksum, false},
                        {Fault::kDrop, false},
                        {Fault::kNoMark, false},
                        {Fault::kShortFrame, true},
                        {Fault::kStrayBytes, true}};
  for (const auto& c : cases) {
    e.faults().Add(NextAnswers(c.fault));
    const auto line = AskBytes(e, req::kIdentify, {}, 0);
    EXPECT_NE(line, clean) << int(c.fault);
    bool good = false;
    for (const auto& f : test::Frames(line)) good |= f.verdict == FrameReceiver::Verdict::kGood && f.frame.code == 49;
    EXPECT_EQ(good, c.takenAsGood) << int(c.fault);
    EXPECT_EQ(AskBytes(e, req::kRepeat), clean) << int(c.fault);
  }
}

TEST_F(FaultTest, BadChecksumFailsOnlyTheChecksum) {
  e.faults().Add(NextAnswers(Fault::kBadChecksum));
  const auto line = AskBytes(e, req::kIdentify, {}, 0);
  ASSERT_EQ(line.size(), clean.size());
  EXPECT_FALSE(ChecksumOk(line));
  EXPECT_EQ(Bytes(line.begin(), line.end() - 2), Bytes(clean.begin(), clean.end() - 2));
}

TEST_F(FaultTest, FrameWithoutMarkIsOtherwiseWellFormed) {
  e.faults().Add(NextAnswers(Fault::kNoMark));
  const auto line = AskBytes(e, req::kIdentify, {}, 0);
  ASSERT_EQ(line.size(), clean.size());
  EXPECT_NE(line[1], kFrameMark);
  EXPECT_TRUE(ChecksumOk(line));
  EXPECT_TRUE(test::Frames(line).empty());
}

TEST_F(FaultTest, ShortFrameHasAGoodChecksumAndTooFewPayloadBytes) {
  e.faults().Add(AnswersTo(Fault::kShortFrame, req::kIdentify, 1));
  auto answer = Ask(e, req::kIdentify, {}, 0);
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].verdict, FrameReceiver::Verdict::kGood);
  EXPECT_EQ(answer[0].frame.payload.size(), 52u);

  FaultRule rule = NextAnswers(Fault::kShortFrame);
  rule.shortBy = 10;
  e.faults().Add(rule);
  answer = Ask(e, req::kReset, {}, 0); // an acknowledgement has one byte to lose
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_EQ(answer[0].frame.code, kAckCode);
  EXPECT_TRUE(answer[0].frame.payload.empty());
}

TEST_F(FaultTest, StrayBytesComeFirst) {
  FaultRule rule = NextAnswers(Fault::kStrayBytes);
  rule.stray = {0x11, 0x22};
  e.faults().Add(rule);
  Bytes expected{0x11, 0x22};
  expected.insert(expected.end(), clean.begin(), clean.end());
  EXPECT_EQ(AskBytes(e, req::kIdentify, {}, 0), expected);
}

TEST_F(FaultTest, DuplicateSendsTheAnswerTwice) {
  e.faults().Add(NextAnswers(Fault::kDuplicate));
  Bytes expected = clean;
  expected.insert(expected.end(), clean.begin(), clean.end());
  EXPECT_EQ(AskBytes(e, req::kIdentify, {}, 0), expected);
}

TEST_F(FaultTest, DelayedAnswerComesLater) {
  FaultRule rule = NextAnswers(Fault::kDelay);
  rule.delayUs = 300'000;
  e.faults().Add(rule);
  e.SetAnswerDelayUs(2'000);
  e.Receive(test::RequestBytes(req::kIdentify, {}, 0), 10'000);
  EXPECT_EQ(e.NextDueUs(), 10'000 + 2'000 + 300'000);
  EXPECT_EQ(Drain(e), clean);
}

TEST_F(FaultTest, AskRepeatAnswersCodeTwoInstead) {
  e.faults().Add(NextAnswers(Fault::kAskRepeat, 2));
  for (int i = 0; i < 2; ++i) {
    const auto answer = Ask(e, req::kIdentify, {}, 0);
    ASSERT_EQ(answer.size(), 1u);
    EXPECT_EQ(answer[0].frame.code, kRepeatCode);
  }
  EXPECT_EQ(AskBytes(e, req::kIdentify, {}, 0), clean);
}

TEST_F(FaultTest, HangUpEndsAllAnswersAfterWhatIsQueued) {
  e.SetBaud(9600);
  e.Receive(test::RequestBytes(req::kStatus), 0);
  e.faults().Add(AnswersTo(Fault::kHangUp, req::kIdentify));
  e.Receive(test::RequestBytes(req::kIdentify, {}, 0), 0);
  EXPECT_FALSE(e.HungUp()); // the status answer still has to go out

  const auto line = Drain(e);
  ASSERT_EQ(test::Frames(line).size(), 1u);
  EXPECT_EQ(test::Frames(line)[0].frame.code, 40);
  EXPECT_TRUE(e.HungUp());

  e.Receive(test::RequestBytes(req::kStatus), 0);
  EXPECT_TRUE(Drain(e).empty());
  EXPECT_EQ(e.requests().size(), 3u); // the one after the hang-up never arrived
}

} // namespace
} // namespace panelsim
