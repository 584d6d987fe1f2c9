#pragma once
// A pass over a large book reads records scattered in memory: it waits on cache misses, not on
// arithmetic, and one core keeps only so many misses in flight. Cutting the pass into consecutive
// slices and running them on every core overlaps twice the misses on this machine's two cores.
// The results never depend on how the rows were sliced or on which thread ran a slice.
#include <algorithm>
#include <cstddef>
#include <execution>
#include <numeric>
#include <vector>

namespace ParallelSlices {

// Rows per slice: large enough that starting a slice costs nothing beside its misses, small
// enough that both cores stay busy to the end. A small book (as in the tests) still gets several
// slices, so that the way the slices are put together is exercised.
inline std::size_t SliceRows(std::size_t n) { return std::clamp<std::size_t>(n / 64, 64, std::size_t{1} << 14); }

// Calls fn(begin, end) over consecutive slices of [0, n), on every core when `parallel` and there
// is more than one slice, else once on the calling thread. Each index belongs to one slice.
template <typename Fn>
void ForEach(std::size_t n, bool parallel, Fn fn) {
  const std::size_t rows = SliceRows(n);
  if (!parallel || n <= rows) {
    fn(std::size_t{0}, n);
    return;
  }
  std::vector<std::size_t> slices((n + rows - 1) / rows);
  std::iota(slices.begin(), slices.end(), std::size_t{0});
  std::for_each(std::execution::par, slices.begin(), slices.end(),
                [&](std::size_t s) { fn(s * rows, std::min(n, (s + 1) * rows)); });
}

// An order-keeping compaction of [0, n) in slices. `slice(begin, end)` moves the kept entries of
// [begin, end) to the front of that range, in order, and returns how many it kept; it may run on
// any core, and touches nothing outside its range. `shift(from, count, to)` then moves each
// slice's kept entries down behind the previous slice's (to <= from), on the calling thread.
// Returns the number kept: entries [0, kept) are the kept ones, in their original order.
template <typename Slice, typename Shift>
std::size_t Compact(std::size_t n, bool parallel, Slice slice, Shift shift) {
  const std::size_t rows = SliceRows(n);
  if (!parallel || n <= rows) return slice(std::size_t{0}, n);
  std::vector<std::size_t> kept((n + rows - 1) / rows);
  ForEach(n, true, [&](std::size_t begin, std::size_t end) { kept[begin / rows] = slice(begin, end); });
  std::size_t total = kept[0];
  for (std::size_t s = 1; s < kept.size(); ++s) {
    if (kept[s] != 0 && total != s * rows) shift(s * rows, kept[s], total);
    total += kept[s];
  }
  return total;
}

}  // namespace ParallelSlices
