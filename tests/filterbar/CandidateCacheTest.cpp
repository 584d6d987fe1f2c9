// The candidates kept between keystrokes against a plain reference (copy, filter, stable
// case-insensitive sort, keep the first of each case-insensitive group) on random books, and
// their invalidation by the store's change journal.
#include "filterbar/CandidateCache.h"
#include "host/AppOrderBook.h"
#include "support/ViewHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using filterbar::CandidateUse;
using filterbar::EditField;
using Strings = std::vector<std::string>;

Strings Reference(const std::vector<OrderBookDetails*>& displayed, const filterbar::EditFieldSpec& spec,
                  CandidateUse use, std::string_view prefix) {
  std::vector<std::string> values;
  for (const OrderBookDetails* o : displayed)
    if (o && filterbar::IsOffered(spec, use, *o) && spec.value(*o).starts_with(prefix))
      values.emplace_back(spec.value(*o));
  std::stable_sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) {
    return filterbar::LessNoCase(a, b);
  });
  values.erase(std::unique(values.begin(), values.end(),
                           [](const std::string& a, const std::string& b) { return filterbar::EqualsNoCase(a, b); }),
               values.end());
  return values;
}

class CandidateCacheTest : public ::testing::Test {
 protected:
  CandidateCacheTest() { AppOrderBook::SetChangeJournal(BookKind::Pending, true); }
  ~CandidateCacheTest() override { AppOrderBook::SetChangeJournal(BookKind::Pending, false); }

  // Short texts from a tiny alphabet in mixed case, so that groups differing only in case, empty
  // values and shared prefixes all occur.
  std::string RandomText(std::size_t max) {
    static const char kLetters[] = "aAbB1";
    std::string text(m_rng() % (max + 1), ' ');
    for (char& c : text) c = kLetters[m_rng() % 5];
    return text;
  }
  void Randomise(OrderBookDetails& r) {
    static const std::int32_t kTokens[] = {0, ViewHarness::kNiftyFut, ViewHarness::kReliance, 301, 302};
    const std::int32_t token = kTokens[m_rng() % 5];
    r.lOurToken = token;
    r.pContract = token ? h.Master().Find(token) : nullptr;
    CopyText(r.OrvelClientId, RandomText(3).c_str());
    CopyText(r.Client, RandomText(3).c_str());
    CopyText(r.Strategy, RandomText(2).c_str());
    CopyText(r.OrderNo, RandomText(4).c_str());
    CopyText(r.Prod_Type, RandomText(2).c_str());
    CopyText(r.Pro_Client, m_rng() % 3 ? "CLI" : "PRO");
  }

  void ExpectAllMatch(filterbar::CandidateCache& cache, const char* when) {
    const auto& displayed = AppOrderBook::Book(BookKind::Pending).vctDisplayed;
    for (int f = 0; f < 9; ++f) {
      const auto& spec = filterbar::SpecOf(static_cast<EditField>(f));
      for (CandidateUse use : {CandidateUse::Leave, CandidateUse::List, CandidateUse::ListNarrowed, CandidateUse::Step})
        for (std::string_view prefix : {"", "A", "a", "AB", "1"})
          ASSERT_EQ(cache.Values(BookKind::Pending, spec, use, prefix), Reference(displayed, spec, use, prefix))
              << when << ": field " << f << " use " << static_cast<int>(use) << " prefix " << prefix;
    }
  }

  ViewHarness h;
  std::mt19937 m_rng{20261208};
};

TEST_F(CandidateCacheTest, lists_equal_the_reference_on_random_books_before_and_after_store_changes) {
  for (std::int32_t token : {301, 302}) {
    ScriptDesc* c = h.AddContract(token, "NSE", token == 301 ? "abA" : "ABa", token == 301 ? "O" : "e", 1, "%.2f");
    CopyText(c->cStrike, token == 301 ? "1a" : "");
    CopyText(c->cExpiry, "aB1");
    CopyText(c->cOptionType, token == 301 ? "CE" : "");
  }
  CopyText(h.Master().Find(ViewHarness::kNiftyFut)->cExpiry, "ab1");
  filterbar::CandidateCache cache;
  std::vector<OrderBookDetails*> orders;
  for (std::uint32_t ref = 1; ref <= 400; ++ref)
    orders.push_back(h.AddOrder(BookKind::Pending, ref, [&](OrderBookDetails& r) { Randomise(r); }));
  AppOrderBook::InvalidateDisplayed(BookKind::Pending);
  ExpectAllMatch(cache, "fresh");
  ExpectAllMatch(cache, "repeated");

  for (int round = 0; round < 5; ++round) {
    for (int k = 0; k < 10; ++k) {
      OrderBookDetails* r = orders[m_rng() % orders.size()];
      Randomise(*r);
      AppOrderBook::MarkUpdated(BookKind::Pending, r);
    }
    ExpectAllMatch(cache, "changed");
    orders.push_back(h.AddOrder(BookKind::Pending, 1000 + round, [&](OrderBookDetails& r) { Randomise(r); }));
    ExpectAllMatch(cache, "appended");
    AppOrderBook::RemoveOrder(BookKind::Pending, orders[m_rng() % orders.size()]);
    ExpectAllMatch(cache, "removed");
  }
}

TEST_F(CandidateCacheTest, an_unchanged_book_is_read_once_and_any_journal_entry_reads_it_again) {
  h.AddOrder(BookKind::Pending, 1);
  OrderBookDetails* order = h.AddOrder(BookKind::Pending, 2);
  AppOrderBook::InvalidateDisplayed(BookKind::Pending);
  filterbar::CandidateCache cache;
  const auto& spec = filterbar::SpecOf(EditField::Symbol);
  cache.Values(BookKind::Pending, spec, CandidateUse::List, "N");
  cache.Values(BookKind::Pending, spec, CandidateUse::List, "N");
  cache.Values(BookKind::Pending, spec, CandidateUse::List, "");
  EXPECT_EQ(cache.Scans(), 1u);

  order->pContract = h.Master().Find(ViewHarness::kReliance);
  AppOrderBook::MarkUpdated(BookKind::Pending, order);
  EXPECT_EQ(cache.Values(BookKind::Pending, spec, CandidateUse::List, ""), (Strings{"NIFTY", "RELIANCE"}));
  EXPECT_EQ(cache.Scans(), 2u);

  // With the journal off nothing tells of a change, so nothing is kept.
  AppOrderBook::SetChangeJournal(BookKind::Pending, false);
  cache.Values(BookKind::Pending, spec, CandidateUse::List, "");
  cache.Values(BookKind::Pending, spec, CandidateUse::List, "");
  EXPECT_EQ(cache.Scans(), 4u);
}

}  // namespace
