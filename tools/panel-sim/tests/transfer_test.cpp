#include <gtest/gtest.h>

#include <string>

#include "panelsim/engine.h"
#include "panelsim/parameter_image.h"
#include "sim_helpers.h"

namespace panelsim {
namespace {

using test::Ask;
using test::AskBytes;
using test::Bytes;
using test::Drain;

using Frames = std::vector<FrameReceiver::Result>;

// Plays the program's side of an upload the way a careful program does: a
// bad frame is answered with a repeat request, answer 2 with the last request
// again, silence ends the run.
struct UploadRun {
  std::string announced;
  Bytes data;                         // the data bytes of every block, joined
  std::vector<std::size_t> lengths;   // each block's length byte
  std::vector<std::size_t> dataSizes; // each block's data bytes as received
  int repeatRequests = 0;
  int resends = 0;
  bool ended = false;
};

UploadRun Upload(Engine& e) {
  UploadRun run;
  Bytes last = test::RequestBytes(req::kUploadStart, {}, 0);
  const auto send = [&](Bytes request) {
    last = std::move(request);
    e.Receive(last, 0);
    return test::Frames(Drain(e));
  };
  Frames answers = send(last);
  for (int guard = 0; guard < 10'000 && answers.size() == 1; ++guard) {
    const auto& f = answers[0];
    if (f.verdict != FrameReceiver::Verdict::kGood) {
      ++run.repeatRequests;
      e.Receive(test::RequestBytes(req::kRepeat), 0);
      answers = test::Frames(Drain(e));
      continue;
    }
    const auto& p = f.frame.payload;
    switch (f.frame.code) {
      case kRepeatCode:
        ++run.resends;
        answers = send(last);
        continue;
      case answer::kUploadStart:
        run.announced.assign(p.begin(), p.end());
        answers = send(test::RequestBytes(req::kAck, {answer::kUploadStart}, 0));
        continue;
      case answer::kDataBlock:
        run.lengths.push_back(p.empty() ? 0 : p[0]);
        run.dataSizes.push_back(p.empty() ? 0 : p.size() - 1);
        if (!p.empty()) run.data.insert(run.data.end(), p.begin() + 1, p.end());
        answers = send(test::RequestBytes(req::kAck, {answer::kDataBlock}, 0));
        continue;
      case answer::kUploadEnd: run.ended = true; return run;
      default: return run;
    }
  }
  return run;
}

// Plays the program's side of a download; stops when an answer is missing.
struct DownloadRun {
  int blocksAcknowledged = 0;
  int resends = 0;
  bool complete = false; // every block acknowledged and the end sent
};

DownloadRun Download(Engine& e, const Bytes& image, std::size_t blockSize) {
  DownloadRun run;
  const auto start = Ask(e, req::kDownloadStart, {}, 0);
  if (start.size() != 1 || start[0].frame.code != kAckCode) return run;
  for (std::size_t at = 0; at < image.size(); at += blockSize) {
    const std::size_t n = std::min(blockSize, image.size() - at);
    Bytes block{static_cast<std::uint8_t>(n)};
    block.insert(block.end(), image.begin() + static_cast<std::ptrdiff_t>(at),
                 image.begin() + static_cast<std::ptrdiff_t>(at + n));
    for (;;) {
      const auto answer = Ask(e, req::kDataBlock, block, 0);
      if (answer.size() != 1) return run;
      if (answer[0].frame.code == kRepeatCode && run.resends < 10) {
        ++run.resends;
        continue;
      }
      if (answer[0].frame.code != kAckCode || answer[0].frame.payload != Bytes{req::kDataBlock}) return run;
      ++run.blocksAcknowledged;
      break;
    }
  }
  e.Receive(test::RequestBytes(req::kDownloadEnd, {}, 0), 0);
  run.complete = true;
  return run;
}

// Any bytes of an image's kind: no frame bytes, the rest of the range.
Bytes Pattern(std::size_t size) {
  Bytes b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 7 % 0xE0);
  return b;
}

PanelState PanelWithImage(Bytes image) {
  PanelState s;
  s.image = std::move(image);
  return s;
}

class TransferTest : public ::testing::Test {
protected:
  TransferTest() : e(PanelWithImage(Pattern(250))) {
    e.SetBaud(0);
    e.SetProgramCardsAfterDownload(false);
  }
  Engine e;
};

TEST_F(TransferTest, DownloadedImageComesBackByteForByte) {
  const Bytes images[] = {RealisticImage(), LargestImage(), Pattern(1), Pattern(300)};
  const std::size_t blockSizes[] = {1, 7, 99, 100};
  for (const auto& image : images) {
    for (const auto size : blockSizes) {
      Engine fresh(PanelState{});
      fresh.SetProgramCardsAfterDownload(false);
      const auto run = Download(fresh, image, size);
      ASSERT_TRUE(run.complete) << image.size() << " in blocks of " << size;
      EXPECT_EQ(fresh.state().image, image);
      EXPECT_EQ(fresh.transfer(), Transfer::kNone);
      const auto up = Upload(fresh);
      EXPECT_TRUE(up.ended);
      EXPECT_EQ(up.data, image) << image.size() << " in blocks of " << size;
    }
  }
}

TEST_F(TransferTest, DownloadEndIsNotAnswered) {
  Download(e, Pattern(10), 100);
  EXPECT_TRUE(AskBytes(e, req::kDownloadEnd, {}, 0).empty());
  EXPECT_EQ(e.state().image, Pattern(10));
}

TEST_F(TransferTest, UploadAnnouncesItsBlocksAndEndsWithDollar) {
  struct Case {
    std::size_t imageSize;
    std::size_t blockSize;
    const char* announced;
    std::vector<std::size_t> lengths;
  };
  const Case cases[] = {
      {250, 100, "0003", {100, 100, 50}},
      {200, 100, "0002", {100, 100}},
      {1, 100, "0001", {1}},
      {0, 100, "0000", {}},
      {250, 60, "0005", {60, 60, 60, 60, 10}},
      {6141, 100, "0062", {}}, // the size of the largest configuration
  };
  for (const auto& c : cases) {
    Engine panel(PanelWithImage(Pattern(c.imageSize)));
    UploadShape shape;
    shape.blockSize = c.blockSize;
    panel.SetUploadShape(shape);
    const auto run = Upload(panel);
    EXPECT_EQ(run.announced, c.announced) << c.imageSize;
    if (!c.lengths.empty()) {
      EXPECT_EQ(run.lengths, c.lengths) << c.imageSize;
    }
    EXPECT_EQ(run.lengths.size(), static_cast<std::size_t>(std::stoi(run.announced)));
    EXPECT_EQ(run.dataSizes, run.lengths);
    EXPECT_EQ(run.data, Pattern(c.imageSize));
    EXPECT_TRUE(run.ended);
    EXPECT_EQ(panel.transfer(), Transfer::kNone);
  }
}

TEST_F(TransferTest, UploadBlockBytes) {
  e.state().image = {0xD5, 0x01, 0xEE, 'E'};
  Ask(e, req::kUploadStart, {}, 0);
  // Data blocks travel untransformed: 0xD5 stays 0xD5.
  const Bytes expected{0xE0, 0x57, 0x00, 0x00, 0x23, 0x00, 0x04, 0xD5, 0x01, 0xEE, 0x45, 0x00, 0xE1};
  Bytes frame = AskBytes(e, req::kAck, {answer::kUploadStart}, 0);
  ASSERT_EQ(frame.size(), expected.size());
  EXPECT_TRUE(ChecksumOk(frame));
  frame[frame.size() - 2] = 0;
  EXPECT_EQ(frame, expected);
}

TEST_F(TransferTest, RepeatRequestRepeatsTheCurrentFrameWithoutMovingOn) {
  Ask(e, req::kUploadStart, {}, 0);
  const Bytes first = AskBytes(e, req::kAck, {answer::kUploadStart}, 0);
  EXPECT_EQ(AskBytes(e, req::kRepeat), first);
  EXPECT_EQ(AskBytes(e, req::kRepeat), first);
  const auto second = Ask(e, req::kAck, {answer::kDataBlock}, 0);
  ASSERT_EQ(second.size(), 1u);
  const Bytes image = Pattern(250);
  EXPECT_EQ(Bytes(second[0].frame.payload.begin() + 1, second[0].frame.payload.end()),
            Bytes(image.begin() + 100, image.begin() + 200));

  Engine fresh(PanelState{});
  Ask(fresh, req::kDownloadStart, {}, 0);
  const Bytes ack = AskBytes(fresh, req::kDataBlock, {2, 0x10, 0x20}, 0);
  EXPECT_EQ(AskBytes(fresh, req::kRepeat), ack);
  Ask(fresh, req::kDownloadEnd, {}, 0);
  EXPECT_EQ(fresh.state().image, (Bytes{0x10, 0x20}));
}

TEST_F(TransferTest, AbortEndsAnUploadAndADownload) {
  Ask(e, req::kUploadStart, {}, 0);
  Ask(e, req::kAck, {answer::kUploadStart}, 0);
  EXPECT_TRUE(AskBytes(e, req::kAbort, {}, 0).empty());
  EXPECT_EQ(e.transfer(), Transfer::kNone);
  EXPECT_TRUE(AskBytes(e, req::kAck, {answer::kDataBlock}, 0).empty());

  Ask(e, req::kDownloadStart, {}, 0);
  Ask(e, req::kDataBlock, {1, 0x42}, 0);
  EXPECT_TRUE(AskBytes(e, req::kAbort, {}, 0).empty());
  EXPECT_TRUE(AskBytes(e, req::kDataBlock, {1, 0x43}, 0).empty());
  EXPECT_TRUE(AskBytes(e, req::kDownloadEnd, {}, 0).empty());
  EXPECT_EQ(e.state().image, Pattern(250));
}

TEST_F(TransferTest, OddDownloadSequences) {
  // Blocks and ends outside a download go unanswered and change nothing.
  EXPECT_TRUE(AskBytes(e, req::kDataBlock, {1, 0x42}, 0).empty());
  EXPECT_TRUE(AskBytes(e, req::kDownloadEnd, {}, 0).empty());
  EXPECT_TRUE(AskBytes(e, req::kAck, {answer::kDataBlock}, 0).empty());
  EXPECT_EQ(e.state().image, Pattern(250));

  // A block that does not hold what its length byte says is asked for again.
  Ask(e, req::kDownloadStart, {}, 0);
  Bytes overlong(102, 0x11);
  overlong[0] = 101;
  const Bytes bad[] = {{}, {0}, {3, 1, 2}, {1, 1, 2}, overlong};
  for (const auto& block : bad) {
    const auto answer = Ask(e, req::kDataBlock, block, 0);
    ASSERT_EQ(answer.size(), 1u) << block.size();
    EXPECT_EQ(answer[0].frame.code, kRepeatCode) << block.size();
  }
  Ask(e, req::kDataBlock, {1, 0x42}, 0);
  // A new start forgets what came before it; so does an upload start.
  Ask(e, req::kDownloadStart, {}, 0);
  Ask(e, req::kDataBlock, {1, 0x43}, 0);
  Ask(e, req::kDownloadEnd, {}, 0);
  EXPECT_EQ(e.state().image, Bytes{0x43});

  Ask(e, req::kDownloadStart, {}, 0);
  Ask(e, req::kDataBlock, {1, 0x44}, 0);
  Ask(e, req::kUploadStart, {}, 0);
  EXPECT_EQ(e.transfer(), Transfer::kUpload);
  EXPECT_TRUE(AskBytes(e, req::kDataBlock, {1, 0x45}, 0).empty());
  EXPECT_EQ(e.state().image, Bytes{0x43});
}

TEST_F(TransferTest, UploadShapesAProgramMustRefuse) {
  struct Case {
    const char* name;
    std::size_t blockSize;
    std::optional<int> announcedBlocks;
    std::optional<std::size_t> endAfter;
    const char* announced;
    std::vector<std::size_t> lengths;
    std::size_t dataBytes;
  };
  const Case cases[] = {
      {"over-long blocks", 101, {}, {}, "0003", {101, 101, 48}, 250},
      {"largest block", 500, {}, {}, "0002", {190, 60}, 250},
      {"more blocks than announced", 100, 1, {}, "0001", {100, 100, 50}, 250},
      {"truncated", 100, {}, 248, "0003", {100, 100, 48}, 248},
      {"truncated before the first block", 100, {}, 0, "0000", {}, 0},
  };
  const Bytes image = Pattern(250);
  for (const auto& c : cases) {
    Engine panel(PanelWithImage(image));
    UploadShape shape;
    shape.blockSize = c.blockSize;
    shape.announcedBlocks = c.announcedBlocks;
    shape.endAfter = c.endAfter;
    panel.SetUploadShape(shape);
    const auto run = Upload(panel);
    EXPECT_EQ(run.announced, c.announced) << c.name;
    EXPECT_EQ(run.lengths, c.lengths) << c.name;
    EXPECT_EQ(run.data, Bytes(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(c.dataBytes))) << c.name;
    EXPECT_TRUE(run.ended) << c.name;
  }
  // A truncated realistic image lacks its end mark.
  Engine panel;
  UploadShape truncated;
  truncated.endAfter = panel.state().image.size() - 2;
  panel.SetUploadShape(truncated);
  const auto run = Upload(panel);
  EXPECT_TRUE(run.ended);
  EXPECT_FALSE(ReadImage(run.data));
}

TEST_F(TransferTest, UploadFaults) {
  const auto kth = [](FaultRule rule, int k) {
    rule.every = k;
    return rule;
  };
  FaultRule shortBlock = AnswersWithCode(Fault::kShortFrame, answer::kDataBlock, 1);
  shortBlock.shortBy = 10;
  struct Case {
    const char* name;
    FaultRule rule;
    bool complete;
    int repeatRequests;
    int resends;
  };
  const Case cases[] = {
      {"bad checksum on block 2", kth(AnswersWithCode(Fault::kBadChecksum, answer::kDataBlock, 1), 2), true, 1, 0},
      {"panel asks for the ack of block 1 again", AnswersWithCode(Fault::kAskRepeat, answer::kDataBlock, 1), true, 0,
       1},
      {"block 3 dropped", kth(AnswersWithCode(Fault::kDrop, answer::kDataBlock, 1), 3), false, 0, 0},
      {"end dropped", AnswersWithCode(Fault::kDrop, answer::kUploadEnd, 1), false, 0, 0},
      {"hang-up at block 2", kth(AnswersWithCode(Fault::kHangUp, answer::kDataBlock, 1), 2), false, 0, 0},
  };
  for (const auto& c : cases) {
    Engine panel(PanelWithImage(Pattern(250)));
    panel.faults().Add(c.rule);
    const auto run = Upload(panel);
    EXPECT_EQ(run.ended, c.complete) << c.name;
    if (c.complete) {
      EXPECT_EQ(run.data, Pattern(250)) << c.name;
    }
    EXPECT_EQ(run.repeatRequests, c.repeatRequests) << c.name;
    EXPECT_EQ(run.resends, c.resends) << c.name;
    EXPECT_EQ(panel.HungUp(), c.rule.fault == Fault::kHangUp) << c.name;
  }

  // A short block: the length byte says more than the frame carries; a
  // repeat request brings the block whole.
  e.faults().Add(shortBlock);
  Ask(e, req::kUploadStart, {}, 0);
  const auto cut = Ask(e, req::kAck, {answer::kUploadStart}, 0);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].verdict, FrameReceiver::Verdict::kGood);
  EXPECT_EQ(cut[0].frame.payload[0], 100);
  EXPECT_EQ(cut[0].frame.payload.size(), 91u);
  const auto whole = Ask(e, req::kRepeat);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].frame.payload.size(), 101u);
}

