// The window's older row-filling path for spread orders: the orders of one kind come straight
// from the record cache, and each gets an order row and one row per leg with the store's status
// vocabulary.
#include "host/AppGlobal.h"
#include "host/ContractMaster.h"
#include "host/recordcache/RecordCacheTables.h"
#include "view/ColumnCatalogue.h"
#include "view/OrderBookWnd.h"
#include "view/SpreadRowQueries.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace {

using SpreadRowQueries::Table;

RecordTable* TableFor(int kind) {
  switch (SpreadRowQueries::TableOf(kind)) {
    case Table::PendingSpreadOrders: return CInMemPendingSpreadOrders::getClass();
    case Table::SpreadOrderInfo: return CInMemSpreadOrderInfo::getClass();
    case Table::RmsRejection: return CInMemRMSRejection::getClass();
    case Table::None: break;
  }
  return nullptr;
}

template <typename T>
void SetCell(CBCGPGridRow& row, int column, const T& value) {
  if (CBCGPGridItem* item = row.GetItem(column)) item->SetValue(value);
}

// A spread order is two or three legs; a row that says otherwise still shows two.
int LegCount(std::int64_t legs) { return legs == 3 ? 3 : 2; }

struct SpreadOrderRow {
  std::uint32_t ourOrderNo = 0;
  std::int32_t token = 0;
  int orvelCode = 0;
  int side = 0;
  int legs = 2;
  double orderNumber = 0.0;
  std::string dealer;
  std::string client;
  ORVEL_SPREAD_OE_REQUEST packet;
};

SpreadOrderRow ReadRow(const QueryResult& rows, long r) {
  SpreadOrderRow o;
  auto col = [&](std::string_view name) { return rows.ColumnIndex(name); };
  rows.CopyPacket(r, o.packet.data(), ORVEL_SPREAD_OE_REQUEST::kSize);
  o.ourOrderNo = static_cast<std::uint32_t>(rows.GetInt64(r, col("lOurOrderNo")));
  o.token = static_cast<std::int32_t>(rows.GetInt64(r, col("lOurToken")));
  if (o.token == 0) o.token = o.packet.token();
  o.orvelCode = static_cast<int>(rows.GetInt64(r, col("iOrvelCode")));
  o.side = static_cast<int>(rows.GetInt64(r, col("iBuySell")));
  if (o.side == 0) o.side = o.packet.buySell();
  o.legs = LegCount(rows.GetInt64(r, col("iNoofLegs")));
  o.orderNumber = rows.GetDouble(r, col("dOrderNumber"));
  o.dealer = rows.GetText(r, col("cOrvelClientId"));
  o.client = rows.GetText(r, col("cAccountnumber"));
  return o;
}

}  // namespace

int OrderBookWnd::FillSpreadRow(int kind, CBCGPGridRow* row, int* count) {
  m_nSpreadRowKind = kind;
  m_vctSpreadRows.clear();
  int* counter = count ? count : &m_nSpreadRowCount;
  try {
    RecordTable* table = TableFor(kind);
    const std::vector<std::string> queries = SpreadRowQueries::QueriesOf(kind, AppGlobal::g_pObjLoginResponse);
    if (!table || queries.empty()) return 0;
    // The first query holds the orders; the second of the risk kinds only lists the rejections.
    const QueryResult orders = table->Query(queries.front());
    if (!orders.Ok()) return 0;
    CInMemOrderInfo* info = CInMemOrderInfo::getClass();
    for (long r = 0; r < orders.RowCount(); ++r) {
      SpreadOrderRow order = ReadRow(orders, r);
      if (info) {
        const QueryResult own = info->Query(SpreadRowQueries::OrderInfoLookup(order.ourOrderNo));
        if (own.Ok() && own.RowCount() > 0 && order.client.empty())
          order.client = own.GetText(0, own.ColumnIndex("cAccountnumber"));
      }
      SetOrderTypeInfo(static_cast<long>(order.ourOrderNo), 1);
      const SpreadRowQueries::StatusTexts texts =
          SpreadRowQueries::StatusTextsOf(kind, order.packet.transactionCode());
      const std::int32_t pending = order.packet.get<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kPendingQty);
      const std::int32_t traded = order.packet.get<std::int32_t>(ORVEL_SPREAD_OE_REQUEST::kTradedQty);
      char orderNumber[32];
      std::snprintf(orderNumber, sizeof orderNumber, "%.0f", order.orderNumber);
      for (int leg = 0; leg <= order.legs; ++leg) {
        CBCGPGridRow& out = m_vctSpreadRows.emplace_back(Variant().nColumnCount);
        SetCell(out, COL_RefNo, static_cast<long long>(order.ourOrderNo));
        SetCell(out, COL_Order_Status, leg == 0 ? texts.order : texts.leg);
        SetCell(out, COL_OrvelClientId, std::string_view(order.dealer));
        SetCell(out, COL_Client, std::string_view(order.client));
        SetCell(out, COL_B_S, std::string_view(order.side == 1 ? "BUY" : "SELL"));
        SetCell(out, COL_lOurToken, order.token);
        SetCell(out, COL_iOrvelCode, order.orvelCode);
        SetCell(out, COL_ExchOrder_No, std::string_view(orderNumber));
        SetCell(out, COL_OrderLeg, std::string_view("S"));
        if (leg == 0) SetCell(out, COL_Price, order.packet.price());
        SetCell(out, COL_Pending_Qty, pending);
        SetCell(out, COL_Traded_Qty, traded);
        SetCell(out, COL_Total_Qty, pending + traded);
        SetContractInfoFromlOurToken(&out, order.token);
        DisplayQtyInLots(&out, order.token, pending + traded, pending, traded);
        ++*counter;
      }
    }
    if (row && !m_vctSpreadRows.empty()) *row = m_vctSpreadRows.front();
    return static_cast<int>(m_vctSpreadRows.size());
  } catch (...) {
    LogException("FillSpreadRow");
    return static_cast<int>(m_vctSpreadRows.size());
  }
}

void OrderBookWnd::SetlOurTokenInfo(const long& token, CBCGPGridRow* row, char* exchange, const ScriptDesc& contract,
                                    int* /*count*/) {
  if (!row) return;
  try {
    LegacyFormatting::WriteContractCells(*row, token, contract,
                                         exchange ? std::string_view(exchange) : std::string_view());
  } catch (...) {
    LogException("SetlOurTokenInfo");
  }
}
