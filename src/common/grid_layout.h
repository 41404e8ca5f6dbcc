#pragma once

#include <cstddef>
#include <iterator>
#include <type_traits>
#include <vector>

// Layout rules of the grid control: sizes in twips, cell alignment codes and
// which neighbouring cells of a row merge into one.
namespace kx700 {

inline constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel, halves away from zero.
constexpr int TwipsToPixels(int twips, int dots_per_inch) {
  const long long scaled = static_cast<long long>(twips) * dots_per_inch;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

enum class HorizontalAlign { Left, Centre, Right };
enum class VerticalAlign { Top, Centre, Bottom };

struct CellAlign {
  HorizontalAlign horizontal;
  VerticalAlign vertical;
};

// Codes 0..8 count the vertical positions (top, centre, bottom) within each
// horizontal one (left, centre, right): 1 is left and centred vertically, 4
// centred both ways. Any other code is left and centred vertically, the way
// text sits in a cell that was never aligned.
constexpr CellAlign DecodeCellAlignment(int code) {
  if (code < 0 || code > 8) return {HorizontalAlign::Left, VerticalAlign::Centre};
  return {static_cast<HorizontalAlign>(code / 3), static_cast<VerticalAlign>(code % 3)};
}

// A run of neighbouring cells shown as one.
struct MergeRun {
  int first;
  int count;
  bool operator==(const MergeRun&) const = default;
};

// The runs of two or more neighbouring cells with the same text in a row that
// merges. Empty cells never merge, so a row of blanks keeps its cell borders.
template <typename Texts>
std::vector<MergeRun> MergeRuns(const Texts& texts) {
  std::vector<MergeRun> runs;
  const int n = static_cast<int>(std::size(texts));
  for (int first = 0; first < n;) {
    int end = first + 1;
    if (texts[first] != std::remove_cvref_t<decltype(texts[first])>{})
      while (end < n && texts[end] == texts[first]) ++end;
    if (end - first > 1) runs.push_back({first, end - first});
    first = end;
  }
  return runs;
}

} // namespace kx700