TEST_F(TransferTest, DownloadFaults) {
  const Bytes image = Pattern(450);
  const auto kth = [](FaultRule rule, int k) {
    rule.every = k;
    return rule;
  };
  struct Case {
    const char* name;
    FaultRule rule;
    bool complete;
    int acknowledged;
    int resends;
  };
  const Case cases[] = {
      {"repeat asked after block 2", kth(AnswersTo(Fault::kAskRepeat, req::kDataBlock, 1), 2), true, 5, 1},
      {"repeat asked five times in a row", AnswersTo(Fault::kAskRepeat, req::kDataBlock, 5), true, 5, 5},
      {"ack of block 3 dropped", kth(AnswersTo(Fault::kDrop, req::kDataBlock, 1), 3), false, 2, 0},
      {"hang-up at block 4", kth(AnswersTo(Fault::kHangUp, req::kDataBlock, 1), 4), false, 3, 0},
  };
  for (const auto& c : cases) {
    Engine panel(PanelWithImage(Pattern(250)));
    panel.SetProgramCardsAfterDownload(false);
    panel.faults().Add(c.rule);
    const auto run = Download(panel, image, 100);
    EXPECT_EQ(run.complete, c.complete) << c.name;
    EXPECT_EQ(run.blocksAcknowledged, c.acknowledged) << c.name;
    EXPECT_EQ(run.resends, c.resends) << c.name;
    // A block the panel asked for again was not kept: no block twice.
    EXPECT_EQ(panel.state().image, c.complete ? image : Pattern(250)) << c.name;
    EXPECT_EQ(panel.HungUp(), c.rule.fault == Fault::kHangUp) << c.name;
  }
}

