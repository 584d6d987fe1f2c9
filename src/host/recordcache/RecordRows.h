#pragma once
// Typed rows the host writes into the record cache. Every value is bound as a parameter: no
// SQL text is ever built from them.
#include <cstdint>
#include <string>
#include <vector>

// One row of an order-shaped table: PendingOrders, OrderInfo, TradeInfo, ExchangeIobOrder,
// rmsrejection and rmsrejorderinfo all share these columns, so any query of one table may name
// any column. `packet` holds the row's full packet bytes as the host received them (the 802-byte
// order-entry packet for the order tables, the 926-byte spread packet for the spread tables).
struct OrderRecordRow {
  std::int64_t lOurOrderNo = 0;
  double dOrderNumber = 0.0;
  int iOrvelCode = 0;
  std::string cOrvelClientId;  // dealer id that placed the order
  std::string cAccountnumber;
  std::string cOrvelUserId;  // user or investor id (risk rejections are matched on it too)
  std::int64_t lTotalVolRemaining = 0;
  std::int64_t lEntryDateTime = 0;
  int iproclient = 0;  // 1 pro, 2 client
  int iOrderType = 0;
  int iNoofLegs = 0;
  std::int64_t lLastModifiedTime = 0;
  std::int64_t lIOMRuleNo = 0;
  int iStrategyNo = 0;
  double dSLPrice = 0.0;
  double dTargetPrice = 0.0;
  double dSLTPrice = 0.0;
  std::int64_t lOurToken = 0;
  std::int64_t lFillQuantity = 0;
  double dFillPrice = 0.0;
  double dResponseOrderNumber = 0.0;
  int iBuySell = 0;  // 1 buy, 2 sell
  std::int64_t lSequenceNo = 0;
  std::vector<unsigned char> packet;
};

// One row of clientmapper: which investor's orders a dealer may see or modify.
struct ClientMapperRow {
  std::string corveluserorinvestorid;
  std::string corvelclientid;  // the dealer
  int iOrderViewmodify = 0;
  std::string cInvestorName;
  std::vector<unsigned char> packet;
};
