#pragma once
// What the terminal holds in memory, split by owner: the store's records, the store's lists and
// key map, the record cache (SQLite), the two views, and the rest (Qt, libraries, code and what
// the allocator keeps): the resident size less the parts the program can count itself.
#include <cstddef>
#include <string>
#include <vector>

class OrderBookGrid;

namespace orv::ui {

struct MemoryReport {
  std::size_t orders = 0;       // records in both books
  std::size_t resident = 0;     // the process's resident set
  std::size_t records = 0;      // the store's record chunks
  std::size_t recordSize = 0;   // one record's own bytes
  std::size_t storeLists = 0;   // the store's vectors and key map
  std::size_t cache = 0;        // the record cache's SQLite memory
  std::size_t views = 0;        // the grids' row lists, side columns and selection index

  std::size_t Rest() const;
  // The records' own bytes: orders times one record.
  std::size_t RecordBytes() const { return orders * recordSize; }
  std::string Text() const;
};

MemoryReport MeasureMemory(const std::vector<const OrderBookGrid*>& grids);

// The process's resident set in bytes (from /proc/self/statm); 0 when it cannot be read.
std::size_t ResidentBytes();

}  // namespace orv::ui
