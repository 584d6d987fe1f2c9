#pragma once
// Takes a few elements out of a long vector and puts a few in, in place: the elements that stay
// keep their order and move as whole runs, each by memmove, so the cost is what lies between the
// first and the last change and nothing is allocated. Used where a million-row vector changes by
// a handful of rows a tick and a rebuilt copy would cost more than the change.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace InPlaceReorder {

// One element to put in: the index it has in the vector that comes out.
template <typename T>
struct Insertion {
  std::size_t at;
  T value;
};

// `removed`: indexes into `values` as it is, ascending and distinct. `inserted`: indexes into the
// result, ascending and distinct, each below the result's size.
template <typename T>
void Apply(std::vector<T>& values, const std::vector<std::size_t>& removed, const std::vector<Insertion<T>>& inserted) {
  const std::size_t oldSize = values.size();
  const std::size_t newSize = oldSize - removed.size() + inserted.size();
  struct Run {
    std::size_t from, to, length;
  };
  // The staying elements in runs that move by one distance each.
  std::vector<Run> runs;
  std::size_t source = 0, target = 0, r = 0, i = 0;
  while (source < oldSize || target < newSize) {
    const std::size_t nextRemoved = r < removed.size() ? removed[r] : oldSize;
    const std::size_t nextInserted = i < inserted.size() ? inserted[i].at : newSize;
    const std::size_t length = std::min(nextRemoved - source, nextInserted - target);
    if (length > 0 && source != target) runs.push_back({source, target, length});
    source += length;
    target += length;
    if (source == nextRemoved && r < removed.size()) {
      ++source, ++r;
    } else if (target == nextInserted && i < inserted.size()) {
      ++target, ++i;
    } else if (length == 0) {
      break;  // inconsistent input: leave the rest where it is rather than loop
    }
  }
  if (newSize > oldSize) values.resize(newSize);
  // Runs moving left go first, left to right; then runs moving right, right to left. Staying
  // elements keep their order, so no run lands on one that has not moved yet.
  for (const Run& run : runs)
    if (run.to < run.from)
      std::move(values.begin() + static_cast<std::ptrdiff_t>(run.from),
                values.begin() + static_cast<std::ptrdiff_t>(run.from + run.length),
                values.begin() + static_cast<std::ptrdiff_t>(run.to));
  for (auto it = runs.rbegin(); it != runs.rend(); ++it)
    if (it->to > it->from)
      std::move_backward(values.begin() + static_cast<std::ptrdiff_t>(it->from),
                         values.begin() + static_cast<std::ptrdiff_t>(it->from + it->length),
                         values.begin() + static_cast<std::ptrdiff_t>(it->to + it->length));
  for (const Insertion<T>& insertion : inserted) values[insertion.at] = insertion.value;
  if (newSize < oldSize) values.resize(newSize);
}

}  // namespace InPlaceReorder
