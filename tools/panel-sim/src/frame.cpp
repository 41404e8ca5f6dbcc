#include "panelsim/frame.h"

namespace panelsim {

std::uint8_t Checksum(std::span<const std::uint8_t> frame) {
  std::uint8_t x = 0;
  for (std::size_t i = 0; i < frame.size(); ++i) {
    if (i + 2 != frame.size()) x ^= frame[i];
  }
  return x & 0x7F;
}

bool ChecksumOk(std::span<const std::uint8_t> frame) {
  std::uint8_t x = 0;
  for (auto b : frame) x ^= b;
  return (x & 0x7F) == 0;
}

void Seal(std::vector<std::uint8_t>& frame) {
  if (frame.size() < 2) return;
  frame[frame.size() - 2] = Checksum(frame);
}

void LowerForLine(std::uint8_t code, std::span<std::uint8_t> payload) {
  if (code == kDataBlockCode) return;
  for (auto& b : payload) {
    if (b >= 0xC0) b = static_cast<std::uint8_t>(b - 0x40);
  }
}

void RaiseFromLine(std::uint8_t code, std::span<std::uint8_t> payload) {
  if (code == kDataBlockCode) return;
  for (auto& b : payload) {
    if (b >= 0x80 && b <= 0xBF) b = static_cast<std::uint8_t>(b + 0x40);
  }
}

std::vector<std::uint8_t> Encode(const Frame& frame) {
  std::vector<std::uint8_t> out;
  out.reserve(kPayloadOffset + frame.payload.size() + 2);
  for (std::uint8_t b : {kFrameStart, kFrameMark, frame.address, std::uint8_t{0}, frame.code, frame.flags})
    out.push_back(b);
  out.insert(out.end(), frame.payload.begin(), frame.payload.end());
  LowerForLine(frame.code, std::span(out).subspan(kPayloadOffset));
  out.push_back(0);
  out.push_back(kFrameEnd);
  Seal(out);
  return out;
}

void FrameReceiver::Put(std::span<const std::uint8_t> bytes, std::vector<Result>& out) {
  for (auto b : bytes) {
    if (b == kFrameStart) {
      discarded_ += buffer_.size();
      buffer_.assign(1, b);
      continue;
    }
    if (buffer_.empty()) {
      ++discarded_;
      continue;
    }
    buffer_.push_back(b);
    if (b == kFrameEnd) {
      Finish(out);
    } else if (buffer_.size() >= kMaxFrameLength) {
      discarded_ += buffer_.size();
      buffer_.clear();
    }
  }
}

void FrameReceiver::Reset() {
  discarded_ += buffer_.size();
  buffer_.clear();
}

void FrameReceiver::Finish(std::vector<Result>& out) {
  std::vector<std::uint8_t> raw;
  raw.swap(buffer_);
  if (raw.size() < kFrameOverhead || raw[1] != kFrameMark) {
    discarded_ += raw.size();
    return;
  }
  Result r;
  r.verdict = ChecksumOk(raw) ? Verdict::kGood : Verdict::kBadChecksum;
  r.frame.address = raw[2];
  r.frame.code = raw[4];
  r.frame.flags = raw[5];
  r.frame.payload.assign(raw.begin() + kPayloadOffset, raw.end() - 2);
  if (r.verdict == Verdict::kGood) RaiseFromLine(r.frame.code, r.frame.payload);
  r.raw = std::move(raw);
  out.push_back(std::move(r));
}

} // namespace panelsim
