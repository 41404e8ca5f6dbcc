// Any bytes from the line, arriving in pieces of any size: reception never
// crashes or jams, and every answer layout reads only what the frame holds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/clock.h"
#include "fuzz_support.h"
#include "link/panel_frame.h"

using namespace kx700;

namespace {

class LineFromInput final : public ByteChannel {
public:
  bool IsOpen() const override { return true; }
  bool Write(std::span<const std::uint8_t>) override { return true; }
  RxRing& Ring() override { return ring_; }
  void WaitForInput(std::uint64_t, int) override {}

private:
  RxRing ring_;
};

class StoppedClock final : public Clock {
public:
  std::int64_t SteadyMs() const override { return 0; }
  LocalDateTime Now() const override { return {}; }
  void SleepMs(int) override {}
};

void ParseEveryLayout(std::span<const std::uint8_t> frame) {
  PanelIdentification id;
  PanelServiceState state;
  state.polledLoop = frame.size() > 6 ? frame[6] % 20 : 1;
  ParseBlockCount(frame);
  ParseDataBlock(frame);
  ParseTextAnswer(frame, frame.size() > 6 ? frame[6] : 0);
  ParseDateTime(frame);
  ParseLanguage(frame);
  ParseRecord16(frame);
  ParseRecord32(frame);
  if (auto e = ParseLogbookEntry(frame)) {
    fuzz::Require(e->eventText.size() <= LogbookEntry::kEventTextWidth);
    fuzz::Require(e->infoText.size() <= LogbookEntry::kInfoTextWidth);
  }
  if (ParseIdentificationFrame(frame, id)) fuzz::Require(id.panelName.size() <= 20 && id.technicianCode.size() <= 3);
  ParseStatusFrame(frame, state);
  ParseAnalogFrame(frame, state);
  ParseCardProgressFrame(frame, state);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::size_t piece = 1 + data[0] % 64;
  const auto line = std::span(data + 1, size - 1);
  LineFromInput channel;
  StoppedClock clock;
  CPanelFrame frame(channel, clock);
  for (std::size_t at = 0; at < line.size(); at += piece) {
    const auto chunk = line.subspan(at, std::min(piece, line.size() - at));
    std::size_t put = 0;
    // The ring must always make room again: reception cannot jam.
    for (int polls = 0; put < chunk.size(); ++polls) {
      put += channel.Ring().Put(chunk.subspan(put));
      if (frame.ReceiveAnswer() != 0) ParseEveryLayout(frame.LastAnswer());
      fuzz::Require(polls < 1000);
    }
  }
  while (frame.ReceiveAnswer() != 0) ParseEveryLayout(frame.LastAnswer());
  return 0;
}
