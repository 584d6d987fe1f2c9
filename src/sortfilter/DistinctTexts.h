#pragma once
// Collects the distinct texts of many records: each text is hashed once into a small open-address
// table, and only the distinct values are kept (copied) and sorted. Adding a text that is already
// there allocates nothing, so a pass over a million records costs the distinct set and no more.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class DistinctTexts final {
 public:
  void Add(std::string_view text);
  std::size_t Size() const { return m_texts.size(); }
  // Appends the distinct texts to `out`, sorted byte by byte ascending, and empties the set.
  void MoveSortedInto(std::vector<std::string>& out);

 private:
  void Grow();
  void Place(std::uint64_t hash, std::uint32_t slotValue);

  std::vector<std::uint32_t> m_slots;  // 0 empty, else index + 1 into m_texts
  std::vector<std::uint64_t> m_hashes;  // hash of each kept text
  std::vector<std::string> m_texts;
  std::size_t m_mask = 0;
};
