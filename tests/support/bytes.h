#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Byte sequences written out by hand in tests.
namespace kx700::test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

template <std::size_t N>
Bytes BytesOf(const std::array<std::uint8_t, N>& record) {
  return Bytes(record.begin(), record.end());
}

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

} // namespace kx700::test
