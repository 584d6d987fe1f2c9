#include "host/RecordArena.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <type_traits>

static_assert(std::is_trivially_destructible_v<OrderBookDetails>, "records are freed by the chunk");
static_assert(std::is_trivially_copyable_v<OrderBookDetails>);

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}

OrderBookDetails* RecordArena::Add(const OrderBookDetails& record) {
  if (m_usedInLastChunk == kPerChunk) {
    void* chunk = std::aligned_alloc(kHugePage, kChunkBytes);
    if (!chunk) throw std::bad_alloc();
    ::madvise(chunk, kChunkBytes, MADV_HUGEPAGE);  // a hint; without huge pages it still works
    m_chunks.push_back(static_cast<OrderBookDetails*>(chunk));
    m_usedInLastChunk = 0;
  }
  OrderBookDetails* slot = m_chunks.back() + m_usedInLastChunk;
  ::new (static_cast<void*>(slot)) OrderBookDetails(record);
  ++m_usedInLastChunk;
  ++m_size;
  return slot;
}

void RecordArena::Clear() {
  if (!m_chunks.empty()) ++s_releases;
  for (OrderBookDetails* chunk : m_chunks) std::free(chunk);
  m_chunks.clear();
  m_usedInLastChunk = kPerChunk;
  m_size = 0;
}
