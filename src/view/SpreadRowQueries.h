#pragma once
// What the older row-filling path reads for each kind of spread order: the record-cache queries
// of a kind and the status texts its order and leg rows get. The texts are the order store's own
// vocabulary for spread orders, so a host filling its rows this way shows what the views show
// (the views recognise a leg row by "Leg" in its status).
#include <string>
#include <string_view>
#include <vector>

struct ORVEL5901;

namespace SpreadRowQueries {

// The kinds a host asks for.
enum Kind : int {
  kPending = 0,
  kPendingAlso = 1,
  kCancelled = 2,
  kUnconfirmed = 3,
  kRejected = 4,
  kRiskRejectedNotPending = 9,
  kRiskRejectedPending = 10,
};

// Which record-cache table a kind reads.
enum class Table { None, PendingSpreadOrders, SpreadOrderInfo, RmsRejection };
Table TableOf(int kind);

// The queries of a kind, in the order they run (two for the risk-management kinds, one for the
// others, none for an unknown kind). The login's all-clients field 0 restricts them to the
// logged-in user's clients; a null login restricts nothing. The user id is escaped as data.
std::vector<std::string> QueriesOf(int kind, const ORVEL5901* login);

// The look-up of an order's own information rows, with the transaction codes of spread orders.
std::string OrderInfoLookup(unsigned ourOrderNo);

struct StatusTexts {
  std::string_view order;
  std::string_view leg;
};
// The Order_Status texts of a spread order's row and of its leg rows, by kind and by the message
// code of the order's record (the packet's first 16-bit field). Empty texts for an unknown kind.
StatusTexts StatusTextsOf(int kind, int messageCode);

}  // namespace SpreadRowQueries
