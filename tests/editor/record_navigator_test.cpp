// Walking a record list as the record pages do, on records that are only a
// number and a tag to tell equal numbers apart.
#include "editor/record_navigator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <string>
#include <vector>

namespace kx700 {
namespace {

struct Item {
  int number = 0;
  char tag = ' ';
};

// A navigator over 1..16 with fast steps of five that stop on multiples of five.
struct Walk {
  std::list<Item> list;
  RecordNavigator<Item> nav{list, {16, 5, 5}, [](const Item& item) { return item.number; }};

  explicit Walk(const std::vector<int>& numbers, int currentIndex = 0) {
    for (int n : numbers) list.push_back({n, ' '});
    At(currentIndex);
  }
  explicit Walk(const std::vector<Item>& items, int currentIndex = 0) : list(items.begin(), items.end()) {
    At(currentIndex);
  }
  void At(int index) { nav.SetCurrent(std::next(list.begin(), std::min<int>(index, static_cast<int>(list.size())))); }
  int Current() const { return nav.HasCurrent() ? nav.current()->number : -1; }
  std::vector<int> Numbers() const {
    std::vector<int> out;
    for (const Item& item : list) out.push_back(item.number);
    return out;
  }
  std::string Tags() const {
    std::string out;
    for (const Item& item : list) out += item.tag;
    return out;
  }
};

std::vector<int> Range(int first, int last) {
  std::vector<int> out;
  for (int n = first; n <= last; ++n) out.push_back(n);
  return out;
}

TEST(RecordNavigator, FindFreeNumberLooksAboveThenBelowWithinTheLimit) {
  struct Case {
    std::vector<int> numbers;
    int current;  // index
    int expected; // 0: none free, any number below 1
  };
  const std::vector<Case> cases = {
      {{1, 2, 3}, 1, 4},    {{1, 2, 4}, 0, 3},     {{2, 3}, 0, 4}, {Range(1, 16), 15, 0},
      {Range(1, 16), 3, 0}, {{14, 15, 16}, 2, 13}, {{16}, 0, 15},  {{5, 5, 6}, 0, 7}, // steps past the equal number
      {{5, 5, 6}, 1, 7},    {{1, 2, 20}, 2, 16}, // a current number above the limit
      {{3, 16, 20}, 2, 15}, {{0, 1}, 0, 2},        {{}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.numbers) + " at " + std::to_string(c.current));
    Walk w(c.numbers, c.current);
    const int found = w.nav.FindFreeNumber();
    if (c.expected == 0) {
      EXPECT_LT(found, 1);
    } else {
      EXPECT_EQ(found, c.expected);
    }
    EXPECT_LE(found, 16);
  }
}

TEST(RecordNavigator, StepsStopAtTheEndsAndFastStepsAtMultiplesOfFive) {
  using Step = void (RecordNavigator<Item>::*)();
  const Step next = &RecordNavigator<Item>::Next, previous = &RecordNavigator<Item>::Previous;
  const Step nextFast = &RecordNavigator<Item>::NextFast, previousFast = &RecordNavigator<Item>::PreviousFast;
  const std::vector<int> gaps = {1, 2, 3, 7, 8, 9, 12};
  struct Case {
    std::vector<int> numbers;
    int from; // number
    Step step;
    const char* name;
    int to;
  };
  const std::vector<Case> cases = {
      {Range(1, 12), 3, nextFast, ">>", 5},
      {Range(1, 12), 5, nextFast, ">>", 10},
      {Range(1, 12), 6, nextFast, ">>", 10},
      {Range(1, 12), 11, nextFast, ">>", 12},
      {Range(1, 12), 12, nextFast, ">>", 12},
      {Range(1, 12), 12, previousFast, "<<", 10},
      {Range(1, 12), 9, previousFast, "<<", 5},
      {Range(1, 12), 4, previousFast, "<<", 1},
      {gaps, 1, nextFast, ">>", 9}, // five steps, no multiple of five on the way
      {gaps, 3, nextFast, ">>", 12},
      {gaps, 12, previousFast, "<<", 2},
      {{1, 10, 11}, 1, nextFast, ">>", 10},
      {Range(1, 3), 3, next, ">", 3},
      {Range(1, 3), 2, next, ">", 3},
      {Range(1, 3), 1, previous, "<", 1},
      {Range(1, 3), 2, previous, "<", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.numbers) + " " + c.name + " from " + std::to_string(c.from));
    const auto from = std::find(c.numbers.begin(), c.numbers.end(), c.from);
    ASSERT_NE(from, c.numbers.end());
    Walk w(c.numbers, static_cast<int>(from - c.numbers.begin()));
    (w.nav.*c.step)();
    EXPECT_EQ(w.Current(), c.to);
  }
  // Without a current record nothing moves.
  Walk empty(std::vector<int>{});
  empty.nav.NextFast();
  empty.nav.Previous();
  EXPECT_FALSE(empty.nav.HasCurrent());
}

