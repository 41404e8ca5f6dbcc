#include "link/panel_frame.h"

#include <algorithm>

namespace kx700 {
namespace {

constexpr std::size_t kJamLimit = 201; // this many bytes without an end byte cannot be one frame

bool HasPayloadTransform(int code) { return code != kDataBlockCode; }

} // namespace

std::uint8_t FrameChecksum(std::span<const std::uint8_t> frame) {
  std::uint8_t sum = 0;
  for (std::size_t i = 0; i < frame.size(); ++i) {
    if (i + 2 != frame.size()) sum ^= frame[i];
  }
  return static_cast<std::uint8_t>(sum & 0x7F);
}

CPanelFrame::CPanelFrame(ByteChannel& channel, Clock& clock) : channel_(channel), clock_(clock) {}

bool CPanelFrame::WriteFrame(std::span<std::uint8_t> frame, std::size_t length) {
  // Drop what is pending: an answer that comes now belongs to this request.
  channel_.Ring().Flush();
  return channel_.Write(frame.first(length));
}

bool CPanelFrame::Send(int address, int code, std::span<const std::uint8_t> payload) {
  const std::size_t length = kFrameOverhead + payload.size();
  tx_[0] = kFrameStart;
  tx_[1] = kFrameMark;
  tx_[2] = static_cast<std::uint8_t>(address);
  tx_[3] = 0;
  tx_[4] = static_cast<std::uint8_t>(code);
  tx_[5] = 0;
  std::copy(payload.begin(), payload.end(), tx_.begin() + 6);
  if (HasPayloadTransform(code)) {
    for (std::size_t i = 6; i < 6 + payload.size(); ++i) {
      if (tx_[i] >= 0xC0) tx_[i] = static_cast<std::uint8_t>(tx_[i] - 0x40);
    }
  }
  tx_[length - 2] = 0;
  tx_[length - 1] = kFrameEnd;
  tx_[length - 2] = FrameChecksum(std::span(tx_).first(length));
  txLength_ = length;
  return SendFrame();
}

bool CPanelFrame::SendFrame() { return txLength_ > 0 && WriteFrame(tx_, txLength_); }

bool CPanelFrame::Resend() { return SendFrame(); }

bool CPanelFrame::SendRepeatRequest() {
  repeat_ = {kFrameStart, kFrameMark, kPanelAddress, 0, kRequestRepeat, 0, 0, kFrameEnd};
  repeat_[6] = FrameChecksum(repeat_);
  return WriteFrame(repeat_, repeat_.size());
}

int CPanelFrame::ReceiveAnswer() {
  RxRing& ring = channel_.Ring();
  rxLength_ = 0;
  if (!ring.Contains(kFrameEnd)) {
    const std::size_t pending = ring.Count();
    if (pending >= kJamLimit) {
      // No frame can be this long: keep only what follows the last start
      // byte, and nothing when even that is too long to become a frame.
      std::size_t keepFrom = pending;
      for (std::size_t i = 0; i < pending; ++i) {
        if (ring.Peek(i) == kFrameStart) keepFrom = i;
      }
      if (pending - keepFrom >= kMaxReceivedFrame) keepFrom = pending;
      ring.Skip(keepFrom);
    }
    return 0;
  }

  std::array<std::uint8_t, kMaxReceivedFrame> read{};
  const std::size_t n = ring.Read(read.data(), read.size(), kFrameEnd);
  if (n == 0 || read[n - 1] != kFrameEnd) return 0; // too long to be a frame: dropped
  // The frame starts at the last start byte before its end: no payload byte
  // can be a start byte, so anything before it is noise.
  std::size_t start = n;
  for (std::size_t i = n - 1; i-- > 0;) {
    if (read[i] == kFrameStart) {
      start = i;
      break;
    }
  }
  if (start == n || n - start < kFrameOverhead) return 0;
  const std::span frame(read.data() + start, n - start);
  if (frame[1] != kFrameMark) return 0;

  std::uint8_t sum = 0;
  for (std::uint8_t b : frame) sum ^= b;
  if ((sum & 0x7F) != 0) {
    if (badChecksums_ < 3) {
      SendRepeatRequest();
      ++badChecksums_;
    }
    return 0;
  }
  badChecksums_ = 0;
  std::copy(frame.begin(), frame.end(), rx_.begin());
  rxLength_ = frame.size();
  const int code = static_cast<std::int8_t>(rx_[4]);
  if (HasPayloadTransform(rx_[4])) {
    for (std::size_t i = 6; i + 2 < rxLength_; ++i) {
      if (rx_[i] >= 0x80 && rx_[i] <= 0xBF) rx_[i] = static_cast<std::uint8_t>(rx_[i] + 0x40);
    }
  }
  return code;
}

int CPanelFrame::WaitAnswer(int units, bool longWait, bool flushFirst) {
  const int polls = std::max(0, longWait ? std::min(units, 20) * 200 : units / 2);
  const std::int64_t deadline = clock_.SteadyMs() + 2 * static_cast<std::int64_t>(polls);
  if (flushFirst) channel_.Ring().Flush();
  return WaitAnswerUntil(deadline);
}

int CPanelFrame::WaitAnswerUntil(std::int64_t deadline) {
  RxRing& ring = channel_.Ring();
  for (;;) {
    const std::uint64_t seen = ring.Written();
    if (const int code = ReceiveAnswer(); code != 0) return code;
    // Another frame may already be waiting behind a dropped one.
    if (ring.Contains(kFrameEnd)) continue;
    const std::int64_t left = deadline - clock_.SteadyMs();
    if (left <= 0) return 0;
    channel_.WaitForInput(seen, static_cast<int>(left));
  }
}

} // namespace kx700
