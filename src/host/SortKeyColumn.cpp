#include "host/SortKeyColumn.h"

void SortKeyColumn::Reset(Kind kind, std::size_t rows) {
  m_kind = kind;
  m_order.assign(rows, kind == Kind::Text ? OrderOfText({}) : OrderOfNumber(0.0));
  if (kind == Kind::Text) m_texts.assign(rows, std::string_view());
  else m_texts.clear();
  m_chunk = 0;
  m_used = 0;
}

std::string_view SortKeyColumn::Keep(std::string_view text) {
  if (text.empty()) return {};
  // Move on to the next chunk (made once, then reused by later sorts) when this one is full.
  while (m_chunk < m_chunks.size() && m_used + text.size() > m_chunkSizes[m_chunk]) {
    ++m_chunk;
    m_used = 0;
  }
  if (m_chunk == m_chunks.size()) {
    const std::size_t size = text.size() > kChunkBytes ? text.size() : kChunkBytes;
    m_chunks.push_back(std::make_unique<char[]>(size));
    m_chunkSizes.push_back(size);
    m_used = 0;
  }
  char* place = m_chunks[m_chunk].get() + m_used;
  std::memcpy(place, text.data(), text.size());
  m_used += text.size();
  return std::string_view(place, text.size());
}