TEST(RecordNavigator, SortIsStableAndKeepsTheCurrentRecord) {
  Walk w({{3, 'a'}, {1, 'b'}, {3, 'c'}, {2, 'd'}, {1, 'e'}}, 2);
  w.nav.Sort();
  EXPECT_EQ(w.Tags(), "bedac");
  EXPECT_EQ(w.nav.current()->tag, 'c');
  EXPECT_EQ(w.nav.Position(), 5);
}

TEST(RecordNavigator, GoToFindsTheFirstOfEqualNumbersInTheSortedList) {
  Walk w({{5, 'a'}, {3, 'b'}, {5, 'c'}}, 1);
  EXPECT_TRUE(w.nav.GoTo(5));
  EXPECT_EQ(w.Tags(), "bac");
  EXPECT_EQ(w.nav.current()->tag, 'a');
  EXPECT_FALSE(w.nav.GoTo(4));
  EXPECT_EQ(w.nav.current()->tag, 'a');
}

TEST(RecordNavigator, InsertGoesAfterTheCurrentRecordAndBecomesCurrent) {
  Walk w(std::vector<int>{});
  w.nav.Insert({4, ' '});
  EXPECT_EQ(w.Current(), 4);
  w.nav.Insert({7, ' '});
  w.At(0);
  w.nav.Insert({9, ' '});
  EXPECT_EQ(w.Numbers(), (std::vector<int>{4, 9, 7})); // not sorted until the next move
  EXPECT_EQ(w.Current(), 9);
  EXPECT_EQ(w.nav.Position(), 2);
}

TEST(RecordNavigator, DeleteMakesThePreviousCurrentOrTheNewFirst) {
  struct Case {
    std::vector<int> numbers;
    int current; // index
    int then;    // current number afterwards, -1 for none
  };
  const std::vector<Case> cases = {
      {{1, 2, 3}, 0, 2},
      {{1, 2, 3}, 1, 1},
      {{1, 2, 3}, 2, 2},
      {{1}, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    Walk w(c.numbers, c.current);
    w.nav.Delete();
    EXPECT_EQ(w.list.size(), c.numbers.size() - 1);
    EXPECT_EQ(w.Current(), c.then);
  }
  Walk none(std::vector<int>{});
  none.nav.Delete();
  EXPECT_FALSE(none.nav.HasCurrent());
  EXPECT_EQ(none.nav.Position(), 0);
}

TEST(RecordNavigator, CheckDuplicatesShowsTheSecondOfTheFirstEqualPair) {
  Walk w({{7, 'a'}, {5, 'b'}, {7, 'c'}, {5, 'd'}, {6, 'e'}}, 4);
  EXPECT_FALSE(w.nav.CheckDuplicates());
  EXPECT_EQ(w.Tags(), "bdeac");
  EXPECT_EQ(w.nav.current()->tag, 'd');

  Walk distinct({{3, 'a'}, {1, 'b'}, {2, 'c'}}, 0);
  EXPECT_TRUE(distinct.nav.CheckDuplicates());
  EXPECT_EQ(distinct.Tags(), "bca");
  EXPECT_EQ(distinct.nav.current()->tag, 'a');
}

} // namespace
} // namespace kx700
