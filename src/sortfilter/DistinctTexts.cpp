#include "sortfilter/DistinctTexts.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace {
constexpr std::size_t kInitialSlots = 64;
}  // namespace

void DistinctTexts::Place(std::uint64_t hash, std::uint32_t slotValue) {
  std::size_t i = static_cast<std::size_t>(hash) & m_mask;
  while (m_slots[i] != 0) i = (i + 1) & m_mask;
  m_slots[i] = slotValue;
}

void DistinctTexts::Grow() {
  const std::size_t size = m_slots.empty() ? kInitialSlots : m_slots.size() * 2;
  m_slots.assign(size, 0);
  m_mask = size - 1;
  for (std::size_t k = 0; k < m_texts.size(); ++k) Place(m_hashes[k], static_cast<std::uint32_t>(k + 1));
}

void DistinctTexts::Add(std::string_view text) {
  // Kept at most half full, so that a probe ends after a slot or two.
  if ((m_texts.size() + 1) * 2 > m_slots.size()) Grow();
  const std::uint64_t hash = std::hash<std::string_view>{}(text);
  std::size_t i = static_cast<std::size_t>(hash) & m_mask;
  while (const std::uint32_t slot = m_slots[i]) {
    const std::size_t k = slot - 1;
    if (m_hashes[k] == hash && m_texts[k] == text) return;
    i = (i + 1) & m_mask;
  }
  m_texts.emplace_back(text);
  m_hashes.push_back(hash);
  m_slots[i] = static_cast<std::uint32_t>(m_texts.size());
}

void DistinctTexts::MoveSortedInto(std::vector<std::string>& out) {
  // std::string compares through char_traits<char>, which orders bytes as unsigned values.
  std::sort(m_texts.begin(), m_texts.end());
  out.reserve(out.size() + m_texts.size());
  std::move(m_texts.begin(), m_texts.end(), std::back_inserter(out));
  m_texts.clear();
  m_hashes.clear();
  m_slots.clear();
  m_mask = 0;
}
