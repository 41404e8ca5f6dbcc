#pragma once

#include <string>

namespace kx700 {

// printf-style formatting into a string of whatever length the result needs.
// The format is checked by the compiler like printf's.
[[gnu::format(printf, 1, 2)]] std::string StringPrintf(const char* format, ...);

} // namespace kx700
