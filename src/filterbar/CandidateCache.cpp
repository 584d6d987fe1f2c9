#include "filterbar/CandidateCache.h"

#include "host/AppOrderBook.h"

#include <algorithm>
#include <execution>
#include <functional>
#include <unordered_map>

namespace filterbar {

CandidateCache::Stamp CandidateCache::StampOf(BookKind book) {
  const DisplayedChangeLog& journal = AppOrderBook::ChangeLog(book);
  if (!journal.Enabled()) return {};
  const std::vector<OrderBookDetails*>& displayed = AppOrderBook::Book(book).vctDisplayed;
  return {true, book, displayed.data(), displayed.size(), journal.Generation(), journal.End()};
}

namespace {

using FirstSeen = std::unordered_map<std::string_view, std::uint32_t>;

// The distinct texts of one slice of the displayed orders with the index of each one's first
// order. Orders of one contract share its texts, so most orders of a contract field are seen
// again by the address of their text alone, which is far cheaper than hashing the text.
void ScanSlice(const std::vector<OrderBookDetails*>& displayed, std::size_t begin, std::size_t end,
               const EditFieldSpec& spec, CandidateUse use, FirstSeen& first) {
  constexpr std::size_t kSeenSlots = 4096;
  std::array<const char*, kSeenSlots> seen{};
  // For a contract field one look at the order's contract pointer decides: a contract seen
  // already gives nothing new, whatever the order.
  std::array<const ScriptDesc*, kSeenSlots> seenContracts{};
  bool seenNoContract = false;
  for (std::size_t i = begin; i < end; ++i) {
    const OrderBookDetails* order = displayed[i];
    if (order == nullptr) continue;
    if (spec.bByContract) {
      const ScriptDesc* contract = order->pContract;
      if (contract == nullptr) {
        if (seenNoContract) continue;
        seenNoContract = true;
      } else {
        const std::size_t slot = (std::hash<const void*>{}(contract) >> 4) % kSeenSlots;
        if (seenContracts[slot] == contract) continue;
        seenContracts[slot] = contract;
      }
    }
    if (!IsOffered(spec, use, *order)) continue;
    const std::string_view value = spec.value(*order);
    const std::size_t slot = (std::hash<const void*>{}(value.data()) >> 4) % kSeenSlots;
    if (seen[slot] == value.data() && !value.empty()) continue;
    first.try_emplace(value, static_cast<std::uint32_t>(i));
    // Only a text whose first appearance is already recorded may be skipped later.
    seen[slot] = value.data();
  }
}

}  // namespace

void CandidateCache::Rebuild(Entry& entry, BookKind book, const EditFieldSpec& spec, CandidateUse use) {
  ++m_scans;
  const std::vector<OrderBookDetails*>& displayed = AppOrderBook::Book(book).vctDisplayed;
  // A million orders are read in slices side by side; the slices are merged in their order, so
  // each text keeps the index of its very first order.
  constexpr std::size_t kSlice = 1u << 16;
  const std::size_t slices = (displayed.size() + kSlice - 1) / kSlice;
  std::vector<FirstSeen> parts(std::max<std::size_t>(slices, 1));
  std::vector<std::size_t> order(parts.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::for_each(std::execution::par, order.begin(), order.end(), [&](std::size_t k) {
    ScanSlice(displayed, k * kSlice, std::min(displayed.size(), (k + 1) * kSlice), spec, use, parts[k]);
  });
  FirstSeen first = std::move(parts.front());
  for (std::size_t k = 1; k < parts.size(); ++k)
    for (const auto& [text, index] : parts[k]) first.try_emplace(text, index);
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
