#pragma once
// Stable storage for the store's records: large chunks filled in allocation order, never moved,
// freed all at once. Chunks are 2 MiB aligned and marked for huge pages where the system offers
// them, so a pass over a million records does not miss the TLB on every record.
#include "host/records/OrderBookDetails.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class RecordArena final {
 public:
  RecordArena() = default;
  ~RecordArena() { Clear(); }
  RecordArena(const RecordArena&) = delete;
  RecordArena& operator=(const RecordArena&) = delete;

  OrderBookDetails* Add(const OrderBookDetails& record);
  void Clear();
  std::size_t Size() const { return m_size; }
  // The chunks' bytes (records and the unused tail of the last chunk).
  std::size_t Bytes() const { return m_chunks.size() * kChunkBytes; }
  // How many times any arena has given its records back. Work that holds record pointers across
  // passes of the event loop compares it with the count it started under: a change means the
  // records it holds are gone.
  static std::uint64_t Releases() { return s_releases; }

 private:
  static constexpr std::size_t kChunkBytes = std::size_t{8} << 20;
  static constexpr std::size_t kPerChunk = kChunkBytes / sizeof(OrderBookDetails);

  static inline std::uint64_t s_releases = 0;

  std::vector<OrderBookDetails*> m_chunks;
  std::size_t m_usedInLastChunk = kPerChunk;
  std::size_t m_size = 0;
};
