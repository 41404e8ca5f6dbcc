#pragma once

#include <string>

namespace kx700 {

// printf-style formatting into a string of whatever length the result needs.
// The format is checked by the compiler like printf's.
[[gnu::format(printf, 1, 2)]] std::string StringPrintf(const char* format, ...);

// Tenths of a unit with one decimal, as "%.1f" would give them, but with '.'
// whatever the locale: 35 -> "3.5", -5 -> "-0.5".
std::string FormatTenths(long long tenths);

} // namespace kx700
