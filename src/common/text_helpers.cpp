#include "common/text_helpers.h"

#include <algorithm>
#include <cstring>

#include "common/string_format.h"
#include "common/text_tables.h"

namespace kx700 {
namespace {

// The text of a view: up to its first NUL.
std::string_view TextOf(std::string_view view) { return view.substr(0, std::min(view.find('\0'), view.size())); }

} // namespace

std::string FormatDayMonthYear(int day, int month, int year) {
  if (month < 1 || month > 12) return {};
  return StringPrintf("%d %s %02d", day, OrEmpty(GetText(10 + month)), year);
}

std::string FormatToday(const LocalDateTime& today) {
  int year = today.year - 1900;
  if (year >= 100) year -= 100;
  const int monthIndex = today.month - 1;
  return StringPrintf("%02d %s %02d", today.day, OrEmpty(GetText(11 + monthIndex)), year);
}

std::string FormatToday(const Clock& clock) { return FormatToday(clock.Now()); }

int ClampToRange(int value, int low, int high) { return (value >= low && value <= high) ? value : low; }

std::string TrimRightBlanks(std::string_view text, int max) {
  std::string_view t = TextOf(text);
  if (max > 0 && static_cast<std::size_t>(max) < t.size()) t = t.substr(0, static_cast<std::size_t>(max));
  std::size_t end = t.size();
  while (end > 1 && t[end - 1] == ' ') --end;
  return std::string(t.substr(0, end));
}

std::string PadLeftWithZeros(std::string_view text, int width) {
  const std::string_view t = TextOf(text);
  if (width <= 0 || t.size() >= static_cast<std::size_t>(width)) return std::string(t);
  std::string out(static_cast<std::size_t>(width) - t.size(), '0');
  out += t;
  return out;
}

std::string PadRightWithBlanks(std::string_view text, int width) {
  if (width <= 0) return {};
  std::string out(TextOf(text).substr(0, static_cast<std::size_t>(width)));
  out.resize(static_cast<std::size_t>(width), ' ');
  return out;
}

std::span<char> ZeroFillTail(std::span<char> buffer, int width) {
  if (width < 0) return buffer;
  const std::size_t length = TextOf({buffer.data(), buffer.size()}).size();
  const auto w = static_cast<std::size_t>(width);
  if (length <= w) {
    const std::size_t end = std::min(w + 1, buffer.size());
    if (length < end)
      std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(length), buffer.begin() + static_cast<std::ptrdiff_t>(end),
                '\0');
  }
  return buffer;
}

int FindWrapPosition(std::string_view text, int width) {
  const std::string_view t = TextOf(text);
  width = std::max(width, 0);
  if (t.size() < static_cast<std::size_t>(width)) return static_cast<int>(t.size());
  if (width < 5) return width;
  for (int i = width; i >= 5; --i) {
    if (static_cast<std::size_t>(i) < t.size() && t[static_cast<std::size_t>(i)] == ' ') return i;
  }
  return width;
}

std::size_t CopyLineUntilCR(std::string_view text, std::string& out) {
  const std::string_view t = TextOf(text);
  out.assign(t.substr(0, std::min(t.find('\r'), t.size())));
  return out.size();
}

bool IsNonZero(int value) { return value != 0; }

std::uint8_t XorChecksum7(std::span<const std::uint8_t> bytes) {
  std::uint8_t sum = 0;
  for (std::uint8_t b : bytes) sum ^= b;
  return static_cast<std::uint8_t>(sum & 0x7F);
}

} // namespace kx700
