#include "link/panel_frame.h"
#include "support/bytes.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fake_channel.h"

namespace kx700 {
namespace {

using test::Bytes;
using test::operator+;
using test::FakeChannel;
using test::FakeClock;

// A frame as the panel would send it, built here on its own: checksum over
// the frame with its slot as 0, masked to seven bits.
Bytes Answer(int code, Bytes payload, std::uint8_t flags = 0, std::uint8_t address = 0) {
  Bytes f = {0xE0, 'W', address, 0, static_cast<std::uint8_t>(code), flags};
  f.insert(f.end(), payload.begin(), payload.end());
  std::uint8_t sum = 0;
  for (std::uint8_t b : f) sum ^= b;
  sum ^= 0xE1;
  f.push_back(sum & 0x7F);
  f.push_back(0xE1);
  return f;
}

struct Link {
  FakeClock clock;
  FakeChannel channel{clock};
  CPanelFrame frame{channel, clock};
};

TEST(PanelFrame, RequestGoldenBytes) {
  struct Case {
    const char* name;
    std::function<bool(CPanelFrame&)> send;
    Bytes expected;
  };
  const Case cases[] = {
      {"status", [](CPanelFrame& f) { return f.SendStatusRequest(); }, {0xE0, 0x57, 0x20, 0, 0x27, 0, 0x51, 0xE1}},
      {"identify", [](CPanelFrame& f) { return f.SendIdentify(0); }, {0xE0, 0x57, 0, 0, 0x30, 0, 0x66, 0xE1}},
      {"text 5", [](CPanelFrame& f) { return f.SendTextRequest(5); }, {0xE0, 0x57, 0x20, 0, 0x34, 0, 0x05, 0x47, 0xE1}},
      {"language 0xD5 is lowered",
       [](CPanelFrame& f) { return f.SendSetLanguage(0xD5); },
       {0xE0, 0x57, 0x20, 0, 0x57, 0, 0x95, 0x34, 0xE1}},
      {"data block 0xD5 is not",
       [](CPanelFrame& f) { return f.SendDataBlock(0, Bytes{0xD5}); },
       {0xE0, 0x57, 0, 0, 0x23, 0, 0x01, 0xD5, 0x21, 0xE1}},
      {"control test 7",
       [](CPanelFrame& f) { return f.SendControlTest(7, 1, 2, 3, true); },
       {0xE0, 0x57, 0x20, 0, 0x5A, 0, '0', '0', '7', 1, 2, 3, 1, 0x1A, 0xE1}},
  };
  for (const auto& c : cases) {
    Link link;
    EXPECT_TRUE(c.send(link.frame)) << c.name;
    ASSERT_EQ(link.channel.writes.size(), 1u) << c.name;
    EXPECT_EQ(link.channel.writes[0], c.expected) << c.name;
  }
}

TEST(PanelFrame, EveryRequestHasItsCodeAddressAndPayload) {
  struct Case {
    const char* name;
    std::function<bool(CPanelFrame&)> send;
    int address, code;
    Bytes payload;
  };
  const std::array<std::uint8_t, 6> clock = {26, 12, 9, 10, 30, 0xC5};
  const Case cases[] = {
      {"ack", [](CPanelFrame& f) { return f.SendAck(3, 35); }, 3, 1, {35}},
      {"repeat", [](CPanelFrame& f) { return f.SendRepeatRequest(); }, 0x20, 2, {}},
      {"abort", [](CPanelFrame& f) { return f.SendAbort(0); }, 0, 3, {}},
      {"download start", [](CPanelFrame& f) { return f.SendDownloadStart(0); }, 0, 32, {}},
      {"upload start", [](CPanelFrame& f) { return f.SendUploadStart(0); }, 0, 33, {}},
      {"download end", [](CPanelFrame& f) { return f.SendDownloadEnd(0); }, 0, 36, {}},
      {"program module", [](CPanelFrame& f) { return f.SendProgramModule(0, 20, 3); }, 0, 37, {20, 3}},
      {"silence", [](CPanelFrame& f) { return f.SendSilence(0); }, 0, 64, {}},
      {"reset", [](CPanelFrame& f) { return f.SendReset(0); }, 0, 65, {}},
      {"get clock", [](CPanelFrame& f) { return f.SendGetDateTime(); }, 0x20, 66, {}},
      {"set clock", [&](CPanelFrame& f) { return f.SendSetDateTime(clock); }, 0x20, 67, {26, 12, 9, 10, 30, 0x85}},
      {"analog 16", [](CPanelFrame& f) { return f.SendAnalogRequest(0, 16); }, 0, 68, {16}},
      {"loop service", [](CPanelFrame& f) { return f.SendLoopSwitch(true, false, 7); }, 0x20, 74, {1, 0, 1, 7, 0}},
      {"loop test", [](CPanelFrame& f) { return f.SendLoopSwitch(false, true, 2); }, 0x20, 74, {0, 1, 1, 2, 0}},
      {"sirens", [](CPanelFrame& f) { return f.SendSirensSwitch(true); }, 0x20, 74, {1, 1, 3, 0, 0}},
      {"transmission", [](CPanelFrame& f) { return f.SendTransmissionSwitch(false); }, 0x20, 74, {1, 0, 4, 0, 0}},
      {"loop alarm", [](CPanelFrame& f) { return f.SendLoopAlarm(9); }, 0x20, 79, {9}},
      {"logbook next", [](CPanelFrame& f) { return f.SendLogbookRequest(true, 0); }, 0x20, 81, {1, 0}},
      {"record 16", [](CPanelFrame& f) { return f.SendRecord16Request(4); }, 0x20, 83, {4}},
      {"language", [](CPanelFrame& f) { return f.SendLanguageRequest(); }, 0x20, 85, {}},
      {"record 32", [](CPanelFrame& f) { return f.SendRecord32Request(1); }, 0x20, 88, {1}},
      {"technician on", [](CPanelFrame& f) { return f.SendTechnicianMode(0, true); }, 0, 91, {1}},
  };
  for (const auto& c : cases) {
    Link link;
    EXPECT_TRUE(c.send(link.frame)) << c.name;
    ASSERT_EQ(link.channel.writes.size(), 1u) << c.name;
    EXPECT_EQ(link.channel.writes[0], Answer(c.code, c.payload, 0, static_cast<std::uint8_t>(c.address))) << c.name;
  }
}

TEST(PanelFrame, DataBlockOfAHundredBytesIs109BytesAndOutOfRangeSendsNothing) {
  Link link;
  Bytes data(100);
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(0x60 + i); // up to 0xC3
  ASSERT_TRUE(link.frame.SendDataBlock(0, data));
  ASSERT_EQ(link.channel.writes.size(), 1u);
  const Bytes& sent = link.channel.writes[0];
  ASSERT_EQ(sent.size(), 109u);
  EXPECT_EQ(sent[6], 100);
  EXPECT_EQ(Bytes(sent.begin() + 7, sent.begin() + 107), data);

  EXPECT_FALSE(link.frame.SendDataBlock(0, Bytes{}));
  EXPECT_FALSE(link.frame.SendDataBlock(0, Bytes(101, 1)));
  EXPECT_FALSE(link.frame.SendAnalogRequest(0, 0));
  EXPECT_FALSE(link.frame.SendAnalogRequest(0, 17));
  EXPECT_FALSE(link.frame.SendControlTest(1000, 0, 0, 1, true));
  EXPECT_EQ(link.channel.writes.size(), 1u);
}

TEST(PanelFrame, ResendRepeatsTheLastRealRequestAndPendingInputIsDroppedBeforeSending) {
  Link link;
  link.frame.SendIdentify(0);
  link.frame.SendRepeatRequest();
  link.channel.Deliver(Answer(49, {})); // stale: must not count as the answer to the next request
  ASSERT_TRUE(link.frame.Resend());
  ASSERT_EQ(link.channel.writes.size(), 3u);
  EXPECT_EQ(link.channel.writes[2], link.channel.writes[0]);
  EXPECT_EQ(link.channel.Ring().Count(), 0u);

  link.channel.writeSucceeds = false;
  EXPECT_FALSE(link.frame.SendStatusRequest());
}

TEST(PanelFrame, ReceptionDropsNoiseAndTakesFramesWhole) {
  struct Case {
    const char* what;
    std::vector<Bytes> pieces; // delivered one after the other, polling after each
    std::vector<int> codes;    // what each poll gives
  };
  const Bytes ack = Answer(1, {33});
  Bytes noW = Answer(49, {});
  noW[1] = 'V';
  noW[noW.size() - 2] = Answer(49, {})[noW.size() - 2] ^ ('W' ^ 'V');
  Bytes shortFrame = {0xE0, 'W', 0x20, 1, 0}; // seven bytes with a valid checksum
  shortFrame.push_back(static_cast<std::uint8_t>((0xE0 ^ 'W' ^ 0x20 ^ 1 ^ 0 ^ 0xE1) & 0x7F));
  shortFrame.push_back(0xE1);
  const Bytes garbage = {0x12, 0x57, 0xE0, 0x00, 0x99};
  const Case cases[] = {
      {"garbage, start byte included, before a frame", {garbage + ack}, {1}},
      {"a frame split in two", {Bytes(ack.begin(), ack.begin() + 4), Bytes(ack.begin() + 4, ack.end())}, {0, 1}},
      {"two frames at once", {ack + Answer(40, {0, 1})}, {1, 40}},
      {"a frame without W", {noW, ack}, {0, 1}},
      {"a short frame", {shortFrame, ack}, {0, 1}},
      {"199 bytes without end byte, then a frame", {Bytes(199, 0x33) + ack}, {0, 1}},
      {"250 bytes of noise", {Bytes(250, 0x44), ack}, {0, 1}},
      {"a start byte and 300 bytes without end", {Bytes{0xE0} + Bytes(300, 0x44), ack}, {0, 1}},
      {"a start byte filling the ring", {Bytes{0xE0} + Bytes(RxRing::kSize - 1, 0x44), ack}, {0, 1}},
      {"noise beyond a frame's length before an end byte", {Bytes(205, 0x44) + Bytes{0xE1}, ack}, {0, 0, 1}},
  };
  for (const auto& c : cases) {
    Link link;
    std::vector<int> got;
    for (const auto& piece : c.pieces) {
      link.channel.Deliver(piece);
      got.push_back(link.frame.ReceiveAnswer());
    }
    // Each further poll takes the next frame, or drops the next piece of noise.
    while (got.size() < c.codes.size()) got.push_back(link.frame.ReceiveAnswer());
    EXPECT_EQ(got, c.codes) << c.what;
  }
}

TEST(PanelFrame, BadChecksumsAskForARepeatThreeTimesInARow) {
  Link link;
  Bytes bad = Answer(53, {1, 'x'});
  bad[bad.size() - 2] ^= 0x01;
  const Bytes repeat = Answer(2, {}, 0, 0x20);

  for (int i = 0; i < 4; ++i) {
    link.channel.Deliver(bad);
    EXPECT_EQ(link.frame.ReceiveAnswer(), 0);
  }
  ASSERT_EQ(link.channel.writes.size(), 3u);
  for (const auto& w : link.channel.writes) EXPECT_EQ(w, repeat);

  // A good frame resets the count.
  link.channel.Deliver(Answer(1, {1}));
  EXPECT_EQ(link.frame.ReceiveAnswer(), 1);
  link.channel.Deliver(bad);
  EXPECT_EQ(link.frame.ReceiveAnswer(), 0);
  EXPECT_EQ(link.channel.writes.size(), 4u);
}

TEST(PanelFrame, AnswerPayloadIsRaisedExceptInDataBlocks) {
  Link link;
  link.channel.Deliver(Answer(86, {0x95}));
  ASSERT_EQ(link.frame.ReceiveAnswer(), 86);
  EXPECT_EQ(ParseLanguage(link.frame.LastAnswer()), 0xD5);
  link.channel.Deliver(Answer(35, {2, 0x95, 0xAE}));
  ASSERT_EQ(link.frame.ReceiveAnswer(), 35);
  const auto data = ParseDataBlock(link.frame.LastAnswer());
  ASSERT_TRUE(data);
  EXPECT_EQ(Bytes(data->begin(), data->end()), (Bytes{0x95, 0xAE}));
}

TEST(PanelFrame, WaitAnswerBudgetsAndEarlyWake) {
  struct Case {
    int units;
    bool longWait;
    std::int64_t budgetMs;
  };
  const Case cases[] = {{10, true, 4000}, {30, true, 8000}, {20, true, 8000},
                        {5, false, 4},    {1, false, 0},    {-3, true, 0}};
  for (const auto& c : cases) {
    Link link;
    const std::int64_t start = link.clock.SteadyMs();
    EXPECT_EQ(link.frame.WaitAnswer(c.units, c.longWait, false), 0);
    EXPECT_EQ(link.clock.SteadyMs() - start, c.budgetMs) << c.units;
  }
  // An answer that comes after 120 ms ends the wait then.
  Link link;
  const std::int64_t start = link.clock.SteadyMs();
  link.channel.DeliverAt(start + 120, Answer(49, {}));
  EXPECT_EQ(link.frame.WaitAnswer(10, true, false), 49);
  EXPECT_EQ(link.clock.SteadyMs() - start, 120);
  // Flushing first drops what was there before.
  link.channel.Deliver(Answer(1, {0}));
  EXPECT_EQ(link.frame.WaitAnswer(2, false, true), 0);
}

} // namespace
} // namespace kx700
