// The legacy filter combination behind F3: the rows the grid shows that meet every active
// criterion of the filter bar's fields, collected into the window's map of combined orders.
#include "view/OrderBookWnd.h"

#include "host/AppOrderBook.h"
#include "view/CellValues.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookGrid.h"

#include <array>
#include <cstring>
#include <map>
#include <strings.h>

namespace {

// How a criterion meets a row's cell.
enum class Test { Text, BuySell, Spread, EntryTime, RecordType };

struct Criterion {
  int column;
  Test test;
};

// One per filter-bar field, in the order the fields are passed. The exchange is passed twice
// (the exchange combo and the exchange of the contract fields); both must hold.
constexpr std::array<Criterion, OrderBookWnd::kCriteriaCount> kCriteria{{
    {COL_ExchCode, Test::Text},          {COL_Mkt_Seg, Test::Text},        {COL_Symbol_ScriptID, Test::Text},
    {COL_Order_Type, Test::Text},        {COL_B_S, Test::BuySell},         {COL_Pro_Client, Test::Text},
    {COL_Order_Status, Test::Text},      {COL_OrvelClientId, Test::Text},  {COL_Client, Test::Text},
    {COL_Strike, Test::Text},            {COL_OrderLeg, Test::Spread},     {COL_Order_Style, Test::Text},
    {COL_Strategy, Test::Text},          {COL_Ser_Exp_Group, Test::Text},  {COL_ExchCode, Test::Text},
    {COL_Option_Type, Test::Text},       {COL_ExchOrder_No, Test::Text},   {COL_Prod_Type, Test::Text},
    {COL_lOurToken, Test::Text},         {COL_Server_Entry_Time, Test::EntryTime},
    {COL_Record_Type, Test::RecordType},
}};
constexpr std::size_t kSymbolCriterion = 2;
constexpr std::size_t kClientCriterion = 8;

template <std::size_t N>
std::string_view FieldOf(const char (&field)[N]) {
  return {field, ::strnlen(field, N)};
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool IsActive(std::size_t index, const std::string& text) {
  if (SameText(text, "All")) return false;
  if (index == kSymbolCriterion) return !text.empty() && !SameText(text, "No Symbol");
  if (index == kClientCriterion) return !text.empty() && !SameText(text, "No Clients");
  return true;
}

// An entry time as the combination compares it: without its "Hrs" and "PM" marks and the blanks
// around them, so that "10:15:00 Hrs" and "10:15:00" are the same time.
std::string BareTime(std::string_view text) {
  std::string out(text);
  for (std::string_view mark : {"Hrs", "PM"})
    for (std::size_t at; (at = out.find(mark)) != std::string::npos;) out.erase(at, mark.size());
  const std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

class StoreLock {
 public:
  explicit StoreLock(const OrderRowMap& map) : m_map(map) { m_map.Lock(); }
  ~StoreLock() { m_map.Unlock(); }
  StoreLock(const StoreLock&) = delete;
  StoreLock& operator=(const StoreLock&) = delete;

 private:
  const OrderRowMap& m_map;
};

}  // namespace

void OrderBookWnd::FiltersCombination(const std::array<std::string, kCriteriaCount>& criteria) {
  try {
    WriteLog("PendingFiltersCombination.txt", "");
    bool same = true;
    for (std::size_t i = 0; i < kCriteriaCount && same; ++i) same = SameText(criteria[i], strLastCriteria[i]);
    if (same) return;

    std::array<bool, kCriteriaCount> active{};
    std::array<std::string, kCriteriaCount> wanted;
    for (std::size_t i = 0; i < kCriteriaCount; ++i) {
      active[i] = IsActive(i, criteria[i]);
      wanted[i] = kCriteria[i].test == Test::EntryTime ? BareTime(criteria[i]) : criteria[i];
    }

    // Built aside: a failure part way leaves the last combination and its criteria in place.
    std::map<std::uint32_t, int> combined;
    OrderBookGrid* grid = GetGrid();
    const BookKind kind = Variant().eBook;
    const OrderRowMap& store = AppOrderBook::Book(kind).mapAll;
    const int rows = grid ? grid->GetVirtualRowCount() : 0;
    {
      StoreLock lock(store);
      CellTextBuffer buffer;
      for (int row = 0; row < rows; ++row) {
        const OrderBookDetails* record = grid->RecordAtRow(row);
        if (!record) continue;
        // Only orders the store still holds take part: a row may outlive its order until the
        // next refresh.
        const std::uint32_t key = AppOrderBook::KeyOf(kind, *record);
        if (!store.find(key)) continue;
        bool passes = true;
        for (std::size_t i = 0; i < kCriteriaCount && passes; ++i) {
          if (!active[i]) continue;
          const Criterion& c = kCriteria[i];
          switch (c.test) {
            case Test::Text:
              passes = SameText(GetItemTextAsStored(*record, c.column, Variant(), buffer), wanted[i]);
              break;
            case Test::BuySell:
              passes = SameText(FieldOf(record->B_S), "Buy") == SameText(wanted[i], "Buy");
              break;
            case Test::Spread:
              passes = (grid->GetOrderTypeInfo(record->RefNo) == 1) == SameText(wanted[i], "Spread");
              break;
            case Test::EntryTime:
              passes = SameText(BareTime(GetItemTextAsStored(*record, c.column, Variant(), buffer)), wanted[i]);
              break;
            case Test::RecordType:
              passes = SameText(FieldOf(record->Record_Type), "T") == SameText(wanted[i], "T");
              break;
          }
        }
        if (passes) combined.emplace(key, row);
      }
    }
    strLastCriteria = criteria;
    m_mapCombinedOrders = std::move(combined);
    WriteLog("PendingWindowPerformance.txt", "FiltersCombination: " + std::to_string(m_mapCombinedOrders.size()) +
                                                 " of " + std::to_string(rows) + " rows combined");
  } catch (...) {
    WriteLog("ZARUClient", "Exception in FiltersCombination - PendingOrders");
  }
}
