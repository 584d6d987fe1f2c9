#include "actions/UnconfirmedCancels.h"

#include "actions/CancelRequestBuilder.h"
#include "actions/SpreadRequestFields.h"
#include "host/AppGlobal.h"
#include "host/recordcache/CInMemOrderInfo.h"
#include "host/recordcache/CInMemSpreadOrderInfo.h"

#include <cstring>
#include <unordered_set>

namespace UnconfirmedCancels {

namespace {

using recordcache::detail::WriteParam;

constexpr std::int64_t kOrderTypeA = 5;
constexpr std::int64_t kOrderTypeB = 6;
constexpr std::int16_t kNormalCancelCode = 5529;
constexpr std::int16_t kSpreadCancelCode = 5558;
constexpr std::int16_t kSpreadAlternateEntryCode = 3361;
constexpr std::int16_t kSpreadAlternateCancelCode = 3360;

// The entry query of one own order number; ?6 is the dealer, bound once and read twice.
std::string EntryQuery(const Requester& who, bool spread) {
  std::string sql =
      "Select * From OrderInfo Where lOurOrderNo = ?1 And (iOrvelCode = ?2 or iOrvelCode = ?3) and "
      "(iOrderType = ?4 or iOrderType = ?5)";
  if (who.nUserType != 0) return sql;
  if (!who.bAccountNumber) return sql + " and cOrvelClientId = ?6";
  return sql + (spread ? " and cAccountnumber = ?6" : " and (cOrvelClientId = ?6 or cAccountnumber = ?6)");
}

QueryResult FindEntries(RecordTable& table, std::uint32_t ourOrderNo, bool spread, const Requester& who) {
  const std::int64_t codeA = spread ? 5523 : 5520;
  const std::int64_t codeB = spread ? 5526 : 5521;
  const std::string sql = EntryQuery(who, spread);
  if (who.nUserType == 0)
    return table.Query(sql, {std::int64_t{ourOrderNo}, codeA, codeB, kOrderTypeA, kOrderTypeB,
                             std::string_view(who.cDealerId)});
  return table.Query(sql, {std::int64_t{ourOrderNo}, codeA, codeB, kOrderTypeA, kOrderTypeB});
}

bool ProcessedByExchange(std::uint32_t ourOrderNo, std::int32_t lastModified) {
  const QueryResult answer = CInMemOrderInfo::getClass()->Query(
      "Select * From OrderInfo Where lOurOrderNo = ?1 and (iOrvelCode = ?2 or iOrvelCode = ?3 or iOrvelCode = ?4 "
      "or iOrvelCode = ?5 or iOrvelCode = ?6 or iOrvelCode = ?7) and lLastModifiedTime > ?8",
      {std::int64_t{ourOrderNo}, 5511, 5512, 5513, 5530, 5516, 5515, std::int64_t{lastModified}});
  // A failed query proves nothing was processed no more than that it was: leave the order alone.
  return !answer.Ok() || answer.RowCount() > 0;
}

bool SpreadProcessedByExchange(std::uint32_t ourOrderNo) {
  const QueryResult answer = CInMemSpreadOrderInfo::getClass()->Query(
      "Select * From OrderInfo Where lOurOrderNo = ?1 and (iOrvelCode = ?2 or iOrvelCode = ?3 or iOrvelCode = ?4 "
      "or iOrvelCode = ?5 or iOrvelCode = ?6 or iOrvelCode = ?7 or iOrvelCode = ?8) ",
      {std::int64_t{ourOrderNo}, 5724, 5719, 5736, 5707, 5730, 5559, 3361});
  return !answer.Ok() || answer.RowCount() > 0;
}

// Sends the local cancel of every entry found for the own order number that the exchange has
// not answered for since; `processed` asks that of an entry, `cancelCode` gives its cancel code.
template <typename Packet, typename Processed, typename CancelCode>
int CancelEntries(RecordTable& table, std::uint32_t refNo, bool spread, const Requester& who, SendCOCOrderExeFn send,
                  const OrderRecordLookup::LogLine& log, Processed processed, CancelCode cancelCode) {
  const QueryResult entries = FindEntries(table, refNo, spread, who);
  int sent = 0;
  for (long row = 0; row < entries.RowCount(); ++row) {
    Packet entry;
    if (!entries.CopyPacket(row, entry.data(), Packet::kSize)) continue;
    if (processed(entry)) {
      if (log) log(kProcessedSource, kProcessedLine);
      continue;
    }
    entry.setTransactionCode(cancelCode(entry));
    send(&entry, 0.0);
    ++sent;
  }
  return sent;
}

int CancelNormal(std::uint32_t refNo, const Requester& who, SendCOCOrderExeFn send,
                 const OrderRecordLookup::LogLine& log) {
  return CancelEntries<ORVEL_ORDER_ENTRY>(
      *CInMemOrderInfo::getClass(), refNo, false, who, send, log,
      [](const ORVEL_ORDER_ENTRY& e) {
        return ProcessedByExchange(e.ourOrderNo(), e.get<std::int32_t>(ORVEL_ORDER_ENTRY::kLastModifiedTime));
      },
      [](const ORVEL_ORDER_ENTRY&) { return kNormalCancelCode; });
}

int CancelSpread(std::uint32_t refNo, const Requester& who, SendCOCOrderExeFn send,
                 const OrderRecordLookup::LogLine& log) {
  return CancelEntries<ORVEL_SPREAD_OE_REQUEST>(
      *CInMemSpreadOrderInfo::getClass(), refNo, true, who, send, log,
      [](const ORVEL_SPREAD_OE_REQUEST& e) { return SpreadProcessedByExchange(SpreadRequestFields::OurOrderNo(e)); },
      [](const ORVEL_SPREAD_OE_REQUEST& e) {
        return e.transactionCode() == kSpreadAlternateEntryCode ? kSpreadAlternateCancelCode : kSpreadCancelCode;
      });
}

}  // namespace

Requester Requester::FromLogin() {
  const CancelRequester login = CancelRequester::FromLogin();
  Requester who;
  who.nUserType = login.nUserType;
  who.cDealerId = login.cDealerId;
  who.bAccountNumber = AppGlobal::g_pObjLoginResponse && AppGlobal::g_pObjLoginResponse->accountFlag() != 0;
  return who;
}

int Run(const std::vector<const OrderBookDetails*>& rows, const Requester& requester, SendCOCOrderExeFn send,
        const OrderRecordLookup::LogLine& log) {
  if (!send) return 0;
  // A spread order shows an order row and leg rows under one RefNo: one cancel for all of them.
  std::unordered_set<std::uint64_t> done;
  int sent = 0;
  for (const OrderBookDetails* record : rows) {
    if (!record || std::strstr(record->Order_Status, "Un-Confirmed") == nullptr) continue;
    const bool spread = record->eOrderLeg == eSpreadLeg;
    if (!done.insert(std::uint64_t{record->RefNo} << 1 | std::uint64_t{spread}).second) continue;
    sent += spread ? CancelSpread(record->RefNo, requester, send, log) : CancelNormal(record->RefNo, requester, send, log);
  }
  return sent;
}

}  // namespace UnconfirmedCancels
