#pragma once
// The candidates of the bar's edits kept between keystrokes. A trader types and steps faster
// than a million orders can be read, so each field and use remembers the distinct spellings of
// its values with where each first appears, and the answer to the last text asked for. Both stay
// valid while the store's change journal reports nothing new for the displayed vector: any
// change entry, a new generation, rows appended or a vector rebuilt elsewhere rebuilds them. With
// the journal off nothing is kept, since nothing would tell that a record changed.
#include "filterbar/EditCandidates.h"
#include "host/OrderBookTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace filterbar {

class CandidateCache final {
 public:
  // The candidates of `spec` for `use` over the book's displayed orders, as CandidateValues
  // gives them (same values, same order), narrowed to the values beginning with `prefix`.
  const std::vector<std::string>& Values(BookKind book, const EditFieldSpec& spec, CandidateUse use,
                                         std::string_view prefix = {});
  // How often the displayed orders were read (a test sees whether the cache answered).
  std::uint64_t Scans() const { return m_scans; }

 private:
  struct Stamp {
    bool bValid = false;
    BookKind eBook = BookKind::Pending;
    const void* pData = nullptr;
    std::size_t nSize = 0;
    std::uint64_t nGeneration = 0;
    std::uint64_t nEnd = 0;
    bool operator==(const Stamp&) const = default;
  };
  struct Spelling {
    std::string text;
    std::uint32_t nFirst;  // index of the first displayed order carrying it
  };
  struct Entry {
    Stamp stamp;
    std::vector<Spelling> spellings;  // case-insensitive order, then first appearance
    bool bAnswered = false;
    std::string answeredPrefix;
    std::vector<std::string> answer;
  };

  static Stamp StampOf(BookKind book);
  void Rebuild(Entry& entry, BookKind book, const EditFieldSpec& spec, CandidateUse use);

  static constexpr std::size_t kUses = 4;
  std::array<Entry, 9 * kUses> m_entries;
  std::uint64_t m_scans = 0;
};

}  // namespace filterbar
