#include "view/SpreadRowQueries.h"

#include "host/recordcache/SqlText.h"
#include "host/records/LoginResponse.h"

namespace SpreadRowQueries {

namespace {

// Transaction codes of the host's spread orders; the queries select a kind's orders by them.
constexpr int kSpread2Leg = 5724;
constexpr int kSpread3Leg = 5725;
constexpr int kSpreadCombined = 5726;
constexpr int kSpreadIoc = 5736;
constexpr int kSpreadEntry = 5705;
constexpr int kSpreadModify = 5733;
constexpr int kSpreadCancelled = 5730;
constexpr int kSpreadCancelled2Leg = 5731;
constexpr int kUnconfirmedLow = 20000001;
constexpr int kUnconfirmedHigh = 50000000;
constexpr int kUnconfirmedOrderType = 5;

bool Restricted(const ORVEL5901* login) { return login && login->allClients() == 0; }

std::string UserOf(const ORVEL5901* login) { return login ? std::string(login->userId()) : std::string(); }

std::vector<std::string> PendingQueries(const ORVEL5901* login) {
  if (!Restricted(login))
    return {SqlText::Format("Select * From PendingOrders Where lTotalVolRemaining<>0 and (iOrvelCode=%d or "
                            "iOrvelCode=%d or iOrvelCode=%d or iOrvelCode=%d)",
                            kSpread2Leg, kSpread3Leg, kSpreadCombined, kSpreadIoc)};
  const std::string user = UserOf(login);
  if (login->accountFlag() != 0)
    return {SqlText::Format("select * from pendingorders where lTotalVolRemaining<>0 and (iOrvelCode=%d or "
                            "iOrvelCode=%d or iOrvelCode=%d or iOrvelCode=%d) and (corvelclientid ='%s' or "
                            "cAccountnumber='%s') order by lEntryDateTime desc",
                            kSpread2Leg, kSpread3Leg, kSpreadCombined, kSpreadIoc, user, user)};
  return {SqlText::Format(
      "select distinct a.* from pendingorders a  left outer join clientmapper b where a.lTotalVolRemaining<>0 and "
      "(a.iOrvelCode=%d or a.iOrvelCode=%d or a.iOrvelCode=%d or a.iOrvelCode=%d) and ( (a.corvelclientid = '%s') "
      "or (a.iproclient=1 and a.cAccountnumber=b.corveluserorinvestorid  and b.corvelclientid = '%s' and "
      "b.iOrderViewmodify=1 )) order by a.lEntryDateTime desc",
      kSpread2Leg, kSpread3Leg, kSpreadCombined, kSpreadIoc, user, user)};
}

std::vector<std::string> RiskQueries(const ORVEL5901* login, bool pending) {
  const char* in = pending ? "in" : "not in";
  if (!Restricted(login))
    return {SqlText::Format("select o.* from rmsrejorderinfo o, rmsrejection r Where o.lSequenceNo = r.lSequenceNo "
                            "and o.lourOrderNo " + std::string(in) + " (select lourOrderNo from PendingOrders  )"),
            SqlText::Format("select * from rmsrejection where lourOrderNo " + std::string(in) +
                            " (select lourOrderNo from PendingOrders  )")};
  const std::string user = UserOf(login);
  return {SqlText::Format("select o.* from rmsrejorderinfo o, rmsrejection r Where o.lSequenceNo = r.lSequenceNo "
                          "and o.cOrvelClientId = '%s' and o.lourOrderNo " + std::string(in) +
                              " (select lourOrderNo from PendingOrders  )",
                          user),
          SqlText::Format("select * from rmsrejection where (cOrvelUserId = '%s' or cOrvelClientId = '%s') and "
                          "lourOrderNo " + std::string(in) + " (select lourOrderNo from PendingOrders  )",
                          user, user)};
}

}  // namespace

Table TableOf(int kind) {
  switch (kind) {
    case kPending:
    case kPendingAlso: return Table::PendingSpreadOrders;
    case kCancelled:
    case kUnconfirmed:
    case kRejected: return Table::SpreadOrderInfo;
    case kRiskRejectedNotPending:
    case kRiskRejectedPending: return Table::RmsRejection;
    default: return Table::None;
  }
}

std::vector<std::string> QueriesOf(int kind, const ORVEL5901* login) {
  const bool restricted = Restricted(login);
  const std::string user = UserOf(login);
  switch (kind) {
    case kPending:
    case kPendingAlso: return PendingQueries(login);
    case kCancelled:
      if (restricted)
        return {SqlText::Format("Select * From OrderInfo Where cOrvelClientId = '%s' and (iOrvelCode=%d or "
                                "iOrvelCode=%d or iOrvelCode=%d or iOrvelCode=%d)",
                                user, kSpread2Leg, kSpread3Leg, kSpreadCombined, kSpreadIoc)};
      return {SqlText::Format("Select * From OrderInfo Where (iOrvelCode=%d or iOrvelCode=%d or iOrvelCode=%d or "
                              "iOrvelCode=%d)",
                              kSpread2Leg, kSpread3Leg, kSpreadCombined, kSpreadIoc)};
    case kUnconfirmed: {
      const std::string who = restricted ? SqlText::Format("cOrvelClientId = '%s' and ", user) : std::string();
      return {SqlText::Format("Select * From OrderInfo Where " + who +
                                  "(dOrderNumber>=0 or(dOrderNumber >= %ld and dOrderNumber <= %ld)) and "
                                  "(iOrvelCode=%d or iOrvelCode=%d) and iOrderType = %d ",
                              kUnconfirmedLow, kUnconfirmedHigh, kSpread2Leg, kSpreadIoc, kUnconfirmedOrderType)};
    }
    case kRejected:
      if (restricted)
        return {SqlText::Format("Select * From OrderInfo Where cOrvelClientId = '%s' and (iOrvelCode=%d or "
                                "iOrvelCode=%d)",
                                user, kSpread2Leg, kSpreadIoc)};
      return {SqlText::Format("Select * From OrderInfo Where (iOrvelCode=%d or iOrvelCode=%d)", kSpread2Leg,
                              kSpreadIoc)};
    case kRiskRejectedNotPending: return RiskQueries(login, false);
    case kRiskRejectedPending: return RiskQueries(login, true);
    default: return {};
  }
}

std::string OrderInfoLookup(unsigned ourOrderNo) {
  return SqlText::Format("Select * From OrderInfo Where lOurOrderNo=%u and iOrvelCode in (%d,%d,%d,%d,%d,%d,%d,%d) ",
                         ourOrderNo, kSpreadEntry, kSpread2Leg, kSpread3Leg, kSpreadCombined, kSpreadModify,
                         kSpreadIoc, kSpreadCancelled, kSpreadCancelled2Leg);
}

StatusTexts StatusTextsOf(int kind, int messageCode) {
  switch (kind) {
    case kPending:
    case kPendingAlso:
    case kRiskRejectedPending: return {"Spread Pending", "Spread Pending Leg"};
    case kCancelled:
      switch (messageCode) {
        case 5731: return {"Cancelled 2Leg", "Cancelled Spread 2Leg"};
        case 5732: return {"Cancelled 3Leg", "Cancelled Spread 3Leg"};
        case 5559: return {"Offline Cancelled Spread", "Offline Cancelled Spread Leg"};
        case 3361: return {"Offline Cancelled 2Leg", "Offline Cancelled Second Leg"};
        default: return {"Cancelled Spread", "Cancelled Spread Leg"};  // 5730 and any other
      }
    case kUnconfirmed:
      if (messageCode == 5526) return {"Un-Confirmed 2Leg", "Un-Confirmed Second Leg"};
      return {"Un-Confirmed Spread", "Un-Confirmed Spread Leg"};
    case kRejected:
    case kRiskRejectedNotPending:
      if (messageCode == 5755) return {"Rejected 2Leg", "Rejected 2Leg"};
      return {"Rejected Spread", "Rejected Spread Leg"};
    default: return {};
  }
}

}  // namespace SpreadRowQueries