TEST_F(TransferTest, HangUpOnADownloadAckTakesNothingMore) {
  struct Case {
    const char* name;
    std::uint8_t hangsUpOn; // the request whose acknowledgement hangs up
    Bytes acknowledgedBlock;
  };
  const Case cases[] = {
      {"the start's acknowledgement", req::kDownloadStart, {}},
      {"a block's acknowledgement", req::kDataBlock, {1, 0x42}},
  };
  for (const auto& c : cases) {
    Engine panel(PanelWithImage(Pattern(250)));
    panel.SetProgramCardsAfterDownload(false);
    Bytes line = test::RequestBytes(req::kDownloadStart, {}, 0);
    if (!c.acknowledgedBlock.empty()) {
      Ask(panel, req::kDownloadStart, {}, 0);
      Ask(panel, req::kDataBlock, c.acknowledgedBlock, 0);
      line.clear();
    }
    panel.faults().Add(AnswersTo(Fault::kHangUp, c.hangsUpOn, 1));
    // The rest of the download reaches the panel in the same read as the
    // request the hang-up answers: none of it may count.
    for (const Bytes& next :
         {test::RequestBytes(req::kDataBlock, {1, 0x43}, 0), test::RequestBytes(req::kDownloadEnd, {}, 0)}) {
      line.insert(line.end(), next.begin(), next.end());
    }
    panel.Receive(line, 0);
    EXPECT_TRUE(Drain(panel).empty()) << c.name;
    EXPECT_TRUE(panel.HungUp()) << c.name;
    EXPECT_EQ(panel.state().image, Pattern(250)) << c.name;
    EXPECT_EQ(panel.requests().back().code, c.hangsUpOn) << c.name;
  }
}

