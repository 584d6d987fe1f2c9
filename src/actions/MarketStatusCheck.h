#pragma once
// The market check that cancellation and modification run before they hand orders on: orders of
// a shut market are dropped from the cancellation list (or only reported, for modification) and
// the user is told which markets are shut. Orders not yet confirmed (status 0 and 4) pass
// whatever the market.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class OrderBookWnd;
class SliceBudget;
struct OrderBookDetails;

namespace MarketStatusCheck {

inline constexpr short kCancellation = 1;
inline constexpr short kModification = 2;

// 1 to go on, 0 to stop, over the store's list of the mode; see OrderBookWnd::CheckMarketStatus.
int Run(OrderBookWnd& wnd, short mode, bool allRows);

// The same check over a list of the caller's, in steps, for a caller that walks a long list in
// slices: the constructor works out which markets are shut, Walk goes through the keys as far as
// a slice allows (each key a map lookup), and Result tells the user and gives 1 or 0.
class Walk final {
 public:
  Walk(OrderBookWnd& wnd, short mode, bool allRows, std::vector<std::uint32_t>& list);

  // True once every key was looked at (at once when the result needs no walk).
  bool Walked() const { return m_decided.has_value() || m_next >= m_list.size(); }
  void Step(SliceBudget& budget);
  // After the walk: shows the market message when one is due; 1 to go on, 0 to stop.
  int Result();

 private:
  static constexpr int kMarkets = 32;  // room for every TokenMarket

  void Finish();
  int MarketOf(const OrderBookDetails& record) const;  // a shut market's index, or -1

  OrderBookWnd& m_wnd;
  short m_mode;
  std::vector<std::uint32_t>& m_list;
  const OrderBookDetails* m_pFirst = nullptr;
  std::array<bool, kMarkets> m_shut{};
  std::array<bool, kMarkets> m_named{};
  std::string_view m_statusWord;
  std::optional<int> m_decided;  // known without (or after) the walk, no message
  std::size_t m_next = 0;        // the next key to look at
  std::size_t m_kept = 0;        // mode 1: keys kept so far, closed up at the front
  std::size_t m_passing = 0;     // mode 1: kept keys of orders not yet confirmed
  bool m_bRemoved = false;
  bool m_bFinished = false;
};

}  // namespace MarketStatusCheck
