#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "panelsim/engine.h"
#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Ask;
using test::AskBytes;
using test::Bytes;

constexpr std::uint8_t kFirst = 0, kNext = 1;

// An entry answer's payload: the texts behind their length bytes, then NUL
// padding up to the fixed size.
LogbookEntry Decode(const Bytes& p) {
  EXPECT_EQ(p.size(), kLogbookEntrySize);
  LogbookEntry e;
  std::copy_n(p.begin() + 1, 6, e.time.begin());
  const std::size_t l1 = p.at(7);
  e.event.assign(p.begin() + 8, p.begin() + 8 + static_cast<std::ptrdiff_t>(l1));
  const std::size_t l2 = p.at(8 + l1);
  const auto info = p.begin() + 9 + static_cast<std::ptrdiff_t>(l1);
  e.info.assign(info, info + static_cast<std::ptrdiff_t>(l2));
  EXPECT_TRUE(std::all_of(info + static_cast<std::ptrdiff_t>(l2), p.end(), [](std::uint8_t b) { return b == 0; }));
  return e;
}

// Reads the logbook the way the program does: first, then next until answer 4.
struct Reading {
  std::vector<LogbookEntry> entries;
  bool ended = false;
};

Reading Read(Engine& e) {
  Reading r;
  for (int i = 0; i < 1000; ++i) {
    const auto answer = Ask(e, req::kLogbook, {i == 0 ? kFirst : kNext, 0});
    if (answer.size() != 1) break;
    if (answer[0].frame.code == answer::kNoMoreEntries) {
      r.ended = answer[0].frame.payload.empty();
      break;
    }
    if (answer[0].frame.code != answer::kLogbookEntry) break;
    r.entries.push_back(Decode(answer[0].frame.payload));
  }
  return r;
}

PanelState WithLogbook(std::vector<LogbookEntry> entries) {
  PanelState s;
  s.logbook = std::move(entries);
  return s;
}

TEST(LogbookTest, EveryEntryThenTheEnd) {
  for (const std::size_t count : {0u, 2u, 250u, 500u}) {
    Engine e(WithLogbook(MakeLogbook(count)));
    const auto r = Read(e);
    EXPECT_TRUE(r.ended) << count;
    EXPECT_EQ(r.entries, MakeLogbook(count)) << count;
  }
  // The panel keeps no more than its capacity.
  auto many = MakeLogbook(kLogbookCapacity);
  many.push_back(many.back());
  Engine e(WithLogbook(many));
  EXPECT_EQ(Read(e).entries.size(), kLogbookCapacity);
}

TEST(LogbookTest, EntryBytes) {
  Engine e(WithLogbook({{{26, 1, 2, 3, 4, 5}, "ALARM", "Lus 3"}}));
  Bytes expected{0xE0, 0x57, 0x00, 0x00, 0x52, 0x00,    // answer 82
                 0x00, 26,   1,    2,    3,    4,    5, // unused, date and time
                 5,    'A',  'L',  'A',  'R',  'M',     // event
                 5,    'L',  'u',  's',  ' ',  '3'};    // info
  expected.resize(62 - 2, 0x00);                        // NUL-padded to the fixed size
  expected.insert(expected.end(), {0x00, 0xE1});
  Bytes line = AskBytes(e, req::kLogbook, {kFirst, 0});
  ASSERT_EQ(line.size(), expected.size());
  EXPECT_TRUE(ChecksumOk(line));
  line[line.size() - 2] = 0;
  EXPECT_EQ(line, expected);
}

