#pragma once
// The saved filters of one order-book variant, a block of the host's general settings record.
// Each text holds one column's filter values joined with ","; an empty text means no saved filter.
#include <array>
#include <string>

struct OrderBookFilterSettings {
  bool bSaveFilter = false;
  std::string cBuySellFilter;        // column 15 B_S
  std::string cOrderStatusFilter;    // column 3 Order_Status
  std::string cOrderStyleFilter;     // column 46 Order_Style
  std::string cProClientFilter;      // column 19 Pro_Client
  std::string cOrvelClientIdFilter;  // column 0 OrvelClientId
  std::string cExchCodeFilter;       // column 2 ExchCode
  std::string cMktSegFilter;         // column 6 Mkt_Seg
  std::string cSymbolFilter;         // column 9 Symbol_ScriptID
  std::string cSerExpGroupFilter;    // column 10 Ser_Exp_Group
  std::string cStrikeFilter;         // column 11 Strike
  std::string cOptionTypeFilter;     // column 12 Option_Type
  std::string cScripNameFilter;      // column 13 Scrip_Name
  std::string cOrderTypeFilter;      // column 14 Order_Type
  std::string cClientFilter;         // column 20 Client
  std::string cExchOrderNoFilter;    // column 24 ExchOrder_No
  std::string cValidityFilter;       // column 28 Validity
  std::string cStrategyFilter;       // column 47 Strategy
  std::string cOrderLegFilter;       // column 67 OrderLeg
  std::string cProdTypeFilter;       // column 41 Prod_Type
  std::string cRangeStart;           // first value of the time-range filter
  std::string cRangeEnd;             // second value of the time-range filter
  bool bOpenWithSorting = false;

  struct ColumnSlot {
    int column;
    std::string OrderBookFilterSettings::*text;
  };
  // The 19 columns that have a saved text, in the block's declared order.
  static constexpr std::array<ColumnSlot, 19> kColumnSlots{{
      {15, &OrderBookFilterSettings::cBuySellFilter},      {3, &OrderBookFilterSettings::cOrderStatusFilter},
      {46, &OrderBookFilterSettings::cOrderStyleFilter},   {19, &OrderBookFilterSettings::cProClientFilter},
      {0, &OrderBookFilterSettings::cOrvelClientIdFilter}, {2, &OrderBookFilterSettings::cExchCodeFilter},
      {6, &OrderBookFilterSettings::cMktSegFilter},        {9, &OrderBookFilterSettings::cSymbolFilter},
      {10, &OrderBookFilterSettings::cSerExpGroupFilter},  {11, &OrderBookFilterSettings::cStrikeFilter},
      {12, &OrderBookFilterSettings::cOptionTypeFilter},   {13, &OrderBookFilterSettings::cScripNameFilter},
      {14, &OrderBookFilterSettings::cOrderTypeFilter},    {20, &OrderBookFilterSettings::cClientFilter},
      {24, &OrderBookFilterSettings::cExchOrderNoFilter},  {28, &OrderBookFilterSettings::cValidityFilter},
      {47, &OrderBookFilterSettings::cStrategyFilter},     {67, &OrderBookFilterSettings::cOrderLegFilter},
      {41, &OrderBookFilterSettings::cProdTypeFilter},
  }};

  // The saved text of a column, or null for a column without one.
  std::string* TextForColumn(int column) {
    for (const ColumnSlot& slot : kColumnSlots) {
      if (slot.column == column) return &(this->*slot.text);
    }
    return nullptr;
  }
  const std::string* TextForColumn(int column) const {
    return const_cast<OrderBookFilterSettings*>(this)->TextForColumn(column);
  }

  // Empties the 19 column texts and the two range texts; the flags stay.
  void ClearTexts() {
    for (const ColumnSlot& slot : kColumnSlots) (this->*slot.text).clear();
    cRangeStart.clear();
    cRangeEnd.clear();
  }

  friend bool operator==(const OrderBookFilterSettings&, const OrderBookFilterSettings&) = default;
};
