#include <gtest/gtest.h>

#include "panelsim/engine.h"
#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Ask;
using test::AskBytes;
using test::Bytes;

constexpr std::uint8_t kFirst = 0, kNext = 1;

LogbookEntry Decode(const Bytes& p) {
  LogbookEntry e;
  std::copy_n(p.begin() + 1, 6, e.time.begin());
  const std::size_t l1 = p.at(7);
  e.event.assign(p.begin() + 8, p.begin() + 8 + static_cast<std::ptrdiff_t>(l1));
  const std::size_t l2 = p.at(8 + l1);
  e.info.assign(p.begin() + 9 + static_cast<std::ptrdiff_t>(l1), p.end());
  EXPECT_EQ(e.info.size(), l2);
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
  const Bytes expected{0xE0, 0x57, 0x00, 0x00, 0x52, 0x00,              // answer 82
                       0x00, 26,   1,    2,    3,    4,    5,           // unused, date and time
                       5,    'A',  'L',  'A',  'R',  'M',               // event
                       5,    'L',  'u',  's',  ' ',  '3',  0x00, 0xE1}; // info
  Bytes line = AskBytes(e, req::kLogbook, {kFirst, 0});
  ASSERT_EQ(line.size(), expected.size());
  EXPECT_TRUE(ChecksumOk(line));
  line[line.size() - 2] = 0;
  EXPECT_EQ(line, expected);
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
