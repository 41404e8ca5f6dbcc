#include "common/string_format.h"

#include <cstdarg>
#include <cstdio>

namespace kx700 {

std::string StringPrintf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string out;
  if (length > 0) {
    out.resize(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(out.data(), out.size(), format, again);
    out.resize(static_cast<std::size_t>(length));
  }
  va_end(again);
  return out;
}

std::string FormatTenths(long long tenths) {
  const unsigned long long magnitude =
      tenths < 0 ? 0ULL - static_cast<unsigned long long>(tenths) : static_cast<unsigned long long>(tenths);
  return StringPrintf("%s%llu.%llu", tenths < 0 ? "-" : "", magnitude / 10, magnitude % 10);
}

} // namespace kx700
