#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "panelsim/engine.h"
#include "panelsim/frame.h"

namespace panelsim::test {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::int64_t kForever = std::numeric_limits<std::int64_t>::max();

inline Bytes RequestBytes(std::uint8_t code, Bytes payload = {}, std::uint8_t address = kAddressWholePanel) {
  return Encode(Frame{address, code, 0, std::move(payload)});
}

// Every output byte, however far in the future.
inline Bytes Drain(Engine& e) {
  Bytes out;
  e.TakeDue(kForever, out);
  return out;
}

inline std::vector<FrameReceiver::Result> Frames(const Bytes& bytes) {
  FrameReceiver r;
  std::vector<FrameReceiver::Result> out;
  r.Put(bytes, out);
  return out;
}

// Sends one request and returns every byte the panel sends back.
inline Bytes AskBytes(Engine& e, std::uint8_t code, Bytes payload = {}, std::uint8_t address = kAddressWholePanel,
                      std::int64_t nowUs = 0) {
  e.Receive(RequestBytes(code, std::move(payload), address), nowUs);
  return Drain(e);
}

inline std::vector<FrameReceiver::Result> Ask(Engine& e, std::uint8_t code, Bytes payload = {},
                                              std::uint8_t address = kAddressWholePanel) {
  return Frames(AskBytes(e, code, std::move(payload), address));
}

} // namespace panelsim::test