TEST(LogbookTest, EveryEntryFrameHasTheFixedSize) {
  struct Case {
    const char* what;
    std::string event, info;
    std::string eventSent, infoSent; // what the frame holds of each text
    std::uint8_t infoLength;         // the info text's length byte
  };
  const std::string e21(21, 'E'), i24(24, 'I'), e40(40, 'E');
  const Case cases[] = {
      {"no texts", "", "", "", "", 0},
      {"short texts", "RESET", "Centrale", "RESET", "Centrale", 8},
      {"both texts at the panel's widths", e21, i24, e21, i24, 24},
      // Longer than a real panel keeps: cut with the entry, the length byte as stored.
      {"an event text that leaves little room", e40, i24, e40, "IIIII", 24},
  };
  for (const auto& c : cases) {
    Engine e(WithLogbook({{{26, 1, 2, 3, 4, 5}, c.event, c.info}}));
    const Bytes line = AskBytes(e, req::kLogbook, {kFirst, 0});
    ASSERT_EQ(line.size(), 62u) << c.what;
    const auto frames = test::Frames(line);
    ASSERT_EQ(frames.size(), 1u) << c.what;
    ASSERT_EQ(frames[0].verdict, FrameReceiver::Verdict::kGood) << c.what;
    const Bytes& p = frames[0].frame.payload;
    const std::size_t l1 = p.at(7);
    EXPECT_EQ(std::string(p.begin() + 8, p.begin() + 8 + static_cast<std::ptrdiff_t>(l1)), c.eventSent) << c.what;
    EXPECT_EQ(p.at(8 + l1), c.infoLength) << c.what;
    // The info text as far as the frame holds it, up to its length byte.
    const std::size_t infoEnd = std::min(p.size(), 9 + l1 + p.at(8 + l1));
    EXPECT_EQ(
        std::string(p.begin() + 9 + static_cast<std::ptrdiff_t>(l1), p.begin() + static_cast<std::ptrdiff_t>(infoEnd)),
        c.infoSent)
        << c.what;
  }
  // The end of the logbook is not an entry: no payload.
  Engine empty(WithLogbook({}));
  EXPECT_EQ(AskBytes(empty, req::kLogbook, {kFirst, 0}).size(), 8u);
}

TEST(LogbookTest, FirstStartsAgainAndRepeatDoesNotMoveOn) {
  const auto entries = MakeLogbook(3);
  Engine e(WithLogbook(entries));
  Ask(e, req::kLogbook, {kFirst, 0});
  const Bytes second = AskBytes(e, req::kLogbook, {kNext, 0});
  EXPECT_EQ(AskBytes(e, req::kRepeat), second);
  EXPECT_EQ(Decode(Ask(e, req::kLogbook, {kNext, 0})[0].frame.payload), entries[2]);
  EXPECT_EQ(Ask(e, req::kLogbook, {kNext, 0})[0].frame.code, answer::kNoMoreEntries);
  EXPECT_EQ(Ask(e, req::kLogbook, {kNext, 0})[0].frame.code, answer::kNoMoreEntries);
  EXPECT_EQ(Decode(Ask(e, req::kLogbook, {kFirst, 7})[0].frame.payload), entries[0]);

  // An entry replaced by "please repeat" is sent on the next request.
  e.faults().Add(AnswersTo(Fault::kAskRepeat, req::kLogbook, 1));
  EXPECT_EQ(Ask(e, req::kLogbook, {kNext, 0})[0].frame.code, kRepeatCode);
  EXPECT_EQ(Decode(Ask(e, req::kLogbook, {kNext, 0})[0].frame.payload), entries[1]);
}

TEST(LogbookTest, MalformedRequestsGoUnanswered) {
  Engine e(WithLogbook(MakeLogbook(2)));
  for (const Bytes& payload : {Bytes{}, Bytes{kFirst}, Bytes{2, 0}}) {
    EXPECT_TRUE(AskBytes(e, req::kLogbook, payload).empty()) << payload.size();
  }
}

TEST(LogbookTest, MadeEntriesRunBackInTimeOnValidDates) {
  const auto entries = MakeLogbook(kLogbookCapacity + 10, {24, 3, 1, 0, 1, 0}); // across February of a leap year
  ASSERT_EQ(entries.size(), kLogbookCapacity);
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto& t = entries[i].time;
    ASSERT_TRUE(t[1] >= 1 && t[1] <= 12) << i;
    const int days = t[1] == 2 ? (t[0] % 4 == 0 ? 29 : 28) : kDays[t[1] - 1];
    EXPECT_TRUE(t[2] >= 1 && t[2] <= days && t[3] < 24 && t[4] < 60 && t[5] < 60) << i;
    EXPECT_LE(entries[i].event.size(), 21u);
    EXPECT_LE(entries[i].info.size(), 24u);
    if (i > 0) {
      EXPECT_LT(t, entries[i - 1].time) << i;
    }
  }
  EXPECT_EQ(entries[0].time, (std::array<std::uint8_t, 6>{24, 3, 1, 0, 1, 0}));
  EXPECT_EQ(entries[1].time[1], 2); // the day before the 1st of March 2024
  EXPECT_EQ(entries[1].time[2], 29);
}

} // namespace
} // namespace panelsim
