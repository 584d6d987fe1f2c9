#include "filterbar/CandidateCache.h"

#include "host/AppOrderBook.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace filterbar {

CandidateCache::Stamp CandidateCache::StampOf(BookKind book) {
  const DisplayedChangeLog& journal = AppOrderBook::ChangeLog(book);
  if (!journal.Enabled()) return {};
  const std::vector<OrderBookDetails*>& displayed = AppOrderBook::Book(book).vctDisplayed;
  return {true, book, displayed.data(), displayed.size(), journal.Generation(), journal.End()};
}

void CandidateCache::Rebuild(Entry& entry, BookKind book, const EditFieldSpec& spec, CandidateUse use) {
  ++m_scans;
  const std::vector<OrderBookDetails*>& displayed = AppOrderBook::Book(book).vctDisplayed;
  // Orders of one contract share its texts, so most orders of a contract field are seen again by
  // the address of their text alone, which is far cheaper than hashing the text.
  constexpr std::size_t kSeenSlots = 4096;
  std::array<const char*, kSeenSlots> seen{};
  std::unordered_map<std::string_view, std::uint32_t> first;
  for (std::size_t i = 0; i < displayed.size(); ++i) {
    const OrderBookDetails* order = displayed[i];
    if (order == nullptr || !IsOffered(spec, use, *order)) continue;
    const std::string_view value = spec.value(*order);
    const std::size_t slot = (std::hash<const void*>{}(value.data()) >> 4) % kSeenSlots;
    if (seen[slot] == value.data() && !value.empty()) continue;
    first.try_emplace(value, static_cast<std::uint32_t>(i));
    // Only a text whose first appearance is already recorded may be skipped later.
    seen[slot] = value.data();
  }
  entry.spellings.clear();
  entry.spellings.reserve(first.size());
  for (const auto& [text, index] : first) entry.spellings.push_back({std::string(text), index});
  std::sort(entry.spellings.begin(), entry.spellings.end(), [](const Spelling& a, const Spelling& b) {
    if (LessNoCase(a.text, b.text)) return true;
    if (LessNoCase(b.text, a.text)) return false;
    return a.nFirst < b.nFirst;
  });
  entry.bAnswered = false;
}

const std::vector<std::string>& CandidateCache::Values(BookKind book, const EditFieldSpec& spec, CandidateUse use,
                                                       std::string_view prefix) {
  Entry& entry = m_entries[static_cast<std::size_t>(spec.field) * kUses + static_cast<std::size_t>(use)];
  const Stamp stamp = StampOf(book);
  if (!stamp.bValid || !(stamp == entry.stamp)) {
    Rebuild(entry, book, spec, use);
    entry.stamp = stamp;
  } else if (entry.bAnswered && entry.answeredPrefix == prefix) {
    return entry.answer;
  }
  // One value per case-insensitive group: the spelling that appears first among those matching.
  entry.answer.clear();
  const std::vector<Spelling>& all = entry.spellings;
  for (std::size_t i = 0; i < all.size();) {
    std::size_t end = i + 1;
    while (end < all.size() && EqualsNoCase(all[end].text, all[i].text)) ++end;
    const Spelling* pick = nullptr;
    for (std::size_t k = i; k < end; ++k) {
      if (!std::string_view(all[k].text).starts_with(prefix)) continue;
      if (!pick || all[k].nFirst < pick->nFirst) pick = &all[k];
    }
    if (pick) entry.answer.push_back(pick->text);
    i = end;
  }
  entry.bAnswered = true;
  entry.answeredPrefix.assign(prefix);
  return entry.answer;
}

}  // namespace filterbar