TEST_F(TransferTest, DroppedAckMeansTheBlockWasTaken) {
  e.faults().Add(AnswersTo(Fault::kDrop, req::kDataBlock, 1));
  Ask(e, req::kDownloadStart, {}, 0);
  EXPECT_TRUE(AskBytes(e, req::kDataBlock, {1, 0x42}, 0).empty());
  const auto ack = Ask(e, req::kRepeat);
  ASSERT_EQ(ack.size(), 1u);
  EXPECT_EQ(ack[0].frame.payload, Bytes{req::kDataBlock});
  Ask(e, req::kDownloadEnd, {}, 0);
  EXPECT_EQ(e.state().image, Bytes{0x42});
}

TEST_F(TransferTest, DelayedAnswersInTransfers) {
  struct Case {
    FaultRule rule;
    std::vector<std::pair<std::uint8_t, Bytes>> before; // requests that lead up to it
    std::pair<std::uint8_t, Bytes> request;
  };
  FaultRule blockAck = AnswersTo(Fault::kDelay, req::kDataBlock, 1);
  FaultRule uploadBlock = AnswersWithCode(Fault::kDelay, answer::kDataBlock, 1);
  const Case cases[] = {
      {blockAck, {{req::kDownloadStart, {}}}, {req::kDataBlock, {1, 7}}},
      {uploadBlock, {{req::kUploadStart, {}}}, {req::kAck, {answer::kUploadStart}}},
  };
  for (const auto& c : cases) {
    Engine panel(PanelWithImage(Pattern(250)));
    panel.SetAnswerDelayUs(2'000);
    FaultRule rule = c.rule;
    rule.delayUs = 5'000'000; // past every wait of the program's transfers
    panel.faults().Add(rule);
    for (const auto& [code, payload] : c.before) Ask(panel, code, payload, 0);
    panel.Receive(test::RequestBytes(c.request.first, c.request.second, 0), 1'000'000);
    EXPECT_EQ(panel.NextDueUs(), 1'000'000 + 2'000 + 5'000'000);
  }
}

TEST_F(TransferTest, TransferBytesArePacedAtTheBaudRate) {
  e.SetBaud(9600);
  e.SetAnswerDelayUs(2'000);
  Ask(e, req::kUploadStart, {}, 0);
  e.Receive(test::RequestBytes(req::kAck, {answer::kUploadStart}, 0), 1'000'000);
  std::vector<std::int64_t> due;
  Bytes out;
  while (auto next = e.NextDueUs()) {
    due.push_back(*next);
    e.TakeDue(*next, out);
  }
  ASSERT_EQ(due.size(), 109u); // a block of 100 data bytes
  EXPECT_EQ(due.back(), 1'000'000 + 2'000 + 108 * 10'000'000 / 9600);
}

} // namespace
} // namespace panelsim
