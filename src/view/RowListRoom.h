#pragma once
// How much room a grid's row list and the columns kept beside it hold beyond their rows. Left to
// itself a vector doubles when it grows, so a list of a million rows would hold up to a million
// more: the larger part of the module's memory. These keep the spare room to between a sixteenth
// and an eighth of the rows (plus a few pages), which lasts many ticks of new orders between
// reallocations, and give the rest back when a list shrinks.
#include <cstddef>
#include <vector>

namespace RowListRoom {

constexpr std::size_t kSlack = 4096;  // elements; a small list is not reallocated for every row

// The capacity a list of `size` rows is given when it grows or gives room back.
constexpr std::size_t Fitted(std::size_t size) { return size + size / 16 + kSlack; }
// The most a list of `size` rows may hold before it gives the room back.
constexpr std::size_t Most(std::size_t size) { return size + size / 8 + kSlack; }

// Before `count` more elements go in.
template <typename T>
void MakeRoomFor(std::vector<T>& values, std::size_t count) {
  const std::size_t needed = values.size() + count;
  if (needed > values.capacity()) values.reserve(Fitted(needed));
}

// After a list may have shrunk or grown by itself (a pass that pushes every row it keeps).
template <typename T>
void GiveBackRoom(std::vector<T>& values) {
  if (values.capacity() <= Most(values.size())) return;
  std::vector<T> fitted;
  fitted.reserve(Fitted(values.size()));
  fitted.assign(values.begin(), values.end());
  values.swap(fitted);
}

}  // namespace RowListRoom
