#include "model/configuration.h"

#include <gtest/gtest.h>

#include "model/model_fixtures.h"

namespace kx700 {
namespace {

using test::MakeControl;
using test::MakeLoop;

TEST(Configuration, CentralRecordAloneHoldsNoData) {
  Configuration c;
  c.central.SetText(CentralRecord::kPanelName, CentralRecord::kPanelNameWidth, "Centrale");
  EXPECT_FALSE(c.HoldsData());
  c.loops.push_back(MakeLoop(1, "Lus 1"));
  EXPECT_TRUE(c.HoldsData());
  c.ClearParameters();
  EXPECT_FALSE(c.HoldsData());
  EXPECT_EQ(c, Configuration{});
}

TEST(Configuration, StoreBlockByType) {
  Configuration c;
  const LoopRecord loop = MakeLoop(3, "Gang");
  const ControlRecord control = MakeControl(2, "Sirenes", 1);
  const auto relay = test::MakeRelayText(1, 1, 2, "Deur");
  CentralRecord central;
  central.SetByte(CentralRecord::kRelayCards, 4);
  NotesBlock notes;
  notes.SetText(NotesBlock::kNotes, NotesBlock::kNotesWidth, "nota");

  EXPECT_TRUE(c.StoreBlock(BlockType::Loop, loop.bytes));
  EXPECT_TRUE(c.StoreBlock(BlockType::Loop, loop.bytes));
  EXPECT_TRUE(c.StoreBlock(BlockType::Control, control.bytes));
  EXPECT_TRUE(c.StoreBlock(BlockType::RelayText, relay.bytes));
  EXPECT_TRUE(c.StoreBlock(BlockType::Central, central.bytes));
  EXPECT_TRUE(c.StoreBlock(BlockType::Notes, notes.bytes));
  EXPECT_EQ(c.loops.size(), 2u);
  EXPECT_EQ(c.loops.back(), loop);
  EXPECT_EQ(c.controls.front(), control);
  EXPECT_EQ(c.relayTexts.front(), relay);
  EXPECT_EQ(c.central, central);
  EXPECT_EQ(c.fixedBlocks.notes, notes);

  const Configuration before = c;
  for (int type : {4, 11, 12, -1}) EXPECT_FALSE(c.StoreBlock(static_cast<BlockType>(type), loop.bytes)) << type;
  // A record of the wrong size is never stored.
  EXPECT_FALSE(c.StoreBlock(BlockType::Loop, control.bytes));
  EXPECT_FALSE(c.StoreBlock(BlockType::Customer, notes.bytes));
  EXPECT_EQ(c, before);
}

TEST(Configuration, HasControlAndFindControl) {
  Configuration c;
  c.controls.push_back(MakeControl(4, "Eerste", 2));
  c.controls.push_back(MakeControl(4, "Tweede", 3)); // duplicate number: only the first counts
  c.controls.push_back(MakeControl(1, "Algemeen", 1));

  struct Case {
    int number;
    int type;
    bool expected;
  };
  const Case cases[] = {
      {0, 0, true}, {0, 1, false}, {0, 2, true}, {0, 3, true},  {-5, 1, false}, {-5, 2, true},
      {1, 1, true}, {1, 0, false}, {4, 2, true}, {4, 3, false}, {7, 0, false},
  };
  for (const auto& t : cases) EXPECT_EQ(c.HasControl(t.number, t.type), t.expected) << t.number << "/" << t.type;

  ASSERT_NE(c.FindControl(4), nullptr);
  EXPECT_EQ(c.FindControl(4)->Name(), "Eerste");
  EXPECT_EQ(c.FindControl(9), nullptr);
}

TEST(Configuration, LoopExists) {
  Configuration c;
  EXPECT_TRUE(c.LoopExists(0));
  EXPECT_FALSE(c.LoopExists(5));
  c.loops.push_back(MakeLoop(5, "Vijf"));
  EXPECT_TRUE(c.LoopExists(5));
  EXPECT_FALSE(c.LoopExists(-1));
}

TEST(Configuration, ListOperationsKeepNodeIdentity) {
  Configuration c;
  for (int n : {3, 1, 2}) c.loops.push_back(MakeLoop(n, "Lus"));
  const LoopRecord* three = &c.loops.front();

  auto first = InsertAfter(c.loops, c.loops.begin(), MakeLoop(1, "Dubbel")); // after 3
  EXPECT_EQ(first->Name(), "Dubbel");
  SortByNumber(c.loops);
  std::vector<std::pair<int, std::string>> order;
  for (const auto& l : c.loops) order.emplace_back(l.Number(), l.Name());
  // Stable: the inserted 1 was before the original 1 in list order.
  EXPECT_EQ(order, (std::vector<std::pair<int, std::string>>{{1, "Dubbel"}, {1, "Lus"}, {2, "Lus"}, {3, "Lus"}}));
  EXPECT_EQ(three, &c.loops.back()); // the node moved, the record stayed

  // Insert at the front when there is no node to insert after.
  InsertAfter(c.loops, c.loops.end(), MakeLoop(0, "Voor"));
  EXPECT_EQ(c.loops.front().Name(), "Voor");
}

} // namespace
} // namespace kx700
